// A write that cannot be done — a read-only folder, a full disk, a path through a file, a
// folder where the file should be — is reported with a Russian sentence naming the file, and
// leaves the old file byte for byte and no temporary file behind. The suite runs as root in
// CI, where folder permissions stop nothing, so the permission cases run in a child process
// that gives up root first, and the full disk is both a tiny tmpfs (where a mount is allowed)
// and a file-size limit (which binds root too).
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>

#include "boostcoil/design/pfckeys.h"
#include "common/data/textfile.h"
#include "common/data/usercores.h"
#include "common/files/savedfiles.h"
#include "common/files/startup.h"
#include "flyback/design/flyback.h"
#include "tests/hardening/writer/contents.h"
#include "tests/support/tempdir.h"

namespace fbtest {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

// Runs `body` in a forked child and returns what it returned: "" when all was well, a text
// starting with "SKIP:" when the child could not set up its case, else what went wrong.
std::string InChild(const std::function<std::string()>& body) {
    int p[2];
    if (::pipe(p) != 0) return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(p[0]);
        const std::string r = body();
        (void)!::write(p[1], r.data(), r.size());
        ::_exit(0);
    }
    ::close(p[1]);
    std::string out;
    char buf[4096];
    pollfd fd{p[0], POLLIN, 0};
    while (::poll(&fd, 1, 60000) > 0) {
        const ssize_t n = ::read(p[0], buf, sizeof buf);
        if (n <= 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(p[0]);
    ::kill(pid, SIGKILL);  // harmless when it has ended; ends it when it hung
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += "\nthe child did not end normally";
    return out;
}

// Gives up root for the rest of the child; permissions bind from then on.
std::string DropRoot() {
    if (::geteuid() != 0) return "";
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
        return "SKIP: cannot give up root here";
    return "";
}

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) names.insert(e.path().filename().string());
    return names;
}

std::string Bytes(const std::string& path) {
    std::string b;
    fb::ReadAllBytes(path, b);
    return b;
}

// One of the three writers on one folder, with the check of what it must leave behind.
struct Writer {
    const char* what;
    std::string folder;  // where the file lies
    std::string path;    // the file
    std::function<std::pair<bool, std::string>()> write;
};

// The three files of the programs under `root`, each with an old version already on disk;
// "" when they could not be written.
std::vector<Writer> Writers(const std::string& root) {
    fs::create_directories(root + "/Flyback");
    fs::create_directories(root + "/Boostcoil");
    fs::create_directories(root + "/Bases_Cores");
    const std::string settings = root + "/Flyback/Flyback.ini";
    const std::string design = root + "/Boostcoil/" + fb::PfcSaveName(DesignVersion(0));
    if (!fb::FlybackDesignFile().Write(settings, SettingsVersion(0)).ok ||
        !fb::PfcDesignFile().Write(design, DesignVersion(0)).ok || !fb::AppendUserCore(root, UserCoresBefore()).ok)
        return {};
    return {
        {"settings", root + "/Flyback", settings,
         [settings] {
             const fb::WriteResult w = fb::FlybackDesignFile().Write(settings, SettingsVersion(1));
             return std::make_pair(w.ok, w.error);
         }},
        {"saved design", root + "/Boostcoil", design,
         [design] {
             const fb::WriteResult w = fb::PfcDesignFile().Write(design, DesignVersion(1));
             return std::make_pair(w.ok, w.error);
         }},
        {"user cores", root + "/Bases_Cores", root + "/Bases_Cores/UserFerritesCores.txt",
         [root] {
             const fb::AppendCoreResult r = fb::AppendUserCore(root, UserCoreRecord(0));
             return std::make_pair(r.ok, r.error);
         }},
    };
}

