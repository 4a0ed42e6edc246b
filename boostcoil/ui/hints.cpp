#include "boostcoil/ui/hints.h"

#include <QLabel>
#include <QVBoxLayout>

#include "boostcoil/ui/pictures.h"
#include "common/ui/formwidgets.h"
#include "common/ui/pictures.h"

namespace fb {

CHints::CHints(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Типовая схема корректора коэффициента мощности"));
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("schematic"));
    m_picture->setPixmap(ui::SvgPixmap(SchematicPicturePath(), kPictureWidth, kPictureHeight));
    m_picture->setFixedSize(kPictureWidth, kPictureHeight);
    ui::LayOutAboveOk(this, m_picture)->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace fb
