// The flyback design fed with fuzzed input texts and flags on the shipped cores and materials.
#include "flyback/design/flyback.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fbfuzz::EngineCase::Valid(size)) return 0;
    const fbfuzz::EngineCase c(data);
    fb::FlybackInput in;
    std::string* const texts[] = {&in.zazor,  &in.Umin, &in.Unom, &in.Umax, &in.Fconv, &in.Umirror,
                                  &in.Utrmax, &in.j,    &in.Rds,  &in.Unas, &in.Iccm,  &in.U21,
                                  &in.I21,    &in.Ud1,  &in.U22,  &in.I22,  &in.Ud2,   &in.U23,
                                  &in.I23,    &in.Ud3,  &in.d11,  &in.d21,  &in.d22,   &in.Usense};
    fbfuzz::EngineCase::PutTexts(data, size, texts);
    in.setevoe = c.flags & 1;
    in.Auto = (c.flags >> 1) & 1;
    in.rds = (c.flags >> 2) & 1;
    in.yes_d = (c.flags >> 3) & 1;
    in.yes_al = (c.flags >> 4) & 1;
    fb::CWireTable wires = fbfuzz::ShippedData::Get().wires;
    fb::DesignFlyback(in, c.core, c.material, wires);
    return 0;
}
