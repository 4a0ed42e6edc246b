#pragma once
// The string walk both programs' window tests share: every text of a window (its title, labels,
// buttons, group titles, menus, list entries, table headers and cells, tabs, placeholders, chart
// texts and tooltips) and every message box of a session, in the chosen language. In English no
// Cyrillic may be left; in Russian no English caption of the programs' translation may show
// where a Russian one belongs.
#include <gtest/gtest.h>
#include <QAbstractAxis>
#include <QAbstractItemView>
#include <QAbstractSeries>
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <algorithm>

#include "common/report/designtools.h"
#include "common/report/plotswindow.h"
#include "common/ui/aboutbox.h"
#include "common/ui/adviserwindow.h"
#include "common/ui/coregroup.h"
#include "common/ui/designwindow.h"
#include "common/ui/formbinding.h"
#include "common/ui/helpwindow.h"
#include "common/ui/listdialogs.h"
#include "common/ui/losswindow.h"
#include "common/ui/messageseam.h"
#include "tests/support/screentesting.h"

namespace fbtest {

// The walk leaves out only what is data, not interface: the lists of cores and materials and
// the saved files (names from the data files and folders), the core and material columns of
// the adviser's table, and the help text (a file of its own language).
inline bool UserDataList(const QComboBox& box) {
    static const QSet<QString> lists{QStringLiteral("materialFilter")};
    return lists.contains(box.objectName()) || box.isEditable();
}

inline bool DataColumn(const QAbstractItemView& view, int column) {
    return view.objectName() == QLatin1String("candidates") && column < 2;
}

// Every cell of the view's model with its tooltip, and its headers.
inline void AddViewTexts(const QAbstractItemView& view, QStringList& texts) {
    const QAbstractItemModel* model = view.model();
    if (!model || qobject_cast<const QListWidget*>(&view)) return;
    for (int c = 0; c < model->columnCount(); ++c) {
        texts << model->headerData(c, Qt::Horizontal).toString();
        if (DataColumn(view, c)) continue;
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex cell = model->index(r, c);
            texts << cell.data().toString() << cell.data(Qt::ToolTipRole).toString();
        }
    }
}

// The chart's title, axis titles and series names (drawn, not widgets).
inline void AddChartTexts(const QWidget& window, QStringList& texts) {
    for (auto* view : window.findChildren<QChartView*>()) {
        const QChart* chart = view->chart();
        if (!chart) continue;
        texts << chart->title();
        for (const QAbstractAxis* axis : chart->axes()) texts << axis->titleText();
        for (const QAbstractSeries* series : chart->series()) texts << series->name();
    }
}

inline QStringList WalkedTexts(const QWidget& window) {
    QStringList texts = FixedCaptions(window);
    for (auto* w : window.findChildren<QWidget*>())
        if (!w->toolTip().isEmpty()) texts << w->toolTip();
    // Labels with a name too: results, units, notes and status lines.
    for (auto* w : window.findChildren<QLabel*>())
        if (!w->objectName().isEmpty()) texts << w->text();
    for (auto* w : window.findChildren<QLineEdit*>()) texts << w->placeholderText();
    if (!qobject_cast<const fb::ui::CHelpDlg*>(&window))
        for (auto* w : window.findChildren<QPlainTextEdit*>()) texts << w->toPlainText();
    for (auto* w : window.findChildren<QDoubleSpinBox*>()) texts << w->suffix() << w->specialValueText();
    for (auto* box : window.findChildren<QComboBox*>()) {
        if (UserDataList(*box)) continue;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i) << box->itemData(i, Qt::ToolTipRole).toString();
    }
    for (auto* view : window.findChildren<QAbstractItemView*>()) AddViewTexts(*view, texts);
    AddChartTexts(window, texts);
    for (auto* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    texts.removeAll(QString());
    return texts;
}

// The English texts of the programs' translation that differ from their Russian source.
inline QSet<QString> EnglishCaptions() {
    QSet<QString> english;
    QFile file(QStringLiteral(FB_SOURCE_DIR "/translations/magnetics_en.ts"));
    if (!file.open(QIODevice::ReadOnly)) return english;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString t = xml.readElementText();
            if (t != source && t.size() > 3) english << t;
        }
    }
    return english;
}

