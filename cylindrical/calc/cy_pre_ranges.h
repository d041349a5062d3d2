// The quantities a preliminary record (CyPreRecord) stores, each with its one
// range. The preliminary dialog's fields check a typed value against it, its
// handlers refuse a value they would derive outside it, the calculation
// refuses a result outside it, and checkCyPreRecord checks every record that
// is loaded or about to be saved against it: a value is taken in all those
// places or in none.
//
// Ranges of the calculator itself: σHP 500 to 10000 MPa and σFP 100 to
// 1000 MPa (the fields' ranges), the helix angle 0 to 60° (what the geometry
// sheet, the next step, takes), minutes and seconds 0 to 59, slider
// positions 0 to 40.
//
// Speeds, power, torque, the normal module and the centre distance take
// the common bounds (common/calc/common_bounds.h); the transverse module ms
// goes up to what the largest mn gives at β = 60°. Our own choices, bounds
// no real gear drive passes:
// - tooth counts 1 to kMaxTeeth, the suite's tooth limit;
// - ratio i 0.01 to 1000 (a single pair stays well below 20);
// - φd, K1 and K2, and the slider ranges they are picked from, 0.1 to 10
//   (the tables' ranges lie between 0.2 and 4.2).
// Each name is the label of the dialog's field ("i", "Z1", "取法面模数mn"),
// so that a loaded or saved record's fault names a value as its field does.
// 0 stands for "not given yet" where a field starts at 0 (orZero): teeth,
// speeds, power, torque, ratio, modules and centre distance. A record that a
// later step reads needs its teeth and ratio given (required()); one that
// was calculated holds both modules too (calculatedCyPreRecord).
#pragma once
#include "common/calc/common_bounds.h"
#include "common/calc/gear_kinds.h"
#include "cylindrical/calc/cy_quantities.h"

namespace cylindrical {

namespace pre_q {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

inline constexpr Quantity kZ1{"Z1", "", {1, kavrin::kMaxTeeth, true}};
inline constexpr Quantity kZ2{"Z2", "", {1, kavrin::kMaxTeeth, true}};
inline constexpr Quantity kBetaDeg{"β 度", "°", {0, 60}};
inline constexpr Quantity kBetaMin{"β 分", "′", {0, 59}};
inline constexpr Quantity kBetaSec{"β 秒", "″", {0, 59}};
inline constexpr Quantity kPhiDPos{"φd 滑块", "", {0, 40}};
inline constexpr Quantity kK1Pos{"K1 滑块", "", {0, 40}};
inline constexpr Quantity kK2Pos{"K2 滑块", "", {0, 40}};

inline constexpr Quantity kI{"i", "", {0.01, 1000, true}};
inline constexpr Quantity kT{"输出扭矩 T", "N·m", bound::orZero(bound::kTorque)};
inline constexpr Quantity kA{"中心距 a", "mm", bound::orZero(bound::kLength)};
inline constexpr Quantity kNi{"输入转速 ni", "r/min", bound::orZero(bound::kSpeed)};
inline constexpr Quantity kNo{"输出转速 no", "r/min", bound::orZero(bound::kSpeed)};
inline constexpr Quantity kP{"传动功率 P", "kW", bound::orZero(bound::kPower)};
inline constexpr Quantity kPhiD{"齿宽系数 φd", "", {0.1, 10}};
inline constexpr Quantity kK1{"载荷系数 K1", "", {0.1, 10}};
inline constexpr Quantity kK2{"载荷系数 K2", "", {0.1, 10}};
inline constexpr Quantity kSigmaHP{"许用接触强度", "MPa", {500, 10000}};
inline constexpr Quantity kSigmaFP{"许用弯曲强度", "MPa", {100, 1000}};
inline constexpr Quantity kMn{"取法面模数mn", "mm", bound::orZero(bound::kModule)};
// mn / cos β with β up to 60° (1 / cos 60° = 2).
inline constexpr Quantity kMs{"端面模数 ms", "mm", {kMn.lower(), 2 * kMn.upper(), true}};
// The ranges the three sliders span (set by the radios from the tables):
// inside the range of the value they give.
inline constexpr Quantity kPhiDRangeEnd{"齿宽系数 φd 的取值范围", "", kPhiD.bounds};
inline constexpr Quantity kK1RangeEnd{"载荷系数 K1 的取值范围", "", kK1.bounds};
inline constexpr Quantity kK2RangeEnd{"载荷系数 K2 的取值范围", "", kK2.bounds};

}  // namespace pre_q

// A pair of modules whose helix angle arccos(mn / ms) (what leaving the mn
// field sets) is above 60°, the β field's limit: wording ours.
inline constexpr const char* kMsgPreImpliedBeta = "法面模数 mn 与端面模数 ms：给出的螺旋角 β=arccos(mn/ms) 大于60°。";

}  // namespace cylindrical
