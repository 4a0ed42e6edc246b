// The main form's layout: inputs on the left, results in the middle, the core group on the
// right, the four buttons below and the menu bar on top. Every control whose ID the program
// uses carries it in its object name ("id1082").
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

#include "common/ui/coregroup.h"
#include "common/ui/formwidgets.h"
#include "flyback/design/fields.h"
#include "flyback/ui/flybackdlg.h"
#include "flyback/ui/formfields.h"
#include "flyback/ui/pictures.h"

namespace fb {
namespace {

using ui::Caption;
using ui::ControlName;
using ui::Heading;
using ui::Named;

QLineEdit* Edit(QWidget* parent, int id, int width = 48) { return ui::NewEdit(parent, id, width); }

// The control of the input `key`, from the catalogue.
int IdOf(const std::string& key) { return FieldOf(FlybackFields(), key).id; }

const ResultField& Result(int id) { return ResultOf(FlybackResultFields(), id); }

QGridLayout* Grid(QWidget* parent) { return ui::NewGrid(parent, 2, true); }

}  // namespace

void CFlybackDlg::BuildForm() {
    auto* groups = new QHBoxLayout;
    groups->setSpacing(6);
    groups->addWidget(BuildInputs(), 0, Qt::AlignTop);
    groups->addWidget(BuildResults(), 0, Qt::AlignTop);
    LayOutGroups(groups, FlybackCoreGroupConfig());
    BuildMenuAndButtons();
    AddAnalysisViews(true);
}

QWidget* CFlybackDlg::BuildInputs() {
    auto* box = new QGroupBox(QStringLiteral("Входные данные"), this);
    auto* v = new QVBoxLayout(box);
    v->setSpacing(3);
    auto* primary = new QWidget(box);
    QGridLayout* g = Grid(primary);
    int r = 0;
    g->addWidget(Heading(QStringLiteral("Первичная обмотка"), primary), r++, 0, 1, 2);
    auto row = [&](const QString& caption, std::vector<QWidget*> widgets) {
        ui::AddCaptionRow(g, r++, caption, widgets, primary);
    };
    // A regular row: the catalogue's caption, the field's edit, then any extra controls.
    // The extra controls are made after the edit, so Tab meets them in reading order.
    auto field = [&](const char* key, std::function<QWidget*()> extra = {}) {
        const InputField<FlybackInput>& f = FieldOf(FlybackFields(), key);
        std::vector<QWidget*> widgets = {Edit(primary, f.id)};
        if (extra) widgets.push_back(extra());
        row(QString::fromUtf8(f.caption), widgets);
    };
    // Made in reading order, which Tab follows: the three supply fields, then DC and AC.
    std::vector<QWidget*> supply = {Edit(primary, IdOf("Umin"), 34), Edit(primary, IdOf("Unom"), 34),
                                    Edit(primary, IdOf("Umax"), 34)};
    auto* dc = Named(new QRadioButton(QStringLiteral("DC"), primary), ctl::kDC);
    auto* ac = Named(new QRadioButton(QStringLiteral("AC"), primary), ctl::kAC);
    ui::RadioPair(this, dc, ac);
    supply.insert(supply.end(), {dc, ac});
    row(QString::fromUtf8(FlybackCaption("Umin")), supply);
    field("Fconv");
    field("Umirror",
          [&] { return Named(new QCheckBox(QString::fromUtf8(FlybackCaption("Auto")), primary), ctl::kAuto); });
    field("Utrmax");
    QRadioButton* rdsRadio = nullptr;
    QRadioButton* unasRadio = nullptr;
    field("Rds",
          [&] { return rdsRadio = Named(new QRadioButton(QStringLiteral("Rds(on)"), primary), ctl::kRdsRadio); });
    field("Unas",
          [&] { return unasRadio = Named(new QRadioButton(QStringLiteral("Uнас."), primary), ctl::kUnasRadio); });
    ui::RadioPair(this, unasRadio, rdsRadio);
    for (const char* key : {"j", "Iccm", "Usense", "d11"}) field(key);
    g->addWidget(Named(new QCheckBox(QString::fromUtf8(FlybackCaption("yes_d")), primary), ctl::kYesD), r++, 0, 1, 2);
    v->addWidget(primary);

    auto* secondary = new QWidget(box);
    QGridLayout* s = Grid(secondary);
    s->addWidget(Heading(QStringLiteral("Вторичные обмотки"), secondary), 0, 0, 1, 5);
    const char* heads[] = {"U ном., В", "I ном., А", "Ud f, В", "Диаметр"};
    for (int c = 0; c < 4; ++c)
        s->addWidget(Caption(QString::fromUtf8(heads[c]), secondary), 1, c + 1, Qt::AlignCenter);
    for (int k = 0; k < 5; ++k) {
        s->addWidget(Caption(QStringLiteral("%1.").arg(k + 1), secondary), k + 2, 0, Qt::AlignRight);
        const std::string n = std::to_string(k + 1);
        const int ids[] = {IdOf("U2" + n), IdOf("I2" + n), IdOf("Ud" + n), IdOf("d2" + n)};
        for (int c = 0; c < 4; ++c) s->addWidget(Edit(secondary, ids[c], 56), k + 2, c + 1, Qt::AlignCenter);
    }
    s->setColumnStretch(5, 1);
    v->addWidget(secondary);
    v->addStretch();
    return box;
}

QLabel* CFlybackDlg::NewResult(QWidget* parent, int id, int minWidth) {
    return m_controls[id] = ui::NewResultLabel(parent, id, minWidth);
}

QWidget* CFlybackDlg::BuildResults() {
    auto* box = new QGroupBox(QStringLiteral("Результаты расчета"), this);
    auto* v = new QVBoxLayout(box);
    v->setSpacing(3);

    auto* top = new QWidget(box);
    QGridLayout* g = Grid(top);
    auto* gap = Named(new QRadioButton(QString::fromUtf8(ZazorCaption(0)), top), ctl::kGapRadio);
    auto* al = Named(new QRadioButton(QString::fromUtf8(ZazorCaption(1)), top), ctl::kAlRadio);
    ui::RadioPair(this, gap, al);
    g->addWidget(gap, 0, 0, 1, 2);
    g->addWidget(al, 1, 0, 1, 2);
    g->addWidget(Edit(top, ctl::kZazor, 60), 0, 2, 2, 1, Qt::AlignVCenter);
    int r = 2;
    auto unit = [&](const QString& text) { return Caption(text, top); };
    auto row = [&](QWidget* caption, int id, QWidget* after = nullptr) {
        g->addWidget(caption, r, 0, 1, 2);
        g->addWidget(NewResult(top, id), r, 2);
        if (after) g->addWidget(after, r, 3);
        ++r;
    };
    // A result row with the catalogue's caption and unit.
    auto result = [&](int id) {
        const ResultField& f = Result(id);
        row(Caption(QString::fromStdString(f.caption), top), id,
            f.unit.empty() ? nullptr : unit(QString::fromStdString(f.unit)));
    };
    g->addWidget(Heading(QString::fromUtf8(caption::kCore), top), r++, 0, 1, 3);
    auto* requiredCaption = Named(new QLabel(QString::fromStdString(RequiredCaption(0)), top), ctl::kRequiredCaption);
    auto* requiredUnit = Named(new QLabel(QString::fromStdString(RequiredUnit(0)), top), ctl::kRequiredUnit);
    m_controls[ctl::kRequiredCaption] = requiredCaption;
    m_controls[ctl::kRequiredUnit] = requiredUnit;
    row(requiredCaption, ctl::kRequired, requiredUnit);
    row(Caption(QString::fromUtf8(ZazorCaption(1)), top), ctl::kAL);
    result(ctl::kMue);
    // The limit text sits between the caption and the value, in the room the short caption leaves.
    auto* blim = new QLabel(top);
    blim->setObjectName(ControlName(ctl::kBlim));
    m_controls[ctl::kBlim] = blim;
    auto* flux = new QWidget(top);
    auto* fluxLayout = new QHBoxLayout(flux);
    fluxLayout->setContentsMargins(0, 0, 0, 0);
    fluxLayout->addWidget(Caption(QString::fromStdString(Result(ctl::kBpk).caption), flux));
    fluxLayout->addStretch();
    fluxLayout->addWidget(blim);
    row(flux, ctl::kBpk, unit(QString::fromStdString(Result(ctl::kBpk).unit)));
    result(ctl::kPcore);
    result(ctl::kKfill);
    g->addWidget(Heading(QStringLiteral("Первичная обмотка"), top), r++, 0, 1, 3);
    auto* lpUnit = Named(new QLabel(QStringLiteral("мкГн"), top), ctl::kLpUnit);
    m_controls[ctl::kLpUnit] = lpUnit;
    row(Caption(QString::fromStdString(Result(ctl::kLp).caption), top), ctl::kLp, lpUnit);
    // Turns and wire read as one sentence: "12 витков, провод 0.3 x 2".
    auto* wire = new QLabel(top);
    wire->setObjectName(ControlName(ctl::kPrimaryWire));
    m_controls[ctl::kPrimaryWire] = wire;
    g->addWidget(NewResult(top, ctl::kNp, 40), r, 0, Qt::AlignRight);
    g->addWidget(wire, r++, 1, 1, 3);
    row(Caption(QStringLiteral("Плотность тока"), top), ctl::kPrimaryJ);
    for (int id : {ctl::kUr, ctl::kUovs, ctl::kIpk, ctl::kRsense, ctl::kCin}) result(id);
    g->setColumnStretch(1, 1);
    v->addWidget(top);
    v->addWidget(BuildResultTables(box));
    v->addStretch();
    return box;
}

QWidget* CFlybackDlg::BuildResultTables(QWidget* box) {
    auto* tables = new QWidget(box);
    QGridLayout* g = Grid(tables);
    g->addWidget(Caption(QStringLiteral("Напряжение питания"), tables), 0, 0);
    const char* supply[] = {"мин.", "ном.", "макс."};
    for (int c = 0; c < 3; ++c) g->addWidget(Caption(QString::fromUtf8(supply[c]), tables), 0, c + 1, Qt::AlignCenter);
    struct SupplyRow {
        const char* caption;
        int ids[3];
    };
    const SupplyRow rows[] = {{"Ток потребления (по шине DC), A", {1090, 1092, 1091}},
                              {"Коэффициент заполнения импульса", {1137, 1139, 1138}},
                              {FlybackCaption("Iccm"), {1099, 1101, 1100}}};
    int r = 1;
    for (const SupplyRow& row : rows) {
        g->addWidget(Caption(QString::fromUtf8(row.caption), tables), r, 0);
        for (int c = 0; c < 3; ++c) g->addWidget(NewResult(tables, row.ids[c]), r, c + 1);
        ++r;
    }
    g->setColumnStretch(0, 1);
    auto* sec = new QWidget(box);
    QGridLayout* s = Grid(sec);
    s->addWidget(Heading(QStringLiteral("Вторичные обмотки"), sec), 0, 0, 1, 7);
    const char* heads[] = {"Витки", "Провод", "U вых.", "Ud обрат.", "Ic(rms)", "Плот. тока"};
    for (int c = 0; c < 6; ++c) {
        auto* head = Caption(QString::fromUtf8(heads[c]), sec);
        head->setObjectName(QStringLiteral("head%1").arg(c));
        s->addWidget(head, 1, c + 1, Qt::AlignCenter);
    }
    for (int k = 0; k < 5; ++k) {
        s->addWidget(Caption(QStringLiteral("%1.").arg(k + 1), sec), k + 2, 0, Qt::AlignRight);
        const int ids[] = {ctl::kTurnsBase + k, ctl::kWireBase + k,  ctl::kUoutBase + k,
                           ctl::kUdrevBase + k, ctl::kIcrmsBase + k, ctl::kJBase + k};
        for (int c = 0; c < 6; ++c) s->addWidget(NewResult(sec, ids[c], c == 0 ? 32 : 56), k + 2, c + 1);
    }
    s->setColumnStretch(0, 1);
    auto* both = new QWidget(box);
    auto* v = new QVBoxLayout(both);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    v->addWidget(tables);
    v->addWidget(sec);
    return both;
}

void CFlybackDlg::BuildMenuAndButtons() {
    m_menu = ui::AddMenuBar(
        this,
        {{ctl::kClamperMenu, "Расчеты RCD клампера"}, {ctl::kHelpMenu, "Помощь"}, {ctl::kAboutMenu, "О программе..."}});
    ui::AddButtonRow(
        this,
        {{ctl::kLoad, "Загрузить"}, {ctl::kSave, "Сохранить"}, {ctl::kCalculate, "Рассчитать"}, {ctl::kExit, "Выход"}},
        ctl::kCalculate);
}

}  // namespace fb
