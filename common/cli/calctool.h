#pragma once
// The command-line family: flyback-calc and boostcoil-calc share their options, usage text,
// exit statuses and the way a run is printed. A tool supplies what it runs and what it prints;
// everything else is here. Plain C++.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/adviser/sweepargs.h"

namespace fb::cli {

using Json = nlohmann::ordered_json;

// Exit statuses, the same cause giving the same status in every tool.
enum Exit : int {
    kCalculated = 0,
    kInternal = 1,       // an error of the program itself; the message says what
    kCannotStart = 2,    // bad options, a missing or unreadable data or design file, stdout not written
    kCoreNotListed = 3,  // the design's core is not in its shape's list: nothing ran
    kWarnings = 4,       // --strict and the run gave at least one warning
};

// An option that takes a value, beyond the common ones.
struct ValueOption {
    std::string name;   // "--usense"
    std::string value;  // its placeholder in the usage text
    std::string help;
    std::string byDefault;
};

// An option without a value ("--interleave").
struct FlagOption {
    std::string name;
    std::string help;
};

struct Tool {
    std::string name;     // "flyback-calc"
    std::string purpose;  // the first line of --help
    std::vector<ValueOption> options;
    int jsonIndent = -1;  // nlohmann's dump indent (-1: one line)
    std::vector<FlagOption> flags;
    bool sweep = false;  // takes --sweep, --top, --sort, --works-only
};

struct Options {
    std::string dataRoot;  // ends with '/'
    std::string file;
    bool json = false;
    bool strict = false;
    bool help = false;
    bool english = false;                       // --lang en: the report's and the messages' texts in English
    std::map<std::string, std::string> values;  // every ValueOption, given or by default
    std::map<std::string, bool> flags;          // every FlagOption, true when given
    SweepArgs sweep;
    std::string error;
};

// argv[0] is the program; a data root not given is the folder above the program's folder.
Options ParseOptions(const Tool& tool, int argc, char** argv);
std::string Usage(const Tool& tool);

// The folder of the data root for a program at `exe`: the folder above its own, with '/'.
std::string DataRootAbove(const std::string& exe);

// What one run hands back for printing. Sections added by later modules go into `json`
// (after the tool's own keys) and `reportSections` (after the tool's report) without the
// tool's printer knowing them.
struct Result {
    int status = kCalculated;
    std::string error;               // one line, when status is not kCalculated
    std::vector<std::string> notes;  // lines printed to stderr before the error
    Json json = Json::object();      // today's keys, then "fields", then any added section
    std::string report;              // the readable report
    std::vector<std::pair<std::string, std::string>> reportSections;  // heading, body
    std::vector<std::string> warnings;  // written as "warnings" and to stderr; any one fails --strict
    bool checkError = false;            // a design check of severity error: fails --strict too
};

// A run that stops with `status` (not kCalculated) and one line saying why.
inline Result Stopped(int status, const std::string& error) {
    Result r;
    r.status = status;
    r.error = error;
    return r;
}

// Why a field is marked "valid": false.
inline const char* const kNotFiniteWhy =
    "при этих данных величина получается бесконечной или неопределенной (inf, nan)";

// One entry of "fields": the key (an input) or control ID (a result), caption, unit and text;
// "value" is the number the text reads as (null when it is not a number); "valid" is false,
// with "why", when the text shows an infinite or undefined value ("inf", "nan").
Json FieldEntry(const std::string& keyName, const Json& key, const std::string& caption, const std::string& unit,
                const std::string& text);

// The number a whole text reads as ("12.5", "-3", "1e-3", " 2 "); false for "", "12 x 2",
// "inf", "nan" and anything else.
bool NumberOf(const std::string& text, double& value);

// Text for a terminal: control characters (C0 but TAB and LF, DEL, C1) and bytes that are not
// UTF-8 each become U+FFFD, so an escape sequence from a data or design file cannot act.
std::string TerminalSafe(const std::string& text);

// main() of a tool: parses, runs, prints, and turns exceptions and a failed stdout into
// statuses. The run sees the parsed options.
int Main(const Tool& tool, int argc, char** argv, const std::function<Result(const Options&)>& run);

}  // namespace fb::cli
