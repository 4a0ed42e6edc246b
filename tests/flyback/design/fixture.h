#pragma once
// Small data objects built in code: a ferrite material with the two-frequency loss table
// used throughout the material tests, a standard wire table, an E 25 core and the choke form's E 36.
#include <charconv>
#include <cmath>
#include <string>

#include "flyback/design/flyback.h"

namespace fbtest {

inline fb::CMaterial ExampleMaterial() {
    fb::CMaterial m;
    m.name = "N87 Epcos";
    m.Bmax = 0.32;
    m.Bmmax = 0.2;
    m.mu = 2200;
    m.nB = 3;
    m.nF = 2;
    const double B[] = {0.05, 0.1, 0.2};
    const double P[2][3] = {{2, 10, 50}, {10, 60, 340}};
    for (int j = 1; j <= 3; ++j) m.table[0][j] = B[j - 1];
    m.table[1][0] = 25;
    m.table[2][0] = 100;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 3; ++j) m.table[i][j] = P[i - 1][j - 1];
    return m;
}

inline fb::CWireTable ExampleWires() {
    fb::CWireTable w;
    const double d[] = {0.1,  0.12, 0.15, 0.18, 0.2, 0.25, 0.3,  0.315, 0.355, 0.4, 0.45, 0.5,
                        0.56, 0.63, 0.71, 0.8,  0.9, 1.0,  1.12, 1.25,  1.4,   1.6, 1.8,  2.0};
    for (double v : d) {
        ++w.N;
        w.d[w.N] = v;
        w.diz[w.N] = v + 0.05;
        w.S[w.N] = v * v * M_PI * 0.25;
    }
    return w;
}

inline fb::CoreRecord E25Core() {
    fb::CoreRecord c;
    c.name = "E 25/13/7";
    c.Ae = 52.5;
    c.An = 87;
    c.le = 57.5;
    c.mu = 1500;
    c.Ve = c.le * c.Ae / 1000;
    return c;
}

// E 36/18/11 as the choke form shows it.
inline fb::CoreRecord ChokeCore() {
    fb::CoreRecord c;
    c.name = "E 36/18/11";
    c.AeText = "131";
    c.AnText = "152";
    c.leText = "78";
    c.muText = "1800";
    return c;
}

// The shortest text that reads back as exactly this double (for feeding computed values).
inline std::string Exact(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

struct Bench {
    fb::CoreRecord core = E25Core();
    fb::CMaterial material = ExampleMaterial();
    fb::CWireTable wires = ExampleWires();
    fb::FlybackOutcome Run(const fb::FlybackInput& in) { return fb::DesignFlyback(in, core, material, wires); }
};

}  // namespace fbtest
