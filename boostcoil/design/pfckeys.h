#pragma once
// The settings keys of Boostcoil: "Boostcoil.ini" and the ".sav" files hold these lines in
// this order, read with the PFC program's lookup rule and reading buffer.
#include <vector>

#include "boostcoil/design/pfc.h"
#include "common/files/designfile.h"

namespace fb {

const std::vector<KeyField<PfcInput>>& PfcKeyTable();

// Reader and writer of Boostcoil's design files.
CDesignFile<PfcInput> PfcDesignFile();

}  // namespace fb
