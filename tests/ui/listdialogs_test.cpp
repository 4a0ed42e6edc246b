// The saved-file list dialogs: what they list, when they list it again, and when they close.
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "common/ui/listdialogs.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

using fb::ui::COpenFile;
using fb::ui::CSaveFile;
using fb::ui::SavedFilesConfig;

class ListDialogsTest : public ::testing::Test {
protected:
    ListDialogsTest() : m_folder(dir.path()), m_seam(&messages) {
        for (const char* name : {"b.sav", "A.sav", "c.ini", "notes.txt"}) dir.write(name, "[INI_DATA]\r\n");
    }

    static QStringList Lines(const QDialog& dlg, int id = 1007) {
        QStringList out;
        auto* list = Ctl<QListWidget>(&dlg, id);
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void Select(const QDialog& dlg, const QString& line) {
        auto* list = Ctl<QListWidget>(&dlg, 1007);
        const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->setCurrentItem(found.front());
    }
    // A real double click on a line of a shown dialog.
    static void DoubleClick(QDialog& dlg, const QString& line, int id = 1007) {
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        QApplication::processEvents();  // activation rebuilds the list: find the line afterwards
        auto* list = Ctl<QListWidget>(&dlg, id);
        const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        // A widget double click is one event; the click before it presses the line, as a mouse does.
        const QPoint at = list->visualItemRect(found.front()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    static void Activate(QDialog& dlg, QEvent::Type type) {
        QEvent e(type);
        QApplication::sendEvent(&dlg, &e);
    }
    static void Type(const QDialog& dlg, int id, const QString& text) {
        auto* edit = Ctl<QLineEdit>(&dlg, id);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void Click(const QDialog& dlg, int id) { Ctl<QPushButton>(&dlg, id)->click(); }

    TempDir dir;
    fb::ui::MessageRecorder messages;

private:
    CurrentFolder m_folder;
    fb::ui::ScopedMessageSeam m_seam;
};

TEST_F(ListDialogsTest, OpenListsSavAndIniTogetherSaveOnlySav) {
    COpenFile open(SavedFilesConfig::Flyback());
    EXPECT_EQ(open.windowTitle(), "Открыть файл...");
    EXPECT_EQ(Lines(open), QStringList({"A.sav", "b.sav", "c.ini"}));
    EXPECT_TRUE(Ctl<QLineEdit>(&open, 1006)->isReadOnly());
    EXPECT_EQ(Ctl<QPushButton>(&open, 1)->text(), "Открыть");
    EXPECT_TRUE(Ctl<QPushButton>(&open, 1)->isDefault());
    EXPECT_EQ(Ctl<QPushButton>(&open, 2)->text(), "Отмена");

    CSaveFile save(SavedFilesConfig::Flyback(), "proposed.sav");
    EXPECT_EQ(save.windowTitle(), "Сохранить как...");
    EXPECT_EQ(Lines(save), QStringList({"A.sav", "b.sav"}));
    EXPECT_FALSE(Ctl<QLineEdit>(&save, 1005)->isReadOnly());
    EXPECT_EQ(Ctl<QLineEdit>(&save, 1005)->text(), "proposed.sav");
    EXPECT_EQ(Ctl<QPushButton>(&save, 1)->text(), "Сохранить");
}

TEST_F(ListDialogsTest, BoostcoilUsesItsOwnControlIds) {
    COpenFile open(SavedFilesConfig::Boostcoil());
    EXPECT_EQ(Lines(open, 1008), QStringList({"A.sav", "b.sav", "c.ini"}));
    EXPECT_TRUE(Ctl<QLineEdit>(&open, 1005)->isReadOnly());
    CSaveFile save(SavedFilesConfig::Boostcoil(), "x");
    EXPECT_EQ(Lines(save, 1008), QStringList({"A.sav", "b.sav"}));
    EXPECT_EQ(Ctl<QLineEdit>(&save, 1006)->text(), "x");
}

TEST_F(ListDialogsTest, ActivationListsTheFolderAgainAndDropsTheSelection) {
    COpenFile open(SavedFilesConfig::Flyback());
    Select(open, "b.sav");
    EXPECT_EQ(Ctl<QLineEdit>(&open, 1006)->text(), "b.sav");
    dir.write("0.sav", "");
    std::filesystem::remove(dir.file("A.sav"));
    Activate(open, QEvent::WindowDeactivate);
    EXPECT_EQ(Lines(open), QStringList({"0.sav", "b.sav", "c.ini"}));
    dir.write("d.ini", "");
    Activate(open, QEvent::WindowActivate);
    EXPECT_EQ(Lines(open), QStringList({"0.sav", "b.sav", "c.ini", "d.ini"}));
    EXPECT_TRUE(Ctl<QListWidget>(&open, 1007)->selectedItems().isEmpty());
    EXPECT_EQ(Ctl<QLineEdit>(&open, 1006)->text(), "b.sav");  // the name field keeps its text
    // ... and without a selection "Открыть" does nothing, whatever the field shows.
    QSignalSpy finished(&open, &QDialog::finished);
    Click(open, 1);
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(ListDialogsTest, OpenNeedsASelection) {
    COpenFile open(SavedFilesConfig::Flyback());
    QSignalSpy finished(&open, &QDialog::finished);
    Click(open, 1);
    EXPECT_EQ(finished.count(), 0);
    Select(open, "c.ini");
    Click(open, 1);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.name(), "c.ini");
    EXPECT_EQ(open.filePath(), "c.ini");  // relative to the current folder
}

TEST_F(ListDialogsTest, DoubleClickOpensTheLine) {
    COpenFile open(SavedFilesConfig::Flyback());
    DoubleClick(open, "b.sav");
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.name(), "b.sav");
}

TEST_F(ListDialogsTest, CancelClosesWithoutAName) {
    COpenFile open(SavedFilesConfig::Flyback());
    Select(open, "A.sav");
    QSignalSpy finished(&open, &QDialog::finished);
    Click(open, 2);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(open.result(), QDialog::Rejected);
}

TEST_F(ListDialogsTest, NewNameSavesWithoutAQuestionAndGetsTheExtension) {
    CSaveFile save(SavedFilesConfig::Flyback(), "E 25x13x7.sav");
    Type(save, 1005, "new design");
    Click(save, 1);
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.name(), "new design");
    EXPECT_EQ(save.fileName(), "new design.sav");
    EXPECT_TRUE(messages.entries().empty());

    CSaveFile kept(SavedFilesConfig::Flyback(), "a.sav.old");
    Click(kept, 1);
    EXPECT_EQ(kept.result(), QDialog::Accepted);
    EXPECT_EQ(kept.fileName(), "a.sav.old");
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(ListDialogsTest, ReplaceQuestionCancelKeepsTheDialogOpenOkCloses) {
    CSaveFile save(SavedFilesConfig::Flyback(), "proposed.sav");
    QSignalSpy finished(&save, &QDialog::finished);
    Type(save, 1005, "A.sav");
    messages.answerNext(false);
    Click(save, 1);
    EXPECT_EQ(finished.count(), 0);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(messages.entries()[0].question);
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    EXPECT_EQ(messages.entries()[0].text, "Заменить файл \"A.sav\"?");

    messages.answerNext(true);
    Click(save, 1);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.fileName(), "A.sav");
    EXPECT_EQ(messages.entries().size(), 2u);  // one question per press
}

TEST_F(ListDialogsTest, BoostcoilWordingAndADoubleClickAsksAboutThatLine) {
    CSaveFile save(SavedFilesConfig::Boostcoil(), "proposed.sav");
    messages.answerNext(true);
    // The double click first puts the line into the name field.
    DoubleClick(save, "b.sav", 1008);
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.name(), "b.sav");
    EXPECT_EQ(messages.texts(), QStringList({"Заменить файл b.sav ?"}));
}

TEST_F(ListDialogsTest, ANameThatWouldReplaceAnUnlistedFileIsAskedAboutToo) {
    // "A" becomes "A.sav" when written, and "late.sav" appeared after the list was built:
    // neither matches a line, and neither may be replaced silently.
    CSaveFile save(SavedFilesConfig::Flyback(), "A");
    messages.answerNext(false);
    Click(save, 1);
    EXPECT_EQ(messages.texts(), QStringList({"Заменить файл \"A.sav\"?"}));
    EXPECT_NE(save.result(), QDialog::Accepted);

    dir.write("late.sav", "");
    Type(save, 1005, "late.sav");
    messages.answerNext(true);
    Click(save, 1);
    EXPECT_EQ(messages.texts().last(), "Заменить файл \"late.sav\"?");
    EXPECT_EQ(save.result(), QDialog::Accepted);
}

TEST_F(ListDialogsTest, CapitalExtensionIsAskedAboutAsListedThenAboutTheFileWritten) {
    dir.write("X.SAV", "");
    dir.write("X.SAV.sav", "");
    CSaveFile save(SavedFilesConfig::Flyback(), "X.SAV");
    messages.answerNext(true);
    messages.answerNext(false);
    Click(save, 1);
    // The listed line matches first; the file really written is "X.SAV.sav", which exists too.
    EXPECT_EQ(messages.texts(), QStringList({"Заменить файл \"X.SAV\"?", "Заменить файл \"X.SAV.sav\"?"}));
    EXPECT_NE(save.result(), QDialog::Accepted);
}

TEST_F(ListDialogsTest, AnEmptyNameDoesNothing) {
    CSaveFile save(SavedFilesConfig::Flyback(), "");
    QSignalSpy finished(&save, &QDialog::finished);
    Click(save, 1);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(ListDialogsTest, ConfiguredFolderIsListedAndJoined) {
    TempDir other;
    other.write("far.sav", "");
    SavedFilesConfig config = SavedFilesConfig::Flyback();
    config.folder = other.path();
    CSaveFile save(config, "far");
    EXPECT_EQ(Lines(save), QStringList({"far.sav"}));
    Click(save, 1);  // "far.sav" exists there, not in the current folder
    EXPECT_EQ(messages.texts(), QStringList({"Заменить файл \"far.sav\"?"}));
    EXPECT_EQ(save.filePath(), other.path() + "/far.sav");
}

TEST_F(ListDialogsTest, NamesLeavingTheFolderOrHiddenAreRefusedAndTheDialogStays) {
    const QString separator =
        "Имя файла не может содержать символы \"/\" и \"\\\": файл сохраняется только в папку "
        "программы.";
    const QString dot = "Имя файла не может начинаться с точки: такой файл скрыт и не будет показан в списке.";
    CSaveFile save(SavedFilesConfig::Flyback(), "proposed.sav");
    QSignalSpy finished(&save, &QDialog::finished);
    for (const char* name : {"../evil", "/tmp/evil.sav", "..", ".hidden"}) {
        Type(save, 1005, name);
        Click(save, 1);
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(messages.texts(), QStringList({separator, separator, dot, dot}));
}

}  // namespace
}  // namespace fbtest
