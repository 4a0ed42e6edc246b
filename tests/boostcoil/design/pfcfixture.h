#pragma once
// The small data root of pfctestdata.h loaded the way the choke window loads it.
#include <gtest/gtest.h>

#include <string>

#include "boostcoil/design/pfc.h"
#include "common/data/corebase.h"
#include "common/data/material.h"
#include "common/data/textfile.h"
#include "common/data/wiretable.h"
#include "pfctestdata.h"

namespace pfctest {

class LoadedDataRoot : public ::testing::Test {
protected:
    void SetUp() override {
        WriteDataRoot(m_dir);
        ASSERT_TRUE(wires.Load(m_dir.path(), fb::kPfcSmallBuffer));
        ASSERT_TRUE(material.Load(m_dir.path(), "N87 Epcos", fb::kPfcSmallBuffer));
        cores.Load(m_dir.path(), fb::kPfcCoreBuffer, false);
    }
    fb::CoreRecord Core(const std::string& name) {
        cores.SelectByName(name);
        fb::CoreRecord rec;
        EXPECT_TRUE(cores.OnSelect(rec)) << name;
        return rec;
    }

    fbtest::TempDir m_dir;
    fb::CWireTable wires;
    fb::CMaterial material;
    fb::CCoreBase cores;
};

}  // namespace pfctest
