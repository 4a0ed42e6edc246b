#pragma once
// The tooltip walk the window tests share: every tooltip a window carries, one line per
// widget, compared with a table taken from the windows. A widget is named by its object name,
// or by its text and the named widget it sits in, so a changed layout keeps the names.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMap>

#include "common/ui/tooltips.h"

namespace fbtest {

inline QString TipToolName(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
    const QWidget* named = w->parentWidget();
    while (named && named->objectName().isEmpty()) named = named->parentWidget();
    return (named ? named->objectName() : QString()) + QLatin1Char('/') + QLatin1String(w->metaObject()->className()) +
           QLatin1Char(':') + text;
}

// "name<TAB>text" lines in name order; line breaks of a text are written "\n". A tooltip set
// past the tooltip control is marked "raw".
inline QString TipTable(const QWidget& window, const fb::ui::TooltipControl& tips) {
    QMap<QString, QStringList> rows;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString text = tips.tip(w);
        if (text.isEmpty() && !w->toolTip().isEmpty()) text = QStringLiteral("raw ") + w->toolTip();
        if (text.isEmpty()) continue;
        rows[TipToolName(w)] << text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    }
    QString table;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        for (const QString& text : it.value()) table += it.key() + QLatin1Char('\t') + text + QLatin1Char('\n');
    return table;
}

// Compares the walk with tests/support/tips/<name>.txt; FB_WRITE_TIPS=1 writes the file instead.
inline void ExpectTipTable(const QWidget& window, const fb::ui::TooltipControl& tips, const char* name) {
    const QString table = TipTable(window, tips);
    QFile file(QStringLiteral(FB_SOURCE_DIR "/tests/support/tips/%1.txt").arg(QLatin1String(name)));
    if (qEnvironmentVariableIntValue("FB_WRITE_TIPS") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(table.toUtf8());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_EQ(table.toStdString(), QString::fromUtf8(file.readAll()).toStdString());
}

}  // namespace fbtest
