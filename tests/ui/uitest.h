#pragma once
// Helpers of the window tests: a small data root of the test's own in a temporary folder,
// the current folder set to its program folder, and a message recorder installed.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "common/ui/formbinding.h"
#include "common/ui/messageseam.h"
#include "flyback/ui/flybackdlg.h"
#include "support/tempdir.h"

namespace fbtest {

// Windows-1251 text with CR LF from lines written with "\n" (ASCII content).
std::string Crlf(const std::string& text);

// A data root with a wire table, four E cores, two EI cores, one ER core, the materials
// "N87 Epcos" and "N97 Epcos" (loss table up to 300 kHz) and the help file.
class DataRoot {
public:
    DataRoot();
    const TempDir& dir() const { return m_dir; }
    std::string root() const { return m_dir.path() + "/"; }
    std::string programFolder() const { return m_dir.path() + "/Flyback/"; }
    void write(const std::string& rel, const std::string& text) const { m_dir.write(rel, text); }
    void remove(const std::string& rel) const;
    std::string read(const std::string& rel) const { return m_dir.read(rel); }
    bool exists(const std::string& rel) const { return m_dir.exists(rel); }

private:
    TempDir m_dir;
};

// Enters a folder for the life of a scope.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();

private:
    QString m_previous;
};

// Finds a control by its ID; a missing one fails loudly instead of crashing later.
template <class W>
W* Ctl(const QWidget* form, int id) {
    W* w = qobject_cast<W*>(fb::ui::FindControl(form, id));
    if (!w) throw std::runtime_error("control " + std::to_string(id) + " has another type");
    return w;
}

// A window test: data root, current folder, message recorder; start() runs the start-up.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : m_folder(data.programFolder()), m_seam(&messages) {}
    bool start() {
        window = std::make_unique<fb::CFlybackDlg>();
        return window->Startup();
    }
    QString text(int id) const;          // an edit's or result's text
    void type(int id, const QString& s);  // types into an edit as the user does
    void click(int id);

    DataRoot data;
    fb::ui::MessageRecorder messages;
    std::unique_ptr<fb::CFlybackDlg> window;

private:
    CurrentFolder m_folder;
    fb::ui::ScopedMessageSeam m_seam;
};

}  // namespace fbtest