// Runs the writer and checks the refusal: the sentence names the file and gives `reason`;
// the old file and the folder are as they were. Returns what was wrong ("" when nothing).
std::string ExpectRefused(const Writer& w, const std::string& reason) {
    const std::string before = Bytes(w.path);
    const std::set<std::string> files = Listing(w.folder);
    const auto [ok, error] = w.write();
    std::string bad;
    const std::string sentence = "Не удалось записать файл \"" + w.path + "\": " + reason;
    if (ok)
        bad += std::string("\n") + w.what + ": the write was reported as done";
    else if (error != sentence)
        bad += std::string("\n") + w.what + ": message " + error;
    if (Bytes(w.path) != before) bad += std::string("\n") + w.what + ": the old file changed";
    if (Listing(w.folder) != files) bad += std::string("\n") + w.what + ": files were left behind or removed";
    return bad;
}

std::string ExpectAllRefused(const std::vector<Writer>& writers, const std::string& reason) {
    std::string bad;
    for (const Writer& w : writers) bad += ExpectRefused(w, reason);
    return bad;
}

void Report(const std::string& r) {
    if (r.rfind("SKIP:", 0) == 0) GTEST_SKIP() << r;
    EXPECT_EQ(r, "");
}

TEST(FailedWrite, ReadOnlyFolderKeepsEveryOldFile) {
    TempDir dir;
    const std::vector<Writer> writers = Writers(dir.path());
    ASSERT_EQ(writers.size(), 3u);
    ::chmod(dir.path().c_str(), 0755);  // the unprivileged child must reach the folders
    for (const Writer& w : writers) ::chmod(w.folder.c_str(), 0555);
    Report(InChild([&] {
        const std::string dropped = DropRoot();
        return dropped.empty() ? ExpectAllRefused(writers, "нет прав на запись в папку или файл") : dropped;
    }));
    for (const Writer& w : writers) ::chmod(w.folder.c_str(), 0755);
}

// A real full disk: a 64 KiB tmpfs filled to the last block (needs a mount namespace).
TEST(FailedWrite, FullDiskKeepsEveryOldFile) {
    TempDir dir;
    const std::string disk = dir.file("disk");
    fs::create_directories(disk);
    Report(InChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("fbtest", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            return "SKIP: no tmpfs can be mounted here";
        const std::vector<Writer> writers = Writers(disk);
        if (writers.empty()) return "the old files could not be written";
        const int fd = ::open((disk + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
        return ExpectAllRefused(writers, "на диске нет свободного места");
    }));
}

// The file-size limit stops a write part way, as a full disk does, and binds root as well.
TEST(FailedWrite, WriteCutShortKeepsEveryOldFile) {
    TempDir dir;
    const std::vector<Writer> writers = Writers(dir.path());
    ASSERT_EQ(writers.size(), 3u);
    Report(InChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};  // every new version is longer
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("SKIP: no file-size limit");
        return ExpectAllRefused(writers, "превышен допустимый размер файла");
    }));
}

// Two cases no permission can explain away, so they hold for root too: the folder is a
// file, and the name to write is taken by a folder.
TEST(FailedWrite, PathThroughAFileOrOntoAFolderIsRefused) {
    TempDir dir;
    dir.write("Flyback", "not a folder");
    const fb::WriteResult through = fb::FlybackDesignFile().Write(dir.file("Flyback/Flyback.ini"), SettingsVersion(1));
    EXPECT_FALSE(through.ok);
    EXPECT_EQ(through.error,
              "Не удалось записать файл \"" + dir.file("Flyback/Flyback.ini") + "\": часть пути не является папкой");
    EXPECT_EQ(dir.read("Flyback"), "not a folder");

    dir.write("Boostcoil/taken.sav/inside.txt", "kept");
    const std::set<std::string> before = Listing(dir.file("Boostcoil"));
    const fb::WriteResult onto = fb::PfcDesignFile().Write(dir.file("Boostcoil/taken.sav"), DesignVersion(1));
    EXPECT_FALSE(onto.ok);
    EXPECT_EQ(onto.error,
              "Не удалось записать файл \"" + dir.file("Boostcoil/taken.sav") + "\": под этим именем уже есть папка");
    EXPECT_EQ(dir.read("Boostcoil/taken.sav/inside.txt"), "kept");
    EXPECT_EQ(Listing(dir.file("Boostcoil")), before);  // the temporary file is gone again

    // The user core file's name taken by a folder: the append is refused, nothing changes.
    dir.write("Bases_Cores/UserFerritesCores.txt/x", "kept");
    const fb::AppendCoreResult add = fb::AppendUserCore(dir.path(), UserCoreRecord(0));
    EXPECT_FALSE(add.ok);
    EXPECT_NE(add.error.find("под этим именем уже есть папка"), std::string::npos) << add.error;
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt/x"), "kept");
}

