#pragma once
// Windows that fit every screen: at 100 % a form keeps its natural size; on a small screen or
// at a high scale factor the window is bounded by the screen's available area and its form
// scrolls, so nothing is cut off.
#include <QPoint>
#include <QSize>
#include <string>

class QObject;
class QScrollArea;
class QWidget;

namespace fb {
class Preferences;
}

namespace fb::ui {

// A frameless scroll area holding `form` that asks for the whole form's size (a plain one asks
// for a small fixed size), so the window around it is as large as the form where there is room.
QScrollArea* NewFormScroll(QWidget* form, QWidget* parent);

// The room a window has on its screen: the available area less its frame (or an allowance for
// one while it is not shown yet).
QSize AvailableRoom(const QWidget& window);

// Resizes the window to its natural size bounded by the available area of its screen (less
// room for the title bar and frame) and moves it inside that area.
void FitToScreen(QWidget& window);

// From now on every window of the application is bounded by its screen's available area and
// moved into it when first shown (windows with a fixed size stay as they are). A window with an
// object name first goes where `places` keeps it ("<name>.x", "<name>.y"), as StorePlace wrote
// it. The filter is the application's child "fbWindowFitter".
void FitEveryWindow(QObject* application, const Preferences* places = nullptr);

// A top-left corner that keeps a window of `frame` size within the available area of the
// screen holding `topLeft` (the primary screen when none does, e.g. a screen since removed).
QPoint ClampedPosition(QPoint topLeft, QSize frame);

// The position stored in the preferences ("x", "y"), kept on the screen area there is now;
// nothing stored, nothing moved.
void PlaceWindow(QWidget& window, const Preferences& prefs);
// The window's position into the preferences file at `path`, beside what else it holds
// (the language), and that of each of its own windows with an object name (the loss, adviser
// and plots windows); no path, nothing written. A failed write costs only the positions.
void StorePlace(const QWidget& window, const std::string& path);

}  // namespace fb::ui
