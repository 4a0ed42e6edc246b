// The actions of the flyback window: edit rules, supply kind, gap and AL, core shape and
// material selection, and the design's warnings as message boxes.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "common/ui/coregroup.h"
#include "common/ui/tooltips.h"
#include "flyback/ui/formfields.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

class ActionsTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
};

TEST_F(ActionsTest, IccmAbove70BecomesSeventyAtOnceAndACommaStaysAsTyped) {
    const int before = window->calculations();
    type(1026, "75");
    EXPECT_EQ(text(1026), "70");
    type(1026, "7,5");
    EXPECT_EQ(text(1026), "7,5");
    EXPECT_EQ(window->input().Iccm, "7.5");  // the field holds the point
    type(1026, "70");
    EXPECT_EQ(text(1026), "70");
    EXPECT_EQ(window->calculations(), before);  // typing does not calculate
}

TEST_F(ActionsTest, FconvIsLimitedToTheLastTableFrequencyAndShowsAPoint) {
    type(1016, "450");
    EXPECT_EQ(text(1016), "300");  // the test material's table ends at 300 kHz
    type(1016, "62,5");
    EXPECT_EQ(text(1016), "62.5");
    type(1016, "300");
    EXPECT_EQ(text(1016), "300");
}

TEST_F(ActionsTest, AcThenDcConvertsTheMainsVoltagesToTheBus) {
    click(1072);  // DC while DC: nothing changes
    EXPECT_EQ(text(1045), "200");
    type(1045, "99");
    click(1073);
    EXPECT_EQ(text(1045), "207");
    EXPECT_EQ(text(1048), "230");
    EXPECT_EQ(text(1044), "253");
    type(1045, "220");
    click(1073);  // AC again resets the three voltages
    EXPECT_EQ(text(1045), "207");
    click(1072);
    EXPECT_EQ(text(1045), "279");
    EXPECT_EQ(text(1048), "311");  // 310.5 rounds away from zero
    EXPECT_EQ(text(1044), "342");
    click(1072);  // already DC at the last exchange: no second conversion
    EXPECT_EQ(text(1045), "279");
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(ActionsTest, SwitchingToAlAndBackToTheGap) {
    const QString al = text(1103);
    const QString gap = text(1064);
    click(1075);
    EXPECT_EQ(text(1064), al);  // the AL of the last calculation
    EXPECT_EQ(window->input().yes_al, 1);
    EXPECT_EQ(text(1240), "Требуемая величина AL, не более");
    EXPECT_EQ(text(1197), "");
    const double alNow = window->lastOutcome().result.AL;
    click(1074);
    EXPECT_EQ(window->input().yes_al, 0);
    EXPECT_EQ(text(1240), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(text(1197), "мм");
    const std::string expected = fb::ZazorTextForAL(alNow, window->coreGroup()->record(), window->material());
    EXPECT_EQ(text(1064).toStdString(), expected);
    EXPECT_NEAR(text(1064).toDouble(), gap.toDouble(), 0.01);  // close to where it started
}

TEST_F(ActionsTest, ACorrectedGapIsReportedFirstWithTheTextTheFieldShows) {
    type(1064, "0,01");
    click(1);
    ASSERT_FALSE(messages.entries().empty());
    const QString first = messages.texts()[0];
    EXPECT_TRUE(first.startsWith("Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до "));
    EXPECT_EQ(first, "Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до " + text(1064) + " мм");
    EXPECT_NE(text(1064), "0.01");
    EXPECT_NE(data.read("Flyback/Flyback.ini").find("zazor\t= " + text(1064).toStdString() + "\r\n"),
              std::string::npos);
}

TEST_F(ActionsTest, FluxAndWindowWarnings) {
    const QString flux =
        "Амплитуда индукции получилась больше допустимой.\nВыберите большее значение зазора или выберите сердечник "
        "большего размера.";
    const QString fill =
        "Коэффициент заполнения окна больше 0,3.\nПросчитайте размещаемость обмотки или выберите сердечник большего "
        "размера.";
    // High frequency and strong continuity leave little room for the flux.
    type(1016, "300");
    type(1026, "70");
    type(1064, "0");
    type(1021, "0.5");
    click(1);
    EXPECT_TRUE(messages.texts().contains(flux)) << messages.texts().join("|").toStdString();
    messages.clear();
    // Heavy output currents fill the window.
    type(1016, "100");
    type(1026, "0");
    type(1064, "0.25");
    type(1021, "40");
    type(1022, "20");
    click(1);
    EXPECT_TRUE(messages.texts().contains(fill)) << messages.texts().join("|").toStdString();
    for (const auto& e : messages.entries()) EXPECT_EQ(e.caption, "Внимание!");
}

TEST_F(ActionsTest, AutoAndTheSwitchModelRadios) {
    const int before = window->calculations();
    click(1241);
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1046)->isEnabled());
    EXPECT_EQ(window->calculations(), before + 1);
    click(1241);
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1046)->isEnabled());
    click(1076);
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1047)->isEnabled());
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1030)->isEnabled());
    click(1077);
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1047)->isEnabled());
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1030)->isEnabled());
    EXPECT_EQ(window->calculations(), before + 2);  // the switch radios do not calculate
}

