// The quantities the small-module design record (CySmRecord) stores, each
// with its one range. The dialog's fields check a typed value against these
// entries (after the field's own rule, whose message still comes for the
// values it refuses), the calculation and the shift edit refuse a result
// outside them, and cySmRecordFault checks every record that is loaded or
// about to be saved against them: a value is taken in all those places or in
// none.
//
// Ranges of the calculator itself:
// - the module list 0.1 to 1 mm, the basic rack α = 20°, ha* = 1, c* = 0.35
//   and ρf = 0.2·mn (fixed values, checked as such);
// - Σ 0 to 90° (and the pattern's own rule), u = z2/z1 1 to 10 as typed and
//   as computed, f 0 to 1, β1 0 to below 90°, the base-tangent deviations
//   0 to 1 mm (as magnitudes);
// - the shift edit: χn1 not below (17 − z1)/17 and a pinion tip thicker
//   than 0; the angles of a result inside 0° to 90°, η above 0 and at most 1.
//
// Our own choices, bounds no real small-module pair passes (its modules are
// 0.1 to 1 mm, its pinion has 13 to 29 teeth, its gear at most ten times
// as many):
// - the working centre distance a' 0.1 to 10000 mm (0: not given yet); the
//   pattern 0 pair of β1 = 89° and mn = 1 mm still fits below 10000 mm;
// - lengths of a result (diameters, centre distance, base tangent, dimension
//   over rods, face width) from 0.001 mm, the least the report prints
//   (%.3f), up to the common length bound (common/calc/common_bounds.h): a
//   pair inside a' ≤ 10000 mm has no diameter near it;
// - transverse modules 0.1 to 10000 mm (mn/cos β), the common rack's module
//   0.01 to 10000 mm, the rod diameter 0.1 to 2 mm (1.732·mn);
// - angles of a result 0.001° to below 90° for pressure angles (0 gives no
//   pair), 0 to below 90° for helix angles;
// - profile shifts χn and their sum: the common bounds;
// - the contact ratio ε 0.01 to 1000, the efficiency η 0.01 to 1;
// - tooth counts 1 to 1000, teeth spanned 1 to 1000 (and fewer than z);
// - the deviations over rods 0 to 10 mm (what a base-tangent deviation of
//   at most 1 mm gives up to a base helix of about 70°).
#pragma once
#include <bit>
#include <cstdint>

#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace smallmodule {

// The next double below x (x > 0): the end of a range the calculator's rule
// leaves open ("below 90°"); it prints as x itself.
constexpr double justBelow(double x) { return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) - 1); }

