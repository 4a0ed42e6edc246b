#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/data/addcore.h"
#include "common/data/corebase.h"
#include "common/data/textfile.h"
#include "common/data/usercores.h"
#include "support/tempdir.h"

using namespace fb;

TEST(UserCores, AppendKeepsCoresAddedByTheOtherProgram) {
    fbtest::TempDir dir;
    dir.write("Bases_Cores/FerritesCores.txt", "[E 5]\r\nAe = 1\r\n");
    CCoreBase base;
    base.Load(dir.path(), kBigBuffer);  // creates the empty user file
    // Meanwhile the other program adds a core.
    const std::string theirs = CoreRecordText("E Theirs", "1", "2", "3", "4");
    ASSERT_TRUE(AppendUserCore(dir.path(), theirs).ok);

    const std::string mine = CoreRecordText("E Mine", "5", "6", "7", "8");
    const AppendCoreResult r = AppendUserCore(dir.path(), mine);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.userText, theirs + mine);
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt"), theirs + mine);
    base.SetUserText(r.userText);
    EXPECT_EQ(base.ListForShape(0), (std::vector<std::string>{"E 5", "E Theirs", "E Mine"}));
}

TEST(UserCores, ConcurrentAppendsFromTwoProcessesBothLand) {
    fbtest::TempDir dir;
    dir.write("Bases_Cores/UserFerritesCores.txt", "");
    constexpr int kEach = 200;
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < kEach; ++i)
                ok &= AppendUserCore(dir.path(), CoreRecordText("E P" + std::to_string(p) + "-" + std::to_string(i),
                                                                "1", "1", "1", "1"))
                          .ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    CCoreBase base;
    base.Load(dir.path(), kBigBuffer);
    const std::vector<std::string> names = base.ListForShape(0);
    ASSERT_EQ(names.size(), 2u * kEach);
    // No record lost or doubled by the other process.
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < kEach; ++i) {
            const std::string name = "E P" + std::to_string(p) + "-" + std::to_string(i);
            EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name;
        }
}

TEST(UserCores, FailedAppendChangesNothing) {
    fbtest::TempDir dir;
    const std::string before = CoreRecordText("E Old", "1", "2", "3", "4");
    dir.write("Bases_Cores/UserFerritesCores.txt", before);
    AppendCoreResult r = AppendUserCore(dir.path(), CoreRecordText("E 中", "1", "1", "1", "1"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt"), before);

    r = AppendUserCore(dir.file("absent root"), before);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Не удалось"), std::string::npos);
}

TEST(UserCores, FileLongerThanTheBufferIsNotCutWhenAppending) {
    fbtest::TempDir dir;
    std::string big;
    for (int i = 0; big.size() < 12000; ++i) big += CoreRecordText("E Big" + std::to_string(i), "1", "1", "1", "1");
    dir.write("Bases_Cores/UserFerritesCores.txt", big);
    const std::string rec = CoreRecordText("E New", "1", "1", "1", "1");
    const AppendCoreResult r = AppendUserCore(dir.path(), rec);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt"), big + rec);
    EXPECT_EQ(r.userText, big + rec);  // the user's own file is read whole, never cut
}

// The first start of one program while the other appends: the empty user file is created
// under the append lock and only when absent, so the appended core is never replaced.
TEST(UserCores, FirstStartRacingAnAppendNeverLosesTheCore) {
    fbtest::TempDir dir;
    dir.write("Bases_Cores/FerritesCores.txt", "[E 5]\r\nAe = 1\r\n");
    const std::string user = dir.file("Bases_Cores/UserFerritesCores.txt");
    const std::string rec = CoreRecordText("E Raced", "1", "1", "1", "1");
    int lost = 0;
    for (int round = 0; round < 150; ++round) {
        ::unlink(user.c_str());
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            char c;
            ::close(go[1]);
            (void)!::read(go[0], &c, 1);
            ::_exit(AppendUserCore(dir.path(), rec).ok ? 0 : 1);
        }
        ::close(go[0]);
        (void)!::write(go[1], "x", 1);
        ::close(go[1]);
        CCoreBase base;
        base.Load(dir.path(), kBigBuffer);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);  // the append said it was done
        lost += dir.read("Bases_Cores/UserFerritesCores.txt") != rec;
    }
    EXPECT_EQ(lost, 0);
    // An existing file, even an empty one, is never created over.
    dir.write("Bases_Cores/UserFerritesCores.txt", rec);
    EXPECT_FALSE(CreateUserCoresFile(dir.path()));
    EXPECT_EQ(dir.read("Bases_Cores/UserFerritesCores.txt"), rec);
}

// The user's own file grows past the catalogue's buffer: every core in it is still listed.
TEST(UserCores, UserFileLongerThanTheBufferIsReadWhole) {
    fbtest::TempDir dir;
    std::string big;
    int n = 0;
    while (big.size() < kBigBuffer + 100) big += CoreRecordText("E U" + std::to_string(n++), "1", "1", "1", "1");
    dir.write("Bases_Cores/UserFerritesCores.txt", big);
    CCoreBase base;
    base.Load(dir.path(), kBigBuffer);
    const std::vector<std::string> names = base.ListForShape(0);
    ASSERT_EQ(names.size(), static_cast<size_t>(n));
    EXPECT_EQ(names.back(), "E U" + std::to_string(n - 1));
}
