#include "common/data/addcore.h"

#include <cmath>

#include "common/data/corebase.h"
#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"

namespace fb {
namespace {

AddCoreResult Refuse(const char* text) {
    AddCoreResult r;
    r.messages.push_back(Warning(text));
    return r;
}

double Dim(const std::string& text) { return TextToDouble(CommaToPoint(text)); }

// The shape radios' captions ("ЕI" begins with the Cyrillic Е).

// A core whose name its shape's list rule leaves out would be written and never seen again:
// the refusal says under which shape it would be listed, or why under none. "" when listed.
std::string UnlistedNameProblem(const std::string& name, int shape) {
    if (shape < 0 || shape >= kShapeCount) return {};
    CCoreBase probe;
    probe.SetUserText("[" + name + "]");
    if (!probe.ListForShape(shape).empty()) return {};
    for (int s = 0; s < kShapeCount; ++s)
        if (!probe.ListForShape(s).empty())
            return Phrase(
                "Сердечник с таким названием будет показан в списке формы \"{1}\", а не \"{2}\": выберите "
                "эту форму или измените название.",
                {Localized(ShapeCaption(s)), Localized(ShapeCaption(shape))});
    if (shape == 4)
        return Localized(
            "Сердечник с названием, которое начинается с \"E\" или с \"R\" (кроме \"RM\"), не будет "
            "показан в списке формы \"Другая\": измените название.");
    return Phrase("Сердечник с таким названием не будет показан в списке формы \"{1}\": измените название.",
                  {Localized(ShapeCaption(shape))});
}

}  // namespace

std::string ShapePrefix(int shape) {
    switch (shape) {
    case 0: return "E ";
    case 1: return "EI ";
    case 2: return "ER ";
    case 3: return "ETD ";
    default: return "";
    }
}

std::string ApplyPrefix(const std::string& name, int shape) {
    const std::string prefix = ShapePrefix(shape);
    if (prefix.empty() || name.find(prefix) != std::string::npos) return name;
    return prefix + name;
}

CoreData DimensionFormulas(int shape, double A, double B, double C, double D, double H, double h, double I) {
    CoreData d;
    if (shape == 1) {
        d.Ae = C * D;
        d.An = 0.5 * 0.8 * (B - D) * h;
        d.le = (B - D) + (A - B) * 0.5 + D * 0.5 + 2 * h + ((H - h) + I) * 0.5;
        return d;
    }
    d.Ae = shape == 0 ? C * D : D * D * 0.25 * M_PI;
    d.An = 0.8 * (B - D) * h;
    d.le = (B - D) + (A - B) * 0.5 + D * 0.5 + 4 * h + (H - h);
    return d;
}

std::string CoreRecordText(const std::string& name, const std::string& Ae, const std::string& An, const std::string& le,
                           const std::string& mu) {
    return "[" + name + "]\r\nAe = " + Ae + "\r\nAn = " + An + "\r\nle = " + le + "\r\nmu = " + mu + "\r\n\r\n";
}

AddCoreResult PrepareCore(const AddCoreRequest& q) {
    if (!q.byDims && !q.byData) return AddCoreResult{};
    if (q.name.empty()) return Refuse("Вы забыли перед добавлением ввести название сердечника.");
    // Brackets and "=" would make the record unreadable or hide other cores, and a character
    // outside Windows-1251 cannot be stored: refuse them before anything is written.
    if (q.name.find_first_of("[]=") != std::string::npos)
        return Refuse("Название сердечника не может содержать символы \"[\", \"]\" и \"=\".");
    for (unsigned char c : q.name)
        if (c < 0x20) return Refuse("Название сердечника не может содержать управляющие символы.");
    if (!IsCp1251Encodable(q.name))
        return Refuse("Название сердечника содержит символы, которые нельзя сохранить в базе сердечников.");
    AddCoreResult r;
    r.name = ApplyPrefix(q.name, q.shape);
    const std::string unlisted = UnlistedNameProblem(r.name, q.shape);
    if (!unlisted.empty()) return Refuse(unlisted.c_str());
    if (q.mu.empty()) return Refuse("Вы забыли перед добавлением ввести магнитную проницаемость.");

    r.muText = q.mu;
    if (q.byDims) {
        const CoreDims& d = q.dims;
        if (d.A.empty() || d.B.empty() || d.C.empty() || d.D.empty() || d.H.empty() || d.h.empty())
            return Refuse("Вы забыли перед добавлением ввести все размеры.");
        if (q.shape == 1 && d.I.empty()) return Refuse("Вы забыли перед добавлением ввести все размеры.");
        const CoreData data =
            DimensionFormulas(q.shape, Dim(d.A), Dim(d.B), Dim(d.C), Dim(d.D), Dim(d.H), Dim(d.h), Dim(d.I));
        r.AeText = F2(data.Ae);
        r.AnText = F2(data.An);
        r.leText = F1(data.le);
    } else {
        if (q.Ae.empty() || q.An.empty() || q.le.empty())
            return Refuse("Вы забыли перед добавлением ввести все данные.");
        r.AeText = q.Ae;
        r.AnText = q.An;
        r.leText = q.le;
    }
    // A value carrying a bracket or a line break would split the record.
    for (const std::string* t : {&r.muText, &r.AeText, &r.AnText, &r.leText}) {
        for (unsigned char c : *t)
            if (c < 0x20 || c == '[' || c == ']')
                return Refuse("Данные сердечника не могут содержать символы \"[\", \"]\" и управляющие символы.");
    }
    r.record = CoreRecordText(r.name, r.AeText, r.AnText, r.leText, r.muText);
    r.ok = true;
    return r;
}

}  // namespace fb
