#include "common/ui/dialogunits.h"

#include <QFontMetrics>
#include <QWidget>

namespace fb::ui {

QSize DialogUnitsToPixels(const QWidget* widget, int x, int y) {
    const QFontMetrics fm(widget->font());
    // The platform's average width is taken over the 52 Latin letters, rounded up.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int avg = (fm.horizontalAdvance(letters) / 26 + 1) / 2;
    return QSize(x * avg / 4, y * fm.height() / 8);
}

}  // namespace fb::ui
