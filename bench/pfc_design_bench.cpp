// One choke design on the window's start-up inputs, with the data set up in memory so that
// only the calculation is measured.
#include <benchmark/benchmark.h>

#include <cmath>

#include "boostcoil/design/pfc.h"
#include "tests/flyback/design/fixture.h"

namespace {

fb::CMaterial Material() {
    fb::CMaterial m;
    m.name = "N87 Epcos";
    m.Bmax = 0.39;
    m.Bmmax = 0.2;
    m.mu = 2200;
    const double B[] = {0.05, 0.1, 0.2, 0.3};
    const double F[] = {25, 100, 200};
    const double P[3][4] = {{2, 10, 50, 140}, {10, 60, 340, 900}, {25, 150, 800, 2200}};
    m.nB = 4;
    m.nF = 3;
    for (int j = 0; j < 4; ++j) m.table[0][j + 1] = B[j];
    for (int i = 0; i < 3; ++i) {
        m.table[i + 1][0] = F[i];
        for (int j = 0; j < 4; ++j) m.table[i + 1][j + 1] = P[i][j];
    }
    return m;
}

fb::CWireTable Wires() {
    fb::CWireTable w;
    const double d[] = {0.1, 0.2, 0.315, 0.4, 0.51, 0.63, 0.8, 1.0};
    w.N = 8;
    for (int k = 1; k <= w.N; ++k) {
        w.d[k] = d[k - 1];
        w.diz[k] = d[k - 1] + 0.05;
        w.S[k] = w.d[k] * w.d[k] * M_PI * 0.25;
    }
    return w;
}

void BM_CalculateChokeDefault(benchmark::State& state) {
    const fb::CMaterial material = Material();
    const fb::CWireTable wires = Wires();
    const fb::CoreRecord core = fbtest::ChokeCore();
    const fb::PfcInput input;
    for (auto _ : state) benchmark::DoNotOptimize(fb::CalculateChoke(input, core, material, wires));
}
BENCHMARK(BM_CalculateChokeDefault);

}  // namespace
