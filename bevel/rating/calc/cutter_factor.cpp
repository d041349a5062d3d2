#include "bevel/rating/calc/cutter_factor.h"

#include <cmath>

namespace bevel {

double cutterRatio(double d0, double betaMDeg, double b) {
    if (!(d0 > 0) || !(b > 0)) return 0;
    const double ratio = std::cos(betaMDeg * std::acos(-1.0) / 180) * d0 / b;
    return std::isfinite(ratio) && ratio > 0 ? ratio : 0;
}

double cutterFactorY0(double ratio) {
    if (!(ratio > 0)) return kUnknownCutterY0;
    if (ratio <= 5) return 0.9;
    if (ratio <= 6) return 0.95;
    return 1.0;
}

}  // namespace bevel
