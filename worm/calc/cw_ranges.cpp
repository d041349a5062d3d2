#include "worm/calc/cw_ranges.h"

#include <cmath>

#include "fw/format.h"

namespace worm::ranges {

std::string rangeRule(const Quantity& q) {
    if (q.unit == "°")
        return fw::format("应在%.0f°～%.0f°之间", std::round(q.lower()), std::round(q.upper()));
    return "应在" + fw::formatNumber(q.lower()) + "～" + fw::formatNumber(q.upper()) + std::string(q.unit) + "之间";
}

}  // namespace worm::ranges
