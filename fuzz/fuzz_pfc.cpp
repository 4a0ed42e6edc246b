// The PFC choke design fed with fuzzed input texts and flags on the shipped cores and materials.
#include "boostcoil/design/pfc.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fbfuzz::EngineCase::Valid(size)) return 0;
    const fbfuzz::EngineCase c(data);
    fb::PfcInput in;
    std::string* const texts[] = {&in.zazor, &in.Fr,    &in.Irip,  &in.j,  &in.Umin, &in.Umax,
                                  &in.U2min, &in.U2nom, &in.U2max, &in.P2, &in.d11};
    fbfuzz::EngineCase::PutTexts(data, size, texts);
    in.yes_d = c.flags & 1;
    in.yes_al = (c.flags >> 1) & 1;
    fb::CalculateChoke(in, c.core, c.material, fbfuzz::ShippedData::Get().wires);
    return 0;
}
