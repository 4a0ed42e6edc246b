#include "common/ui/losswindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "common/ui/designwindow.h"
#include "common/ui/language.h"
#include "common/ui/screenfit.h"
#include "common/ui/windingdrawing.h"

namespace fb::ui {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A spin box with the range the analysis accepts (CheckLossOptions); it reports on Enter, on
// leaving it and on its arrows, not on every key.
QDoubleSpinBox* Spin(QWidget* parent, const char* name, double lo, double hi, int decimals, double step) {
    auto* s = new QDoubleSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(lo, hi);
    s->setDecimals(decimals);
    s->setSingleStep(step);
    s->setKeyboardTracking(false);
    return s;
}

QLabel* Figure(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

const char* const kHeads[] = {"Обмотка",    "Витков",   "Провод, мм x жил", "Витков в слое", "Слоев",
                              "Высота, мм", "Rdc, мОм", "Rac/Rdc",          "Ток RMS, А",    "Потери, Вт"};

}  // namespace

CLossWindow::CLossWindow(DesignWindow* owner, bool windingOrder) : QDialog(owner), m_owner(owner) {
    setWindowTitle(QStringLiteral("Намотка и потери"));
    setObjectName(QStringLiteral("lossWindow"));
    setModal(false);
    // The content scrolls in a window bounded by a small screen or a high scale factor.
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(NewFormScroll(content, this));
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildOptions(windingOrder));
    left->addWidget(BuildFigures());
    left->addStretch();
    top->addLayout(left, 0);
    m_drawing = new CWindingDrawing(this);
    top->addWidget(m_drawing, 1);
    layout->addLayout(top, 1);

    m_table = new QTableWidget(0, int(std::size(kHeads)), this);
    m_table->setObjectName(QStringLiteral("lossTable"));
    QStringList heads;
    for (const char* h : kHeads) heads << Translated(QString::fromUtf8(h));
    m_table->setHorizontalHeaderLabels(heads);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setMinimumHeight(130);
    layout->addWidget(m_table);
    m_notes = Figure(this, "lossNotes");
    m_notes->setWordWrap(true);
    layout->addWidget(m_notes);
    m_status = Figure(this, "lossStatus");
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #b03030"));
    layout->addWidget(m_status);
    resize(900, 640);

    connect(owner, &DesignWindow::AnalysisChanged, this, &CLossWindow::Refresh);
    Refresh();
}

QWidget* CLossWindow::BuildOptions(bool windingOrder) {
    auto* box = new QGroupBox(QStringLiteral("Параметры"), this);
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_ambient = Spin(box, "optAmbient", -60, 200, 1, 5);
    form->addRow(QStringLiteral("Температура окружающей среды, °C"), m_ambient);
    if (windingOrder) {
        m_order = new QComboBox(box);
        m_order->setObjectName(QStringLiteral("optOrder"));
        m_order->addItems({Translated(QStringLiteral("последовательный")), Translated(QStringLiteral("чередование"))});
        m_order->setItemData(0, Translated(QStringLiteral("Первичная обмотка, затем вторичные")), Qt::ToolTipRole);
        m_order->setItemData(1, Translated(QStringLiteral("Вторичные обмотки между двумя половинами первичной")),
                             Qt::ToolTipRole);
        form->addRow(QStringLiteral("Порядок намотки"), m_order);
        connect(m_order, &QComboBox::currentIndexChanged, this, &CLossWindow::OnOptionChanged);
    }
    m_tape = Spin(box, "optTape", 0, 5, 3, 0.01);
    m_tapeLayers = new QSpinBox(box);
    m_tapeLayers->setObjectName(QStringLiteral("optTapeLayers"));
    m_tapeLayers->setRange(0, 100);
    m_tapeLayers->setKeyboardTracking(false);
    auto* tape = new QHBoxLayout;
    tape->addWidget(m_tape);
    tape->addWidget(new QLabel(QStringLiteral("слоев"), box));
    tape->addWidget(m_tapeLayers);
    form->addRow(QStringLiteral("Изоляция между обмотками, мм"), tape);
    m_margin = Spin(box, "optMargin", 0, 50, 1, 0.5);
    form->addRow(QStringLiteral("Поля у краев каркаса, мм"), m_margin);
    m_riseLimit = Spin(box, "optRiseLimit", 0.1, 200, 1, 5);
    form->addRow(QStringLiteral("Допустимый перегрев, К"), m_riseLimit);
    for (QDoubleSpinBox* s : {m_ambient, m_tape, m_margin, m_riseLimit})
        connect(s, &QDoubleSpinBox::valueChanged, this, &CLossWindow::OnOptionChanged);
    connect(m_tapeLayers, &QSpinBox::valueChanged, this, &CLossWindow::OnOptionChanged);
    return box;
}

