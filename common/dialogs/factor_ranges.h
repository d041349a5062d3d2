// The values a user types into the factor dialogs of the strength ratings,
// each with its one range: the dialog's field takes only what lies inside
// (a value at or below zero, where the dialog has its own words for it,
// goes on to those words), and the rating's calculation reads nothing else.
//
// Ranges of the dialogs themselves: the whole depth factor at least 1.3 ("全
// 齿高系数不能太小！" below), the fatigue limits up to kSigmaHlimMax and
// kSigmaFlimMax, the viscosity ν50 1 to 2000 cSt (rating_tables.h). The
// pinion speed, the power, the load cycles and the shift coefficient take
// the common bounds (common/calc/common_bounds.h), as the preliminary
// designs do. Our own choices, bounds no real gear pair passes:
// - fatigue limits from 100 MPa (σHlim) and 50 MPa (σFlim): grey cast iron,
//   the weakest gear material, lies above both;
// - moduli of elasticity 1000 to 1e6 N/mm² (plastics to hard metals),
//   Poisson's ratios 0.01 to 0.5;
// - flank hardness 50 to 1000 HB; roughness Ra 0.01 to 100 μm;
// - virtual tooth number 1 to 1e6 (the geometry record's range), whole
//   depth factor up to 5.
// 0 stands for "not given" where the dialog starts at or refuses 0 with its
// own words (orZero).
#pragma once
#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"
#include "common/calc/rating_tables.h"

namespace kavrin::factor_q {

inline constexpr Quantity kSpeed{"小齿轮转速 n1", "r/min", bounds::orZero(bounds::kSpeed)};
inline constexpr Quantity kPower{"传递功率 P", "kW", bounds::orZero(bounds::kPower)};
inline constexpr Quantity kSigmaHlim{"接触疲劳极限 σHlim", "MPa", {100, rating::kSigmaHlimMax, true}};
inline constexpr Quantity kSigmaFlim{"弯曲疲劳极限 σFlim", "MPa", {50, rating::kSigmaFlimMax, true}};
inline constexpr Quantity kElasticModulus{"弹性模量 E", "N/mm²", {1000, 1e6, true}};
inline constexpr Quantity kPoisson{"泊桑比 ν", "", {0.01, 0.5, true}};
// The elasticity dialog's fields, one per gear.
inline constexpr Quantity kE1{"小齿轮弹性模量 E1", "N/mm²", kElasticModulus.bounds};
inline constexpr Quantity kE2{"大齿轮弹性模量 E2", "N/mm²", kElasticModulus.bounds};
inline constexpr Quantity kNu1{"小齿轮泊桑比 ν1", "", kPoisson.bounds};
inline constexpr Quantity kNu2{"大齿轮泊桑比 ν2", "", kPoisson.bounds};
// The load cycles the bending life dialog forms (no field shows them), and
// the contact life dialog's field, labelled by its prompt.
inline constexpr Quantity kLoadCycles{"当量循环次数 NE", "", bounds::orZero(bounds::kLoadCycles)};
inline constexpr Quantity kTypedLoadCycles{"请输入当量负载循环次数", "", kLoadCycles.bounds};
inline constexpr Quantity kHardness{"大齿轮齿面硬度 HB", "HB", {50, 1000}};
inline constexpr Quantity kViscosity{"50°C时润滑油运动粘度 ν50", "cSt", {rating::kViscosity50Min, rating::kViscosity50Max}};
inline constexpr Quantity kRoughness{"输入粗糙度Ra值", "μm", {0.01, 100}};
inline constexpr Quantity kShift{"变位系数 x", "", bounds::kShift};
inline constexpr Quantity kVirtualTeeth{"当量齿数 zv", "", {1, 1e6}};
inline constexpr Quantity kWholeDepth{"全齿高系数 h*", "", {1.3, 5}};

}  // namespace kavrin::factor_q
