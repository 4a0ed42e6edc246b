#include "common/data/wiretable.h"

#include <cmath>

#include "common/data/english.h"
#include "common/data/lookup.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

// The smallest whole number not below n (truncation plus one), in doubles so that a huge
// count never overflows an int.
double RoundUp(double n) {
    const double m = std::trunc(n);
    return m < n ? m + 1 : m;
}

}  // namespace

bool CWireTable::Load(const std::string& dataRoot, std::size_t bufferSize) {
    const ReadResult file = ReadTextFile(JoinPath(dataRoot, "Wire.txt"), bufferSize);
    if (!file.ok) return false;
    N = 0;
    for (int i = 1; i <= kMaxWires; ++i) {
        const std::string dv = GetKeyValue(file.text, "d" + FormatInt(i));
        if (dv.empty()) break;
        const std::string zv = GetKeyValue(file.text, "diz" + FormatInt(i));
        if (zv.empty()) break;
        d[i] = TextToDouble(CommaToPoint(dv));
        diz[i] = TextToDouble(CommaToPoint(zv));
        N = i;
    }
    for (int k = 1; k <= N; ++k) S[k] = d[k] * d[k] * M_PI * 0.25;
    chosen = 0;
    chosenDiameter = 0;
    return true;
}

Message CWireTable::MissingFileMessage(const std::string& dataRoot) {
    return Warning(Phrase("В папке {1} отсутствует файл \"Wire.txt\".\nДо свидания!", {dataRoot}));
}

CWireTable::Nearest CWireTable::NearestStandard(const std::string& typed) {
    Nearest out;
    std::string text = CommaToPoint(typed);
    double x = TextToDouble(text);
    if (N == 0) {  // no wire to offer: the text stays as typed
        out.text = text;
        return out;
    }
    if (x > d[N]) {
        x = d[N];
        text = F3(d[N]);
    }
    text = TidyText(text);
    int k = 1;
    while (k < N && d[k] < x) ++k;
    chosen = k;
    chosenDiameter = d[k];
    out.text = text;
    if (d[k] != x) {
        out.text = TidyNumber(d[k]);
        out.message = Warning(Phrase(
            "Указанный желаемый диаметр {1} мм заменен на ближайший стандартный диаметр {2} мм", {text, out.text}));
    }
    return out;
}

double CWireTable::EffectiveArea(int k, double delta) const {
    const double Sdelta = M_PI * (delta * delta);
    if (S[k] <= Sdelta) return S[k];
    return M_PI * (d[k] * delta - delta * delta);
}

CWireTable::Choice CWireTable::ChooseWire(double I, double j, double delta, int yes_d) {
    Choice c;
    if (N == 0) return c;
    const double Areq = I / j;
    const double Sdelta = M_PI * (delta * delta);
    int k = 1;
    if (yes_d == 1) {
        k = chosen >= 1 && chosen <= N ? chosen : 1;
        const double Aeff = EffectiveArea(k, delta);
        const double n = Areq > Aeff ? Areq / Aeff : 1;
        const double m = std::trunc(n);
        c.strands = n / m > 1.1 ? m + 1 : m;
    } else {
        const double n = Areq > Sdelta ? Areq / Sdelta : 1;
        c.strands = RoundUp(n);
        const double area = Areq / c.strands;
        const double wanted = std::sqrt(4 * area / M_PI);
        k = 1;
        while (k <= N && d[k] < wanted) ++k;
        if (k > N) {
            // Thicker than the thickest wire: take the thickest with as many more strands as
            // its full copper area needs.
            k = N;
            c.strands = RoundUp(Areq / S[N]);
        }
    }
    chosen = k;
    chosenDiameter = d[k];
    c.ok = true;
    c.diameterText = TidyNumber(d[k]);
    c.S = S[k];
    c.Aeff = EffectiveArea(k, delta);
    return c;
}

double CWireTable::InsulatedDiameter(double dCopper) const {
    int best = 0;
    for (int k = 1; k <= N && k <= kMaxWires; ++k)
        if (best == 0 || std::fabs(d[k] - dCopper) < std::fabs(d[best] - dCopper)) best = k;
    return best == 0 ? dCopper : dCopper + (diz[best] - d[best]);
}

}  // namespace fb
