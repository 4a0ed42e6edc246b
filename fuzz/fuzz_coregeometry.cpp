// The geometry reader over an arbitrary user geometry file and core name, and the estimates
// from arbitrary figures: no crash, and whatever is returned is finite.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/data/coregeometry.h"
#include "common/data/textcodec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fbfuzz::Split(data, size, 2);
    fbfuzz::WriteFile(fbfuzz::ScratchRoot() + "/Bases_Cores/" + fb::kUserGeometryName, parts[0]);
    fb::CCoreGeometry geometry;
    geometry.Load(fbfuzz::ScratchRoot());
    double v[3] = {0, 0, 0};
    std::memcpy(v, parts[1].data(), std::min(sizeof v, parts[1].size()));
    const fb::CoreGeometry g = geometry.For(fb::Cp1251ToUtf8(parts[1]), v[0], v[1], v[2]);
    if (!std::isfinite(g.mlt) || !std::isfinite(g.surface) || !std::isfinite(g.mass)) std::abort();
    const fb::CoreGeometry d =
        fb::GeometryFromDims(int(size % 5), v[0], v[1], v[2], v[0], v[1], v[2], v[0], v[1], v[2]);
    if (!std::isfinite(d.mlt) || !std::isfinite(d.surface)) std::abort();
    return 0;
}
