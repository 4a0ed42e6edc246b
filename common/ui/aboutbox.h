#pragma once
// The about box: icon, description, version and date, closed by "OK".
#include <QDialog>
#include <QIcon>
#include <QString>

#include "common/data/programinfo.h"

namespace fb::ui {

struct AboutConfig {
    QString title = QStringLiteral("О программе");
    int widthDu = 260;  // dialog units
    int heightDu = 168;
    QIcon icon;
    QString description;
    QString version;
    QString date;

    static AboutConfig Of(const ProgramInfo& program, const QIcon& icon) {
        return {QStringLiteral("О программе"),
                260,
                168,
                icon,
                QString::fromUtf8(program.description),
                QString::fromStdString(program.VersionLine()),
                QString::fromUtf8(program.date)};
    }
};

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const AboutConfig& config, QWidget* parent = nullptr);
};

void ShowAbout(QWidget* parent, const AboutConfig& config);

}  // namespace fb::ui
