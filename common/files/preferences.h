#pragma once
// A window program's own preferences (window position, interface language) as "key=value"
// lines in a file of its own beside the settings file, so the settings and design files stay
// exactly what the calculation writes.
#include <map>
#include <optional>
#include <string>

#include "common/data/textfile.h"

namespace fb {

class Preferences {
public:
    // A missing, unreadable or garbled file gives no preferences (the defaults then hold).
    static Preferences Read(const std::string& path);
    // Written whole through a temporary file, so a crash never leaves half a file.
    WriteResult Write(const std::string& path) const;

    std::string Text(const std::string& key) const;
    // A whole number within ±1,000,000, or nothing.
    std::optional<int> Number(const std::string& key) const;
    // Keys and values are single lines; a line break is dropped.
    void Set(const std::string& key, const std::string& value);
    void Set(const std::string& key, int value) { Set(key, std::to_string(value)); }

private:
    std::map<std::string, std::string> m_values;
};

// "<folder><program>.prefs", e.g. "Flyback.prefs" in the program folder.
std::string PreferencesPath(const std::string& folder, const std::string& program);

}  // namespace fb
