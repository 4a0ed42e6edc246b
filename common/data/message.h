#pragma once
// A message box the window shows (or the command-line tools print): data, not a side effect,
// so the engines stay pure and tests can read what the user would see.
#include <string>
#include <vector>

namespace fb {

inline const char* const kWarningCaption = "Внимание!";

struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message& o) const { return caption == o.caption && text == o.text; }
};

using Messages = std::vector<Message>;

inline Message Warning(std::string text) { return Message{kWarningCaption, std::move(text)}; }

}  // namespace fb
