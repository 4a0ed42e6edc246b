#include "common/data/gapmodel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fb {
namespace {

GapCore Sample() {
    GapCore c;
    c.Ae = 131;
    c.le = 78;
    c.mui = 2200;
    c.g0 = ResidualGap(78, 1800, 2200);
    return c;
}

TEST(GapModel, FringingModelRoundTrips) {
    const GapCore c = Sample();
    for (double gap : {0.05, 0.3, 1.0, 2.5}) {
        double Ffr = 0;
        const double AL = ALForGap(gap, c, Ffr);
        EXPECT_GT(Ffr, 1) << gap;
        EXPECT_EQ(Ffr, 1 + (gap / std::sqrt(131.0)) * std::log(78 / (3 * gap)));
        double back = 1;
        // Five fixed-point steps from Ffr = 1 come within a small fraction of the gap.
        EXPECT_NEAR(GapForAL(AL, c, back), gap, gap * 0.02) << gap;
    }
}

TEST(GapModel, UngappedCoreUsesMaterialPermeability) {
    GapCore c = Sample();
    double Ffr = 5;
    EXPECT_EQ(ALForGap(0, c, Ffr), 2200 * kMu0 * 131 / 78);
    EXPECT_EQ(Ffr, 1);
    EXPECT_EQ(ALForGap(-1, c, Ffr), 2200 * kMu0 * 131 / 78);
    c.k1 = 90;
    c.k2 = -0.7;
    EXPECT_EQ(ALForGap(0, c, Ffr), 2200 * kMu0 * 131 / 78);  // the law needs a gap
}

TEST(GapModel, AlAboveTheCoreOwnGivesNoGap) {
    const GapCore c = Sample();
    double Ffr = 1.3;
    EXPECT_EQ(GapForAL(1e6, c, Ffr), 0);
    EXPECT_EQ(Ffr, 1);
}

TEST(GapModel, AlLawInBothDirectionsLeavesFfr) {
    GapCore c = Sample();
    c.k1 = 95.2;
    c.k2 = -0.72;
    double Ffr = 0;
    EXPECT_EQ(ALForGap(0.5, c, Ffr), 95.2 * std::pow(0.5, -0.72));
    EXPECT_EQ(Ffr, 1);
    Ffr = 1.25;
    EXPECT_EQ(GapForAL(150, c, Ffr), std::pow(150 / 95.2, 1 / -0.72));
    EXPECT_EQ(Ffr, 1.25);
    // Either coefficient 0: the fringing model in both directions.
    c.k2 = 0;
    EXPECT_EQ(ALForGap(0.5, c, Ffr), ALForGap(0.5, Sample(), Ffr));
    double a = 1, b = 1;
    EXPECT_EQ(GapForAL(150, c, a), GapForAL(150, Sample(), b));
}

TEST(GapModel, NanGapGivesNanNotGarbage) {
    double Ffr = 1;
    EXPECT_TRUE(std::isnan(ALForGap(std::nan(""), Sample(), Ffr)));
}

}  // namespace
}  // namespace fb
