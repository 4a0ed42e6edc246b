// The shared window pieces: message seam, help window, tooltip layout and the core group
// with another program's configuration.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QTranslator>

#include "common/ui/coregroup.h"
#include "common/ui/helpwindow.h"
#include "common/ui/messageseam.h"
#include "common/ui/qttranslations.h"
#include "common/ui/tooltips.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

TEST(MessageSeam, RecorderKeepsOrderAndAnswersQuestions) {
    fb::ui::MessageRecorder recorder;
    fb::ui::ScopedMessageSeam seam(&recorder);
    recorder.answerNext(false);
    fb::ui::ShowMessages(nullptr, {fb::Warning("a"), fb::Message{"Ошибка!", "b"}});
    EXPECT_FALSE(fb::ui::MessageSeam::current().question(nullptr, "Внимание!", "c"));
    EXPECT_TRUE(fb::ui::MessageSeam::current().question(nullptr, "Внимание!", "d"));  // OK when nothing queued
    ASSERT_EQ(recorder.entries().size(), 4u);
    EXPECT_EQ(recorder.texts(), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(recorder.entries()[1].caption, "Ошибка!");
    EXPECT_TRUE(recorder.entries()[2].question);
}

TEST(MessageSeam, ScopeRestoresThePreviousSeam) {
    fb::ui::MessageRecorder outer, inner;
    fb::ui::ScopedMessageSeam a(&outer);
    {
        fb::ui::ScopedMessageSeam b(&inner);
        fb::ui::ShowMessage(nullptr, fb::Warning("inner"));
    }
    fb::ui::ShowMessage(nullptr, fb::Warning("outer"));
    EXPECT_EQ(inner.texts(), QStringList({"inner"}));
    EXPECT_EQ(outer.texts(), QStringList({"outer"}));
}

// Qt's own texts (here standard buttons) follow the programs' language once loaded.
TEST(QtTranslations, StandardButtonsComeUpInRussian) {
    ASSERT_TRUE(fb::ui::InstallQtTranslations(*QCoreApplication::instance()));
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    const QString texts =
        box.button(QDialogButtonBox::Cancel)->text() + "|" + box.button(QDialogButtonBox::Close)->text();
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) delete t;  // uninstalls it
    EXPECT_EQ(texts, "Отмена|Закрыть");
}

class HelpTest : public ::testing::Test {
protected:
    HelpTest() : folder(dir.path()), seam(&recorder) {}
    TempDir dir;
    CurrentFolder folder;
    fb::ui::MessageRecorder recorder;
    fb::ui::ScopedMessageSeam seam;
};

TEST_F(HelpTest, ShowsTheFileDecodedWithItsLines) {
    dir.write("ReadMe.txt", "\xCF\xF0\xE8\xE2\xE5\xF2\r\nline 2\r\n");  // "Привет" in Windows-1251
    fb::ui::CHelpDlg help(fb::ui::HelpConfig::Flyback());
    ASSERT_TRUE(help.Load());
    EXPECT_EQ(help.text(), "Привет\nline 2\n");
    EXPECT_EQ(help.windowTitle(), "Помощь");
    EXPECT_TRUE(recorder.entries().empty());
}

TEST_F(HelpTest, ALongFileIsCutAtTheBufferNeverBeyond) {
    dir.write("ReadMe.txt", std::string(40000, 'a'));
    fb::ui::CHelpDlg flyback(fb::ui::HelpConfig::Flyback());
    ASSERT_TRUE(flyback.Load());
    EXPECT_EQ(flyback.text().size(), 29999);
    fb::ui::CHelpDlg pfc(fb::ui::HelpConfig::Boostcoil());
    ASSERT_TRUE(pfc.Load());
    EXPECT_EQ(pfc.text().size(), 9999);
}

TEST_F(HelpTest, MissingFileGivesEachProgramsMessage) {
    fb::ui::ShowHelp(nullptr, fb::ui::HelpConfig::Flyback());
    fb::ui::ShowHelp(nullptr, fb::ui::HelpConfig::Boostcoil());
    ASSERT_EQ(recorder.entries().size(), 2u);
    EXPECT_EQ(recorder.entries()[0].caption, "Внимание!");
    EXPECT_EQ(recorder.entries()[0].text, "В папке с программой отсутствует файл ReadMe.txt");
    EXPECT_EQ(recorder.entries()[1].caption, "Ошибка!");
    EXPECT_EQ(recorder.entries()[1].text, "В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена");
}

