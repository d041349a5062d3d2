// The values the strength rating dialog takes in its fields, each with its
// one range. The pair's values take the ranges of the geometry record
// (cy_geom_ranges.h: module, face width, contact ratio, tooth counts), so a
// loaded design is never one its fields refuse, under the labels of this
// dialog's fields where they differ from the geometry pages' ones; the load, the transmitted
// torque and the pinion speed, takes the common bounds
// (common/calc/common_bounds.h), as the preliminary design and the torque
// dialog do.
// The helix angle takes any number (above 60° the dialog's own hint, at or
// below 0 a spur pair); αn is 0 to 30° as page 1 of the geometry sheet.
// 0 stands for "not given yet" (orZero): every field starts at 0.
#pragma once
#include "cylindrical/calc/cy_geom_ranges.h"

namespace cylindrical::rating_q {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

inline constexpr Quantity kTorque{"传递扭矩 T", "N·m", bound::orZero(bound::kTorque)};
inline constexpr Quantity kN1{"小齿轮转速 n1", "r/min", bound::orZero(bound::kSpeed)};
inline constexpr Quantity kAlphaN{"法面压力角 αn", "°", {0, kMaxPressureAngleDeg}};
inline constexpr Quantity kZ{"齿数 Z", "", geom_q::kZ1.bounds};
inline constexpr Quantity kMn{"法面模数 mn", "mm", geom_q::kMn.bounds};
inline constexpr Quantity kB{"齿宽 b", "mm", geom_q::kB.bounds};
inline constexpr const Quantity& kEpsAlpha = geom_q::kEpsAlpha;

}  // namespace cylindrical::rating_q
