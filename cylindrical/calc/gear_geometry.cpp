#include "cylindrical/calc/gear_geometry.h"

#include <cmath>

#include "common/calc/angle_split.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/calc/shift_distribution.h"

namespace cylindrical {

namespace {

bool complete(const PairGeometryInput& in) {
    return in.z1 > 0 && in.z2 > 0 && in.mn > 0 && in.ad > 0 && in.a > 0 && std::cos(in.betaRad) > 0 &&
           in.alphaNRad > 0;
}

bool allFinite(const GearDimensions& g) {
    for (double v : {g.mt, g.d, g.ha, g.hf, g.da, g.df, g.alphaTRad, g.dw, g.db, g.alphaAtRad})
        if (!std::isfinite(v)) return false;
    return true;
}

// The steps both gears share once d, ha, hf, da and df are known.
fw::Expected<GearDimensions, std::string> finish(const PairGeometryInput& in, GearDimensions g) {
    g.alphaTRad = transversePressureAngle(in.alphaNRad, in.betaRad);
    g.dw = g.d * in.a / in.ad;
    g.db = g.d * std::cos(g.alphaTRad);
    if (!(g.da > g.db)) return fw::unexpected(std::string(kMsgTipInsideBase));
    g.alphaAtRad = std::acos(g.db / g.da);
    if (!allFinite(g)) return fw::unexpected(std::string(kMsgNoPairData));
    return g;
}

}  // namespace

PairGeometryInput pairGeometryInput(const CyGeomRecord& r) {
    PairGeometryInput in;
    in.z1 = r.z1;
    in.z2 = r.z2;
    in.mn = r.mn;
    in.betaRad = kavrin::tripleToRadians({r.betaDeg, r.betaMin, r.betaSec});
    in.alphaNRad = kavrin::tripleToRadians({r.alphaNDeg, r.alphaNMin, r.alphaNSec});
    in.haStar = r.haStar;
    in.cStar = cStarOfIndex(r.cStarIndex);
    in.xn1 = r.xn1;
    in.xn2 = r.xn2;
    in.yn = r.yn;
    in.a = r.a;
    in.ad = r.ad;
    in.meshType = kavrin::meshTypeOf(r.meshType);
    return in;
}

double pinionTipDiameter(const PairGeometryInput& in, double d1) {
    double ha1 = in.meshType == MeshType::Internal ? in.haStar + in.xn2 - in.yn : in.haStar - in.xn2 + in.yn;
    return d1 + 2 * ha1 * in.mn;
}

double gearTipDiameter(const PairGeometryInput& in, double d2) {
    if (in.meshType == MeshType::Internal) return d2 - 2 * (in.haStar - in.xn1 - in.yn) * in.mn;
    return d2 + 2 * (in.haStar - in.xn1 + in.yn) * in.mn;
}

fw::Expected<GearDimensions, std::string> pinionGeometry(const PairGeometryInput& in) {
    if (!complete(in)) return fw::unexpected(std::string(kMsgNoPairData));
    GearDimensions g;
    g.mt = in.mn / std::cos(in.betaRad);
    g.d = in.z1 * g.mt;
    g.ha = (in.meshType == MeshType::Internal ? in.haStar + in.xn2 - in.yn : in.haStar - in.xn2 + in.yn) * in.mn;
    g.hf = (in.haStar + in.cStar - in.xn1) * in.mn;
    g.da = g.d + 2 * g.ha;
    g.df = g.d - 2 * g.hf;
    return finish(in, g);
}

fw::Expected<GearDimensions, std::string> gearGeometry(const PairGeometryInput& in) {
    if (!complete(in)) return fw::unexpected(std::string(kMsgNoPairData));
    GearDimensions g;
    g.mt = in.mn / std::cos(in.betaRad);
    g.d = in.z2 * g.mt;
    if (in.meshType == MeshType::Internal) {
        g.ha = (in.haStar - in.xn1 - in.yn) * in.mn;
        g.hf = (in.haStar + in.cStar + in.xn2) * in.mn;
        g.da = g.d - 2 * g.ha;
        g.df = g.d + 2 * g.hf;
    } else {
        g.ha = (in.haStar - in.xn1 + in.yn) * in.mn;
        g.hf = (in.haStar + in.cStar - in.xn2) * in.mn;
        g.da = g.d + 2 * g.ha;
        g.df = g.d - 2 * g.hf;
    }
    return finish(in, g);
}

}  // namespace cylindrical
