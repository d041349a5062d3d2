// The one range of every quantity a ConeGeomRecord stores, written once: the
// three geometry dialogs' fields exchange with these bounds, the record
// check (both loads, every save, every calculation's results) reads them.
//
// The inputs the preliminary record stores too are its quantities
// (bevel/preliminary/calc/cone_pre_ranges.h): the α and β parts, c* and ha*
// (0 to 0.5, 0 to 1.1), the module and the radial shifts (the common
// bounds), the tooth numbers 1 to 1000 (a geometry save writes them into
// the preliminary record as well, so the geometry fields take no more than
// that record holds) and the tangential shifts ±1. Within those the kinds
// keep their own rules, checked by checkConeGeomRecord: straight c* above 0
// up to 0.3 and ha* above 0.8 up to 1, spiral c* above 0 and below 0.5, ha*
// above 0 up to 1 for the spiral and cycloidal kinds, the straight φR band
// of 0.25 to 1/3.
//
// Every other bound is one no real bevel pair passes:
// - φR 0.01 to 0.99 (a face width of less than 1 % or more than 99 % of the
//   cone distance; the dialogs' bands are 0.15 to 1/3);
// - the root fillet coefficient rf 0.001 to 2 (its warning starts at 0.12);
// - lengths (diameters, cone distances and heights, tooth depths,
//   thicknesses, face width, the reference normal module) take the common
//   length bound (common/calc/common_bounds.h): with a module of at most
//   100 mm and 1000 teeth no diameter reaches 10⁵ mm;
// - the tangent-circle radius Rτ 0 up to the longest length (0: straight
//   teeth);
// - the spiral cutter diameter d0 12.7 (the smallest cutter) to 10000 mm;
//   the cycloidal height modification Δh within ± the largest module;
// - virtual and crown-gear tooth numbers 0.5 to 10⁹ (never below the real
//   tooth number; the top leaves room for a pitch cone near 90° and a
//   steep spiral);
// - the transverse contact ratio 10⁻⁶ to 100, the face contact ratio 0 to
//   1000 (b·tan β/(π·m) stays below 400 within the inputs' ranges);
// - the dedendum angle increment Δθf ±5400′ (a quarter turn);
// - the stored angles in whole degrees, minutes and seconds: pitch, root
//   and spiral angles above 0° and below 90°, face angles 0° to 180°,
//   addendum and dedendum angles −90° to 90°.
#pragma once

#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace bevel::cone_geom {

using kavrin::Quantity;

// The inputs the preliminary record shares: its ranges, the labels of the
// geometry dialogs' fields (the α and β parts of the straight and the spiral
// dialog, whose helix angle is βm; ha*, φR and b of all three). Where the
// dialogs label a field differently, each kind has its entry (KindInputs);
// the names here are those of the slots a kind's dialog does not show.
inline constexpr Quantity kAlphaDeg{"α 度", "°", cone_pre::kAlphaDeg.bounds};
inline constexpr Quantity kAlphaMin{"α 分", "′", cone_pre::kAlphaMin.bounds};
inline constexpr Quantity kAlphaSec{"α 秒", "″", cone_pre::kAlphaSec.bounds};
inline constexpr Quantity kBetaDeg{"β 度", "°", cone_pre::kBetaDeg.bounds};
inline constexpr Quantity kBetaMin{"β 分", "′", cone_pre::kBetaMin.bounds};
inline constexpr Quantity kBetaSec{"β 秒", "″", cone_pre::kBetaSec.bounds};
inline constexpr Quantity kBetaMDeg{"βm 度", "°", cone_pre::kBetaDeg.bounds};
inline constexpr Quantity kBetaMMin{"βm 分", "′", cone_pre::kBetaMin.bounds};
inline constexpr Quantity kBetaMSec{"βm 秒", "″", cone_pre::kBetaSec.bounds};
inline constexpr Quantity kCStar{"齿顶隙系数c*", "", cone_pre::kCStar.bounds};
inline constexpr Quantity kHaStar{"齿顶高系数 ha*", "", cone_pre::kHaStar.bounds};
inline constexpr Quantity kX1{"高变位系数χ1", "", cone_pre::kX1.bounds};
inline constexpr Quantity kX2{"高变位系数χ2", "", cone_pre::kX2.bounds};
inline constexpr Quantity kXt1{"切向变位系数χτ1", "", cone_pre::kXt1.bounds};
inline constexpr Quantity kXt2{"切向变位系数χτ2", "", cone_pre::kXt2.bounds};
// A geometry record holds them given: 0 is refused.
inline constexpr Quantity kMt{"模数mt", "mm", cone_pre::given(cone_pre::kMt).bounds};
inline constexpr Quantity kZ1{"小齿轮齿数Z1", "", cone_pre::given(cone_pre::kZ1).bounds};
inline constexpr Quantity kZ2{"大齿轮齿数Z2", "", cone_pre::given(cone_pre::kZ2).bounds};

