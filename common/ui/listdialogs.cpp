#include "common/ui/listdialogs.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

#include "common/data/message.h"
#include "common/data/textfile.h"
#include "common/files/savedfiles.h"
#include "common/ui/dialogunits.h"
#include "common/ui/formbinding.h"
#include "common/ui/language.h"
#include "common/ui/messageseam.h"

namespace fb::ui {

SavedFilesDialog::SavedFilesDialog(const SavedFilesConfig& config, std::vector<std::string> extensions, int nameId,
                                   const QString& title, const QString& label, const QString& okText, QWidget* parent)
    : QDialog(parent), m_config(config), m_extensions(std::move(extensions)) {
    setWindowTitle(title);
    m_list = new QListWidget(this);
    m_list->setObjectName(ControlName(config.listId));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* caption = new QLabel(label, this);
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(ControlName(nameId));
    caption->setBuddy(m_nameEdit);
    auto* ok = new QPushButton(okText, this);
    ok->setObjectName(ControlName(1));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(ControlName(2));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &SavedFilesDialog::onSelectionChanged);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(caption);
    layout->addWidget(m_nameEdit);
    layout->addLayout(buttons);
    setFixedSize(DialogUnitsToPixels(this, config.widthDu, config.heightDu).expandedTo(minimumSizeHint()));
    refresh();
}

void SavedFilesDialog::refresh() {
    const QSignalBlocker block(m_list);  // emptying the list is no choice of the user's
    m_list->clear();
    for (const std::string& file : ListSavedFiles(m_config.folder, m_extensions))
        m_list->addItem(QString::fromStdString(file));
}

bool SavedFilesDialog::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) refresh();
    return QDialog::event(e);
}

void SavedFilesDialog::onSelectionChanged() {
    if (QListWidgetItem* item = selectedLine()) {
        m_name = item->text();
        m_nameEdit->setText(m_name);
    }
}

QListWidgetItem* SavedFilesDialog::selectedLine() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void SavedFilesDialog::selectLine(QListWidgetItem* item) {
    if (item && !item->isSelected()) m_list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
}

COpenFile::COpenFile(const SavedFilesConfig& config, QWidget* parent)
    : SavedFilesDialog(config, config.openExtensions, config.openNameId, QStringLiteral("Открыть файл..."),
                       QStringLiteral("Открыть файл:"), QStringLiteral("Открыть"), parent) {
    m_nameEdit->setReadOnly(true);
    connect(findChild<QPushButton*>(ControlName(1)), &QPushButton::clicked, this, &COpenFile::onOpen);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        selectLine(item);
        onOpen();
    });
    m_list->setFocus();
}

void COpenFile::onOpen() {
    QListWidgetItem* item = selectedLine();
    if (!item) return;  // nothing chosen: the dialog stays open
    m_name = item->text();
    m_nameEdit->setText(m_name);
    m_name = m_nameEdit->text();
    accept();
}

std::string COpenFile::filePath() const { return SavedFilePath(m_config.folder, m_name.toStdString()); }

CSaveFile::CSaveFile(const SavedFilesConfig& config, const QString& proposedName, QWidget* parent)
    : SavedFilesDialog(config, config.saveExtensions, config.saveNameId, QStringLiteral("Сохранить как..."),
                       QStringLiteral("Имя файла для сохранения:"), QStringLiteral("Сохранить"), parent) {
    m_name = proposedName;
    m_nameEdit->setText(m_name);
    connect(findChild<QPushButton*>(ControlName(1)), &QPushButton::clicked, this, &CSaveFile::onSave);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        selectLine(item);
        onSave();
    });
    m_nameEdit->setFocus();
    m_nameEdit->selectAll();
}

void CSaveFile::onSave() {
    m_name = m_nameEdit->text();
    // An empty name would write a file named only ".sav", hidden here and never listed again.
    if (m_name.isEmpty()) return;
    // Only into the program folder, and never as a hidden file: the dialog stays open.
    const std::string problem = SavedNameProblem(fileName());
    if (!problem.empty()) {
        ShowMessage(this, Warning(problem));
        return;
    }
    if (confirmReplace()) accept();
}

bool CSaveFile::confirmReplace() {
    // The lines are copied first: the question deactivates the dialog, which rebuilds the list.
    QStringList lines;
    for (int i = 0; i < m_list->count(); ++i) lines << m_list->item(i)->text();
    QString asked;
    for (const QString& line : lines) {
        if (line != m_name) continue;
        if (!ask(m_name)) return false;
        asked = m_name;
        break;
    }
    // The file really written may be another one: ".sav" is appended to a name without it, and
    // the list may be older than the folder. Replacing it is confirmed too, never silent.
    const QString written = QString::fromStdString(fileName());
    if (written != asked && FileExists(filePath())) return ask(written);
    return true;
}

bool CSaveFile::ask(const QString& fileName) {
    return MessageSeam::current().question(this, QString::fromUtf8(kWarningCaption),
                                           Translated(m_config.replaceQuestion).arg(fileName));
}

std::string CSaveFile::fileName() const { return WithSavedExtension(m_name.toStdString()); }

std::string CSaveFile::filePath() const { return SavedFilePath(m_config.folder, fileName()); }

}  // namespace fb::ui
