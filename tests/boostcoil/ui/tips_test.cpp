// Every tooltip of the Boostcoil window as it starts: the texts, their line breaks and the
// controls they sit on, against the table taken from the window.
#include "tests/boostcoil/ui/bcuitest.h"
#include "tests/support/tipwalk.h"

namespace bctest {
namespace {

class TipsTest : public WindowTest {};

TEST_F(TipsTest, EveryTooltipAsTheWindowStarts) {
    ASSERT_TRUE(start());
    fbtest::ExpectTipTable(*window, *window->tips(), "boostcoil");
}

// The tips are set before the start-up reads anything: a window stopped at its first step has them.
TEST_F(TipsTest, AWindowStoppedAtItsFirstStepHasItsTips) {
    data.remove("Boostcoil/ReadMe.txt");
    ASSERT_FALSE(start());
    fbtest::ExpectTipTable(*window, *window->tips(), "boostcoil-stopped");
}

}  // namespace
}  // namespace bctest
