#include "common/analysis/waveforms.h"

#include <algorithm>
#include <cmath>

#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPhaseSteps = 360;  // half a mains cycle in 0.5° steps: the crest is a sample

bool Finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

void Add(PlotSeries& s, double x, double y) {
    s.x.push_back(x);
    s.y.push_back(y);
}

PlotSeries Level(std::string name, double x0, double x1, double y) {
    PlotSeries s{std::move(name), PlotSeries::Style::Dashed, {x0, x1}, {y, y}};
    return s;
}

Plot MakePlot(std::string id, std::string title, std::string xCaption, std::string xUnit, std::string yCaption,
              std::string yUnit) {
    Plot p;
    p.id = std::move(id);
    p.title = std::move(title);
    p.xCaption = std::move(xCaption);
    p.xUnit = std::move(xUnit);
    p.yCaption = std::move(yCaption);
    p.yUnit = std::move(yUnit);
    return p;
}

const char* const kLineNames[3] = {"Uмин", "Uном", "Uмакс"};

std::string LineLabel(int i, double U) { return Localized(kLineNames[i]) + " = " + F0(U) + Localized(" В"); }

// ---- flyback ----

// Time the core takes to give back its energy: volt-seconds balance, never beyond the off-time.
double DemagTime(const FlybackLinePoint& p, double T, double Ur) {
    const double off = (1 - p.D) * T;
    if (Ur <= 0) return off;
    return std::min(off, p.D * T * p.U / Ur);
}

bool UsablePoint(const FlybackLinePoint& p) {
    return Finite({p.U, p.D, p.Kc, p.Ipk}) && p.D > 0 && p.D < 1 && p.Kc >= 0 && p.Kc < 1 && p.Ipk > 0;
}

PlotSeries PrimaryCurrent(const FlybackLinePoint& p, double T, std::string name) {
    PlotSeries s{std::move(name), PlotSeries::Style::Line, {}, {}};
    Add(s, 0, 0);
    Add(s, 0, p.Kc * p.Ipk);
    Add(s, p.D * T, p.Ipk);
    Add(s, p.D * T, 0);
    Add(s, T, 0);
    return s;
}

PlotSeries SecondaryCurrent(const FlybackLinePoint& p, double T, double I2, std::string name) {
    const double Ipk2 = FlybackSecondaryPeak(I2, p.D, p.Kc);
    PlotSeries s{std::move(name), PlotSeries::Style::Line, {}, {}};
    Add(s, 0, 0);
    Add(s, p.D * T, 0);
    Add(s, p.D * T, Ipk2);
    Add(s, T, p.Kc * Ipk2);
    Add(s, T, 0);
    return s;
}

PlotSeries SwitchVoltage(const FlybackLinePoint& p, double T, const FlybackWaveInput& in, std::string name) {
    const double on = p.D * T, td = DemagTime(p, T, in.Ur);
    // The spike is drawn as a short decay: its height is what matters, its width is the clamper's.
    const double spike = std::min(0.03 * T, 0.3 * td);
    PlotSeries s{std::move(name), PlotSeries::Style::Line, {}, {}};
    Add(s, 0, 0);
    Add(s, on, 0);
    Add(s, on, p.U + in.Ur + in.Uclamp);
    Add(s, on + spike, p.U + in.Ur);
    Add(s, on + td, p.U + in.Ur);
    Add(s, on + td, p.U);
    Add(s, T, p.U);
    Add(s, T, 0);
    return s;
}

PlotSeries Flux(const FlybackLinePoint& p, double T, double Ur, double Bpk, std::string name) {
    const double on = p.D * T, td = DemagTime(p, T, Ur);
    PlotSeries s{std::move(name), PlotSeries::Style::Line, {}, {}};
    Add(s, 0, p.Kc * Bpk);
    Add(s, on, Bpk);
    Add(s, on + td, p.Kc * Bpk);
    Add(s, T, p.Kc * Bpk);
    return s;
}

