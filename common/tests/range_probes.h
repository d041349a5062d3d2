// The values a range test tries on a field or a stored slot of a quantity:
// the absurd ones (±1e300, ±1e-300) and each bound with a step either side
// that the field's text shows ("%.15g"). Header-only, for every test.
#pragma once
#include <algorithm>
#include <cmath>
#include <vector>

#include "common/calc/quantity.h"

namespace kavrin_test {

// A step beside a bound that a field's text still shows.
inline double stepBeside(double bound) { return 1e-9 * std::max(1.0, std::abs(bound)); }

inline std::vector<double> numberProbes(const kavrin::Quantity& q) {
    std::vector<double> v{1e300, -1e300, 1e-300, -1e-300};
    for (double b : {q.lower(), q.upper()})
        for (double d : {-stepBeside(b), 0.0, stepBeside(b)}) v.push_back(b + d);
    return v;
}

// A whole-number quantity: each bound and one beside it.
inline std::vector<double> countProbes(const kavrin::Quantity& q) {
    return {q.lower() - 1, q.lower(), q.upper(), q.upper() + 1};
}

}  // namespace kavrin_test
