#pragma once
// The core group of both main windows: core and material combo boxes, the shape
// radios with the core picture, the add-core dimension and data fields. It runs the core
// selection rules on the window's CCoreBase and tells the window when a core was chosen;
// the window then designs. Each program passes its control IDs, pictures and shape rule.
//
// Adding a core runs here too (check boxes, fields, button), so both programs get it whole.
// What a window does for it:
//   group->SetDataRoot(dataRoot);               // once start-up knows the data root
//   connect(group, &CoreGroup::materialReloadRequested, window, [window] {
//       /* form -> fields, then CMaterial::Load of the current material name */ });
//   connect(group, &CoreGroup::coreSelected, window, /* design */);
//   connect(group, &CoreGroup::materialActivated, window, /* OnMaterialSelected */);
// and shows the material it loads with ShowMaterial(index). After a core was added the group
// emits materialReloadRequested, then selects the new core (coreSelected, so the window
// designs with the material just reloaded), then redraws the picture. The connections must
// be direct (the default for objects of one thread): the group goes on when the signal returns.
#include <QGroupBox>
#include <QString>
#include <array>
#include <cstddef>
#include <string>

#include "common/data/corebase.h"
#include "common/data/textfile.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fb::ui {

// The group's control IDs, in the order a program lists them.
struct CoreGroupIds {
    int coreCombo = 0;
    int materialCombo = 0;
    std::array<int, kShapeCount> shapes{};  // "E", "ЕI", "ER", "ETD", "Другая"
    std::array<int, 7> dims{};              // A, B, C, D, H, h, I
    int mu = 0, le = 0, Ae = 0, An = 0, Ve = 0;
    int addByDims = 0, addByData = 0, addButton = 0;
};

struct CoreGroupConfig : CoreGroupIds {
    explicit CoreGroupConfig(const CoreGroupIds& ids = {}) : CoreGroupIds(ids) {}
    // Resource paths of the picture of each shape, and of each shape while the
    // dimension add mode is on (a drawing marked with the dimension letters).
    std::array<QString, kShapeCount> pictures;
    std::array<QString, kShapeCount> dimsPictures;
    fb::ShapeLowering lowering = fb::ShapeLowering::ToLast;
    int pictureWidth = 150;
    int pictureHeight = 117;
    // The reading buffer of the core catalogue: 100,000 bytes in `flyback`, 99,996 in
    // `Boostcoil`. The user core file is the user's own and is always read whole.
    std::size_t coreBufferSize = fb::kBigBuffer;
};

// The resource paths "<folder><number>.svg" of the shapes' pictures, in shape order.
std::array<QString, kShapeCount> ShapePictures(const QString& folder, const std::array<int, kShapeCount>& numbers);

class CoreGroup : public QGroupBox {
    Q_OBJECT
public:
    enum DataField { Mu, Le, Ae, An, Ve, DataFieldCount };

    CoreGroup(const CoreGroupConfig& config, fb::CCoreBase& base, QWidget* parent = nullptr);

    QComboBox* coreCombo() const { return m_core; }
    QComboBox* materialCombo() const { return m_material; }
    QRadioButton* shapeRadio(int shape) const { return m_shapes[shape]; }
    QLineEdit* dimEdit(int i) const { return m_dims[i]; }
    QLineEdit* dataEdit(DataField f) const { return m_data[f]; }
    QCheckBox* addByDimsBox() const { return m_addByDims; }
    QCheckBox* addByDataBox() const { return m_addByData; }
    QPushButton* addButton() const { return m_addButton; }
    QLabel* picture() const { return m_picture; }
    const CoreGroupConfig& config() const { return m_config; }

    // The core of the last successful selection (what the design uses).
    const fb::CoreRecord& record() const { return m_record; }

    // Start-up and loading a design: shape from the name, list, first entry beginning with
    // the name, then the selection rule (which emits coreSelected).
    void SelectByName(const std::string& name);
    // The selection rule: nothing in an add mode; otherwise the combo box's entry becomes the
    // selected core, its data are shown and coreSelected is emitted. False when nothing was
    // selected (the form keeps the previous core).
    bool OnSelect();
    // A shape radio was clicked.
    void OnShapeChanged(int shape);
    // Text typed into the core combo box: outside the add modes the selected entry comes back.
    void OnEditChange();

    // The combo box and the radios from the core base (no notifications).
    void ShowList();
    void ShowShape();
    void ShowRecord(const fb::CoreRecord& record);
    void UpdatePicture();
    // The twelve dimension and data fields are display only until an add mode enables some.
    void DisableCoreEdits();
    // The picture resource for the current shape and add mode.
    QString PicturePath() const;

    // The material combo box shows the window's material (no notification); it is the entry
    // the box returns to when a choice made in an add mode is ignored or the data mode ends.
    void ShowMaterial(int index);

    // Adding a core. The folder above "Bases_Cores" (a trailing "/" is allowed).
    void SetDataRoot(const std::string& dataRoot) { m_dataRoot = dataRoot; }
    bool InAddMode() const { return m_base.addByDims || m_base.addByData; }
    // The check boxes' click events ("Добавление в базу (ввод размеров)" / "(ввод данных)").
    void OnAddByDimsClicked();
    void OnAddByDataClicked();
    // "Добавить сердечник в базу": checks the input (a message and nothing changed when it is
    // refused), appends the record to the user core file as that file stands on disk, lists
    // and selects the new core. False when nothing was added.
    bool AddCore();

signals:
    void coreSelected(const fb::CoreRecord& record);
    // A material was chosen outside the add modes (in an add mode the choice is ignored and
    // the box shows the material in use again, so this is not emitted).
    void materialActivated(int index);
    // A core was added: load the current material again before the new core is selected.
    void materialReloadRequested();

private:
    QWidget* BuildSelection();
    QWidget* BuildDimensions();
    QWidget* BuildData();
    void OnMaterialChosen(int index);
    void SetAddFlags(bool byDims, bool byData);
    void ClearCoreTexts();
    // Selects an entry of the core combo box without notification; -1 empties its edit field.
    void SelectEntry(int index);
    // Leaving the add modes: the remembered core is selected again and designed.
    void ReselectCore();
    void ShowMaterialInUse();
    // Appends the record and refreshes the user text; false (reported) when it failed.
    bool AppendRecord(const std::string& record, const std::string& geometryRecord = {});

    CoreGroupConfig m_config;
    fb::CCoreBase& m_base;
    fb::CoreRecord m_record;
    QComboBox* m_core = nullptr;
    QComboBox* m_material = nullptr;
    QButtonGroup* m_shapeGroup = nullptr;
    std::array<QRadioButton*, kShapeCount> m_shapes{};
    std::array<QLineEdit*, 7> m_dims{};
    std::array<QLineEdit*, DataFieldCount> m_data{};
    QCheckBox* m_addByDims = nullptr;
    QCheckBox* m_addByData = nullptr;
    QPushButton* m_addButton = nullptr;
    QLabel* m_picture = nullptr;
    std::string m_dataRoot;
    int m_materialInUse = -1;  // the material combo entry of the loaded material
};

}  // namespace fb::ui
