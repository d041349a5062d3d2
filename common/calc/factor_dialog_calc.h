// The small computations the factor dialogs make themselves: the application
// factor band and the trackbar reading, the load cycles of the life dialogs,
// the modulus pairs of the elasticity dialog and the enabling rules.
#pragma once
#include <optional>
#include <string_view>

#include "fw/bounds.h"

namespace kavrin {

// ---- Application factor KA ---------------------------------------------
// Which radio set the band last: the driver (row) and the driven machine
// (column) tables differ in three cells.
enum class KaBandSource { Driver, Driven };
struct KaBand {
    double low = 1.0;
    double high = 1.25;
};
// The band of cell (driver 0..2, driven 0..2); nullopt outside the table.
std::optional<KaBand> applicationFactorBand(int driver, int driven, KaBandSource source);
// low + (high − low) · (pos − min) / (max − min); the low bound for an empty range.
double applicationFactor(const KaBand& band, int pos, int rangeMin, int rangeMax);

// ---- Bending life NE -----------------------------------------------------
// The exponent k of the cycles list "10＾3" … "10＾7" entry (index 0..4).
constexpr int cyclesListExponent(int index) { return index + 3; }
// "10^k" or "10＾k" (blanks around allowed) with a whole k; nullopt otherwise.
std::optional<int> cyclesExponent(std::string_view text);
// NE = 10^k · multiplier, as the bending life dialog hands it on. The
// multiplier has no range of its own: NE has one, `cycles`, and a product
// above 0 outside it (or not finite) is refused, nullopt. A multiplier at or
// below 0 gives an NE at or below 0, which the rating refuses in its own
// words ("未正确给定设计寿命！").
std::optional<double> bendingCycles(int exponent, double multiplier, const fw::Bounds& cycles);

// ---- Contact life NE -----------------------------------------------------
// The limit number of load cycles of material class 0..2 and pitting option
// (0 allowed, 1 not allowed): 1e9 / 5e7 for class 0, 2e6 for classes 1 and 2.
double contactLifeCycles(int materialClass, int pitting);
// The pitting radios are offered only for class 0.
constexpr bool pittingChoosable(int materialClass) { return materialClass == 0; }

// ---- Elasticity ----------------------------------------------------------
inline constexpr int kElasticPairOther = 10;  // "其它": typed values
struct ElasticModuli {
    double e1 = 210000;  // N/mm²
    double e2 = 210000;
};
// The moduli of material pair 0..9, and 210000/210000 for "其它" (10) or
// any other index.
ElasticModuli elasticModuli(int pair);

// ---- Limit strength ------------------------------------------------------
struct LimitFields {
    bool contact = false;   // σHlim field
    bool bending = false;   // σFlim field
};
// Mode 0: contact only; positive: bending only; negative: both.
constexpr LimitFields limitFields(int mode) {
    if (mode == 0) return {.contact = true, .bending = false};
    if (mode > 0) return {.contact = false, .bending = true};
    return {.contact = true, .bending = true};
}

// ---- Work hardening ------------------------------------------------------
// The gear hardness is asked only while the pinion is hard (0) and the gear
// soft (1).
constexpr bool hardnessAsked(int pinionFlank, int gearFlank) { return pinionFlank == 0 && gearFlank == 1; }
inline constexpr double kSoftFlankMaxHb = 350;

}  // namespace kavrin
