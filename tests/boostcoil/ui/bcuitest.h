#pragma once
// Helpers of the Boostcoil window tests: a small data root of the test's own in a temporary
// folder, the current folder set to its program folder, a message recorder installed, and a
// driver for the modal dialogs the window opens.
#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "boostcoil/ui/boostcoildlg.h"
#include "common/ui/formbinding.h"
#include "common/ui/messageseam.h"
#include "support/tempdir.h"

namespace bctest {

using fbtest::TempDir;

// Windows-1251 text with CR LF from lines written with "\n" (ASCII content).
std::string Crlf(const std::string& text);

// A data root with a wire table, five E cores (E 36/18/11 last), two EI cores, one ER core,
// the materials "N87 Epcos" and "N97 Epcos" and the help file "Boostcoil/ReadMe.txt".
class DataRoot {
public:
    DataRoot();
    std::string root() const { return m_dir.path() + "/"; }
    std::string programFolder() const { return m_dir.path() + "/Boostcoil/"; }
    void write(const std::string& rel, const std::string& text) const { m_dir.write(rel, text); }
    void remove(const std::string& rel) const;
    std::string read(const std::string& rel) const { return m_dir.read(rel); }
    bool exists(const std::string& rel) const { return m_dir.exists(rel); }

private:
    TempDir m_dir;
};

// A loss table with a single frequency: the design refuses such a material.
std::string MaterialWithoutTable();

// Enters a folder for the life of a scope.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();

private:
    QString m_previous;
};

// Finds a control by its ID; a missing one, or one of another type, fails loudly.
template <class W>
W* Ctl(const QWidget* form, int id) {
    W* w = qobject_cast<W*>(fb::ui::FindControl(form, id));
    if (!w) throw std::runtime_error("control " + std::to_string(id) + " has another type");
    return w;
}

// Runs `act` on the next modal dialog as soon as its exec() shows it. When `act` leaves the
// dialog open, it is cancelled, so a failing test ends instead of waiting for a click.
void OnNextModal(std::function<void(QDialog*)> act);

// A window test: data root, current folder, message recorder; start() runs the start-up.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : m_folder(data.programFolder()), m_seam(&messages) {}
    bool start() {
        window = std::make_unique<fb::CBoostcoilDlg>();
        return window->Startup();
    }
    QString text(int id) const;           // an edit's, combo box's, result's or label's text
    void type(int id, const QString& s);  // types into an edit as the user does
    void click(int id);

    DataRoot data;
    fb::ui::MessageRecorder messages;
    std::unique_ptr<fb::CBoostcoilDlg> window;

private:
    CurrentFolder m_folder;
    fb::ui::ScopedMessageSeam m_seam;
};

}  // namespace bctest