// Two ways a user core could be lost, each in an unprivileged child. The cores folder cannot
// be opened for the lock (writable, not readable): the append is refused and writes nothing.
// The new file cannot be read back (created with no permissions): the list goes on with what
// was written, and the user is told.
TEST(FailedWrite, UserCoreAppendNeedsTheLockAndSurvivesAFailedReadBack) {
    TempDir dir;
    const std::string folder = dir.file("Bases_Cores"), path = folder + "/UserFerritesCores.txt";
    dir.write("Bases_Cores/UserFerritesCores.txt", UserCoresBefore());
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(folder.c_str(), 0733);
    ::chmod(path.c_str(), 0666);
    Report(InChild([&] {
        const std::string dropped = DropRoot();
        if (!dropped.empty()) return dropped;
        const fb::AppendCoreResult r = fb::AppendUserCore(dir.path(), UserCoreRecord(0));
        return std::string(r.ok ? "\nappended without the lock" : "") +
               (Bytes(path) != UserCoresBefore() ? "\nchanged" : "") +
               (r.error == "Не удалось записать файл \"" + path + "\": папку \"" + folder +
                               "\" не удалось заблокировать "
                               "от одновременной записи другой программой (нет прав на чтение папки)"
                    ? ""
                    : "\n" + r.error);
    }));
    ::chmod(folder.c_str(), 0777);
    ::unlink(path.c_str());
    Report(InChild([&] {
        const std::string dropped = DropRoot();
        if (!dropped.empty()) return dropped;
        ::umask(0666);
        const fb::AppendCoreResult r = fb::AppendUserCore(dir.path(), UserCoreRecord(0));
        return std::string(r.ok && r.userText == UserCoreRecord(0) ? "" : "\nthe list lost the core: " + r.error) +
               (r.warning == "Сердечник записан в файл \"" + path + "\", но прочитать этот файл заново не удалось"
                    ? ""
                    : "\nwarning " + r.warning);
    }));
}

// A settings file of mode 000 reads as nothing to an ordinary user. Taken for a missing file,
// it was overwritten with defaults on close; the start-up now names it as unreadable.
TEST(FailedRead, SettingsWithNoPermissionAreNotTakenForAMissingFile) {
    TempDir dir;
    dir.write("Flyback.ini", "[INI_DATA]\r\ncore\t= E 42/21/15\r\n");
    const std::string path = dir.file("Flyback.ini");
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(path.c_str(), 0);
    Report(InChild([&] {
        const std::string dropped = DropRoot();
        if (!dropped.empty()) return dropped;
        fb::CStartup start(dir.path(), {1 << 16, 1 << 16, 1 << 16});
        fb::FlybackInput in;
        const fb::StartupResult absent = start.ReadSettings(fb::FlybackDesignFile(), dir.file("none.ini"), in);
        const fb::StartupResult locked = start.ReadSettings(fb::FlybackDesignFile(), path, in);
        return std::string(absent ? "\na missing file is reported" : "") +
               (locked && locked->cause == fb::StartupFailure::Cause::UnreadableSettings && locked->file == path &&
                        locked->canGoOn
                    ? ""
                    : "\nthe unreadable file is not reported");
    }));
    ::chmod(path.c_str(), 0644);
}

}  // namespace
}  // namespace fbtest