// ---- PFC ----

struct PfcPoint {
    double avg, ripple, duty;
};

PfcPoint PfcAt(const PfcWaveInput& in, double Urms, double Irms, double phaseDeg) {
    const double sn = std::sin(phaseDeg * kPi / 180);
    const double u = std::sqrt(2.0) * Urms * sn;
    const double d = std::max(0.0, (in.U2 - u) / in.U2);
    return {std::sqrt(2.0) * Irms * sn, 1000 * u * d / (in.Fr * in.L), d};
}

std::vector<double> Phases() {
    std::vector<double> x(kPhaseSteps + 1);
    for (int i = 0; i <= kPhaseSteps; ++i) x[i] = 180.0 * i / kPhaseSteps;
    return x;
}

Plot ChokeCurrent(const PfcWaveInput& in, const char* id, const char* line, double Urms, double Irms) {
    Plot p = MakePlot(id, Localized("Ток дросселя при ") + Localized(line) + " = " + F0(Urms) + Localized(" В"),
                      Localized("Фаза сети"), "°", Localized("Ток"), Localized("А"));
    PlotSeries avg{Localized("Средний ток"), PlotSeries::Style::Dashed, {}, {}};
    PlotSeries peak{Localized("Пиковый ток"), PlotSeries::Style::Line, {}, {}};
    PlotSeries valley{Localized("Минимальный ток (впадина)"), PlotSeries::Style::Line, {}, {}};
    for (double th : Phases()) {
        const PfcPoint q = PfcAt(in, Urms, Irms, th);
        Add(avg, th, q.avg);
        Add(peak, th, q.avg + q.ripple / 2);
        Add(valley, th, std::max(0.0, q.avg - q.ripple / 2));
    }
    p.series = {peak, avg, valley};
    const PfcPoint crest = PfcAt(in, Urms, Irms, 90);
    p.marks.push_back({Localized("Расчетная точка: ") + F3(crest.avg + crest.ripple / 2) + Localized(" А"), 90,
                       crest.avg + crest.ripple / 2});
    const PfcRipplePoint w = PfcWorstRipple(in, Urms);
    if (w.phaseDeg < 90) {
        const PfcPoint q = PfcAt(in, Urms, Irms, w.phaseDeg);
        p.marks.push_back({Localized("Макс. размах при ") + F1(w.phaseDeg) + "°", w.phaseDeg, q.avg + q.ripple / 2});
    }
    return p;
}

Plot PerLine(const PfcWaveInput& in, std::string id, std::string title, std::string yCaption, std::string yUnit,
             bool ripple) {
    Plot p =
        MakePlot(std::move(id), std::move(title), Localized("Фаза сети"), "°", std::move(yCaption), std::move(yUnit));
    const double U[2] = {in.Umin, in.Umax}, I[2] = {in.Iin_min, in.Iin_max};
    const char* names[2] = {"Uмин", "Uмакс"};
    for (int k = 0; k < 2; ++k) {
        PlotSeries s{Localized(names[k]) + " = " + F0(U[k]) + Localized(" В"), PlotSeries::Style::Line, {}, {}};
        for (double th : Phases()) {
            const PfcPoint q = PfcAt(in, U[k], I[k], th);
            Add(s, th, ripple ? q.ripple : q.duty);
        }
        p.series.push_back(s);
        const PfcPoint crest = PfcAt(in, U[k], I[k], 90);
        const double y = ripple ? crest.ripple : crest.duty;
        p.marks.push_back(
            {Localized("Вершина, ") + Localized(names[k]) + ": " + F3(y) + (ripple ? Localized(" А") : ""), 90, y});
        const PfcRipplePoint w = PfcWorstRipple(in, U[k]);
        if (ripple && w.phaseDeg < 90)
            p.marks.push_back({Localized("Макс., ") + Localized(names[k]) + ": " + F3(w.ripple) + Localized(" А, ") +
                                   F1(w.phaseDeg) + "°",
                               w.phaseDeg, w.ripple});
    }
    return p;
}

}  // namespace

