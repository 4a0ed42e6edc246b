// The adviser window on the offscreen platform: the table sorts and filters the candidates,
// the sweep runs off the window's thread and can be cancelled, a chosen row is handed back.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <chrono>
#include <thread>

#include "common/ui/advisermodel.h"
#include "common/ui/adviserwindow.h"

namespace {

template <class W>
W* Find(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromUtf8(name));
    if (!w) throw std::runtime_error(std::string("no widget ") + name);
    return w;
}

// Four cores (volume 1, 2, 3, 4 cm³; the RM one of shape 4) with two materials. The loss is
// volume x material factor; the 1 cm³ core does not work.
fb::SweepCatalogue Catalogue() {
    fb::SweepCatalogue cat;
    const char* names[] = {"E 10", "E 20", "E 30", "RM 8"};
    for (int i = 0; i < 4; ++i) {
        fb::CoreRecord r;
        r.name = names[i];
        r.shape = i == 3 ? 4 : 0;
        r.Ve = i + 1;
        cat.cores.push_back(r);
    }
    for (const char* m : {"N87", "3C95"}) {
        fb::CMaterial mat;
        mat.name = m;
        cat.materials.push_back(mat);
    }
    return cat;
}

fb::Candidate Evaluate(const fb::CoreRecord& core, const fb::CMaterial& m) {
    fb::Candidate c;
    c.core = core.name;
    c.material = m.name;
    c.shape = core.shape;
    c.volume = core.Ve;
    c.coreLoss = core.Ve * (m.name == "N87" ? 0.1 : 0.3);
    c.gapText = "0.5" + std::to_string(static_cast<int>(core.Ve));
    if (core.Ve < 1.5) c.checks.push_back({"window_fill", "error", "Окно мало", {}});
    fb::FinishCandidate(c, {});
    return c;
}

std::vector<std::string> Column(const QAbstractItemModel* m, int column) {
    std::vector<std::string> out;
    for (int r = 0; r < m->rowCount(); ++r) out.push_back(m->index(r, column).data().toString().toStdString());
    return out;
}

fb::SweepJob Job(std::chrono::milliseconds delay = {}) {
    return [delay](const fb::SweepOptions& options) {
        return fb::RunSweep(
            Catalogue(),
            [delay](const fb::CoreRecord& c, const fb::CMaterial& m) {
                std::this_thread::sleep_for(delay);
                return Evaluate(c, m);
            },
            options);
    };
}

TEST(AdviserWindow, RunsSortsFiltersAndApplies) {
    fb::CAdviserWindow w;
    QSignalSpy finished(&w, &fb::CAdviserWindow::SweepFinished);
    w.Start(Job());
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    auto* table = Find<QTableView>(&w, "candidates");
    const QAbstractItemModel* view = table->model();
    ASSERT_EQ(view->rowCount(), 8);
    // Rank order: working ones by loss (0.2 N87, 0.3 N87, 0.4 RM 8 N87 ...), E 10 last.
    EXPECT_EQ(Column(view, fb::CandidateModel::Core),
              (std::vector<std::string>{"E 20", "E 30", "RM 8", "E 20", "E 30", "RM 8", "E 10", "E 10"}));
    EXPECT_EQ(view->index(7, fb::CandidateModel::Reason).data().toString(), QStringLiteral("Окно мало"));
    EXPECT_EQ(view->index(7, fb::CandidateModel::Reason).data(Qt::ToolTipRole).toString(), QStringLiteral("Окно мало"));

    // Largest volume first; equal volumes keep rank order (N87 before 3C95).
    table->sortByColumn(fb::CandidateModel::Volume, Qt::DescendingOrder);
    EXPECT_EQ(Column(view, fb::CandidateModel::Core),
              (std::vector<std::string>{"RM 8", "RM 8", "E 30", "E 30", "E 20", "E 20", "E 10", "E 10"}));
    EXPECT_EQ(view->index(0, fb::CandidateModel::Material).data().toString(), QStringLiteral("N87"));

    Find<QCheckBox>(&w, "worksOnly")->setChecked(true);
    EXPECT_EQ(view->rowCount(), 6);
    auto* shape = Find<QComboBox>(&w, "shapeFilter");
    shape->setCurrentIndex(shape->findData(4));
    EXPECT_EQ(Column(view, fb::CandidateModel::Core), (std::vector<std::string>{"RM 8", "RM 8"}));
    auto* material = Find<QComboBox>(&w, "materialFilter");
    material->setCurrentIndex(material->findText("3C95"));
    ASSERT_EQ(view->rowCount(), 1);

    QSignalSpy chosen(&w, &fb::CAdviserWindow::CandidateChosen);
    auto* apply = Find<QPushButton>(&w, "apply");
    EXPECT_FALSE(apply->isEnabled());
    table->setCurrentIndex(view->index(0, 0));
    ASSERT_TRUE(apply->isEnabled());
    apply->click();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), QStringLiteral("RM 8"));
    EXPECT_EQ(chosen.at(0).at(1).toString(), QStringLiteral("3C95"));
    EXPECT_EQ(chosen.at(0).at(2).toString(), QStringLiteral("0.54"));
}

TEST(AdviserWindow, CancelStopsTheRunningSweep) {
    fb::CAdviserWindow w;
    QSignalSpy finished(&w, &fb::CAdviserWindow::SweepFinished);
    w.Start(Job(std::chrono::milliseconds(200)));
    auto* cancel = Find<QPushButton>(&w, "cancel");
    ASSERT_TRUE(cancel->isEnabled());
    cancel->click();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_LT(w.Model()->rowCount(), 8);
    EXPECT_FALSE(cancel->isEnabled());
}

// A second start cancels the first; what the first still had queued must not show up (nor
// wait for the second's worker on the window's thread).
TEST(AdviserWindow, RestartDropsTheEarlierRun) {
    fb::CAdviserWindow w;
    QSignalSpy finished(&w, &fb::CAdviserWindow::SweepFinished);
    w.Start(Job(std::chrono::milliseconds(20)));
    w.Start(Job());
    ASSERT_TRUE(finished.wait(10000));
    QTest::qWait(50);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_EQ(w.Model()->rowCount(), 8);
}

TEST(AdviserWindow, ClosingWhileRunningEndsTheWorker) {
    auto w = std::make_unique<fb::CAdviserWindow>();
    w->Start(Job(std::chrono::milliseconds(50)));
    w.reset();  // must neither hang nor touch the deleted window
    SUCCEED();
}

}  // namespace
