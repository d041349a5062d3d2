// The designs the record tests start from: one of each geometry family as
// its geometry step computes it.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "fw/file.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_file.h"

namespace worm::test {

inline std::vector<std::uint8_t> fixtureBytes(const char* name) {
    auto b = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "worm/tests/fixtures" / name);
    EXPECT_TRUE(b) << name;
    return b ? *b : std::vector<std::uint8_t>{};
}

struct Design {
    const char* name;
    CwPreRecord pre;
    CwGeomRecord geom;
};

// The chain design (ordinary ZA), the arc design as ZC1 at a' 130 and as
// ZC3 at a' 132.5, in that order.
inline std::vector<Design> familyDesigns() {
    std::vector<Design> d;
    auto chain = loadForRating(fixtureBytes("cw_chain_geom.cwb"));
    EXPECT_TRUE(chain);
    if (chain && chain->geom) d.push_back({"ordinary", chain->pre, *chain->geom});
    auto zc = loadForPreliminary(fixtureBytes("cw_zc.cwb"));
    EXPECT_TRUE(zc);
    if (!zc) return d;
    arc::Zc1 z1 = *arc::zc1Start(zc->pre);
    z1.g.aw = 130;
    EXPECT_TRUE(arc::zc1Calculate(z1));
    d.push_back({"ZC1", zc->pre, z1.g});
    CwGeomRecord z3 = *arc::zc3Start(zc->pre);
    z3.aw = 132.5;
    EXPECT_TRUE(arc::zc3Calculate(z3));
    d.push_back({"ZC3", zc->pre, z3});
    return d;
}

}  // namespace worm::test
