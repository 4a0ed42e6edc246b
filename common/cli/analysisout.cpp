#include "common/cli/analysisout.h"

#include <cmath>

#include "common/adviser/sweepoutput.h"
#include "common/data/english.h"
#include "common/data/numbers.h"

namespace fb::cli {
namespace {

const char* const kAmbient = "--ambient";
const char* const kTape = "--tape";
const char* const kTapeLayers = "--tape-layers";
const char* const kMargin = "--margin";
const char* const kRiseLimit = "--rise-limit";
const char* const kInterleave = "--interleave";

// Report lines indented under their heading; a line break inside a line keeps the indent.
std::string Body(const std::vector<std::string>& lines, size_t from = 0) {
    std::string out;
    for (size_t i = from; i < lines.size(); ++i) {
        std::string line = lines[i];
        for (size_t p = line.find('\n'); p != std::string::npos; p = line.find('\n', p + 5))
            line.replace(p, 1, "\n    ");
        out += "  " + line + "\n";
    }
    return out.empty() ? "  нет\n" : out;
}

}  // namespace

std::vector<ValueOption> LossValueOptions() {
    const LossOptions d;
    // The help texts are templates: --help fills in the default, in the language of --lang.
    return {{kAmbient, "C", "температура окружающей среды, °C (по умолчанию {1})", TidyNumber(d.ambient_C)},
            {kTape, "MM", "толщина изоляционной ленты между обмотками, мм (по умолчанию {1})", TidyNumber(d.tape_mm)},
            {kTapeLayers, "N", "число слоев ленты между обмотками (по умолчанию {1})", FormatInt(d.tapeLayers)},
            {kMargin, "MM", "поле у каждого края каркаса, мм (по умолчанию {1})", TidyNumber(d.margin_mm)},
            {kRiseLimit, "K", "допустимый перегрев, К (по умолчанию {1})", TidyNumber(d.riseLimit_K)}};
}

FlagOption InterleaveFlag() {
    return {kInterleave, "первичная обмотка в две половины вокруг вторичных (по умолчанию подряд)"};
}

bool OptionNumber(const Options& options, const std::string& name, double& value, std::string& error) {
    const std::string& text = options.values.at(name);
    if (NumberOf(text, value)) return true;
    error = Phrase("после {1} нужно число, а не \"{2}\"", {name, text});
    return false;
}

std::string TakeLossOptions(const Options& options, LossOptions& out) {
    std::string error;
    double layers = 0;
    if (!OptionNumber(options, kAmbient, out.ambient_C, error) || !OptionNumber(options, kTape, out.tape_mm, error) ||
        !OptionNumber(options, kTapeLayers, layers, error) || !OptionNumber(options, kMargin, out.margin_mm, error) ||
        !OptionNumber(options, kRiseLimit, out.riseLimit_K, error))
        return error;
    if (layers != std::floor(layers) || std::fabs(layers) > 1e6)
        return Phrase("после {1} нужно целое число, а не \"{2}\"", {kTapeLayers, options.values.at(kTapeLayers)});
    out.tapeLayers = static_cast<int>(layers);
    const auto flag = options.flags.find(kInterleave);
    out.interleave = flag != options.flags.end() && flag->second;
    const std::vector<std::string> problems = CheckLossOptions(out);
    return problems.empty() ? std::string() : problems.front();
}

void AddAnalysis(const DesignAnalysis& analysis, Result& r) {
    r.json["checks"] = Json::parse(ChecksJson(analysis.checks));
    Json losses = Json::parse(AnalysisJsonText(analysis.losses));
    losses["figures"] = Json::parse(FiguresJson(analysis.figures));
    r.json["analysis"] = losses;
    r.checkError = HasError(analysis.checks);
    r.reportSections.emplace_back("Проверка", Body(ChecksReportLines(analysis.checks)));
    r.reportSections.emplace_back("Дополнительные величины (не из методики расчета)",
                                  Body(FiguresReportLines(analysis.figures)));
    // The analysis's own lines begin with this heading.
    r.reportSections.emplace_back("Намотка и потери", Body(AnalysisReportLines(analysis.losses), 1));
}

void TakeSweep(const SweepRun& run, const Options& options, Result& r) {
    if (!run.ok) {
        r.status = kCannotStart;
        r.error = run.error;
        return;
    }
    const std::vector<Candidate>& candidates = run.sweep.candidates;
    if (options.json)
        r.json = Json::parse(SweepJson(candidates, options.sweep.print), nullptr, true);
    else
        r.report = SweepTable(candidates, options.sweep.print);
}

}  // namespace fb::cli
