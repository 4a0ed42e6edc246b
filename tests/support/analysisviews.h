#pragma once
// What the window tests of both programs ask of the analysis views: the "Проверка" list beside
// the buttons, the "Намотка и потери" window, and its options file kept apart from the settings.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <functional>
#include <string>

#include "common/data/numbers.h"
#include "common/files/savedfiles.h"
#include "common/ui/checkspanel.h"
#include "common/ui/coregroup.h"
#include "common/ui/designwindow.h"
#include "common/ui/losswindow.h"

namespace fbtest {

// The colour in the middle of a line's mark.
inline QColor MarkColor(const QTreeWidgetItem* item) { return item->icon(0).pixmap(12, 12).toImage().pixelColor(6, 6); }

// The list shows one line per check, and the line of `rule` (which the test's design raises)
// with its text, its severity's mark and the text in the tooltip.
inline void ExpectPanelShows(const fb::ui::DesignWindow& w, const std::string& rule, fb::Severity severity) {
    const fb::Checks& checks = w.LastAnalysis().checks;
    QTreeWidget* panel = w.checksPanel();
    ASSERT_EQ(panel->topLevelItemCount(), int(checks.size()));
    const fb::Check* check = nullptr;
    for (const fb::Check& c : checks)
        if (c.rule == rule) check = &c;
    ASSERT_NE(check, nullptr) << rule << " not raised";
    EXPECT_EQ(check->severity, severity);
    for (int i = 0; i < panel->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = panel->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString().toStdString() != rule) continue;
        EXPECT_EQ(item->text(0).toStdString(), check->text);
        EXPECT_EQ(MarkColor(item), fb::ui::CChecksPanel::SeverityColor(severity));
        EXPECT_TRUE(item->toolTip(0).contains(QString::fromStdString(check->text).toHtmlEscaped()));
        return;
    }
    ADD_FAILURE() << rule << " not listed";
}

// A laptop screen of 1366×768 with a task bar holds the window and the loss window.
inline void ExpectFitsSmallScreen(fb::ui::DesignWindow& w) {
    w.show();
    w.ShowLossWindow();
    QApplication::processEvents();
    for (QWidget* shown : {static_cast<QWidget*>(&w), static_cast<QWidget*>(w.lossWindow())}) {
        const QSize size = shown->frameGeometry().size().expandedTo(shown->size());
        EXPECT_LE(size.width(), 1366) << shown->windowTitle().toStdString();
        EXPECT_LE(size.height(), 768 - 40) << shown->windowTitle().toStdString();
    }
    w.lossWindow()->hide();
    w.hide();
}

inline QString LossFigure(const fb::ui::DesignWindow& w, const char* name) {
    return w.lossWindow()->findChild<QLabel*>(name)->text();
}

// The loss window shows the last analysis winding by winding and follows a new calculation.
inline void ExpectLossWindowFollows(fb::ui::DesignWindow& w, const std::function<void()>& recalculate) {
    w.ShowLossWindow();
    auto* table = w.lossWindow()->findChild<QTableWidget*>("lossTable");
    auto expectShown = [&] {
        const fb::LossAnalysis& a = w.LastAnalysis().losses;
        ASSERT_TRUE(a.valid);
        ASSERT_EQ(table->rowCount(), int(a.windings.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            EXPECT_EQ(table->item(r, 0)->text().toStdString(), a.windings[r].name);
            EXPECT_EQ(table->item(r, 1)->text().toStdString(), fb::F0(a.windings[r].turns));
            EXPECT_EQ(table->item(r, 9)->text().toStdString(), fb::F3(a.windings[r].loss));
        }
        EXPECT_EQ(LossFigure(w, "lossCore").toStdString(), fb::F3(a.coreLoss));
        EXPECT_EQ(LossFigure(w, "lossTotal").toStdString(), fb::F3(a.totalLoss));
    };
    expectShown();
    const QString turns = table->item(0, 1)->text(), core = LossFigure(w, "lossCore");
    const int calculations = w.calculations();
    recalculate();
    ASSERT_GT(w.calculations(), calculations);
    expectShown();
    EXPECT_NE(table->item(0, 1)->text(), turns);
    EXPECT_NE(LossFigure(w, "lossCore"), core);
}

// An option changed in the loss window analyses the last design again without running the
// method, goes to "<program>.analysis.cfg" and is read back by the next start; the settings
// file a closing window writes stays byte for byte what it was without the change.
template <class Window, class Data>
void ExpectOptionsKeptApart(const Data& data, const std::string& program) {
    const std::string settings = program + "/" + program + ".ini";
    const std::string options = program + "/" + program + ".analysis.cfg";
    std::string before;
    {
        Window w;
        ASSERT_TRUE(w.Startup());
        w.reject();
        before = data.read(settings);
    }
    {
        Window w;
        ASSERT_TRUE(w.Startup());
        const int calculations = w.calculations();
        const double hotSpot = w.LastAnalysis().losses.hotSpot;
        w.ShowLossWindow();
        w.lossWindow()->template findChild<QDoubleSpinBox*>("optAmbient")->setValue(25);
        EXPECT_EQ(w.calculations(), calculations);  // the method did not run
        EXPECT_EQ(w.LastAnalysis().losses.ambient, 25);
        EXPECT_LT(w.LastAnalysis().losses.hotSpot, hotSpot - 10);
        EXPECT_NE(data.read(options).find("\r\nambient_C = 25\r\n"), std::string::npos) << data.read(options);
        for (const std::string& listed : fb::ListSavedFiles("", {".sav", ".ini"}))  // not offered as a design
            EXPECT_EQ(listed.find(".analysis."), std::string::npos) << listed;
        w.reject();
    }
    EXPECT_EQ(data.read(settings), before);
    Window again;
    ASSERT_TRUE(again.Startup());
    EXPECT_EQ(again.lossOptions().ambient_C, 25);
    EXPECT_EQ(again.LastAnalysis().losses.ambient, 25);  // the first design already used it
}

}  // namespace fbtest
