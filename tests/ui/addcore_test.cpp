// Adding a core from the window: the two add modes with their fields, the checks and their
// messages, the record in the user file, the prefix, and the new core selected and designed.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "common/data/corebase.h"
#include "common/data/textfile.h"
#include "common/ui/coregroup.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

constexpr int kA = 1008, kB = 1011, kC = 1012, kD = 1015, kH = 1019, kh = 1060, kI = 1020;
constexpr int kMu = 1063, kLe = 1062, kAe = 1009, kAn = 1010, kVe = 1053;
constexpr int kByDims = 1003, kByData = 1004, kAdd = 6;
constexpr int kDims[] = {kA, kB, kC, kD, kH, kh, kI};
const char* const kUserFile = "Bases_Cores/UserFerritesCores.txt";

class AddCoreTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
    fb::ui::CoreGroup& group() const { return *window->coreGroup(); }
    void typeName(const QString& name) const { QTest::keyClicks(group().coreCombo()->lineEdit(), name); }
    bool enabled(int id) const { return Ctl<QLineEdit>(window.get(), id)->isEnabled(); }
    bool ticked(int id) const { return Ctl<QCheckBox>(window.get(), id)->isChecked(); }
    // The edge-case dimensions: A 20, B 15, C 5, D 5, H 10, h 7 (and I when given).
    void typeDims(const QString& I = QString()) {
        const char* values[] = {"20", "15", "5", "5", "10", "7"};
        for (int i = 0; i < 6; ++i) type(kDims[i], values[i]);
        if (!I.isEmpty()) type(kI, I);
    }
    std::string userFile() const { return data.read(kUserFile); }
    // The messages of adding a core (the design's own warnings about these small cores aside).
    QStringList addMessages() const {
        QStringList out;
        for (const QString& t : messages.texts())
            if (t.startsWith("Вы забыли") || t.startsWith("Название") || t.startsWith("Не удалось")) out << t;
        return out;
    }
};

std::string Record(const std::string& name, const char* Ae, const char* An, const char* le, const char* mu) {
    return "[" + name + "]\r\nAe = " + Ae + "\r\nAn = " + An + "\r\nle = " + le + "\r\nmu = " + mu + "\r\n\r\n";
}

TEST_F(AddCoreTest, DimensionsModeWritesTheExactRecordAndDesignsTheNewCore) {
    type(1016, "80");  // an input typed before the mode: the new core's design must use it
    click(kByDims);
    EXPECT_TRUE(ticked(kByDims));
    EXPECT_EQ(group().PicturePath(), ":/flyback/pictures/130.svg");
    EXPECT_EQ(text(1005), "");
    for (int id : {kA, kB, kC, kD, kH, kh, kMu}) EXPECT_TRUE(enabled(id)) << id;
    for (int id : {kI, kAe, kAn, kLe, kVe}) EXPECT_FALSE(enabled(id)) << id;
    for (int id : {kA, kI, kMu, kLe, kAe, kAn, kVe}) EXPECT_EQ(text(id), "") << id;

    const int before = window->calculations();
    typeName("MyCore");
    EXPECT_EQ(text(1005), "MyCore");  // typed text stays while a mode is set
    type(kMu, "1800");
    typeDims();
    click(kAdd);

    EXPECT_TRUE(addMessages().empty()) << addMessages().join("|").toStdString();
    EXPECT_EQ(userFile(), Record("E MyCore", "25.00", "56.00", "46.0", "1800"));
    EXPECT_EQ(text(1005), "E MyCore");
    EXPECT_EQ(group().coreCombo()->currentIndex(), 4);
    EXPECT_EQ(text(kAe), "25.00");
    EXPECT_EQ(text(kAn), "56.00");
    EXPECT_EQ(text(kLe), "46.0");
    EXPECT_EQ(text(kMu), "1800");
    EXPECT_EQ(text(kVe), "1.150");  // read back and shown by the selection
    EXPECT_FALSE(ticked(kByDims));
    for (int id : kDims) {
        EXPECT_EQ(text(id), "") << id;
        EXPECT_FALSE(enabled(id)) << id;
    }
    for (int id : {kMu, kAe, kAn, kLe}) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_EQ(group().PicturePath(), ":/flyback/pictures/129.svg");
    // Designed once, with the new core and the inputs as typed.
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(group().record().name, "E MyCore");
    EXPECT_EQ(window->input().core, "E MyCore");
    EXPECT_EQ(window->input().Fconv, "80");
    EXPECT_NE(data.read("Flyback/Flyback.ini").find("core\t= E MyCore\r\n"), std::string::npos);
    EXPECT_NE(window->coreBase().JoinedText().find(Record("E MyCore", "25.00", "56.00", "46.0", "1800")),
              std::string::npos);
}

