#pragma once
// What the two main windows share: the title and font of the form, the data their start-up
// loads (program folder and data root, wire table, material list, material, core base), the
// result controls and tooltip areas by ID, the menu bar, and the fatal stop that closes a
// window before it is shown. Each window adds its inputs, its design and its own steps.
#include <QDialog>
#include <QIcon>
#include <QString>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "common/analysis/designanalysis.h"
#include "common/data/corebase.h"
#include "common/data/coregeometry.h"
#include "common/data/material.h"
#include "common/data/message.h"
#include "common/data/programinfo.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"
#include "common/files/startup.h"

class QHBoxLayout;
class QLabel;
class QMenuBar;
class QShortcut;
class QVBoxLayout;

namespace fb::ui {

// The menu command of the "Намотка и потери" window in both programs.
constexpr int kLossWindowMenu = 32790;

class CChecksPanel;
class CLossWindow;
class CoreGroup;
struct CoreGroupConfig;
class TooltipControl;

class DesignWindow : public QDialog {
    Q_OBJECT
public:
    ~DesignWindow() override;

    // Runs the start-up steps, including the first design. False after a fatal stop (its
    // message has been shown and the window must not be shown; no settings were written).
    virtual bool Startup() = 0;

    const std::string& programFolder() const { return m_programFolder; }
    const std::string& dataRoot() const { return m_dataRoot; }
    const CMaterial& material() const { return m_material; }
    const std::vector<std::string>& materials() const { return m_materials; }
    CCoreBase& coreBase() { return m_cores; }
    CoreGroup* coreGroup() const { return m_coreGroup; }
    TooltipControl* tips() const { return m_tips; }
    QMenuBar* menuBar() const { return m_menu; }
    // The text shown by a result or label control.
    virtual QString controlText(int id) const;
    // The text of a tooltip tool (by its tool ID), and the widgets that show it.
    QString toolText(int toolId) const;
    std::vector<QWidget*> toolWidgets(int toolId) const;
    int calculations() const { return m_calculations; }
    // The name of the program's preferences file ("Flyback" for "Flyback.prefs" in the program
    // folder), where the language menu stores its choice; none, none stored.
    void setPreferencesName(const std::string& program) { m_prefsName = program; }
    std::string preferencesPath() const;

    // The first show adds the language menu and F1, puts the texts into the interface language
    // and fits the window to its screen.
    void setVisible(bool visible) override;
    // F1 in `window` (a modal one this window opens) opens the help, as the help command does.
    QShortcut* AddHelpKey(QWidget* window);

    // The program's whole analysis of the last calculation (checks, figures, losses) and the
    // geometry of the core it ran on; both are new before each Calculated().
    const DesignAnalysis& LastAnalysis() const { return m_analysis; }
    const CoreGeometry& LastGeometry() const { return m_geometry; }
    const LossOptions& lossOptions() const { return m_lossOptions; }
    // What the analysis options file held that could not be taken (read at start-up).
    const std::vector<std::string>& lossOptionsProblems() const { return m_lossOptionsProblems; }
    // New analysis options: written to the program's options file, then the last design is
    // analysed again (the method does not run) and AnalysisChanged() follows. The options are
    // taken even when the file cannot be written; the result says so.
    WriteResult SetLossOptions(const LossOptions& options);
    CChecksPanel* checksPanel() const { return m_checksPanel; }
    // "Намотка и потери" (menu): made on first use, then shown again and raised.
    void ShowLossWindow();
    CLossWindow* lossWindow() const { return m_lossWindow; }

public slots:
    // "Выход", Esc and the close box: once start-up ran to its end, form -> fields and the
    // settings file (WriteSettingsOnExit); then the window closes.
    void reject() override;

signals:
    // After each calculation of the method, once LastAnalysis() holds its analysis.
    void Calculated();
    // Whenever LastAnalysis() is new: after each calculation (before Calculated()) and after
    // the analysis options change.
    void AnalysisChanged();

protected:
    // The form was laid out for a small dialog font, which this sets. The program's title, its
    // settings file "<name>.ini" and analysis options "<name>.analysis.cfg" come from `program`.
    DesignWindow(const ProgramInfo& program, StartupBuffers buffers, QWidget* parent);

    // The form's groups side by side, the core group made from `config` last, in a scroll area
    // of the window's vertical layout (the buttons and the menu bar go there, outside it).
    // Further content of the form belongs in formLayout(), so it scrolls with the form.
    void LayOutGroups(QHBoxLayout* groups, const CoreGroupConfig& config);
    // What the form shows of the analysis, once the menu bar and the button row exist: the
    // "Проверка" list at the left of the buttons and the menu command of the loss window
    // (after the program's first command). `windingOrder`: the windings can be interleaved.
    void AddAnalysisViews(bool windingOrder);
    QVBoxLayout* formLayout() const { return m_formLayout; }
    // Shows the message and closes without writing the settings file; false.
    bool Stop(const Message& message);
    // Start-up steps; each stops the window when it fails.
    // "ReadMe.txt" in the current folder fixes the program folder and the data root above it.
    bool LocateFolders();
    bool LoadWireTable();
    // The material files of the data root into the material combo box.
    bool ListMaterialsInCombo();

