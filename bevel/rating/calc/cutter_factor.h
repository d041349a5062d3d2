// The cutter diameter factor Y0 of curved-tooth bevel gears: from the ratio
// of the cutter diameter to the face width as the tooth sees it,
// D0·cos βm / b.
#pragma once

namespace bevel {

// Y0 of straight teeth (the cutter diameter plays no part).
inline constexpr double kStraightToothY0 = 1.15;
// Y0 when the cutter diameter is not known or not positive.
inline constexpr double kUnknownCutterY0 = 1.0;

// D0·cos βm / b (βm in degrees); 0 when it is not a finite positive number
// (no cutter diameter, no face width).
double cutterRatio(double d0, double betaMDeg, double b);
// 0.9 up to a ratio of 5, 0.95 up to 6, 1.0 above it and for a ratio of 0.
double cutterFactorY0(double ratio);

}  // namespace bevel