TEST_F(AddCoreTest, EachShapesFormulasAndPrefix) {
    struct Case {
        int radio;
        QString name, I;
        std::string record;
        QString selected;  // "" = listed under another text, nothing selected
    };
    const Case cases[] = {
        {1067, "EI30", "2", Record("EI EI30", "25.00", "28.00", "31.5", "1800"), "EI EI30"},
        {1068, "X", "", Record("ER X", "19.63", "56.00", "46.0", "1800"), "ER X"},
        {1069, "ETD 29 user", "", Record("ETD 29 user", "19.63", "56.00", "46.0", "1800"), "ETD 29 user"},
        // Contains "E ": no prefix; listed as "E 30", which does not begin with the name.
        {1066, "My E 30", "", Record("My E 30", "25.00", "56.00", "46.0", "1800"), ""},
    };
    std::string expected;
    for (const Case& c : cases) {
        click(c.radio);
        click(kByDims);
        EXPECT_EQ(enabled(kI), c.radio == 1067);
        EXPECT_EQ(group().PicturePath(), c.radio == 1067   ? ":/flyback/pictures/132.svg"
                                         : c.radio == 1066 ? ":/flyback/pictures/130.svg"
                                                           : ":/flyback/pictures/134.svg");
        typeName(c.name);
        type(kMu, "1800");
        typeDims(c.I);
        const int before = window->calculations();
        click(kAdd);
        expected += c.record;
        EXPECT_EQ(userFile(), expected) << c.name.toStdString();
        EXPECT_EQ(text(1005), c.selected);
        EXPECT_EQ(window->calculations(), before + (c.selected.isEmpty() ? 0 : 1));
    }
    // The unselected core: the form keeps the values just entered.
    EXPECT_TRUE(group().coreCombo()->findText("E 30") >= 0);
    EXPECT_EQ(window->coreBase().selected, -1);
    EXPECT_EQ(text(kAe), "25.00");
    EXPECT_EQ(text(kLe), "46.0");
    EXPECT_TRUE(addMessages().empty()) << addMessages().join("|").toStdString();
}

TEST_F(AddCoreTest, RefusalsShowTheirMessageAndWriteNothing) {
    const std::string file = userFile();
    const std::string joined = window->coreBase().JoinedText();
    click(kAdd);  // no mode: nothing at all
    EXPECT_TRUE(messages.entries().empty());

    click(1067);  // EI: I is required too
    click(kByDims);
    auto press = [&](const char* expected) {
        messages.clear();
        const bool byDims = ticked(kByDims), byData = ticked(kByData);
        click(kAdd);
        ASSERT_EQ(messages.entries().size(), 1u);
        EXPECT_EQ(messages.entries()[0].caption, "Внимание!");
        EXPECT_EQ(messages.entries()[0].text.toStdString(), expected);
        EXPECT_EQ(userFile(), file);
        EXPECT_EQ(window->coreBase().JoinedText(), joined);
        // The mode and the fields stay for another try.
        EXPECT_EQ(ticked(kByDims), byDims);
        EXPECT_EQ(ticked(kByData), byData);
        EXPECT_EQ(window->coreBase().addByDims, byDims);
        EXPECT_EQ(window->coreBase().addByData, byData);
    };
    press("Вы забыли перед добавлением ввести название сердечника.");
    typeName("New");
    press("Вы забыли перед добавлением ввести магнитную проницаемость.");
    type(kMu, "2000");
    typeDims();
    type(kh, "");
    press("Вы забыли перед добавлением ввести все размеры.");
    type(kh, "7");
    press("Вы забыли перед добавлением ввести все размеры.");  // I
    EXPECT_EQ(text(1005), "New");
    EXPECT_EQ(text(kMu), "2000");

    click(kByData);
    EXPECT_FALSE(ticked(kByDims));
    typeName("New");
    type(kMu, "2000");
    type(kAe, "10");
    type(kAn, "10");
    press("Вы забыли перед добавлением ввести все данные.");
    // Names that would break the catalogue or cannot be stored in it.
    type(kLe, "10");
    for (const char* name : {"A[1]", "B]", "C=D"}) {
        group().coreCombo()->setEditText(QString::fromUtf8(name));
        press("Название сердечника не может содержать символы \"[\", \"]\" и \"=\".");
    }
    group().coreCombo()->setEditText(QString::fromUtf8("Ядро 中"));
    press("Название сердечника содержит символы, которые нельзя сохранить в базе сердечников.");
    EXPECT_TRUE(ticked(kByData));
}

