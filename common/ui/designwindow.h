#pragma once
// What the two main windows share: the title and font of the form, the data their start-up
// loads (program folder and data root, wire table, material list, material, core base), the
// result controls and tooltip areas by ID, the menu bar, and the fatal stop that closes a
// window before it is shown. Each window adds its inputs, its design and its own steps.
#include <QDialog>
#include <QString>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/message.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"
#include "common/files/startup.h"

class QHBoxLayout;
class QLabel;
class QMenuBar;

namespace fb::ui {

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

protected:
    // The form was laid out for a small dialog font, which this sets.
    DesignWindow(const QString& title, StartupBuffers buffers, QWidget* parent);

    // The form's groups side by side, the core group made from `config` last, in the window's
    // vertical layout (the buttons go below).
    void LayOutGroups(QHBoxLayout* groups, const CoreGroupConfig& config);
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
    bool settingsWritable() const { return m_settingsWritable; }
    // The material `mater` names (or the one that stands in for it) shown and loaded; `mater`
    // becomes the name loaded.
    void SelectMaterial(std::string& mater);
    // The core base, its warnings shown in order.
    void LoadCores();
    // Texts by control ID into the result and label controls the form has.
    void ShowTexts(const std::map<int, std::string>& texts);
    // Replaces the text of every widget of a tooltip area.
    void SetTool(int toolId, const std::string& text);

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

    CoreGroup* m_coreGroup = nullptr;
    TooltipControl* m_tips = nullptr;
    QMenuBar* m_menu = nullptr;
    std::map<int, QLabel*> m_controls;  // result and label controls by ID
    std::map<int, std::vector<QWidget*>> m_tools;
};

}  // namespace fb::ui
