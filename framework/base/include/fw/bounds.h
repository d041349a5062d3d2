// The numbers a field takes, or a stored slot holds: a closed range, and 0
// beside it where 0 stands for "not given yet". A field's check, a record's
// load check and its save check read one Bounds, so a value is taken by all
// three or by none.
#pragma once
#include <string>

namespace fw {

struct Bounds {
    double lower = 0;
    double upper = 0;
    bool orZero = false;   // 0 is taken as well: the value is not given yet

    // NaN and the infinities are never admitted.
    constexpr bool admits(double v) const { return (orZero && v == 0) || (v >= lower && v <= upper); }
    friend constexpr bool operator==(const Bounds&, const Bounds&) = default;
};

// The refusal of a value outside b, as the fields and the record checks word
// it: "请输入 0.1 到 100 之间的数值。", "请输入 0 或 1 到 100000 之间的整数。".
std::string numberBoundsText(const Bounds& b);
std::string integerBoundsText(const Bounds& b);

}  // namespace fw
