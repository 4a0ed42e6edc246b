// The clamper window's form: the clamper design in the upper group, the leakage estimate in
// the lower one. Every control whose ID the program uses carries it in its object name.
#include "flyback/ui/clamperdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/data/numbers.h"
#include "common/ui/formwidgets.h"
#include "common/ui/messageseam.h"
#include "common/ui/tooltips.h"

namespace fb {
namespace {

namespace id = clamperid;
using ui::ControlName;
using ui::Named;

constexpr int kCalculateTop = 1, kExit = 2, kCalculateLeakage = 4;

using ui::ControlTip;

// The mode radios are no field; the edits' tips are the catalogue's.
const ControlTip kModeTips[] = {
    {id::DirectRadio, "Прямой расчет емкости клампера по заданной амплитуде выброса."},
    {id::ReverseRadio, "Обратный расчет амплитуды выброса по заданной емкости клампера."},
};

// The edits of the window; the unit label of L1 is shown, never read.
std::vector<ui::FieldDescriptor<ClamperInput>> EditFields() {
    std::vector<ui::FieldDescriptor<ClamperInput>> rows;
    for (const ClamperField& f : ClamperFields())
        if (f.control != id::L1unit)
            rows.push_back({f.name, f.control, ui::FieldKind::Edit, f.text, nullptr, 0, nullptr, true});
    return rows;
}

template <class W>
W* Control(const QWidget* form, int controlId) {
    return ui::ControlAs<W>(form, controlId);
}

QGridLayout* Grid(QWidget* parent) { return ui::NewGrid(parent, 3, true); }

QLineEdit* Edit(QWidget* parent, int controlId) { return ui::NewEdit(parent, controlId, 64); }

QPushButton* Button(QWidget* parent, int controlId, const char* text) {
    auto* b = Named(new QPushButton(QString::fromUtf8(text), parent), controlId);
    b->setMinimumWidth(100);
    // Enter runs the upper calculation wherever the focus is, as on the main window.
    b->setAutoDefault(controlId == kCalculateTop);
    b->setDefault(controlId == kCalculateTop);
    return b;
}

// A row of a caption (a label, or a radio button carrying its caption), a control and a unit.
void AddRow(QGridLayout* g, int row, QWidget* caption, QWidget* control, const QString& unit) {
    g->addWidget(caption, row, 0);
    g->addWidget(control, row, 1);
    if (!unit.isEmpty()) g->addWidget(new QLabel(unit, control->parentWidget()), row, 2);
}

}  // namespace

CClamperDlg::CClamperDlg(const ClamperInput& handedIn, QWidget* parent) : QDialog(parent), m_in(handedIn) {
    m_in.Cclamp.clear();
    m_in.reverse = false;
    m_in.transfer = false;
    setWindowTitle(QStringLiteral("Расчеты RCD клампера"));
    BuildForm();
    m_binding = ui::FormBinding<ClamperInput>(this, EditFields());
    // 1. Tooltips. 2. Direct mode. 3. Fields -> form. 4. Both calculations, the estimate first.
    RegisterTips();
    ApplyMode(false);
    FieldsToForm();
    Recalculate(EstimateLeakage);
    Recalculate(CalculateClamper);
    TellIfNotFinite();  // once for the two
}

CClamperDlg::~CClamperDlg() = default;

void CClamperDlg::BuildForm() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(BuildClamperGroup());
    layout->addWidget(BuildLeakageGroup());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* exit = Button(this, kExit, "Выход");
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the form does not change size

    connect(Control<QPushButton>(this, kCalculateTop), &QPushButton::clicked, this, &CClamperDlg::CalculateTop);
    connect(Control<QPushButton>(this, kCalculateLeakage), &QPushButton::clicked, this, &CClamperDlg::CalculateLeakage);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);  // no data exchange
    connect(Control<QRadioButton>(this, id::DirectRadio), &QRadioButton::clicked, this, [this] { OnModeRadio(false); });
    connect(Control<QRadioButton>(this, id::ReverseRadio), &QRadioButton::clicked, this, [this] { OnModeRadio(true); });
    // The check box has no action of its own: the next estimate reads it.
}

QLabel* CClamperDlg::NewResult(QWidget* parent, int controlId) {
    auto* l = Named(new QLabel(parent), controlId);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setMinimumWidth(64);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labels[controlId] = l;
    return l;
}

