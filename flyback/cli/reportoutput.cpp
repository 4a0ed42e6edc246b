#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textlayout.h"
#include "flyback/cli/output.h"
#include "flyback/design/fields.h"

namespace fb {
namespace {

using Report = AlignedText;

std::string TextOf(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

std::string Joined(std::initializer_list<std::string> parts) {
    std::string s;
    for (const std::string& p : parts) s += (s.empty() ? "" : " / ") + p;
    return s;
}

void InputsGroup(Report& r, const FlybackInput& in) {
    r.Heading("Входные данные");
    r.Row(FlybackCaption("Umin"), Joined({in.Umin, in.Unom, in.Umax}), in.setevoe == 1 ? "AC" : "DC");
    r.Row(FlybackCaption("Fconv"), in.Fconv);
    r.Row(FlybackCaption("Umirror"), in.Umirror, in.Auto == 1 ? "(" + std::string(FlybackCaption("Auto")) + ")" : "");
    r.Row(FlybackCaption("Utrmax"), in.Utrmax);
    r.Row(FlybackCaption("Rds"), in.Rds, in.rds == 1 ? "(используется)" : "");
    r.Row(FlybackCaption("Unas"), in.Unas, in.rds == 1 ? "" : "(используется)");
    r.Row(FlybackCaption("j"), in.j);
    r.Row(FlybackCaption("Iccm"), in.Iccm);
    r.Row(FlybackCaption("Usense"), in.Usense);
    r.Row(FlybackCaption("d11"), in.d11);
    r.Row(FlybackCaption("yes_d"), in.yes_d ? "да" : "нет");
    r.Sub("Вторичные обмотки (U ном., В / I ном., А / Ud f, В / Диаметр)");
    const std::string* U[5] = {&in.U21, &in.U22, &in.U23, &in.U24, &in.U25};
    const std::string* I[5] = {&in.I21, &in.I22, &in.I23, &in.I24, &in.I25};
    const std::string* Ud[5] = {&in.Ud1, &in.Ud2, &in.Ud3, &in.Ud4, &in.Ud5};
    const std::string* d[5] = {&in.d21, &in.d22, &in.d23, &in.d24, &in.d25};
    for (int k = 0; k < 5; ++k) r.Row("Обмотка " + FormatInt(k + 1), Joined({*U[k], *I[k], *Ud[k], *d[k]}));
}

void CoreGroup(Report& r, const CalcRun& run) {
    static const char* const shapes[kShapeCount] = {"E", "ЕI", "ER", "ETD", "Другая"};
    const CoreRecord& c = run.core;
    r.Heading(caption::kCore);
    r.Row(caption::kCore, c.name);
    r.Row("Форма", c.shape >= 0 && c.shape < kShapeCount ? shapes[c.shape] : "");
    r.Row(caption::kMaterial, run.outcome.input.mater);
    r.Row("Эффективная проницаемость", c.muText);
    r.Row("Длина средней линии сердечника, le", c.leText);
    r.Row("Площадь сечения сердечника, Ae", c.AeText);
    r.Row("Площадь окна сердечника, An", c.AnText);
    r.Row(caption::kCoreVolume, c.VeText);
}

void ResultsGroup(Report& r, const FlybackOutcome& o) {
    auto res = [&](int id) { return TextOf(o.results, id); };
    auto result = [&](int id) {  // the catalogue's caption and unit
        const ResultField& f = ResultOf(FlybackResultFields(), id);
        r.Row(f.caption, res(id), f.unit);
    };
    r.Heading("Результаты расчета");
    r.Row(ZazorCaption(o.input.yes_al), o.input.zazor);
    r.Row(TextOf(o.labels, ctl::kRequiredCaption), res(ctl::kRequired), TextOf(o.labels, ctl::kRequiredUnit));
    r.Row(ZazorCaption(1), res(ctl::kAL));
    result(ctl::kMue);
    const ResultField& flux = ResultOf(FlybackResultFields(), ctl::kBpk);
    r.Row(flux.caption, res(ctl::kBpk) + " " + res(ctl::kBlim), flux.unit);
    result(ctl::kPcore);
    result(ctl::kKfill);
    r.Sub("Первичная обмотка");
    r.Row(ResultOf(FlybackResultFields(), ctl::kLp).caption, res(ctl::kLp), TextOf(o.labels, ctl::kLpUnit));
    r.Row("Витки, провод", res(ctl::kNp) + " " + res(ctl::kPrimaryWire));
    r.Row("Плотность тока", res(ctl::kPrimaryJ));
    for (int id : {ctl::kUr, ctl::kUovs, ctl::kIpk, ctl::kRsense, ctl::kCin}) result(id);
    r.Sub("Напряжение питания (мин. / ном. / макс.)");
    r.Row("Ток потребления (по шине DC), A", Joined({res(ctl::kIinMin), res(ctl::kIinNom), res(ctl::kIinMax)}));
    r.Row("Коэффициент заполнения импульса", Joined({res(ctl::kDutyMin), res(ctl::kDutyNom), res(ctl::kDutyMax)}));
    r.Row(FlybackCaption("Iccm"), Joined({res(ctl::kKcMin), res(ctl::kKcNom), res(ctl::kKcMax)}));
    r.Sub("Вторичные обмотки (Витки / Провод / U вых. / Ud обрат. / Ic(rms) / Плот. тока)");
    for (int i = 0; i < 5; ++i) {
        if (res(ctl::kTurnsBase + i).empty()) continue;  // an absent winding shows nothing
        r.Row("Обмотка " + FormatInt(i + 1),
              Joined({res(ctl::kTurnsBase + i), res(ctl::kWireBase + i), res(ctl::kUoutBase + i),
                      res(ctl::kUdrevBase + i), res(ctl::kIcrmsBase + i), res(ctl::kJBase + i)}));
    }
}

void ClamperGroups(Report& r, const ClamperInput& in, const ClamperResult& out) {
    const ClamperModeLabels mode = ModeLabels(in.reverse);
    r.Heading("Расчет RCD клампера");
    for (const char* name : {"Urefl", "Uclamp", "Ipk", "Fconv", "Ls", "Ceq", "Ures"}) {
        const ClamperField& f = ClamperFieldOf(name);
        r.Row(f.caption, in.*f.text, f.unit);
    }
    r.Row(mode.label, in.reverse ? out.UclampCalc : out.CclampText, mode.unit);
    auto result = [&](int id, const std::string& value) {  // the catalogue's caption and unit
        const ResultField& f = ResultOf(ClamperResultFields(), id);
        r.Row(f.caption, value, f.unit);
    };
    result(clamperid::Rslow, out.Rslow);
    result(clamperid::Pslow, out.Pslow);
    result(clamperid::Diode, out.Diode);
    r.Sub("Параметры резистора с быстрым диодом:");
    result(clamperid::Rslow, out.Rfast);  // under this heading the fast diode's rows read as the slow ones
    result(clamperid::Pslow, out.Pfast);
    r.Heading("Расчет индуктивности рассеяния и эквивалентной емкости стоковой цепи");
    r.Row(ClamperFieldOf("L1").caption, in.L1, in.L1unit);
    for (const char* name : {"TL1", "TLs"}) {
        const ClamperField& f = ClamperFieldOf(name);
        r.Row(f.caption, in.*f.text, f.unit);
    }
    result(clamperid::LsEst, out.LsEst);
    result(clamperid::CeqEst, out.CeqEst);
}

void MessagesGroup(Report& r, const Messages& messages) {
    r.Heading("Сообщения");
    if (messages.empty()) r.Line("нет");
    for (const Message& m : messages) {
        std::string text = LocalizedRuns(m.text);  // whole, before the report goes line by line
        for (size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1))
            text.replace(p, 1, "\n    ");
        r.Line(Localized(m.caption) + "\n    " + text);
    }
}

}  // namespace

std::string CalcReport(const CalcRun& run, const std::string& file) {
    Report r;
    r.Heading("Flyback: расчет трансформатора обратноходового преобразователя");
    r.Row("Файл", file);
    InputsGroup(r, run.outcome.input);
    CoreGroup(r, run);
    ResultsGroup(r, run.outcome);
    ClamperGroups(r, run.clamperIn, run.clamperOut);
    MessagesGroup(r, run.messages);
    return r.Text();
}

}  // namespace fb