TEST_F(ActionsTest, AShapeWithAShorterListSelectsItsLastCore) {
    auto* combo = window->coreGroup()->coreCombo();
    ASSERT_EQ(combo->count(), 4);
    combo->setCurrentIndex(3);
    emit combo->activated(3);
    EXPECT_EQ(text(1005), "E 32/16/9");
    EXPECT_EQ(text(1009), "83.16");
    const int before = window->calculations();
    click(1067);  // ЕI: two cores
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(text(1005), "EI 30");
    EXPECT_EQ(window->coreBase().selected, 1);
    EXPECT_EQ(text(1009), "111");
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(window->input().core, "EI 30");
    click(1066);  // back to E: the same position, not the same name
    EXPECT_EQ(text(1005), "E 25/13/7");
}

TEST_F(ActionsTest, TypingIntoTheCoreComboBringsTheSelectedCoreBack) {
    auto* edit = window->coreGroup()->coreCombo()->lineEdit();
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(text(1005), "E 25/13/7");
}

TEST_F(ActionsTest, MaterialSelectionLoadsAndCalculates) {
    auto* combo = window->coreGroup()->materialCombo();
    ASSERT_EQ(combo->count(), 2);
    const int before = window->calculations();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(window->input().mater, "N97 Epcos");
    EXPECT_EQ(window->material().name, "N97 Epcos");
    EXPECT_EQ(window->calculations(), before + 1);
}

TEST_F(ActionsTest, AMaterialThatCannotBeLoadedKeepsTheDataInUse) {
    const std::string pcore = text(1108).toStdString();
    data.remove("Ferrites_Materials/N97 Epcos.txt");  // listed at start-up, gone now
    auto* combo = window->coreGroup()->materialCombo();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_EQ(text(1006), "N97 Epcos");
    EXPECT_EQ(window->material().name, "N87 Epcos");
    EXPECT_EQ(text(1108).toStdString(), pcore);  // designed with the N87 data still held
}

TEST_F(ActionsTest, SecondDiodeEditHasNoTipAndResultTipsCarryValues) {
    EXPECT_FALSE(window->tips()->tip(fb::ui::FindControl(window.get(), 1039)).isEmpty());
    EXPECT_TRUE(window->tips()->tip(fb::ui::FindControl(window.get(), 1040)).isEmpty());
    EXPECT_TRUE(fb::ui::FindControl(window.get(), 1040)->toolTip().isEmpty());
    EXPECT_TRUE(window->toolText(1132).startsWith("Действующий ток ")) << window->toolText(1132).toStdString();
    EXPECT_TRUE(window->toolText(1132).endsWith(" A"));
    EXPECT_EQ(window->toolText(1094).left(42), QString("Действующий ток в выходном конденсаторе.\nК"));
    EXPECT_EQ(window->toolText(1112), "Выходное напряжение");
    for (QWidget* w : window->toolWidgets(1126)) EXPECT_EQ(w->toolTipDuration(), 30000);
    EXPECT_EQ(window->toolWidgets(1126).size(), 5u);
}

TEST_F(ActionsTest, HelpWithoutReadMeShowsTheMessageAndNothingElse) {
    data.remove("Flyback/ReadMe.txt");
    auto* help = window->menuBar()->findChild<QAction*>("id57670");
    ASSERT_NE(help, nullptr);
    help->trigger();  // would block in a modal loop if the window opened
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    EXPECT_EQ(messages.entries()[0].text, "В папке с программой отсутствует файл ReadMe.txt");
}

}  // namespace
}  // namespace fbtest
