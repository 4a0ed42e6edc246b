#pragma once
// Whether the core files of a data root can be read, with the reason when not. The core base
// reads them quietly (a missing catalogue is one message; an unreadable user file is nothing),
// so a tool or a window asks here to name the file and say why.
#include <string>

#include "common/files/startup.h"

namespace fb {

// Why the file at `path` cannot be read ("" when it can): missing, not a regular file (a
// folder, a pipe), no permission, or the system's reason.
std::string UnreadableReason(const std::string& path);

// The shipped catalogue: a failure naming it when it is missing or cannot be read.
StartupResult CatalogueFailure(const std::string& dataRoot);

// The user's core file: a failure naming it when it exists but cannot be read (an absent file
// is no failure: it is made when the first core is added). The program can go on without it.
StartupResult UserCoreFileFailure(const std::string& dataRoot);

}  // namespace fb
