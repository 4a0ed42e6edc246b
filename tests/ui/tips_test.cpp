// Every tooltip of the flyback window and of the clamper window, as they start: the texts,
// their line breaks and the controls they sit on, against the table taken from the windows.
#include "flyback/ui/clamperdlg.h"
#include "tests/support/tipwalk.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

class TipsTest : public WindowTest {};

TEST_F(TipsTest, EveryTooltipAsTheWindowsStart) {
    ASSERT_TRUE(start());
    ExpectTipTable(*window, *window->tips(), "flyback");
    fb::CClamperDlg clamper(
        fb::ClamperInput{"110", "100", "20", "0.5", "17", "100", "", "49", "1.01", "мГн", "1.3", "0.18"});
    ExpectTipTable(clamper, *clamper.tips(), "clamper");
}

// The tips are set before the start-up reads anything: a window stopped at its first step has them.
TEST_F(TipsTest, AWindowStoppedAtItsFirstStepHasItsTips) {
    data.remove("Flyback/ReadMe.txt");
    ASSERT_FALSE(start());
    ExpectTipTable(*window, *window->tips(), "flyback-stopped");
}

}  // namespace
}  // namespace fbtest