double ValueAt(const PlotSeries& s, double x) {
    if (s.x.empty()) return 0;
    if (x <= s.x.front()) return s.y.front();
    for (size_t i = 1; i < s.x.size(); ++i) {
        if (x < s.x[i]) {
            const double dx = s.x[i] - s.x[i - 1];
            return dx > 0 ? s.y[i - 1] + (s.y[i] - s.y[i - 1]) * (x - s.x[i - 1]) / dx : s.y[i];
        }
    }
    return s.y.back();
}

WaveStats Measure(const PlotSeries& s, int samples) {
    WaveStats st;
    if (s.x.size() < 2 || samples < 1) return st;
    const double x0 = s.x.front(), span = s.x.back() - x0;
    st.peak = -INFINITY;
    st.valley = INFINITY;
    double sum = 0, sum2 = 0;
    for (int i = 0; i < samples; ++i) {
        const double v = ValueAt(s, x0 + span * (i + 0.5) / samples);
        st.peak = std::max(st.peak, v);
        st.valley = std::min(st.valley, v);
        sum += v;
        sum2 += v * v;
    }
    st.mean = sum / samples;
    st.rms = std::sqrt(sum2 / samples);
    return st;
}

double FlybackSecondaryPeak(double I2, double D, double Kc) { return 2 * I2 / ((Kc + 1) * (1 - D)); }

PlotSet FlybackWaveforms(const FlybackWaveInput& in) {
    PlotSet set;
    set.title = Localized("Графики: flyback-трансформатор");
    bool usable = in.Fconv > 0 && Finite({in.Fconv, in.Ur, in.Uclamp, in.Utrmax, in.Bpk, in.Blim, in.Bmax});
    for (const FlybackLinePoint& p : in.line) usable = usable && UsablePoint(p);
    if (!usable) {
        set.notes.push_back(Localized("Нет графиков: расчет не выполнен или дал недопустимые величины."));
        return set;
    }
    set.valid = true;
    const double T = 1000 / in.Fconv;  // µs
    auto label = [&](int i) { return LineLabel(i, in.line[i].U); };

    Plot primary = MakePlot("primary_current", Localized("Ток первичной обмотки"), Localized("Время"), Localized("мкс"),
                            Localized("Ток"), Localized("А"));
    for (int i = 0; i < 3; ++i) primary.series.push_back(PrimaryCurrent(in.line[i], T, label(i)));
    primary.marks.push_back(
        {Localized("Пиковый ток Iпик = ") + F3(in.line[0].Ipk) + Localized(" А"), in.line[0].D * T, in.line[0].Ipk});
    set.plots.push_back(primary);

    for (const FlybackWaveInput::Secondary& sec : in.secondaries) {
        const std::string n = FormatInt(sec.number);
        Plot p = MakePlot("secondary" + n + "_current", Localized("Ток вторичной обмотки ") + n, Localized("Время"),
                          Localized("мкс"), Localized("Ток"), Localized("А"));
        for (int i = 0; i < 3; ++i) p.series.push_back(SecondaryCurrent(in.line[i], T, sec.I2, label(i)));
        set.plots.push_back(p);
    }

    Plot voltage = MakePlot("switch_voltage", Localized("Напряжение на ключе"), Localized("Время"), Localized("мкс"),
                            Localized("Напряжение"), Localized("В"));
    for (int i = 0; i < 3; ++i) voltage.series.push_back(SwitchVoltage(in.line[i], T, in, label(i)));
    const double Umax = in.line[2].U;
    voltage.series.push_back(
        Level(Localized("Uмакс + Uотр: ") + F0(Umax + in.Ur) + Localized(" В"), 0, T, Umax + in.Ur));
    voltage.series.push_back(
        Level(Localized("Выброс: ") + F0(Umax + in.Ur + in.Uclamp) + Localized(" В"), 0, T, Umax + in.Ur + in.Uclamp));
    voltage.series.push_back(Level(Localized("Предел ключа: ") + F0(in.Utrmax) + Localized(" В"), 0, T, in.Utrmax));
    set.plots.push_back(voltage);

    Plot flux = MakePlot("flux_density", Localized("Индукция в сердечнике"), Localized("Время"), Localized("мкс"),
                         Localized("Индукция"), Localized("Тл"));
    for (int i = 0; i < 3; ++i) {
        const double B = in.line[0].Ipk > 0 ? in.Bpk * in.line[i].Ipk / in.line[0].Ipk : 0;
        flux.series.push_back(Flux(in.line[i], T, in.Ur, B, label(i)));
    }
    flux.series.push_back(Level(Localized("Bдоп = ") + F3(in.Blim) + Localized(" Тл"), 0, T, in.Blim));
    flux.series.push_back(Level(Localized("Bmax материала = ") + F3(in.Bmax) + Localized(" Тл"), 0, T, in.Bmax));
    set.plots.push_back(flux);

    set.notes.push_back(
        Localized("Ток вторичной обмотки показан так, как его принимает методика: он течет всю паузу ключа и в среднем "
                  "равен току нагрузки."));
    set.notes.push_back(
        Localized("Выброс напряжения на ключе: отраженное напряжение плюс амплитуда выброса, заданная в расчете "
                  "демпфера; его длительность условна."));
    return set;
}

