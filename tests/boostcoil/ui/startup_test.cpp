// Start-up and exit of the Boostcoil window: defaults, the settings file (read at start-up,
// written only when the window closes), the fatal stops, and the rule that every result shown
// is the design's own text.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/design/pfckeys.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "common/ui/coregroup.h"
#include "common/ui/tooltips.h"
#include "tests/boostcoil/ui/bcuitest.h"

namespace bctest {
namespace {

using fb::PfcInput;

class StartupTest : public WindowTest {};

// The design run by hand on what the window holds now: the window must add no arithmetic.
fb::PfcResult DesignOf(const fb::CBoostcoilDlg& w, const DataRoot& data, const PfcInput& in) {
    fb::CWireTable wires;
    EXPECT_TRUE(wires.Load(data.root(), fb::kPfcSmallBuffer));
    return fb::CalculateChoke(in, w.coreGroup()->record(), w.material(), wires);
}

QString Shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    return s.replace("\r\n", "\n");
}

TEST_F(StartupTest, WithoutSettingsFileStartsWithDefaultsAndWritesTheFileOnlyOnClose) {
    ASSERT_NO_FATAL_FAILURE(ExpectStartedOnDefaults(1000, "E 36/18/11", 1001));
    const std::pair<int, const char*> inputs[] = {{1040, "85"},  {1041, "265"},  {1042, "100"}, {1043, "40"},
                                                  {1044, "5"},   {1045, "320"},  {1046, "400"}, {1047, "420"},
                                                  {1048, "100"}, {1049, "0.63"}, {1050, "1"}};
    for (const auto& [id, value] : inputs) EXPECT_EQ(text(id), QString::fromUtf8(value)) << id;
    EXPECT_FALSE(Ctl<QCheckBox>(window.get(), 1004)->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1136)->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1011)->isChecked());
    EXPECT_EQ(text(1016), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(text(1082), "мм");
    for (int id : {1021, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032})
        EXPECT_FALSE(Ctl<QLineEdit>(window.get(), id)->isEnabled()) << id;
    EXPECT_EQ(text(1030), "192.5");
    EXPECT_EQ(text(1032), "9.513");
    // The default design: the worked figures that do not depend on the core.
    EXPECT_EQ(text(1060), "1.151");
    EXPECT_EQ(text(1061), "мГн");
    EXPECT_EQ(text(1069), "161.2");
    EXPECT_EQ(text(1080), "нФ");
    EXPECT_EQ(text(1079), "86.8");
    EXPECT_EQ(text(1070), "1.292");
    EXPECT_EQ(text(1077), "0.063");
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();

    // Neither start-up nor a calculation writes the settings; closing does.
    click(1);
    EXPECT_EQ(window->calculations(), 2);
    EXPECT_FALSE(data.exists("Boostcoil/Boostcoil.ini"));
    type(1044, "4,5");  // typed, never calculated
    window->reject();
    EXPECT_FALSE(window->isVisible());
    const std::string ini = data.read("Boostcoil/Boostcoil.ini");
    EXPECT_EQ(ini.rfind("[INI_DATA]\r\ncore\t= E 36/18/11\r\nmater\t= N87 Epcos\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("\r\nj\t= 4,5\r\n"), std::string::npos);
    PfcInput expected = window->input();
    EXPECT_EQ(expected.j, "4,5");
    EXPECT_EQ(ini, fb::PfcDesignFile().Compose(expected));
}

TEST_F(StartupTest, SettingsFileIsShownInTheForm) {
    PfcInput in;
    in.core = "EI 30";
    in.mater = "n97";  // the beginning of a listed name, in other letter case
    in.yes_al = 1;
    in.zazor = "90";
    in.Fr = "62,5";
    in.Umin = "90";
    in.yes_d = 1;
    ASSERT_TRUE(fb::PfcDesignFile().Write(data.programFolder() + "Boostcoil.ini", in).ok);
    ASSERT_TRUE(start());
    EXPECT_EQ(text(1000), "EI 30");
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1012)->isChecked());
    EXPECT_EQ(text(1001), "N97 Epcos");
    EXPECT_EQ(window->material().name, "N97 Epcos");
    EXPECT_EQ(window->input().mater, "N97 Epcos");
    EXPECT_EQ(text(1042), "62.5");  // the first design read it
    EXPECT_EQ(text(1040), "90");
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1139)->isChecked());
    EXPECT_TRUE(Ctl<QCheckBox>(window.get(), 1004)->isChecked());
    EXPECT_EQ(text(1016), "Требуемая величина AL, не более");
    EXPECT_EQ(text(1082), "");
    EXPECT_EQ(window->calculations(), 1);
}

