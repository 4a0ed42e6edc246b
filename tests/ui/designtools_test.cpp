// The flyback window's adviser, plots and report commands: a candidate applied from the adviser
// changes the form and designs without touching the settings file; the plots window follows a
// recalculation; the report file and the clipboard carry the design shown.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QSignalSpy>
#include <filesystem>

#include "common/data/numbers.h"
#include "common/report/designtools.h"
#include "common/report/plotswindow.h"
#include "common/ui/advisermodel.h"
#include "flyback/design/flybackwaves.h"
#include "flyback/ui/formfields.h"
#include "tests/support/modal.h"
#include "tests/ui/uitest.h"

namespace fbtest {
namespace {

namespace toolid = fb::report::toolid;

class DesignToolsTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        messages.clear();
    }
    void trigger(int id) { fb::ui::FindAction(window.get(), id)->trigger(); }
    const std::string kIni = "Flyback/Flyback.ini";
};

TEST_F(DesignToolsTest, AdviserCandidateChangesTheFormAndWritesNoFile) {
    const std::string before = data.read(kIni);
    const auto written = std::filesystem::last_write_time(data.dir().file(kIni));
    trigger(toolid::kAdviser);
    fb::CAdviserWindow* adviser = window->designTools()->adviser();
    ASSERT_NE(adviser, nullptr);
    EXPECT_TRUE(adviser->isVisible());
    QSignalSpy finished(adviser, &fb::CAdviserWindow::SweepFinished);
    if (adviser->Running()) ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(adviser->Model()->rowCount(), 7 * 2);  // every test core with both materials

    // Opened again and closed while it runs: the form stays as it was.
    const int designs = window->calculations();
    const std::string core = window->input().core;
    trigger(toolid::kAdviser);
    QSignalSpy stopped(adviser, &fb::CAdviserWindow::SweepFinished);
    adviser->reject();
    if (adviser->Running()) ASSERT_TRUE(stopped.wait(30000));
    EXPECT_EQ(window->calculations(), designs);
    EXPECT_EQ(window->input().core, core);

    emit adviser->CandidateChosen("ER 28", "N97 Epcos", "0.7");
    EXPECT_EQ(window->calculations(), designs + 1);
    EXPECT_EQ(window->input().core, "ER 28");
    EXPECT_EQ(window->input().mater, "N97 Epcos");
    EXPECT_EQ(window->material().name, "N97 Epcos");
    EXPECT_EQ(window->input().yes_al, 0);
    EXPECT_GE(fb::TextToDouble(window->input().zazor), 0.7);  // the correction only raises it
    EXPECT_EQ(window->lastOutcome().input.core, "ER 28");
    EXPECT_EQ(data.read(kIni), before);
    EXPECT_EQ(std::filesystem::last_write_time(data.dir().file(kIni)), written);

    click(fb::ctl::kCalculate);  // "Рассчитать" writes it as ever
    EXPECT_NE(data.read(kIni).find("ER 28"), std::string::npos);
}

TEST_F(DesignToolsTest, PlotsFollowARecalculation) {
    trigger(toolid::kPlots);
    fb::report::CPlotsWindow* plots = window->designTools()->plots();
    ASSERT_NE(plots, nullptr);
    EXPECT_TRUE(plots->isVisible());
    auto period = [&] { return plots->Plots().plots.at(0).series.at(0).x.back(); };
    ASSERT_TRUE(plots->Plots().valid);
    const double before = period();
    type(fb::ctl::kFconv, "200");  // twice the frequency: half the period
    click(fb::ctl::kCalculate);
    EXPECT_NEAR(period(), before / 2, before * 1e-6);
    EXPECT_EQ(plots->Plots().plots.size(), fb::FlybackPlots(window->lastOutcome(), window->material()).plots.size());
}

TEST_F(DesignToolsTest, ReportFileAndClipboardCarryTheDesignShown) {
    const std::string path = data.dir().file("report.html");
    WhenModal(window.get(), [&](QDialog& d) {
        auto* files = qobject_cast<QFileDialog*>(&d);
        ASSERT_NE(files, nullptr);
        files->selectFile(QString::fromStdString(path));
        d.accept();  // QFileDialog::accept through the base, as the dialog's own button does
    });
    trigger(toolid::kReport);
    const std::string lp = text(fb::ctl::kLp).toStdString();
    const std::string html = data.read("report.html");
    for (const char* heading :
         {fb::report::kResults, fb::report::kChecks, fb::report::kInstructions, fb::report::kClamper})
        EXPECT_NE(html.find(heading), std::string::npos) << heading;
    EXPECT_NE(html.find("<b>" + lp + "</b>"), std::string::npos);
    EXPECT_TRUE(messages.entries().empty());

    trigger(toolid::kCopy);
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_NE(copied.find(fb::report::kResults), std::string::npos);
    EXPECT_NE(copied.find(lp), std::string::npos);
    EXPECT_NE(copied.find(window->input().core), std::string::npos);

    // The keys: Ctrl+C on a button copies the results; in a line edit it copies its selection.
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::clipboard()->clear();
    Ctl<QWidget>(window.get(), fb::ctl::kCalculate)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied);
    auto* edit = Ctl<QLineEdit>(window.get(), fb::ctl::kFconv);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), edit->text());
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied);
}

}  // namespace
}  // namespace fbtest