TEST_F(AddCoreTest, DataModeKeepsTheCommaAndShowsTheMaterialInUseAgain) {
    click(kByData);
    EXPECT_EQ(group().materialCombo()->currentIndex(), -1);
    EXPECT_EQ(group().PicturePath(), ":/flyback/pictures/129.svg");
    for (int id : {kMu, kAe, kAn, kLe}) EXPECT_TRUE(enabled(id)) << id;
    for (int id : {kA, kB, kC, kD, kH, kh, kI, kVe}) EXPECT_FALSE(enabled(id)) << id;
    typeName("Mine 1");
    type(kMu, "2300");
    type(kAe, "12,5");
    type(kAn, "30");
    type(kLe, "40");
    click(kAdd);
    EXPECT_EQ(userFile(), Record("E Mine 1", "12,5", "30", "40", "2300"));
    EXPECT_EQ(text(1005), "E Mine 1");
    EXPECT_EQ(text(kAe), "12.5");
    EXPECT_EQ(group().record().Ae, 12.5);
    EXPECT_EQ(text(kVe), "0.500");
    // The design and the settings name the material it used, not an empty box.
    EXPECT_EQ(text(1006), "N87 Epcos");
    EXPECT_EQ(window->input().mater, "N87 Epcos");
    EXPECT_NE(data.read("Flyback/Flyback.ini").find("mater\t= N87 Epcos\r\n"), std::string::npos);
}

TEST_F(AddCoreTest, TheNewCoreIsDesignedWithTheMaterialLoadedAgain) {
    // The material file changed on disk since it was loaded; adding a core reloads it.
    std::string n87 = data.read("Ferrites_Materials/N87 Epcos.txt");
    n87.replace(n87.find("Bmax = 0.31"), 11, "Bmax = 0.29");
    data.write("Ferrites_Materials/N87 Epcos.txt", n87);
    ASSERT_EQ(window->material().Bmax, 0.31);
    fb::ui::CoreGroup& g = group();
    std::vector<std::string> order;
    const QMetaObject::Connection reload =
        QObject::connect(&g, &fb::ui::CoreGroup::materialReloadRequested, &g, [&] { order.push_back("reload"); });
    const QMetaObject::Connection select =
        QObject::connect(&g, &fb::ui::CoreGroup::coreSelected, &g, [&] { order.push_back("select"); });
    click(kByData);
    typeName("R");
    for (int id : {kMu, kAe, kAn, kLe}) type(id, "50");
    click(kAdd);
    QObject::disconnect(reload);
    QObject::disconnect(select);
    EXPECT_EQ(order, (std::vector<std::string>{"reload", "select"}));
    EXPECT_EQ(window->material().Bmax, 0.29);
    EXPECT_EQ(window->lastOutcome().input.core, "E R");
}

