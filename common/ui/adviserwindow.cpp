#include "common/ui/adviserwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "common/data/numbers.h"
#include "common/files/fieldcatalogue.h"
#include "common/ui/advisermodel.h"
#include "common/ui/language.h"

namespace fb {

CAdviserWindow::CAdviserWindow(QWidget* parent)
    : QDialog(parent), m_model(new CandidateModel(this)), m_proxy(new CandidateProxy(this)) {
    setWindowTitle(QStringLiteral("Подбор сердечника"));
    setObjectName(QStringLiteral("adviserWindow"));
    m_proxy->setSourceModel(m_model);
    BuildLayout();
    resize(1100, 600);
    UpdateButtons();
}

CAdviserWindow::~CAdviserWindow() {
    // The worker posts to this window; it must end before the window does.
    m_cancelFlag = true;
    JoinWorker();
}

namespace {

template <class W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

}  // namespace

QLayout* CAdviserWindow::BuildFilters() {
    m_shape = Named(new QComboBox(this), "shapeFilter");
    m_shape->addItem(ui::Translated(QStringLiteral("Все")), -1);
    for (int s = 0; s < kShapeCount; ++s) m_shape->addItem(ui::Translated(QString::fromUtf8(ShapeCaption(s))), s);
    m_material = Named(new QComboBox(this), "materialFilter");
    m_material->addItem(ui::Translated(QStringLiteral("Все")));
    m_worksOnly = Named(new QCheckBox(QStringLiteral("Только работающие"), this), "worksOnly");
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Форма:"), this));
    filters->addWidget(m_shape);
    filters->addWidget(new QLabel(QString::fromUtf8(caption::kMaterial) + ':', this));
    filters->addWidget(m_material);
    filters->addWidget(m_worksOnly);
    filters->addStretch();
    connect(m_shape, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
    connect(m_material, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
    connect(m_worksOnly, &QCheckBox::toggled, this, [this] { ApplyFilter(); });
    return filters;
}

void CAdviserWindow::BuildLayout() {
    m_table = Named(new QTableView(this), "candidates");
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);  // rank order until a header is clicked
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().lineSpacing() + 8);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);  // a material name ("3C95 Ferroxcube") stays on one line

    m_progress = Named(new QProgressBar(this), "progress");
    m_progress->setRange(0, 100);
    m_status = Named(new QLabel(this), "status");
    m_cancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
    m_apply = Named(new QPushButton(QStringLiteral("Применить"), this), "apply");
    auto* close = Named(new QPushButton(QStringLiteral("Закрыть"), this), "close");
    m_apply->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_status, 2);
    bottom->addWidget(m_apply);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFilters());
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    connect(m_cancel, &QPushButton::clicked, this, &CAdviserWindow::Cancel);
    connect(m_apply, &QPushButton::clicked, this, [this] { ChooseRow(m_table->currentIndex()); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_table, &QTableView::doubleClicked, this, &CAdviserWindow::ChooseRow);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateButtons(); });
}

void CAdviserWindow::JoinWorker() {
    if (m_worker.joinable()) m_worker.join();
}

void CAdviserWindow::Start(SweepJob job) {
    Cancel();
    JoinWorker();
    m_cancelFlag = false;
    m_shownPercent = -1;
    m_finished = false;
    const int run = ++m_run;
    m_progress->setValue(0);
    m_status->setText(ui::Translated(QStringLiteral("Подбор…")));
    UpdateButtons();
    m_worker = std::thread([this, run, job = std::move(job)] {
        SweepOptions options;
        options.cancel = &m_cancelFlag;
        // Only whole percents cross to the window's thread: a thousand events would be noise.
        options.progress = [this, run](std::size_t done, std::size_t total) {
            const int percent = total ? static_cast<int>(done * 100 / total) : 100;
            if (m_shownPercent.exchange(percent) == percent) return;
            QMetaObject::invokeMethod(
                this, [this, run, done, total] { OnProgress(run, static_cast<int>(done), static_cast<int>(total)); },
                Qt::QueuedConnection);
        };
        SweepResult result = job(options);
        QMetaObject::invokeMethod(
            this, [this, run, r = std::move(result)]() mutable { OnFinished(run, std::move(r)); },
            Qt::QueuedConnection);
    });
}

void CAdviserWindow::Cancel() { m_cancelFlag = true; }

void CAdviserWindow::done(int result) {
    Cancel();
    QDialog::done(result);
}

void CAdviserWindow::OnProgress(int run, int done, int total) {
    if (run != m_run || m_finished) return;
    m_progress->setValue(total ? done * 100 / total : 100);
    m_status->setText(ui::Translated(QStringLiteral("Проверено %1 из %2")).arg(done).arg(total));
}

void CAdviserWindow::OnFinished(int run, SweepResult result) {
    if (run != m_run) return;
    JoinWorker();
    m_finished = true;
    const bool cancelled = result.cancelled;
    ShowCandidates(std::move(result.candidates), cancelled);
    if (!cancelled) m_progress->setValue(100);
    emit SweepFinished(cancelled);
}

void CAdviserWindow::ShowCandidates(std::vector<Candidate> candidates, bool cancelled) {
    std::set<std::string> materials;
    int works = 0;
    for (const Candidate& c : candidates) {
        materials.insert(c.material);
        works += c.works ? 1 : 0;
    }
    const QString keep = m_material->currentText();
    {
        const QSignalBlocker block(m_material);
        m_material->clear();
        m_material->addItem(ui::Translated(QStringLiteral("Все")));
        for (const std::string& m : materials) m_material->addItem(QString::fromStdString(m));
        m_material->setCurrentIndex(std::max(0, m_material->findText(keep)));
    }
    const int n = static_cast<int>(candidates.size());
    m_model->SetCandidates(std::move(candidates));
    ApplyFilter();
    // Each column as wide as its texts in this language; the reasons take what is left.
    for (int c = 0; c + 1 < m_model->columnCount(); ++c) m_table->resizeColumnToContents(c);
    m_status->setText(ui::Translated(cancelled ? QStringLiteral("Подбор прерван: проверено %1, работают %2")
                                               : QStringLiteral("Проверено %1, работают %2"))
                          .arg(n)
                          .arg(works));
    UpdateButtons();
}

void CAdviserWindow::ApplyFilter() {
    CandidateFilter f;
    f.shape = m_shape->currentData().toInt();
    f.material = m_material->currentIndex() > 0 ? m_material->currentText().toStdString() : std::string();
    f.worksOnly = m_worksOnly->isChecked();
    m_proxy->SetFilter(f);
    UpdateButtons();
}

void CAdviserWindow::ChooseRow(const QModelIndex& proxyIndex) {
    if (!proxyIndex.isValid()) return;
    const Candidate& c = m_model->At(m_proxy->mapToSource(proxyIndex).row());
    emit CandidateChosen(QString::fromStdString(c.core), QString::fromStdString(c.material),
                         QString::fromStdString(c.gapText));
}

void CAdviserWindow::UpdateButtons() {
    const bool running = !m_finished;
    m_cancel->setEnabled(running);
    m_progress->setVisible(running || m_model->rowCount() == 0);
    m_apply->setEnabled(m_table->currentIndex().isValid());
}

}  // namespace fb
