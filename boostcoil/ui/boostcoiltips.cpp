// The main window's tooltips: the catalogue's tips of inputs and results, and the buttons'.
// A result's tip covers the widgets of its row (caption, value, unit), which the pointer crosses.
#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/ui/boostcoildlg.h"
#include "common/ui/formbinding.h"
#include "common/ui/tooltips.h"

namespace fb {
namespace {

using ui::ControlTip;

// The file buttons are no field; the inputs' tips are the catalogue's.
const ControlTip kButtonTips[] = {
    {bcid::kSave,
     "Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для последующего "
     "использования."},
    {bcid::kLoad, "Загрузка сохраненных исходных данных из файла с расширеним .sav"},
};

// Results whose tips cover their row; every calculation replaces the peak-flux one (it then
// carries the AC flux amplitude).
const int kAreaTips[] = {pfcid::kRequired, pfcid::kBpk};

}  // namespace

void CBoostcoilDlg::RegisterTips() {
    if (m_tips) return;
    ui::TooltipSettings settings;
    settings.maxWidth = 300;
    m_tips = new ui::TooltipControl(this, settings);
    ui::SetControlTips(*m_tips, this, TipsOf(PfcFields()));
    ui::SetControlTips(*m_tips, this, kButtonTips);
    for (int tool : kAreaTips) SetTool(tool, PfcResultField(tool).tip);
}

}  // namespace fb
