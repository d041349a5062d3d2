// Speed relations of the preliminary design's load fields.
#pragma once

namespace cylindrical {

// no = ni / i, ni = no × i and i = ni / no (r/min).
double outputSpeed(double ni, double i);
double inputSpeed(double no, double i);
double ratioFromSpeeds(double ni, double no);

}  // namespace cylindrical
