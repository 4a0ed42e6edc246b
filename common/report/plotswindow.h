#pragma once
// The "Графики" window: one tab per plot of the last calculation, the model notes below,
// and export of the shown plot as PNG or SVG. Not modal: the main window keeps it open and
// hands it each new PlotSet.
#include <QDialog>

#include "common/analysis/waveforms.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace fb::report {

class CPlotsWindow : public QDialog {
    Q_OBJECT
public:
    explicit CPlotsWindow(QWidget* parent = nullptr);

    // Replaces the plots; the tab of the same plot id stays selected.
    void SetPlots(const PlotSet& set);
    const PlotSet& Plots() const { return m_set; }
    int CurrentPlot() const;

    // Writes plot `index` (PNG or SVG by extension); false with the reason in `error`.
    bool ExportPlotTo(int index, const QString& path, QString* error) const;

private:
    void OnExport();

    PlotSet m_set;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_notes = nullptr;
    QPushButton* m_export = nullptr;
};

}  // namespace fb::report
