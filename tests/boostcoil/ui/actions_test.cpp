// The actions of the Boostcoil window: no edit reacts to typing, the shape radios, the gap
// and AL radios, the material selection and the tooltips.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "boostcoil/design/pfccatalogue.h"
#include "common/data/numbers.h"
#include "common/ui/coregroup.h"
#include "common/ui/tooltips.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

class ActionsTest : public WindowTest {
protected:
    void SetUp() override {
        data.write("Ferrites_Materials/Z99 Bad.txt", MaterialWithoutTable());
        ASSERT_TRUE(start());
        messages.clear();
    }
    void chooseMaterial(const QString& name) {
        QComboBox* combo = window->coreGroup()->materialCombo();
        const int index = combo->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void chooseCore(const QString& name) {
        QComboBox* combo = window->coreGroup()->coreCombo();
        const int index = combo->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

TEST_F(ActionsTest, TypingChangesNothingButTheTypedText) {
    const int before = window->calculations();
    type(1042, "450");  // above the material's last table frequency: not limited here
    EXPECT_EQ(text(1042), "450");
    type(1043, "7,5");  // no comma replacement before a calculation
    EXPECT_EQ(text(1043), "7,5");
    type(1050, "0,8");
    EXPECT_EQ(text(1050), "0,8");
    EXPECT_EQ(window->calculations(), before);
    EXPECT_EQ(window->input().Fr, "100");  // the fields follow only at the next exchange
    click(1);
    EXPECT_EQ(text(1042), "450");
    EXPECT_EQ(text(1043), "7.5");
}

TEST_F(ActionsTest, AShorterListOfTheNewShapeSelectsItsFirstCore) {
    ASSERT_EQ(text(1000), "E 36/18/11");  // index 4 of five E cores
    const int before = window->calculations();
    click(1012);  // EI: two cores
    EXPECT_EQ(text(1000), "EI 25");
    EXPECT_EQ(window->coreGroup()->record().name, "EI 25");
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(text(1029), "40.99");
    EXPECT_TRUE(window->coreGroup()->PicturePath().endsWith("/135.svg"));

    click(1011);  // back to E, index 0 stays
    EXPECT_EQ(text(1000), "E 20/10/6");
    chooseCore("E 25/13/7");  // index 1 fits the EI list: the same position is kept
    click(1012);
    EXPECT_EQ(text(1000), "EI 30");
    click(1013);  // ER: one core
    EXPECT_EQ(text(1000), "ER 28");
    EXPECT_TRUE(window->coreGroup()->PicturePath().endsWith("/137.svg"));
    click(1015);  // "Другая": no core in this catalogue, the form keeps the last core
    EXPECT_EQ(window->coreGroup()->record().name, "ER 28");
    EXPECT_TRUE(window->coreGroup()->PicturePath().endsWith("/142.svg"));
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
}

TEST_F(ActionsTest, SwitchingToAlPutsTheLastAlAndBackTheSmallestGap) {
    const fb::PfcResult gapRun = window->lastResult();
    ASSERT_TRUE(gapRun.calculated);
    click(1139);
    EXPECT_EQ(text(1050).toStdString(), gapRun.ALText);  // "%.1f" of the AL of that run
    EXPECT_EQ(window->input().yes_al, 1);
    EXPECT_EQ(text(1016), "Требуемая величина AL, не более");
    EXPECT_EQ(text(1082), "");
    const fb::PfcResult alRun = window->lastResult();
    EXPECT_EQ(alRun.input.zazor, gapRun.ALText);
    EXPECT_EQ(text(1055).toStdString(), fb::F0(alRun.AL_req));

    click(1136);
    double Ffr = 1;
    const double gap = fb::GapForAL(alRun.AL_req, window->FormCore(), window->material(), Ffr);
    EXPECT_EQ(text(1050).toStdString(), fb::F3(gap + 0.0005));
    EXPECT_EQ(window->input().yes_al, 0);
    EXPECT_EQ(text(1016), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(text(1082), "мм");
    // The smallest usable gap needs no correction: the design kept it.
    EXPECT_EQ(window->lastResult().input.zazor, fb::F3(gap + 0.0005));
}

TEST_F(ActionsTest, TheGapRadioUsesTheCoresAlLawWhenItHasOne) {
    click(1012);
    chooseCore("EI 30");  // k1 = 160, k2 = -0.7
    click(1139);
    const double ALreq = window->lastResult().AL_req;
    ASSERT_TRUE(std::isfinite(ALreq));
    click(1136);
    EXPECT_EQ(text(1050).toStdString(), fb::F3(std::pow(ALreq / 160, 1 / -0.7) + 0.0005));
}

TEST_F(ActionsTest, ARequirementThatIsNoNumberLeavesTheGapField) {
    type(1040, "0");  // no mains voltage: the currents and the requirement are no numbers
    click(1);
    ASSERT_TRUE(window->lastResult().calculated);
    ASSERT_FALSE(std::isfinite(window->lastResult().AL_req));
    type(1050, "0.7");
    click(1136);
    EXPECT_EQ(text(1050), "0.7");
}

TEST_F(ActionsTest, AfterARunThatWasNotCalculatedBothRadiosKeepTheField) {
    chooseMaterial("Z99 Bad");
    ASSERT_FALSE(window->lastResult().calculated);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("Z99 Bad"));
    EXPECT_EQ(text(1060), "");  // no results of the earlier design are left standing
    type(1050, "0,75");
    click(1139);
    EXPECT_EQ(text(1050), "0,75");
    click(1136);
    EXPECT_EQ(text(1050), "0,75");
    EXPECT_EQ(window->input().yes_al, 0);
}

TEST_F(ActionsTest, MaterialSelectionLoadsAndDesignsUnlessAnAddModeIsOn) {
    const QString loss = text(1059);
    const int before = window->calculations();
    chooseMaterial("N97 Epcos");
    EXPECT_EQ(window->material().name, "N97 Epcos");
    EXPECT_EQ(window->input().mater, "N97 Epcos");
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_NE(text(1059), loss);  // the other loss table

    window->coreBase().addByData = true;
    chooseMaterial("N87 Epcos");
    EXPECT_EQ(window->material().name, "N97 Epcos");
    EXPECT_EQ(window->input().mater, "N97 Epcos");
    EXPECT_EQ(window->calculations(), before + 1);
    window->coreBase().addByData = false;
}

TEST_F(ActionsTest, AnAddedCoreIsWrittenSelectedAndDesignedWithTheMaterialReadAgain) {
    // The material file changes on disk meanwhile: adding a core reads it again.
    std::string n87 = data.read("Ferrites_Materials/N87 Epcos.txt");
    n87.replace(n87.find("Bmax = 0.31"), 11, "Bmax = 0.29");
    data.write("Ferrites_Materials/N87 Epcos.txt", n87);
    click(1003);  // "Добавление в базу (ввод данных)"
    ASSERT_TRUE(window->coreBase().addByData);
    QLineEdit* name = window->coreGroup()->coreCombo()->lineEdit();
    name->clear();
    QTest::keyClicks(name, "Test core");
    type(1028, "2000");
    type(1029, "100");
    type(1030, "150");
    type(1031, "80");
    const int before = window->calculations();
    click(8);
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
    EXPECT_NE(data.read("Bases_Cores/UserFerritesCores.txt").find("[E Test core]\r\nAe = 100\r\n"), std::string::npos);
    EXPECT_FALSE(window->coreBase().addByData);
    EXPECT_EQ(text(1000), "E Test core");
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(window->lastResult().core.name, "E Test core");
    EXPECT_EQ(window->lastResult().core.AeText, "100");
    EXPECT_EQ(window->material().Bmax, 0.29);
    EXPECT_EQ(text(1001), "N87 Epcos");
}

TEST_F(ActionsTest, DesiredDiameterCheckBoxCalculates) {
    const int before = window->calculations();
    type(1049, "0,8");
    click(1004);
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(window->input().yes_d, 1);
    EXPECT_EQ(text(1065), "0.8");  // the desired wire is used
}

TEST_F(ActionsTest, TooltipsOfTheControlsAndTheResultAreas) {
    fb::ui::TooltipControl* tips = window->tips();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->settings().maxWidth, 300);
    EXPECT_EQ(tips->tip(fb::ui::FindControl(window.get(), 1044)),
              "Плотность тока зависит от условий охлаждения и от размеров сердечника.");
    EXPECT_EQ(tips->tip(fb::ui::FindControl(window.get(), 5)),
              "Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для последующего "
              "использования.");
    EXPECT_EQ(tips->tip(fb::ui::FindControl(window.get(), 6)),
              "Загрузка сохраненных исходных данных из файла с расширеним .sav");
    const QString gapTip = QStringLiteral(
        "Это полный немагнитный зазор. Он создается либо полностью в центральном стержне сердечника, либо делится "
        "пополам между крайними стержнями сердечника.");
    // The area reaches from the caption over the value to the unit.
    for (int id : {1016, 1055, 1082}) EXPECT_EQ(tips->tip(fb::ui::FindControl(window.get(), id)), gapTip) << id;
    EXPECT_EQ(window->toolText(1058).toStdString(), window->lastResult().tooltips.at(1058));
    EXPECT_EQ(tips->tip(fb::ui::FindControl(window.get(), 1057)), window->toolText(1058));
}

// A zero frequency makes the required inductance and the input capacitor infinite: they read
// "inf" as the design formats them, are marked as every window marks such results, and the one
// message says why; the next usable design clears the marks.
TEST_F(ActionsTest, ResultsThatAreNotFiniteAreMarkedAndSaidOnce) {
    type(fb::bcid::kFr, "0");
    click(1);
    for (int id : {fb::pfcid::kLreq, fb::pfcid::kCin}) {
        EXPECT_EQ(text(id), "inf");
        EXPECT_TRUE(Ctl<QLabel>(window.get(), id)->property("notFinite").toBool()) << id;
        EXPECT_TRUE(Ctl<QLabel>(window.get(), id)->toolTip().contains(QStringLiteral("бесконечной"))) << id;
    }
    for (const fb::ResultField& f : fb::PfcResultFields())  // the others are not marked
        if (auto* label = qobject_cast<QLabel*>(fb::ui::FindControl(window.get(), f.id)))
            EXPECT_EQ(label->property("notFinite").toBool(), !fb::ResultValid(label->text().toStdString())) << f.id;
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text.toStdString(), fb::NotFiniteWarning().text);
    type(fb::bcid::kFr, "100");
    click(1);
    for (int id : {fb::pfcid::kLreq, fb::pfcid::kCin})
        EXPECT_FALSE(Ctl<QLabel>(window.get(), id)->property("notFinite").toBool()) << id;
}

}  // namespace
}  // namespace bctest
