#pragma once
// Every message box of the windows goes through one object, so a test can replace it with a
// recorder that keeps the texts in order and answers the questions without a modal loop.
#include <QString>
#include <deque>
#include <vector>

#include "common/data/message.h"

class QWidget;

namespace fb::ui {

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // A modal box with one OK button.
    virtual void warn(QWidget* parent, const QString& caption, const QString& text);
    // A modal box with OK and Cancel; true for OK.
    virtual bool question(QWidget* parent, const QString& caption, const QString& text);

    // The seam in use: the installed one, or the real message boxes.
    static MessageSeam& current();
    // Installs a replacement (not owned); nullptr restores the real message boxes.
    static void install(MessageSeam* seam);
};

// The engines hand messages over as data; these show them through the seam, in order.
void ShowMessage(QWidget* parent, const fb::Message& message);
void ShowMessages(QWidget* parent, const fb::Messages& messages);

// The test double: keeps every message and answers questions from a queue (OK when empty).
class MessageRecorder : public MessageSeam {
public:
    struct Entry {
        QString caption;
        QString text;
        bool question = false;
    };

    void warn(QWidget* parent, const QString& caption, const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;

    void answerNext(bool ok) { m_answers.push_back(ok); }
    const std::vector<Entry>& entries() const { return m_entries; }
    QStringList texts() const;
    void clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    std::deque<bool> m_answers;
};

// Installs a seam for the life of a scope (a test) and puts the previous one back.
class ScopedMessageSeam {
public:
    explicit ScopedMessageSeam(MessageSeam* seam);
    ~ScopedMessageSeam();
    ScopedMessageSeam(const ScopedMessageSeam&) = delete;
    ScopedMessageSeam& operator=(const ScopedMessageSeam&) = delete;

private:
    MessageSeam* m_previous;
};

}  // namespace fb::ui
