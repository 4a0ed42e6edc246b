// CalculateChoke on thousands of generated input sets: plausible numbers mixed with hostile
// texts in every input and in the core's own texts, all four flag combinations (and values no
// radio gives), sound and damaged materials and wire tables. The run ends within its pass
// bound, and every shown text is a number in its format, or empty, or the outcome says why.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "boostcoil/design/pfc.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "tests/hardening/sweep.h"

namespace fbtest {
namespace {

using fb::PfcInput;
using fb::PfcResult;
namespace id = fb::pfcid;

struct Case {
    PfcInput in;
    fb::CoreRecord core;
    size_t coreIndex = 0, material = 0, wires = 0;
};

using Field = std::string PfcInput::*;
const Field kNumberFields[] = {&PfcInput::zazor, &PfcInput::Fr,   &PfcInput::Irip,  &PfcInput::j,
                               &PfcInput::Umin,  &PfcInput::Umax, &PfcInput::U2min, &PfcInput::U2nom,
                               &PfcInput::U2max, &PfcInput::P2,   &PfcInput::d11};

Case MakeCase(Rng& rng, long index, const SweepData& data) {
    Case c;
    PfcInput& in = c.in;
    in.yes_d = static_cast<int>(index & 1);
    in.yes_al = static_cast<int>((index >> 1) & 1);
    if (rng.Chance(0.08)) {
        const int odd[] = {-1, 2, 255, INT_MIN, INT_MAX};
        (rng.Chance(0.5) ? in.yes_d : in.yes_al) = odd[rng.Below(5)];
    }
    const CaseDraw draw = DrawCase(rng, data);
    const double h = draw.hostile;
    c.coreIndex = draw.core, c.material = draw.material, c.wires = draw.wires;
    in.core = data.coreNames[c.coreIndex];
    in.mater = data.materials[c.material].name;
    in.zazor = in.yes_al == 1 ? FieldText(rng, h, 20, 3000) : FieldText(rng, h, 0, 4);
    in.Fr = FieldText(rng, h, 10, 300);
    in.Irip = FieldText(rng, h, 0, 250);
    in.j = FieldText(rng, h, 1, 12);
    in.Umin = FieldText(rng, h, 60, 270);
    in.Umax = FieldText(rng, h, 60, 275);
    in.U2min = FieldText(rng, h, 250, 385);
    in.U2nom = FieldText(rng, h, 390, 450);
    in.U2max = FieldText(rng, h, 300, 500);
    in.P2 = FieldText(rng, h, 1, 3000);
    in.d11 = FieldText(rng, h, 0.02, 2);
    // The core's texts are what the form's core fields show; the user can type over them.
    c.core = data.cores.RecordFor(in.core, fb::CCoreBase::ShapeFromName(in.core));
    if (rng.Chance(0.1)) {
        for (std::string* t : {&c.core.AeText, &c.core.AnText, &c.core.leText, &c.core.muText})
            if (rng.Chance(0.5)) *t = FieldText(rng, 0.7, 1, 300);
    }
    return c;
}

std::string Describe(long index, const Case& c) {
    const PfcInput& in = c.in;
    std::string d = "case " + fb::FormatInt(index) + ": core " + in.core + ", material " + in.mater + ", wire table " +
                    fb::FormatInt(static_cast<long long>(c.wires)) + ", yes_d " + fb::FormatInt(in.yes_d) +
                    ", yes_al " + fb::FormatInt(in.yes_al);
    const char* names[] = {"zazor", "Fr", "Irip", "j", "Umin", "Umax", "U2min", "U2nom", "U2max", "P2", "d11"};
    for (size_t k = 0; k < 11; ++k) d += "\n  " + std::string(names[k]) + " = " + Shown(in.*kNumberFields[k]);
    d += "\n  core texts Ae " + Shown(c.core.AeText) + ", An " + Shown(c.core.AnText) + ", le " + Shown(c.core.leText) +
         ", mu " + Shown(c.core.muText);
    return d;
}

bool IsInfoText(const std::string& t) {
    return MatchesPattern(
        t,
        {"Индуктивность сердечника, нГн/виток^2\t", "\r\nЭффективная магнитная проницаемость\t",
         "\r\n\r\nДействующий ток в обмотке, максимальный\t", " A\r\nДействующий ток в ключе, максимальный\t",
         " A\r\n\r\nНастройка ограничения тока не более\t", " A\r\n"},
        {1, 1, 3, 3, 3});
}

bool TextMatches(int control, const std::string& t, const PfcInput& in, bool wires) {
    switch (control) {
    case id::kRequired: return IsFixed(t, in.yes_al == 1 ? 0 : 3);
    case id::kN: return IsFixed(t, 0);
    case id::kCin: return IsFixed(t, 1);
    case id::kCout: return IsFixed(t, 0) || IsFixed(t, 1);
    case id::kInfo: return IsInfoText(t);
    case id::kWire: return wires ? IsTidy(t) : t.empty();
    case id::kStrands: return wires ? IsFixed(t, 0) : t.empty();
    case id::kJmax:
    case id::kKfill: return wires ? IsFixed(t, 3) : t.empty();
    default: return IsFixed(t, 3);  // the other currents, duties, flux, loss, inductances
    }
}

bool HasNonFiniteNotice(const PfcResult& r) {
    for (const fb::Message& m : r.messages)
        if (m.text.find("бесконечн") != std::string::npos) return true;
    return false;
}

std::string Check(const Case& c, const PfcResult& r, const fb::CWireTable& wires) {
    std::string bad;
    auto fail = [&](const std::string& what) { bad += "\n    " + what; };
    if (r.texts.size() != 24) fail("result texts missing or extra");
    for (int control : fb::kPfcResultIds)
        if (!r.texts.count(control)) fail("no text for " + fb::FormatInt(control));
    if (r.messages.size() > 4) fail("too many messages: " + fb::FormatInt(static_cast<long long>(r.messages.size())));
    for (const fb::Message& m : r.messages)
        if (m.caption != "Внимание!" || m.text.empty()) fail("message without caption or text");
    if (r.passes < 0 || r.passes > fb::kPfcMaxPasses) fail("passes out of bounds");
    if (!r.calculated) {
        if (r.messages.size() != 1) fail("a guarded run must carry exactly its own message");
        for (const auto& [control, t] : r.texts)
            if (control != id::kVe && !t.empty())
                fail("guarded run shows " + fb::FormatInt(control) + " = " + Shown(t));
        for (const Field f : kNumberFields)
            if (r.input.*f != c.in.*f) fail("guarded run changed an input");
        return bad;
    }
    // Shown texts: numbers of their formats; anything else only with the notice that says why.
    const bool notice = HasNonFiniteNotice(r);
    bool allNumbers = true;
    for (const auto& [control, t] : r.texts)
        if (!TextMatches(control, t, r.input, wires.N >= 1)) {
            allNumbers = false;
            if (!notice) fail("control " + fb::FormatInt(control) + " shows " + Shown(t) + " without a message");
        }
    const std::string tipStart = "Амплитуда переменной составляющей индукции ";
    const std::string& tip = r.tooltips.at(id::kBpk);
    const bool tipNumber = tip.rfind(tipStart, 0) == 0 && tip.size() > tipStart.size() + 2 &&
                           tip.compare(tip.size() - 2, 2, " T") == 0 &&
                           IsFixed(tip.substr(tipStart.size(), tip.size() - tipStart.size() - 2), 3);
    if (!tipNumber) {
        allNumbers = false;
        if (!notice) fail("tooltip shows " + Shown(tip) + " without a message");
    }
    if (notice && allNumbers) fail("the notice about infinite values came with finite results");
    for (int unit : {id::kLreqUnit, id::kLUnit})
        if (r.labels.at(unit) != "мкГн" && r.labels.at(unit) != "мГн") fail("unit " + Shown(r.labels.at(unit)));
    if (r.labels.at(id::kCinUnit) != "нФ" && r.labels.at(id::kCinUnit) != "мкФ") fail("capacitor unit");
    // Rewritten inputs: the clamped ripple, the corrected gap or AL, the standard diameter.
    const std::string irip = fb::CommaToPoint(c.in.Irip);
    if (r.input.Irip != irip && r.input.Irip != "1.0" && r.input.Irip != "200.0") fail("Irip " + Shown(r.input.Irip));
    if (r.input.zazor != fb::CommaToPoint(c.in.zazor) && !IsFixed(r.input.zazor, r.input.yes_al == 1 ? 0 : 2))
        fail("zazor corrected to " + Shown(r.input.zazor));
    if (wires.N >= 1) {
        bool standard = false;
        for (int k = 1; k <= wires.N; ++k) standard = standard || wires.d[k] == fb::TextToDouble(r.input.d11);
        if (!standard) fail("d11 left as " + Shown(r.input.d11));
    }
    return bad;
}

TEST(PfcSweep, EveryInputSetEndsWithNumbersOrAMessage) {
    SweepData data;
    const SweepTally t = RunSweep(
        SweepCases(6000), SweepSeed(19700101), "the PFC sweep",
        [&](Rng& rng, long k) { return MakeCase(rng, k, data); },
        [&](const Case& c) {
            return fb::CalculateChoke(c.in, c.core, data.materials[c.material], data.wireTables[c.wires]);
        },
        [&](long k, const Case& c, const PfcResult& r, SweepTally& tally) {
            tally.good += r.calculated && !HasNonFiniteNotice(r);
            tally.corrected += r.passes > 1;
            const std::string bad = Check(c, r, data.wireTables[c.wires]);
            return bad.empty() ? bad : Describe(k, c) + "\n  problems:" + bad;
        });
    ExpectSoundSweep(t);
    std::printf("PFC sweep: %d cases, %d with finite results, %d corrected, slowest %.1f ms (case %ld)\n", t.cases,
                t.good, t.corrected, t.slowest * 1000, t.slowestCase);
}

}  // namespace
}  // namespace fbtest
