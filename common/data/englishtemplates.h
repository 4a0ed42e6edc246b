#pragma once
// The English of whole texts composed with values (checks, losses, the report, the messages):
// Russian templates with numbered places "{1}", "{2}"… and their English, and the whole
// messages that need no value. Kept apart from the captions' table in english.cpp; both are
// looked up through EnglishText.
#include <vector>

namespace fb {

struct EnglishEntry {
    const char* russian;
    const char* english;
};

// Every entry below, in one list.
const std::vector<EnglishEntry>& EnglishTemplates();
// The report document's headings, captions and steps (englishreport.cpp).
const std::vector<EnglishEntry>& EnglishReportTexts();
// The message boxes and the command-line tools' messages (englishmessages.cpp).
const std::vector<EnglishEntry>& EnglishMessages();

}  // namespace fb
