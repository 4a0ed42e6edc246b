#include "boostcoil/cli/calcrun.h"

#include "boostcoil/design/pfckeys.h"
#include "common/data/material.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

CalcRun Stop(CalcRun run, const std::string& why) {
    run.status = CalcRun::Status::CannotStart;
    run.error = why;
    // The window's start-up messages end with a line of farewell; one line suits stderr.
    for (char& c : run.error)
        if (c == '\n') c = ' ';
    return run;
}

}  // namespace

CalcRun RunDesignFile(const std::string& dataRoot, const std::string& designFile) {
    CalcRun run;
    CWireTable wires;
    if (!wires.Load(dataRoot, kPfcSmallBuffer)) return Stop(run, CWireTable::MissingFileMessage(dataRoot).text);
    if (!PfcDesignFile().Read(designFile, run.input))
        return Stop(run, "Не удалось прочитать файл \"" + designFile + "\".");
    if (run.input.mater.empty()) run.input.mater = kDefaultMaterial;

    const std::vector<std::string> materials = ListMaterials(dataRoot);
    if (materials.empty())
        return Stop(run, "В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.");
    const MaterialChoice choice = SelectInitial(materials, run.input.mater);
    CMaterial material;
    LoadChosenMaterial(material, dataRoot, materials, choice, kPfcSmallBuffer);
    // A file that opened but lacks a limit still loads (the window goes on with it); only a
    // file that could not be read at all stops here.
    if (material.name.empty())
        return Stop(run, "Не удалось прочитать файл материала \"" + choice.loadName + ".txt\".");
    // The combo box shows the entry; the next form -> fields takes that text.
    if (choice.index >= 0 && choice.index < static_cast<int>(materials.size()))
        run.input.mater = materials[choice.index];
    run.material = material.name;

    CCoreBase cores;
    Messages startup = cores.Load(dataRoot, kPfcCoreBuffer, false);
    run.messages = startup;
    cores.SelectByName(run.input.core);
    if (!cores.OnSelect(run.core)) {
        run.status = CalcRun::Status::CoreNotListed;
        run.error = "Сердечник \"" + run.input.core + "\" отсутствует в списке сердечников своей формы.";
        return run;
    }
    run.input.core = run.core.name;
    run.result = CalculateChoke(run.input, run.core, material, wires);
    run.input = run.result.input;
    run.core = run.result.core;
    run.messages.insert(run.messages.end(), run.result.messages.begin(), run.result.messages.end());
    run.status = CalcRun::Status::Calculated;
    return run;
}

}  // namespace fb
