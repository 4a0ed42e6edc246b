// One flyback-calc --json process end to end on the build's data root: start-up, reading
// the data files, the design, the clamper and the JSON, as a script calling the tool pays.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/data/textfile.h"
#include "flyback/design/flyback.h"
#include "tests/support/process.h"

namespace {

void BM_FlybackCalcJson(benchmark::State& state) {
    const std::string root = FB_ROOT_DIR;
    const std::string exe = root + "/Flyback/flyback-calc";
    if (!fb::FileExists(exe) || !fb::FileExists(root + "/Wire.txt")) {
        state.SkipWithError("flyback-calc or the data root is not built");
        return;
    }
    std::string tmpl = (std::filesystem::temp_directory_path() / "fbbench-XXXXXX.sav").string();
    const int fd = ::mkstemps(tmpl.data(), 4);
    if (fd < 0 || !fb::FlybackDesignFile().Write(tmpl, fb::FlybackInput{}).ok) {
        if (fd >= 0) ::close(fd);
        state.SkipWithError("cannot write the design file");
        return;
    }
    ::close(fd);
    for (auto _ : state) {
        const fbtest::ProcessResult r = fbtest::RunProcess({exe, "--data-root", root, "--json", tmpl});
        if (r.exitCode != 0) {
            state.SkipWithError(("flyback-calc failed: " + r.err).c_str());
            break;
        }
        benchmark::DoNotOptimize(r.out.data());
    }
    std::filesystem::remove(tmpl);
}
BENCHMARK(BM_FlybackCalcJson)->Unit(benchmark::kMillisecond);

}  // namespace
