#include "boostcoil/ui/hints.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "boostcoil/ui/pictures.h"

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

    auto* ok = new QPushButton(QStringLiteral("ОК"), this);  // Cyrillic letters
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace fb
