#include "bevel/rating/calc/rating_forces.h"

#include <cmath>

#include "common/calc/quantity.h"

namespace bevel {

RatingNotice invalidInputNotice() { return {RatingNotice::Icon::Exclamation, "输入的数值非法!", ""}; }

RatingValue<double> ratingTorque(double powerKw, double speed) {
    if (!usableFactor(powerKw) || !usableFactor(speed)) return fw::unexpected(invalidInputNotice());
    const double t = 9550 * powerKw / speed;
    if (!usableFactor(t)) return fw::unexpected(invalidInputNotice());
    return t;
}

double outputTorque(double t, int z1, int z2) {
    if (z1 <= 0 || z2 <= 0) return 0;
    const double t2 = t * z2 / z1;
    return usableFactor(t2) ? t2 : 0;
}

double inputTorque(double t2, int z1, int z2) {
    if (z1 <= 0 || z2 <= 0) return 0;
    const double t = t2 * z1 / z2;
    return usableFactor(t) ? t : 0;
}

RatingValue<double> meanTangentialForce(const ForceInput& in) {
    if (in.z1 <= 0 || in.z2 <= 0 || !(in.phiR < 2)) return fw::unexpected(invalidInputNotice());
    const double ftm = 2000 * in.torque / (in.m * in.z1) / (1 - 0.5 * in.phiR);
    if (!kavrin::printable(ftm)) return fw::unexpected(invalidInputNotice());
    return ftm;
}

RatingValue<Forces> gearForces(const ForceInput& in, double ftm, DriveArrangement arrangement) {
    if (!(in.alphaNDeg >= 0 && in.alphaNDeg < 90) || !(std::fabs(in.betaMDeg) < 90) || in.z1 <= 0 || in.z2 <= 0 ||
        !(in.phiR < 2))
        return fw::unexpected(invalidInputNotice());
    const double tanA = std::tan(ratingRadians(in.alphaNDeg));
    const double sb = std::sin(ratingRadians(in.betaMDeg)), cb = std::cos(ratingRadians(in.betaMDeg));
    const double s1 = std::sin(ratingRadians(in.delta1Deg)), c1 = std::cos(ratingRadians(in.delta1Deg));
    const double s2 = std::sin(ratingRadians(in.delta2Deg)), c2 = std::cos(ratingRadians(in.delta2Deg));
    Forces f;
    switch (arrangement) {
        case DriveArrangement::Straight:
            f.fr1 = ftm * tanA * c1;
            f.fr2 = ftm * tanA * c2;
            f.fx1 = ftm * tanA * s1;
            f.fx2 = ftm * tanA * s2;
            break;
        case DriveArrangement::FirstPairing:
            f.fr1 = ftm * (tanA * c1 - sb * s1) / cb;
            f.fr2 = ftm * (tanA * c2 + sb * s2) / cb;
            f.fx1 = ftm * (tanA * s1 + sb * c1) / cb;
            f.fx2 = ftm * (tanA * s2 - sb * c2) / cb;
            break;
        case DriveArrangement::SecondPairing:
            f.fr1 = ftm * (tanA * c1 + sb * s1) / cb;
            f.fr2 = ftm * (tanA * c2 - sb * s2) / cb;
            f.fx1 = ftm * (tanA * s1 - sb * c1) / cb;
            f.fx2 = ftm * (tanA * s2 + sb * c2) / cb;
            break;
    }
    f.zM = meanConeFactorZM(in.z1, in.z2);
    f.coneH = 1 / (1 - 0.5 * in.phiR);
    f.coneF = f.coneH * f.coneH;
    for (double v : {f.fr1, f.fr2, f.fx1, f.fx2, f.zM, f.coneH, f.coneF})
        if (!kavrin::printable(v)) return fw::unexpected(invalidInputNotice());
    return f;
}

}  // namespace bevel
