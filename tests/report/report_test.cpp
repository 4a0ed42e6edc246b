// The report and the plots, on the offscreen platform with the application the report
// library creates itself (as the command-line tools use it): no test makes its own.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTabWidget>
#include <QTextDocument>
#include <regex>

#include "boostcoil/design/pfctestdata.h"
#include "boostcoil/design/pfcwaves.h"
#include "common/report/plotchart.h"
#include "common/report/plotswindow.h"
#include "common/report/reportdocument.h"
#include "common/report/reportrows.h"
#include "flyback/design/fixture.h"
#include "flyback/design/flybackwaves.h"
#include "tests/support/tempdir.h"

namespace fb::report {
namespace {

PlotSet FlybackSet() {
    fbtest::Bench bench;
    return FlybackPlots(bench.Run(FlybackInput{}), bench.material);
}

PlotSet PfcSet() {
    fbtest::TempDir dir;
    pfctest::WriteDataRoot(dir);
    CWireTable wires;
    CMaterial material;
    CCoreBase cores;
    wires.Load(dir.path(), 100000);
    material.Load(dir.path(), "N87 Epcos", 100000);
    cores.Load(dir.path(), 100000, false);
    cores.SelectByName("E 36/18/11");
    CoreRecord core;
    cores.OnSelect(core);
    return PfcPlots(CalculateChoke(PfcInput{}, core, material, wires));
}

const char* const kSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\">"
    "<rect x=\"10\" y=\"10\" width=\"180\" height=\"80\" fill=\"#c08040\"/></svg>";

// Every field holds a value found nowhere else, so each can be looked for in the output.
ReportData Sample(PlotSet plots) {
    ReportData d;
    d.title = "Отчет о расчете flyback-трансформатора";
    d.program = "flyback";
    d.version = "2.1";
    d.date = "08.12.2026";
    d.inputs = {{"Частота преобразования", "100", "кГц"}, {"Напряжение питания, мин.", "200", "В"}};
    d.core = {{"Сердечник", "E 25/13/7", ""}, {"Ae", "52.5", "мм²"}};
    d.material = {{"Материал", "N87 Epcos", ""}, {"Bmax", "0.320", "Тл"}};
    d.results = {{"Индуктивность первичной обмотки", "1.234", "мГн"}, {"Амплитуда индукции", "0.287", "Тл"}};
    d.messages = {"Коэффициент заполнения окна больше 0,3."};
    d.checks = {{"window_fill", "предупреждение", "Окно заполнено на 0.41"}};
    d.analysis = {{"Потери в меди", "0.731", "Вт"}, {"Перегрев", "38.6", "°C"}};
    d.windings = {{"Обмотка", "Порядок", "Витков", "Провод", "Слоев", "Изоляция"},
                  {{"Первичная", "1", "58", "1 x 0.315", "2", "2 слоя ленты"}}};
    d.images = {{"Окно намотки", "svg", kSvg}};
    d.instructions = {"Намотать первичную обмотку: 58 витков проводом 0.315 в 2 слоя."};
    d.clamper = {{"Емкость демпфера", "2.2", "нФ"}};
    d.plots = std::move(plots);
    return d;
}

int PdfPages(const std::string& bytes) {
    static const std::regex page("/Type\\s*/Page(?![s])");
    return int(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

class Report : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EnsureReportApplication()); }
    fbtest::TempDir m_dir;
};

TEST_F(Report, EverySectionWithItsValues) {
    const ReportData d = Sample(FlybackSet());
    const std::string html = ReportHtml(d, true).toStdString();
    const std::string text = ReportPlainText(d);
    const char* const sections[] = {kInputs, kCore, kResults, kChecks, kAnalysis, kInstructions, kClamper, kPlots};
    for (const char* s : sections) EXPECT_NE(html.find(s), std::string::npos) << s;
    for (const char* s : sections) {
        if (std::string(s) == kPlots) continue;  // the text leaves the plots out
        EXPECT_NE(text.find(s), std::string::npos) << s;
    }
    for (const auto* rows : {&d.inputs, &d.core, &d.material, &d.results, &d.analysis, &d.clamper})
        for (const ReportRow& r : *rows) {
            EXPECT_NE(html.find(r.value), std::string::npos) << r.caption;
            EXPECT_NE(text.find(r.value), std::string::npos) << r.caption;
        }
    for (const std::string s : {"window_fill", "Окно заполнено на 0.41", "2 слоя ленты", "58 витков", "08.12.2026"})
        EXPECT_NE(html.find(s), std::string::npos) << s;
    // One picture for each plot and one for the drawing, all inside the standalone file.
    const size_t pictures = d.plots.plots.size() + 1;
    EXPECT_EQ(QString::fromStdString(html).count("<img src=\"data:image/png;base64,"), int(pictures));
    // The text layout aligns like the tools' text report (values from column 47).
    EXPECT_NE(text.find("  Частота преобразования:                      100 кГц\n"), std::string::npos) << text;
}

TEST_F(Report, PdfAndHtmlFiles) {
    std::string error;
    ReportData d = Sample(PlotSet{});  // no plots: the text pages and the plots page with its note
    d.plots.notes = {"Нет графиков: расчет не выполнен."};
    ASSERT_TRUE(WriteReport(d, m_dir.file("short.pdf"), &error)) << error;
    const std::string shortPdf = m_dir.read("short.pdf");
    EXPECT_EQ(shortPdf.substr(0, 5), "%PDF-");
    const int textPages = PdfPages(shortPdf) - 1;  // the plots section starts a page of its own
    EXPECT_GE(textPages, 1);
    // Five flyback plots, two to a page, after the text pages.
    d.plots = FlybackSet();
    ASSERT_EQ(d.plots.plots.size(), 5u);
    ASSERT_TRUE(WriteReport(d, m_dir.file("full.PDF"), &error)) << error;
    EXPECT_EQ(PdfPages(m_dir.read("full.PDF")), textPages + 3);
    ASSERT_TRUE(WriteReport(d, m_dir.file("full.html"), &error)) << error;
    EXPECT_EQ(m_dir.read("full.html").substr(0, 15), "<!DOCTYPE html>");
}

TEST_F(Report, BadTargetsLeaveNothingBehind) {
    std::string error;
    EXPECT_FALSE(WriteReport(Sample(PlotSet{}), m_dir.file("report.docx"), &error));
    EXPECT_NE(error.find(".pdf"), std::string::npos);
    EXPECT_FALSE(m_dir.exists("report.docx"));
    error.clear();
    EXPECT_FALSE(WriteReport(Sample(PlotSet{}), m_dir.file("missing/report.pdf"), &error));
    EXPECT_FALSE(error.empty());
    // A folder in the file's place stays as it was.
    m_dir.write("taken.pdf/inside.txt", "x");
    EXPECT_FALSE(WriteReport(Sample(PlotSet{}), m_dir.file("taken.pdf"), &error));
    EXPECT_EQ(m_dir.read("taken.pdf/inside.txt"), "x");
}

// A picture with nothing drawn is all white; a chart has its lines, texts and axes.
int InkedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

TEST_F(Report, PlotsOfBothProgramsRender) {
    for (const PlotSet& set : {FlybackSet(), PfcSet()}) {
        ASSERT_TRUE(set.valid);
        for (const Plot& p : set.plots) {
            const QImage image = RenderPlotImage(p, {600, 400});
            EXPECT_GT(InkedPixels(image), 2000) << p.id;
            const QByteArray svg = RenderPlotSvg(p, {600, 400});
            EXPECT_TRUE(svg.contains("<svg")) << p.id;
        }
    }
    QString error;
    const PlotSet pfc = PfcSet();
    const Plot& first = pfc.plots.front();
    ASSERT_TRUE(ExportPlot(first, QString::fromStdString(m_dir.file("ripple.png")), &error)) << error.toStdString();
    EXPECT_EQ(m_dir.read("ripple.png").substr(1, 3), "PNG");
    EXPECT_FALSE(ExportPlot(first, QString::fromStdString(m_dir.file("ripple.bmp")), &error));
}

TEST_F(Report, WindowFollowsEachCalculation) {
    CPlotsWindow window;
    auto* tabs = window.findChild<QTabWidget*>("plotTabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 0);
    window.SetPlots(FlybackSet());
    ASSERT_EQ(tabs->count(), 5);
    tabs->setCurrentIndex(3);  // the switch voltage
    const std::string shown = window.Plots().plots[3].id;
    PlotSet next = FlybackSet();
    next.plots.erase(next.plots.begin() + 1);  // a design with one secondary fewer
    window.SetPlots(next);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(window.Plots().plots[window.CurrentPlot()].id, shown);
    QString error;
    EXPECT_TRUE(window.ExportPlotTo(0, QString::fromStdString(m_dir.file("p.svg")), &error));
    EXPECT_NE(m_dir.read("p.svg").find("Ток первичной обмотки"), std::string::npos);
    window.SetPlots(PlotSet{});
    EXPECT_EQ(tabs->count(), 0);
    EXPECT_FALSE(window.ExportPlotTo(0, QString::fromStdString(m_dir.file("none.png")), &error));
}

// The example core: Ve = 52.5·57.5/1000 = 3.019 cm³; with an AL law 95.2·g^-0.72 a row more.
TEST(ReportRows, CoreAndMaterialData) {
    CoreRecord core = fbtest::E25Core();
    std::vector<ReportRow> rows = CoreRows(core);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1].value, "52.5");
    EXPECT_EQ(rows[4].value, "3.019");
    core.k1 = 95.2, core.k2 = -0.72;
    EXPECT_EQ(CoreRows(core).back().value, "95.2 · зазор^-0.72");
    rows = MaterialRows(fbtest::ExampleMaterial());
    EXPECT_EQ(rows[0].value, "N87 Epcos");
    EXPECT_EQ(rows[1].value, "0.320");
    EXPECT_EQ(rows.back().value, "25…100");
}

}  // namespace
}  // namespace fb::report