    // The settings file `name` of the program folder into `in`. One that exists but cannot be
    // read is reported, and the window never writes it (settingsWritable() stays false).
    template <class Reader, class Input>
    void ReadSettings(const Reader& reader, const char* name, Input& in) {
        NoteSettingsRead(m_start.ReadSettings(reader, JoinPath(m_programFolder, name), in));
    }
    void NoteSettingsRead(const StartupResult& failure);
    // The start-up both windows run, up to the settings: the icon and the program's tooltips,
    // the folders, the wire table, then the settings file into `in` (with the default material
    // when it names none). False after a fatal stop.
    template <class Reader, class Input>
    bool StartupToSettings(const QIcon& icon, const Reader& reader, Input& in) {
        setWindowIcon(icon);
        RegisterTips();
        if (!LocateFolders() || !LoadWireTable()) return false;
        ReadSettings(reader, m_settingsName.c_str(), in);
        if (in.mater.empty()) in.mater = kDefaultMaterial;
        return true;
    }
    // The rest, once the form shows the settings: the material list, the material `mater`
    // (becomes the name loaded), the core base and the core `core`, whose selection runs the
    // first design; the core fields display only until an add mode enables some.
    bool FinishStartup(std::string& mater, const std::string& core);
    virtual void RegisterTips() = 0;
    virtual void FormToFields() = 0;
    virtual void FieldsToForm() = 0;
    // The program's design of the form, its results shown.
    virtual void Calculate() = 0;
    // The material name among the program's inputs.
    virtual std::string& InputMaterial() = 0;
    // The core group's signals: a selected core designs; a material chosen in the combo is
    // loaded and designs (not while a core is being added); an added core has the material
    // read again before it designs. A failed load keeps the data in use.
    void ConnectCoreGroup();
    // The inputs into the program's settings file, a failure said to the user.
    virtual void WriteSettingsOnExit() = 0;
    bool settingsWritable() const { return m_settingsWritable; }
    std::string settingsPath() const { return JoinPath(m_programFolder, m_settingsName); }
    // The material `mater` names (or the one that stands in for it) shown and loaded; `mater`
    // becomes the name loaded.
    void SelectMaterial(std::string& mater);
    // The core base, its warnings shown in order.
    void LoadCores();
    // Texts by control ID into the result and label controls the form has.
    void ShowTexts(const std::map<int, std::string>& texts);
    // Replaces the text of every widget of a tooltip area.
    void SetTool(int toolId, const std::string& text);

    // The program's one analysis call (AnalyseFlybackDesign, AnalyseChokeDesign) on its last design.
    virtual DesignAnalysis AnalyseDesign(const CoreRecord& core, const CoreGeometry& geometry,
                                         const LossOptions& options) const = 0;
    // The last step of every calculation: the geometry of `core`, the analysis, Calculated().
    void Analyse(const CoreRecord& core);

    // The start-up steps the command-line tools run too; the data they load live in it.
    CStartup m_start;
    CCoreBase& m_cores = m_start.cores();
    CMaterial& m_material = m_start.material();
    CWireTable& m_wires = m_start.wires();
    const std::vector<std::string>& m_materials = m_start.materials();
    std::string m_programFolder;
    std::string m_dataRoot;
    int m_calculations = 0;
    // Start-up ran to its end: only then does closing write the settings file, so a window
    // stopped at start-up never leaves one (of defaults) behind.
    bool m_started = false;
    // False when the settings file could not be read at start-up: it is the user's, left alone.
    bool m_settingsWritable = true;

    // The coil formers of the catalogue and the user's cores (read at start-up and after a
    // core is added) and what the analysis of the last design used and found.
    CCoreGeometry m_geometries;
    std::string m_settingsName;
    std::string m_lossOptionsName;  // the options file of the program folder
    std::vector<std::string> m_lossOptionsProblems;
    CoreRecord m_analysedCore;
    CoreGeometry m_geometry;
    LossOptions m_lossOptions;
    DesignAnalysis m_analysis;

    CChecksPanel* m_checksPanel = nullptr;
    CLossWindow* m_lossWindow = nullptr;
    bool m_windingOrder = false;
    CoreGroup* m_coreGroup = nullptr;
    TooltipControl* m_tips = nullptr;
    QMenuBar* m_menu = nullptr;
    std::map<int, QLabel*> m_controls;  // result and label controls by ID
    std::map<int, std::vector<QWidget*>> m_tools;

private:
    void AddLanguageMenu();
    void ChooseLanguage(const char* code);

    QVBoxLayout* m_formLayout = nullptr;
    std::string m_prefsName;
    bool m_polished = false;
};

}  // namespace fb::ui