TEST_F(StartupTest, WithoutN87TheFirstListedMaterialIsTaken) {
    data.remove("Ferrites_Materials/N87 Epcos.txt");
    data.write("Ferrites_Materials/K10 Test.txt", data.read("Ferrites_Materials/N97 Epcos.txt"));
    ASSERT_TRUE(start());
    EXPECT_EQ(text(1001), "K10 Test");
    EXPECT_EQ(window->material().name, "K10 Test");
    EXPECT_EQ(window->input().mater, "K10 Test");
    EXPECT_EQ(window->calculations(), 1);
}

TEST_F(StartupTest, EachFatalStopShowsItsMessageAndWritesNothing) { ExpectEachFatalStop("Boostcoil", "Boostcoil.ini"); }

// A mistyped power made the correction write a gap of metres into the field and, on close,
// into the settings, where it stayed after the typo was mended.
TEST_F(StartupTest, AMistypedPowerLeavesTheGapAndTheSettingsAlone) {
    ASSERT_TRUE(start());
    messages.clear();
    const std::string gap = Ctl<QLineEdit>(window.get(), fb::bcid::kZazor)->text().toStdString();
    type(fb::bcid::kP2, "1e7");
    click(fb::bcid::kCalculate);
    EXPECT_EQ(Ctl<QLineEdit>(window.get(), fb::bcid::kZazor)->text().toStdString(), gap);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(messages.texts()[0].startsWith("Требуемый немагнитный зазор ")) << messages.texts()[0].toStdString();
    window->reject();
    EXPECT_NE(data.read("Boostcoil/Boostcoil.ini").find("zazor\t= " + gap + "\r\n"), std::string::npos);
}

TEST_F(StartupTest, UnreadableSettingsAreNamedAndNeverWritten) {
    ExpectUnreadableSettingsLeftAlone("Boostcoil", "Boostcoil.ini", fb::bcid::kCalculate);
}

TEST_F(StartupTest, MissingCatalogueOnlyWarnsAndTheUserFileIsCreated) { ExpectMissingCatalogueOnlyWarns(); }

TEST_F(StartupTest, EveryResultShownIsTheDesignsText) {
    ASSERT_TRUE(start());
    type(1040, "90");
    type(1043, "250");  // clamped by the design to 200.0
    type(1048, "150,5");
    type(1049, "0,52");  // not a table diameter: replaced, with a message
    click(1004);         // yes_d: calculates, and tells about the diameter
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    EXPECT_TRUE(messages.texts()[0].contains("0.56")) << messages.texts()[0].toStdString();
    messages.clear();
    window->FormToFields();
    const PfcInput in = window->input();
    const int before = window->calculations();
    click(1);
    EXPECT_EQ(window->calculations(), before + 1);

    const fb::PfcResult expected = DesignOf(*window, data, in);
    ASSERT_TRUE(expected.calculated);
    for (int id : fb::kPfcResultIds) {
        if (id == fb::pfcid::kInfo)
            EXPECT_EQ(text(id), Shown(expected.texts.at(id)));
        else
            EXPECT_EQ(text(id).toStdString(), expected.texts.at(id)) << id;
    }
    for (const auto& [id, label] : expected.labels) EXPECT_EQ(text(id).toStdString(), label) << id;
    // The peak-flux tip carries the AC flux amplitude of this run, on every widget of its area.
    const std::string tip = "Амплитуда переменной составляющей индукции " + fb::F3(expected.Bac) + " T";
    EXPECT_EQ(expected.tooltips.at(fb::pfcid::kBpk), tip);
    ASSERT_FALSE(window->toolWidgets(fb::pfcid::kBpk).empty());
    for (QWidget* w : window->toolWidgets(fb::pfcid::kBpk)) EXPECT_EQ(window->tips()->tip(w).toStdString(), tip);
    // The rewritten inputs are shown; the standard diameter now passes without a message.
    EXPECT_EQ(text(1043), "200.0");
    EXPECT_EQ(text(1048), "150.5");
    EXPECT_EQ(text(1049), "0.56");
    EXPECT_EQ(expected.input.d11, "0.56");
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
}

TEST_F(StartupTest, ASettingsFileThatCannotBeWrittenIsReportedWhenClosing) {
    // Writing fails part way at a file-size limit, which binds root too (a folder in the
    // file's place is unreadable as well, and such a file is never written at all).
    const fbtest::FileSizeLimit limit(64);
    ASSERT_TRUE(start());
    EXPECT_TRUE(messages.entries().empty());
    window->reject();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    EXPECT_TRUE(messages.texts()[0].contains("Boostcoil.ini")) << messages.texts()[0].toStdString();
    EXPECT_TRUE(messages.texts()[0].endsWith("Исходные данные не сохранены.")) << messages.texts()[0].toStdString();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(StartupTest, FieldsToFormAndBackKeepEveryField) { ExpectFormKeepsEveryField(fb::PfcFields()); }

}  // namespace
}  // namespace bctest
