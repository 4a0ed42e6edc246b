#include "boostcoil/ui/hints.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "boostcoil/ui/pictures.h"
#include "common/ui/formwidgets.h"
#include "common/ui/language.h"

namespace fb {
namespace {

// The drawing with its one word ("Контроллер") in the interface language.
QByteArray SchematicSvg() {
    QFile file(SchematicPicturePath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString svg = QString::fromUtf8(file.readAll());
    const QString word = QStringLiteral("Контроллер");
    svg.replace(QLatin1Char('>') + word + QLatin1Char('<'),
                QLatin1Char('>') + ui::Translated(word).toHtmlEscaped() + QLatin1Char('<'));
    return svg.toUtf8();
}

}  // namespace

CHints::CHints(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Типовая схема корректора коэффициента мощности"));
    // Drawn at its own size, never scaled to the window.
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer;
    if (renderer.load(SchematicSvg())) {
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
