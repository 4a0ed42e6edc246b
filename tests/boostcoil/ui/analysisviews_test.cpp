// The analysis views of the Boostcoil window (the shared expectations are in
// support/analysisviews.h).
#include "tests/support/analysisviews.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

class AnalysisViewsTest : public WindowTest {};

// The test root's default choke: at the line where the input is half the output the ripple
// exceeds the one it was sized for.
TEST_F(AnalysisViewsTest, PanelListsTheChecksOfTheDesign) {
    ASSERT_TRUE(start());
    fbtest::ExpectPanelShows(*window, "pfc_ripple_worst", fb::Severity::Warning);
}

TEST_F(AnalysisViewsTest, LossWindowFollowsARecalculation) {
    ASSERT_TRUE(start());
    fbtest::ExpectLossWindowFollows(*window, [this] { window->coreGroup()->SelectByName("E 20/10/6"); });
    EXPECT_EQ(fbtest::LossFigure(*window, "lossLeakage"), "—");  // a choke has no leakage to offer
}

TEST_F(AnalysisViewsTest, OptionsKeptInTheirOwnFile) {
    fbtest::ExpectOptionsKeptApart<fb::CBoostcoilDlg>(data, "Boostcoil");
}

TEST_F(AnalysisViewsTest, LossWindowFitsASmallLaptopScreen) {
    ASSERT_TRUE(start());
    fbtest::ExpectFitsSmallScreen(*window);
}

}  // namespace
}  // namespace bctest
