// The one range of every quantity the two records of a worm design file
// store, written once. Readers: the record checks (cw_record_check.cpp: the
// loaders, every save, and every calculation step that keeps a result), the
// preliminary dialog's typed fields (n1, n2, P, T, σHlim, σFlim, ZE exchange
// with these bounds; u keeps its own refusal over kU) and the derived inputs
// it refuses (unusableInput), the geometry dialogs' edited values (θ, ρ,
// de2, ..., taken only when the record with them passes its check), and the
// rating's input fields, span, power dialog and b2 dialog (rating::inputRange,
// under the labels of its fields: ranges::rated).
//
// The calculators' own ranges hold: the ratio u 5 to 70, Z1 1 to 10, Z2 1 to
// 1000, the standard module 1 to 40 mm and worm diameter 18 to 400 mm (their
// series), the grinding disc 300 to 700 mm, the angles strictly between 0°
// and 90° (θ up to 180°). The worm's speed, the power, the output torque,
// the lengths, the modules mn, ms and mx and the shift x2 take the common
// bounds (common/calc/common_bounds.h); the gear's speed reaches down to
// the slowest worm's at the largest ratio. Every other bound is one no real
// worm drive passes:
// - the limit stresses 1 to 5000 N/mm² (the hardest bronzes and steels stay
//   far below 1500), ZE 1 to 1000 (steel on bronze 155, steel on steel 190);
// - the factors KA and Zρ 0.1 to 10 (their table and chart give 1 to 3.3),
//   d1/a 0.001 to 2 (d1 < 2a always; the design starts 0.3 to 0.5);
// - the computed module m' 0.01 to 1000 mm, q 0.1 to 1000 (the series give
//   0.45 to 400);
// - in the geometry record hf2 may fall below zero with a large shift (±
//   the longest length), ha* 0.01 to 2 and εa 0.01 to 100;
// - the ZC1 setting values a just loaded design holds as zeros until its
//   calculation (dH, L2, L3) lie within ± the longest length until then;
// - the ZC1 arc centre's axial coordinate L1 = ρ·cos αn − e is a signed
//   coordinate: it falls to zero and below where the disc's arc is small
//   beside the thread (large lead angle, small q: m 31.5, d1 224, Z1 4 gives
//   −1.53 mm), so it takes ± the longest length, loaded or calculated;
// - the rating's span L between the worm's bearings (typed, stored in no
//   record) 1 mm up to the longest length: the smallest instrument worms
//   (m 0.1 to 0.3, d1 2 to 5 mm) span some 10 mm, the largest worm drives
//   (a' about 2.5 m, d2 about 4.5 m, the span about d2) some 5 m; below
//   1 mm the stiffness safety S', which grows as 1/L³, leaves what a report
//   prints (the worked drive's 0.79 at 300 mm is 2·10⁷ at 1 mm).
// Angles are stored in degrees; an angle's bounds lie 0.001° inside its
// open range, and its refusal names the range in whole degrees.
#pragma once
#include <string>

#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace worm::ranges {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

// ---- the preliminary record (CwPreRecord) ----
inline constexpr Quantity kN1{"输入转速 n1", "r/min", bound::kSpeed};
inline constexpr Quantity kU{"传动比 u", "", {5, 70}};
// n2 = n1 / u: down to the slowest worm's at the largest ratio.
inline constexpr Quantity kN2{"输出转速 n2", "r/min", {bound::decadeBelow(kN1.lower() / kU.upper()), kN1.upper()}};
inline constexpr Quantity kP{"传递功率 P", "kW", bound::kPower};
inline constexpr Quantity kT{"输出扭矩 T", "N·m", bound::kTorque};
inline constexpr Quantity kSigmaHlim{"接触疲劳极限 σHlim", "N/mm²", {1, 5000}};
inline constexpr Quantity kZe{"弹性系数 ZE", "", {1, 1000}};
inline constexpr Quantity kSigmaFlim{"弯曲疲劳极限 σFlim", "N/mm²", {1, 5000}};
inline constexpr Quantity kD1a{"直径系数比 d1/a", "", {0.001, 2}};
inline constexpr Quantity kKa{"使用系数 KA", "", {0.1, 10}};
inline constexpr Quantity kZrho{"接触系数 Zρ", "", {0.1, 10}};
inline constexpr Quantity kZ1{"蜗杆头数 Z1", "", {1, 10}};
inline constexpr Quantity kZ2{"蜗轮齿数 Z2", "", {1, 1000}};
inline constexpr Quantity kM{"标准模数 m", "mm", {1, 40}};
inline constexpr Quantity kMCalc{"计算模数 m'", "mm", {0.01, 1000}};
inline constexpr Quantity kQ{"直径系数 q", "", {0.1, 1000}};
inline constexpr Quantity kD1Calc{"计算分度圆直径 d1'", "mm", bound::kLength};
inline constexpr Quantity kD1{"标准分度圆直径 d1", "mm", {18, 400}};
inline constexpr Quantity kA{"中心距 a", "mm", bound::kLength};
inline constexpr Quantity kD2{"蜗轮分度圆直径 d2", "mm", bound::kLength};
inline constexpr Quantity kGamma{"导程角 γ", "°", {0.001, 89.999}};

