#pragma once
// Helpers of the window tests: a small data root of the test's own in a temporary folder,
// the current folder set to its program folder, and a message recorder installed.
#include <QString>
#include <string>

#include "common/ui/coregroup.h"
#include "flyback/ui/flybackdlg.h"
#include "support/windowtest.h"

namespace fbtest {

// A data root with a wire table, four E cores, two EI cores, one ER core, the materials
// "N87 Epcos" and "N97 Epcos" (loss table up to 300 kHz) and the help file.
class DataRoot : public WindowDataRoot {
public:
    DataRoot();
};

class WindowTest : public WindowTestOf<fb::CFlybackDlg, DataRoot> {
protected:
    QString text(int id) const;  // an edit's or result's text
};

// A core group alone, with the Boostcoil control IDs and its lowering to the first entry.
fb::ui::CoreGroupConfig FirstLoweringCoreGroup();

}  // namespace fbtest
