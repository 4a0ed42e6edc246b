#pragma once
// The material and the core a design names, from a data root, loaded the way the programs
// load them.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "common/data/corebase.h"
#include "common/data/material.h"

namespace fbtest {

// Loads `materialName` and selects the core `coreName`; a missing one fails the test and
// gives false.
inline bool LoadMaterialAndCore(const std::string& root, const std::string& materialName, const std::string& coreName,
                                std::size_t materialBuffer, std::size_t coreBuffer, fb::CMaterial& material,
                                fb::CoreRecord& core) {
    const bool loaded = material.Load(root, materialName, materialBuffer);
    EXPECT_TRUE(loaded) << materialName;
    fb::CCoreBase base;
    base.Load(root, coreBuffer, false);
    base.SelectByName(coreName);
    const bool selected = base.OnSelect(core);
    EXPECT_TRUE(selected) << coreName;
    return loaded && selected;
}

}  // namespace fbtest
