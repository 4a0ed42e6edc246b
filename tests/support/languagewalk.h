#pragma once
// The string walk both programs' window tests share: every fixed text of a window (its title,
// labels, buttons, group titles, menus, list entries, table headers, tabs and tooltips) in the
// chosen language. In English no Cyrillic may be left; in Russian no English caption of the
// programs' translation may show where a Russian one belongs.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "common/report/designtools.h"
#include "common/report/plotswindow.h"
#include "common/ui/adviserwindow.h"
#include "common/ui/designwindow.h"
#include "common/ui/formbinding.h"
#include "common/ui/losswindow.h"
#include "tests/support/screentesting.h"

namespace fbtest {

// The walk leaves out only what is data, not interface: the lists of cores and materials (names
// from the data files) and the labels with an object name (results of the method).
inline bool UserDataList(const QComboBox& box) {
    static const QSet<QString> lists{QStringLiteral("materialFilter")};
    return lists.contains(box.objectName()) || box.isEditable();
}

inline QStringList WalkedTexts(const QWidget& window) {
    QStringList texts = FixedCaptions(window);
    for (auto* w : window.findChildren<QWidget*>())
        if (!w->toolTip().isEmpty()) texts << w->toolTip();
    for (auto* box : window.findChildren<QComboBox*>()) {
        if (UserDataList(*box)) continue;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i) << box->itemData(i, Qt::ToolTipRole).toString();
    }
    for (auto* view : window.findChildren<QAbstractItemView*>()) {
        if (!view->model()) continue;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            texts << view->model()->headerData(c, Qt::Horizontal).toString();
    }
    // The "Проверка" list: the checks' texts are composed, but follow the language too.
    for (auto* list : window.findChildren<QTreeWidget*>())
        for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(0);
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

// The texts of `window` the language should not show: Cyrillic in English, English in Russian.
inline QString Foreign(const QWidget& window, bool english) {
    const QStringList texts = WalkedTexts(window);
    return (english ? CyrillicOf(texts) : EnglishOf(texts)).join(QLatin1Char('\n'));
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

}  // namespace fbtest
