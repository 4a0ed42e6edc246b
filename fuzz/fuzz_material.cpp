// A material file, then both loss lookups over a spread of frequencies and flux densities.
#include "common/data/material.h"
#include "common/data/textfile.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& root = fbfuzz::ScratchRoot();
    fbfuzz::WriteFile(root + "/Ferrites_Materials/M.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    fb::CMaterial m;
    m.Load(root, "M", size % 2 ? fb::kBigBuffer : fb::kPfcSmallBuffer);
    for (double f : {-1.0, 0.0, 10.0, 100.0, 1e6})
        for (double b : {-0.1, 0.0, 0.05, 0.2, 10.0}) {
            m.LossDensity(f, b);
            m.MaxFluxForLoss(f, b * 1000);
        }
    fb::ListMaterials(root);
    return 0;
}
