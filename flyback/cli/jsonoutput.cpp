#include <nlohmann/json.hpp>

#include "common/data/english.h"
#include "common/data/numbers.h"
#include "flyback/cli/output.h"
#include "flyback/design/fields.h"

namespace fb {
namespace {

using cli::Json;

std::string TextOf(const std::map<int, std::string>& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? std::string() : it->second;
}

Json InputsJson(const FlybackInput& in) {
    Json j = Json::object();
    for (const KeyField<FlybackInput>& f : FlybackKeyTable()) j[f.key] = f.ValueText(in);
    return j;
}

Json CoreJson(const CoreRecord& core) {
    Json j = Json::object();
    j["name"] = core.name;
    j["shape"] = core.shape;
    j["Ae"] = core.AeText;
    j["An"] = core.AnText;
    j["le"] = core.leText;
    j["mu"] = core.muText;
    j["Ve"] = core.VeText;
    // A non-finite coefficient has no JSON number; nlohmann writes it as null.
    j["k1"] = core.k1;
    j["k2"] = core.k2;
    return j;
}

Json ByControl(const std::vector<int>& ids, const std::map<int, std::string>& texts) {
    Json j = Json::object();
    for (int id : ids) j[FormatInt(id)] = LocalizedRuns(TextOf(texts, id));  // as is in Russian
    return j;
}

Json ClamperJson(const CalcRun& run) {
    Json inputs = Json::object();
    for (const ClamperField& f : ClamperFields()) inputs[f.name] = run.clamperIn.*f.text;
    Json results = Json::object();
    for (const auto& [id, text] : ClamperResultTexts(run.clamperIn, run.clamperOut)) results[FormatInt(id)] = text;
    const ClamperModeLabels mode = ModeLabels(run.clamperIn.reverse);
    Json labels = Json::object();
    labels[FormatInt(clamperid::FirstLabel)] = LocalizedRuns(mode.label);
    labels[FormatInt(clamperid::FirstUnit)] = LocalizedRuns(mode.unit);
    return Json{{"inputs", inputs}, {"results", results}, {"labels", labels}};
}

// Every input of the form and the clamper window, then every result, with caption and unit.
Json FieldsJson(const CalcRun& run) {
    const FlybackOutcome& out = run.outcome;
    Json fields = Json::array();
    for (const InputField<FlybackInput>& f : FlybackFields()) {
        const bool zazor = std::string(f.key) == "zazor";
        const std::string caption = zazor ? ZazorCaption(out.input.yes_al) : f.caption;
        const std::string unit = zazor && out.input.yes_al ? "нГн/виток^2" : f.unit;
        fields.push_back(cli::FieldEntry("key", f.key, caption, unit, f.Text(out.input)));
    }
    for (const ResultField& f : FlybackResultFields()) {
        const bool required = f.id == ctl::kRequired;
        const std::string caption = required ? TextOf(out.labels, ctl::kRequiredCaption) : f.caption;
        const std::string unit = f.unitLabel ? TextOf(out.labels, f.unitLabel) : f.unit;
        fields.push_back(cli::FieldEntry("id", f.id, caption, unit, TextOf(out.results, f.id)));
    }
    for (const ClamperField& f : ClamperFields())
        fields.push_back(
            cli::FieldEntry("key", std::string("clamper.") + f.name, f.caption, f.unit, run.clamperIn.*f.text));
    const ClamperModeLabels mode = ModeLabels(run.clamperIn.reverse);
    for (const auto& [id, text] : ClamperResultTexts(run.clamperIn, run.clamperOut))
        for (const ResultField& f : ClamperResultFields())
            if (f.id == id) {
                const bool first = id == clamperid::FirstResult;
                fields.push_back(cli::FieldEntry("id", "clamper." + FormatInt(id), first ? mode.label : f.caption,
                                                 first ? mode.unit : f.unit, text));
            }
    return fields;
}

}  // namespace

Json CalcJson(const CalcRun& run) {
    const FlybackOutcome& out = run.outcome;
    Json j = Json::object();
    j["inputs"] = InputsJson(out.input);
    j["core"] = CoreJson(run.core);
    j["material"] = run.materialLoaded;
    j["results"] = ByControl(FlybackResultControls(), out.results);
    j["labels"] = ByControl({ctl::kLpUnit, ctl::kRequiredCaption, ctl::kRequiredUnit}, out.labels);
    j["tooltips"] = ByControl(FlybackTooltipTools(), out.tooltips);
    Json messages = Json::array();
    for (const Message& m : run.messages)
        messages.push_back(Json{{"caption", Localized(m.caption)}, {"text", LocalizedRuns(m.text)}});
    j["messages"] = messages;
    j["clamper"] = ClamperJson(run);
    j["fields"] = FieldsJson(run);
    return j;
}

}  // namespace fb
