#include "common/ui/coregroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "common/ui/formbinding.h"

namespace fb::ui {
namespace {

const char* const kShapeCaptions[kShapeCount] = {"E", "ЕI", "ER", "ETD", "Другая"};  // ЕI: Cyrillic Е
const char* const kDimCaptions[7] = {"A, мм", "B, мм", "C, мм", "D, мм", "H, мм", "h, мм", "I, мм"};

QLineEdit* NewEdit(QWidget* parent, int id, int width = 60) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(id));
    edit->setFixedWidth(width);
    return edit;
}

}  // namespace

CoreGroup::CoreGroup(const CoreGroupConfig& config, CCoreBase& base, QWidget* parent)
    : QGroupBox(QStringLiteral("Сердечник"), parent), m_config(config), m_base(base) {
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
    connect(m_material, QOverload<int>::of(&QComboBox::activated), this, &CoreGroup::materialActivated);
    connect(m_shapeGroup, &QButtonGroup::idClicked, this, &CoreGroup::OnShapeChanged);
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
        m_shapes[s] = new QRadioButton(QString::fromUtf8(kShapeCaptions[s]), shapes);
        m_shapes[s]->setObjectName(ControlName(m_config.shapes[s]));
        m_shapeGroup->addButton(m_shapes[s], s);
        shapeLayout->addWidget(m_shapes[s]);
    }
    m_picture = new QLabel(box);
    m_picture->setObjectName(QStringLiteral("corePicture"));
    m_picture->setFixedSize(m_config.pictureWidth, m_config.pictureHeight);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    grid->addWidget(m_core, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Материал:"), box), 1, 0);
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
        {Ve, m_config.Ve, "Объем сердечника, Ve", "см3"},
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

QString CoreGroup::PicturePath() const {
    const int s = m_base.shape >= 0 && m_base.shape < kShapeCount ? m_base.shape : kShapeCount - 1;
    return m_base.addByDims ? m_config.dimsPictures[s] : m_config.pictures[s];
}

void CoreGroup::UpdatePicture() {
    // Drawn at its own size from the top-left corner, never scaled to the widget.
    QPixmap pixmap(m_config.pictureWidth, m_config.pictureHeight);
    pixmap.fill(Qt::white);
    const QString path = PicturePath();
    QSvgRenderer renderer;
    if (!path.isEmpty() && renderer.load(path)) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, m_config.pictureWidth, m_config.pictureHeight));
    }
    m_picture->setPixmap(pixmap);
}

void CoreGroup::DisableCoreEdits() {
    for (QLineEdit* e : m_dims) e->setEnabled(false);
    for (QLineEdit* e : m_data) e->setEnabled(false);
}

}  // namespace fb::ui
