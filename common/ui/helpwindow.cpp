#include "common/ui/helpwindow.h"

#include <QFileInfo>
#include <QPlainTextEdit>

#include "common/data/textfile.h"
#include "common/ui/dialogunits.h"
#include "common/ui/formwidgets.h"
#include "common/ui/language.h"
#include "common/ui/messageseam.h"
#include "common/ui/screenfit.h"

namespace fb::ui {

CHelpDlg::CHelpDlg(const HelpConfig& config, QWidget* parent) : QDialog(parent), m_config(config) {
    setWindowTitle(Translated(config.title));
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("id1007"));
    m_edit->setReadOnly(true);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LayOutAboveOk(this, m_edit);
    resize(DialogUnitsToPixels(this, config.widthDu, config.heightDu).boundedTo(AvailableRoom(*this)));
}

// The English help ("ReadMe.en.txt" beside "ReadMe.txt") in an English interface, while it exists.
QString CHelpDlg::fileName() const {
    if (InterfaceLanguage() != Language::English) return m_config.fileName;
    QString english = m_config.fileName;
    english.replace(QStringLiteral(".txt"), QStringLiteral(".en.txt"));
    return QFileInfo::exists(english) ? english : m_config.fileName;
}

bool CHelpDlg::Load() {
    const ReadResult file = ReadTextFile(fileName().toStdString(), m_config.bufferSize);
    if (!file.ok) {
        MessageSeam::current().warn(parentWidget(), m_config.missingCaption, m_config.missingText);
        return false;
    }
    // The file's CR LF pairs are its line ends; the text field wants single breaks.
    QString text = QString::fromStdString(file.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_edit->setPlainText(text);
    return true;
}

QString CHelpDlg::text() const { return m_edit->toPlainText(); }

void ShowHelp(QWidget* parent, const HelpConfig& config) {
    CHelpDlg dialog(config, parent);
    if (dialog.Load()) dialog.exec();
}

}  // namespace fb::ui
