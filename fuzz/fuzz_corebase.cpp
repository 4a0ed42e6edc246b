// The core catalogue: load, every shape's list, selection by name and by position.
#include "common/data/corebase.h"
#include "common/data/textfile.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fbfuzz::Split(data, size, 3);
    const std::string& root = fbfuzz::ScratchRoot();
    fbfuzz::WriteFile(root + "/Bases_Cores/FerritesCores.txt", parts[0]);
    fbfuzz::WriteFile(root + "/Bases_Cores/UserFerritesCores.txt", parts[1]);
    fb::CCoreBase base;
    base.Load(root, fb::kBigBuffer);
    fb::CoreRecord record;
    for (int shape = 0; shape < fb::kShapeCount; ++shape) {
        for (const std::string& name : base.ListForShape(shape)) base.RecordFor(name, shape);
        base.OnShapeChanged(shape, shape % 2 ? fb::ShapeLowering::ToFirst : fb::ShapeLowering::ToLast);
        base.OnSelect(record);
    }
    base.SelectByName(parts[2]);
    base.OnSelect(record);
    return 0;
}
