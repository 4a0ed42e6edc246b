// DesignFlyback on thousands of generated input sets: plausible numbers mixed with hostile
// texts, every combination of the five flags, sound and damaged cores, materials and wire
// tables. Whatever comes in, the run ends within its loop bounds, and what the window would
// show is either a number in the control's own format or empty with the guard's message.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>

#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "flyback/design/flyback.h"
#include "flyback/design/run.h"
#include "tests/hardening/sweep.h"

namespace fbtest {
namespace {

using fb::FlybackInput;
using fb::FlybackOutcome;
namespace ctl = fb::ctl;

// The secondaries' fields by index, as the engine holds them.
using fb::kD2;
using fb::kI2;
using fb::kN2;
using fb::kU2;
using fb::kUd;
using fb::kW2;

struct Case {
    FlybackInput in;
    size_t core = 0, material = 0, wires = 0;
};

const int kOddFlags[] = {-1, 2, 255, INT_MIN, INT_MAX};

Case MakeCase(Rng& rng, long index, const SweepData& data) {
    Case c;
    FlybackInput& in = c.in;
    // Flags: the 32 combinations in turn; now and then one flag holds a value no radio or
    // check box gives (a hand-edited settings file).
    const int combo = static_cast<int>(index % 32);
    in.setevoe = combo & 1;
    in.Auto = (combo >> 1) & 1;
    in.rds = (combo >> 2) & 1;
    in.yes_d = (combo >> 3) & 1;
    in.yes_al = (combo >> 4) & 1;
    if (rng.Chance(0.08)) {
        int* flags[] = {&in.setevoe, &in.Auto, &in.rds, &in.yes_d, &in.yes_al};
        *flags[rng.Below(5)] = kOddFlags[rng.Below(5)];
    }
    const CaseDraw draw = DrawCase(rng, data);
    const double h = draw.hostile;
    c.core = draw.core, c.material = draw.material, c.wires = draw.wires;
    in.core = data.coreNames[c.core];
    in.mater = data.materials[c.material].name;
    in.zazor = in.yes_al != 0 ? FieldText(rng, h, 20, 3000) : FieldText(rng, h, 0, 1.5);
    in.Umin = FieldText(rng, h, 40, 300);
    in.Unom = FieldText(rng, h, 40, 350);
    in.Umax = FieldText(rng, h, 40, 400);
    in.Fconv = FieldText(rng, h, 10, 300);
    in.Umirror = FieldText(rng, h, 20, 300);
    in.Utrmax = FieldText(rng, h, 200, 1000);
    in.j = FieldText(rng, h, 1, 12);
    in.Rds = FieldText(rng, h, 0.05, 2);
    in.Unas = FieldText(rng, h, 0, 3);
    in.Iccm = FieldText(rng, h, 0, 95);
    in.Usense = FieldText(rng, h, 0.1, 3);
    in.d11 = FieldText(rng, h, 0.02, 2);
    for (int i = 0; i < 5; ++i) {
        in.*kU2[i] = i > 0 && rng.Chance(0.5) ? std::string() : FieldText(rng, h, 3, i == 0 ? 48 : 400);
        in.*kI2[i] = FieldText(rng, h, 0.001, 3);
        in.*kUd[i] = FieldText(rng, h, 0, 2);
        in.*kD2[i] = FieldText(rng, h, 0.02, 2);
        in.*kW2[i] = rng.Pick(HostileTexts());
        in.*kN2[i] = rng.Pick(HostileTexts());
    }
    in.w1 = rng.Pick(HostileTexts());
    in.n1 = rng.Pick(HostileTexts());
    for (std::string FlybackInput::*f : {&FlybackInput::Uclamp, &FlybackInput::Ures, &FlybackInput::Ceq,
                                         &FlybackInput::Ls, &FlybackInput::TL1, &FlybackInput::TLs})
        in.*f = FieldText(rng, h, 0, 200);
    return c;
}

std::string Describe(long index, const Case& c, const SweepData& data) {
    std::string d = "case " + fb::FormatInt(index) + ": core " + data.coreNames[c.core] + ", material " +
                    data.materials[c.material].name + ", wire table " + fb::FormatInt(static_cast<long long>(c.wires));
    for (const fb::KeyField<FlybackInput>& f : fb::FlybackKeyTable())
        d += "\n  " + std::string(f.key) + " = " + Shown(f.ValueText(c.in));
    return d + "\n  Usense = " + Shown(c.in.Usense);
}

bool IsStandardDiameter(const std::string& text, const fb::CWireTable& w) {
    const double x = fb::TextToDouble(text);
    for (int k = 1; k <= w.N; ++k)
        if (w.d[k] == x) return true;
    return false;
}

// The expected format of every result control (for present secondaries).
bool ResultMatches(int id, const std::string& t, bool al) {
    auto suffixed = [&](const char* unit, int decimals) {
        const std::string u = unit;
        return t.size() > u.size() && t.compare(t.size() - u.size(), u.size(), u) == 0 &&
               IsFixed(t.substr(0, t.size() - u.size()), decimals);
    };
    auto wire = [&](const std::string& s) {
        const size_t x = s.find(" x ");
        return x != std::string::npos && IsTidy(s.substr(0, x)) && IsFixed(s.substr(x + 3), 0);
    };
    switch (id) {
    case ctl::kMue:
    case ctl::kAL:
    case ctl::kUr:
    case ctl::kUovs: return IsFixed(t, 1);
    case ctl::kRequired: return IsFixed(t, al ? 0 : 3);
    case ctl::kKcMax:
    case ctl::kKcNom:
    case ctl::kKcMin: return IsFixed(t, 2);
    case ctl::kCin:
    case ctl::kNp: return IsFixed(t, 0);
    case ctl::kBlim: return MatchesPattern(t, {"(не более ", " T)"}, {3});
    case ctl::kPrimaryWire:
        return t.rfind("витков, провод ", 0) == 0 && wire(t.substr(std::string("витков, провод ").size()));
    default: break;
    }
    if (id >= ctl::kTurnsBase && id < ctl::kTurnsBase + 5) return IsFixed(t, 0);
    if (id >= ctl::kWireBase && id < ctl::kWireBase + 5) return wire(t);
    if (id >= ctl::kUoutBase && id < ctl::kUoutBase + 5) return suffixed(" В", 2) || suffixed(" В", 1);
    if (id >= ctl::kUdrevBase && id < ctl::kUdrevBase + 5) return suffixed(" В", 0);
    if (id >= ctl::kIcrmsBase && id < ctl::kIcrmsBase + 5) return suffixed(" А", 3);
    return IsFixed(t, 3);  // duties, currents, loss, flux, Rsense, current densities, Lp, Kfill
}

int SecondaryOf(int id) {
    for (int base : {ctl::kTurnsBase, ctl::kWireBase, ctl::kJBase, ctl::kUoutBase, ctl::kUdrevBase, ctl::kIcrmsBase})
        if (id >= base && id < base + 5) return id - base;
    return -1;
}

// Everything wrong with one outcome, empty when it is sound.
std::string Check(const Case& c, const FlybackOutcome& o, const fb::CWireTable& wires) {
    std::string bad;
    auto fail = [&](const std::string& what) { bad += "\n    " + what; };
    const FlybackInput& in = c.in;
    const FlybackInput& out = o.input;
    const bool al = in.yes_al != 0;
    if (o.results.size() != fb::FlybackResultControls().size()) fail("result controls missing or extra");
    if (o.tooltips.size() != fb::FlybackTooltipTools().size()) fail("tooltips missing or extra");
    if (o.messages.size() > 9) {
        fail("too many messages: " + fb::FormatInt(static_cast<long long>(o.messages.size())));
        for (const fb::Message& m : o.messages) fail("  " + Shown(m.text));
    }
    for (const fb::Message& m : o.messages)
        if (m.caption != "Внимание!" || m.text.empty()) fail("message without caption or text");
    for (const auto& [id, t] : o.tooltips)
        if (ShowsNonFinite(t)) fail("tooltip " + fb::FormatInt(id) + " shows " + Shown(t));
    for (const auto& [id, t] : o.labels)
        if (ShowsNonFinite(t)) fail("label " + fb::FormatInt(id) + " shows " + Shown(t));

    if (!o.computed) {
        // A guard: one message, nothing shown, the inputs as typed (commas aside).
        if (o.messages.size() != 1) fail("a guarded run must carry exactly its own message");
        for (const auto& [id, t] : o.results)
            if (!t.empty()) fail("guarded run shows " + fb::FormatInt(id) + " = " + Shown(t));
        for (const fb::KeyField<FlybackInput>& f : fb::FlybackKeyTable()) {
            if (!f.readBack) {
                if (!f.ValueText(out).empty()) fail(std::string("guarded run keeps result ") + f.key);
                continue;
            }
            const std::string before = f.ValueText(in), after = f.ValueText(out);
            if (after != before && after != fb::CommaToPoint(before)) fail(std::string("guarded run changed ") + f.key);
        }
        return bad;
    }

    if (o.result.passes < 1 || o.result.passes > 1000) fail("passes out of bounds");
    for (const auto& [id, t] : o.results) {
        const int sec = SecondaryOf(id);
        if (sec >= 0 && !o.result.present[sec]) {
            if (!t.empty()) fail("absent secondary shows " + fb::FormatInt(id) + " = " + Shown(t));
            continue;
        }
        if (!ResultMatches(id, t, al)) fail("control " + fb::FormatInt(id) + " shows " + Shown(t));
    }
    const std::string& lpUnit = o.labels.at(ctl::kLpUnit);
    if (lpUnit != "мкГн" && lpUnit != "мГн") fail("inductance unit " + Shown(lpUnit));
    // The inputs the design rewrites are numbers of their own formats.
    if (in.Auto == 1 && !IsFixed(out.Umirror, 0)) fail("Umirror rewritten as " + Shown(out.Umirror));
    if (in.rds == 1 && !IsFixed(out.Unas, 3)) fail("Unas rewritten as " + Shown(out.Unas));
    if (o.result.corrected && !IsFixed(out.zazor, al ? 0 : 3)) fail("zazor corrected to " + Shown(out.zazor));
    if (!IsFixed(out.w1, 0) || !IsFixed(out.n1, 0)) fail("w1/n1 " + Shown(out.w1) + "/" + Shown(out.n1));
    if (!IsStandardDiameter(out.d11, wires)) fail("d11 left as " + Shown(out.d11));
    for (int i = 0; i < 5; ++i) {
        const bool present = fb::TextToDouble(out.*kU2[i]) != 0;
        if (present != o.result.present[i]) fail("secondary " + fb::FormatInt(i + 1) + " presence");
        if (!present) continue;
        if (!IsFixed(out.*kW2[i], 0) || !IsFixed(out.*kN2[i], 0)) fail("w/n of secondary " + fb::FormatInt(i + 1));
        if (!IsStandardDiameter(out.*kD2[i], wires))
            fail("d2" + fb::FormatInt(i + 1) + " left as " + Shown(out.*kD2[i]));
    }
    return bad;
}

// The sweeps are only as strict as these checks: a lax one would let every run pass.
TEST(SweepChecks, FormatChecksRejectWhatTheyMust) {
    EXPECT_TRUE(IsFixed("12.345", 3) && IsFixed("-0.000", 3) && IsFixed("7", 0) && IsFixed("-12", 0));
    for (const char* t : {"inf", "-nan", "nan", "", "-", "1.23", "1.2345", "1.", ".5", "1e3", "1,234", "12 "})
        EXPECT_FALSE(IsFixed(t, 3)) << t;
    EXPECT_FALSE(IsFixed("1.0", 0));
    EXPECT_TRUE(IsTidy("0.5") && IsTidy("1") && IsTidy("0.315") && IsTidy("0.05"));
    for (const char* t : {"0.50", "1.", "inf", "0.3151", ""}) EXPECT_FALSE(IsTidy(t)) << t;
    EXPECT_TRUE(ShowsNonFinite("-nan") && ShowsNonFinite("Амплитуда inf T") && !ShowsNonFinite("0.125"));
    EXPECT_TRUE(MatchesPattern("(не более 0.310 T)", {"(не более ", " T)"}, {3}));
    EXPECT_FALSE(MatchesPattern("(не более -nan T)", {"(не более ", " T)"}, {3}));
    EXPECT_FALSE(MatchesPattern("(не более 0.310 T) ", {"(не более ", " T)"}, {3}));
}

// A hang in a sweep ends the program with the case number instead of stalling the suite.
TEST(SweepChecksDeathTest, WatchdogEndsAHangingSweep) {
    EXPECT_EXIT(
        {
            Watchdog watchdog(1, "a test sweep");
            Watchdog::SetCase(42);
            for (;;) ::pause();
        },
        ::testing::ExitedWithCode(3), "HANG: a test sweep did not finish in time; case 42");
}

TEST(FlybackSweep, EveryInputSetEndsWithNumbersOrAGuardMessage) {
    SweepData data;
    ASSERT_GE(data.coreNames.size(), 10u);
    // The core record and the wire table are looked up before the timed design.
    struct Prepared {
        Case c;
        fb::CoreRecord core;
        fb::CWireTable wires;
    };
    const SweepTally t = RunSweep(
        SweepCases(6000), SweepSeed(20240611), "the flyback sweep",
        [&](Rng& rng, long k) {
            Case c = MakeCase(rng, k, data);
            fb::CoreRecord core = data.cores.RecordFor(data.coreNames[c.core], fb::CCoreBase::ShapeFromName(c.in.core));
            return Prepared{c, core, data.wireTables[c.wires]};
        },
        [&](Prepared& p) { return fb::DesignFlyback(p.c.in, p.core, data.materials[p.c.material], p.wires); },
        [&](long k, const Prepared& p, const FlybackOutcome& o, SweepTally& tally) {
            tally.good += o.computed;
            tally.corrected += o.result.corrected;
            const std::string bad = Check(p.c, o, data.wireTables[p.c.wires]);
            return bad.empty() ? bad : Describe(k, p.c, data) + "\n  problems:" + bad;
        });
    ExpectSoundSweep(t);
    RecordProperty("computed", t.good);
    RecordProperty("slowest_ms", static_cast<int>(t.slowest * 1000));
    std::printf("flyback sweep: %d cases, %d computed, %d corrected, slowest %.1f ms (case %ld)\n", t.cases, t.good,
                t.corrected, t.slowest * 1000, t.slowestCase);
}

}  // namespace
}  // namespace fbtest
