// The geometry of an orthogonal spiral or zerol bevel gear pair (tooth
// systems 3 to 6). The dialog asks its questions between the steps: the
// face width after spiralCones, the face contact advice after
// spiralGeometry, and it chooses the cutter before heelFromCutter.
#pragma once
#include <cstdint>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cutter_tables.h"
#include "common/calc/angle_split.h"
#include "fw/expected.h"

namespace bevel {

struct SpiralInput {
    std::uint32_t z1 = 0, z2 = 0;
    double m = 0;
    kavrin::AngleTriple alpha{20, 0, 0};
    kavrin::AngleTriple betaM{35, 0, 0};
    double haStar = 1.0, cStar = 0.188;
    double x1 = 0, x2 = 0, xt1 = 0, xt2 = 0;
    double phiR = 0.25;
    double b = 0;
    bool faceWidthSet = false;
    std::int32_t taper = kTaperEqualClearance;  // 1, 2 or 3
    friend bool operator==(const SpiralInput&, const SpiralInput&) = default;
};

inline constexpr const char* kMsgSpiralSmallModule = "模数小于等于2.5时若限制于小刀盘加工，建议βm小于或等于25°";
inline constexpr const char* kMsgSpiralAlpha = "请选取规范的齿形角：20°,22°30′或25°;\n重新计算!";
inline constexpr const char* kMsgSpiralCutterSmall = "选用的铣刀盘名义直径太小，程序不支持。";
inline constexpr const char* kMsgSpiralIncomplete = "输入的预定数据不齐全或有非法数据，请重新计算!";
inline constexpr const char* kMsgSpiralNoCutter = "没有适用的标准铣刀盘，请输入自定义刀盘名义直径后重新计算!";

// Step 2: the small-module advice (m below 2.5 and the degrees of βm above 25).
bool spiralSmallModuleAdvice(const SpiralInput& in);

struct SpiralCones {
    double d1 = 0, d2 = 0;
    double delta1 = 0, delta2 = 0;  // rad
    double r = 0;
    double b = 0;
};
// Steps 3 to 6 (b = φR·R unless the user set it).
SpiralCones spiralCones(const SpiralInput& in);

struct SpiralResult {
    SpiralCones cones;
    double ha1 = 0, ha2 = 0, h = 0, hf1 = 0, hf2 = 0;
    double da1 = 0, da2 = 0;
    double zp = 0;
    double dThetaF = 0;  // minutes of arc
    double thetaF1 = 0, thetaF2 = 0, thetaA1 = 0, thetaA2 = 0;
    double deltaA1 = 0, deltaA2 = 0, deltaF1 = 0, deltaF2 = 0;
    double ak1 = 0, ak2 = 0;
    double epsBeta = 0;
    double betaMin = 0;  // rad; > 0 when the face contact ratio is below 1.25 (the advice)
    double zv1 = 0, zv2 = 0;
    double epsAlpha = 0;
};
// Steps 7 to 14, 18 and 19. Refused with kMsgSpiralAlpha (duplex taper with
// another α than 20°, 22°30′, 25°) or kMsgSpiralIncomplete (a result not finite).
fw::Expected<SpiralResult, std::string> spiralGeometry(const SpiralInput& in, const SpiralCones& cones);

struct SpiralHeel {
    double beta = 0;  // outer spiral angle, rad
    double s1 = 0, s2 = 0;
};
// Steps 16 and 17 for the cutter diameter d0; kMsgSpiralCutterSmall when
// the sine falls outside ±1, kMsgSpiralIncomplete for another result that
// is not finite.
fw::Expected<SpiralHeel, std::string> heelFromCutter(const SpiralInput& in, const SpiralCones& cones, double d0);

// Step 20: inputs and results into the record; the tooth system stays when
// not 0, else 6 for uniform depth, 4 for βm > 0 and 3 for zerol; status 202.
void fillSpiralRecord(ConeGeomRecord& g, const SpiralInput& in, const SpiralResult& r, const SpiralHeel& heel,
                      std::int32_t cutterIndex, const CutterRow& cutter);

}  // namespace bevel
