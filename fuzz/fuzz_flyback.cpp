// The flyback design fed with fuzzed input texts and flags on the shipped cores and materials.
#include "flyback/design/flyback.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const auto& shipped = fbfuzz::ShippedData::Get();
    const fb::CoreRecord& core = shipped.cores[data[0] % shipped.cores.size()];
    const fb::CMaterial& material = shipped.materials[data[1] % shipped.materials.size()];
    const uint8_t flags = data[2];
    const auto p = fbfuzz::Split(data + 3, size - 3, 24);

    fb::FlybackInput in;
    std::string* texts[] = {&in.zazor, &in.Umin, &in.Unom, &in.Umax, &in.Fconv, &in.Umirror, &in.Utrmax, &in.j,
                            &in.Rds,   &in.Unas, &in.Iccm, &in.U21,  &in.I21,   &in.Ud1,     &in.U22,    &in.I22,
                            &in.Ud2,   &in.U23,  &in.I23,  &in.Ud3,  &in.d11,   &in.d21,     &in.d22,    &in.Usense};
    for (size_t k = 0; k < p.size(); ++k)
        if (!p[k].empty()) *texts[k] = p[k] == "-" ? "" : p[k];
    in.setevoe = flags & 1;
    in.Auto = (flags >> 1) & 1;
    in.rds = (flags >> 2) & 1;
    in.yes_d = (flags >> 3) & 1;
    in.yes_al = (flags >> 4) & 1;
    fb::CWireTable wires = shipped.wires;
    fb::DesignFlyback(in, core, material, wires);
    return 0;
}
