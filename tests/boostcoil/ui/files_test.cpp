// Saving and loading designs from the Boostcoil window through the list dialogs: the proposed
// name, no calculation before saving, the replace question, a failed write, and loading.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "boostcoil/design/pfckeys.h"
#include "common/ui/coregroup.h"
#include "common/ui/listdialogs.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

using fb::PfcInput;

class FilesTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
    // Saves through the dialog: `typed` replaces the proposed name unless it is empty; the
    // proposed name is returned.
    QString save(const QString& typed = QString(), bool* closedWithOk = nullptr) {
        QString proposed;
        OnNextModal([&](QDialog* d) {
            auto* name = Ctl<QLineEdit>(d, 1006);
            proposed = name->text();
            if (!typed.isNull()) name->setText(typed);
            Ctl<QPushButton>(d, 1)->click();
            if (closedWithOk) *closedWithOk = d->result() == QDialog::Accepted && !d->isVisible();
        });
        click(5);
        return proposed;
    }
    // Loads the named line of the open dialog; an empty name cancels.
    void load(const QString& line) {
        OnNextModal([&](QDialog* d) {
            if (line.isEmpty()) {
                Ctl<QPushButton>(d, 2)->click();
                return;
            }
            auto* list = Ctl<QListWidget>(d, 1008);
            const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << line.toStdString();
            list->setCurrentItem(found.front());
            Ctl<QPushButton>(d, 1)->click();
        });
        click(6);
    }
    std::string file(const std::string& name) const { return data.read("Boostcoil/" + name); }
};

TEST_F(FilesTest, ProposedNameWithCommasAndTheTextsAsTheyStandWithoutCalculating) {
    type(1042, "62.5");
    type(1048, "150,5");
    type(1043, "0,5");  // a calculation would clamp it
    const int before = window->calculations();
    const QString proposed = save();
    EXPECT_EQ(proposed, "E 36x18x11 62,5кГц, 265В, 420Вх150,5Вт.sav");
    EXPECT_EQ(window->calculations(), before);
    const std::string written = file(proposed.toStdString());
    ASSERT_FALSE(written.empty());
    PfcInput expected = window->input();
    EXPECT_EQ(expected.Irip, "0,5");
    EXPECT_EQ(written, fb::PfcDesignFile().Compose(expected));
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(window->focusWidget(), fb::ui::FindControl(window.get(), 1));  // back on "Рассчитать"
}

TEST_F(FilesTest, DefaultsProposeTheDocumentedName) { EXPECT_EQ(save(), "E 36x18x11 100кГц, 265В, 420Вх100Вт.sav"); }

TEST_F(FilesTest, TypedNamesGetTheExtensionUnlessTheyHoldIt) {
    save("my design");
    EXPECT_TRUE(data.exists("Boostcoil/my design.sav"));
    save("a.sav.old");
    EXPECT_TRUE(data.exists("Boostcoil/a.sav.old"));
    EXPECT_FALSE(data.exists("Boostcoil/a.sav.old.sav"));
}

TEST_F(FilesTest, ReplacingAListedFileIsAskedInThisProgramsWords) {
    data.write("Boostcoil/old.sav", "keep");
    messages.answerNext(false);  // Cancel: the dialog stays open and is then cancelled
    bool ok = true;
    save("old.sav", &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(messages.entries()[0].question);
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    EXPECT_EQ(messages.texts()[0], "Заменить файл old.sav ?");
    EXPECT_EQ(file("old.sav"), "keep");

    messages.answerNext(true);
    save("old.sav", &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(file("old.sav"), fb::PfcDesignFile().Compose(window->input()));
}

TEST_F(FilesTest, AFailedWriteIsReported) {
    // A name taken by a folder (a name with a separator no longer gets as far as writing).
    std::filesystem::create_directories(data.programFolder() + "taken.sav");
    save("taken.sav");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    EXPECT_TRUE(messages.texts()[0].startsWith("Не удалось записать файл")) << messages.texts()[0].toStdString();
    EXPECT_TRUE(messages.texts()[0].endsWith("Исходные данные не сохранены."));
}

TEST_F(FilesTest, LoadingShowsTheFileSelectsMaterialAndCoreAndDesigns) {
    PfcInput in;
    in.core = "EI 30";
    in.mater = "";  // empty: "N87 Epcos"
    in.zazor = "100";
    in.yes_al = 1;
    in.P2 = "250";
    in.Fr = "65";
    ASSERT_TRUE(fb::PfcDesignFile().Write(data.programFolder() + "saved.sav", in).ok);
    // Start from another material and shape, so the load visibly changes both.
    click(1013);
    emit window->coreGroup()->materialCombo()->activated(1);
    ASSERT_EQ(window->material().name, "N97 Epcos");
    const int before = window->calculations();

    load("saved.sav");
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(text(1000), "EI 30");
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1012)->isChecked());
    EXPECT_TRUE(window->coreGroup()->PicturePath().endsWith("/135.svg"));
    EXPECT_EQ(text(1001), "N87 Epcos");
    EXPECT_EQ(window->material().name, "N87 Epcos");
    EXPECT_EQ(text(1048), "250");
    EXPECT_EQ(text(1042), "65");
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1139)->isChecked());
    EXPECT_EQ(text(1016), "Требуемая величина AL, не более");
    EXPECT_EQ(window->lastResult().input.P2, "250");
}

TEST_F(FilesTest, LoadingAnAbsentMaterialTakesTheFirstListed) {
    PfcInput in;
    in.mater = "3C90 Ferroxcube";
    ASSERT_TRUE(fb::PfcDesignFile().Write(data.programFolder() + "other.sav", in).ok);
    emit window->coreGroup()->materialCombo()->activated(1);
    ASSERT_EQ(window->material().name, "N97 Epcos");
    load("other.sav");
    EXPECT_EQ(text(1001), "N87 Epcos");
    EXPECT_EQ(window->material().name, "N87 Epcos");
    EXPECT_EQ(window->input().mater, "N87 Epcos");
}

TEST_F(FilesTest, CancelledOrUnreadableLoadChangesNothing) {
    PfcInput in;
    in.P2 = "999";
    ASSERT_TRUE(fb::PfcDesignFile().Write(data.programFolder() + "gone.sav", in).ok);
    type(1048, "123");
    const int before = window->calculations();
    load(QString());
    EXPECT_EQ(text(1048), "123");
    // The file vanishes between listing and reading: silently nothing.
    OnNextModal([&](QDialog* d) {
        auto* list = Ctl<QListWidget>(d, 1008);
        list->setCurrentRow(0);
        data.remove("Boostcoil/gone.sav");
        Ctl<QPushButton>(d, 1)->click();
    });
    click(6);
    EXPECT_EQ(text(1048), "123");
    EXPECT_EQ(window->calculations(), before);
    EXPECT_TRUE(messages.entries().empty());
}

}  // namespace
}  // namespace bctest
