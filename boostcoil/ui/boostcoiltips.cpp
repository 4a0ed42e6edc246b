// The main window's tooltips: three control tools and two areas of static results. The
// areas are the widgets of a result row (caption, value, unit), which the pointer crosses.
#include "boostcoil/ui/boostcoildlg.h"
#include "boostcoil/design/pfccatalogue.h"
#include "common/ui/formbinding.h"
#include "common/ui/tooltips.h"

namespace fb {
namespace {

using ui::ControlTip;

const ControlTip kControlTips[] = {
    {bcid::kJ, "Плотность тока зависит от условий охлаждения и от размеров сердечника."},
    {bcid::kSave,
     "Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для последующего "
     "использования."},
    {bcid::kLoad, "Загрузка сохраненных исходных данных из файла с расширеним .sav"},
};

struct AreaTip {
    int tool;
    const char* text;
};

// The peak-flux area's text is replaced by every calculation (it then carries the AC flux
// amplitude).
const AreaTip kAreaTips[] = {
    {pfcid::kRequired,
     "Это полный немагнитный зазор. Он создается либо полностью в центральном стержне сердечника, либо делится "
     "пополам между крайними стержнями сердечника."},
    {pfcid::kBpk, "Амплитуда переменной составляющей индукции"},
};

}  // namespace

void CBoostcoilDlg::RegisterTips() {
    if (m_tips) return;
    ui::TooltipSettings settings;
    settings.maxWidth = 300;
    m_tips = new ui::TooltipControl(this, settings);
    ui::SetControlTips(*m_tips, this, kControlTips);
    for (const AreaTip& a : kAreaTips) SetTool(a.tool, a.text);
}

}  // namespace fb