TEST(Tooltips, SettingsColourAndWrapping) {
    QWidget host;
    fb::ui::TooltipControl tips(&host);
    EXPECT_EQ(tips.settings().shownMs, 30000);
    EXPECT_EQ(tips.settings().initialMs, 100);
    EXPECT_EQ(tips.settings().reshowMs, 100);
    EXPECT_EQ(tips.settings().maxWidth, 350);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 240, 160));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);

    const QFont font = QToolTip::font();
    EXPECT_EQ(fb::ui::TooltipControl::Layout("short", 350, font), "short");
    const QString longText = QString("слово ").repeated(60);
    const QString wrapped = fb::ui::TooltipControl::Layout(longText + "\n\"x\"", 350, font);
    EXPECT_TRUE(wrapped.contains("width=342")) << wrapped.toStdString();
    EXPECT_TRUE(wrapped.contains("<br>&quot;x&quot;"));
    QLabel label;
    label.setText(wrapped);
    label.setWordWrap(true);
    EXPECT_LE(label.sizeHint().width(), 350);

    QLabel tool;
    tips.setTip(&tool, "a\nb");
    EXPECT_EQ(tips.tip(&tool), "a\nb");
    EXPECT_EQ(tool.toolTipDuration(), 30000);
}

// One look for a result that is not finite, in every window: its colour and the one message as
// its tooltip while it reads "inf" or "nan"; its own tip, kept meanwhile, and its colour after.
TEST(Tooltips, AResultThatIsNotFiniteIsMarkedUntilItIsAgain) {
    QWidget form;
    QLabel result(&form);
    fb::ui::TooltipControl tips(&form);
    tips.setTip(&result, "own");
    const QColor normal = result.palette().color(QPalette::WindowText);
    const QString message =
        fb::ui::TooltipControl::Layout(QString::fromStdString(fb::NotFiniteWarning().text), 350, QToolTip::font());
    for (const char* text : {"inf", "-nan", "1.5", "", "nan"}) {
        const bool marked = text[0] && std::string(text) != "1.5";
        fb::ui::MarkResult(&result, text, &tips);
        EXPECT_EQ(result.property("notFinite").toBool(), marked) << text;
        EXPECT_EQ(result.palette().color(QPalette::WindowText), marked ? fb::ui::kNotFiniteColour : normal) << text;
        EXPECT_EQ(result.toolTip(), marked ? message : QString("own")) << text;
        EXPECT_EQ(tips.tip(&result), "own") << text;
    }
    tips.setTip(&result, "new");  // a calculation's tip while the mark stands
    EXPECT_EQ(result.toolTip(), message);
    fb::ui::MarkResult(&result, "2", &tips);
    EXPECT_EQ(result.toolTip(), "new");
    QLabel untipped(&form);  // a result without a tip of its own is left without one
    fb::ui::MarkResult(&untipped, "inf", &tips);
    fb::ui::MarkResult(&untipped, "2", &tips);
    EXPECT_TRUE(untipped.toolTip().isEmpty());
}

// The other program's configuration: its own IDs and the lowering to the first entry.
TEST(CoreGroup, LowersToTheFirstEntryWithThatRule) {
    TempDir dir;
    dir.write("Bases_Cores/FerritesCores.txt",
              Crlf("[E 1]\nAe = 1\n[E 2]\nAe = 2\n[E 3]\nAe = 3\n[ETD 1]\nAe = 4\n[ETD 2]\nAe = 5\n"));
    fb::CCoreBase base;
    base.Load(dir.path() + "/", fb::kBigBuffer);
    fb::ui::CoreGroupConfig config = FirstLoweringCoreGroup();
    fb::ui::CoreGroup group(config, base);
    int selections = 0;
    QObject::connect(&group, &fb::ui::CoreGroup::coreSelected, [&] { ++selections; });
    group.SelectByName("E 3");
    EXPECT_EQ(group.coreCombo()->currentText(), "E 3");
    EXPECT_EQ(group.dataEdit(fb::ui::CoreGroup::Ae)->text(), "3");
    EXPECT_EQ(group.coreCombo()->objectName(), "id1000");
    group.shapeRadio(3)->click();
    EXPECT_EQ(group.coreCombo()->currentText(), "ETD 1");
    EXPECT_EQ(group.record().name, "ETD 1");
    EXPECT_EQ(selections, 2);
    group.shapeRadio(1)->click();  // an empty list: no selection, the previous core stays
    EXPECT_EQ(group.coreCombo()->count(), 0);
    EXPECT_EQ(group.record().name, "ETD 1");
    EXPECT_EQ(selections, 2);
    EXPECT_FALSE(group.picture()->pixmap().isNull());
}

}  // namespace
}  // namespace fbtest