namespace sm_q {

using kavrin::Quantity;

inline constexpr fw::Bounds kLength{0.001, kavrin::bounds::kLength.upper};   // mm, a result's length
inline constexpr fw::Bounds kPressureAngle{0.001, justBelow(90)};
inline constexpr fw::Bounds kHelixAngle{0, justBelow(90)};
inline constexpr fw::Bounds kTransverseModule{0.1, 10000};
inline constexpr fw::Bounds kShift = kavrin::bounds::kShift;
inline constexpr fw::Bounds kTeeth{1, 1000};
inline constexpr fw::Bounds kBaseTangentDeviation{0, 1};
inline constexpr fw::Bounds kRodDeviation{0, 10};

// ---- Inputs (typed, or chosen from the list) ----
inline constexpr Quantity kSigma{"轴错角 Σ", "°", {0, 90}};
inline constexpr Quantity kU{"齿数比z2/z1", "", {1, 10}};
inline constexpr Quantity kMn{"模数 mn", "mm", {0.1, 1}};
inline constexpr Quantity kAw{"实际轴距 a'", "mm", {0.1, 10000, true}};
inline constexpr Quantity kF{"摩擦系数f", "", {0, 1}};
inline constexpr Quantity kBeta1{"分度圆柱螺旋角 β1", "°", kHelixAngle};
inline constexpr Quantity kXn1{"变位系数 χn1", "", kShift};
inline constexpr Quantity kXn2{"变位系数 χn2", "", kShift};
inline constexpr Quantity kDWs1{"公法线上偏差 ΔWs1", "mm", kBaseTangentDeviation};
inline constexpr Quantity kDWi1{"公法线下偏差 ΔWi1", "mm", kBaseTangentDeviation};
inline constexpr Quantity kDWs2{"公法线上偏差 ΔWs2", "mm", kBaseTangentDeviation};
inline constexpr Quantity kDWi2{"公法线下偏差 ΔWi2", "mm", kBaseTangentDeviation};

// ---- Deviations over rods (converted from the base-tangent ones) ----
inline constexpr Quantity kDMs1{"测量跨径上偏差 ΔMs1", "mm", kRodDeviation};
inline constexpr Quantity kDMi1{"测量跨径下偏差 ΔMi1", "mm", kRodDeviation};
inline constexpr Quantity kDMs2{"测量跨径上偏差 ΔMs2", "mm", kRodDeviation};
inline constexpr Quantity kDMi2{"测量跨径下偏差 ΔMi2", "mm", kRodDeviation};
inline constexpr Quantity kDM{"测量跨径偏差 ΔM", "mm", kRodDeviation};

// ---- Results of the pair ----
inline constexpr Quantity kA{"未变位(无间隙)轴距 a", "mm", kLength};
inline constexpr Quantity kSumX{"总变位系数 Σχn", "", kavrin::bounds::kShiftSum};
inline constexpr Quantity kDmp{"量棒直径 dmp", "mm", {0.1, 2}};
inline constexpr Quantity kAlphaNP{"公共齿条法向齿形角 αn'", "°", kPressureAngle};
inline constexpr Quantity kMnP{"公共齿条法向模数 mn'", "mm", {0.01, 10000}};
inline constexpr Quantity kEps{"重合度 ε", "", {0.01, 1000}};
inline constexpr Quantity kEta{"啮合效率 η", "", {0.01, 1}};
inline constexpr Quantity kB{"有效齿宽 B", "mm", kLength};

// ---- Results of each gear (pinion 1, gear 2) ----
struct GearQuantities {
    Quantity z, mt, betaP, beta, alphaT, alphaWt, betaB, d, dw, db, da, df, alphaAt, w, kw, mp;
};
inline constexpr GearQuantities kGear1{
    {"小齿轮齿数 z1", "", kTeeth},
    {"小齿轮端面模数 mt1", "mm", kTransverseModule},
    {"小齿轮节圆柱螺旋角 β'1", "°", kHelixAngle},
    {"小齿轮分度圆柱螺旋角 β1", "°", kHelixAngle},
    {"小齿轮端面压力角 αt1", "°", kPressureAngle},
    {"小齿轮端面啮合角 αt'1", "°", kPressureAngle},
    {"小齿轮基圆柱螺旋角 βb1", "°", kHelixAngle},
    {"小齿轮分度圆直径 d1", "mm", kLength},
    {"小齿轮节圆直径 d'1", "mm", kLength},
    {"小齿轮基圆直径 db1", "mm", kLength},
    {"小齿轮齿顶圆直径 da1", "mm", kLength},
    {"小齿轮齿根圆直径 df1", "mm", kLength},
    {"小齿轮齿顶圆压力角 αat1", "°", kPressureAngle},
    {"小齿轮公法线长度 W1", "mm", kLength},
    {"小齿轮跨测齿数 Kw1", "", kTeeth},
    {"小齿轮量棒测量跨径 Mp1", "mm", kLength},
};
inline constexpr GearQuantities kGear2{
    {"大齿轮齿数 z2", "", kTeeth},
    {"大齿轮端面模数 mt2", "mm", kTransverseModule},
    {"大齿轮节圆柱螺旋角 β'2", "°", kHelixAngle},
    {"大齿轮分度圆柱螺旋角 β2", "°", kHelixAngle},
    {"大齿轮端面压力角 αt2", "°", kPressureAngle},
    {"大齿轮端面啮合角 αt'2", "°", kPressureAngle},
    {"大齿轮基圆柱螺旋角 βb2", "°", kHelixAngle},
    {"大齿轮分度圆直径 d2", "mm", kLength},
    {"大齿轮节圆直径 d'2", "mm", kLength},
    {"大齿轮基圆直径 db2", "mm", kLength},
    {"大齿轮齿顶圆直径 da2", "mm", kLength},
    {"大齿轮齿根圆直径 df2", "mm", kLength},
    {"大齿轮齿顶圆压力角 αat2", "°", kPressureAngle},
    {"大齿轮公法线长度 W2", "mm", kLength},
    {"大齿轮跨测齿数 Kw2", "", kTeeth},
    {"大齿轮量棒测量跨径 Mp2", "mm", kLength},
};

}  // namespace sm_q

}  // namespace smallmodule
