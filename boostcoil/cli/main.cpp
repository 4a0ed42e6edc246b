// boostcoil-calc [--data-root DIR] [--json] FILE
// Runs the choke design the Boostcoil window runs after loading FILE (a ".sav" file or
// "Boostcoil.ini") and prints its results. Exit status: 0 calculated, 2 cannot start,
// 3 the core named in FILE is not in its shape's list.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "boostcoil/cli/calcrun.h"
#include "boostcoil/cli/report.h"

namespace {

constexpr int kExitCannotStart = 2;
constexpr int kExitCoreNotListed = 3;

int Fail(const std::string& line, int status) {
    std::fprintf(stderr, "boostcoil-calc: %s\n", line.c_str());
    return status;
}

// The folder above the one holding the executable, where the shared data files lie.
std::string DefaultDataRoot(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    if (ec) return "../";
    return exe.parent_path().parent_path().string();
}

// The data root ends with its separator, as the programs hold it and name it in messages.
std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

struct Args {
    std::string dataRoot;
    std::string file;
    bool json = false;
    std::string error;
};

Args ParseArgs(int argc, char** argv) {
    Args a;
    bool haveRoot = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            a.json = true;
        } else if (arg == "--data-root") {
            if (i + 1 >= argc) {
                a.error = "после --data-root нужна папка";
                return a;
            }
            a.dataRoot = argv[++i];
            haveRoot = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            a.error = "неизвестный параметр " + arg;
            return a;
        } else if (!a.file.empty()) {
            a.error = "нужен ровно один файл";
            return a;
        } else {
            a.file = arg;
        }
    }
    if (a.file.empty()) a.error = "не указан файл (boostcoil-calc [--data-root DIR] [--json] FILE)";
    if (!haveRoot) a.dataRoot = DefaultDataRoot(argc > 0 ? argv[0] : "");
    a.dataRoot = WithSeparator(a.dataRoot);
    return a;
}

int Run(int argc, char** argv) {
    const Args args = ParseArgs(argc, argv);
    if (!args.error.empty()) return Fail(args.error, kExitCannotStart);
    const fb::CalcRun run = fb::RunDesignFile(args.dataRoot, args.file);
    if (run.status == fb::CalcRun::Status::CannotStart) return Fail(run.error, kExitCannotStart);
    if (run.status == fb::CalcRun::Status::CoreNotListed) return Fail(run.error, kExitCoreNotListed);
    const std::string out = args.json ? fb::JsonReport(run) : fb::TextReport(run);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kExitCannotStart;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        return Fail(e.what(), kExitCannotStart);
    }
}
