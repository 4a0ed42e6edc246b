// The command-line tools on inputs they cannot read: a design file or data file without read
// permission, or a named pipe where a file should be (which would block a plain reader for
// ever). The tools write nothing; they must end promptly with a non-zero status and say which
// file it was. Missing files and folders are covered by the tools' own tests.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "boostcoil/design/pfckeys.h"
#include "flyback/design/flyback.h"
#include "tests/support/tempdir.h"

namespace fbtest {
namespace {

namespace fs = std::filesystem;

struct ToolResult {
    int exitCode = -1;
    bool timedOut = false;
    bool skipped = false;  // root could not be given up, or nobody cannot run the tool
    std::string err;
};

// Runs the tool, as nobody when `unprivileged` and this process is root, and kills it after
// `seconds`; stdout is dropped, stderr kept.
ToolResult RunTool(const std::vector<std::string>& args, bool unprivileged, int seconds = 20) {
    ToolResult r;
    int errPipe[2];
    if (::pipe(errPipe) != 0) return r;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(errPipe[0]);
        if (unprivileged && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(125);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(errPipe[1], 2);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(126);  // nobody may not reach a build folder under a private home
    }
    ::close(errPipe[1]);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    pollfd fd{errPipe[0], POLLIN, 0};
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) {
            r.timedOut = true;
            break;
        }
        if (::poll(&fd, 1, static_cast<int>(left)) <= 0) continue;
        char buf[4096];
        const ssize_t n = ::read(errPipe[0], buf, sizeof buf);
        if (n <= 0) break;
        r.err.append(buf, static_cast<size_t>(n));
    }
    ::close(errPipe[0]);
    if (r.timedOut) ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!r.timedOut && WIFEXITED(status)) r.exitCode = WEXITSTATUS(status);
    r.skipped = r.exitCode == 125 || r.exitCode == 126;
    return r;
}

const char* const kWire = "d1 = 0,2\r\ndiz1 = 0,23\r\nd2 = 0,5\r\ndiz2 = 0,56\r\nd3 = 1\r\ndiz3 = 1,08\r\n";
const char* const kCores =
    "[E 25/13/7]\r\nAe = 51,84\r\nAn = 95,32\r\nle = 57,76\r\nmu = 1616\r\n\r\n"
    "[E 36/18/11]\r\nAe = 131\r\nAn = 152\r\nle = 78\r\nmu = 1800\r\n\r\n";
const char* const kN87 =
    "Bmax = 0,31\r\nBmmax = 0,19\r\nmu = 2200\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n"
    "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\n[F_25]\r\nB_50 = 1,2\r\nB_100 = 7,5\r\nB_200 = 59,7\r\n"
    "[F_100]\r\nB_50 = 7,6\r\nB_100 = 53,2\r\nB_200 = 381,2\r\n";

struct Tool {
    const char* name;
    std::string exe;
    std::string design;  // relative to the data root
};

std::vector<Tool> Tools() {
    std::vector<Tool> t;
#ifdef FLYBACK_CALC_EXE
    t.push_back({"flyback-calc", FLYBACK_CALC_EXE, "Flyback/design.sav"});
#endif
#ifdef BOOSTCOIL_CALC_EXE
    t.push_back({"boostcoil-calc", BOOSTCOIL_CALC_EXE, "Boostcoil/design.sav"});
#endif
    return t;
}

class UnreadableInput : public ::testing::Test {
protected:
    void SetUp() override {
        if (Tools().empty()) GTEST_SKIP() << "no command-line tool in this build";
        dir.write("Wire.txt", kWire);
        dir.write("Bases_Cores/FerritesCores.txt", kCores);
        dir.write("Ferrites_Materials/N87 Epcos.txt", kN87);
        fs::create_directories(dir.file("Flyback"));
        fs::create_directories(dir.file("Boostcoil"));
        ASSERT_TRUE(fb::FlybackDesignFile().Write(dir.file("Flyback/design.sav"), fb::FlybackInput{}).ok);
        ASSERT_TRUE(fb::PfcDesignFile().Write(dir.file("Boostcoil/design.sav"), fb::PfcInput{}).ok);
        ::chmod(dir.path().c_str(), 0755);  // nobody must reach the files to be refused by them
    }

