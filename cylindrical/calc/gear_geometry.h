// The pinion and gear pages of the geometry sheet: reference, tip, root,
// pitch and base diameters and the tip pressure angle of each gear.
#pragma once
#include <optional>
#include <string>

#include "common/calc/gear_kinds.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "fw/expected.h"

namespace cylindrical {

using kavrin::MeshType;

// Refusals of the pages (shown in place of the listing).
inline constexpr const char* kMsgNoPairData = "请先装入预定计算数据！";
inline constexpr const char* kMsgTipInsideBase = "齿顶圆直径不大于基圆直径，齿顶圆压力角无法计算！";
// A length of the gear that must be positive and is not (wording ours).
std::string lengthNotPositive(const char* quantity);

// The pair as the pages take it from the record.
struct PairGeometryInput {
    int z1 = 0;
    int z2 = 0;
    double mn = 0;
    double betaRad = 0;
    double alphaNRad = 0;
    double haStar = 1.0;
    double cStar = 0.25;
    double xn1 = 0;
    double xn2 = 0;
    double yn = 0;
    double a = 0;
    double ad = 0;
    MeshType meshType = MeshType::External;
    bool operator==(const PairGeometryInput&) const = default;
};
// β and αn from their degrees, minutes and seconds; c* from its index.
PairGeometryInput pairGeometryInput(const CyGeomRecord& r);

// What keeps the pages from computing the pair, named: teeth, module and
// standard centre distance missing (kMsgNoPairData), the pressure angle
// out of its range, |β| beyond 60°, and (needCentreDistance) the design
// centre distance not above zero. nullopt when the pair can be computed.
std::optional<std::string> pairDataFault(const PairGeometryInput& in, bool needCentreDistance);

struct GearDimensions {
    double mt = 0;         // transverse module
    double d = 0;          // reference diameter
    double ha = 0;         // addendum
    double hf = 0;         // dedendum
    double da = 0;         // tip diameter
    double df = 0;         // root diameter
    double alphaTRad = 0;  // transverse pressure angle
    double dw = 0;         // pitch diameter d·a/ad
    double db = 0;         // base diameter
    double alphaAtRad = 0; // tip pressure angle acos(db/da)
};

// "计 算" and "输出报告" of page 2 (pinion) and page 3 (gear or internal gear).
// Refused with pairDataFault's reason when the pair is not complete, with
// kMsgTipInsideBase when da ≤ db and with lengthNotPositive when a diameter
// comes out not above zero; every result is finite.
fw::Expected<GearDimensions, std::string> pinionGeometry(const PairGeometryInput& in);
fw::Expected<GearDimensions, std::string> gearGeometry(const PairGeometryInput& in);

// Tip diameters as the characteristic page computes them:
// external da1 = d1 + 2(ha* − xn2 + yn)mn, da2 = d2 + 2(ha* − xn1 + yn)mn;
// internal da1 = d1 + 2(ha* + xn2 − yn)mn, da2 = d2 − 2(ha* − xn1 − yn)mn.
double pinionTipDiameter(const PairGeometryInput& in, double d1);
double gearTipDiameter(const PairGeometryInput& in, double d2);

}  // namespace cylindrical
