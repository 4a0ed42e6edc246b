// The analysis views of the flyback window (the expectations both programs share are in
// support/analysisviews.h), the "Проверка" list's order, and the drawing of the winding window.
#include <QLineEdit>
#include <cmath>

#include "common/ui/windingdrawing.h"
#include "flyback/ui/formfields.h"
#include "tests/support/analysisviews.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

class AnalysisViewsTest : public WindowTest {};

// The test root's stored design runs on a DC input, whose capacitor result means nothing.
TEST_F(AnalysisViewsTest, PanelListsTheChecksOfTheDesign) {
    ASSERT_TRUE(start());
    ExpectPanelShows(*window, "dc_input_capacitor", fb::Severity::Warning);
}

TEST(ChecksPanel, ErrorsFirstAndASayingWhenThereIsNothing) {
    fb::ui::CChecksPanel panel;
    panel.SetChecks({{"a", fb::Severity::Note, "n", {}},
                     {"b", fb::Severity::Error, "e", {}},
                     {"c", fb::Severity::Warning, "w", {}}});
    ASSERT_EQ(panel.topLevelItemCount(), 3);
    EXPECT_EQ(panel.topLevelItem(0)->text(0), "e");
    EXPECT_EQ(panel.topLevelItem(1)->text(0), "w");
    EXPECT_EQ(panel.topLevelItem(2)->text(0), "n");
    EXPECT_EQ(MarkColor(panel.topLevelItem(0)), QColor(0xd3, 0x2f, 0x2f));
    panel.SetChecks({});
    ASSERT_EQ(panel.topLevelItemCount(), 1);
    EXPECT_EQ(panel.topLevelItem(0)->text(0), "Замечаний нет");
    EXPECT_TRUE(panel.topLevelItem(0)->icon(0).isNull());
}

TEST_F(AnalysisViewsTest, WindowsFitASmallLaptopScreen) {
    ASSERT_TRUE(start());
    ExpectFitsSmallScreen(*window);
}

TEST_F(AnalysisViewsTest, LossWindowFollowsARecalculation) {
    ASSERT_TRUE(start());
    ExpectLossWindowFollows(*window, [this] { window->coreGroup()->SelectByName("E 32/16/9"); });
    EXPECT_EQ(LossFigure(*window, "lossLeakage").toStdString(),
              fb::F2(window->LastAnalysis().losses.leakage_uH) + " (оценка по намотке)");
}

TEST_F(AnalysisViewsTest, OptionsKeptInTheirOwnFile) { ExpectOptionsKeptApart<fb::CFlybackDlg>(data, "Flyback"); }

bool HasColor(const QImage& image, QColor color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) return true;
    return false;
}

// The drawing renders as SVG and as a picture, the primary's layers in its colour; a design
// without a former renders its note instead.
TEST_F(AnalysisViewsTest, DrawingRenders) {
    ASSERT_TRUE(start());
    const fb::LossAnalysis& a = window->LastAnalysis().losses;
    const QByteArray svg = fb::ui::WindingWindowSvg(a, window->LastGeometry());
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("fill=\"#4f81bd\""));
    EXPECT_TRUE(HasColor(fb::ui::WindingWindowImage(a, window->LastGeometry()), QColor(0x4f, 0x81, 0xbd)));

    fb::LossAnalysis none;
    none.notes = {"Нет размеров каркаса"};
    const QImage blank = fb::ui::WindingWindowImage(none, fb::CoreGeometry{}, QSize(200, 100));
    EXPECT_TRUE(HasColor(blank, Qt::white));
    EXPECT_FALSE(HasColor(blank, QColor(0x4f, 0x81, 0xbd)));

    // Turns that came out infinite (an AL of 0) build 2^31 − 1 layers: drawn as one block, not
    // layer by layer (that took minutes and held the report and the window; ctest's timeout
    // would catch it coming back).
    fb::LossAnalysis endless = a;
    endless.windings.resize(1);
    endless.windings[0].turns = HUGE_VAL;
    endless.windings[0].build.layers = 2147483647;
    endless.windings[0].build.build_mm = 1e10;
    endless.build = 1e10;
    EXPECT_FALSE(fb::ui::WindingWindowImage(endless, window->LastGeometry()).isNull());
}

}  // namespace
}  // namespace fbtest
