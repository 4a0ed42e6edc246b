#pragma once
// The flyback program's main window: owns the inputs, the core base, the material and the
// wire table, decides when the design runs, and shows its outcome.
#include <QDialog>
#include <QHash>
#include <map>
#include <string>
#include <vector>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/wiretable.h"
#include "common/ui/formbinding.h"
#include "flyback/design/flyback.h"

class QLabel;
class QLineEdit;
class QMenuBar;

namespace fb::ui {
class CoreGroup;
class TooltipControl;
}  // namespace fb::ui

namespace fb {

class CFlybackDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFlybackDlg(QWidget* parent = nullptr);
    ~CFlybackDlg() override;

    // Runs the start-up steps, including the first design. False after a fatal stop (its
    // message has been shown and the window must not be shown; no settings were written).
    bool Startup();

    // "Рассчитать": form -> fields, design, fields -> form, messages, settings file.
    void Calculate();

    // Enabled states and labels that follow the check boxes and radios.
    void RefreshDependentStates();

    // "Сохранить": calculate, then the save dialog with the proposed name, then the file.
    void OnSave();
    // "Загрузить": the open dialog, then the file's inputs, material and core; the core's
    // selection designs.
    void OnLoad();
    // "Расчеты RCD клампера": the clamper window over copies of the results and the six
    // stored clamper texts, which come back however it closes.
    void OnClamper();

    const FlybackInput& input() const { return m_in; }
    const FlybackOutcome& lastOutcome() const { return m_last; }
    const std::string& programFolder() const { return m_programFolder; }
    const std::string& dataRoot() const { return m_dataRoot; }
    const CMaterial& material() const { return m_material; }
    const std::vector<std::string>& materials() const { return m_materials; }
    CCoreBase& coreBase() { return m_cores; }
    ui::CoreGroup* coreGroup() const { return m_coreGroup; }
    ui::TooltipControl* tips() const { return m_tips; }
    QMenuBar* menuBar() const { return m_menu; }
    // The text shown by a result or label control.
    QString controlText(int id) const;
    // The text of a tooltip tool (by its tool ID), and the widgets that show it.
    QString toolText(int toolId) const;
    std::vector<QWidget*> toolWidgets(int toolId) const;
    int calculations() const { return m_calculations; }

    void FormToFields() { m_binding.toFields(m_in); }
    void FieldsToForm() { m_binding.toForm(m_in); }

public slots:
    // "Выход", Esc and the close box: form -> fields, settings file, close.
    void reject() override;

private:
    // Form building (flybackform.cpp).
    void BuildForm();
    QWidget* BuildInputs();
    QWidget* BuildResults();
    QWidget* BuildResultTables(QWidget* box);
    QLabel* NewResult(QWidget* parent, int id, int minWidth = 56);
    void BuildMenuAndButtons();
    // Tooltips (flybacktips.cpp).
    void RegisterTips();
    void SetTool(int toolId, const std::string& text);

    void ConnectActions();
    bool Stop(const Message& message);
    void LoadMaterialsAndCores();
    void ShowOutcome(const FlybackOutcome& outcome);
    bool SaveSettings(bool exiting);

    void OnDC();
    void OnAC();
    void OnAuto();
    void OnGapRadio();
    void OnAlRadio();
    void OnSwitchModel(bool rdsMode);
    void OnIccmChanged();
    void OnFconvChanged();
    void OnMaterialSelected(int index);
    // A core was added: the current material is loaded again before the core is selected.
    void ReloadMaterial();
    // The material of m_in.mater in the combo box, as at start-up; loaded.
    void SelectAndLoadMaterial();

    FlybackInput m_in;
    FlybackOutcome m_last;
    CCoreBase m_cores;
    CMaterial m_material;
    CWireTable m_wires;
    std::vector<std::string> m_materials;
    std::string m_programFolder;
    std::string m_dataRoot;
    int m_calculations = 0;
    bool m_writeFailureShown = false;

    ui::FormBinding<FlybackInput> m_binding;
    ui::CoreGroup* m_coreGroup = nullptr;
    ui::TooltipControl* m_tips = nullptr;
    QMenuBar* m_menu = nullptr;
    std::map<int, QLabel*> m_controls;  // result and label controls by ID
    std::map<int, std::vector<QWidget*>> m_tools;
};

}  // namespace fb
