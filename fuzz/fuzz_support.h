#pragma once
// Shared pieces of the fuzz targets: a scratch data root and a splitter of the input.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace fbfuzz {

// One scratch folder per process, laid out as a data root.
inline const std::string& ScratchRoot() {
    static const std::string root = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "fbfuzz-XXXXXX").string();
        const char* made = ::mkdtemp(tmpl.data());
        std::string r = made ? made : "/tmp";
        std::filesystem::create_directories(r + "/Bases_Cores");
        std::filesystem::create_directories(r + "/Ferrites_Materials");
        return r;
    }();
    return root;
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Splits the input at 0xFF 0x00 pairs into up to n parts, so one input can carry several texts.
inline std::vector<std::string> Split(const uint8_t* data, size_t size, size_t n) {
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (i + 1 < size && data[i] == 0xFF && data[i + 1] == 0x00 && parts.size() < n) {
            parts.emplace_back();
            ++i;
            continue;
        }
        parts.back() += static_cast<char>(data[i]);
    }
    parts.resize(n);
    return parts;
}

}  // namespace fbfuzz

#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"

namespace fbfuzz {

// The shipped data root, loaded once: the engines are fuzzed on real cores and materials.
struct ShippedData {
    fb::CCoreBase base;
    std::vector<fb::CoreRecord> cores;
    std::vector<fb::CMaterial> materials;
    fb::CWireTable wires;

    ShippedData() {
        const std::string root = std::string(FB_SOURCE_DIR) + "/data/";
        base.Load(root, fb::kBigBuffer, false);
        for (int shape = 0; shape < fb::kShapeCount; ++shape)
            for (const std::string& name : base.ListForShape(shape)) cores.push_back(base.RecordFor(name, shape));
        for (const std::string& name : fb::ListMaterials(root)) {
            materials.emplace_back();
            materials.back().Load(root, name, fb::kBigBuffer);
        }
        wires.Load(root, fb::kBigBuffer);
    }
    static const ShippedData& Get() {
        static const ShippedData data;
        return data;
    }
};

// An engine's fuzz input: a shipped core and material chosen by the first two bytes, flags
// in the third, then the input texts (an empty part keeps the default, "-" empties the text).
struct EngineCase {
    const fb::CoreRecord& core;
    const fb::CMaterial& material;
    uint8_t flags;

    // False when the input is too short to name a core, a material and the flags.
    static bool Valid(size_t size) { return size >= 4; }
    EngineCase(const uint8_t* data)
        : core(Pick(ShippedData::Get().cores, data[0])),
          material(Pick(ShippedData::Get().materials, data[1])),
          flags(data[2]) {}

    template <size_t N>
    static void PutTexts(const uint8_t* data, size_t size, std::string* const (&texts)[N]) {
        const std::vector<std::string> parts = Split(data + 3, size - 3, N);
        for (size_t k = 0; k < N; ++k)
            if (!parts[k].empty()) *texts[k] = parts[k] == "-" ? "" : parts[k];
    }

private:
    template <class T>
    static const T& Pick(const std::vector<T>& v, uint8_t byte) {
        return v[byte % v.size()];
    }
};

}  // namespace fbfuzz
