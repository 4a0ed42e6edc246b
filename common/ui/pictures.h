#pragma once
// Compiled-in SVG pictures: a program's resources and a picture drawn at its own size.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <mutex>

namespace fb::ui {

// A program's compiled-in resources under ":/<name>/". Resources of a static library are
// registered by a Q_INIT_RESOURCE call written outside any namespace; `registration` wraps that
// call and runs once, the first time a path is asked for.
class ProgramResources {
public:
    ProgramResources(const char* name, void (*registration)());
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    // ":/<name>/<file>".
    QString Path(const QString& file) const;
    // The program's icon, "icon.svg".
    QIcon Icon() const { return QIcon(Path(QStringLiteral("icon.svg"))); }

private:
    QString m_root;
    void (*m_registration)();
    mutable std::once_flag m_registered;
};

// The SVG at `path` drawn from the top-left corner into width x height on white (never scaled
// to the widget that shows it); white alone when the file cannot be read.
QPixmap SvgPixmap(const QString& path, int width, int height);
// The same for the SVG text itself.
QPixmap SvgPixmap(const QByteArray& svg, int width, int height);

}  // namespace fb::ui
