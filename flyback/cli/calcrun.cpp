#include "flyback/cli/calcrun.h"

#include "common/data/material.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"

namespace fb {
namespace {

// The window's farewell messages span lines; the tool reports their first.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

const char* ShapeCaption(int shape) {
    static const char* const names[kShapeCount] = {"E", "ЕI", "ER", "ETD", "Другая"};
    return shape >= 0 && shape < kShapeCount ? names[shape] : "";
}

}  // namespace

ClamperInput ClamperInputFor(const FlybackOutcome& outcome) {
    auto text = [](const std::map<int, std::string>& m, int id) {
        const auto it = m.find(id);
        return it == m.end() ? std::string() : it->second;
    };
    const FlybackInput& in = outcome.input;
    ClamperInput c;
    c.Urefl = text(outcome.results, ctl::kUr);
    c.L1 = text(outcome.results, ctl::kLp);
    c.L1unit = text(outcome.labels, ctl::kLpUnit);
    c.Ipk = text(outcome.results, ctl::kIpk);
    c.Fconv = in.Fconv;
    c.Uclamp = in.Uclamp;
    c.Ures = in.Ures;
    c.Ceq = in.Ceq;
    c.Ls = in.Ls;
    c.TL1 = in.TL1;
    c.TLs = in.TLs;
    return c;
}

CalcRun RunFlybackCalc(const CalcOptions& options) {
    CalcRun run;
    const std::string& root = options.dataRoot;

    CWireTable wires;
    if (!wires.Load(root, kBigBuffer)) {
        run.error = FirstLine(CWireTable::MissingFileMessage(root).text);
        return run;
    }

    FlybackInput in;
    if (!FlybackDesignFile().Read(options.file, in)) {
        run.error = "Не удалось прочитать файл \"" + options.file + "\"";
        return run;
    }
    if (in.mater.empty()) in.mater = kDefaultMaterial;
    in.Usense = options.usense;

    const std::vector<std::string> materials = ListMaterials(root);
    if (materials.empty()) {
        run.error = "В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.";
        return run;
    }
    const MaterialChoice choice = SelectInitial(materials, in.mater);
    CMaterial material;
    if (LoadChosenMaterial(material, root, materials, choice, kBigBuffer)) run.materialLoaded = material.name;
    // A file that opened but lacks a limit goes on to the design, whose guard names it; a file
    // that could not be read at all (no permission, not a plain file) stops here.
    if (material.name.empty()) {
        run.error = "Не удалось прочитать файл материала \"" + choice.loadName + ".txt\".";
        return run;
    }
    // The combo box shows the selected entry, and the design reads the form.
    if (choice.index >= 0) in.mater = materials[choice.index];

    CCoreBase base;
    run.messages = base.Load(root, kBigBuffer, false);
    base.SelectByName(in.core);
    run.outcome.input = in;
    if (!base.OnSelect(run.core)) {
        run.status = CalcStatus::CoreNotFound;
        run.error = "Сердечник \"" + in.core + "\" отсутствует в списке формы \"" + ShapeCaption(base.shape) + "\"";
        return run;
    }
    in.core = base.currentName;

    run.outcome = DesignFlyback(in, run.core, material, wires);
    run.messages.insert(run.messages.end(), run.outcome.messages.begin(), run.outcome.messages.end());

    // The clamper window as it opens on this design: the estimate, then the direct calculation.
    run.clamperIn = ClamperInputFor(run.outcome);
    EstimateLeakage(run.clamperIn, run.clamperOut);
    CalculateClamper(run.clamperIn, run.clamperOut);
    run.status = CalcStatus::Done;
    return run;
}

}  // namespace fb
