#include "common/ui/coregroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/data/addcore.h"
#include "common/data/coregeometry.h"
#include "common/data/usercores.h"
#include "common/files/fieldcatalogue.h"
#include "common/ui/formbinding.h"
#include "common/ui/messageseam.h"
#include "common/ui/pictures.h"

namespace fb::ui {
namespace {

const char* const kDimCaptions[7] = {"A, мм", "B, мм", "C, мм", "D, мм", "H, мм", "h, мм", "I, мм"};

QLineEdit* NewEdit(QWidget* parent, int id, int width = 60) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(id));
    edit->setFixedWidth(width);
    return edit;
}

}  // namespace

CoreGroup::CoreGroup(const CoreGroupConfig& config, CCoreBase& base, QWidget* parent)
    : QGroupBox(QString::fromUtf8(caption::kCore), parent), m_config(config), m_base(base) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addWidget(BuildSelection());
    layout->addWidget(BuildDimensions());
    layout->addWidget(BuildData());
    m_addByDims = new QCheckBox(QStringLiteral("Добавление в базу (ввод размеров)"), this);
    m_addByDims->setObjectName(ControlName(config.addByDims));
    m_addByData = new QCheckBox(QStringLiteral("Добавление в базу (ввод данных)"), this);
    m_addByData->setObjectName(ControlName(config.addByData));
    m_addButton = new QPushButton(QStringLiteral("Добавить сердечник в базу"), this);
    m_addButton->setObjectName(ControlName(config.addButton));
    m_addButton->setAutoDefault(false);
    layout->addWidget(m_addByDims);
    layout->addWidget(m_addByData);
    layout->addWidget(m_addButton);
    layout->addStretch();

    connect(m_core, QOverload<int>::of(&QComboBox::activated), this, [this] { OnSelect(); });
    connect(m_core->lineEdit(), &QLineEdit::textEdited, this, [this] { OnEditChange(); });
    connect(m_material, QOverload<int>::of(&QComboBox::activated), this, &CoreGroup::OnMaterialChosen);
    connect(m_shapeGroup, &QButtonGroup::idClicked, this, &CoreGroup::OnShapeChanged);
    connect(m_addByDims, &QCheckBox::clicked, this, &CoreGroup::OnAddByDimsClicked);
    connect(m_addByData, &QCheckBox::clicked, this, &CoreGroup::OnAddByDataClicked);
    connect(m_addButton, &QPushButton::clicked, this, &CoreGroup::AddCore);
    UpdatePicture();
}

QWidget* CoreGroup::BuildSelection() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    m_core = new QComboBox(box);
    m_core->setObjectName(ControlName(m_config.coreCombo));
    m_core->setEditable(true);
    m_core->setInsertPolicy(QComboBox::NoInsert);
    m_core->setCompleter(nullptr);  // typing is governed by OnEditChange, not completed
    m_core->setMaxVisibleItems(20);
    m_core->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_core->setMinimumContentsLength(14);
    m_material = new QComboBox(box);
    m_material->setObjectName(ControlName(m_config.materialCombo));
    m_material->setMaxVisibleItems(20);
    m_material->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_material->setMinimumContentsLength(14);

    auto* shapes = new QGroupBox(QStringLiteral("Форма"), box);
    auto* shapeLayout = new QVBoxLayout(shapes);
    shapeLayout->setSpacing(0);
    m_shapeGroup = new QButtonGroup(this);
    for (int s = 0; s < kShapeCount; ++s) {
        m_shapes[s] = new QRadioButton(QString::fromUtf8(ShapeCaption(s)), shapes);
        m_shapes[s]->setObjectName(ControlName(m_config.shapes[s]));
        m_shapeGroup->addButton(m_shapes[s], s);
        shapeLayout->addWidget(m_shapes[s]);
    }
    m_picture = new QLabel(box);
    m_picture->setObjectName(QStringLiteral("corePicture"));
    m_picture->setFixedSize(m_config.pictureWidth, m_config.pictureHeight);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    grid->addWidget(m_core, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QString::fromUtf8(caption::kMaterial) + ':', box), 1, 0);
    grid->addWidget(m_material, 1, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(shapes);
    row->addStretch();
    row->addWidget(m_picture, 0, Qt::AlignTop);
    grid->addLayout(row, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CoreGroup::BuildDimensions() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Размеры сердечника:"), box), 0, 0, 1, 6);
    grid->setColumnStretch(6, 1);
    for (int i = 0; i < 7; ++i) {
        m_dims[i] = NewEdit(box, m_config.dims[i], 44);
        const int row = 1 + i / 3, col = (i % 3) * 2;
        grid->addWidget(new QLabel(QString::fromUtf8(kDimCaptions[i]), box), row, col, Qt::AlignRight);
        grid->addWidget(m_dims[i], row, col + 1);
    }
    return box;
}

QWidget* CoreGroup::BuildData() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Данные сердечника:"), box), 0, 0, 1, 3);
    struct Row {
        DataField field;
        int id;
        const char* caption;
        const char* unit;
    };
    const Row rows[] = {
        {Mu, m_config.mu, "Эффективная проницаемость", ""},
        {Le, m_config.le, "Длина средней линии сердечника, le", "мм"},
        {Ae, m_config.Ae, "Площадь сечения сердечника, Ae", "мм2"},
        {An, m_config.An, "Площадь окна сердечника, An", "мм2"},
        {Ve, m_config.Ve, caption::kCoreVolume, "см3"},
    };
    int r = 1;
    for (const Row& row : rows) {
        m_data[row.field] = NewEdit(box, row.id, 56);
        grid->addWidget(new QLabel(QString::fromUtf8(row.caption), box), r, 0);
        grid->addWidget(m_data[row.field], r, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(row.unit), box), r, 2);
        ++r;
    }
    grid->setColumnStretch(0, 1);
    return box;
}

