#include "tests/hardening/sweep.h"

#include <cmath>
#include <cstring>

#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"

namespace fbtest {

const std::vector<std::string>& HostileTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t = {
            "",
            " ",
            "\t",
            "abc",
            "-",
            "+",
            ".",
            ",",
            ",,",
            "1,2,3",
            "1.2.3",
            "0,5,",
            "-5",
            "-0",
            "0",
            "0,0",
            "000",
            "-1",
            "-1e-320",
            "1e308",
            "-1e308",
            "1e309",
            "1e400",
            "-1e400",
            "1,7976931348623157e308",
            "1e-320",
            "4.9e-324",
            "2.2250738585072014e-308",
            "1e-308",
            "nan",
            "NaN",
            "-nan",
            "inf",
            "-inf",
            "Infinity",
            "0x10",
            "0x1p10",
            "1e",
            "1e+",
            "e5",
            "12abc",
            "  7",
            "\t3",
            "7 ",
            "5%",
            "½",
            "١٢٣",
            "５",
            "Привет",
            "сто",
            "пять,5",
            "Ё",
            "2147483648",
            "-2147483649",
            "99999999999999999999",
            std::string("1\0"
                        "5",
                        3),
            "\xff\xfe",
            "\xd0",
            "1e-5",
            "1e5",
            "1e15",
            "1e20",
            "0.0001",
        };
        t.push_back(std::string(400, '9'));               // beyond the double range by digits
        t.push_back("0." + std::string(400, '0') + "1");  // below the smallest double
        t.push_back("1" + std::string(5000, '0'));        // long and huge
        std::string digits;
        for (int k = 0; k < 2000; ++k) digits += "1234567890";  // 20,000 characters
        t.push_back(digits);
        std::string cyr;
        for (int k = 0; k < 2000; ++k) cyr += "Ферритовый сердечник ";
        t.push_back(cyr);
        t.push_back("3," + std::string(3000, '5'));  // a long fraction
        return t;
    }();
    return texts;
}

std::string PlausibleText(Rng& rng, double lo, double hi) {
    const double v = lo + (hi - lo) * rng.Unit();
    std::string s = fb::FormatFixed(v, rng.Below(4));
    if (rng.Chance(0.5))
        for (char& c : s)
            if (c == '.') c = ',';
    if (rng.Chance(0.03)) s += rng.Chance(0.5) ? " " : " В";
    return s;
}

std::string FieldText(Rng& rng, double hostile, double lo, double hi) {
    return rng.Chance(hostile) ? rng.Pick(HostileTexts()) : PlausibleText(rng, lo, hi);
}

int SweepCases(int normal) {
    if (const char* env = std::getenv("FB_SWEEP_CASES")) {
        const int n = std::atoi(env);
        if (n > 0) return n;
    }
#ifdef FB_HARDENING_SANITIZED
    return normal / 2;
#else
    return normal;
#endif
}

std::uint64_t SweepSeed(std::uint64_t fixed) {
    if (const char* env = std::getenv("FB_SWEEP_SEED")) return std::strtoull(env, nullptr, 10);
    return fixed;
}

