// One flyback design run on the default inputs: what every click on "Рассчитать" costs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "flyback/design/flyback.h"

namespace {

fb::CMaterial Material() {
    fb::CMaterial m;
    m.name = "N87 Epcos";
    m.Bmax = 0.32;
    m.Bmmax = 0.2;
    m.mu = 2200;
    m.nB = 3;
    m.nF = 2;
    const double B[] = {0.05, 0.1, 0.2};
    const double P[2][3] = {{2, 10, 50}, {10, 60, 340}};
    m.table[1][0] = 25;
    m.table[2][0] = 100;
    for (int j = 1; j <= 3; ++j) {
        m.table[0][j] = B[j - 1];
        m.table[1][j] = P[0][j - 1];
        m.table[2][j] = P[1][j - 1];
    }
    return m;
}

fb::CWireTable Wires() {
    fb::CWireTable w;
    const double d[] = {0.1, 0.12, 0.15, 0.18, 0.2, 0.25, 0.3, 0.315, 0.355, 0.4, 0.45, 0.5,
                        0.56, 0.63, 0.71, 0.8, 0.9, 1.0, 1.12, 1.25, 1.4, 1.6, 1.8, 2.0};
    for (double v : d) {
        ++w.N;
        w.d[w.N] = v;
        w.diz[w.N] = v + 0.05;
        w.S[w.N] = v * v * M_PI * 0.25;
    }
    return w;
}

fb::CoreRecord Core() {
    fb::CoreRecord c;
    c.name = "E 25/13/7";
    c.Ae = 52.5;
    c.An = 87;
    c.le = 57.5;
    c.mu = 1500;
    c.Ve = c.le * c.Ae / 1000;
    return c;
}

void BM_DesignFlybackDefault(benchmark::State& state) {
    const fb::CoreRecord core = Core();
    const fb::CMaterial material = Material();
    fb::CWireTable wires = Wires();
    const fb::FlybackInput in;
    for (auto _ : state) {
        fb::FlybackOutcome out = fb::DesignFlyback(in, core, material, wires);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_DesignFlybackDefault);

// The ungapped start: the correction loop runs several passes.
void BM_DesignFlybackCorrected(benchmark::State& state) {
    const fb::CoreRecord core = Core();
    const fb::CMaterial material = Material();
    fb::CWireTable wires = Wires();
    fb::FlybackInput in;
    in.zazor = "0";
    for (auto _ : state) {
        fb::FlybackOutcome out = fb::DesignFlyback(in, core, material, wires);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_DesignFlybackCorrected);

}  // namespace
