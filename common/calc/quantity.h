// A quantity a design record stores: the label of its field, its unit and
// its one range. Each record kind lists its quantities once, beside its
// record; the field's check (fw::Exchange with q.bounds), the loader's check
// and the save's check (RecordCheck::quantity) all read that entry, so a
// value is refused in all three places or in none.
//
// Where the calculator's own rules give no range, a table takes a bound that
// no real gear drive passes: for speeds, powers, torques, lengths, modules,
// profile shifts and load cycles the common one (common_bounds.h), for any
// other quantity its own, with the reason in its comment. Tiny values are as
// absurd as huge ones: lengths, modules, powers and speeds have a lower bound
// above zero (with orZero where 0 means "not given yet").
#pragma once
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "fw/bounds.h"

namespace kavrin {

struct Quantity {
    // The label of the field that shows it, word for word as the field's
    // accessible name and refusal give it ("传动功率 P"); the record checks
    // word their faults with it. A slot that no field shows keeps a name of
    // ours; one entry per field where fields with other labels share a range.
    std::string_view name;
    std::string_view unit;   // "kW"; empty for a ratio, a count or a coefficient
    fw::Bounds bounds;

    constexpr bool admits(double v) const { return bounds.admits(v); }
    constexpr double lower() const { return bounds.lower; }
    constexpr double upper() const { return bounds.upper; }
    friend constexpr bool operator==(const Quantity&, const Quantity&) = default;
};

// "传动比 i：请输入 0.01 到 1000 之间的数值。": what a record check says of
// a value outside q, in the words the field's own refusal uses.
std::string quantityRefusal(const Quantity& q);
std::string countRefusal(const Quantity& q);
// A calculated value outside its quantity's range is no result, as a
// non-finite one: "计算结果未被采用：大端端面模数 mt 应在 0.05 到 100 mm 之间。
// 请检查输入数据！".
std::string resultNotTaken(const Quantity& q);

// The largest magnitude a report prints: a number with 16 or more digits
// before its decimal point is no result (no report format holds it).
inline constexpr double kPrintableLimit = 1e15;

// Finite and below kPrintableLimit in magnitude: a result a report can hold.
// A calculation refuses a result that is not printable exactly as it refuses
// a non-finite one.
inline bool printable(double v) { return std::isfinite(v) && std::abs(v) < kPrintableLimit; }
inline bool allPrintable(std::initializer_list<double> values) {
    for (double v : values)
        if (!printable(v)) return false;
    return true;
}

}  // namespace kavrin
