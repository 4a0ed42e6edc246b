// The files shipped in the Boostcoil program folder: the help text fits the help window's
// buffer, and every example design loads in the window with the shipped data and is already
// usable as saved (no corrected gap or AL, no message).
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "boostcoil/design/pfckeys.h"
#include "common/data/textfile.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

namespace fs = std::filesystem;

const std::string kShipped = std::string(FB_SOURCE_DIR) + "/data";

TEST(ShippedFiles, HelpTextIsWindowsTextThatFitsTheHelpBuffer) {
    std::string bytes;
    ASSERT_TRUE(fb::ReadAllBytes(kShipped + "/Boostcoil/ReadMe.txt", bytes));
    EXPECT_LT(bytes.size(), 10000u);  // the help window shows at most 9,999 bytes
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    const fb::ReadResult text = fb::ReadTextFile(kShipped + "/Boostcoil/ReadMe.txt", fb::kPfcSmallBuffer);
    ASSERT_TRUE(text.ok);
    EXPECT_FALSE(text.truncated);
    EXPECT_NE(text.text.find("Типовая схема корректора коэффициента мощности"), std::string::npos);
}

class ShippedExamplesTest : public ::testing::Test {
protected:
    ShippedExamplesTest() : m_seam(&messages) {
        for (const auto& entry : fs::recursive_directory_iterator(kShipped)) {
            const fs::path rel = fs::relative(entry.path(), kShipped);
            if (!entry.is_regular_file() || *rel.begin() == "sources" || rel.extension() == ".ini") continue;
            fs::create_directories(fs::path(root.file(rel.string())).parent_path());
            fs::copy_file(entry.path(), root.file(rel.string()));
        }
    }
    TempDir root;
    fb::ui::MessageRecorder messages;

private:
    fb::ui::ScopedMessageSeam m_seam;
};

TEST_F(ShippedExamplesTest, EveryExampleLoadsAsSaved) {
    CurrentFolder folder(root.file("Boostcoil"));
    fb::CBoostcoilDlg window;
    ASSERT_TRUE(window.Startup());
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(root.file("Boostcoil"))) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".sav") continue;
        ++examples;
        fb::PfcInput saved;
        ASSERT_TRUE(fb::PfcDesignFile().Read(entry.path().string(), saved));
        OnNextModal([&](QDialog* d) {
            auto* list = Ctl<QListWidget>(d, 1008);
            const auto found = list->findItems(QString::fromStdString(name), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name;
            list->setCurrentItem(found.front());
            Ctl<QPushButton>(d, 1)->click();
        });
        const int before = window.calculations();
        Ctl<QPushButton>(&window, 6)->click();
        EXPECT_EQ(window.calculations(), before + 1) << name;
        const fb::PfcResult& r = window.lastResult();
        EXPECT_TRUE(r.calculated) << name;
        EXPECT_EQ(r.core.name, saved.core) << name;
        EXPECT_EQ(window.material().name, saved.mater) << name;
        EXPECT_EQ(r.passes, 1) << name;  // the saved gap or AL needed no correction
        EXPECT_EQ(r.input.zazor, saved.zazor) << name;
        EXPECT_LT(r.Kfill, 0.35) << name;
        EXPECT_TRUE(messages.entries().empty()) << name << ": " << messages.texts().join("|").toStdString();
    }
    EXPECT_GE(examples, 2);
}

}  // namespace
}  // namespace bctest
