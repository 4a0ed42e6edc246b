#pragma once
// The forms were measured in dialog units of the 8-point dialog font: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the line height.
#include <QSize>

class QWidget;

namespace fb::ui {

QSize DialogUnitsToPixels(const QWidget* widget, int x, int y);

}  // namespace fb::ui
