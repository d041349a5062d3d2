// The geometry sheet's two loaders: whatever they accept passes the records'
// one checks (finite and in its fields' ranges: tooth counts and module
// above zero, angles and lists in range), and the file the sheet saves of it
// loads again unchanged. The same bytes read as two bare records: what the
// checks refuse the save never writes, what they pass loads back equal.
#include <cmath>
#include <cstdint>
#include <span>

#include "cylindrical/calc/geometry_design.h"
#include "fuzz_check.h"

using namespace cylindrical;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);
    if (in.size() >= CyPreRecord::kSize + CyGeomRecord::kSize) {
        auto pre = readCyPreRecord(in.first(CyPreRecord::kSize));
        auto geom = readCyGeomRecord(in.subspan(CyPreRecord::kSize));
        FUZZ_CHECK(pre && geom);
        const auto fault = geometryDesignFault(*pre, *geom);
        auto bytes = geometryDesignSaveBytes(*pre, *geom, 1700000000);
        FUZZ_CHECK(bytes.has_value() == !fault);
        if (bytes) {
            auto back = loadGeometryDesign(*bytes);
            FUZZ_CHECK(back.has_value());
            CyPreRecord p = *pre;
            CyGeomRecord g = *geom;
            p.status = kCyPreStatus;
            g.status = kCyGeomStatus;
            FUZZ_CHECK(back->pre == p && back->geom == g);
        }
    }
    if (auto pre = loadPreliminaryForGeometry(in)) {
        FUZZ_CHECK(!checkCyPreRecord(pre->pre) && calculatedCyPreRecord(pre->pre));
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
    FUZZ_CHECK(!geometryDesignFault(design->pre, g));
    FUZZ_CHECK(g.z1 > 0 && g.z2 >= g.z1 && g.mn > 0 && g.a > 0 && g.ad > 0 && g.status == kCyGeomStatus);
    FUZZ_CHECK(g.alphaNMin >= 0 && g.alphaNMin < 60 && g.betaMin >= 0 && g.betaMin < 60);
    FUZZ_CHECK(g.alphaWtDeg > 0 && g.alphaWtDeg < 90 && g.epsAlpha >= 0 && g.epsAlpha <= kMaxEpsAlpha);
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
