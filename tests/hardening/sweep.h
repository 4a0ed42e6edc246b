#pragma once
// The bad-input sweeps: a repeatable generator of input texts (plausible numbers mixed with
// hostile texts), a data root of sound and damaged cores, materials and wire tables, the
// checks of a shown number's format, and a watchdog so that a hanging design fails the test
// instead of stalling the suite.
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/wiretable.h"
#include "tests/support/tempdir.h"

namespace fbtest {

// splitmix64: small, fast and the same sequence on every platform (std::uniform_* are not).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_s(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(double p) { return Unit() < p; }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    template <class T>
    const T& Pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(Below(static_cast<int>(v.size())))];
    }

private:
    std::uint64_t m_s;
};

// Texts a user, a damaged settings file or a stray paste can put into a number field.
const std::vector<std::string>& HostileTexts();

// A number in [lo, hi] typed the way people type it: 0-3 decimals, a comma or a point,
// now and then with a trailing unit or blank.
std::string PlausibleText(Rng& rng, double lo, double hi);

// One field's text: hostile with probability `hostile`, else plausible in [lo, hi].
std::string FieldText(Rng& rng, double hostile, double lo, double hi);

// How many input sets a sweep runs: FB_SWEEP_CASES overrides; the sanitizer build runs fewer.
int SweepCases(int normal);
// FB_SWEEP_SEED varies the sequence for exploratory runs; the suite uses a fixed one.
std::uint64_t SweepSeed(std::uint64_t fixed);

// A data root with the sound and the damaged data the sweeps choose from.
struct SweepData {
    TempDir dir;
    fb::CCoreBase cores;
    std::vector<std::string> coreNames;      // every section of the catalogue
    std::vector<fb::CMaterial> materials;    // loaded from their files
    std::vector<fb::CWireTable> wireTables;  // loaded from Wire.txt variants, plus an empty table
    SweepData();
};

// What one input set draws besides its texts: how hostile its fields are (mostly sound sets
// with a stray bad field, some half bad, a few almost all bad), and the core, material and wire
// table (mostly one of the first six cores, two materials and the sound table; now and then any).
struct CaseDraw {
    double hostile = 0;
    size_t core = 0, material = 0, wires = 0;
};
CaseDraw DrawCase(Rng& rng, const SweepData& data);

// Format checks of shown texts. Num(n): what FormatFixed(v, n) gives for a finite v.
bool IsFixed(const std::string& text, int decimals);
// A tidied diameter ("0.5", "1", "0.315").
bool IsTidy(const std::string& text);
// Literal texts with a number of the given decimals between each two: literals.size() must be
// decimals.size() + 1.
bool MatchesPattern(const std::string& text, const std::vector<std::string>& literals,
                    const std::vector<int>& decimals);
// True when the text shows an infinite or undefined number ("inf", "nan" in any case).
bool ShowsNonFinite(const std::string& text);

// A text short enough for a failure line, with control bytes spelled out.
std::string Shown(const std::string& s);

// Fails the whole program with the case number when a sweep outlives `seconds`: a hang must
// end the test run with a pointer to the case, never block it.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds, const char* what);
    ~Watchdog();
    static void SetCase(long index) { s_case = index; }

private:
    static void OnAlarm(int);
    static volatile sig_atomic_t s_case;
    static const char* s_what;
    struct sigaction m_old {};
};

// What a sweep counted over its input sets.
struct SweepTally {
    int cases = 0;
    int failures = 0;
    int good = 0;        // sets that gave a design with finite results
    int corrected = 0;   // sets whose inputs the engine corrected
    double slowest = 0;  // seconds of the slowest design
    long slowestCase = -1;
};

// Runs `cases` input sets from `seed` under a watchdog named `what`: make(rng, k) builds a
// set, design(set) is the timed run, and check(k, set, outcome, tally) counts it and returns
// "" or the failure's description. The first ten failures are reported.
template <class Make, class Design, class Check>
SweepTally RunSweep(int cases, std::uint64_t seed, const char* what, Make make, Design design, Check check) {
    Rng rng(seed);
#ifdef FB_HARDENING_SANITIZED
    Watchdog watchdog(500, what);
#else
    Watchdog watchdog(120, what);
#endif
    SweepTally t;
    t.cases = cases;
    for (long k = 0; k < cases; ++k) {
        auto set = make(rng, k);
        Watchdog::SetCase(k);
        const auto start = std::chrono::steady_clock::now();
        const auto outcome = design(set);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > t.slowest) t.slowest = seconds, t.slowestCase = k;
        const std::string bad = check(k, set, outcome, t);
        if (!bad.empty() && ++t.failures <= 10) ADD_FAILURE() << bad;
    }
    return t;
}

// No failures, enough designs that get through for the checks of the shown numbers to prove
// something, some corrected inputs, and no run that keeps the user waiting (one run is a click
// in the window).
void ExpectSoundSweep(const SweepTally& t);

}  // namespace fbtest
