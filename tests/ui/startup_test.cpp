// Start-up of the flyback window: defaults, settings file, the fatal stops, and the rule
// that every result shown is the design's own text.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/data/textfile.h"
#include "common/ui/coregroup.h"
#include "common/ui/tooltips.h"
#include "flyback/ui/formfields.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

using fb::FlybackInput;

int CountLines(const std::string& bytes) {
    int n = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') ++n;
    return n;
}

class StartupTest : public WindowTest {};

TEST_F(StartupTest, WithoutSettingsFileStartsWithDefaultsAndWritesTheFile) {
    ASSERT_FALSE(data.exists("Flyback/Flyback.ini"));
    ASSERT_NO_FATAL_FAILURE(ExpectStartedOnDefaults(1005, "E 25/13/7", 1006));
    EXPECT_EQ(text(1045), "200");
    EXPECT_EQ(text(1026), "0");
    EXPECT_EQ(text(1051), "1");
    EXPECT_EQ(text(1064), "0.25");  // the design turned the default "0,25" into a point
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1077)->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1074)->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1072)->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1066)->isChecked());
    EXPECT_FALSE(text(1232).isEmpty());
    EXPECT_EQ(text(1051), "1");
    // Dependent states: Rds(on) mode, gap mode.
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1030)->isEnabled());
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1047)->isEnabled());
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1046)->isEnabled());
    EXPECT_EQ(text(1240), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(text(1197), "мм");
    // The twelve core fields are display only.
    for (int id : {1008, 1011, 1012, 1015, 1019, 1060, 1020, 1063, 1062, 1009, 1010, 1053})
        EXPECT_FALSE(Ctl<QLineEdit>(window.get(), id)->isEnabled()) << id;
    EXPECT_EQ(text(1009), "51.84");
    EXPECT_EQ(text(1053), "2.994");

    const std::string ini = data.read("Flyback/Flyback.ini");
    EXPECT_EQ(CountLines(ini), 58);
    EXPECT_EQ(ini.rfind("[INI_DATA]\r\ncore\t= E 25/13/7\r\n", 0), 0u);
    EXPECT_NE(ini.find("\r\nU23\t= \r\n"), std::string::npos);
    // The settings file carries the design's rewritten texts and turn counts.
    EXPECT_NE(ini.find("\r\nw1\t= " + text(1232).toStdString() + "\r\n"), std::string::npos);
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().join("|").toStdString();
}

TEST_F(StartupTest, SettingsFileIsShownAndAMissingMaterialFallsBackToTheFirst) {
    FlybackInput in;
    in.core = "E 30/15/7";
    in.mater = "3C90 Ferroxcube";  // not in this data root
    in.Fconv = "50";
    in.setevoe = 1;
    in.Auto = 1;
    in.rds = 0;
    in.yes_al = 1;
    in.zazor = "150";
    in.U22 = "";
    ASSERT_TRUE(fb::FlybackDesignFile().Write(data.programFolder() + "Flyback.ini", in).ok);
    ASSERT_TRUE(start());
    EXPECT_EQ(text(1005), "E 30/15/7");
    EXPECT_EQ(text(1006), "N87 Epcos");
    EXPECT_EQ(window->input().mater, "N87 Epcos");
    EXPECT_EQ(text(1016), "50");
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1073)->isChecked());
    EXPECT_TRUE(Ctl<QRadioButton>(window.get(), 1075)->isChecked());
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1046)->isEnabled());
    EXPECT_TRUE(Ctl<QLineEdit>(window.get(), 1047)->isEnabled());
    EXPECT_FALSE(Ctl<QLineEdit>(window.get(), 1030)->isEnabled());
    EXPECT_EQ(text(1240), "Требуемая величина AL, не более");
    EXPECT_EQ(text(1197), "");
    EXPECT_TRUE(text(1233 + 1).isEmpty());  // the second secondary is absent
    EXPECT_NE(data.read("Flyback/Flyback.ini").find("mater\t= N87 Epcos\r\n"), std::string::npos);
}

TEST_F(StartupTest, EachFatalStopShowsItsMessageAndWritesNothing) { ExpectEachFatalStop("Flyback", "Flyback.ini"); }

TEST_F(StartupTest, UnreadableSettingsAreNamedAndNeverWritten) {
    ExpectUnreadableSettingsLeftAlone("Flyback", "Flyback.ini", fb::ctl::kCalculate);
}

TEST_F(StartupTest, MissingCatalogueOnlyWarnsAndTheUserFileIsCreated) { ExpectMissingCatalogueOnlyWarns(); }

// The window adds no arithmetic: every result, label and tooltip it shows is the text the
// design returns for the same inputs.
TEST_F(StartupTest, EveryResultShownIsTheDesignsText) {
    ASSERT_TRUE(start());
    type(1034, "5");  // a second secondary with other values
    type(1022, "0,5");
    window->FormToFields();
    const FlybackInput in = window->input();
    click(1);

    fb::CWireTable wires;
    ASSERT_TRUE(wires.Load(data.root(), fb::kBigBuffer));
    const fb::FlybackOutcome expected = fb::DesignFlyback(in, window->coreGroup()->record(), window->material(), wires);
    ASSERT_TRUE(expected.computed);
    for (int id : fb::FlybackResultControls()) EXPECT_EQ(text(id).toStdString(), expected.results.at(id)) << id;
    for (const auto& [id, label] : expected.labels) EXPECT_EQ(text(id).toStdString(), label) << id;
    for (int tool : fb::FlybackTooltipTools()) {
        EXPECT_EQ(window->toolText(tool).toStdString(), expected.tooltips.at(tool)) << tool;
        for (QWidget* w : window->toolWidgets(tool))
            EXPECT_EQ(window->tips()->tip(w).toStdString(), expected.tooltips.at(tool)) << tool;
    }
    // The rewritten inputs are shown too.
    EXPECT_EQ(text(1022).toStdString(), expected.input.I22);
    EXPECT_EQ(text(1054).toStdString(), expected.input.d11);
}

TEST_F(StartupTest, ExitWritesTheFormIntoTheSettingsFile) {
    ASSERT_TRUE(start());
    type(1061, "4,5");  // typed, never calculated
    window->reject();
    EXPECT_NE(data.read("Flyback/Flyback.ini").find("\r\nj\t= 4,5\r\n"), std::string::npos);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(StartupTest, ASettingsFileThatCannotBeWrittenIsReportedOnce) {
    // Writing fails part way at a file-size limit, which binds root too (a folder in the
    // file's place is unreadable as well, and such a file is never written at all).
    const FileSizeLimit limit(64);
    ASSERT_TRUE(start());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("Flyback.ini")) << messages.texts()[0].toStdString();
    EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
    click(1);
    click(1);
    EXPECT_EQ(messages.texts().size(), 1);  // not on every calculation
    EXPECT_EQ(window->calculations(), 3);
    window->reject();  // leaving without saved inputs is told once more
    EXPECT_EQ(messages.texts().size(), 2);
}

TEST_F(StartupTest, FieldsToFormAndBackKeepEveryField) { ExpectFormKeepsEveryField(fb::FlybackFields()); }

}  // namespace
}  // namespace fbtest