namespace {

// Sound cores of several sizes, one with an AL law, and damaged records: zero, negative,
// huge and unreadable dimensions, a zero permeability, absurd AL-law coefficients.
const char* const kCores =
    "[E 25/13/7]\r\nAe = 51,84\r\nAn = 95,32\r\nle = 57,76\r\nmu = 1616\r\n\r\n"
    "[E 30/15/7]\r\nAe = 60\r\nAn = 80\r\nle = 67\r\nmu = 1700\r\nk1 = 25,62\r\nk2 = -0,788\r\n\r\n"
    "[E 8/4/2]\r\nAe = 2,4\r\nAn = 3\r\nle = 19\r\nmu = 1500\r\n\r\n"
    "[ETD 59]\r\nAe = 368\r\nAn = 366\r\nle = 139\r\nmu = 1900\r\n\r\n"
    "[PQ 32/20]\r\nAe = 170\r\nAn = 100\r\nle = 55,5\r\nmu = 2200\r\n\r\n"
    "[Ш 12x15]\r\nAe = 180\r\nAn = 180\r\nle = 103\r\nmu = 2000\r\n\r\n"
    "[E Zero]\r\nAe = 0\r\nAn = 0\r\nle = 0\r\nmu = 0\r\n\r\n"
    "[E Neg]\r\nAe = -52\r\nAn = -95\r\nle = -57\r\nmu = -1616\r\n\r\n"
    "[E Huge]\r\nAe = 1e308\r\nAn = 1e308\r\nle = 1e-308\r\nmu = 2147483647\r\n\r\n"
    "[E Tiny]\r\nAe = 1e-300\r\nAn = 1e-300\r\nle = 1e300\r\nmu = 1\r\n\r\n"
    "[E Letters]\r\nAe = abc\r\nAn = ,\r\nle = nan\r\nmu = inf\r\n\r\n"
    "[E Mu0]\r\nAe = 51,84\r\nAn = 95,32\r\nle = 57,76\r\nmu = 0\r\n\r\n"
    "[E Law]\r\nAe = 51,84\r\nAn = 95,32\r\nle = 57,76\r\nmu = 1616\r\nk1 = 1e300\r\nk2 = 50\r\n\r\n"
    "[E Law2]\r\nAe = 51,84\r\nAn = 95,32\r\nle = 57,76\r\nmu = 1616\r\nk1 = -5\r\nk2 = 1e-300\r\n\r\n"
    "[E Missing]\r\nAe = 51,84\r\n\r\n";

struct NamedText {
    const char* name;
    const char* text;
};

const char* const kN87 =
    "Bmax = 0,31\r\nBmmax = 0,19\r\nmu = 2200\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\nB4 = 300\r\n"
    "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\nF3 = 300\r\n"
    "[F_25]\r\nB_50 = 1,2\r\nB_100 = 7,5\r\nB_200 = 59,7\r\nB_300 = 180\r\n"
    "[F_100]\r\nB_50 = 7,6\r\nB_100 = 53,2\r\nB_200 = 381,2\r\nB_300 = 1100\r\n"
    "[F_300]\r\nB_50 = 70,9\r\nB_100 = 383,1\r\nB_200 = 2311\r\nB_300 = 6000\r\n";

const NamedText kMaterials[] = {
    {"N87 Epcos", kN87},
    {"2000НМ", kN87},  // a Cyrillic file name with sound data
    {"Single",
     "Bmax = 0,3\r\nBmmax = 0,2\r\nmu = 2000\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\n"
     "[Frequencies]\r\nF1 = 100\r\n[F_100]\r\nB_50 = 10\r\nB_100 = 60\r\n"},
    {"Flat",
     "Bmax = 0\r\nBmmax = 0\r\nmu = 2000\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\n"
     "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\n[F_25]\r\nB_50 = 2\r\nB_100 = 10\r\n"
     "[F_100]\r\nB_50 = 10\r\nB_100 = 60\r\n"},
    {"ZeroLoss",
     "Bmax = 0,3\r\nBmmax = 0,2\r\nmu = 2000\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n"
     "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\n[F_25]\r\nB_50 = 0\r\nB_100 = 0\r\nB_200 = 0\r\n"
     "[F_100]\r\nB_50 = 0\r\nB_100 = 60\r\nB_200 = 0\r\n"},
    {"Backwards",
     "Bmax = 0,3\r\nBmmax = 0,2\r\nmu = 2000\r\n[Flux density]\r\nB1 = 200\r\nB2 = 100\r\nB3 = 100\r\n"
     "[Frequencies]\r\nF1 = 300\r\nF2 = 100\r\nF3 = 100\r\n[F_300]\r\nB_200 = 900\r\nB_100 = 300\r\n"
     "[F_100]\r\nB_200 = 60\r\nB_100 = 100\r\n"},
    {"MuZero",
     "Bmax = 0,3\r\nBmmax = 0,2\r\nmu = 0\r\n[Flux density]\r\nB1 = 50\r\nB2 = 100\r\n"
     "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\n[F_25]\r\nB_50 = 2\r\nB_100 = 10\r\n"
     "[F_100]\r\nB_50 = 10\r\nB_100 = 60\r\n"},
    {"Huge",
     "Bmax = 1e308\r\nBmmax = 1e308\r\nmu = 1e308\r\n[Flux density]\r\nB1 = 1e-300\r\nB2 = 1e300\r\n"
     "[Frequencies]\r\nF1 = 1e-300\r\nF2 = 1e300\r\n[F_1e-300]\r\nB_1e-300 = 1e-300\r\nB_1e300 = 1e300\r\n"
     "[F_1e300]\r\nB_1e-300 = 1e300\r\nB_1e300 = 1e-300\r\n"},
    {"Negative",
     "Bmax = -0,3\r\nBmmax = -0,2\r\nmu = -2000\r\n[Flux density]\r\nB1 = -50\r\nB2 = 100\r\n"
     "[Frequencies]\r\nF1 = -25\r\nF2 = 100\r\n[F_-25]\r\nB_-50 = -2\r\nB_100 = 10\r\n"
     "[F_100]\r\nB_-50 = 10\r\nB_100 = -60\r\n"},
};

const NamedText kWires[] = {
    {"sound",
     "d1 = 0,05\r\ndiz1 = 0,06\r\nd2 = 0,1\r\ndiz2 = 0,12\r\nd3 = 0,2\r\ndiz3 = 0,23\r\nd4 = 0,315\r\n"
     "diz4 = 0,35\r\nd5 = 0,4\r\ndiz5 = 0,45\r\nd6 = 0,5\r\ndiz6 = 0,56\r\nd7 = 0,63\r\ndiz7 = 0,68\r\n"
     "d8 = 0,8\r\ndiz8 = 0,87\r\nd9 = 1\r\ndiz9 = 1,08\r\nd10 = 1,5\r\ndiz10 = 1,6\r\n"},
    {"one", "d1 = 0,5\r\ndiz1 = 0,56\r\n"},
    {"zero", "d1 = 0\r\ndiz1 = 0\r\nd2 = 0,5\r\ndiz2 = 0,56\r\n"},
    {"backwards", "d1 = 1\r\ndiz1 = 1,1\r\nd2 = 0,5\r\ndiz2 = 0,56\r\nd3 = -0,2\r\ndiz3 = 0,3\r\n"},
    {"letters", "d1 = abc\r\ndiz1 = x\r\nd2 = 1e400\r\ndiz2 = 1\r\n"},
};

}  // namespace