    ToolResult Run(const Tool& t, bool unprivileged) {
        return RunTool({t.exe, "--data-root", dir.path(), "--json", dir.file(t.design)}, unprivileged);
    }

    // Each tool, run as nobody after `prepare(tool)`, stops with status 2 and names `file`.
    template <class Prepare>
    void ExpectEachToolStopsNaming(const std::string& file, Prepare prepare) {
        for (const Tool& t : Tools()) {
            prepare(t);
            const ToolResult r = Run(t, true);
            if (r.skipped) GTEST_SKIP() << "the tool cannot run as nobody here";
            EXPECT_EQ(r.exitCode, 2) << t.name << ": " << r.err;
            EXPECT_NE(r.err.find(file), std::string::npos) << t.name << ": " << r.err;
        }
    }

    // Replaces a file by a named pipe nobody writes to.
    void MakePipe(const std::string& rel) {
        fs::remove(dir.file(rel));
        ASSERT_EQ(::mkfifo(dir.file(rel).c_str(), 0644), 0);
    }

    TempDir dir;
};

TEST_F(UnreadableInput, SoundRootRunsForNobodyToo) {
    for (const Tool& t : Tools()) {
        const ToolResult r = Run(t, true);
        if (r.skipped) GTEST_SKIP() << "the tool cannot run as nobody here";
        EXPECT_EQ(r.exitCode, 0) << t.name << ": " << r.err;  // so the refusals below are the files'
    }
}

TEST_F(UnreadableInput, DesignFileWithoutReadPermission) {
    ExpectEachToolStopsNaming("design.sav", [&](const Tool& t) { ::chmod(dir.file(t.design).c_str(), 0); });
}

TEST_F(UnreadableInput, WireTableWithoutReadPermission) {
    ::chmod(dir.file("Wire.txt").c_str(), 0);
    ExpectEachToolStopsNaming("Wire.txt", [](const Tool&) {});
}

// flyback-calc used to go on with an empty material and report success with the design's
// guard about "incomplete" data of a material without a name.
TEST_F(UnreadableInput, MaterialFileWithoutReadPermission) {
    ::chmod(dir.file("Ferrites_Materials/N87 Epcos.txt").c_str(), 0);
    ExpectEachToolStopsNaming("N87 Epcos.txt", [](const Tool&) {});
}

// A pipe would block a reader that opens it; the tools must see it is no file and go on.
TEST_F(UnreadableInput, NamedPipesInsteadOfFilesNeverBlock) {
    MakePipe("Wire.txt");
    for (const Tool& t : Tools()) {
        const ToolResult r = Run(t, false);
        EXPECT_FALSE(r.timedOut) << t.name;
        EXPECT_EQ(r.exitCode, 2) << t.name << ": " << r.err;
        EXPECT_NE(r.err.find("Wire.txt"), std::string::npos) << t.name << ": " << r.err;
    }
    fs::remove(dir.file("Wire.txt"));
    dir.write("Wire.txt", kWire);
    for (const Tool& t : Tools()) {
        MakePipe(t.design);
        const ToolResult r = Run(t, false);
        EXPECT_FALSE(r.timedOut) << t.name;
        EXPECT_EQ(r.exitCode, 2) << t.name << ": " << r.err;
        EXPECT_NE(r.err.find("design.sav"), std::string::npos) << t.name << ": " << r.err;
    }
}

// The data files the tools can do without (the catalogue only warns; a material that cannot
// be read leaves the design to its guard): still no block and no crash.
TEST_F(UnreadableInput, PipesForCatalogueAndMaterialNeverBlock) {
    MakePipe("Bases_Cores/FerritesCores.txt");
    MakePipe("Ferrites_Materials/N87 Epcos.txt");
    for (const Tool& t : Tools()) {
        const ToolResult r = Run(t, false);
        EXPECT_FALSE(r.timedOut) << t.name;
        EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 2 || r.exitCode == 3)
            << t.name << ": " << r.exitCode << " " << r.err;
    }
}

}  // namespace
}  // namespace fbtest
