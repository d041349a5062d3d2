// What the cylindrical range tables (cy_pre_ranges.h, cy_geom_ranges.h,
// rating_ranges.h) share: a quantity that must be given, and the refusal of
// a calculated value outside its quantity's range.
#pragma once
#include <initializer_list>
#include <string>

#include "common/calc/quantity.h"
#include "fw/format.h"

namespace cylindrical {

// The same quantity with 0 refused: what a record a later step reads must hold.
constexpr kavrin::Quantity required(kavrin::Quantity q) {
    q.bounds.orZero = false;
    return q;
}

// A calculation whose result lies outside its quantity's range gives no
// result (as a non-finite one): "中心距 a：计算结果不在 0.01 到 10000000 之间，
// 请修正输入数据！" (wording ours).
inline std::string resultRefusal(const kavrin::Quantity& q) {
    return std::string(q.name) + "：计算结果不在 " + fw::formatNumber(q.lower()) + " 到 " +
           fw::formatNumber(q.upper()) + " 之间，请修正输入数据！";
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