SweepData::SweepData() {
    std::string coreBytes;
    fb::Utf8ToCp1251(kCores, coreBytes);  // the file is Windows-1251, the source UTF-8
    dir.write("Bases_Cores/FerritesCores.txt", coreBytes);
    cores.Load(dir.path(), fb::kBigBuffer, false);
    for (const char* p = std::strstr(kCores, "["); p; p = std::strstr(p + 1, "\r\n[")) {
        const char* open = std::strchr(p, '[');
        const char* close = std::strchr(open, ']');
        coreNames.emplace_back(open + 1, close);
    }
    for (const NamedText& m : kMaterials) {
        dir.write(std::string("Ferrites_Materials/") + m.name + ".txt", m.text);
        fb::CMaterial material;
        material.Load(dir.path(), m.name, fb::kBigBuffer);
        materials.push_back(material);
    }
    for (const NamedText& w : kWires) {
        const std::string root = std::string("wires/") + w.name;
        dir.write(root + "/Wire.txt", w.text);
        fb::CWireTable table;
        table.Load(dir.file(root), fb::kBigBuffer);
        wireTables.push_back(table);
    }
    wireTables.push_back(fb::CWireTable{});  // no Wire.txt entries at all
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from `at`; returns how many.
size_t Digits(const std::string& t, size_t at) {
    size_t n = 0;
    while (at + n < t.size() && IsDigit(t[at + n])) ++n;
    return n;
}

}  // namespace

bool IsFixed(const std::string& text, int decimals) {
    size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    const size_t whole = Digits(text, at);
    if (whole == 0) return false;
    at += whole;
    if (decimals == 0) return at == text.size();
    return at < text.size() && text[at] == '.' && Digits(text, at + 1) == static_cast<size_t>(decimals) &&
           at + 1 + decimals == text.size();
}

