#include "cylindrical/calc/gear_geometry.h"

#include <cmath>

#include "common/calc/angle_split.h"
#include "common/calc/quantity.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/calc/shift_distribution.h"

namespace cylindrical {

namespace {

// Finite and printable: a value no report format holds is no result.
bool allFinite(const GearDimensions& g) {
    return kavrin::allPrintable({g.mt, g.d, g.ha, g.hf, g.da, g.df, g.alphaTRad, g.dw, g.db, g.alphaAtRad});
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

// The diameters of a gear, named as the listing names them.
std::optional<std::string> diameterFault(const GearDimensions& g, GearSide side) {
    const bool pinion = side == GearSide::Pinion;
    if (!(g.da > 0)) return lengthNotPositive(pinion ? "齿顶圆直径 da1" : "齿顶圆直径 da2");
    if (!(g.df > 0)) return lengthNotPositive(pinion ? "齿根圆直径 df1" : "齿根圆直径 df2");
    return std::nullopt;
}

}  // namespace

std::string lengthNotPositive(const char* quantity) {
    return std::string(quantity) + "不大于零，请修正变位系数或中心距！";
}

std::optional<std::string> pairDataFault(const PairGeometryInput& in, bool needCentreDistance) {
    if (!(in.z1 > 0 && in.z2 > 0 && in.mn > 0 && in.ad > 0)) return std::string(kMsgNoPairData);
    if (!(in.alphaNRad > 0 && in.alphaNRad * 180 / 3.141592653589793 <= kMaxPressureAngleDeg))
        return std::string(kMsgPressureAngleRange);
    if (!(std::cos(in.betaRad) > 0) || std::fabs(in.betaRad) * 180 / 3.141592653589793 > kMaxHelixDeg + 1e-9)
        return std::string(kMsgHelixTooLarge);
    if (needCentreDistance && !(in.a > 0)) return std::string(kMsgCentreDistancePositive);
    return std::nullopt;
}

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
    if (auto fault = pairDataFault(in, true)) return fw::unexpected(*fault);
    GearDimensions g;
    g.mt = in.mn / std::cos(in.betaRad);
    g.d = in.z1 * g.mt;
    g.ha = (in.meshType == MeshType::Internal ? in.haStar + in.xn2 - in.yn : in.haStar - in.xn2 + in.yn) * in.mn;
    g.hf = (in.haStar + in.cStar - in.xn1) * in.mn;
    g.da = g.d + 2 * g.ha;
    g.df = g.d - 2 * g.hf;
    if (auto fault = diameterFault(g, GearSide::Pinion)) return fw::unexpected(*fault);
    return finish(in, g);
}

fw::Expected<GearDimensions, std::string> gearGeometry(const PairGeometryInput& in) {
    if (auto fault = pairDataFault(in, true)) return fw::unexpected(*fault);
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
    if (auto fault = diameterFault(g, GearSide::Gear)) return fw::unexpected(*fault);
    return finish(in, g);
}

}  // namespace cylindrical
