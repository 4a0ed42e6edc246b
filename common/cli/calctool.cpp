#include "common/cli/calctool.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

#include "common/data/numbers.h"
#include "common/data/textfile.h"

namespace fb::cli {
namespace {

const ValueOption* Find(const Tool& tool, const std::string& name) {
    for (const ValueOption& o : tool.options)
        if (o.name == name) return &o;
    return nullptr;
}

std::string ShortUsage(const Tool& tool) {
    std::string s = "использование: " + tool.name + " [--data-root DIR]";
    for (const ValueOption& o : tool.options) s += " [" + o.name + " " + o.value + "]";
    return s + " [--json] [--strict] FILE";
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
    const std::string text = tool.name + ": " + line + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

std::string Printed(const Tool& tool, const Options& options, Result& r) {
    if (options.json) {
        Json warnings = Json::array();
        for (const std::string& w : r.warnings) warnings.push_back(w);
        r.json["warnings"] = warnings;
        // Texts decoded from Windows-1251 are valid UTF-8; a file name may not be, so replace.
        return r.json.dump(tool.jsonIndent, ' ', false, Json::error_handler_t::replace) + "\n";
    }
    std::string out = r.report;
    for (const auto& [heading, body] : r.reportSections) out += "\n" + heading + "\n" + body;
    if (!r.warnings.empty()) {
        out += "\nПредупреждения\n";
        for (const std::string& w : r.warnings) out += "  " + w + "\n";
    }
    return out;
}

int RunTool(const Tool& tool, int argc, char** argv, const std::function<Result(const Options&)>& run) {
    const Options options = ParseOptions(tool, argc, argv);
    if (options.help) {
        const std::string usage = Usage(tool);
        return WriteAndClose(usage, stdout) ? kCalculated : kCannotStart;
    }
    if (!options.error.empty()) {
        Say(tool, options.error + " (" + ShortUsage(tool) + ")");
        return kCannotStart;
    }
    Result r = run(options);
    if (r.status != kCalculated) {
        for (const std::string& n : r.notes) Say(tool, n);
        Say(tool, r.error);
        return r.status;
    }
    if (!WriteAndClose(Printed(tool, options, r), stdout)) {
        Say(tool, "не удалось вывести результат");
        return kCannotStart;
    }
    return options.strict && !r.warnings.empty() ? kWarnings : kCalculated;
}

}  // namespace

std::string DataRootAbove(const std::string& exe) {
    if (exe.empty()) return "../";
    return WithSeparator(std::filesystem::path(exe).parent_path().parent_path().string());
}

Options ParseOptions(const Tool& tool, int argc, char** argv) {
    Options a;
    for (const ValueOption& o : tool.options) a.values[o.name] = o.byDefault;
    bool rootGiven = false;
    for (int i = 1; i < argc && a.error.empty(); ++i) {
        const std::string arg = argv[i];
        const ValueOption* option = Find(tool, arg);
        if ((arg == "--data-root" || option) && i + 1 >= argc) {
            a.error = "после " + arg + " нужно значение";
        } else if (arg == "--data-root") {
            a.dataRoot = argv[++i];
            rootGiven = true;
        } else if (option) {
            a.values[arg] = argv[++i];
        } else if (arg == "--json") {
            a.json = true;
        } else if (arg == "--strict") {
            a.strict = true;
        } else if (arg == "-h" || arg == "--help") {
            a.help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            a.error = "неизвестный параметр " + arg;
        } else if (!a.file.empty()) {
            a.error = "указано больше одного файла";
        } else {
            a.file = arg;
        }
    }
    if (a.error.empty() && a.file.empty() && !a.help) a.error = "не указан файл расчета";
    a.dataRoot = rootGiven ? WithSeparator(a.dataRoot) : DataRootAbove(ExePath(argc > 0 ? argv[0] : nullptr));
    return a;
}

std::string Usage(const Tool& tool) {
    std::string s = ShortUsage(tool) + "\n\n" + tool.purpose + "\n\n";
    s += "  --data-root DIR  папка данных (Wire.txt, Bases_Cores, Ferrites_Materials); по умолчанию\n"
         "                   папка над папкой программы\n";
    for (const ValueOption& o : tool.options) {
        std::string head = "  " + o.name + " " + o.value;
        head.resize(std::max<size_t>(head.size() + 1, 19), ' ');
        s += head + o.help + "\n";
    }
    s += "  --json           результаты в JSON вместо отчета\n"
         "  --strict         код 4, если расчет дал хотя бы одно предупреждение\n"
         "  -h, --help       эта справка\n\n"
         "Коды завершения: 0 расчет выполнен, 1 внутренняя ошибка, 2 запуск невозможен (параметры,\n"
         "файлы данных, файл расчета, вывод), 3 сердечника нет в списке его формы, 4 предупреждения\n"
         "при --strict.\n";
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
    j["caption"] = caption;
    j["unit"] = unit;
    j["text"] = text;
    double value = 0;
    j["value"] = NumberOf(text, value) ? Json(value) : Json(nullptr);
    // One rule for both programs: a shown value that came out infinite or undefined is invalid.
    const bool valid = !ShowsNotFinite(text);
    j["valid"] = valid;
    if (!valid) j["why"] = kNotFiniteWhy;
    return j;
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
