#pragma once
// A message box the window shows (or the command-line tools print): data, not a side effect,
// so the engines stay pure and tests can read what the user would see.
#include <string>
#include <vector>

#include "common/data/english.h"

namespace fb {

inline const char* const kWarningCaption = "Внимание!";

struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message& o) const { return caption == o.caption && text == o.text; }
};

using Messages = std::vector<Message>;

// In the chosen language: a whole text from the table, one composed with values through Phrase.
inline Message Warning(const std::string& text) { return Message{Localized(kWarningCaption), Localized(text)}; }

// The one message both programs give when values they show came out infinite or undefined
// ("inf", "nan"): the texts stay as the formatting gives them, and this says why.
inline Message NotFiniteWarning() {
    return Warning(
        "При этих данных часть величин получается бесконечной или неопределенной (inf, nan).\nПроверьте "
        "исходные данные, данные сердечника и материала.");
}

}  // namespace fb