namespace fbtest {
namespace {

struct ComboInput {
    std::string name;
};

// The entry of the exact name wins over an earlier entry that merely begins with it.
TEST(FormBinding, ComboPrefersTheExactEntry) {
    QWidget form;
    auto* combo = new QComboBox(&form);
    combo->setObjectName("id7");
    combo->setEditable(true);
    combo->addItems({"EI 25x", "EI 25", "EI 30"});
    fb::ui::FormBinding<ComboInput> binding(&form, {{"name", 7, fb::ui::FieldKind::Combo, &ComboInput::name}});
    binding.toForm({"EI 25"});
    EXPECT_EQ(combo->currentIndex(), 1);
    binding.toForm({"ei 3"});  // a beginning, ignoring case
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo->currentText(), "EI 30");
    binding.toForm({"My core"});  // no entry: the text itself
    EXPECT_EQ(combo->currentText(), "My core");
    ComboInput back;
    binding.toFields(back);
    EXPECT_EQ(back.name, "My core");
    EXPECT_THROW(fb::ui::FormBinding<ComboInput>(&form, {{"x", 8, fb::ui::FieldKind::Edit, &ComboInput::name}}),
                 std::runtime_error);
}

struct NumberInput {
    std::string value, name;
};

// A numeric edit takes what a number can hold; a text edit keeps taking text. "19 [В]" typed
// or several lines pasted were saved as they stood and hid every key after them on reading.
TEST(FormBinding, NumericEditsTakeOnlyNumbers) {
    QWidget form;
    auto* number = new QLineEdit(&form);
    number->setObjectName("id1");
    auto* name = new QLineEdit(&form);
    name->setObjectName("id2");
    fb::ui::FieldDescriptor<NumberInput> value{"value", 1, fb::ui::FieldKind::Edit, &NumberInput::value};
    value.numeric = true;
    const fb::ui::FormBinding<NumberInput> binding(&form,
                                                   {value, {"name", 2, fb::ui::FieldKind::Edit, &NumberInput::name}});
    const std::pair<const char*, const char*> typed[] = {
        {"19 [V]", "19"}, {"0,5", "0,5"}, {"-1.5e-3", "-1.5e-3"}, {"1E3", "1E3"}, {"1.2.3", "1.23"}, {"2,5,", "2,5"},
        {"+.5", "+.5"},   {"abc", ""},    {"1e3e", "1e3"},
    };
    for (const auto& [keys, shown] : typed) {
        number->clear();
        QTest::keyClicks(number, QString::fromUtf8(keys));
        EXPECT_EQ(number->text().toStdString(), shown) << keys;
    }
    // A paste goes in whole or not at all; the spaces and line break around a number go.
    for (const auto& [pasted, shown] :
         {std::pair<const char*, const char*>{"12\r\n34\r\n", ""}, {"19 [В]", ""}, {" 42\n", "42"}}) {
        number->clear();
        number->insert(QString::fromUtf8(pasted));
        EXPECT_EQ(number->text().toStdString(), shown) << pasted;
    }
    // What the program writes is shown as it is; a text field takes any text.
    binding.toForm({"n/a", "E 25 [x]"});
    NumberInput back;
    binding.toFields(back);
    EXPECT_EQ(back.value, "n/a");
    QTest::keyClicks(name, "!");
    EXPECT_EQ(name->text().toStdString(), "E 25 [x]!");
    number->clear();  // an empty field stays possible (an unused row)
    EXPECT_TRUE(number->hasAcceptableInput());
}

}  // namespace
}  // namespace fbtest
