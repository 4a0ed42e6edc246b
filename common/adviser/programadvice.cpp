#include "common/adviser/programadvice.h"

namespace fb {

bool LoadSweepWires(const std::string& dataRoot, std::size_t buffer, CWireTable& wires, SweepRun& run) {
    if (wires.Load(dataRoot, buffer)) return true;
    const std::string text = CWireTable::MissingFileMessage(dataRoot).text;
    run.error = text.substr(0, text.find('\n'));
    return false;
}

}  // namespace fb
