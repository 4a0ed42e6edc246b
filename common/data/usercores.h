#pragma once
// Appending a core to the user catalogue without ever losing one: the other program may
// have added cores since this one started, so the record goes onto the file as it stands
// on disk, under a lock, and the file is replaced whole (temporary file and rename).
#include <string>

namespace fb {

struct AppendCoreResult {
    bool ok = false;
    std::string error;     // readable Russian sentence when !ok; nothing was written then
    std::string userText;  // the whole user file as written, decoded (the user's own file, unbounded)
    std::string warning;   // when ok but the file could not be read back: a Russian sentence
};

// `record` is UTF-8 with CR LF. Without the lock on the cores folder nothing is written.
// A non-empty `geometryRecord` goes onto the user geometry file under the same lock, after the
// core record; the core is kept even when that second append fails (its geometry is then estimated).
AppendCoreResult AppendUserCore(const std::string& dataRoot, const std::string& record,
                                const std::string& geometryRecord = {});

// Creates the empty user file under the same lock, and only when no file of that name
// exists, so a core the other program is appending is never replaced. False when it was
// not created (it exists, or the folder cannot be locked or written).
bool CreateUserCoresFile(const std::string& dataRoot);

}  // namespace fb