void CoreGroup::ShowList() {
    const QSignalBlocker block(m_core);
    m_core->clear();
    for (const std::string& e : m_base.Entries()) m_core->addItem(QString::fromStdString(e));
    m_core->setCurrentIndex(m_base.HasSelection() ? m_base.selected : -1);
}

void CoreGroup::ShowShape() {
    if (m_base.shape < 0 || m_base.shape >= kShapeCount) return;
    const QSignalBlocker block(m_shapes[m_base.shape]);
    m_shapes[m_base.shape]->setChecked(true);
}

void CoreGroup::ShowRecord(const CoreRecord& record) {
    const std::string* texts[DataFieldCount] = {&record.muText, &record.leText, &record.AeText, &record.AnText,
                                                &record.VeText};
    for (int f = 0; f < DataFieldCount; ++f) m_data[f]->setText(QString::fromStdString(*texts[f]));
}

void CoreGroup::SelectByName(const std::string& name) {
    m_base.SelectByName(name);
    ShowShape();
    ShowList();
    OnSelect();
}

bool CoreGroup::OnSelect() {
    if (m_base.addByDims || m_base.addByData) return false;
    m_base.selected = m_core->currentIndex();
    CoreRecord record;
    if (!m_base.OnSelect(record)) return false;
    m_record = record;
    ShowRecord(record);
    emit coreSelected(m_record);
    return true;
}

void CoreGroup::OnShapeChanged(int shape) {
    m_base.OnShapeChanged(shape, m_config.lowering);
    ShowList();
    OnSelect();
    UpdatePicture();
}

void CoreGroup::OnEditChange() {
    if (m_base.addByDims || m_base.addByData) return;
    const QSignalBlocker block(m_core);
    if (m_base.HasSelection()) {
        m_core->setCurrentIndex(m_base.selected);
        m_core->setEditText(m_core->itemText(m_base.selected));
    } else {
        m_core->setEditText(QString());
    }
}

std::array<QString, kShapeCount> ShapePictures(const QString& folder, const std::array<int, kShapeCount>& numbers) {
    std::array<QString, kShapeCount> paths;
    for (int s = 0; s < kShapeCount; ++s) paths[s] = folder + QString::number(numbers[s]) + QStringLiteral(".svg");
    return paths;
}

QString CoreGroup::PicturePath() const {
    const int s = m_base.shape >= 0 && m_base.shape < kShapeCount ? m_base.shape : kShapeCount - 1;
    return m_base.addByDims ? m_config.dimsPictures[s] : m_config.pictures[s];
}

void CoreGroup::UpdatePicture() {
    m_picture->setPixmap(SvgPixmap(PicturePath(), m_config.pictureWidth, m_config.pictureHeight));
}

void CoreGroup::DisableCoreEdits() {
    for (QLineEdit* e : m_dims) e->setEnabled(false);
    for (QLineEdit* e : m_data) e->setEnabled(false);
}

void CoreGroup::ShowMaterial(int index) {
    const QSignalBlocker block(m_material);
    m_material->setCurrentIndex(index);
    m_materialInUse = index;
}

void CoreGroup::OnMaterialChosen(int index) {
    if (InAddMode()) {
        // Ignored: the box goes back to what it showed, so it never names a material that is
        // not the one in use.
        if (m_base.addByData) {
            const QSignalBlocker block(m_material);
            m_material->setCurrentIndex(-1);
        } else {
            ShowMaterialInUse();
        }
        return;
    }
    m_materialInUse = index;
    emit materialActivated(index);
}

void CoreGroup::ShowMaterialInUse() {
    if (m_materialInUse < 0 || m_materialInUse >= m_material->count()) return;
    const QSignalBlocker block(m_material);
    m_material->setCurrentIndex(m_materialInUse);
}

void CoreGroup::SetAddFlags(bool byDims, bool byData) {
    m_base.addByDims = byDims;
    m_base.addByData = byData;
    const QSignalBlocker blockDims(m_addByDims);
    const QSignalBlocker blockData(m_addByData);
    m_addByDims->setChecked(byDims);
    m_addByData->setChecked(byData);
}

void CoreGroup::ClearCoreTexts() {
    for (QLineEdit* e : m_dims) e->clear();
    for (QLineEdit* e : m_data) e->clear();
}

void CoreGroup::SelectEntry(int index) {
    const QSignalBlocker block(m_core);
    m_core->setCurrentIndex(index);
    if (index < 0) m_core->setEditText(QString());
}

