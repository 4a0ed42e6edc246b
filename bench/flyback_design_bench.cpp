// One flyback design run on the default inputs: what every click on "Рассчитать" costs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "flyback/design/flyback.h"
#include "tests/flyback/design/fixture.h"

namespace {

void BM_DesignFlybackDefault(benchmark::State& state) {
    const fb::CoreRecord core = fbtest::E25Core();
    const fb::CMaterial material = fbtest::ExampleMaterial();
    fb::CWireTable wires = fbtest::ExampleWires();
    const fb::FlybackInput in;
    for (auto _ : state) {
        fb::FlybackOutcome out = fb::DesignFlyback(in, core, material, wires);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_DesignFlybackDefault);

// The ungapped start: the correction loop runs several passes.
void BM_DesignFlybackCorrected(benchmark::State& state) {
    const fb::CoreRecord core = fbtest::E25Core();
    const fb::CMaterial material = fbtest::ExampleMaterial();
    fb::CWireTable wires = fbtest::ExampleWires();
    fb::FlybackInput in;
    in.zazor = "0";
    for (auto _ : state) {
        fb::FlybackOutcome out = fb::DesignFlyback(in, core, material, wires);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_DesignFlybackCorrected);

}  // namespace