QWidget* CClamperDlg::BuildClamperGroup() {
    auto* box = new QGroupBox(QStringLiteral("Расчет RCD клампера"), this);
    auto* columns = new QHBoxLayout(box);
    columns->setSpacing(16);

    // Inputs; the two mode radios carry the captions of the edits they unlock.
    auto* inputs = new QWidget(box);
    QGridLayout* g = Grid(inputs);
    auto caption = [inputs](const char* text) { return new QLabel(QString::fromUtf8(text), inputs); };
    auto* direct =
        Named(new QRadioButton(QString::fromUtf8(ClamperFieldOf("Uclamp").caption), inputs), id::DirectRadio);
    auto* reverse =
        Named(new QRadioButton(QString::fromUtf8(ClamperFieldOf("Cclamp").caption), inputs), id::ReverseRadio);
    auto* mode = new QButtonGroup(this);
    mode->addButton(direct, 0);
    mode->addButton(reverse, 1);
    int r = 0;
    // A regular row: the field's caption (or the radio carrying it), its edit and its unit.
    auto field = [&](const char* name, QWidget* label = nullptr) {
        const ClamperField& f = ClamperFieldOf(name);
        AddRow(g, r++, label ? label : caption(f.caption), Edit(inputs, f.control), QString::fromUtf8(f.unit));
    };
    field("Urefl");
    field("Uclamp", direct);
    field("Cclamp", reverse);
    for (const char* name : {"Ipk", "Fconv", "Ls", "Ceq", "Ures"}) field(name);
    g->setRowStretch(r, 1);
    columns->addWidget(inputs, 0, Qt::AlignTop);

    // Results; the first one switches between capacitance and overshoot with the mode.
    auto* results = new QWidget(box);
    QGridLayout* h = Grid(results);
    auto text = [results](const char* t) { return new QLabel(QString::fromUtf8(t), results); };
    // A result row with the catalogue's caption and unit (those of `captionOf`).
    auto result = [&](int row, int controlId, int captionOf) {
        const ResultField& f = ResultOf(ClamperResultFields(), captionOf);
        AddRow(h, row, text(f.caption.c_str()), NewResult(results, controlId), QString::fromStdString(f.unit));
    };
    auto* firstLabel = Named(new QLabel(results), id::FirstLabel);
    auto* firstUnit = Named(new QLabel(results), id::FirstUnit);
    m_labels[id::FirstLabel] = firstLabel;
    m_labels[id::FirstUnit] = firstUnit;
    r = 0;
    h->addWidget(firstLabel, r, 0);
    h->addWidget(NewResult(results, id::FirstResult), r, 1);
    h->addWidget(firstUnit, r++, 2);
    for (int controlId : {id::Rslow, id::Pslow, id::Diode}) result(r++, controlId, controlId);
    h->addWidget(text("Параметры резистора с быстрым диодом:"), r++, 0, 1, 3);
    // Under their heading the fast diode's results take the slow ones' captions.
    result(r++, id::Rfast, id::Rslow);
    result(r++, id::Pfast, id::Pslow);
    h->setRowStretch(r++, 1);
    h->addWidget(Button(results, kCalculateTop, "Рассчитать"), r, 0, 1, 3, Qt::AlignRight);
    columns->addWidget(results, 0, Qt::AlignTop);
    return box;
}

QWidget* CClamperDlg::BuildLeakageGroup() {
    auto* box =
        new QGroupBox(QStringLiteral("Расчет индуктивности рассеяния и эквивалентной емкости стоковой цепи"), this);
    auto* columns = new QHBoxLayout(box);
    columns->setSpacing(16);

    auto* inputs = new QWidget(box);
    QGridLayout* g = Grid(inputs);
    auto caption = [inputs](const char* text) { return new QLabel(QString::fromUtf8(text), inputs); };
    auto* l1Unit = Named(new QLabel(inputs), id::L1unit);
    m_labels[id::L1unit] = l1Unit;
    g->addWidget(caption(ClamperFieldOf("L1").caption), 0, 0);
    g->addWidget(Edit(inputs, id::L1), 0, 1);
    g->addWidget(l1Unit, 0, 2);
    int row = 1;
    for (const char* name : {"TL1", "TLs"}) {
        const ClamperField& f = ClamperFieldOf(name);
        AddRow(g, row++, caption(f.caption), Edit(inputs, f.control), QString::fromUtf8(f.unit));
    }
    columns->addWidget(inputs, 0, Qt::AlignTop);

    auto* results = new QWidget(box);
    QGridLayout* h = Grid(results);
    auto text = [results](const char* t) { return new QLabel(QString::fromUtf8(t), results); };
    for (int row : {0, 1}) {
        const ResultField& f = ResultOf(ClamperResultFields(), row == 0 ? id::LsEst : id::CeqEst);
        AddRow(h, row, text(f.caption.c_str()), NewResult(results, f.id), QString::fromStdString(f.unit));
    }
    m_buildUpLs = new QLabel(QStringLiteral("—"), results);
    m_buildUpLs->setObjectName(QStringLiteral("buildUpLs"));
    m_buildUpLs->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_buildUpLs->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddRow(h, 2, text("Оценка по намотке"), m_buildUpLs, QStringLiteral("мкГн"));
    m_takeBuildUpLs = new QPushButton(QStringLiteral("Взять"), results);
    m_takeBuildUpLs->setObjectName(QStringLiteral("takeBuildUpLs"));
    m_takeBuildUpLs->setAutoDefault(false);
    m_takeBuildUpLs->setEnabled(false);
    h->addWidget(m_takeBuildUpLs, 2, 3);
    auto* transfer =
        Named(new QCheckBox(QStringLiteral("Автоперенос результатов в основной расчет"), results), id::Transfer);
    h->addWidget(transfer, 3, 0, 1, 4);
    h->addWidget(Button(results, kCalculateLeakage, "Рассчитать"), 4, 0, 1, 4, Qt::AlignRight);
    columns->addWidget(results, 0, Qt::AlignTop);
    return box;
}

