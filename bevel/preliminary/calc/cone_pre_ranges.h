// The one range of every quantity a ConePreRecord stores, written once: the
// dialog's fields exchange with these bounds, the record check (load and
// every save) reads them, and the sizing steps refuse a result outside them.
//
// The fields' own ranges hold where the preliminary dialog has one (the α
// and βm parts, ha* 0 to 1.1, c* 0 to 0.5) and so do its acceptance rules
// (α 14.5° to 25° once given, ha* 0.8 to 1.0 and c* 0.15 to 0.25 as typed).
// The outer transverse module, the speeds, the power, the torque (a speed,
// power or torque may be given and the others follow) and the radial
// shifts take the common bounds (common/calc/common_bounds.h). Every other
// bound is one no real bevel pair passes:
// - tooth numbers 1 to 1000 (kMaxTeeth), and so a ratio of 1 to 1000;
// - the limit stresses 1 to 5000 N/mm² (the hardest steels reach about 1650);
// - the load factors KA, KHβ and Kwβ 0.1 to 10 (their tables give 1 to 3.8);
// - the tangential shift ±1 (past it one tooth keeps no thickness; the
//   charts give −0.02 to 0.3);
// - the form factor 0.1 to 20 (the chart's 1.85 to 4.1, corrected for χτ1).
// A slot whose input is not given yet holds 0 (orZero); its completion bit
// then says whether it was given, and a given input is never 0.
#pragma once
#include <cstdint>
#include <string>

#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace bevel::cone_pre {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

// Angles: whole degrees, minutes and seconds in their fields' ranges.
inline constexpr Quantity kAlphaDeg{"α 度", "°", {0, 30}};
inline constexpr Quantity kAlphaMin{"α 分", "′", {0, 59}};
inline constexpr Quantity kAlphaSec{"α 秒", "″", {0, 59}};
// α once given (its completion bit set), the tooth systems' rule: the
// angle of the three fields, named by their symbol.
inline constexpr Quantity kAlpha{"α", "°", {14.5, 25}};
inline constexpr Quantity kBetaDeg{"βm 度", "°", {0, 60}};
inline constexpr Quantity kBetaMin{"βm 分", "′", {0, 59}};
inline constexpr Quantity kBetaSec{"βm 秒", "″", {0, 59}};

// Coefficients of the tooth system. A stored c* may lie above the typed
// rule: for systems 1 and 3 the module sets c* = 0.188 + 0.05/mt.
inline constexpr Quantity kHaStar{"齿顶高系数 ha*", "", {0, 1.1}};
inline constexpr Quantity kHaStarTyped{"齿顶高系数 ha*", "", {0.8, 1.0}};
inline constexpr Quantity kCStar{"齿顶隙系数 C", "", {0, 0.5}};
inline constexpr Quantity kCStarTyped{"齿顶隙系数 C", "", {0.15, 0.25}};

inline constexpr Quantity kMt{"计算大端端面模数 mt", "mm", bound::orZero(bound::kModule)};
inline constexpr Quantity kZ1{"Z1", "", {1, 1000, true}};
inline constexpr Quantity kZ2{"Z2", "", {1, 1000, true}};
inline constexpr Quantity kI{"传动比i", "", {1, 1000, true}};

inline constexpr Quantity kN1{"n1", "r/min", bound::orZero(bound::kSpeed)};
inline constexpr Quantity kN2{"n2", "r/min", bound::orZero(bound::kSpeed)};
inline constexpr Quantity kP{"传递功率 P", "kW", bound::orZero(bound::kPower)};
inline constexpr Quantity kT{"输出扭矩T", "N·m", bound::orZero(bound::kTorque)};
inline constexpr Quantity kSigmaHlim{"接触强度极限σHlim", "N/mm²", {1, 5000, true}};
inline constexpr Quantity kSigmaFlim{"弯曲强度极限σFlim", "N/mm²", {1, 5000, true}};
inline constexpr Quantity kKa{"KA", "", {0.1, 10, true}};
inline constexpr Quantity kKhBeta{"KHβ", "", {0.1, 10, true}};
inline constexpr Quantity kKwBeta{"Kwβ", "", {0.1, 10, true}};

inline constexpr Quantity kX1{"径向变位系数 χ1", "", bound::kShift};
inline constexpr Quantity kX2{"径向变位系数 χ2", "", bound::kShift};
inline constexpr Quantity kXt1{"切向变位系数 χτ1", "", {-1, 1}};
inline constexpr Quantity kXt2{"切向变位系数 χτ2", "", {-1, 1}};
inline constexpr Quantity kYf{"齿形系数 YF", "", {0.1, 20, true}};

// The same quantity once given: 0 is refused too.
constexpr Quantity given(const Quantity& q) { return {q.name, q.unit, {q.bounds.lower, q.bounds.upper, false}}; }

// An accepted entry whose couplings would put another quantity outside its
// range: "输入未被接受，由此算得的输出扭矩 T超出范围。\n输出扭矩 T：请输入 …".
std::string couplingRefusal(const Quantity& q);

}  // namespace bevel::cone_pre
