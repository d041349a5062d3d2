// An angle typed as a number, split into degrees, minutes and seconds both
// ways the calculators show it: minutes and seconds stay in their fields'
// ranges and the triple reads back as the angle to within a second.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/calc/angle_split.h"
#include "fuzz_check.h"
#include "fw/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto v = fw::parseNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!v) return 0;
    for (int way = 0; way < 2; ++way) {
        auto t = way == 0 ? kavrin::splitDecimalDegrees(*v) : kavrin::splitDegreesCarry(*v);
        if (!t) {
            FUZZ_CHECK(!(std::fabs(*v) < 2e9));  // only a value beyond an int's degrees is refused
            continue;
        }
        FUZZ_CHECK(std::abs(t->min) < 60);
        FUZZ_CHECK(std::abs(t->sec) <= (way == 0 ? 60 : 59));
        const double back = kavrin::tripleToDegrees(*t);
        FUZZ_CHECK(std::isfinite(back));
        FUZZ_CHECK(std::fabs(back - *v) <= 1.0 / 3600 + 1e-9 * std::fabs(*v) + 1e-9);
    }
    return 0;
}
