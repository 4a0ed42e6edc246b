#include "common/ui/checkspanel.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "common/data/english.h"
#include "common/ui/language.h"

namespace fb::ui {
namespace {

QIcon Mark(const QColor& color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(color.darker(130));
    p.setBrush(color);
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    return QIcon(pixmap);
}

int Rank(Severity s) { return s == Severity::Error ? 0 : s == Severity::Warning ? 1 : 2; }

}  // namespace

CChecksPanel::CChecksPanel(QWidget* parent, int rows) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("checksPanel"));
    setColumnCount(1);
    header()->hide();
    header()->setStretchLastSection(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);  // Enter must keep reaching the default button
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(12, 12));
    setMinimumWidth(240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const int row = std::max(fontMetrics().height(), 14) + 2;
    setFixedHeight(rows * row + 2 * frameWidth() + 2);
}

QColor CChecksPanel::SeverityColor(Severity s) {
    switch (s) {
    case Severity::Error: return QColor(0xd3, 0x2f, 0x2f);
    case Severity::Warning: return QColor(0xf0, 0xa0, 0x00);
    case Severity::Note: break;
    }
    return QColor(0x6a, 0x86, 0xa8);
}

QString CChecksPanel::SeverityCaption(Severity s) {
    switch (s) {
    case Severity::Error: return Translated(QStringLiteral("Ошибка"));
    case Severity::Warning: return Translated(QStringLiteral("Предупреждение"));
    case Severity::Note: break;
    }
    return Translated(QStringLiteral("Примечание"));
}

void CChecksPanel::SetChecks(const Checks& checks) {
    clear();
    if (checks.empty()) {
        auto* item = new QTreeWidgetItem(this, {Translated(QString::fromUtf8(kNoFindings))});
        item->setForeground(0, palette().color(QPalette::Disabled, QPalette::Text));
        return;
    }
    std::vector<const Check*> ordered;
    for (const Check& c : checks) ordered.push_back(&c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Check* a, const Check* b) { return Rank(a->severity) < Rank(b->severity); });
    for (const Check* c : ordered) {
        const QString text = QString::fromStdString(LocalizedRuns(c->text));  // as composed in Russian
        auto* item = new QTreeWidgetItem(this, {text});
        item->setIcon(0, Mark(SeverityColor(c->severity)));
        // As rich text the tip wraps instead of running across the screen.
        item->setToolTip(
            0, QStringLiteral("<p><b>%1.</b> %2</p>").arg(SeverityCaption(c->severity), text.toHtmlEscaped()));
        item->setData(0, Qt::UserRole, QString::fromStdString(c->rule));
    }
}

}  // namespace fb::ui
