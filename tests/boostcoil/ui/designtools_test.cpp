// Boostcoil's adviser and copy commands (the commands are the flyback window's, tested there in
// full): a candidate applied from the adviser reaches the form and the design, writes no file,
// and the copied text is the design shown.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <filesystem>

#include "boostcoil/design/pfccatalogue.h"
#include "common/data/numbers.h"
#include "common/report/designtools.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

namespace toolid = fb::report::toolid;

TEST_F(WindowTest, AdviserCandidateReachesTheFormAndCopyTakesTheResults) {
    ASSERT_TRUE(start());
    fb::ui::FindAction(window.get(), toolid::kAdviser)->trigger();
    fb::CAdviserWindow* adviser = window->designTools()->adviser();
    ASSERT_NE(adviser, nullptr);
    adviser->Cancel();  // the choice does not wait for the sweep
    const auto before = std::filesystem::directory_iterator(data.programFolder());
    const size_t files = std::distance(before, std::filesystem::directory_iterator());

    const int designs = window->calculations();
    emit adviser->CandidateChosen("EI 30", "N97 Epcos", "0.5");
    EXPECT_EQ(window->calculations(), designs + 1);
    EXPECT_EQ(window->input().core, "EI 30");
    EXPECT_EQ(window->input().mater, "N97 Epcos");
    EXPECT_EQ(window->input().yes_al, 0);
    EXPECT_GE(fb::TextToDouble(window->input().zazor), 0.5);
    EXPECT_TRUE(window->lastResult().calculated);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(data.programFolder()), std::filesystem::directory_iterator()),
        static_cast<long>(files));

    fb::ui::FindAction(window.get(), toolid::kCopy)->trigger();
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_NE(copied.find("EI 30"), std::string::npos);
    EXPECT_NE(copied.find(fb::PfcResultField(fb::pfcid::kN).caption), std::string::npos);
    EXPECT_NE(copied.find(text(fb::pfcid::kL).toStdString()), std::string::npos);
}

}  // namespace
}  // namespace bctest
