// Files are never half-written: a helper writes the settings file, a saved design or the user
// core file through the programs' own writers in a loop, and is killed with SIGKILL at a
// random moment, hundreds of times. Each time the file must be, byte for byte, one of the
// versions the helper writes (for the user core file: the old text plus whole records).
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "boostcoil/design/pfckeys.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"
#include "common/files/savedfiles.h"
#include "tests/hardening/sweep.h"
#include "tests/hardening/writer/contents.h"
#include "tests/support/tempdir.h"

extern char** environ;

namespace fbtest {
namespace {

namespace fs = std::filesystem;

#ifdef FB_HARDENING_SANITIZED
constexpr int kKills = 100;
#else
constexpr int kKills = 200;
#endif

std::string Cp1251(const std::string& utf8) {
    std::string bytes;
    EXPECT_TRUE(fb::Utf8ToCp1251(utf8, bytes));
    return bytes;
}

// Starts the helper and waits for its line, so the kill is timed from its first write.
pid_t StartWriter(const std::string& kind, const std::string& path) {
    int pipeFd[2];
    if (::pipe(pipeFd) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFd[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFd[0]);
    const std::string exe = HARD_FILEWRITER_EXE;
    char* argv[] = {const_cast<char*>(exe.c_str()), const_cast<char*>(kind.c_str()), const_cast<char*>(path.c_str()),
                    nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFd[1]);
    char line[8];
    if (pid > 0 && ::read(pipeFd[0], line, sizeof line) <= 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
    ::close(pipeFd[0]);
    return pid;
}

struct KillStats {
    int changed = 0;    // kills after which the file held the second version
    int leftovers = 0;  // temporary files a killed writer left behind
};

// One round: start, let it write for `micros`, kill, reap. False when it could not be started
// or ended by itself (then the kill proves nothing).
bool WriteAndKill(const std::string& kind, const std::string& path, int micros) {
    const pid_t pid = StartWriter(kind, path);
    if (pid <= 0) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(micros));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The folder after a kill: the target and possibly temporary files ".fbtmp.XXXXXX" of the
// writer, which are counted and removed. Anything else is a failure.
int TakeLeftovers(const std::string& folder, const std::string& name) {
    int n = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        const std::string f = e.path().filename().string();
        if (f == name) {
            EXPECT_TRUE(e.is_regular_file()) << f;
            continue;
        }
        EXPECT_EQ(f.rfind(".fbtmp.", 0), 0u) << "unexpected file " << f;
        EXPECT_EQ(f.size(), 13u) << f;
        fs::remove(e.path());
        ++n;
    }
    return n;
}

// Kills the writer of a two-version file many times; each time the file is one version.
KillStats KillTwoVersionWriter(const std::string& kind, const std::string& folder, const std::string& name,
                               const std::string& v0, const std::string& v1) {
    KillStats stats;
    const std::string path = folder + "/" + name;
    Rng rng(977 + kind.size());
    for (int k = 0; k < kKills; ++k) {
        if (!fs::exists(path)) ADD_FAILURE() << "the target vanished";
        if (!WriteAndKill(kind, path, rng.Below(8000))) {
            ADD_FAILURE() << "the writer did not run until killed, round " << k;
            break;
        }
        std::string bytes;
        EXPECT_TRUE(fb::ReadAllBytes(path, bytes)) << "round " << k;
        const bool whole = bytes == v0 || bytes == v1;
        EXPECT_TRUE(whole) << "round " << k << ": " << bytes.size() << " bytes, neither version";
        if (!whole) break;
        stats.changed += bytes == v1;
        stats.leftovers += TakeLeftovers(folder, name);
    }
    return stats;
}

// Kills the helper while it rewrites `name` in the data root's `subfolder` with the two
// versions in turn; the file must always be one of them whole.
template <class Input>
void ExpectEveryKillLeavesOneVersion(const char* what, const char* shown, const std::string& subfolder,
                                     const std::string& name, const fb::CDesignFile<Input>& file, const Input& first,
                                     const Input& second) {
    TempDir dir;
    const std::string folder = dir.file(subfolder);
    fs::create_directories(folder);
    const std::string v0 = Cp1251(file.Compose(first)), v1 = Cp1251(file.Compose(second));
    ASSERT_NE(v0.size(), v1.size());
    ASSERT_TRUE(file.Write(folder + "/" + name, first).ok);
    const KillStats s = KillTwoVersionWriter(what, folder, name, v0, v1);
    // The kills must land while the helper writes, or the test would prove nothing.
    EXPECT_GT(s.changed, kKills / 10);
    std::printf("%s: %d kills, %d ended on the second version, %d temporary files left behind\n", shown, kKills,
                s.changed, s.leftovers);
}

TEST(KilledWriter, SettingsFileIsAlwaysOneWholeVersion) {
    ExpectEveryKillLeavesOneVersion("settings", "settings", "Flyback", "Flyback.ini", fb::FlybackDesignFile(),
                                    SettingsVersion(0), SettingsVersion(1));
}

TEST(KilledWriter, SavedDesignIsAlwaysOneWholeVersion) {
    const std::string name = fb::PfcSaveName(DesignVersion(0));  // Cyrillic in the name
    ExpectEveryKillLeavesOneVersion("design", "saved design", "Boostcoil", name, fb::PfcDesignFile(), DesignVersion(0),
                                    DesignVersion(1));
}

// The user file only grows by whole records: the old text, then the helper's records in the
// order it appends them, never a part of one.
TEST(KilledWriter, UserCoreFileGrowsOnlyByWholeRecords) {
    TempDir dir;
    const std::string folder = dir.file("Bases_Cores");
    const std::string path = folder + "/UserFerritesCores.txt";
    const std::string before = Cp1251(UserCoresBefore());
    const std::string records[2] = {Cp1251(UserCoreRecord(0)), Cp1251(UserCoreRecord(1))};
    Rng rng(4242);
    int grown = 0, leftovers = 0, most = 0;
    for (int k = 0; k < kKills; ++k) {
        fs::remove_all(folder);
        dir.write("Bases_Cores/UserFerritesCores.txt", before);
        ASSERT_TRUE(WriteAndKill("usercore", dir.path(), rng.Below(8000))) << "round " << k;
        std::string bytes;
        ASSERT_TRUE(fb::ReadAllBytes(path, bytes)) << "round " << k;
        ASSERT_EQ(bytes.compare(0, before.size(), before), 0) << "round " << k << ": the old cores were damaged";
        size_t at = before.size();
        int n = 0;
        while (at < bytes.size()) {
            const std::string& next = records[n % 2];
            ASSERT_EQ(bytes.compare(at, next.size(), next), 0)
                << "round " << k << ": record " << n << " is cut or mixed at byte " << at;
            at += next.size();
            ++n;
        }
        grown += n > 0;
        most = std::max(most, n);
        leftovers += TakeLeftovers(folder, "UserFerritesCores.txt");
    }
    EXPECT_GT(grown, kKills / 10);
    std::printf("user cores: %d kills, %d appended, at most %d records, %d temporary files left behind\n", kKills,
                grown, most, leftovers);
}

}  // namespace
}  // namespace fbtest