TEST_F(AddCoreTest, LeavingAModeSelectsTheCoreAgainAndTheModesExcludeEachOther) {
    const QString ae = text(kAe);
    click(kByDims);
    typeName("half typed");
    type(kA, "3");
    click(kByData);  // ticking one clears the other
    EXPECT_FALSE(ticked(kByDims));
    EXPECT_TRUE(ticked(kByData));
    EXPECT_EQ(text(kA), "");
    EXPECT_FALSE(enabled(kA));
    EXPECT_EQ(group().PicturePath(), ":/flyback/pictures/129.svg");
    int before = window->calculations();
    click(kByData);
    EXPECT_EQ(text(1005), "E 25/13/7");
    EXPECT_EQ(text(kAe), ae);
    EXPECT_EQ(text(1006), "N87 Epcos");
    EXPECT_FALSE(enabled(kAe));
    EXPECT_EQ(window->calculations(), before + 1);

    click(kByDims);
    before = window->calculations();
    click(kByDims);
    EXPECT_EQ(text(1005), "E 25/13/7");
    EXPECT_FALSE(enabled(kMu));
    EXPECT_FALSE(enabled(kA));
    EXPECT_EQ(window->calculations(), before + 1);
    EXPECT_EQ(group().PicturePath(), ":/flyback/pictures/129.svg");
}

TEST_F(AddCoreTest, OtherShapeLeavesTheDimensionsBoxUntickedWithoutMessage) {
    click(1070);
    const QString ae = text(kAe);
    const QString core = text(1005);
    click(kByDims);
    EXPECT_FALSE(ticked(kByDims));
    EXPECT_FALSE(window->coreBase().addByDims);
    EXPECT_EQ(text(kAe), ae);  // nothing else happens
    EXPECT_EQ(text(1005), core);
    EXPECT_FALSE(enabled(kA));
    EXPECT_TRUE(messages.entries().empty());
    // The data mode is open to it; a name beginning with E would never be listed there, so
    // it is refused with the reason and nothing is written; the mode stays for another name.
    click(kByData);
    const std::string file = userFile();
    typeName("EFD 20");
    for (int id : {kMu, kAe, kAn, kLe}) type(id, "7");
    click(kAdd);
    EXPECT_EQ(messages.texts(), QStringList({"Сердечник с названием, которое начинается с \"E\" или с \"R\" "
                                             "(кроме \"RM\"), не будет показан в списке формы \"Другая\": "
                                             "измените название."}));
    EXPECT_EQ(userFile(), file);
    EXPECT_TRUE(ticked(kByData));
    EXPECT_EQ(text(1005), "EFD 20");
}

TEST_F(AddCoreTest, MaterialChoiceInAnAddModeChangesNothing) {
    const QString pcore = text(1108);
    auto* combo = group().materialCombo();
    for (int box : {kByDims, kByData}) {
        click(box);
        const int before = window->calculations();
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        EXPECT_EQ(window->input().mater, "N87 Epcos");
        EXPECT_EQ(window->material().name, "N87 Epcos");
        EXPECT_EQ(window->calculations(), before);
        EXPECT_EQ(combo->currentIndex(), box == kByDims ? 0 : -1);  // the box shows no other material
        click(box);
    }
    EXPECT_EQ(text(1108), pcore);
    EXPECT_EQ(text(1006), "N87 Epcos");
}

TEST_F(AddCoreTest, ACoreTheOtherProgramAddedMeanwhileIsKept) {
    const std::string theirs = Record("E Theirs", "1", "2", "3", "4");
    data.write(kUserFile, theirs);
    click(kByData);
    typeName("Mine");
    for (int id : {kMu, kAe, kAn, kLe}) type(id, "5");
    click(kAdd);
    EXPECT_EQ(userFile(), theirs + Record("E Mine", "5", "5", "5", "5"));
    EXPECT_GE(group().coreCombo()->findText("E Theirs"), 0);
    EXPECT_EQ(text(1005), "E Mine");
}

