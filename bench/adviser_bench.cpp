// The core adviser on the shipped data: every core of the catalogue with every material, for
// the requirements of a shipped example design, each candidate with its whole analysis (design
// checks, losses, loss checks, the catalogue's geometry). The budget is 200 ms for the whole
// sweep on a 2-core machine; a single design costs tens of microseconds (flyback_design_bench).
#include <benchmark/benchmark.h>

#include <string>

#include "boostcoil/adviser/pfcadvice.h"
#include "boostcoil/design/pfckeys.h"
#include "common/data/textfile.h"
#include "flyback/adviser/flybackadvice.h"

namespace {

const std::string kRoot = FB_SOURCE_DIR "/data/";
const std::string kFlybackFile = kRoot + "Flyback/Example 12V 3A adapter.sav";
const std::string kPfcFile = kRoot + "Boostcoil/Example 150W universal input.sav";

// From the design file to the last candidate, as `--sweep` runs it (catalogue read included).
void BM_FlybackSweepFile(benchmark::State& state) {
    fb::SweepOptions options;
    options.threads = static_cast<unsigned>(state.range(0));
    std::size_t n = 0;
    for (auto _ : state) {
        const fb::SweepRun run = fb::SweepFlybackFile(kRoot, kFlybackFile, "1", options);
        n = run.sweep.candidates.size();
        benchmark::DoNotOptimize(n);
    }
    state.counters["candidates"] = static_cast<double>(n);
}
BENCHMARK(BM_FlybackSweepFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PfcSweepFile(benchmark::State& state) {
    fb::SweepOptions options;
    options.threads = static_cast<unsigned>(state.range(0));
    std::size_t n = 0;
    for (auto _ : state) {
        const fb::SweepRun run = fb::SweepPfcFile(kRoot, kPfcFile, options);
        n = run.sweep.candidates.size();
        benchmark::DoNotOptimize(n);
    }
    state.counters["candidates"] = static_cast<double>(n);
}
BENCHMARK(BM_PfcSweepFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sweep alone, catalogue already in memory: what the window's "Подбор" costs per run.
void BM_FlybackSweepOnly(benchmark::State& state) {
    const fb::SweepCatalogue cat = fb::LoadSweepCatalogue(kRoot, fb::kBigBuffer, fb::kBigBuffer);
    fb::CWireTable wires;
    wires.Load(kRoot, fb::kBigBuffer);
    fb::FlybackInput form;
    fb::FlybackDesignFile().Read(kFlybackFile, form);
    const fb::Evaluator eval = fb::FlybackEvaluator(form, wires, fb::LoadAdviceAnalysis(kRoot));
    fb::SweepOptions options;
    options.threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(fb::RunSweep(cat, eval, options).candidates.size());
    state.counters["candidates"] = static_cast<double>(cat.Size());
}
BENCHMARK(BM_FlybackSweepOnly)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
