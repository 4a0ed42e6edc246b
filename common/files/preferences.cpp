#include "common/files/preferences.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace fb {
namespace {

constexpr std::size_t kPrefsBuffer = 4096;

std::string Trimmed(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

std::string OneLine(std::string s) {
    s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }), s.end());
    return s;
}

}  // namespace

Preferences Preferences::Read(const std::string& path) {
    Preferences prefs;
    const ReadResult file = ReadTextFile(path, kPrefsBuffer);
    if (!file.ok) return prefs;
    std::istringstream lines(file.text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = Trimmed(line.substr(0, eq));
        if (!key.empty()) prefs.m_values[key] = Trimmed(line.substr(eq + 1));
    }
    return prefs;
}

WriteResult Preferences::Write(const std::string& path) const {
    std::string text;
    for (const auto& [key, value] : m_values) text += key + "=" + value + "\r\n";
    return WriteTextFileAtomic(path, text);
}

std::string Preferences::Text(const std::string& key) const {
    auto it = m_values.find(key);
    return it == m_values.end() ? std::string() : it->second;
}

std::optional<int> Preferences::Number(const std::string& key) const {
    const std::string text = Text(key);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < -1000000 || value > 1000000) return std::nullopt;
    return value;
}

void Preferences::Set(const std::string& key, const std::string& value) { m_values[OneLine(key)] = OneLine(value); }

std::string PreferencesPath(const std::string& folder, const std::string& program) {
    return folder + program + ".prefs";
}

}  // namespace fb