void CoreGroup::ReselectCore() {
    // The data mode left the material box empty; the material in use shows again, so the
    // design and the settings name it instead of an empty text.
    ShowMaterialInUse();
    SelectEntry(m_base.HasSelection() ? m_base.selected : -1);
    OnSelect();
}

void CoreGroup::OnAddByDimsClicked() {
    const bool ticked = m_addByDims->isChecked();
    if (ticked && m_base.shape == kShapeCount - 1) {
        // "Другая" has no dimension formulas: the box does not stay ticked.
        SetAddFlags(false, m_base.addByData);
    } else if (ticked) {
        if (!InAddMode() && m_material->currentIndex() >= 0) m_materialInUse = m_material->currentIndex();
        for (DataField f : {Ae, An, Le}) m_data[f]->setEnabled(false);
        m_data[Mu]->setEnabled(true);
        for (int i = 0; i < 6; ++i) m_dims[i]->setEnabled(true);
        if (m_base.shape == 1) m_dims[6]->setEnabled(true);  // I: the EI core's I piece
        SetAddFlags(true, false);
        ClearCoreTexts();
        SelectEntry(-1);
    } else {
        m_data[Mu]->setEnabled(false);
        for (QLineEdit* e : m_dims) e->setEnabled(false);
        SetAddFlags(false, m_base.addByData);
        ReselectCore();
    }
    UpdatePicture();
    update();
}

void CoreGroup::OnAddByDataClicked() {
    const bool ticked = m_addByData->isChecked();
    if (ticked) {
        if (!InAddMode() && m_material->currentIndex() >= 0) m_materialInUse = m_material->currentIndex();
        m_data[Mu]->setEnabled(false);
        for (QLineEdit* e : m_dims) e->setEnabled(false);
        for (DataField f : {Ae, An, Le, Mu}) m_data[f]->setEnabled(true);
        SetAddFlags(false, true);
        ClearCoreTexts();
        SelectEntry(-1);
        const QSignalBlocker block(m_material);
        m_material->setCurrentIndex(-1);  // the loaded material stays in use
    } else {
        for (DataField f : {Ae, An, Le, Mu}) m_data[f]->setEnabled(false);
        SetAddFlags(m_base.addByDims, false);
        ReselectCore();
    }
    UpdatePicture();
    update();
}

bool CoreGroup::AddCore() {
    if (!InAddMode()) return false;
    AddCoreRequest request;
    request.shape = m_base.shape;
    request.byDims = m_base.addByDims;
    request.byData = m_base.addByData;
    request.name = m_core->currentText().toStdString();  // the edit field, as typed
    auto text = [](const QLineEdit* e) { return e->text().toStdString(); };
    request.mu = text(m_data[Mu]);
    request.Ae = text(m_data[Ae]);
    request.An = text(m_data[An]);
    request.le = text(m_data[Le]);
    request.dims = CoreDims{text(m_dims[0]), text(m_dims[1]), text(m_dims[2]), text(m_dims[3]),
                            text(m_dims[4]), text(m_dims[5]), text(m_dims[6])};
    const AddCoreResult prepared = PrepareCore(request);
    if (!prepared.ok) {
        ShowMessages(this, prepared.messages);  // the modes and fields stay for another try
        return false;
    }
    if (!AppendRecord(prepared.record, UserGeometryRecord(request, prepared))) return false;

    // The modes end; the data fields keep the new core's values.
    SetAddFlags(false, false);
    for (QLineEdit* e : m_dims) {
        e->clear();
        e->setEnabled(false);
    }
    for (DataField f : {Mu, Ae, An, Le}) m_data[f]->setEnabled(false);
    m_data[Mu]->setText(QString::fromStdString(prepared.muText));
    m_data[Ae]->setText(QString::fromStdString(prepared.AeText));
    m_data[An]->setText(QString::fromStdString(prepared.AnText));
    m_data[Le]->setText(QString::fromStdString(prepared.leText));
    ShowMaterialInUse();

    // The new list, searched for the name from its second entry round to the first; a name
    // listed under another text leaves nothing selected and the form as entered.
    m_base.RefillList();
    m_base.selected = FindEntryStartingWith(m_base.Entries(), prepared.name, 1);
    ShowList();
    if (!m_base.HasSelection()) SelectEntry(-1);

    emit materialReloadRequested();
    OnSelect();
    UpdatePicture();
    return true;
}

bool CoreGroup::AppendRecord(const std::string& record, const std::string& geometryRecord) {
    // Onto the file as it stands, under the folder lock: cores the other program added since
    // this one started are kept, and this program's list takes them in too.
    const AppendCoreResult appended = AppendUserCore(m_dataRoot, record, geometryRecord);
    if (!appended.ok) {
        ShowMessage(this, Warning(Phrase("{1}.\nСердечник не добавлен в базу.", {appended.error})));
        return false;
    }
    m_base.SetUserText(appended.userText);
    if (!appended.warning.empty()) ShowMessage(this, Warning(Phrase("{1}.", {appended.warning})));
    return true;
}

}  // namespace fb::ui
