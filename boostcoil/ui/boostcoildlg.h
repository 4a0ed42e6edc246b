#pragma once
// Boostcoil's main window: owns the inputs, the core base, the material and the wire table,
// decides when the choke design runs, and shows its results.
#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "boostcoil/design/pfc.h"
#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/wiretable.h"
#include "common/ui/formbinding.h"

class QLabel;
class QMenuBar;
class QPlainTextEdit;

namespace fb::ui {
class CoreGroup;
class TooltipControl;
}  // namespace fb::ui

namespace fb {

class CBoostcoilDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBoostcoilDlg(QWidget* parent = nullptr);
    ~CBoostcoilDlg() override;

    // Runs the start-up steps, including the first design. False after a fatal stop (its
    // message has been shown and the window must not be shown; no settings were written).
    bool Startup();

    // "Рассчитать": form -> fields, the choke design, fields -> form, its messages.
    void Calculate();
    // "Сохранить" and "Загрузить" with the saved-file list dialogs.
    void Save();
    void Load();
    // The schematic window (menu).
    void ShowSchematic();

    const PfcInput& input() const { return m_in; }
    const PfcResult& lastResult() const { return m_last; }
    const std::string& programFolder() const { return m_programFolder; }
    const std::string& dataRoot() const { return m_dataRoot; }
    const CMaterial& material() const { return m_material; }
    const std::vector<std::string>& materials() const { return m_materials; }
    CCoreBase& coreBase() { return m_cores; }
    ui::CoreGroup* coreGroup() const { return m_coreGroup; }
    ui::TooltipControl* tips() const { return m_tips; }
    QMenuBar* menuBar() const { return m_menu; }
    // The core as the form shows it: what the next design reads.
    CoreRecord FormCore() const;
    // The text shown by a result, label or the information control (its lines end in "\n").
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
    // Form building (boostcoilform.cpp).
    void BuildForm();
    QWidget* BuildInputs();
    QWidget* BuildCoreResults();
    QWidget* BuildChokeResults();
    QWidget* BuildSupplyTable();
    QLabel* NewResult(QWidget* parent, int id, int minWidth = 64);
    QLabel* NewLabel(QWidget* parent, int id, const QString& text);
    void BuildMenuAndButtons();
    // Tooltips (boostcoiltips.cpp).
    void RegisterTips();
    void SetTool(int toolId, const std::string& text);

    void ConnectActions();
    bool Stop(const Message& message);
    void SelectMaterial();
    void ShowModeLabels(int yes_al);
    void ShowResult(const PfcResult& result);
    void FocusCalculate();

    void OnGapRadio();
    void OnAlRadio();
    void OnMaterialSelected(int index);
    void ReloadMaterial();

    PfcInput m_in;
    PfcResult m_last;
    // What the gap/AL radios convert: AL_req and the AL text of the last run, usable only
    // when that run was calculated.
    bool m_lastCalculated = false;
    double m_ALreq = 0;
    double m_AL = 0;
    std::string m_ALText;

    CCoreBase m_cores;
    CMaterial m_material;
    CWireTable m_wires;
    std::vector<std::string> m_materials;
    std::string m_programFolder;
    std::string m_dataRoot;
    int m_calculations = 0;
    bool m_started = false;  // start-up ran to its end: closing writes the settings

    ui::FormBinding<PfcInput> m_binding;
    ui::CoreGroup* m_coreGroup = nullptr;
    ui::TooltipControl* m_tips = nullptr;
    QMenuBar* m_menu = nullptr;
    QPlainTextEdit* m_info = nullptr;
    std::map<int, QLabel*> m_controls;  // result and label controls by ID
    std::map<int, std::vector<QWidget*>> m_tools;
};

}  // namespace fb
