// The quantities a geometry record (CyGeomRecord) stores, each with its one
// range. Page 1's fields check a typed value against it and its rules
// refuse a value they would derive outside it; page 4's face width field
// and its calculation, and the strength rating's fields, read the same
// entries; checkCyGeomRecord checks every record that is loaded or about to
// be saved against them.
//
// Ranges of the calculator itself: β −60 to 60° and αn up to 30° (page 1's
// fields), minutes and seconds 0 to 59, ha* one of its list, the lists of
// hand, c* and mesh type.
//
// The normal module, centre distances, face width, the profile shifts and
// their sum take the common bounds (common/calc/common_bounds.h), as the
// preliminary design does. Our own choices, bounds no real gear pair passes:
// - tooth counts 1 to kMaxTeeth, virtual tooth counts 1 to 1e6 (Z/cos³β
//   of the largest count at 60° stays inside);
// - the centre distance modification coefficients yn, yt −20 to 20 (the
//   largest shift sum moves the centre distance by about 10 modules);
// - working pressure angle αwt 0.01 to 89.99° (at 90° there is no mesh);
// - transverse contact ratio εα 0.01 to kMaxEpsAlpha, overlap ratio εβ 0
//   to 100 (a helical pair has a few), face width factor ψd 0.001 to 100.
// Each name is the label of its field on page 1 or 4, word for word (the
// page's captions write "法面摸数 m" and the centre distance with a
// Cyrillic "а"), so that the record's faults name a value as its field does;
// the strength rating's fields have their own entries (rating_ranges.h).
// 0 stands for "not given yet" where page 1 starts at 0 (orZero); a record
// the later steps read needs teeth, module, centre distances and virtual
// teeth given (required()).
#pragma once
#include "common/calc/common_bounds.h"
#include "common/calc/gear_kinds.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/cy_quantities.h"

namespace cylindrical::geom_q {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

inline constexpr Quantity kZ1{"齿数 Z1", "", {1, kavrin::kMaxTeeth, true}};
inline constexpr Quantity kZ2{"齿数 Z2", "", {1, kavrin::kMaxTeeth, true}};
inline constexpr Quantity kBetaDeg{"β 度", "°", {-kMaxHelixDeg, kMaxHelixDeg}};
inline constexpr Quantity kBetaMin{"β 分", "′", {0, 59}};
inline constexpr Quantity kBetaSec{"β 秒", "″", {0, 59}};
inline constexpr Quantity kAlphaNDeg{"α 度", "°", {0, kMaxPressureAngleDeg}};
inline constexpr Quantity kAlphaNMin{"α 分", "′", {0, 59}};
inline constexpr Quantity kAlphaNSec{"α 秒", "″", {0, 59}};

inline constexpr Quantity kMn{"法面摸数 m", "mm", bound::orZero(bound::kModule)};
inline constexpr Quantity kA{"设计给定中心距 а", "mm", bound::orZero(bound::kLength)};
inline constexpr Quantity kAd{"标准齿轮中心距 ad", "mm", bound::orZero(bound::kLength)};
inline constexpr Quantity kAlphaWt{"啮合角 αwt", "°", {0.01, 89.99}};
inline constexpr Quantity kYt{"端面中心距变动系数 yt", "", {-20, 20}};
inline constexpr Quantity kYn{"法面中心距变动系数 yn", "", {-20, 20}};
inline constexpr Quantity kSumX{"总变位系数 χnΣ", "", bound::kShiftSum};
inline constexpr Quantity kXn1{"χn1", "", bound::kShift};
inline constexpr Quantity kXn2{"χn2", "", bound::kShift};
inline constexpr Quantity kZv1{"当量齿数 Zv1", "", {1, 1e6, true}};
inline constexpr Quantity kZv2{"当量齿数 Zv2", "", {1, 1e6, true}};
inline constexpr Quantity kB{"b", "mm", bound::orZero(bound::kLength)};
inline constexpr Quantity kEpsAlpha{"端面重合度 εα", "", {0.01, kMaxEpsAlpha, true}};
inline constexpr Quantity kEpsBeta{"齿向重合度 εβ", "", {0, 100}};
inline constexpr Quantity kPsiD{"齿宽系数 ψd", "", {0.001, 100, true}};

}  // namespace cylindrical::geom_q