TEST_F(AddCoreTest, AFailedWriteIsReportedAndChangesNothing) {
    // A folder where the user file should be: no process, root included, can replace it.
    data.remove(kUserFile);
    std::filesystem::create_directories(data.dir().file(kUserFile));
    const std::string joined = window->coreBase().JoinedText();
    const int entries = group().coreCombo()->count();
    click(kByData);
    typeName("Lost");
    for (int id : {kMu, kAe, kAn, kLe}) type(id, "9");
    const int before = window->calculations();
    click(kAdd);
    ASSERT_EQ(messages.entries().size(), 1u);
    const QString message = messages.entries()[0].text;
    EXPECT_TRUE(message.startsWith("Не удалось записать файл \"")) << message.toStdString();
    EXPECT_TRUE(message.endsWith(".\nСердечник не добавлен в базу.")) << message.toStdString();
    EXPECT_EQ(window->coreBase().JoinedText(), joined);
    EXPECT_EQ(group().coreCombo()->count(), entries);
    EXPECT_TRUE(ticked(kByData));
    EXPECT_EQ(text(1005), "Lost");
    EXPECT_EQ(text(kAe), "9");
    EXPECT_EQ(window->calculations(), before);

    // Once the file can be written, the same press adds the core.
    data.remove(kUserFile);
    messages.clear();
    click(kAdd);
    EXPECT_TRUE(addMessages().empty()) << addMessages().join("|").toStdString();
    EXPECT_EQ(userFile(), Record("E Lost", "9", "9", "9", "9"));
    EXPECT_EQ(text(1005), "E Lost");
}

TEST_F(AddCoreTest, ADuplicateNameIsASecondEntryShowingTheOlderValues) {
    click(kByDims);
    typeName("20/10/6");
    type(kMu, "1800");
    typeDims();
    click(kAdd);
    QStringList names;
    for (int i = 0; i < group().coreCombo()->count(); ++i) names << group().coreCombo()->itemText(i);
    EXPECT_EQ(names, QStringList({"E 20/10/6", "E 25/13/7", "E 30/15/7", "E 32/16/9", "E 20/10/6"}));
    // The search starts at the second entry, so it finds the new one...
    EXPECT_EQ(window->coreBase().selected, 4);
    EXPECT_EQ(text(1005), "E 20/10/6");
    // ...whose values are read from the first section of that name, the catalogue's.
    EXPECT_EQ(text(kAe), "32.04");
    EXPECT_EQ(group().record().Ae, 32.04);
}

// The group on its own, as the PFC window uses it: its own IDs, the smaller core buffer.
TEST(CoreGroupAlone, AddsWithItsOwnConfigurationAndSignals) {
    DataRoot data;
    fb::ui::MessageRecorder messages;
    fb::ui::ScopedMessageSeam seam(&messages);
    fb::CCoreBase base;
    base.Load(data.root(), fb::kPfcCoreBuffer);
    fb::ui::CoreGroupConfig config = FirstLoweringCoreGroup();
    config.coreBufferSize = fb::kPfcCoreBuffer;
    fb::ui::CoreGroup group(config, base);
    group.SetDataRoot(data.root());
    group.materialCombo()->addItems({"N87 Epcos", "N97 Epcos"});
    group.ShowMaterial(1);
    group.SelectByName("E 25/13/7");
    QSignalSpy reload(&group, &fb::ui::CoreGroup::materialReloadRequested);
    QSignalSpy selected(&group, &fb::ui::CoreGroup::coreSelected);

    Ctl<QCheckBox>(&group, 1002)->click();
    group.coreCombo()->setEditText("P");
    const char* values[] = {"20", "15", "5", "5", "10", "7"};
    for (int i = 0; i < 6; ++i) Ctl<QLineEdit>(&group, config.dims[i])->setText(values[i]);
    Ctl<QLineEdit>(&group, 1028)->setText("1800");
    Ctl<QAbstractButton>(&group, 8)->click();
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_EQ(data.read(kUserFile), Record("E P", "25.00", "56.00", "46.0", "1800"));
    EXPECT_EQ(reload.count(), 1);
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(group.record().name, "E P");
    EXPECT_EQ(Ctl<QLineEdit>(&group, 1032)->text(), "1.150");
    EXPECT_EQ(group.materialCombo()->currentIndex(), 1);
}

}  // namespace
}  // namespace fbtest
