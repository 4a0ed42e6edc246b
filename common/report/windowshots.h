#pragma once
// The screenshot tools' second use: a whole session of a main window drawn window by window
// ("<prefix><name>.png"), so every window can be looked at in each language and on each screen.
#include <QString>
#include <functional>

#include "common/ui/aboutbox.h"
#include "common/ui/helpwindow.h"
#include "common/ui/listdialogs.h"

namespace fb::ui {
class DesignWindow;
class MessageRecorder;
}  // namespace fb::ui

namespace fb::report {

class CDesignTools;

struct SessionWindows {
    ui::SavedFilesConfig files;
    ui::HelpConfig help;
    ui::AboutConfig about;
    // The program's own windows (the clamper, the schematic): each drawn through `shoot`.
    std::function<void(const std::function<bool(QWidget&, const char*)>& shoot)> own;
};

// Shows the started `window` and every window a session opens from it (the add-core modes, the
// list dialogs, help, about, "Намотка и потери", "Подбор сердечника", "Графики", a Qt file
// dialog, the program's own windows) and draws each, then each message box `messages` recorded
// on the way. False when a picture could not be written.
bool ShootSession(ui::DesignWindow& window, CDesignTools& tools, ui::MessageRecorder& messages,
                  const SessionWindows& windows, const QString& prefix);

}  // namespace fb::report
