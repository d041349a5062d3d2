// The geometry sheet's two loaders: whatever they accept is finite and in
// its fields' ranges (tooth counts and module above zero, angles and lists
// in range), and the file the sheet saves of it loads again unchanged.
#include <cmath>
#include <cstdint>
#include <span>

#include "cylindrical/calc/geometry_design.h"
#include "fuzz_check.h"

using namespace cylindrical;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    if (auto pre = loadPreliminaryForGeometry(in)) {
        FUZZ_CHECK(acceptableCyPreRecord(pre->pre, -60, 60) && calculatedCyPreRecord(pre->pre));
        // What page 1 derives from it stays finite.
        PairState s;
        PairUpdate u = pairFromPreliminary(pre->pre, s);
        FUZZ_CHECK(std::isfinite(u.state.mt) && std::isfinite(u.state.ad) && std::isfinite(u.state.zv1) &&
                   std::isfinite(u.state.zv2));
    } else {
        FUZZ_CHECK(!pre.error().empty());
    }
    auto design = loadGeometryDesign(in);
    if (!design) {
        FUZZ_CHECK(!design.error().empty());
        return 0;
    }
    const CyGeomRecord& g = design->geom;
    FUZZ_CHECK(plausible(g) && finiteCyGeomRecord(g) && acceptableCyPreRecord(design->pre, -60, 60));
    FUZZ_CHECK(g.z1 > 0 && g.z2 > 0 && g.mn > 0 && g.status == kCyGeomStatus);
    FUZZ_CHECK(g.alphaNMin >= 0 && g.alphaNMin < 60 && g.betaMin > -60 && g.betaMin < 60);
    PairState s = pairFromGeometry(g, PairState{});
    FUZZ_CHECK(std::isfinite(s.mt) && std::isfinite(s.ad) && std::isfinite(s.zv1) && std::isfinite(s.zv2));

    // The save writes both status words (101, 102); everything else comes back.
    const auto saved = geometryDesignFileBytes(design->pre, g, 1700000000);
    auto again = loadGeometryDesign(saved);
    FUZZ_CHECK(again.has_value());
    CyGeomRecord expectGeom = g;
    expectGeom.status = kCyGeomStatus;
    CyPreRecord expectPre = design->pre;
    expectPre.status = kCyPreStatus;
    FUZZ_CHECK(writeCyGeomRecord(again->geom) == writeCyGeomRecord(expectGeom));
    FUZZ_CHECK(writeCyPreRecord(again->pre) == writeCyPreRecord(expectPre));
    FUZZ_CHECK(geometryDesignFileBytes(again->pre, again->geom, 1700000000) == saved);  // a fixed point
    return 0;
}
