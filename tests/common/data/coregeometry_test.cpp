// The shipped catalogue, its geometry file and the wire table through the programs' own readers,
// the geometry estimate against hand-worked figures, and a user core's geometry round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "common/data/addcore.h"
#include "common/data/corebase.h"
#include "common/data/coregeometry.h"
#include "common/data/textfile.h"
#include "common/data/usercores.h"
#include "common/data/wiretable.h"
#include "support/tempdir.h"

using namespace fb;

namespace {
const std::string kRoot = std::string(FB_SOURCE_DIR) + "/data/";

std::vector<std::string> Headers(const std::string& text) {
    std::vector<std::string> out;
    const std::regex header("\\[([^\\]]*)\\]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), header); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[1]);
    return out;
}
}  // namespace

TEST(ShippedCatalogue, EveryCoreIsSelectedThroughItsShapeListAndHasItsGeometry) {
    CCoreBase base;
    ASSERT_TRUE(base.Load(kRoot, kBigBuffer, false).empty());
    CCoreBase pfc;  // Boostcoil reads the catalogue into its smaller buffer
    pfc.Load(kRoot, kPfcCoreBuffer, false);
    EXPECT_EQ(pfc.JoinedText(), base.JoinedText());
    CCoreGeometry geometry;
    ASSERT_TRUE(geometry.Load(kRoot));

    const std::vector<std::string> names = Headers(base.JoinedText());
    EXPECT_EQ(names.size(), 301u);
    EXPECT_EQ(Headers(ReadTextFile(kRoot + "Bases_Cores/" + kGeometryName, 1u << 20).text), names);
    for (const std::string& name : names) {
        base.selected = -1;
        base.SelectByName(name);
        CoreRecord r;
        ASSERT_TRUE(base.OnSelect(r)) << name;
        EXPECT_EQ(r.name, name);
        const CoreGeometry g = geometry.For(name, r.Ae, r.An, r.le);
        EXPECT_FALSE(g.estimated) << name;
        EXPECT_GT(g.mlt, 0) << name;
        EXPECT_GT(g.surface, 0) << name;
        EXPECT_GT(g.mass, 0) << name;
        EXPECT_EQ(g.HasBobbin(), name.rfind("T ", 0) != 0) << name;  // rings have no former
    }
}

TEST(ShippedWires, Iec60317From005To5mmKeepingEveryEarlierSize) {
    CWireTable t;
    ASSERT_TRUE(t.Load(kRoot, kPfcSmallBuffer));  // Boostcoil's 10,000-byte buffer holds it whole
    EXPECT_EQ(t.N, 65);
    EXPECT_DOUBLE_EQ(t.d[1], 0.05);
    EXPECT_DOUBLE_EQ(t.d[t.N], 5.0);
    // IEC 60317-0-1 grade 1 maximum overall diameters: 0.1 mm -> 0.117, 1.0 mm -> 1.062.
    auto at = [&](double d) { return int(std::find(t.d + 1, t.d + t.N + 1, d) - t.d); };
    EXPECT_DOUBLE_EQ(t.diz[at(1.0)], 1.062);
    EXPECT_DOUBLE_EQ(t.diz[at(0.1)], 0.117);
    for (const char* d : {"0.05", "0.071", "0.132", "0.475", "1.12", "2.24", "2.5"}) {
        const CWireTable::Nearest n = t.NearestStandard(d);
        EXPECT_EQ(n.text, d);
        EXPECT_FALSE(n.message.has_value()) << d;
    }
}

// E 25/13/7 (IEC former E25/7: 15.8 x 4.2 mm; turn 45.63 mm, surface 19.8 cm², 14.4 g in the
// catalogue). By hand: Hw = sqrt(2.9 x 95.32) = 16.626, Ww = sqrt(95.32 / 2.9) = 5.733 mm;
// width 16.626 - 0.449 x 16.626^0.562 = 14.45; height 5.733 - 0.517 x 5.733^0.559 = 4.361;
// turn 4 x 7.2 + pi x 5.733 = 46.81; Ve 2.994 cm³: surface 9.71 x 2.994^(2/3) = 20.17, mass 14.37.
TEST(GeometryEstimate, FromAeAnLeByTheStatedRule) {
    const CoreGeometry g = EstimateCoreGeometry(51.84, 95.32, 57.76);
    EXPECT_TRUE(g.estimated);
    EXPECT_NEAR(g.bobbinWidth, 14.45, 0.01);
    EXPECT_NEAR(g.bobbinHeight, 4.361, 0.005);
    EXPECT_NEAR(g.mlt, 46.81, 0.01);
    EXPECT_NEAR(g.surface, 20.17, 0.01);
    EXPECT_NEAR(g.mass, 14.37, 0.01);
    EXPECT_EQ(EstimateCoreGeometry(0, 95.32, 57.76).mlt, 0);  // nothing from a record without data
}

// The same core by its dimensions (A 25.05, B 17.9, C 7.2, D 7.25, H 12.55, h 8.95 mm): the turn
// 2(7.2 + 7.25) + pi x 5.325 = 45.63 mm and the box 2(25.05 x 7.2 + 25.05 x 25.1 + 7.2 x 25.1)
// = 1979.7 mm² are the catalogue's own figures.
TEST(GeometryEstimate, FromDimensionsAsTheCatalogueRows) {
    const CoreGeometry g = GeometryFromDims(0, 25.05, 17.9, 7.2, 7.25, 12.55, 8.95, 0, 51.84, 57.76);
    EXPECT_FALSE(g.estimated);
    EXPECT_NEAR(g.mlt, 45.63, 0.01);
    EXPECT_NEAR(g.surface, 19.80, 0.01);
    EXPECT_NEAR(g.bobbinWidth, 15.8, 0.3);  // the IEC former, within the rule's spread
    EXPECT_NEAR(g.bobbinHeight, 4.2, 0.3);
    // A round leg by hand (D 11.1, window 2 x 11.85 by (25.6 - 11.1)/2): pi (11.1 + 7.25) = 57.65.
    EXPECT_NEAR(GeometryFromDims(3, 34.2, 25.6, 11.1, 11.1, 17.3, 11.85, 0, 97.1, 78.6).mlt, 57.65, 0.01);
    EXPECT_EQ(GeometryFromDims(0, 25, 7, 7.2, 7.25, 12.55, 8.95, 0, 51.84, 57.76).mlt, 0);  // B < D: no window
}

TEST(UserCoreGeometry, ByDimensionsRoundTripsAndByDataIsEstimated) {
    fbtest::TempDir dir;
    dir.write("Bases_Cores/FerritesCores.txt",
              "[E 25/13/7]\r\nAe = 51.84\r\nAn = 95.32\r\nle = 57.76\r\nmu = 1601\r\n\r\n");
    dir.write("Bases_Cores/CoreGeometry.txt",
              "[E 25/13/7]\r\nwidth = 15.8\r\nheight = 4.2\r\nmlt = 45.63\r\n"
              "surface = 19.8\r\nmass = 14.4\r\n\r\n");
    AddCoreRequest q;
    q.shape = 0;
    q.byDims = true;
    q.name = "25";  // becomes "E 25", which the catalogue's "E 25/13/7" begins with
    q.mu = "1500";
    q.dims = CoreDims{"25,05", "17.9", "7.2", "7.25", "12.55", "8.95", ""};
    const AddCoreResult byDims = PrepareCore(q);
    ASSERT_TRUE(byDims.ok);
    ASSERT_TRUE(AppendUserCore(dir.path(), byDims.record, UserGeometryRecord(q, byDims)).ok);
    q.byDims = false;
    q.byData = true;
    q.name = "Data core";
    q.Ae = "30";
    q.An = "40";
    q.le = "50";
    const AddCoreResult byData = PrepareCore(q);
    ASSERT_TRUE(byData.ok);
    EXPECT_EQ(UserGeometryRecord(q, byData), "");
    ASSERT_TRUE(AppendUserCore(dir.path(), byData.record, UserGeometryRecord(q, byData)).ok);

    CCoreGeometry geometry;
    ASSERT_TRUE(geometry.Load(dir.path()));
    const CoreGeometry mine = geometry.For("E 25", 0, 0, 0);
    EXPECT_FALSE(mine.estimated);
    // stored "%.3f" tidied and read back: 45.62898 and 19.7967 above
    EXPECT_EQ(mine.mlt, 45.629);
    EXPECT_EQ(mine.surface, 19.797);
    EXPECT_EQ(geometry.For("E 25/13/7", 0, 0, 0).mass, 14.4);
    EXPECT_TRUE(geometry.For("Data core", 30, 40, 50).estimated);
    // Both cores are in the user file, the geometry only of the one added by dimensions.
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt"), byDims.record + byData.record);
    EXPECT_EQ(Headers(dir.read("Bases_Cores/UserCoreGeometry.txt")), std::vector<std::string>{"E 25"});
}
