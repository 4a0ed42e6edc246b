#include "boostcoil/ui/hints.h"

#include <QFile>
#include <QLabel>
#include <QVBoxLayout>

#include "boostcoil/ui/pictures.h"
#include "common/ui/formwidgets.h"
#include "common/ui/language.h"
#include "common/ui/pictures.h"

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
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("schematic"));
    m_picture->setPixmap(ui::SvgPixmap(SchematicSvg(), kPictureWidth, kPictureHeight));
    m_picture->setFixedSize(kPictureWidth, kPictureHeight);
    ui::LayOutAboveOk(this, m_picture)->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace fb
