#pragma once
// Each program's name, description and version, as its window title, about box and design
// report show them.
#include <string>

namespace fb {

struct ProgramInfo {
    const char* name;         // as the report's heading names the program
    const char* description;  // the window title without its version
    const char* version;
    const char* date;  // of the version, as the about box shows it

    // The main window's title: "<description> (Версия <version>)".
    std::string Title() const { return std::string(description) + " (" + VersionLine() + ")"; }
    // "Версия <version>".
    std::string VersionLine() const { return std::string("Версия ") + version; }
};

inline constexpr ProgramInfo kFlybackProgram{
    "Flyback", "Flyback - Программа расчета трансформатора обратноходового преобразователя", "7.1", "17.04.2015"};
inline constexpr ProgramInfo kBoostcoilProgram{
    "Boostcoil", "Boostcoil - Расчет дросселя для корректора коэффициента мощности", "2.0", "19.04.2015"};

}  // namespace fb
