#include "cylindrical/calc/preliminary_extra.h"

namespace cylindrical {

double outputSpeed(double ni, double i) { return ni / i; }
double inputSpeed(double no, double i) { return no * i; }
double ratioFromSpeeds(double ni, double no) { return ni / no; }

}  // namespace cylindrical
