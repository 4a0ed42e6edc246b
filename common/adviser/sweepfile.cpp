#include "common/adviser/sweepfile.h"

#include "common/data/english.h"

namespace fb {

SweepRun SweepCatalogueOf(const std::string& dataRoot, std::size_t coreBuffer, std::size_t materialBuffer,
                          const Evaluator& evaluate, const SweepOptions& options) {
    SweepRun run;
    const SweepCatalogue catalogue = LoadSweepCatalogue(dataRoot, coreBuffer, materialBuffer);
    if (catalogue.materials.empty()) {
        run.error = Localized("В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.");
        return run;
    }
    if (catalogue.cores.empty()) {
        run.error = Localized("В папке \"Bases_Cores\" нет ни одного сердечника.");
        return run;
    }
    run.sweep = RunSweep(catalogue, evaluate, options);
    run.ok = true;
    return run;
}

}  // namespace fb