QWidget* CLossWindow::BuildFigures() {
    auto* box = new QGroupBox(QStringLiteral("Итоги"), this);
    auto* grid = new QFormLayout(box);
    const std::pair<const char*, const char*> rows[] = {
        {"lossCore", "Потери в сердечнике, Вт"},
        {"lossCopper", "Потери в меди, Вт"},
        {"lossTotal", "Суммарные потери, Вт"},
        {"lossRise", "Перегрев, К"},
        {"lossHotSpot", "Температура обмоток, °C"},
        {"lossBuild", "Высота намотки, мм"},
        {"lossLeakage", "Индуктивность рассеяния, мкГн"},
    };
    for (const auto& [name, caption] : rows) grid->addRow(QString::fromUtf8(caption), Figure(box, name));
    return box;
}

void CLossWindow::Refresh() {
    ShowOptions();
    ShowTable();
    ShowFigures();
    m_drawing->SetAnalysis(m_owner->LastAnalysis().losses, m_owner->LastGeometry());
}

void CLossWindow::ShowOptions() {
    m_showing = true;
    const LossOptions& o = m_owner->lossOptions();
    m_ambient->setValue(o.ambient_C);
    if (m_order) m_order->setCurrentIndex(o.interleave ? 1 : 0);
    m_tape->setValue(o.tape_mm);
    m_tapeLayers->setValue(o.tapeLayers);
    m_margin->setValue(o.margin_mm);
    m_riseLimit->setValue(o.riseLimit_K);
    m_showing = false;
    QStringList problems;
    for (const std::string& p : m_owner->lossOptionsProblems()) problems << Q(p);
    if (!problems.isEmpty()) m_status->setText(problems.join(QLatin1Char('\n')));
}

void CLossWindow::ShowTable() {
    const LossAnalysis& a = m_owner->LastAnalysis().losses;
    m_table->setRowCount(a.valid ? int(a.windings.size()) : 0);
    if (!a.valid) return;
    for (int r = 0; r < int(a.windings.size()); ++r) {
        const WindingResult& w = a.windings[r];
        const std::string cells[] = {w.name,
                                     F0(w.turns),
                                     TidyNumber(w.wire_mm) + " x " + F0(w.strands),
                                     FormatInt(w.build.turnsPerLayer),
                                     FormatInt(w.build.layers),
                                     F2(w.build.build_mm),
                                     F2(w.Rdc * 1000),
                                     F2(w.acFactor),
                                     F3(w.Irms),
                                     F3(w.loss)};
        for (int c = 0; c < int(std::size(cells)); ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? WindingName(cells[c]) : Q(cells[c]));
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }
}

void CLossWindow::ShowFigures() {
    const LossAnalysis& a = m_owner->LastAnalysis().losses;
    auto set = [this](const char* name, const QString& text) {
        findChild<QLabel*>(QString::fromLatin1(name))->setText(text);
    };
    // Templates with every value in one pass, so the Russian reads as before and English follows.
    auto text = [](const char* russian, const std::string& a, const std::string& b, const std::string* c = nullptr) {
        const QString t = Translated(QString::fromUtf8(russian));
        return c ? t.arg(Q(a), Q(b), Q(*c)) : t.arg(Q(a), Q(b));
    };
    const std::string fill = F0(a.buildFill * 100);
    const bool v = a.valid;
    set("lossCore", v ? Q(F3(a.coreLoss)) : QString());
    set("lossCopper", v ? Q(F3(a.copperLoss)) : QString());
    set("lossTotal", v ? Q(F3(a.totalLoss)) : QString());
    set("lossRise", v ? text("%1 (допустимо %2)", F1(a.rise), F0(a.riseLimit)) : QString());
    set("lossHotSpot", v ? text("%1 при окружающей %2", F1(a.hotSpot), F0(a.ambient)) : QString());
    set("lossBuild", v ? text("%1 из %2 (%3 %), ", F2(a.build), F2(a.formerHeight), &fill) +
                             Translated(a.fits ? QStringLiteral("помещается") : QStringLiteral("НЕ помещается"))
                       : QString());
    set("lossLeakage", a.hasLeakage ? Translated(QStringLiteral("%1 (оценка по намотке)")).arg(Q(F2(a.leakage_uH)))
                                    : QStringLiteral("—"));
    QStringList notes;
    for (const std::string& n : a.notes) notes << Q(LocalizedRuns(n));
    m_notes->setText(notes.join(QLatin1Char('\n')));
}

void CLossWindow::OnOptionChanged() {
    if (m_showing) return;
    LossOptions o = m_owner->lossOptions();
    o.ambient_C = m_ambient->value();
    if (m_order) o.interleave = m_order->currentIndex() == 1;
    o.tape_mm = m_tape->value();
    o.tapeLayers = m_tapeLayers->value();
    o.margin_mm = m_margin->value();
    o.riseLimit_K = m_riseLimit->value();
    const WriteResult written = m_owner->SetLossOptions(o);
    m_status->setText(written.ok ? QString()
                                 : Q(written.error) +
                                       Translated(QStringLiteral(". Параметры анализа применены, но не сохранены.")));
}

}  // namespace fb::ui
