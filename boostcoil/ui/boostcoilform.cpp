// The main form's layout: inputs and the information field on the left, the core and choke
// results with the supply table in the middle, the core group on the right, the four buttons
// below and the menu bar on top. Every control whose ID the program uses carries it in its
// object name ("id1055").
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "boostcoil/design/pfccatalogue.h"
#include "boostcoil/ui/boostcoildlg.h"
#include "boostcoil/ui/pictures.h"
#include "common/ui/coregroup.h"
#include "common/ui/formwidgets.h"

namespace fb {
namespace {

using ui::Caption;
using ui::ControlName;
using ui::Heading;
using ui::Named;

QLineEdit* Edit(QWidget* parent, int id, int width = 56) { return ui::NewEdit(parent, id, width); }

QGridLayout* Grid(QWidget* parent) { return ui::NewGrid(parent, 3, false); }

// A result's caption from the catalogue.
QLabel* ResultCaption(int id, QWidget* parent) {
    return Caption(QString::fromStdString(PfcResultField(id).caption), parent);
}

}  // namespace

void CBoostcoilDlg::BuildForm() {
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(BuildInputs());
    left->addWidget(Caption(QString::fromStdString(PfcResultField(pfcid::kInfo).caption) + ':', this));
    m_info = new QPlainTextEdit(this);
    m_info->setObjectName(ControlName(pfcid::kInfo));
    m_info->setReadOnly(true);
    m_info->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The design separates each caption from its value by a tab: one stop past the longest
    // caption, and room for the seven lines and their values without scrolling.
    const QFontMetrics fm(m_info->font());
    const int tabStop = fm.horizontalAdvance(QStringLiteral("Действующий ток в обмотке, максимальный")) + 12;
    m_info->setTabStopDistance(tabStop);
    m_info->setMinimumWidth(tabStop + fm.horizontalAdvance(QStringLiteral("00000.000 A")) + 24);
    m_info->setFixedHeight(fm.lineSpacing() * 8 + 16);
    left->addWidget(m_info);
    left->addStretch();

    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(BuildCoreResults());
    middle->addWidget(BuildChokeResults());
    middle->addWidget(BuildSupplyTable());
    middle->addStretch();

    auto* groups = new QHBoxLayout;
    groups->setSpacing(6);
    groups->addLayout(left);
    groups->addLayout(middle);
    LayOutGroups(groups, BoostcoilCoreGroupConfig());
    BuildMenuAndButtons();
    AddAnalysisViews(false);
}

QWidget* CBoostcoilDlg::BuildInputs() {
    auto* box = new QGroupBox(QStringLiteral("Исходные данные"), this);
    QGridLayout* g = Grid(box);
    int r = 0;
    auto row = [&](const QString& caption, std::vector<QWidget*> widgets) {
        ui::AddCaptionRow(g, r++, caption, widgets, box);
    };
    auto field = [&](const char* key) {
        const InputField<PfcInput>& f = FieldOf(PfcFields(), key);
        row(QString::fromUtf8(f.caption), {Edit(box, f.id)});
    };
    row(QString::fromUtf8(FieldOf(PfcFields(), "Umin").caption),
        {Edit(box, bcid::kUmin, 40), Edit(box, bcid::kUmax, 40)});
    for (const char* key : {"Fr", "Irip", "j"}) field(key);
    g->addWidget(Heading(QStringLiteral("Выходные характеристики:"), box), r++, 0, 1, 2);
    for (const char* key : {"U2min", "U2nom", "U2max", "P2", "d11"}) field(key);
    g->addWidget(Named(new QCheckBox(QString::fromUtf8(FieldOf(PfcFields(), "yes_d").caption), box), bcid::kYesD), r++,
                 0, 1, 2);
    g->setColumnStretch(0, 1);
    return box;
}

QLabel* CBoostcoilDlg::NewResult(QWidget* parent, int id, int minWidth) {
    return m_controls[id] = ui::NewResultLabel(parent, id, minWidth);
}

QLabel* CBoostcoilDlg::NewLabel(QWidget* parent, int id, const QString& text) {
    return m_controls[id] = Named(new QLabel(text, parent), id);
}

QWidget* CBoostcoilDlg::BuildCoreResults() {
    auto* box = new QGroupBox(QString::fromUtf8(caption::kCore), this);
    QGridLayout* g = Grid(box);
    auto* gap = Named(new QRadioButton(QString::fromUtf8(caption::kGap), box), bcid::kGapRadio);
    auto* al = Named(new QRadioButton(QString::fromUtf8(caption::kAl), box), bcid::kAlRadio);
    ui::RadioPair(this, gap, al);
    g->addWidget(gap, 0, 0);
    g->addWidget(al, 1, 0);
    g->addWidget(Edit(box, bcid::kZazor, 64), 0, 1, 2, 1, Qt::AlignVCenter);

    const GapAlLabels labels = LabelsForMode(0);
    QLabel* required = NewLabel(box, pfcid::kRequiredLabel, QString::fromStdString(labels.label));
    QLabel* requiredUnit = NewLabel(box, pfcid::kRequiredUnit, QString::fromStdString(labels.unit));
    g->addWidget(required, 2, 0);
    g->addWidget(NewResult(box, pfcid::kRequired), 2, 1);
    g->addWidget(requiredUnit, 2, 2);
    m_tools[pfcid::kRequired] = {required, m_controls[pfcid::kRequired], requiredUnit};

    // "Амплитуда индукции (не более 0.310 Т)": the limit sits between its caption and the value.
    auto* flux = new QWidget(box);
    auto* h = new QHBoxLayout(flux);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    QLabel* fluxCaption = ResultCaption(pfcid::kBpk, flux);
    QLabel* before = Caption(QStringLiteral("(не более "), flux);
    QLabel* limit = NewLabel(flux, pfcid::kBlim, QString());
    QLabel* after = Caption(QStringLiteral("Т)"), flux);
    h->addWidget(fluxCaption);
    h->addStretch();
    h->addWidget(before);
    h->addWidget(limit);
    h->addSpacing(2);
    h->addWidget(after);
    h->addSpacing(6);
    g->addWidget(flux, 3, 0);
    g->addWidget(NewResult(box, pfcid::kBpk), 3, 1);
    m_tools[pfcid::kBpk] = {fluxCaption, before, limit, after, m_controls[pfcid::kBpk]};

    g->addWidget(ResultCaption(pfcid::kPcore, box), 4, 0);
    g->addWidget(NewResult(box, pfcid::kPcore), 4, 1);
    g->addWidget(Caption(QString::fromStdString(PfcResultField(pfcid::kPcore).unit), box), 4, 2);
    g->addWidget(ResultCaption(pfcid::kKfill, box), 5, 0);
    g->addWidget(NewResult(box, pfcid::kKfill), 5, 1);
    g->setColumnStretch(0, 1);
    g->setColumnMinimumWidth(2, 40);
    return box;
}

QWidget* CBoostcoilDlg::BuildChokeResults() {
    auto* box = new QGroupBox(QStringLiteral("Дроссель"), this);
    QGridLayout* g = Grid(box);
    // Caption and unit from the catalogue; a unit the design switches starts as given here.
    const int rows[] = {pfcid::kLreq,    pfcid::kL,    pfcid::kN,   pfcid::kWire,
                        pfcid::kStrands, pfcid::kJmax, pfcid::kCin, pfcid::kCout};
    const char* startUnits[] = {"мкГн", "мкГн", "", "", "", "", "нФ", ""};
    int r = 0;
    for (int id : rows) {
        const ResultField& f = PfcResultField(id);
        g->addWidget(ResultCaption(id, box), r, 0);
        g->addWidget(NewResult(box, id), r, 1);
        if (f.unitLabel)
            g->addWidget(NewLabel(box, f.unitLabel, QString::fromUtf8(startUnits[r])), r, 2);
        else
            g->addWidget(Caption(QString::fromStdString(f.unit), box), r, 2);
        ++r;
    }
    g->setColumnStretch(0, 1);
    g->setColumnMinimumWidth(2, 40);
    return box;
}

QWidget* CBoostcoilDlg::BuildSupplyTable() {
    auto* box = new QGroupBox(QStringLiteral("Напряжение питания"), this);
    QGridLayout* g = Grid(box);
    // One heading over both columns, spaced as it was always written.
    auto* columns = Caption(QStringLiteral(" мин.        макс."), box);
    columns->setObjectName(QStringLiteral("supplyColumns"));
    g->addWidget(columns, 0, 1, 1, 2, Qt::AlignHCenter);
    struct Row {
        const char* caption;
        int min, max;
    };
    const Row rows[] = {
        {"Ток потребления", pfcid::kIinMin, pfcid::kIinMax},
        {"Амплитуда тока дросселя (транзистора)", pfcid::kIpkMin, pfcid::kIpkMax},
        {"Размах пульсации тока в дросселе", pfcid::kDIMin, pfcid::kDIMax},
        {"Коэф. заполнения импульса", pfcid::kDMin, pfcid::kDMax},
    };
    int r = 1;
    for (const Row& row : rows) {
        g->addWidget(Caption(QString::fromUtf8(row.caption), box), r, 0);
        g->addWidget(NewResult(box, row.min, 56), r, 1);
        g->addWidget(NewResult(box, row.max, 56), r, 2);
        ++r;
    }
    g->addWidget(ResultCaption(pfcid::kIcout, box), r, 0, 1, 2);
    g->addWidget(NewResult(box, pfcid::kIcout, 56), r, 2);
    g->setColumnStretch(0, 1);
    g->setColumnMinimumWidth(3, 40);  // lines the values up with the groups above
    return box;
}

void CBoostcoilDlg::BuildMenuAndButtons() {
    m_menu = ui::AddMenuBar(this, {{bcid::kSchematicMenu, "Типовая схема корректора коэффициента мощности"},
                                   {bcid::kHelpMenu, "Помощь"},
                                   {bcid::kAboutMenu, "О программе..."}});
    ui::AddButtonRow(this,
                     {{bcid::kSave, "Сохранить"},
                      {bcid::kLoad, "Загрузить"},
                      {bcid::kCalculate, "Рассчитать"},
                      {bcid::kExit, "Выход"}},
                     bcid::kCalculate);
}

}  // namespace fb
