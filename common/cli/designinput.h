#pragma once
// What a tool says about its input beyond what the window shows: a file that is no design, a
// design the window would quietly compute with stand-ins (no core, a material not in the
// list, a file cut at the reader's buffer), and core files that cannot be read. The design is
// still computed as the window computes it; each case is a warning, or a refusal where nothing
// sensible can run.
#include <string>
#include <vector>

#include "common/cli/calctool.h"
#include "common/files/designfile.h"

namespace fb::cli {

struct InputCheck {
    std::string error;  // the run must not go on (status 2): no design section
    // The catalogue cannot be read (why): the run goes on with the user's cores as the window
    // does; a core it then does not find is status 2 with this, not "not listed".
    std::string catalogue;
    std::vector<std::string> warnings;
    std::string text;   // the design file as its reader sees it
    bool read = false;  // the file could be read (when not, the run's own reading says why)
};

// The bytes of a design file against what its reader takes in: no "INI_DATA" the reader could
// find (an empty file, any other text, UTF-16) is an error; cut at `bufferSize`, a zero byte,
// control characters and UTF-8 text are warnings.
InputCheck CheckDesignBytes(const std::string& path, std::size_t bufferSize);

// Then the core files of dataRoot: `catalogue` when the catalogue cannot be read, a warning
// when the user's file cannot.
void CheckCoreFiles(const std::string& dataRoot, InputCheck& check);

// The design file, as the program's reader reads it, and the core files; also warns when the
// reader finds no value at all.
template <class Input>
InputCheck CheckInputs(const std::string& dataRoot, const std::string& path, const CDesignFile<Input>& reader) {
    InputCheck check = CheckDesignBytes(path, reader.BufferSize());
    if (check.read && check.error.empty()) {
        Input read, none;
        reader.Parse(check.text, read);
        reader.Parse("", none);
        bool any = false;
        for (const KeyField<Input>& f : reader.Table())
            any = any || (f.readBack && f.ValueText(read) != f.ValueText(none));
        if (!any) check.warnings.push_back("В файле \"" + path + "\" нет ни одного значения расчета: все поля пусты.");
    }
    if (check.error.empty()) CheckCoreFiles(dataRoot, check);
    return check;
}

// The check's verdict on a run that ended `status` (kCalculated or kCoreNotListed): the warnings
// go into `r`, and a core not found for want of a catalogue becomes status 2 naming it.
void ApplyInputCheck(const InputCheck& check, Result& r);

// The warning for a design without a core name, computed for `used`, the first core of the
// list of shape `shape`.
std::string EmptyCoreWarning(int shape, const std::string& used);

// The warning for a material name (`wanted`, the default when empty) that begins no entry of
// `materials`, so that the entry `index` (the first) stands in for it; "" when it is listed.
std::string MaterialWarning(const std::vector<std::string>& materials, const std::string& wanted, int index);

}  // namespace fb::cli
