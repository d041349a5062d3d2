// The bounds that many record kinds share, named once. Every range table
// (the *_ranges.h of each calculator and common/dialogs/factor_ranges.h)
// refers to these for its speeds, powers, torques, lengths, modules, profile
// shifts and load cycles, so that a bound changes in one line; a table keeps
// a range of its own only where its calculator's rules give one, and
// derives a bound that follows from one of these in code.
//
// Each bound is one that no real gear drive passes, checked against the
// most extreme drives we could name:
// - speed 10⁻⁶ to 10⁶ r/min: gear-driven dental handpieces turn at up to
//   200,000 r/min; a telescope's polar axis turns at 7·10⁻⁴ r/min and an
//   annual calendar wheel, once a year, at 1.9·10⁻⁶ r/min;
// - power 10⁻⁶ to 10⁶ kW: sub-watt micro gearmotors deliver 0.22 W, the
//   largest turbo gear units about 100 MW;
// - torque 10⁻⁶ to 10¹⁰ N·m: such a micro gearmotor has about 0.0002 N·m at
//   its pinion, the largest mill drives transmit about 10⁷ N·m;
// - lengths 10⁻⁶ to 10⁷ mm: a nanometre lies below every instrument, the
//   largest girth gears are some 15 m across, and no centre distance
//   reaches 10 km;
// - modules 0.01 to 100 mm: micro gears are made from 0.01 mm, the coarsest
//   mill girth gears and rack drives stay below 100 mm;
// - profile shift coefficients ±5 (cut gears stay within about ±2; past ±5
//   a tooth keeps no thickness or no depth), their sum over a pair ±10;
// - load cycles 1 to 10¹²: the longest industrial lives reach 10¹¹ cycles (a
//   turbo gear pinion at 10,000 r/min for 20 years).
// Values derived from these at their ends (a torque from the smallest power
// at the highest speed, a power from the largest torque) may leave their
// own bounds: the couplings refuse them with their own messages.
#pragma once
#include "fw/bounds.h"

namespace kavrin::bounds {

inline constexpr fw::Bounds kSpeed{1e-6, 1e6};      // r/min
inline constexpr fw::Bounds kPower{1e-6, 1e6};      // kW
inline constexpr fw::Bounds kTorque{1e-6, 1e10};    // N·m
inline constexpr fw::Bounds kLength{1e-6, 1e7};     // mm
inline constexpr fw::Bounds kModule{0.01, 100};     // mm
inline constexpr fw::Bounds kShift{-5, 5};
inline constexpr fw::Bounds kShiftSum{2 * kShift.lower, 2 * kShift.upper};
inline constexpr fw::Bounds kLoadCycles{1, 1e12};

// The power of ten at or below x (x > 0): the end of a bound derived from
// these (a gear's speed from the worm's at the largest ratio) as a designer
// writes it, never inside the derived range.
constexpr double decadeBelow(double x) {
    double p = 1;   // a power of ten, exact as a double up to 10²²
    if (x >= 1) {
        while (p * 10 <= x) p *= 10;
        return p;
    }
    while (1 / p > x) p *= 10;
    return 1 / p;   // as the literal 1e-k reads
}

// The same bounds where 0 stands for "not given yet".
constexpr fw::Bounds orZero(fw::Bounds b) {
    b.orZero = true;
    return b;
}

}  // namespace kavrin::bounds