// ---- the geometry record (CwGeomRecord), every family ----
namespace geom {
inline constexpr fw::Bounds kLength = bound::kLength;
inline constexpr fw::Bounds kHeight = bound::kLength;   // heights and thicknesses
inline constexpr fw::Bounds kModule = bound::kModule;
inline constexpr fw::Bounds kAcute{0.001, 89.999};

inline constexpr Quantity kZ1{"蜗杆头数 Z1", "", {1, 10}};
inline constexpr Quantity kZ2{"蜗轮齿数 Z2", "", {1, 1000}};
inline constexpr Quantity kQ{"直径系数 q", "", {0.1, 1000}};
inline constexpr Quantity kD1{"蜗杆分度圆直径 d1", "mm", kLength};
inline constexpr Quantity kA{"未变位中心距 a", "mm", kLength};
inline constexpr Quantity kD2{"蜗轮分度圆直径 d2", "mm", kLength};
inline constexpr Quantity kGamma{"蜗杆分度圆柱导程角 γ", "°", kAcute};
inline constexpr Quantity kAlphaN{"蜗杆法向压力角 αn", "°", kAcute};
inline constexpr Quantity kAlphaX{"蜗杆轴向压力角 αx", "°", kAcute};
inline constexpr Quantity kAw{"啮合中心距 a'", "mm", kLength};
inline constexpr Quantity kB1{"齿宽 b1", "mm", kLength};
inline constexpr Quantity kB2{"蜗轮齿宽 b2", "mm", kLength};
inline constexpr Quantity kDa1{"蜗杆齿顶圆直径 da1", "mm", kLength};
inline constexpr Quantity kDa2{"蜗轮喉圆直径 da2", "mm", kLength};
inline constexpr Quantity kDe2{"外圆直径 de2", "mm", kLength};
inline constexpr Quantity kDf1{"蜗杆齿根圆直径 df1", "mm", kLength};
inline constexpr Quantity kDf2{"蜗轮齿根圆直径 df2", "mm", kLength};
inline constexpr Quantity kDm2{"蜗轮中圆直径 dm2", "mm", kLength};
inline constexpr Quantity kD1w{"蜗杆节圆直径 d'1", "mm", kLength};
inline constexpr Quantity kEpsA{"端面重合度 εa", "", {0.01, 100}};
inline constexpr Quantity kGammaW{"蜗杆节圆柱导程角 γ'", "°", kAcute};
inline constexpr Quantity kH1{"蜗杆全齿高 h1", "mm", kHeight};
inline constexpr Quantity kH2{"蜗轮全齿高 h2", "mm", kHeight};
inline constexpr Quantity kHa1{"蜗杆齿顶高 ha1", "mm", kHeight};
inline constexpr Quantity kHa2{"蜗轮齿顶高 ha2", "mm", kHeight};
inline constexpr Quantity kHf1{"蜗杆齿根高 hf1", "mm", kHeight};
inline constexpr Quantity kHf2{"蜗轮齿根高 hf2", "mm", {-kLength.upper, kLength.upper}};
inline constexpr Quantity kMn1{"蜗杆法面模数 mn1", "mm", kModule};
inline constexpr Quantity kMn2{"蜗轮法面模数 mn2", "mm", kModule};
inline constexpr Quantity kMs{"蜗轮端面模数 ms", "mm", kModule};
inline constexpr Quantity kMx{"蜗杆轴面模数 mx", "mm", kModule};
inline constexpr Quantity kPx1{"蜗杆轴向齿距 Px1", "mm", kLength};
inline constexpr Quantity kPz1{"蜗杆螺旋线导程 Pz1", "mm", kLength};
inline constexpr Quantity kRg{"蜗轮喉部半径 Rg", "mm", kLength};
inline constexpr Quantity kTheta{"齿宽角 θ", "°", {0.001, 180}};
inline constexpr Quantity kSn{"蜗杆法向弦齿厚 Sn", "mm", kHeight};
inline constexpr Quantity kX2{"蜗轮变位系数 χ2", "", bound::kShift};
// The ordinary family (ZA, ZN, ZI, ZK) and ZC3.
inline constexpr Quantity kBetaM2{"蜗轮中圆螺旋角 βm2", "°", kAcute};
inline constexpr Quantity kHaStar{"齿顶高系数 ha*", "", {0.01, 2}};
// The ordinary family.
inline constexpr Quantity kHcn1{"蜗杆法向测齿高 hcn1", "mm", kHeight};
inline constexpr Quantity kRhoF{"齿根圆角半径 ρf", "mm", kHeight};
// The involute worm (ZI) only.
inline constexpr Quantity kDb{"基圆直径 db", "mm", kLength};
inline constexpr Quantity kGammaB{"基圆柱导程角 γb", "°", kAcute};
inline constexpr Quantity kPbn{"法向基节 Pbn", "mm", kLength};
// ZC1.
inline constexpr Quantity kRhoN{"蜗杆法面齿廓曲率半径 ρn", "mm", kLength};
inline constexpr Quantity kDs{"磨轮外径 du", "mm", {300, 700}};
inline constexpr Quantity kAu{"磨削中心距 Au", "mm", kLength};
inline constexpr Quantity kRhoDisc{"磨轮轴面齿廓弧半径 ρ", "mm", kLength};
inline constexpr Quantity kSx{"蜗杆轴向弦齿厚 Sx", "mm", kHeight};
inline constexpr Quantity kDh{"对刀试棒直径 dH", "mm", kLength};
inline constexpr Quantity kL1{"圆弧中心轴向座标 L1", "mm", {-kLength.upper, kLength.upper}};   // signed
inline constexpr Quantity kL2{"圆弧中心径向座标 L2", "mm", kLength};
inline constexpr Quantity kL3{"圆弧中心径向座标 L3", "mm", kLength};
// Before the ZC1 calculation: 0 as loaded, any value the report can hold.
constexpr Quantity notCalculated(const Quantity& q) { return {q.name, q.unit, {-kLength.upper, kLength.upper}}; }
// ZC3.
inline constexpr Quantity kRhoArc{"蜗杆轴面齿廓圆弧半径 ρ", "mm", kLength};
inline constexpr Quantity kCx{"齿廓圆弧中心轴向座标 cx", "mm", kLength};
inline constexpr Quantity kCy{"齿廓圆弧中心径向座标 cy", "mm", kLength};
}  // namespace geom

