// --report FILE of both tools on the shipped examples: the HTML holds every section and every
// field text the JSON gives; the PDF is a whole PDF of several pages; a report that cannot be
// written stops the run with status 2 and leaves no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "common/report/reportdata.h"
#include "tests/support/process.h"
#include "tests/support/tempdir.h"

#if defined(FLYBACK_CALC_EXE) && defined(BOOSTCOIL_CALC_EXE)

namespace {

using Json = nlohmann::ordered_json;

struct Example {
    const char* exe;
    const char* file;  // under the data root
    bool clamper;
};

const Example kExamples[] = {
    {FLYBACK_CALC_EXE, "Flyback/Example 12V 3A adapter.sav", true},
    {FLYBACK_CALC_EXE, "Flyback/Example 5V 2A charger.sav", true},
    {BOOSTCOIL_CALC_EXE, "Boostcoil/Example 150W universal input.sav", false},
    {BOOSTCOIL_CALC_EXE, "Boostcoil/Example 75W PQ core AL.sav", false},
};

std::string Escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::vector<std::smatch> Matches(const std::string& text, const std::regex& re) {
    return {std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()};
}

fbtest::ProcessResult RunTool(const Example& e, std::vector<std::string> extra) {
    std::vector<std::string> args = {e.exe, "--data-root", FB_ROOT_DIR, std::string(FB_ROOT_DIR) + "/" + e.file};
    args.insert(args.end(), extra.begin(), extra.end());
    return fbtest::RunProcess(args);
}

TEST(CliReport, HtmlHoldsEverySectionAndEveryFieldOfTheJson) {
    fbtest::TempDir dir;
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.file);
        const std::string path = dir.file("report.html");
        const fbtest::ProcessResult json = RunTool(e, {"--json"});
        ASSERT_EQ(json.exitCode, 0) << json.err;
        const fbtest::ProcessResult made = RunTool(e, {"--report", path});
        ASSERT_EQ(made.exitCode, 0) << made.err;
        const std::string html = dir.read("report.html");
        namespace r = fb::report;
        for (const char* heading :
             {r::kInputs, r::kCore, r::kResults, r::kChecks, r::kAnalysis, r::kInstructions, r::kPlots})
            EXPECT_NE(html.find(heading), std::string::npos) << heading;
        EXPECT_EQ(html.find(r::kClamper) != std::string::npos, e.clamper);
        EXPECT_NE(html.find("<img src=\"data:image/png;base64,"), std::string::npos) << "the plots are in the page";
        int compared = 0;
        const Json parsed = Json::parse(json.out);
        for (const Json& f : parsed.at("fields")) {
            const std::string text = f.at("text");
            // Flags read "да"/"нет" in the report.
            if (text.empty() || ((text == "0" || text == "1") && f.at("unit") == "")) continue;
            ++compared;
            if (f.contains("id") && f.at("id") == 1051) {  // the choke's information lines, "caption<TAB>value"
                for (const std::smatch& m : Matches(text, std::regex("\t([^\r\n]+)")))
                    EXPECT_NE(html.find("<b>" + Escaped(m[1]) + "</b>"), std::string::npos) << m[1];
                continue;
            }
            EXPECT_NE(html.find("<b>" + Escaped(text) + "</b>"), std::string::npos) << f.dump();
        }
        EXPECT_GT(compared, 30);
    }
}

TEST(CliReport, PdfIsWholeAndAFailedWriteStopsTheRun) {
    fbtest::TempDir dir;
    for (const Example& e : {kExamples[0], kExamples[2]}) {
        SCOPED_TRACE(e.file);
        const fbtest::ProcessResult made = RunTool(e, {"--report", dir.file("report.pdf")});
        ASSERT_EQ(made.exitCode, 0) << made.err;
        const std::string pdf = dir.read("report.pdf");
        ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
        EXPECT_NE(pdf.find("%%EOF", pdf.size() - 16), std::string::npos);
        const std::regex page("/Type\\s*/Page[^s]");
        const auto pages = std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
        EXPECT_GE(pages, 4);  // text sections, then the plots from a page of their own

        const fbtest::ProcessResult failed = RunTool(e, {"--report", dir.file("no folder/report.pdf")});
        EXPECT_EQ(failed.exitCode, 2);
        EXPECT_NE(failed.err.find("no folder/report.pdf"), std::string::npos) << failed.err;
        EXPECT_TRUE(failed.out.empty());
        EXPECT_FALSE(std::filesystem::exists(dir.file("no folder")));
        EXPECT_EQ(RunTool(e, {"--report", dir.file("report.txt")}).exitCode, 2);
    }
}

}  // namespace

#endif
