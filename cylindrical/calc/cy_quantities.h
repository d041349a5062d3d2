// What the cylindrical range tables (cy_pre_ranges.h, cy_geom_ranges.h,
// rating_ranges.h) share: a quantity that must be given, and the first value
// of a list that its quantity refuses.
#pragma once
#include <initializer_list>

#include "common/calc/quantity.h"

namespace cylindrical {

// The same quantity with 0 refused: what a record a later step reads must hold.
constexpr kavrin::Quantity required(kavrin::Quantity q) {
    q.bounds.orZero = false;
    return q;
}

// The first quantity of the list that refuses its value, or nullptr.
struct QuantityValue {
    const kavrin::Quantity* q;
    double v;
};
inline const kavrin::Quantity* firstRefused(std::initializer_list<QuantityValue> values) {
    for (const auto& qv : values)
        if (!qv.q->admits(qv.v)) return qv.q;
    return nullptr;
}

}  // namespace cylindrical
