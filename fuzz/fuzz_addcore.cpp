// The add-core checks and record over arbitrary typed texts.
#include "common/data/addcore.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto p = fbfuzz::Split(data, size, 12);
    fb::AddCoreRequest q;
    q.shape = size % 5;
    q.byDims = size % 3 != 0;
    q.byData = !q.byDims;
    q.name = p[0];
    q.mu = p[1];
    q.Ae = p[2];
    q.An = p[3];
    q.le = p[4];
    q.dims = {p[5], p[6], p[7], p[8], p[9], p[10], p[11]};
    fb::PrepareCore(q);
    return 0;
}
