// The one range of every quantity the bevel strength rating takes: the
// geometry and load entries (typed, or loaded from a design file) and the
// factors its dialogs and formulas give, which all reach the rating report.
// The entry fields exchange with these bounds, the load refuses a design
// whose entries lie outside them (naming the entry), the report is written
// only from entries inside them, and a factor outside its range is not
// taken.
//
// The rating's own rules give none of these ranges. The module, face width
// and cone distance, the profile shifts, the torques and the pinion speed
// take the common bounds (common/calc/common_bounds.h), as the preliminary
// design does; every other bound is one no real bevel pair passes:
// - tooth numbers 1 to 1000, as the preliminary design takes them
//   (cone_pre_ranges.h);
// - αn 1° to 45°, βm up to 70° (0 for straight teeth, otherwise from 1″),
//   the pitch angles 0.01° to 89.99° (with Z up to 1000 no pitch angle of a
//   right-angle pair lies outside 0.057° to 89.943°);
// - εα 0.1 to 10, εβ 0.001 to 20 (0 for straight teeth);
// - φR 0.01 to 1 (the geometry steps use 0.25 to 1/3);
// - tangential shifts ±1, as in the preliminary design;
// - the load factors Ka, Kv, Kβ 0.1 to 10 (their tables give 1 to 3.8), the
//   other influence factors 0.01 to 10 (charts and formulas give 0.1 to 3;
//   the life factors 0.85 to 5.5 at any NE, 0.85 on from 10¹⁰), ZE 1 to
//   1000 √MPa (steel on steel 189.8, plastics about 20 to 60);
// - a cutter diameter D0 of 1 to 10000 mm.
// An entry not given yet holds 0 (orZero); its completion bit is set only
// for a value given and in range.
#pragma once
#include <optional>
#include <string>

#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace bevel::rating_range {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

// Geometry entries.
inline constexpr Quantity kM{"大端模数 m", "mm", bound::orZero(bound::kModule)};
inline constexpr Quantity kZ1{"小齿轮齿数 Z1", "", {1, 1000, true}};
inline constexpr Quantity kZ2{"大齿轮齿数 Z2", "", {1, 1000, true}};
inline constexpr Quantity kAlphaN{"法面压力角 αn", "°", {1, 45, true}};
inline constexpr Quantity kBetaM{"螺旋角 βm", "°", {0.0001, 70, true}};
inline constexpr Quantity kEpsAlpha{"端面重合度 εα", "", {0.1, 10, true}};
inline constexpr Quantity kEpsBeta{"齿向重合度 εβ", "", {0.001, 20, true}};
inline constexpr Quantity kB{"齿宽 b", "mm", bound::orZero(bound::kLength)};
inline constexpr Quantity kR{"锥距 R", "mm", bound::orZero(bound::kLength)};
inline constexpr Quantity kPhiR{"齿宽系数 φR", "", {0.01, 1, true}};
inline constexpr Quantity kDelta1{"分锥角 δ1", "°", {0.01, 89.99, true}};
inline constexpr Quantity kDelta2{"分锥角 δ2", "°", {0.01, 89.99, true}};
inline constexpr Quantity kX1{"径向变位 x1", "", bound::kShift};
inline constexpr Quantity kX2{"径向变位 x2", "", bound::kShift};
inline constexpr Quantity kXt1{"切向变位 xt1", "", {-1, 1}};
inline constexpr Quantity kXt2{"切向变位 xt2", "", {-1, 1}};

// Load entries.
inline constexpr Quantity kT{"输入扭矩 T", "N·m", bound::orZero(bound::kTorque)};
inline constexpr Quantity kT2{"输出扭矩 T2", "N·m", bound::orZero(bound::kTorque)};
inline constexpr Quantity kN1{"小齿轮转速 n1", "r/min", bound::orZero(bound::kSpeed)};

// Factors: a value above 0 outside its range is not taken.
inline constexpr fw::Bounds kLoadFactor{0.1, 10};
inline constexpr fw::Bounds kInfluenceFactor{0.01, 10};
inline constexpr Quantity kKa{"工况系数 Ka", "", kLoadFactor};
inline constexpr Quantity kKv{"动荷系数 Kv", "", kLoadFactor};
inline constexpr Quantity kKHbeta{"齿向载荷分配系数 KHβ", "", kLoadFactor};
inline constexpr Quantity kKFbeta{"齿向载荷分配系数 KFβ", "", kLoadFactor};
inline constexpr Quantity kZH{"节点区域系数 ZH", "", kInfluenceFactor};
inline constexpr Quantity kZE{"弹性系数 ZE", "√MPa", {1, 1000}};
inline constexpr Quantity kZeps{"重合度系数 Zε", "", kInfluenceFactor};
inline constexpr Quantity kZN{"寿命系数 ZN", "", kInfluenceFactor};
inline constexpr Quantity kZL{"润滑剂系数 ZL", "", kInfluenceFactor};
inline constexpr Quantity kZv{"速度系数 Zv", "", kInfluenceFactor};
inline constexpr Quantity kZR{"粗糙度系数 ZR", "", kInfluenceFactor};
inline constexpr Quantity kZW{"工作硬化系数 ZW", "", kInfluenceFactor};
inline constexpr Quantity kYF{"齿形系数 YF", "", kInfluenceFactor};
inline constexpr Quantity kYeps{"重合度系数 Yε", "", kInfluenceFactor};
inline constexpr Quantity kYbeta{"螺旋角系数 Yβ", "", kInfluenceFactor};
inline constexpr Quantity kY0{"刀盘直径影响系数 Y0", "", kInfluenceFactor};
inline constexpr Quantity kYN{"寿命系数 YN", "", kInfluenceFactor};
inline constexpr Quantity kYx{"尺寸系数 Yx", "", kInfluenceFactor};

// The cutter diameter of the Y0 dialog.
inline constexpr Quantity kD0{"刀盘直径 D0", "mm", {1, 10000, true}};

// The same quantity once given: 0 is refused too.
constexpr Quantity given(const Quantity& q) { return {q.name, q.unit, {q.bounds.lower, q.bounds.upper, false}}; }

// "工况系数 Ka 的计算结果超出 0.1 到 10 的范围，未被采用。请检查所选的数据！"
std::string factorRefusal(const Quantity& q);
// "输入未被接受，由此算得的输出扭矩 T2超出范围。\n输出扭矩 T2：请输入 …"
std::string couplingRefusal(const Quantity& q);

}  // namespace bevel::rating_range
