#pragma once
// What the adviser tests of both programs compare a candidate with: the data the single design
// of its pair is analysed with, loaded as the program loads it, and that analysis.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/adviser/candidate.h"
#include "common/analysis/designanalysis.h"
#include "common/data/coregeometry.h"
#include "common/data/material.h"
#include "common/data/wiretable.h"

namespace fbtest {

struct SingleDesignData {
    fb::CMaterial material;
    fb::CWireTable wires;
    fb::CoreGeometry geometry;  // of the core the single design ran on, from the root's files
};

inline SingleDesignData LoadSingleDesignData(const std::string& root, const std::string& material, std::size_t buffer,
                                             const fb::CoreRecord& core) {
    SingleDesignData d;
    d.material.Load(root, material, buffer);
    d.wires.Load(root, buffer);
    fb::CCoreGeometry geometries;
    geometries.Load(root);
    d.geometry = geometries.For(core.name, core.Ae, core.An, core.le);
    return d;
}

// The candidate's checks print as the single design's, it works when none is an error, and its
// loss numbers are the analysis's own numbers. `undefinedAlike`: a number that is not one in
// both counts as the same.
inline void ExpectCandidateAsAnalysed(const fb::Candidate& c, const fb::DesignAnalysis& a, const fb::CoreGeometry& g,
                                      bool undefinedAlike) {
    EXPECT_EQ(fb::CandidateChecksJson(c.checks), fb::ChecksJson(a.checks)) << c.core << " " << c.material;
    EXPECT_EQ(c.works, !fb::HasError(a.checks));
    if (!a.losses.valid) return;
    auto same = [&](double x, double y) {
        if (undefinedAlike && std::isnan(x) && std::isnan(y)) return;
        EXPECT_EQ(x, y) << c.core << " " << c.material;
    };
    same(c.copperLoss, a.losses.copperLoss);
    same(c.totalLoss, a.losses.totalLoss);
    same(c.temperatureRise, a.losses.rise);
    same(c.buildFill, a.losses.buildFill);
    EXPECT_EQ(c.mass, g.mass);
}

}  // namespace fbtest
