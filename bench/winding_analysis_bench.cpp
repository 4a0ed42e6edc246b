// What the winding analysis adds to one design: build-up, harmonic Dowell loss of every winding,
// the temperature loop and the leakage. Target: at most 50 µs a design.
#include <benchmark/benchmark.h>

#include <string>

#include "boostcoil/design/pfcanalysis.h"
#include "boostcoil/design/pfckeys.h"
#include "boostcoil/design/pfclosses.h"
#include "common/data/textfile.h"
#include "flyback/design/flybackanalysis.h"
#include "flyback/design/flybacklosses.h"

namespace {

const std::string kRoot = std::string(FB_SOURCE_DIR) + "/data/";

// Former of an E 25/13/7 as the tests take it.
const fb::CoreGeometry kE25{15.6, 4.4, 52, 20.4, 0, false};
const fb::CoreGeometry kEtd39{25.7, 7.4, 69, 40, 0, false};

// A shipped example design with its data, loaded the way the tools load it.
template <class Input>
struct Example {
    Input in;
    fb::CWireTable wires;
    fb::CMaterial material;
    fb::CoreRecord core;
    bool ok = false;
};

// The example in `file`; a benchmark whose example is missing is skipped.
template <class Input>
Example<Input> LoadExample(const std::string& file, fb::CDesignFile<Input> reader, benchmark::State& state) {
    Example<Input> e;
    e.ok = e.wires.Load(kRoot, fb::kBigBuffer) && reader.Read(kRoot + file, e.in) &&
           e.material.Load(kRoot, e.in.mater, fb::kBigBuffer);
    if (e.ok) {
        fb::CCoreBase base;
        base.Load(kRoot, fb::kBigBuffer, false);
        base.SelectByName(e.in.core);
        e.ok = base.OnSelect(e.core);
    }
    if (!e.ok) state.SkipWithError("example design not found");
    return e;
}

void BM_FlybackAnalysis(benchmark::State& state) {
    auto e = LoadExample("Flyback/Example 24V 60W auxiliary winding.sav", fb::FlybackDesignFile(), state);
    if (!e.ok) return;
    const fb::FlybackOutcome out = fb::DesignFlyback(e.in, e.core, e.material, e.wires);
    fb::LossOptions options;
    options.interleave = state.range(0) != 0;
    for (auto _ : state) benchmark::DoNotOptimize(fb::AnalyseFlyback(out, e.wires, kE25, options));
}
BENCHMARK(BM_FlybackAnalysis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole analysis the CLI, the window and the adviser run: design checks, figures, losses,
// loss checks.
void BM_FlybackWholeAnalysis(benchmark::State& state) {
    auto e = LoadExample("Flyback/Example 24V 60W auxiliary winding.sav", fb::FlybackDesignFile(), state);
    if (!e.ok) return;
    const fb::FlybackOutcome out = fb::DesignFlyback(e.in, e.core, e.material, e.wires);
    for (auto _ : state)
        benchmark::DoNotOptimize(fb::AnalyseFlybackDesign(out, e.core, e.material, e.wires, kE25, fb::LossOptions{}));
}
BENCHMARK(BM_FlybackWholeAnalysis)->Unit(benchmark::kMicrosecond);

void BM_ChokeAnalysis(benchmark::State& state) {
    auto e = LoadExample("Boostcoil/Example 150W universal input.sav", fb::PfcDesignFile(), state);
    if (!e.ok) return;
    const fb::PfcResult r = fb::CalculateChoke(e.in, e.core, e.material, e.wires);
    for (auto _ : state) benchmark::DoNotOptimize(fb::AnalyseChoke(r, e.wires, kEtd39, fb::LossOptions{}));
}
BENCHMARK(BM_ChokeAnalysis)->Unit(benchmark::kMicrosecond);

void BM_ChokeWholeAnalysis(benchmark::State& state) {
    auto e = LoadExample("Boostcoil/Example 150W universal input.sav", fb::PfcDesignFile(), state);
    if (!e.ok) return;
    const fb::PfcResult r = fb::CalculateChoke(e.in, e.core, e.material, e.wires);
    for (auto _ : state)
        benchmark::DoNotOptimize(fb::AnalyseChokeDesign(r, e.material, e.wires, kEtd39, fb::LossOptions{}));
}
BENCHMARK(BM_ChokeWholeAnalysis)->Unit(benchmark::kMicrosecond);

}  // namespace
