// The number fields of the three geometry dialogs, each bound to its
// quantity's one range in calc/cone_geom_ranges.h: the range the record
// check reads on both loads and before every save, so a value a field
// refuses never reaches a design file, and a loaded one the field would
// refuse is refused at load.
#pragma once
#include "common/calc/quantity.h"
#include "common/dialogs/quantity_field.h"
#include "fw/exchange.h"

namespace bevel {

// Outside q refused, naming the field and the range.
inline void geomNumber(fw::Exchange& dx, int id, double& v, const kavrin::Quantity& q) { dx.number(id, v, q.bounds); }

// The same, except that a value at or below ownFloor is taken as typed: the
// dialog's own rule judges it next, in its own words ("模数无效!", "齿宽系数偏
// 小或非法!"), and a fresh dialog's 0 is not refused while untouched.
inline void geomNumberOwnBelow(fw::Exchange& dx, int id, double& v, const kavrin::Quantity& q, double ownFloor = 0) {
    kavrin::numberOwnBelow(dx, id, v, q.bounds, ownFloor);
}

}  // namespace bevel
