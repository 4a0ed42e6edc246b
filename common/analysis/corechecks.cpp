#include "common/analysis/corechecks.h"

namespace fb {

void CheckCoreUse(const CoreUseData& d, const CMaterial& material, Checks& out) {
    CheckFlux({d.Bpk, d.Blim, material.Bmax}, out);
    CheckTrip({d.Ipk, d.Itrip, d.Bpk, material.Bmax}, out);
    CheckFill({d.insulatedFill, 0.3}, out);
    if (material.Usable())
        CheckLossRange({d.f, d.Bac, material.Fv(1), material.LastFrequency(), material.Bv(1), material.Bv(material.nB),
                        material.name},
                       out);
}

}  // namespace fb
