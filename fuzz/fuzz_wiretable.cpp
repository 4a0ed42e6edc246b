// A wire table file, then the nearest standard diameter and the wire choice.
#include "common/data/textfile.h"
#include "common/data/wiretable.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fbfuzz::Split(data, size, 2);
    const std::string& root = fbfuzz::ScratchRoot();
    fbfuzz::WriteFile(root + "/Wire.txt", parts[0]);
    fb::CWireTable t;
    if (!t.Load(root, fb::kBigBuffer)) return 0;
    t.NearestStandard(parts[1]);
    for (int yes_d : {0, 1})
        for (double I : {0.0, 0.5, 30.0, 1e300}) {
            t.ChooseWire(I, 5, 0.2, yes_d);
            t.ChooseWire(I, 0, 0, yes_d);
        }
    return 0;
}
