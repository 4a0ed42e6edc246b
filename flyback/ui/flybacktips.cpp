// The main window's tooltips: the catalogue's tips of inputs and results, and the tips of
// buttons; a result's tip sits on its label (and its unit, or the column heading above it).
#include <QLabel>

#include "common/ui/formbinding.h"
#include "common/ui/tooltips.h"
#include "flyback/design/fields.h"
#include "flyback/ui/flybackdlg.h"

namespace fb {
namespace {

using ui::ControlTip;

// The tips of controls that are no field: the core group's add modes and the file buttons.
// The inputs' tips are the catalogue's.
const ControlTip kControlTips[] = {
    {1070, "При выборе формы сердечника \"Другая\" данные взять из документации производителя."},
    {1003,
     "Ввод размеров используется для сердечников простой геометрической формы, таких, как кольцо или "
     "Ш-образных.\n Хотя я сделал расчет данных сердечника по геометрическим размерам, результаты такого "
     "расчета получаются не точными, так как данные от производителей несколько отличаются от прямого расчета "
     "по геометрическим размерам."},
    {1004,
     "Ввод данных применяется при сложной геометрической форме, когда невозможен расчет данных по "
     "геометрическим размерам.\nВ случае отсутствия в документации производителя площади окна бобины под "
     "намотку, рассчитать площадь окна самостоятельно.\nОбъем программа считает самостоятельно. Объем равен "
     "произведению площади сечения сердечника на длину средней магнитной линии."},
    {5, "Загрузка сохраненных исходных данных из файла с расширеним \".sav.\""},
    {3, "Сохранение исходных данных в файл с расширеним \".sav\" для последующего использования."},
};

// The widgets a result's tip covers: the pointer crosses the unit and a column's heading too.
// The text is the catalogue's tip of the result `tool`.
struct AreaTip {
    int tool;
    std::vector<int> controls;  // result and label IDs the area covers
    std::vector<int> headings;  // column headings (the area reaches up over them)
};

// A column of five secondary results under one tool, reaching up over its heading (or none).
AreaTip Column(int base, int heading = -1) {
    AreaTip a{base, {base, base + 1, base + 2, base + 3, base + 4}, {}};
    if (heading >= 0) a.headings.push_back(heading);
    return a;
}

const std::vector<AreaTip>& AreaTips() {
    static const std::vector<AreaTip> tips = [] {
        std::vector<AreaTip> v = {{ctl::kBpk, {ctl::kBpk}, {}},
                                  {ctl::kLp, {ctl::kLp, ctl::kLpUnit}, {}},
                                  {ctl::kNp, {ctl::kNp}, {}},
                                  {ctl::kPrimaryWire, {ctl::kPrimaryWire}, {}}};
        for (int id : {ctl::kIinMin, ctl::kIinMax, ctl::kIinNom}) v.push_back({id, {id}, {}});
        for (int i = 0; i < 5; ++i) v.push_back({ctl::kJBase + i, {ctl::kJBase + i}, {}});
        for (const AreaTip& a : {Column(ctl::kWireBase), Column(ctl::kUoutBase, 2), Column(ctl::kUdrevBase, 3),
                                 Column(ctl::kIcrmsBase, 4)})
            v.push_back(a);
        return v;
    }();
    return tips;
}

}  // namespace

void CFlybackDlg::RegisterTips() {
    if (m_tips) return;
    m_tips = new ui::TooltipControl(this);
    ui::SetControlTips(*m_tips, this, TipsOf(FlybackFields()));
    ui::SetControlTips(*m_tips, this, kControlTips);
    for (const AreaTip& a : AreaTips()) {
        std::vector<QWidget*>& widgets = m_tools[a.tool];
        for (int id : a.controls) widgets.push_back(ui::FindControl(this, id));
        for (int column : a.headings) widgets.push_back(findChild<QLabel*>(QStringLiteral("head%1").arg(column)));
        SetTool(a.tool, ResultOf(FlybackResultFields(), a.tool).tip);
    }
}

}  // namespace fb
