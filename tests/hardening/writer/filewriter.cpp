// Writes one of the programs' files through the programs' own writers, over and over, until
// it is killed (or gives up after a few seconds, so a test that died leaves no writer behind):
//   hard_filewriter settings <path>   Flyback.ini, the two versions in turn
//   hard_filewriter design <path>     a saved Boostcoil design, the two versions in turn
//   hard_filewriter usercore <root>   user cores appended one after another
// It prints one line before its first write, so the test can time its kill from there.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "boostcoil/design/pfckeys.h"
#include "common/data/textfile.h"
#include "common/data/usercores.h"
#include "tests/hardening/writer/contents.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hard_filewriter settings|design|usercore <path>\n");
        return 2;
    }
    const std::string kind = argv[1], path = argv[2];
    if (kind != "settings" && kind != "design" && kind != "usercore") return 2;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    (void)!::write(1, "ready\n", 6);
    for (int k = 0; std::chrono::steady_clock::now() < giveUp; ++k) {
        // The settings and the design start with the version the test put there, so the
        // first write already changes the file.
        bool ok = false;
        if (kind == "settings")
            ok = fb::FlybackDesignFile().Write(path, fbtest::SettingsVersion(k + 1)).ok;
        else if (kind == "design")
            ok = fb::PfcDesignFile().Write(path, fbtest::DesignVersion(k + 1)).ok;
        else
            ok = fb::AppendUserCore(path, fbtest::UserCoreRecord(k)).ok;
        if (!ok) return 1;
    }
    return 0;
}
