#include "common/report/plotswindow.h"

#include <QChartView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/report/plotchart.h"
#include "common/ui/language.h"
#include "common/ui/messageseam.h"

namespace fb::report {

CPlotsWindow::CPlotsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("plotsWindow");
    setWindowTitle("Графики");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("plotTabs");
    m_notes = new QLabel(this);
    m_notes->setObjectName("plotNotes");
    m_notes->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText("Закрыть");
    buttons->button(QDialogButtonBox::Close)->setObjectName("closePlots");
    m_export = buttons->addButton("Сохранить график…", QDialogButtonBox::ActionRole);
    m_export->setObjectName("exportPlot");
    connect(m_export, &QPushButton::clicked, this, &CPlotsWindow::OnExport);
    setTabOrder(m_export, buttons->button(QDialogButtonBox::Close));  // as drawn: export, then close
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_notes);
    layout->addWidget(buttons);
    resize(900, 680);
    SetPlots(PlotSet{});
}

void CPlotsWindow::SetPlots(const PlotSet& set) {
    const std::string keep = CurrentPlot() >= 0 ? m_set.plots[CurrentPlot()].id : std::string();
    m_set = set;
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    int select = 0;
    for (size_t i = 0; i < m_set.plots.size(); ++i) {
        const Plot& p = m_set.plots[i];
        auto* view = new QChartView(CreateChart(p));
        view->setRenderHint(QPainter::Antialiasing);
        view->setObjectName(QString::fromStdString(p.id));
        m_tabs->addTab(view, QString::fromStdString(p.title));
        if (p.id == keep) select = int(i);
    }
    if (m_tabs->count() > 0) m_tabs->setCurrentIndex(select);
    QStringList notes;
    for (const std::string& n : m_set.notes) notes << QString::fromStdString(n);
    m_notes->setText(notes.join('\n'));
    m_export->setEnabled(m_set.valid && !m_set.plots.empty());
    setWindowTitle(m_set.title.empty() ? ui::Translated("Графики") : QString::fromStdString(m_set.title));
}

int CPlotsWindow::CurrentPlot() const {
    const int i = m_tabs ? m_tabs->currentIndex() : -1;
    return i >= 0 && i < int(m_set.plots.size()) ? i : -1;
}

bool CPlotsWindow::ExportPlotTo(int index, const QString& path, QString* error) const {
    if (index < 0 || index >= int(m_set.plots.size())) {
        if (error) *error = ui::Translated("Нет графика для сохранения.");
        return false;
    }
    return ExportPlot(m_set.plots[index], path, error);
}

void CPlotsWindow::OnExport() {
    const int i = CurrentPlot();
    if (i < 0) return;
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, ui::Translated("Сохранить график"), QString::fromStdString(m_set.plots[i].id),
        ui::Translated("Рисунок PNG (*.png);;Рисунок SVG (*.svg)"), &filter);
    if (path.isEmpty()) return;
    QString file = path;
    if (QFileInfo(file).suffix().isEmpty()) file += filter.contains("svg") ? ".svg" : ".png";
    QString error;
    if (!ExportPlotTo(i, file, &error)) ui::MessageSeam::current().warn(this, ui::Translated("Внимание!"), error);
}

}  // namespace fb::report
