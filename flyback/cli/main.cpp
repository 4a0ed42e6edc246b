// flyback-calc: runs the flyback design of a saved design file the way the window does after
// loading it, and prints the results as JSON or as a readable report.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "flyback/cli/calcrun.h"
#include "flyback/cli/output.h"

namespace {

constexpr int kExitCannotStart = 2;
constexpr int kExitCoreNotFound = 3;
constexpr int kExitInternal = 1;

const char* const kUsage = "использование: flyback-calc [--data-root DIR] [--usense TEXT] [--json] FILE";

struct Arguments {
    fb::CalcOptions options;
    bool json = false;
    bool dataRootGiven = false;
    bool help = false;
    std::string error;
};

Arguments Parse(int argc, char** argv) {
    Arguments a;
    bool fileGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                a.error = "после " + arg + " нужно значение";
                return;
            }
            out = argv[++i];
        };
        if (arg == "--json") {
            a.json = true;
        } else if (arg == "--data-root") {
            value(a.options.dataRoot);
            a.dataRootGiven = true;
        } else if (arg == "--usense") {
            value(a.options.usense);
        } else if (arg == "-h" || arg == "--help") {
            a.help = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            a.error = "неизвестный параметр " + arg;
        } else if (fileGiven) {
            a.error = "указано больше одного файла";
        } else {
            a.options.file = arg;
            fileGiven = true;
        }
        if (!a.error.empty()) return a;
    }
    if (!fileGiven && !a.help) a.error = "не указан файл расчета";
    return a;
}

// The window programs' rule: the data root is the folder above the program's own folder.
std::string DefaultDataRoot(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    if (ec) return "../";
    const std::string root = exe.parent_path().parent_path().string();
    return root.empty() || root.back() == '/' ? root : root + "/";
}

void Print(const std::string& text, std::FILE* to) { std::fwrite(text.data(), 1, text.size(), to); }

int Fail(int status, const std::string& line) {
    Print("flyback-calc: " + line + "\n", stderr);
    return status;
}

int Run(int argc, char** argv) {
    Arguments args = Parse(argc, argv);
    if (args.help) {
        Print(std::string(kUsage) + "\n", stdout);
        return 0;
    }
    if (!args.error.empty()) return Fail(kExitCannotStart, args.error + " (" + kUsage + ")");
    if (!args.dataRootGiven) args.options.dataRoot = DefaultDataRoot(argv[0]);

    const fb::CalcRun run = fb::RunFlybackCalc(args.options);
    switch (run.status) {
    case fb::CalcStatus::CannotStart:
        return Fail(kExitCannotStart, run.error);
    case fb::CalcStatus::CoreNotFound:
        for (const fb::Message& m : run.messages) Print("flyback-calc: " + m.caption + " " + m.text + "\n", stderr);
        return Fail(kExitCoreNotFound, run.error);
    case fb::CalcStatus::Done:
        break;
    }
    Print(args.json ? fb::CalcJson(run) : fb::CalcReport(run, args.options.file), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail(kExitInternal, "не удалось вывести результат");
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        return Fail(kExitInternal, std::string("внутренняя ошибка: ") + e.what());
    } catch (...) {
        return Fail(kExitInternal, "внутренняя ошибка");
    }
}
