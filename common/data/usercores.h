#pragma once
// Appending a core to the user catalogue without ever losing one: the other program may
// have added cores since this one started, so the record goes onto the file as it stands
// on disk, under a lock, and the file is replaced whole (temporary file and rename).
#include <string>

namespace fb {

struct AppendCoreResult {
    bool ok = false;
    std::string error;     // readable Russian sentence when !ok
    std::string userText;  // the user file as this program now reads it (bounded, decoded)
};

// `record` is UTF-8 with CR LF; bufferSize bounds the returned text as the program reads it.
// A non-empty `geometryRecord` goes onto the user geometry file under the same lock, after the
// core record; the core is kept even when that second append fails (its geometry is then estimated).
AppendCoreResult AppendUserCore(const std::string& dataRoot, const std::string& record, std::size_t bufferSize,
                                const std::string& geometryRecord = {});

}  // namespace fb
