#pragma once
// The modal RCD clamper window: the clamper design and the leakage estimate over the values
// the main window hands in. It keeps them only while it is open; the caller runs exec() and
// then takes the six stored texts back through the getters.
#include <QDialog>
#include <map>
#include <string>

#include "common/ui/formbinding.h"
#include "flyback/clamper/clamper.h"

class QLabel;
class QPushButton;

namespace fb::ui {
class TooltipControl;
}  // namespace fb::ui

namespace fb {

class CClamperDlg : public QDialog {
    Q_OBJECT
public:
    // `handedIn` carries Urefl, L1, L1unit, Ipk, Fconv and the six stored texts Uclamp, Ures,
    // Ceq, Ls, TL1, TLs. Cclamp, the mode and the check box start afresh whatever it holds.
    // Runs the opening steps, both calculations included.
    explicit CClamperDlg(const ClamperInput& handedIn, QWidget* parent = nullptr);
    ~CClamperDlg() override;

    // The stored texts as of the last form -> fields step, however the window was closed:
    // closing reads nothing from the form.
    const std::string& Uclamp() const { return m_in.Uclamp; }
    const std::string& Ures() const { return m_in.Ures; }
    const std::string& Ceq() const { return m_in.Ceq; }
    const std::string& Ls() const { return m_in.Ls; }
    const std::string& TL1() const { return m_in.TL1; }
    const std::string& TLs() const { return m_in.TLs; }

    const ClamperInput& input() const { return m_in; }
    const ClamperResult& result() const { return m_out; }
    ui::TooltipControl* tips() const { return m_tips; }

    // The leakage inductance (µH) estimated from the winding build-up, shown beside the estimate
    // from the ringing periods; its button puts it into the clamper's leakage field and runs
    // the clamper calculation. Without an offer the row shows a dash and the button is off.
    void OfferBuildUpLeakage(double uH);

    // "Рассчитать" 1 (also Enter) and "Рассчитать" 4: form -> fields, the calculation,
    // fields -> form.
    void CalculateTop();
    void CalculateLeakage();

    void FormToFields();
    void FieldsToForm();

private:
    void BuildForm();
    QWidget* BuildClamperGroup();
    QWidget* BuildLeakageGroup();
    QLabel* NewResult(QWidget* parent, int id);
    void RegisterTips();
    // Enabled edits and the first result's label and unit for a mode.
    void ApplyMode(bool reverse);
    // Form -> fields, one of the two calculations, fields -> form.
    void Recalculate(void (*calculation)(ClamperInput&, ClamperResult&));
    void TellIfNotFinite();
    void OnModeRadio(bool reverse);

    ClamperInput m_in;
    ClamperResult m_out;
    ui::FormBinding<ClamperInput> m_binding;
    ui::TooltipControl* m_tips = nullptr;
    std::map<int, QLabel*> m_labels;  // result, label and unit controls by ID
    QLabel* m_buildUpLs = nullptr;
    QPushButton* m_takeBuildUpLs = nullptr;
};

}  // namespace fb
