#include "common/ui/messageseam.h"

#include <QMessageBox>
#include <QStringList>

#include "common/ui/language.h"

namespace fb::ui {
namespace {

MessageSeam* g_installed = nullptr;

}  // namespace

// The boxes show every message in the interface language: a whole text or template from the
// translation, else each run of Russian words that has one (values stay as they are).
void MessageSeam::warn(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::warning(parent, Translated(caption), Translated(text), QMessageBox::Ok);
}

bool MessageSeam::question(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, Translated(caption), Translated(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

MessageSeam& MessageSeam::current() {
    static MessageSeam real;
    return g_installed ? *g_installed : real;
}

void MessageSeam::install(MessageSeam* seam) { g_installed = seam; }

void ShowMessage(QWidget* parent, const fb::Message& message) {
    MessageSeam::current().warn(parent, QString::fromStdString(message.caption), QString::fromStdString(message.text));
}

void ShowMessages(QWidget* parent, const fb::Messages& messages) {
    for (const fb::Message& m : messages) ShowMessage(parent, m);
}

void MessageRecorder::warn(QWidget*, const QString& caption, const QString& text) {
    m_entries.push_back({caption, text, false});
}

bool MessageRecorder::question(QWidget*, const QString& caption, const QString& text) {
    m_entries.push_back({caption, text, true});
    if (m_answers.empty()) return true;
    const bool ok = m_answers.front();
    m_answers.pop_front();
    return ok;
}

QStringList MessageRecorder::texts() const {
    QStringList out;
    for (const Entry& e : m_entries) out << e.text;
    return out;
}

ScopedMessageSeam::ScopedMessageSeam(MessageSeam* seam) : m_previous(g_installed) { MessageSeam::install(seam); }

ScopedMessageSeam::~ScopedMessageSeam() { MessageSeam::install(m_previous); }

}  // namespace fb::ui