PfcRipplePoint PfcWorstRipple(const PfcWaveInput& in, double Urms) {
    const double crest = std::sqrt(2.0) * Urms;
    PfcRipplePoint w;
    if (crest > in.U2 / 2 && in.U2 > 0) {
        w.phaseDeg = std::asin(in.U2 / (2 * crest)) * 180 / kPi;
        w.ripple = 1000 * in.U2 / (4 * in.Fr * in.L);
    } else {
        w.ripple = PfcAt(in, Urms, 0, 90).ripple;
    }
    return w;
}

PlotSet PfcWaveforms(const PfcWaveInput& in) {
    PlotSet set;
    set.title = Localized("Графики: дроссель ККМ");
    const bool usable = Finite({in.Fr, in.L, in.U2, in.Umin, in.Umax, in.Iin_min, in.Iin_max}) && in.Fr > 0 &&
                        in.L > 0 && in.U2 > 0 && in.Umin > 0 && in.Umax > 0 && in.Iin_min >= 0 && in.Iin_max >= 0;
    if (!usable) {
        set.notes.push_back(Localized("Нет графиков: расчет не выполнен или дал недопустимые величины."));
        return set;
    }
    set.valid = true;
    set.plots.push_back(ChokeCurrent(in, "choke_current_min", "Uмин", in.Umin, in.Iin_min));
    set.plots.push_back(ChokeCurrent(in, "choke_current_max", "Uмакс", in.Umax, in.Iin_max));
    set.plots.push_back(PerLine(in, "duty", Localized("Коэффициент заполнения импульса"),
                                Localized("Коэффициент заполнения"), "", false));
    set.plots.push_back(
        PerLine(in, "ripple", Localized("Размах пульсации тока дросселя"), Localized("Размах"), Localized("А"), true));
    set.notes.push_back(
        Localized("Методика рассчитывает дроссель в вершине синусоиды (90°) при минимальном напряжении сети."));
    if (std::sqrt(2.0) * std::max(in.Umin, in.Umax) >= in.U2)
        set.notes.push_back(
            Localized("Амплитуда сетевого напряжения не ниже выходного: повышающий ККМ не может работать, графики вне "
                      "области применимости."));
    set.notes.push_back(
        Localized("Где впадина тока опустилась бы ниже нуля, дроссель работает в прерывистом режиме; впадина показана "
                  "равной нулю."));
    return set;
}

}  // namespace fb
