#pragma once
// "Подбор сердечника": the adviser's window, shared by both programs. It runs a sweep job off
// the window's thread with a progress bar and a cancel button, shows the ranked candidates in a
// sortable, filterable table with the reason of each one that does not work, and hands the
// chosen candidate back through CandidateChosen. It writes no file and never touches the main
// form itself: the job works on copies of the form's inputs.
#include <QDialog>
#include <atomic>
#include <functional>
#include <thread>

#include "common/adviser/sweep.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTableView;

namespace fb {

class CandidateModel;
class CandidateProxy;

// The whole sweep for the requirements at hand; runs on a worker thread, so it must own what it
// reads (a copy of the form's inputs, the catalogue, the wire table).
using SweepJob = std::function<SweepResult(const SweepOptions& options)>;

class CAdviserWindow : public QDialog {
    Q_OBJECT
public:
    explicit CAdviserWindow(QWidget* parent = nullptr);
    ~CAdviserWindow() override;

    // Starts the job (a running one is cancelled first); the table fills when it ends.
    void Start(SweepJob job);
    void Cancel();
    bool Running() const { return m_worker.joinable() && !m_finished; }

    // Shows candidates without a sweep (and the materials they hold in the material filter).
    void ShowCandidates(std::vector<Candidate> candidates, bool cancelled = false);

    CandidateModel* Model() const { return m_model; }
    CandidateProxy* Proxy() const { return m_proxy; }

    // Closing the window (Esc, the close box, "Закрыть") stops a running sweep.
    void done(int result) override;

signals:
    // Apply this core, material and gap text to the main form (gap mode) and recalculate.
    void CandidateChosen(const QString& core, const QString& material, const QString& gapText);
    void SweepFinished(bool cancelled);

private:
    void BuildLayout();
    QLayout* BuildFilters();
    void OnProgress(int run, int done, int total);
    void OnFinished(int run, SweepResult result);
    void ApplyFilter();
    void ChooseRow(const QModelIndex& proxyIndex);
    void UpdateButtons();
    void JoinWorker();

    CandidateModel* m_model;
    CandidateProxy* m_proxy;
    QTableView* m_table = nullptr;
    QComboBox* m_shape = nullptr;
    QComboBox* m_material = nullptr;
    QCheckBox* m_worksOnly = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_apply = nullptr;
    QLabel* m_status = nullptr;

    std::thread m_worker;
    std::atomic<bool> m_cancelFlag{false};
    std::atomic<int> m_shownPercent{-1};
    bool m_finished = true;
    // Each Start numbers its run: what a cancelled earlier run still has queued is dropped.
    int m_run = 0;
};

}  // namespace fb
