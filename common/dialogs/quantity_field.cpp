#include "common/dialogs/quantity_field.h"

#include "fw/format.h"

namespace kavrin {

void numberOwnBelow(fw::Exchange& dx, int id, double& v, const fw::Bounds& b, double ownFloor) {
    if (!dx.saving()) return dx.number(id, v);
    double x = v;
    dx.number(id, x);
    if (dx.failed()) return;
    if (!(x <= ownFloor) && !b.admits(x)) return dx.fail(id, fw::numberBoundsText(b));
    v = x;
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
