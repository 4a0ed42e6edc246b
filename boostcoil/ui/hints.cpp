#include "boostcoil/ui/hints.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "boostcoil/ui/pictures.h"
#include "common/ui/formwidgets.h"

namespace fb {

CHints::CHints(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Типовая схема корректора коэффициента мощности"));
    // Drawn at its own size, never scaled to the window.
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer;
    if (renderer.load(SchematicPicturePath())) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, kPictureWidth, kPictureHeight));
    }
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("schematic"));
    m_picture->setPixmap(pixmap);
    m_picture->setFixedSize(kPictureWidth, kPictureHeight);
    ui::LayOutAboveOk(this, m_picture)->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace fb
