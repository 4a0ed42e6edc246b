// The data root the programs ship with, read by the programs' own readers and compared
// with the datasheet figures it was built from (data/sources).
#include <gtest/gtest.h>

#include <algorithm>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"

using namespace fb;

namespace {
const std::string kRoot = std::string(FB_SOURCE_DIR) + "/data/";
}

TEST(ShippedData, WireTableSpans005To25mm) {
    CWireTable t;
    ASSERT_TRUE(t.Load(kRoot, kBigBuffer));
    ASSERT_GE(t.N, 40);
    EXPECT_DOUBLE_EQ(t.d[1], 0.05);
    EXPECT_GE(t.d[t.N], 2.5);
    for (int k = 2; k <= t.N; ++k) {
        EXPECT_LT(t.d[k - 1], t.d[k]) << k;
        EXPECT_GT(t.diz[k], t.d[k]) << k;
    }
}

TEST(ShippedData, EveryCoreIsListedOnceUnderItsShapeAndReadsBack) {
    CCoreBase base;
    // The shipped root has no user file; the test must not create one in the source tree.
    ASSERT_TRUE(base.Load(kRoot, kBigBuffer, false).empty());
    size_t total = 0;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        const auto list = base.ListForShape(shape);
        total += list.size();
        EXPECT_FALSE(list.empty()) << shape;
        for (const std::string& name : list) {
            EXPECT_EQ(CCoreBase::ShapeFromName(name), shape) << name;
            const CoreRecord r = base.RecordFor(name, shape);
            EXPECT_GT(r.Ae, 0) << name;
            EXPECT_GT(r.An, 0) << name;
            EXPECT_GT(r.le, 0) << name;
            EXPECT_GE(r.mu, 100) << name;
            EXPECT_EQ(r.k1 != 0, r.k2 != 0) << name;
        }
    }
    EXPECT_GE(total, 100u);
    base.SelectByName("E 25/13/7");
    CoreRecord r;
    ASSERT_TRUE(base.OnSelect(r));
    EXPECT_EQ(r.name, "E 25/13/7");
}

TEST(ShippedData, DatasheetCoresAgreeWithTheirSources) {
    CCoreBase base;
    base.Load(kRoot, kBigBuffer, false);
    // TDK ETD 34/17/11 (B66361): Ae 97.1 mm², le 78.6 mm.
    const CoreRecord etd = base.RecordFor("ETD 34", 3);
    EXPECT_NEAR(etd.Ae, 97.1, 0.5);
    EXPECT_NEAR(etd.le, 78.6, 0.5);
    EXPECT_TRUE(etd.HasAlLaw());
    // Ferroxcube E42/21/15: Ae 178 mm², le 97 mm.
    const CoreRecord e42 = base.RecordFor("E 42/21/15", 0);
    EXPECT_NEAR(e42.Ae, 178, 1);
    EXPECT_NEAR(e42.le, 97, 1);
}

TEST(ShippedData, EveryMaterialLoadsWithAFullTable) {
    const auto list = ListMaterials(kRoot);
    ASSERT_GE(list.size(), 10u);
    EXPECT_NE(std::find(list.begin(), list.end(), "N87 Epcos"), list.end());
    for (const std::string& name : list) {
        CMaterial m;
        ASSERT_TRUE(m.Load(kRoot, name, kBigBuffer)) << name;
        EXPECT_TRUE(m.Usable()) << name;
        EXPECT_GT(m.Bmax, m.Bmmax) << name;
        EXPECT_GT(m.mu, 0) << name;
        for (int i = 1; i <= m.nF; ++i)
            for (int j = 1; j <= m.nB; ++j) {
                EXPECT_GT(m.Pv(i, j), 0) << name << " F" << i << " B" << j;
                if (j > 1) {
                    EXPECT_GT(m.Pv(i, j), m.Pv(i, j - 1)) << name;
                }
                if (i > 1) {
                    EXPECT_GT(m.Pv(i, j), m.Pv(i - 1, j)) << name;
                }
            }
        const double b = m.MaxFluxForLoss(100, 200);
        EXPECT_GT(b, 0.01) << name;
        EXPECT_LE(b, m.Bmmax) << name;
    }
}

TEST(ShippedData, N87LossesMatchTheDatasheet) {
    CMaterial m;
    ASSERT_TRUE(m.Load(kRoot, "N87 Epcos", kBigBuffer));
    // EPCOS N87 at 100 °C: about 375 kW/m³ at 100 kHz, 200 mT.
    EXPECT_NEAR(m.LossDensity(100, 0.2), 375, 375 * 0.1);
    EXPECT_NEAR(m.LossDensity(25, 0.2), 59.74, 0.01);
    EXPECT_LT(m.MaxFluxForLoss(300, 200), m.MaxFluxForLoss(100, 200));
}
