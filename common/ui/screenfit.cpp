#include "common/ui/screenfit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

#include "common/files/preferences.h"

namespace fb::ui {
namespace {

// Room for a title bar and a frame a window manager adds, until the real frame is known.
const QSize kFrameAllowance(8, 36);

class FormScroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth()) : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override {
        const int bar = verticalScrollBar()->sizeHint().width();
        return QSize(4 * bar, 4 * bar).boundedTo(sizeHint());
    }
};

QScreen* ScreenAt(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    return screen ? screen : QGuiApplication::primaryScreen();
}

QSize FrameExtra(const QWidget& window) {
    const QSize shown = window.frameGeometry().size() - window.size();
    return shown.expandedTo(kFrameAllowance);
}

}  // namespace

QScrollArea* NewFormScroll(QWidget* form, QWidget* parent) {
    auto* scroll = new FormScroll(parent);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(form);
    return scroll;
}

QSize AvailableRoom(const QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() - FrameExtra(window) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void FitToScreen(QWidget& window) {
    if (window.layout()) window.layout()->activate();
    const QSize extra = FrameExtra(window);
    const QSize room = AvailableRoom(window).expandedTo(window.minimumSizeHint());
    window.resize(window.sizeHint().expandedTo(window.minimumSizeHint()).boundedTo(room));
    if (window.testAttribute(Qt::WA_Moved)) window.move(ClampedPosition(window.pos(), window.size() + extra));
}

QPoint ClampedPosition(QPoint topLeft, QSize frame) {
    QScreen* screen = ScreenAt(topLeft);
    if (!screen) return topLeft;
    const QRect area = screen->availableGeometry();
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - frame.height()));
    return QPoint(x, y);
}

void PlaceWindow(QWidget& window, const Preferences& prefs) {
    const auto x = prefs.Number("x");
    const auto y = prefs.Number("y");
    if (x && y) window.move(ClampedPosition(QPoint(*x, *y), window.sizeHint()));
}

void StorePlace(const QWidget& window, const std::string& path) {
    if (path.empty()) return;
    Preferences prefs = Preferences::Read(path);
    prefs.Set("x", window.pos().x());
    prefs.Set("y", window.pos().y());
    prefs.Write(path);
}

}  // namespace fb::ui
