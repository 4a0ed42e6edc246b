#include "common/ui/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace fb::ui {

ProgramResources::ProgramResources(const char* name, void (*registration)())
    : m_root(QStringLiteral(":/") + QString::fromLatin1(name) + QLatin1Char('/')), m_registration(registration) {}

QString ProgramResources::Path(const QString& file) const {
    std::call_once(m_registered, m_registration);
    return m_root + file;
}

namespace {

// `source` is a path or the SVG text itself, as QSvgRenderer::load takes either.
template <class Source>
QPixmap Drawn(const Source& source, bool given, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer;
    if (given && renderer.load(source)) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    return pixmap;
}

}  // namespace

QPixmap SvgPixmap(const QString& path, int width, int height) { return Drawn(path, !path.isEmpty(), width, height); }

QPixmap SvgPixmap(const QByteArray& svg, int width, int height) { return Drawn(svg, !svg.isEmpty(), width, height); }

}  // namespace fb::ui
