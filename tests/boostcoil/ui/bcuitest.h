#pragma once
// Helpers of the Boostcoil window tests: a small data root of the test's own in a temporary
// folder, the current folder set to its program folder, a message recorder installed, and a
// driver for the modal dialogs the window opens.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "boostcoil/ui/boostcoildlg.h"
#include "support/windowtest.h"

namespace bctest {

using fbtest::Crlf;
using fbtest::Ctl;
using fbtest::CurrentFolder;
using fbtest::TempDir;

// A data root with a wire table, five E cores (E 36/18/11 last), two EI cores, one ER core,
// the materials "N87 Epcos" and "N97 Epcos" and the help file "Boostcoil/ReadMe.txt".
class DataRoot : public fbtest::WindowDataRoot {
public:
    DataRoot();
};

// A loss table with a single frequency: the design refuses such a material.
std::string MaterialWithoutTable();

// Runs `act` on the next modal dialog as soon as its exec() shows it. When `act` leaves the
// dialog open, it is cancelled, so a failing test ends instead of waiting for a click.
void OnNextModal(std::function<void(QDialog*)> act);

class WindowTest : public fbtest::WindowTestOf<fb::CBoostcoilDlg, DataRoot> {
protected:
    QString text(int id) const;  // an edit's, combo box's, result's or label's text
};

}  // namespace bctest