// ---- the strength rating's typed span (no record stores it) ----
inline constexpr Quantity kSpan{"跨距 L", "mm", {1, bound::kLength.upper}};

// ---- the strength rating's fields: the records' ranges, under the labels
// of the rating dialog (CCwproDlg), its power dialog (CCwNDlg) and its
// worm gear width dialog (CCwproB2Dlg) ----
namespace rated {
inline constexpr Quantity kD1w{"d'1", "mm", geom::kD1w.bounds};
inline constexpr Quantity kDm2{"dm2", "mm", geom::kDm2.bounds};
inline constexpr Quantity kGammaW{"γ'", "°", geom::kGammaW.bounds};
inline constexpr Quantity kAlphaN{"αn", "°", geom::kAlphaN.bounds};
inline constexpr Quantity kAlphaX{"αx", "°", geom::kAlphaX.bounds};
inline constexpr Quantity kU{"u", "", ranges::kU.bounds};
inline constexpr Quantity kAw{"a'", "mm", geom::kAw.bounds};
inline constexpr Quantity kM{"m", "mm", geom::kMx.bounds};
inline constexpr Quantity kPower{"传递功率 N", "kW", ranges::kP.bounds};
inline constexpr Quantity kN1{"n1", "r/min", ranges::kN1.bounds};
inline constexpr Quantity kDialogPower{"传动功率 N", "kW", ranges::kP.bounds};
inline constexpr Quantity kDialogN1{"蜗杆转速 n1", "r/min", ranges::kN1.bounds};
inline constexpr Quantity kB2{"输入蜗轮齿宽 b", "mm", geom::kB2.bounds};
}  // namespace rated

// The rule a value outside q breaks, in the words the worm checks use:
// "应在5～70之间", "应在1～40mm之间", an angle "应在0°～90°之间" (its ends
// in whole degrees).
std::string rangeRule(const Quantity& q);

}  // namespace worm::ranges
