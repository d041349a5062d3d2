#include "common/dialogs/quantity_field.h"

#include <algorithm>
#include <climits>

#include "fw/format.h"

namespace kavrin {

void number(fw::Exchange& dx, int id, double& v, const Quantity& q) { dx.number(id, v, q.bounds, q.name); }

void integer(fw::Exchange& dx, int id, std::int32_t& v, const Quantity& q) { dx.integer(id, v, q.bounds, q.name); }

void integer(fw::Exchange& dx, int id, std::uint32_t& v, const Quantity& q) {
    auto held = static_cast<std::int32_t>(std::min<std::uint32_t>(v, INT32_MAX));
    integer(dx, id, held, q);
    if (dx.saving() && !dx.failed()) v = static_cast<std::uint32_t>(held);
}

void numberOwnBelow(fw::Exchange& dx, int id, double& v, const Quantity& q, double ownFloor) {
    dx.named(id, q.name, q.bounds);
    if (!dx.saving()) return dx.number(id, v);
    double x = v;
    dx.number(id, x);
    if (dx.failed()) return;
    if (!(x <= ownFloor) && !q.admits(x)) return dx.fail(id, fw::numberBoundsText(q.bounds));
    v = x;
}

bool takeInRange(fw::Dialog& d, int id, double v, const Quantity& q) {
    fw::Exchange dx(d, fw::Exchange::Direction::Save);
    dx.named(id, q.name, q.bounds);
    if (q.admits(v)) return true;
    dx.fail(id, fw::numberBoundsText(q.bounds));
    return false;
}

std::optional<double> typedValue(const std::string& text, const fw::Bounds& b) {
    auto v = fw::parseNumber(text);
    if (!v || !b.admits(*v)) return std::nullopt;
    return v;
}

std::optional<double> typedValueOwnBelow(const std::string& text, const fw::Bounds& b, double ownFloor) {
    auto v = fw::parseNumber(text);
    if (!v || !(*v <= ownFloor || b.admits(*v))) return std::nullopt;
    return v;
}

}  // namespace kavrin
