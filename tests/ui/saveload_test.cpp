// "Сохранить" and "Загрузить" of the flyback window: the proposed name, the replace question,
// what is written, and what a loaded design selects and designs.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "common/ui/coregroup.h"
#include "flyback/ui/formfields.h"
#include "tests/support/modal.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

class SaveLoadTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
    static void TypeIn(QDialog& d, int id, const QString& s) {
        auto* edit = Ctl<QLineEdit>(&d, id);
        edit->clear();
        QTest::keyClicks(edit, s);
    }
    static void Press(QDialog& d, int id) { Ctl<QAbstractButton>(&d, id)->click(); }
    static void Choose(QDialog& d, const QString& line) {
        auto* list = Ctl<QListWidget>(&d, 1007);
        const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << line.toStdString();
        list->setCurrentItem(found.front());
    }
    // Runs "Сохранить" with the save dialog answered by `act`.
    void save(std::function<void(QDialog&)> act) {
        WhenModal(window.get(), std::move(act));
        click(fb::ctl::kSave);
    }
    void load(std::function<void(QDialog&)> act) {
        WhenModal(window.get(), std::move(act));
        click(fb::ctl::kLoad);
    }
    bool focusOnCalculate() const { return window->focusWidget() == fb::ui::FindControl(window.get(), 1); }
    std::string composed() const { return fb::FlybackDesignFile().Compose(window->input()); }
};

TEST_F(SaveLoadTest, SaveCalculatesProposesTheNameAndWritesTheFields) {
    type(1045, "190,5");  // the calculation turns the comma into a point before the name is built
    const int before = window->calculations();
    QString proposed;
    save([&](QDialog& d) {
        proposed = Ctl<QLineEdit>(&d, 1005)->text();
        TypeIn(d, 1005, "first");
        Press(d, 1);
    });
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(proposed.toStdString(), "E 25x13x7, N87 Epcos, 0.25мм, 100кГц, 190.5В, (124В), 12Вx2А, 14Вx0.02А.sav");
    ASSERT_TRUE(data.exists("Flyback/first.sav"));  // ".sav" appended
    EXPECT_EQ(data.read("Flyback/first.sav"), composed());
    EXPECT_EQ(data.read("Flyback/first.sav"), data.read("Flyback/Flyback.ini"));  // written by that calculation
    EXPECT_NE(composed().find("\r\nUmin\t= 190.5\r\n"), std::string::npos);
    EXPECT_TRUE(focusOnCalculate());
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
}

TEST_F(SaveLoadTest, AnExistingNameIsReplacedOnlyAfterOk) {
    data.write("Flyback/old.sav", "old");
    messages.answerNext(false);
    bool stayedOpen = false;
    save([&](QDialog& d) {
        TypeIn(d, 1005, "old.sav");
        Press(d, 1);  // Cancel: the dialog stays
        stayedOpen = d.isVisible();
        Press(d, 1);  // OK
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.entries().size(), 2u);
    EXPECT_TRUE(messages.entries()[0].question);
    EXPECT_EQ(messages.entries()[0].text, "Заменить файл \"old.sav\"?");
    EXPECT_EQ(data.read("Flyback/old.sav"), composed());
}

TEST_F(SaveLoadTest, CancelWritesNothingAndAFailedWriteIsReported) {
    save([](QDialog& d) { Press(d, 2); });
    EXPECT_TRUE(focusOnCalculate());
    for (const auto& entry : std::filesystem::directory_iterator(data.programFolder()))
        EXPECT_NE(entry.path().extension(), ".sav") << entry.path();

    // A name taken by a folder (a name with a separator no longer gets as far as writing).
    std::filesystem::create_directories(data.programFolder() + "taken.sav");
    save([](QDialog& d) {
        TypeIn(d, 1005, "taken.sav");
        Press(d, 1);
    });
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(messages.entries()[0].text.startsWith("Не удалось записать файл \""));
    EXPECT_TRUE(messages.entries()[0].text.endsWith(".\nИсходные данные не сохранены."));
}

TEST_F(SaveLoadTest, LoadSelectsTheDefaultMaterialTheCoreAndDesigns) {
    fb::FlybackInput in;
    in.core = "EI 30";
    in.mater = "";
    in.Fconv = "50";
    in.Auto = 1;
    in.rds = 0;
    in.Uclamp = "150";
    ASSERT_TRUE(fb::FlybackDesignFile().Write(data.programFolder() + "design.sav", in).ok);
    // Another material in use first, so the default has something to change.
    auto* materials = window->coreGroup()->materialCombo();
    materials->setCurrentIndex(1);
    emit materials->activated(1);
    ASSERT_EQ(window->material().name, "N97 Epcos");
    const int before = window->calculations();

    load([](QDialog& d) {
        Choose(d, "design.sav");
        Press(d, 1);
    });
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(text(1006), "N87 Epcos");
    EXPECT_EQ(window->input().mater, "N87 Epcos");
    EXPECT_EQ(window->material().name, "N87 Epcos");
    EXPECT_EQ(text(1005), "EI 30");
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1067)->isChecked());
    EXPECT_EQ(window->coreGroup()->record().name, "EI 30");
    EXPECT_EQ(window->coreGroup()->PicturePath(), ":/flyback/pictures/131.svg");
    EXPECT_EQ(text(1016), "50");
    EXPECT_EQ(window->input().Uclamp, "150");
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1046)->isEnabled());  // Auto
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1047)->isEnabled());   // Uнас. mode
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1030)->isEnabled());
    const std::string ini = data.read("Flyback/Flyback.ini");
    EXPECT_NE(ini.find("[INI_DATA]\r\ncore\t= EI 30\r\nmater\t= N87 Epcos\r\n"), std::string::npos);
    EXPECT_NE(ini.find("\r\nFconv\t= 50\r\n"), std::string::npos);
    EXPECT_TRUE(focusOnCalculate());
}

TEST_F(SaveLoadTest, ALoadedMaterialNameSelectsTheEntryItBegins) {
    fb::FlybackInput in;
    in.mater = "n97";  // letter case ignored, the beginning of "N97 Epcos"
    ASSERT_TRUE(fb::FlybackDesignFile().Write(data.programFolder() + "n97.sav", in).ok);
    load([](QDialog& d) {
        Choose(d, "n97.sav");
        Press(d, 1);
    });
    EXPECT_EQ(text(1006), "N97 Epcos");
    EXPECT_EQ(window->material().name, "N97 Epcos");
    EXPECT_EQ(window->input().mater, "N97 Epcos");
}

TEST_F(SaveLoadTest, CancelOrAFileGoneMeanwhileChangesNothing) {
    fb::FlybackInput in;
    in.core = "E 32/16/9";
    ASSERT_TRUE(fb::FlybackDesignFile().Write(data.programFolder() + "gone.sav", in).ok);
    const int before = window->calculations();
    const std::string ini = data.read("Flyback/Flyback.ini");
    load([](QDialog& d) { Press(d, 2); });
    EXPECT_TRUE(focusOnCalculate());
    load([this](QDialog& d) {
        Choose(d, "gone.sav");
        data.remove("Flyback/gone.sav");
        Press(d, 1);
    });
    EXPECT_EQ(window->calculations(), before);
    EXPECT_EQ(text(1005), "E 25/13/7");
    EXPECT_EQ(window->input().core, "E 25/13/7");
    EXPECT_EQ(data.read("Flyback/Flyback.ini"), ini);
    EXPECT_TRUE(messages.entries().empty());
}

}  // namespace
}  // namespace fbtest
