// The entry mask of the small-module dialog: one bit per accepted input;
// "计  算" is offered only when the low six bits are all set.
#pragma once
#include <cstdint>

#include "smallmodule/calc/smcy_calc.h"

namespace smallmodule {

enum EntryBit : std::int32_t {
    kBitSigma = 1,    // axis angle Σ (preset in patterns 0 and 3)
    kBitU = 2,        // tooth ratio
    kBitModule = 4,   // module chosen
    kBitAw = 8,       // working centre distance
    kBitF = 16,       // friction coefficient
    kBitBeta1 = 32,   // helix angle β1 (preset in patterns 1 to 3)
    kAllEntryBits = 63,
};

// The mask a pattern starts with.
constexpr std::int32_t initialEntryMask(Pattern p) {
    return p == Pattern::Parallel || p == Pattern::Perpendicular ? kBitSigma | kBitBeta1 : kBitBeta1;
}
constexpr bool entryComplete(std::int32_t mask) { return (mask & kAllEntryBits) == kAllEntryBits; }
// A refused axis angle withdraws the acceptance of Σ, u, module and a'.
constexpr std::int32_t afterAxisAngleRefusal(std::int32_t mask) { return mask & 0xFFF0; }
// A field whose value was accepted once is not taken again while it holds
// that value. The framework already skips a field left with the text it was
// last checked with; this covers a text the program rewrote with the same
// value (the actual ratio after a calculation, a loaded design), whose first
// leave would otherwise repeat the question and the "需点击“计算”" notice.
constexpr bool acceptedBefore(std::int32_t mask, EntryBit bit, bool unchanged) { return unchanged && (mask & bit); }

static_assert(initialEntryMask(Pattern::Parallel) == 33 && initialEntryMask(Pattern::HelicalSum) == 32);
static_assert(afterAxisAngleRefusal(63) == 48 && entryComplete(63) && !entryComplete(62));

}  // namespace smallmodule
