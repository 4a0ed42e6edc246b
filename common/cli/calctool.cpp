#include "common/cli/calctool.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textfile.h"
#include "common/files/fieldcatalogue.h"

namespace fb::cli {
namespace {

const ValueOption* Find(const Tool& tool, const std::string& name) {
    for (const ValueOption& o : tool.options)
        if (o.name == name) return &o;
    return nullptr;
}

bool IsFlag(const Tool& tool, const std::string& name) {
    for (const FlagOption& f : tool.flags)
        if (f.name == name) return true;
    return false;
}

std::string ShortUsage(const Tool& tool) {
    std::string s = Localized("использование:") + " " + tool.name + " [--data-root DIR]";
    for (const ValueOption& o : tool.options) s += " [" + o.name + " " + o.value + "]";
    for (const FlagOption& f : tool.flags) s += " [" + f.name + "]";
    if (tool.sweep) s += " [--sweep [--top N] [--sort KEY] [--works-only]]";
    return s + " [--json] [--strict] FILE";
}

// "  --name VALUE" padded to the column of the help texts.
std::string UsageLine(std::string head, const std::string& help) {
    head.resize(std::max<size_t>(head.size() + 1, 19), ' ');
    return head + help + "\n";
}

// The length of the UTF-8 sequence starting at s[i] when it is well formed, else 0.
size_t Utf8Length(const std::string& s, size_t i, unsigned& code) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = 0;
    if (c < 0x80) {
        code = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        n = 2, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4, code = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        const unsigned char t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) return 0;
        code = (code << 6) | (t & 0x3F);
    }
    static const unsigned kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kMin[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string ExePath(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return ec ? std::string() : exe.string();
}

// fwrite, flush and close, each checked: a full disk or a closed pipe is a failure to report.
bool WriteAndClose(const std::string& text, std::FILE* to) {
    const bool written = std::fwrite(text.data(), 1, text.size(), to) == text.size();
    const bool flushed = std::fflush(to) == 0 && !std::ferror(to);
    return std::fclose(to) == 0 && written && flushed;
}

void Say(const Tool& tool, const std::string& line) {
    const std::string text = tool.name + ": " + TerminalSafe(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// JSON escapes C0 itself; DEL and C1 (legal in JSON strings) are escaped too, so that a JSON
// shown on a terminal is as harmless as the report. They occur only inside strings.
std::string JsonTerminalSafe(const std::string& json) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(json.size());
    for (size_t i = 0; i < json.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(json[i]);
        const unsigned char next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        if (c == 0x7F) {
            out += "\\u007f";
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += std::string("\\u00") + kHex[next >> 4] + kHex[next & 15];
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Printed(const Tool& tool, const Options& options, Result& r) {
    if (options.json) {
        Json warnings = Json::array();
        for (const std::string& w : r.warnings) warnings.push_back(w);
        r.json["warnings"] = warnings;
        // Texts decoded from Windows-1251 are valid UTF-8; a file name may not be, so replace.
        return JsonTerminalSafe(r.json.dump(tool.jsonIndent, ' ', false, Json::error_handler_t::replace)) + "\n";
    }
    std::string out = LocalizedReport(r.report);
    for (const auto& [heading, body] : r.reportSections)
        out += "\n" + LocalizedRuns(heading) + "\n" + LocalizedReport(body);
    if (!r.warnings.empty()) {
        out += "\n" + Localized("Предупреждения") + "\n";
        for (const std::string& w : r.warnings) out += "  " + w + "\n";
    }
    return TerminalSafe(out);
}

int RunTool(const Tool& tool, int argc, char** argv, const std::function<Result(const Options&)>& run) {
    // The language first, so that a mistake in the other options is told in it.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--lang") SetEnglishTexts(std::string(argv[i + 1]) == "en");
    const Options options = ParseOptions(tool, argc, argv);
    if (options.help) {
        const std::string usage = Usage(tool);
        return WriteAndClose(usage, stdout) ? kCalculated : kCannotStart;
    }
    if (!options.error.empty()) {
        Say(tool, options.error + " (" + ShortUsage(tool) + ")");
        return kCannotStart;
    }
    SetEnglishTexts(options.english);
    Result r = run(options);
    if (r.status != kCalculated) {
        for (const std::string& n : r.notes) Say(tool, LocalizedRuns(n));
        Say(tool, LocalizedRuns(r.error));
        return r.status;
    }
    // The warnings follow the language in the report, on stderr and inside "warnings".
    for (std::string& w : r.warnings) w = LocalizedRuns(w);
    for (const std::string& w : r.warnings) Say(tool, Localized("предупреждение") + ": " + w);
    if (!WriteAndClose(Printed(tool, options, r), stdout)) {
        Say(tool, Localized("не удалось вывести результат"));
        return kCannotStart;
    }
    return options.strict && (!r.warnings.empty() || r.checkError) ? kWarnings : kCalculated;
}

}  // namespace

std::string DataRootAbove(const std::string& exe) {
    if (exe.empty()) return "../";
    return WithSeparator(std::filesystem::path(exe).parent_path().parent_path().string());
}

Options ParseOptions(const Tool& tool, int argc, char** argv) {
    Options a;
    for (const ValueOption& o : tool.options) a.values[o.name] = o.byDefault;
    for (const FlagOption& f : tool.flags) a.flags[f.name] = false;
    bool rootGiven = false;
    for (int i = 1; i < argc && a.error.empty(); ++i) {
        const std::string arg = argv[i];
        const ValueOption* option = Find(tool, arg);
        if ((arg == "--data-root" || arg == "--lang" || option) && i + 1 >= argc) {
            a.error = Phrase("после {1} нужно значение", {arg});
        } else if (arg == "--data-root") {
            a.dataRoot = argv[++i];
            rootGiven = true;
        } else if (arg == "--lang") {
            const std::string lang = argv[++i];
            if (lang != "en" && lang != "ru") a.error = Phrase("неизвестный язык {1} (en или ru)", {lang});
            a.english = lang == "en";
        } else if (option) {
            a.values[arg] = argv[++i];
        } else if (IsFlag(tool, arg)) {
            a.flags[arg] = true;
        } else if (tool.sweep && TakeSweepOption(argc, argv, i, a.sweep, a.error)) {
            // taken, with its value
        } else if (arg == "--json") {
            a.json = true;
        } else if (arg == "--strict") {
            a.strict = true;
        } else if (arg == "-h" || arg == "--help") {
            a.help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            a.error = Phrase("неизвестный параметр {1}", {arg});
        } else if (!a.file.empty()) {
            a.error = Localized("указано больше одного файла");
        } else {
            a.file = arg;
        }
    }
    if (a.error.empty() && tool.sweep) a.error = SweepArgsError(a.sweep);
    if (a.error.empty() && a.file.empty() && !a.help) a.error = Localized("не указан файл расчета");
    a.dataRoot = rootGiven ? WithSeparator(a.dataRoot) : DataRootAbove(ExePath(argc > 0 ? argv[0] : nullptr));
    return a;
}

std::string Usage(const Tool& tool) {
    std::string s = ShortUsage(tool) + "\n\n" + Localized(tool.purpose) + "\n\n";
    s += Localized(
        "  --data-root DIR  папка данных (Wire.txt, Bases_Cores, Ferrites_Materials); по умолчанию\n"
        "                   папка над папкой программы\n");
    s += UsageLine("  --lang en|ru", Localized("язык отчета и сообщений (по умолчанию ru); ключи JSON те же"));
    for (const ValueOption& o : tool.options)
        s += UsageLine("  " + o.name + " " + o.value, Phrase(o.help, {o.byDefault}));
    for (const FlagOption& f : tool.flags) s += UsageLine("  " + f.name, Localized(f.help));
    if (tool.sweep) {
        s += UsageLine("  --sweep",
                       Localized("подбор сердечника: расчет требований файла с каждым сердечником и каждым\n"
                                 "                   материалом (в режиме зазора) и их ранжирование"));
        s += UsageLine("  --top N", Localized("при --sweep: только N первых вариантов"));
        s += UsageLine("  --sort KEY",
                       Localized("при --sweep: порядок по loss (полные потери, по умолчанию), temperature\n"
                                 "                   (перегрев), volume (объем сердечника) или mass (масса)"));
        s += UsageLine("  --works-only", Localized("при --sweep: только варианты без ошибок проверки"));
    }
    s += Localized(
        "  --json           результаты в JSON вместо отчета\n"
        "  --strict         код 4, если расчет дал хотя бы одно предупреждение или проверка нашла\n"
        "                   ошибку\n"
        "  -h, --help       эта справка\n\n"
        "Коды завершения: 0 расчет выполнен, 1 внутренняя ошибка, 2 запуск невозможен (параметры,\n"
        "файлы данных, файл расчета, вывод), 3 сердечника нет в списке его формы, 4 предупреждения\n"
        "или ошибка проверки при --strict.\n");
    return s;
}

bool NumberOf(const std::string& text, double& value) {
    std::string t = text;
    for (char& c : t)
        if (c == ',') c = '.';
    const size_t first = t.find_first_not_of(" \t");
    const size_t last = t.find_last_not_of(" \t");
    if (first == std::string::npos) return false;
    const char* begin = t.data() + first;
    const char* end = t.data() + last + 1;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

Json FieldEntry(const std::string& keyName, const Json& key, const std::string& caption, const std::string& unit,
                const std::string& text) {
    Json j = Json::object();
    j[keyName] = key;
    // The texts follow --lang; the key and the value never do.
    j["caption"] = LocalizedRuns(caption);
    j["unit"] = LocalizedRuns(unit);
    j["text"] = text;
    double value = 0;
    j["value"] = NumberOf(text, value) ? Json(value) : Json(nullptr);
    // The one rule of both programs (ResultValid): a value that came out infinite or undefined.
    const bool valid = ResultValid(text);
    j["valid"] = valid;
    if (!valid) j["why"] = Localized(kNotFiniteWhy);
    return j;
}

std::string TerminalSafe(const std::string& text) {
    static const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        unsigned code = 0;
        const size_t n = Utf8Length(text, i, code);
        const bool control = (code < 0x20 && code != '\t' && code != '\n') || (code >= 0x7F && code <= 0x9F);
        if (n == 0 || control) {
            out += kReplacement;
            i += n == 0 ? 1 : n;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

int Main(const Tool& tool, int argc, char** argv, const std::function<Result(const Options&)>& run) {
    try {
        return RunTool(tool, argc, argv, run);
    } catch (const std::exception& e) {
        Say(tool, std::string("внутренняя ошибка: ") + e.what());
    } catch (...) {
        Say(tool, "внутренняя ошибка");
    }
    return kInternal;
}

}  // namespace fb::cli