// The kinds' own rules within those ranges (open ends as the next double),
// named as the kind's dialog labels its field.
inline constexpr Quantity kCStarStraight{"齿顶隙系数 C", "", {4.9406564584124654e-324, 0.3}};
inline constexpr Quantity kCStarSpiral{"齿顶隙系数 c*", "", {4.9406564584124654e-324, 0.49999999999999994}};
inline constexpr Quantity kHaStarStraight{"齿顶高系数 ha*", "", {0.80000000000000004, 1.0}};
inline constexpr Quantity kHaStarCurved{"齿顶高系数 ha*", "", {4.9406564584124654e-324, 1.0}};
inline constexpr Quantity kPhiRStraight{"φR", "", {0.25, 0.3333333333333333}};

// Inputs of the geometry step alone.
inline constexpr Quantity kPhiR{"φR", "", {0.01, 0.99}};
inline constexpr Quantity kRf{"齿根圆角系数 rf", "", {0.001, 2}};
inline constexpr Quantity kD0{"自定义刀盘名义直径 d0", "mm", {12.7, 10000}};
inline constexpr Quantity kDh{"齿高变位量Δh", "mm", {-kavrin::bounds::kModule.upper, kavrin::bounds::kModule.upper}};

// The inputs each kind's dialog labels in its own words: straight teeth
// (CBelmarLenDlg), spiral and zerol teeth (CBelmarArcDlg), cycloidal teeth
// (CBelmarAolDlg and its shift dialog, which show no c*, χ2 or χτ). The
// record check of a kind names a value as that kind's dialog does.
struct KindInputs {
    Quantity mt, cStar, x1, x2, xt1, xt2;
};
inline constexpr KindInputs kStraightInputs{
    {"模数 m", "mm", kMt.bounds},     {"齿顶隙系数 C", "", kCStar.bounds}, {"变位系数 χ1", "", kX1.bounds},
    {"变位系数 χ2", "", kX2.bounds}, {"χτ1", "", kXt1.bounds},          {"χτ2", "", kXt2.bounds}};
inline constexpr KindInputs kSpiralInputs{
    {"模数 m", "mm", kMt.bounds},          {"齿顶隙系数 c*", "", kCStar.bounds},
    {"高变位系数 χ1", "", kX1.bounds},      {"高变位系数 χ2", "", kX2.bounds},
    {"切向变位系数 χτ1", "", kXt1.bounds}, {"切向变位系数 χτ2", "", kXt2.bounds}};
inline constexpr KindInputs kCycloidalInputs{{"端面模数 mt", "mm", kMt.bounds}, kCStar, {"χ1＝－χ2", "", kX1.bounds},
                                             kX2, kXt1, kXt2};

