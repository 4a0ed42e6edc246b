#pragma once
// The "Сердечник" group of both main windows: core and material combo boxes, the shape
// radios with the core picture, the add-core dimension and data fields. It runs the core
// selection rules on the window's CCoreBase and tells the window when a core was chosen;
// the window then designs. Each program passes its control IDs, pictures and shape rule.
#include <QGroupBox>
#include <QString>
#include <array>

#include "common/data/corebase.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fb::ui {

struct CoreGroupConfig {
    int coreCombo = 0;
    int materialCombo = 0;
    std::array<int, kShapeCount> shapes{};  // "E", "ЕI", "ER", "ETD", "Другая"
    std::array<int, 7> dims{};              // A, B, C, D, H, h, I
    int mu = 0, le = 0, Ae = 0, An = 0, Ve = 0;
    int addByDims = 0, addByData = 0, addButton = 0;
    // Resource paths of the picture of each shape, and of each shape while the
    // dimension add mode is on (a drawing marked with the dimension letters).
    std::array<QString, kShapeCount> pictures;
    std::array<QString, kShapeCount> dimsPictures;
    fb::ShapeLowering lowering = fb::ShapeLowering::ToLast;
    int pictureWidth = 150;
    int pictureHeight = 117;
};

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

signals:
    void coreSelected(const fb::CoreRecord& record);
    void materialActivated(int index);

private:
    QWidget* BuildSelection();
    QWidget* BuildDimensions();
    QWidget* BuildData();

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
};

}  // namespace fb::ui
