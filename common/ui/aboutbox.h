#pragma once
// The about box: icon, description, version and date, closed by "OK".
#include <QDialog>
#include <QIcon>
#include <QString>

namespace fb::ui {

struct AboutConfig {
    QString title = QStringLiteral("О программе");
    int widthDu = 260;  // dialog units
    int heightDu = 168;
    QIcon icon;
    QString description;
    QString version;
    QString date;

    static AboutConfig Flyback(const QIcon& icon) {
        return {QStringLiteral("О программе"), 260, 168, icon,
                QStringLiteral("Flyback - Программа расчета трансформатора обратноходового преобразователя"),
                QStringLiteral("Версия 7.1"), QStringLiteral("17.04.2015")};
    }
    static AboutConfig Boostcoil(const QIcon& icon) {
        return {QStringLiteral("О программе"), 260, 168, icon,
                QStringLiteral("Boostcoil - Расчет дросселя для корректора коэффициента мощности"),
                QStringLiteral("Версия 2.0"), QStringLiteral("19.04.2015")};
    }
};

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const AboutConfig& config, QWidget* parent = nullptr);
};

void ShowAbout(QWidget* parent, const AboutConfig& config);

}  // namespace fb::ui