bool IsTidy(const std::string& text) {
    size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    const size_t whole = Digits(text, at);
    if (whole == 0) return false;
    at += whole;
    if (at == text.size()) return true;
    const size_t frac = text[at] == '.' ? Digits(text, at + 1) : 0;
    return frac >= 1 && frac <= 3 && at + 1 + frac == text.size() && text.back() != '0';
}

bool MatchesPattern(const std::string& text, const std::vector<std::string>& literals,
                    const std::vector<int>& decimals) {
    size_t at = 0;
    for (size_t i = 0; i < literals.size(); ++i) {
        if (text.compare(at, literals[i].size(), literals[i]) != 0) return false;
        at += literals[i].size();
        if (i >= decimals.size()) break;
        size_t end = at;
        while (end < text.size() && (IsDigit(text[end]) || text[end] == '-' || text[end] == '.')) ++end;
        if (!IsFixed(text.substr(at, end - at), decimals[i])) return false;
        at = end;
    }
    return at == text.size();
}

bool ShowsNonFinite(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

volatile sig_atomic_t Watchdog::s_case = -1;
const char* Watchdog::s_what = "";

Watchdog::Watchdog(unsigned seconds, const char* what) {
    s_what = what;
    s_case = -1;
    struct sigaction sa {};
    sa.sa_handler = &Watchdog::OnAlarm;
    ::sigaction(SIGALRM, &sa, &m_old);
    ::alarm(seconds);
}

Watchdog::~Watchdog() {
    ::alarm(0);
    ::sigaction(SIGALRM, &m_old, nullptr);
}

// Only async-signal-safe calls: write the case number by hand and leave.
void Watchdog::OnAlarm(int) {
    char buf[160];
    size_t n = 0;
    auto put = [&](const char* s) {
        while (*s && n < sizeof buf) buf[n++] = *s++;
    };
    put("\nHANG: ");
    put(s_what);
    put(" did not finish in time; case ");
    long v = s_case;
    char digits[24];
    int k = 0;
    if (v < 0) {
        put("-");
        v = -v;
    }
    do {
        digits[k++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0 && k < 23);
    while (k > 0 && n < sizeof buf) buf[n++] = digits[--k];
    put("\n");
    (void)!::write(2, buf, n);
    ::_exit(3);
}

std::string Shown(const std::string& s) {
    std::string out;
    for (size_t k = 0; k < s.size() && k < 120; ++k) {
        const unsigned char ch = static_cast<unsigned char>(s[k]);
        if (ch < 0x20)
            out += "\\x" + std::string(1, "0123456789abcdef"[ch >> 4]) + "0123456789abcdef"[ch & 15];
        else
            out += s[k];
    }
    if (s.size() > 120) out += "...(" + fb::FormatInt(static_cast<long long>(s.size())) + " bytes)";
    return out;
}

CaseDraw DrawCase(Rng& rng, const SweepData& data) {
    CaseDraw d;
    const double u = rng.Unit();
    d.hostile = u < 0.4 ? 0 : u < 0.65 ? 0.03 : u < 0.85 ? 0.25 : 0.9;
    d.core = rng.Chance(0.75) ? static_cast<size_t>(rng.Below(6))
                              : static_cast<size_t>(rng.Below(static_cast<int>(data.coreNames.size())));
    d.material = rng.Chance(0.75) ? static_cast<size_t>(rng.Below(2))
                                  : static_cast<size_t>(rng.Below(static_cast<int>(data.materials.size())));
    d.wires = rng.Chance(0.8) ? 0 : static_cast<size_t>(rng.Below(static_cast<int>(data.wireTables.size())));
    return d;
}

void ExpectSoundSweep(const SweepTally& t) {
    EXPECT_EQ(t.failures, 0);
    EXPECT_GT(t.good, t.cases / 5);
    EXPECT_GT(t.corrected, 0);
#ifdef FB_HARDENING_SANITIZED
    EXPECT_LT(t.slowest, 10.0) << "case " << t.slowestCase;
#else
    EXPECT_LT(t.slowest, 1.0) << "case " << t.slowestCase;
#endif
}

}  // namespace fbtest