inline QStringList EnglishOf(const QStringList& texts) {
    static const QSet<QString> english = EnglishCaptions();
    QStringList found;
    for (const QString& t : texts)
        if (english.contains(t)) found << t;
    return found;
}

// Of `texts`, those the language should not show: Cyrillic in English, English in Russian.
inline QStringList ForeignOf(const QStringList& texts, bool english) {
    return english ? CyrillicOf(texts) : EnglishOf(texts);
}

// The texts of `window` the language should not show.
inline QString Foreign(const QWidget& window, bool english) {
    return ForeignOf(WalkedTexts(window), english).join(QLatin1Char('\n'));
}

// The main window and the windows it opens itself: "Намотка и потери", the adviser (after a
// sweep, so its lists are filled) and the plots.
template <typename Window>
void ExpectDesignWindowsIn(Window& w, bool english) {
    w.show();
    EXPECT_EQ(Foreign(w, english).toStdString(), "") << "main window";
    w.ShowLossWindow();
    EXPECT_EQ(Foreign(*w.lossWindow(), english).toStdString(), "") << "loss window";
    fb::ui::FindAction(&w, fb::report::toolid::kAdviser)->trigger();
    fb::CAdviserWindow* adviser = w.designTools()->adviser();
    ASSERT_NE(adviser, nullptr);
    QSignalSpy finished(adviser, &fb::CAdviserWindow::SweepFinished);
    if (adviser->Running()) ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(Foreign(*adviser, english).toStdString(), "") << "adviser";
    adviser->reject();
    fb::ui::FindAction(&w, fb::report::toolid::kPlots)->trigger();
    ASSERT_NE(w.designTools()->plots(), nullptr);
    EXPECT_EQ(Foreign(*w.designTools()->plots(), english).toStdString(), "") << "plots";
}

// The list dialogs, help and about, each shown.
inline void ExpectCommonDialogsIn(QWidget& w, bool english, const fb::ui::SavedFilesConfig& files,
                                  const fb::ui::HelpConfig& helpConfig, const fb::ui::AboutConfig& aboutConfig) {
    fb::ui::COpenFile open(files, &w);
    fb::ui::CSaveFile save(files, QStringLiteral("walk"), &w);
    fb::ui::CHelpDlg help(helpConfig, &w);
    fb::ui::CAboutDlg about(aboutConfig, &w);
    for (QDialog* d : std::initializer_list<QDialog*>{&open, &save, &help, &about}) {
        d->show();
        EXPECT_EQ(Foreign(*d, english).toStdString(), "") << d->metaObject()->className();
        d->hide();
    }
}

// The message boxes of a session as the seam shows them: the refused empty core of both add
// modes and the question before replacing a saved design (`savedName` exists), after what the
// session recorded before. (The note of a language choice is in the language chosen.)
inline void ExpectSessionMessagesIn(fb::ui::DesignWindow& w, bool english, const fb::ui::MessageRecorder& recorder,
                                    const fb::ui::SavedFilesConfig& files, const QString& savedName) {
    fb::ui::CoreGroup* group = w.coreGroup();
    for (QAbstractButton* mode :
         {static_cast<QAbstractButton*>(group->addByDimsBox()), static_cast<QAbstractButton*>(group->addByDataBox())}) {
        mode->click();
        group->addButton()->click();
        mode->click();
    }
    fb::ui::CSaveFile save(files, savedName, &w);
    save.findChild<QPushButton*>(fb::ui::ControlName(1))->click();
    ASSERT_GE(recorder.entries().size(), 3u);
    QStringList shown;
    for (const auto& m : recorder.entries()) shown << fb::ui::Translated(m.caption) << fb::ui::Translated(m.text);
    EXPECT_EQ(ForeignOf(shown, english).join(QLatin1Char('\n')).toStdString(), "");
}

}  // namespace fbtest