// Lengths, mm.
inline constexpr fw::Bounds kLength = kavrin::bounds::kLength;
inline constexpr Quantity kD1{"小齿轮分度圆直径d1", "mm", kLength};
inline constexpr Quantity kD2{"大齿轮分度圆直径d2", "mm", kLength};
inline constexpr Quantity kR{"锥距R", "mm", kLength};
inline constexpr Quantity kB{"齿宽 b", "mm", kLength};
inline constexpr Quantity kH{"全齿高h", "mm", kLength};
inline constexpr Quantity kHa1{"小齿轮齿顶高ha1", "mm", kLength};
inline constexpr Quantity kHa2{"大齿轮齿顶高ha2", "mm", kLength};
inline constexpr Quantity kHf1{"小齿轮齿根高hf1", "mm", kLength};
inline constexpr Quantity kHf2{"大齿轮齿根高hf2", "mm", kLength};
inline constexpr Quantity kDa1{"小齿轮齿顶圆直径da1", "mm", kLength};
inline constexpr Quantity kDa2{"大齿轮齿顶圆直径da2", "mm", kLength};
inline constexpr Quantity kAk1{"小齿轮外锥高Ak1", "mm", kLength};
inline constexpr Quantity kAk2{"大齿轮外锥高Ak2", "mm", kLength};
inline constexpr Quantity kS1{"小齿轮分度圆弧齿厚s1", "mm", kLength};
inline constexpr Quantity kS2{"大齿轮分度圆弧齿厚s2", "mm", kLength};
inline constexpr Quantity kS1Cycloidal{"小齿轮弧齿厚s1", "mm", kLength};
inline constexpr Quantity kS2Cycloidal{"大齿轮弧齿厚s2", "mm", kLength};
inline constexpr Quantity kSBar1{"小齿轮弦齿厚s̄1", "mm", kLength};
inline constexpr Quantity kSBar2{"大齿轮弦齿厚s̄2", "mm", kLength};
inline constexpr Quantity kHBar1{"小齿轮弦齿高h̄1", "mm", kLength};
inline constexpr Quantity kHBar2{"大齿轮弦齿高h̄2", "mm", kLength};
inline constexpr Quantity kMp{"参考点法面模数mp", "mm", kLength};
inline constexpr Quantity kRi{"小端锥距Ri", "mm", kLength};
inline constexpr Quantity kRp{"参考点锥距Rp", "mm", kLength};
inline constexpr Quantity kRTau{"切圆半径Rτ", "mm", {0, kLength.upper}};

// Tooth numbers and ratios of the results.
inline constexpr Quantity kZv1{"小齿轮当量齿数Zv1", "", {0.5, 1e9}};
inline constexpr Quantity kZv2{"大齿轮当量齿数Zv2", "", {0.5, 1e9}};
inline constexpr Quantity kZp{"平面齿轮齿数Zp", "", {0.5, 1e9}};
inline constexpr Quantity kZc{"假想平面齿轮齿数Zc", "", {0.5, 1e9}};
inline constexpr Quantity kEpsAlpha{"端面重合度εα", "", {1e-6, 100}};
inline constexpr Quantity kEpsBeta{"齿向重合度εβ", "", {0, 1000}};
inline constexpr Quantity kDThetaF{"齿根角增量Δθf", "′", {-5400, 5400}};

// Stored angles, in degrees (the whole of degrees, minutes and seconds).
inline constexpr fw::Bounds kAcute{4.9406564584124654e-324, 89.999999999999986};
inline constexpr Quantity kDelta1{"小齿轮分锥角δ1", "°", kAcute};
inline constexpr Quantity kDelta2{"大齿轮分锥角δ2", "°", kAcute};
inline constexpr Quantity kDeltaF1{"小齿轮根锥角δf1", "°", kAcute};
inline constexpr Quantity kDeltaF2{"大齿轮根锥角δf2", "°", kAcute};
inline constexpr Quantity kThetaF1{"小齿轮齿根角θf1", "°", {-90, 90}};
inline constexpr Quantity kThetaF2{"大齿轮齿根角θf2", "°", {-90, 90}};
inline constexpr Quantity kDeltaA1{"小齿轮顶锥角δa1", "°", {0, 180}};
inline constexpr Quantity kDeltaA2{"大齿轮顶锥角δa2", "°", {0, 180}};
inline constexpr Quantity kThetaA1{"小齿轮齿顶角θa1", "°", {-90, 90}};
inline constexpr Quantity kThetaA2{"大齿轮齿顶角θa2", "°", {-90, 90}};
inline constexpr Quantity kBetaInner{"小端螺旋角βi", "°", kAcute};
inline constexpr Quantity kBetaOuter{"大端螺旋角β", "°", kAcute};
inline constexpr Quantity kBetaP0{"初定参考点螺旋角βp'", "°", kAcute};
inline constexpr Quantity kBetaP{"参考点螺旋角βp", "°", kAcute};

}  // namespace bevel::cone_geom
