#include "common/report/reportrows.h"

#include "common/data/numbers.h"
#include "common/files/fieldcatalogue.h"

namespace fb {

std::vector<ReportRow> CoreRows(const CoreRecord& c) {
    std::vector<ReportRow> rows = {{caption::kCore, c.name, ""},
                                   {"Площадь сечения Ae", TidyNumber(c.Ae), "мм²"},
                                   {"Площадь окна An", TidyNumber(c.An), "мм²"},
                                   {"Длина средней линии le", TidyNumber(c.le), "мм"},
                                   {"Объем Ve", TidyNumber(c.Ve), "см³"},
                                   {"Магнитная проницаемость сердечника", TidyNumber(c.mu), ""}};
    if (c.HasAlLaw())
        rows.push_back({"Зависимость AL от зазора", TidyNumber(c.k1) + " · зазор^" + TidyNumber(c.k2), "нГн/виток²"});
    return rows;
}

std::vector<ReportRow> MaterialRows(const CMaterial& m) {
    std::vector<ReportRow> rows = {{caption::kMaterial, m.name, ""},
                                   {"Максимальная индукция Bmax", F3(m.Bmax), "Тл"},
                                   {"Предел амплитуды по потерям Bmmax", F3(m.Bmmax), "Тл"},
                                   {"Начальная магнитная проницаемость", TidyNumber(m.mu), ""}};
    if (m.nF > 0)
        rows.push_back({"Таблица потерь, частоты", TidyNumber(m.Fv(1)) + "…" + TidyNumber(m.LastFrequency()), "кГц"});
    return rows;
}

std::vector<std::string> MessageTexts(const Messages& messages) {
    std::vector<std::string> texts;
    for (const Message& m : messages) texts.push_back(m.text);
    return texts;
}

}  // namespace fb
