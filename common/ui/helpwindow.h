#pragma once
// The help window: "ReadMe.txt" of the current folder (in English "ReadMe.en.txt" when it
// exists) in a read-only text field. It is read
// again every time the window opens, so an edited or deleted file shows at once.
#include <QDialog>
#include <QString>
#include <cstddef>

class QPlainTextEdit;

namespace fb::ui {

struct HelpConfig {
    QString title = QStringLiteral("Помощь");
    int widthDu = 400;  // dialog units
    int heightDu = 274;
    std::size_t bufferSize = 30000;  // the text shown is at most bufferSize - 1 bytes of the file
    QString fileName = QStringLiteral("ReadMe.txt");
    QString missingCaption = QStringLiteral("Внимание!");
    QString missingText = QStringLiteral("В папке с программой отсутствует файл ReadMe.txt");

    static HelpConfig Flyback() { return {}; }
    static HelpConfig Boostcoil() {
        HelpConfig c;
        c.heightDu = 310;
        c.bufferSize = 10000;
        c.missingCaption = QStringLiteral("Ошибка!");
        c.missingText = QStringLiteral("В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена");
        return c;
    }
};

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(const HelpConfig& config, QWidget* parent = nullptr);
    // Reads the help file; when it cannot be opened shows the message through the seam and
    // returns false (the window is then not shown).
    bool Load();
    QString text() const;
    // The file Load() reads: in English the English help when there is one.
    QString fileName() const;

private:
    HelpConfig m_config;
    QPlainTextEdit* m_edit;
};

// "Помощь": load and run the help window modally.
void ShowHelp(QWidget* parent, const HelpConfig& config);

}  // namespace fb::ui
