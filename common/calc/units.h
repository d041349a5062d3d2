// Unit conversions the calculators share.
#pragma once

namespace kavrin {

// T [N·m] = 9549·P [kW] / n [r/min]: 60000/(2π) = 9549.3, rounded as the
// gear standards' power formula writes it (the reports print "9549").
inline constexpr double kTorquePerPower = 9549;

}  // namespace kavrin
