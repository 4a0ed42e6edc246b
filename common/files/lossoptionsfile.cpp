#include "common/files/lossoptionsfile.h"

#include <charconv>
#include <functional>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

// Shortest text that reads back to the same double; never the locale's separator.
std::string Number(double v) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

template <class T>
bool ParseWhole(std::string_view text, T& out) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

struct Key {
    const char* name;
    std::function<bool(std::string_view, LossOptions&)> set;
    std::function<std::string(const LossOptions&)> show;
};

template <class T>
Key NumberKey(const char* name, T LossOptions::*field) {
    return {name,
            [field](std::string_view v, LossOptions& o) {
                T parsed{};
                if (!ParseWhole(v, parsed)) return false;
                o.*field = parsed;
                return true;
            },
            [field](const LossOptions& o) { return Number(static_cast<double>(o.*field)); }};
}

const std::vector<Key>& Keys() {
    static const std::vector<Key> keys = {
        NumberKey("ambient_C", &LossOptions::ambient_C),
        {"interleave",
         [](std::string_view v, LossOptions& o) {
             if (v != "0" && v != "1") return false;
             o.interleave = v == "1";
             return true;
         },
         [](const LossOptions& o) { return std::string(o.interleave ? "1" : "0"); }},
        NumberKey("tape_mm", &LossOptions::tape_mm),
        NumberKey("tape_layers", &LossOptions::tapeLayers),
        NumberKey("margin_mm", &LossOptions::margin_mm),
        NumberKey("rise_limit_K", &LossOptions::riseLimit_K),
        NumberKey("harmonics", &LossOptions::harmonics),
    };
    return keys;
}

}  // namespace

std::string LossOptionsText(const LossOptions& options) {
    std::string out = "# Winding and loss analysis options\r\n";
    for (const Key& k : Keys()) out += std::string(k.name) + " = " + k.show(options) + "\r\n";
    return out;
}

std::vector<std::string> ParseLossOptions(std::string_view text, LossOptions& options) {
    std::vector<std::string> problems;
    int lineNo = 0;
    while (!text.empty()) {
        const size_t eol = text.find('\n');
        const std::string_view line = Trim(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        ++lineNo;
        const size_t eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string_view::npos) continue;
        const std::string_view name = Trim(line.substr(0, eq));
        for (const Key& k : Keys()) {
            if (name != k.name) continue;
            // Each accepted key leaves the options valid, so one bad value cannot hide another.
            LossOptions trial = options;
            if (k.set(Trim(line.substr(eq + 1)), trial) && CheckLossOptions(trial).empty())
                options = trial;
            else
                problems.push_back(Phrase("строка {1} \"{2}\" не принята, оставлено {3}",
                                          {FormatInt(lineNo), std::string(line), k.show(options)}));
        }
    }
    return problems;
}

std::vector<std::string> ReadLossOptionsFile(const std::string& path, LossOptions& options) {
    if (!FileExists(path)) return {};
    const ReadResult file = ReadTextFile(path, kBigBuffer);
    if (!file.ok) return {Phrase("{1}: файл не прочитан, параметры анализа по умолчанию", {path})};
    std::vector<std::string> problems = ParseLossOptions(file.text, options);
    for (std::string& p : problems) p = path + ", " + p;
    return problems;
}

WriteResult WriteLossOptionsFile(const std::string& path, const LossOptions& options) {
    return WriteTextFileAtomic(path, LossOptionsText(options));
}

}  // namespace fb
