// The PFC choke design fed with fuzzed input texts and flags on the shipped cores and materials.
#include "boostcoil/design/pfc.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const auto& shipped = fbfuzz::ShippedData::Get();
    const fb::CoreRecord& core = shipped.cores[data[0] % shipped.cores.size()];
    const fb::CMaterial& material = shipped.materials[data[1] % shipped.materials.size()];
    const uint8_t flags = data[2];
    const auto p = fbfuzz::Split(data + 3, size - 3, 11);

    fb::PfcInput in;
    std::string* texts[] = {&in.zazor, &in.Fr,    &in.Irip,  &in.j,  &in.Umin, &in.Umax,
                            &in.U2min, &in.U2nom, &in.U2max, &in.P2, &in.d11};
    for (size_t k = 0; k < p.size(); ++k)
        if (!p[k].empty()) *texts[k] = p[k] == "-" ? "" : p[k];
    in.yes_d = flags & 1;
    in.yes_al = (flags >> 1) & 1;
    fb::CalculateChoke(in, core, material, shipped.wires);
    return 0;
}
