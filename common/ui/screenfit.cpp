#include "common/ui/screenfit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <optional>

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

// The position `prefs` keeps under `name` ("x", "y", or "<name>.x", "<name>.y").
std::optional<QPoint> StoredPlace(const Preferences& prefs, const std::string& name) {
    const std::string prefix = name.empty() ? std::string() : name + ".";
    const auto x = prefs.Number(prefix + "x");
    const auto y = prefs.Number(prefix + "y");
    return x && y ? std::optional<QPoint>(QPoint(*x, *y)) : std::nullopt;
}

class WindowFitter : public QObject {
public:
    WindowFitter(QObject* parent, const Preferences* places) : QObject(parent) {
        setObjectName(QStringLiteral("fbWindowFitter"));
        if (places) m_places = *places;
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && !watched->property("fbFitted").toBool()) {
            auto* w = static_cast<QWidget*>(watched);
            const Qt::WindowType type = w->windowType();  // not menus, tooltips and the like
            if (type == Qt::Window || type == Qt::Dialog) {
                w->setProperty("fbFitted", true);
                const QSize extra = FrameExtra(*w);
                w->resize(w->size().boundedTo(AvailableRoom(*w)).expandedTo(w->minimumSize()));
                const std::string name = w->objectName().toStdString();
                const std::optional<QPoint> stored = name.empty() ? std::nullopt : StoredPlace(m_places, name);
                w->move(ClampedPosition(stored.value_or(w->pos()), w->size() + extra));
            }
        }
        return false;
    }

private:
    Preferences m_places;
};

}  // namespace

void FitEveryWindow(QObject* application, const Preferences* places) {
    application->installEventFilter(new WindowFitter(application, places));
}

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
    if (const std::optional<QPoint> place = StoredPlace(prefs, ""))
        window.move(ClampedPosition(*place, window.sizeHint()));
}

void StorePlace(const QWidget& window, const std::string& path) {
    if (path.empty()) return;
    Preferences prefs = Preferences::Read(path);
    prefs.Set("x", window.pos().x());
    prefs.Set("y", window.pos().y());
    for (const QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = w->objectName().toStdString();
        if (!w->isWindow() || name.empty() || !w->property("fbFitted").toBool()) continue;  // never shown
        prefs.Set(name + ".x", w->pos().x());
        prefs.Set(name + ".y", w->pos().y());
    }
    prefs.Write(path);
}

}  // namespace fb::ui
