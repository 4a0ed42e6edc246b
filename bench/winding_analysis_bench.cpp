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

template <class Input>
bool Prepare(const std::string& file, fb::CDesignFile<Input> reader, Input& in, fb::CWireTable& wires,
             fb::CMaterial& material, fb::CoreRecord& core) {
    if (!wires.Load(kRoot, fb::kBigBuffer) || !reader.Read(kRoot + file, in)) return false;
    if (!material.Load(kRoot, in.mater, fb::kBigBuffer)) return false;
    fb::CCoreBase base;
    base.Load(kRoot, fb::kBigBuffer, false);
    base.SelectByName(in.core);
    return base.OnSelect(core);
}

void BM_FlybackAnalysis(benchmark::State& state) {
    fb::FlybackInput in;
    fb::CWireTable wires;
    fb::CMaterial material;
    fb::CoreRecord core;
    if (!Prepare("Flyback/Example 24V 60W auxiliary winding.sav", fb::FlybackDesignFile(), in, wires, material, core)) {
        state.SkipWithError("example design not found");
        return;
    }
    const fb::FlybackOutcome out = fb::DesignFlyback(in, core, material, wires);
    fb::LossOptions options;
    options.interleave = state.range(0) != 0;
    for (auto _ : state) benchmark::DoNotOptimize(fb::AnalyseFlyback(out, wires, kE25, options));
}
BENCHMARK(BM_FlybackAnalysis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole analysis the CLI, the window and the adviser run: design checks, figures, losses,
// loss checks.
void BM_FlybackWholeAnalysis(benchmark::State& state) {
    fb::FlybackInput in;
    fb::CWireTable wires;
    fb::CMaterial material;
    fb::CoreRecord core;
    if (!Prepare("Flyback/Example 24V 60W auxiliary winding.sav", fb::FlybackDesignFile(), in, wires, material, core)) {
        state.SkipWithError("example design not found");
        return;
    }
    const fb::FlybackOutcome out = fb::DesignFlyback(in, core, material, wires);
    for (auto _ : state)
        benchmark::DoNotOptimize(fb::AnalyseFlybackDesign(out, core, material, wires, kE25, fb::LossOptions{}));
}
BENCHMARK(BM_FlybackWholeAnalysis)->Unit(benchmark::kMicrosecond);

void BM_ChokeAnalysis(benchmark::State& state) {
    fb::PfcInput in;
    fb::CWireTable wires;
    fb::CMaterial material;
    fb::CoreRecord core;
    if (!Prepare("Boostcoil/Example 150W universal input.sav", fb::PfcDesignFile(), in, wires, material, core)) {
        state.SkipWithError("example design not found");
        return;
    }
    const fb::PfcResult r = fb::CalculateChoke(in, core, material, wires);
    const fb::CoreGeometry etd39{25.7, 7.4, 69, 40, 0, false};
    for (auto _ : state) benchmark::DoNotOptimize(fb::AnalyseChoke(r, wires, etd39, fb::LossOptions{}));
}
BENCHMARK(BM_ChokeAnalysis)->Unit(benchmark::kMicrosecond);

void BM_ChokeWholeAnalysis(benchmark::State& state) {
    fb::PfcInput in;
    fb::CWireTable wires;
    fb::CMaterial material;
    fb::CoreRecord core;
    if (!Prepare("Boostcoil/Example 150W universal input.sav", fb::PfcDesignFile(), in, wires, material, core)) {
        state.SkipWithError("example design not found");
        return;
    }
    const fb::PfcResult r = fb::CalculateChoke(in, core, material, wires);
    const fb::CoreGeometry etd39{25.7, 7.4, 69, 40, 0, false};
    for (auto _ : state)
        benchmark::DoNotOptimize(fb::AnalyseChokeDesign(r, material, wires, etd39, fb::LossOptions{}));
}
BENCHMARK(BM_ChokeWholeAnalysis)->Unit(benchmark::kMicrosecond);

}  // namespace
