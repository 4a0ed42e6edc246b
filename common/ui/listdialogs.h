#pragma once
// The saved-file list dialogs both programs use instead of the platform's file dialogs: the
// matching files of one folder in a sorted list, rebuilt whenever the dialog is activated or
// deactivated, so files made or deleted meanwhile appear or vanish. Each dialog takes its data
// in the constructor and hands the result back through getters; the caller runs exec().
#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace fb::ui {

struct SavedFilesConfig {
    int listId = 1007;
    int openNameId = 1006;  // read-only name field of the open dialog
    int saveNameId = 1005;  // editable name field of the save dialog
    std::vector<std::string> openExtensions{".sav", ".ini"};
    std::vector<std::string> saveExtensions{".sav"};
    QString replaceQuestion;  // "%1" stands for the name
    std::string folder;       // "" = the current folder
    int widthDu = 400;        // dialog units
    int heightDu = 210;

    static SavedFilesConfig Flyback() {
        SavedFilesConfig c;
        c.replaceQuestion = QStringLiteral("Заменить файл \"%1\"?");
        return c;
    }
    static SavedFilesConfig Boostcoil() {
        SavedFilesConfig c;
        c.listId = 1008;
        c.openNameId = 1005;
        c.saveNameId = 1006;
        c.replaceQuestion = QStringLiteral("Заменить файл %1 ?");
        return c;
    }
};

// What the two dialogs share: the list, the name field and the refresh on activation.
class SavedFilesDialog : public QDialog {
    Q_OBJECT
public:
    // The field `name`: the name field's text as it was when the dialog closed with OK.
    QString name() const { return m_name; }
    // Lists the folder's matching files again (the selection is lost, the name field stays).
    void refresh();

protected:
    SavedFilesDialog(const SavedFilesConfig& config, std::vector<std::string> extensions, int nameId,
                     const QString& title, const QString& label, const QString& okText, QWidget* parent);
    bool event(QEvent* e) override;
    // A double click first selects its line, as a click does.
    void selectLine(QListWidgetItem* item);
    QListWidgetItem* selectedLine() const;

    SavedFilesConfig m_config;
    QListWidget* m_list;
    QLineEdit* m_nameEdit;
    QString m_name;

private:
    void onSelectionChanged();

    std::vector<std::string> m_extensions;
};

// "Открыть файл...": the ".sav" and ".ini" files; "Открыть" and a double click need a line.
class COpenFile : public SavedFilesDialog {
    Q_OBJECT
public:
    explicit COpenFile(const SavedFilesConfig& config, QWidget* parent = nullptr);
    // The chosen file, relative to the current folder (or in the configured folder).
    std::string filePath() const;

private:
    void onOpen();
};

// "Сохранить как...": the ".sav" files and an editable name, preset by the caller. A name that
// would replace a file is confirmed first.
class CSaveFile : public SavedFilesDialog {
    Q_OBJECT
public:
    CSaveFile(const SavedFilesConfig& config, const QString& proposedName, QWidget* parent = nullptr);
    // The name to write: `name` with ".sav" appended unless it holds ".sav" already.
    std::string fileName() const;
    std::string filePath() const;

private:
    void onSave();
    bool confirmReplace();
    bool ask(const QString& fileName);
};

// The PFC program's names for the same dialogs.
using COpenFileDlg = COpenFile;
using CSaveFileDlg = CSaveFile;

}  // namespace fb::ui
