// The load side of the bevel strength rating: the torque from power and
// speed, the tangential force at the mean cone and the radial and axial
// forces of both gears by drive arrangement. π is 3.141592654.
#pragma once
#include "bevel/rating/calc/rating_factors.h"

namespace bevel {

// The drive arrangement of the arrangement dialog.
enum class DriveArrangement { Straight = 0, FirstPairing = 1, SecondPairing = 2 };

// T = 9550·P/n (N·m); refused with "输入的数值非法!" (warning icon) unless
// both are finite and above 0, or the torque is not.
RatingValue<double> ratingTorque(double powerKw, double speed);
// The output torque T·Z2/Z1, and the input torque T2·Z1/Z2; 0 unless both
// tooth numbers are positive (and the result usable).
double outputTorque(double t, int z1, int z2);
double inputTorque(double t2, int z1, int z2);

struct ForceInput {
    double torque = 0;  // T, N·m
    double m = 0;       // outer transverse module, mm
    int z1 = 0, z2 = 0;
    double phiR = 0;
    double alphaNDeg = 0, betaMDeg = 0;
    double delta1Deg = 0, delta2Deg = 0;
};
// Ftm = 2000·T/(m·Z1)/(1 − 0.5·φR); refused with "输入的数值非法!" for
// φR ≥ 2, tooth numbers not positive, or a result that is not printable
// (not finite, or 16 or more digits before the point).
RatingValue<double> meanTangentialForce(const ForceInput& in);

struct Forces {
    double fr1 = 0, fr2 = 0, fx1 = 0, fx2 = 0;
    double zM = 0;         // √(√(u² + 1)/u)
    double coneH = 0;      // 1/(1 − 0.5·φR)
    double coneF = 0;      // its square
};
// The four forces of the arrangement from Ftm, and the factors that go with
// them; refused with "输入的数值非法!" for αn or βm of 90° or more (or below
// 0), and for any value that is not printable.
RatingValue<Forces> gearForces(const ForceInput& in, double ftm, DriveArrangement arrangement);

// The refusal of the forces and torque steps.
RatingNotice invalidInputNotice();

}  // namespace bevel