void CClamperDlg::OfferBuildUpLeakage(double uH) {
    const QString value = QString::fromStdString(F2(uH));
    m_buildUpLs->setText(value);
    m_takeBuildUpLs->setEnabled(true);
    const QString tip = QStringLiteral(
        "Оценка по намотке трансформатора (окно «Намотка и потери»): энергия поля между "
        "обмотками. Начальное значение до измерения.");
    m_tips->setTip(m_buildUpLs, tip);
    m_tips->setTip(m_takeBuildUpLs, QStringLiteral("Перенести оценку по намотке в индуктивность рассеяния "
                                                   "расчета клампера и пересчитать."));
    disconnect(m_takeBuildUpLs, nullptr, this, nullptr);
    connect(m_takeBuildUpLs, &QPushButton::clicked, this, [this, value] {
        Control<QLineEdit>(this, id::Ls)->setText(value);
        CalculateTop();
    });
}

void CClamperDlg::RegisterTips() {
    m_tips = new ui::TooltipControl(this);
    for (const ClamperField& f : ClamperFields())
        if (*f.tip) m_tips->setTip(ui::FindControl(this, f.control), QString::fromUtf8(f.tip));
    ui::SetControlTips(*m_tips, this, kModeTips);
}

void CClamperDlg::ApplyMode(bool reverse) {
    Control<QLineEdit>(this, id::Uclamp)->setEnabled(!reverse);
    Control<QLineEdit>(this, id::Cclamp)->setEnabled(reverse);
    const ClamperModeLabels labels = ModeLabels(reverse);
    m_labels[id::FirstLabel]->setText(QString::fromUtf8(labels.label));
    m_labels[id::FirstUnit]->setText(QString::fromUtf8(labels.unit));
}

void CClamperDlg::OnModeRadio(bool reverse) {
    FormToFields();
    ApplyMode(reverse);
    FieldsToForm();
    CalculateTop();
}

void CClamperDlg::FormToFields() {
    m_binding.toFields(m_in);
    m_in.reverse = Control<QRadioButton>(this, id::ReverseRadio)->isChecked();
    m_in.transfer = Control<QCheckBox>(this, id::Transfer)->isChecked();
}

void CClamperDlg::FieldsToForm() {
    m_binding.toForm(m_in);
    {
        auto* direct = Control<QRadioButton>(this, id::DirectRadio);
        auto* reverse = Control<QRadioButton>(this, id::ReverseRadio);
        auto* transfer = Control<QCheckBox>(this, id::Transfer);
        const QSignalBlocker b1(direct), b2(reverse), b3(transfer);
        (m_in.reverse ? reverse : direct)->setChecked(true);
        transfer->setChecked(m_in.transfer);
    }
    m_labels[id::L1unit]->setText(QString::fromStdString(m_in.L1unit));
    for (const auto& [controlId, text] : ClamperResultTexts(m_in, m_out)) {
        m_labels[controlId]->setText(QString::fromStdString(text));
        ui::MarkResult(m_labels[controlId], text, m_tips);
    }
}

void CClamperDlg::CalculateTop() {
    Recalculate(CalculateClamper);
    TellIfNotFinite();
}

void CClamperDlg::CalculateLeakage() {
    Recalculate(EstimateLeakage);
    TellIfNotFinite();
}

void CClamperDlg::Recalculate(void (*calculation)(ClamperInput&, ClamperResult&)) {
    FormToFields();
    calculation(m_in, m_out);
    FieldsToForm();
}

// Results shown as "inf" or "nan" come with the message the designs give for them.
void CClamperDlg::TellIfNotFinite() {
    if (!ClamperResultsFinite(m_in, m_out)) ui::ShowMessage(this, NotFiniteWarning());
}

}  // namespace fb
