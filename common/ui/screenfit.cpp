#include "common/ui/screenfit.h"

#include <QEvent>
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

class WindowFitter : public QObject {
public:
    explicit WindowFitter(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("fbWindowFitter")); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && !watched->property("fbFitted").toBool()) {
            auto* w = static_cast<QWidget*>(watched);
            const Qt::WindowType type = w->windowType();  // not menus, tooltips and the like
            if (type == Qt::Window || type == Qt::Dialog) {
                w->setProperty("fbFitted", true);
                const QSize extra = FrameExtra(*w);
                w->resize(w->size().boundedTo(AvailableRoom(*w)).expandedTo(w->minimumSize()));
                w->move(ClampedPosition(w->pos(), w->size() + extra));
            }
        }
        return false;
    }
};

}  // namespace

void FitEveryWindow(QObject* application) { application->installEventFilter(new WindowFitter(application)); }

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
