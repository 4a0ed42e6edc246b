#include "flyback/design/clamperopening.h"

namespace fb {

ClamperInput ClamperOpening(const FlybackInput& stored, const std::function<std::string(int id)>& shown) {
    ClamperInput c;
    c.Urefl = shown(ctl::kUr);
    c.L1 = shown(ctl::kLp);
    c.L1unit = shown(ctl::kLpUnit);
    c.Ipk = shown(ctl::kIpk);
    c.Fconv = stored.Fconv;
    c.Uclamp = stored.Uclamp;
    c.Ures = stored.Ures;
    c.Ceq = stored.Ceq;
    c.Ls = stored.Ls;
    c.TL1 = stored.TL1;
    c.TLs = stored.TLs;
    return c;
}

}  // namespace fb
