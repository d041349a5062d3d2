#include "bevel/rating/calc/rating_factors.h"

#include <algorithm>
#include <cmath>

#include "common/calc/rating_tables.h"
#include "fw/format.h"

namespace bevel {

namespace {

double orZero(double v) { return usableFactor(v) ? v : 0; }

}  // namespace

bool usableFactor(double v) { return kavrin::printable(v) && v > 0; }

RatingValue<double> factorInRange(const kavrin::Quantity& q, double v) {
    if (v > 0 && !q.admits(v))
        return fw::unexpected(RatingNotice{RatingNotice::Icon::Exclamation, rating_range::factorRefusal(q), ""});
    return v;
}

double pitchLineSpeed(double m, int z1, double n1) { return kRatingPi * m * z1 * n1 / 60000.0; }

double dynamicFactor(int gradeIndex, double v) {
    static constexpr double kEdges[8] = {0, 1, 3, 5, 8, 12, 18, 25};
    static constexpr double kTable[5][7] = {
        {1, 1.1, 1.15, 1.2, 1.3, 1.5, 1.7},  // grade 5
        {1, 1.2, 1.3, 1.4, 1.5, 1.7, 1.8},   // grade 6
        {1, 1.3, 1.4, 1.5, 1.7, 1.8, 1.9},   // grade 7
        {1.1, 1.4, 1.5, 1.7, 1.8, 1.9, 2.0}, // grade 8
        {1.2, 1.5, 1.7, 1.8, 1.9, 2.0, 2.2}, // grade 9
    };
    if (gradeIndex < 0 || gradeIndex > 4) return 0;
    int band = 0;
    if (v > kEdges[7]) {
        band = 6;
    } else {
        for (int k = 0; k < 7; ++k)
            if (kEdges[k] < v && v <= kEdges[k + 1]) band = k;
    }
    return kTable[gradeIndex][band];
}

double loadFactorAtLeastOne(double k) { return usableFactor(k) ? std::max(1.0, k) : 0; }

RatingValue<double> elasticityFactor(double e1, double e2, double nu1, double nu2) {
    const RatingNotice refusal{RatingNotice::Icon::None, "材料力学指标值不正确，请继续选定！", ""};
    if (e1 == 0 || e2 == 0 || nu1 == 0 || nu2 == 0) return fw::unexpected(refusal);
    const double zE = std::sqrt(1.0 / (kRatingPi * ((1 - nu1 * nu1) / e1 + (1 - nu2 * nu2) / e2)));
    if (!usableFactor(zE)) return fw::unexpected(refusal);
    return zE;
}

double contactLifeFactor(int group, int pitting, double nl) {
    if (!usableFactor(nl) || group < 0 || group > 2 || pitting < 0 || pitting > 1) return 0;
    struct Row {
        double threshold, c, e, flat;
    };
    static constexpr Row rows[4] = {
        {7e5, 3.6314, -0.0623018, 1.6},   // group 0, pitting allowed
        {1e5, 3.7552, -0.0742437, 1.6},   // group 0, no pitting
        {1e5, 3.4202, -0.0838968, 1.3},   // group 1
        {1e5, 1.55645, -0.0302237, 1.1},  // group 2
    };
    const Row& r = rows[group == 0 ? pitting : group + 1];
    return orZero(nl < r.threshold ? r.flat : kavrin::rating::lifeFactorPowerLaw(r.c, r.e, nl));
}

LubricantResult lubricantFactors(int limitClass, int lubricant, int surface, double viscosity, double m, int z1,
                                 double n1) {
    LubricantResult out;
    out.v = pitchLineSpeed(m, z1, n1);
    if (!kavrin::rating::validLimitClass(limitClass) || lubricant < 0 || lubricant > 1 || surface < 0 || surface > 1)
        return out;
    out.zL = orZero(kavrin::rating::lubricantFactor(limitClass, lubricant, surface, viscosity));
    out.zV = orZero(kavrin::rating::velocityFactor(limitClass, out.v));
    return out;
}

double roughnessDistance(double delta1Deg, double phiR, double r) {
    const double d1 = ratingRadians(delta1Deg);
    return (std::sin(d1) + std::cos(d1)) * (1 - 0.5 * phiR) * r;
}

RoughnessResult roughnessFactor(int limitClass, double ra, double delta1Deg, double phiR, double r) {
    RoughnessResult out;
    out.a = roughnessDistance(delta1Deg, phiR, r);
    out.f = kavrin::rating::roughnessDistanceFactor(out.a);
    if (kavrin::rating::validLimitClass(limitClass))
        out.zR = orZero(kavrin::rating::roughnessFactor(limitClass, ra * out.f));
    return out;
}

double workHardeningFactor(int pinionSurface, int gearSurface, double hb) {
    return kavrin::rating::workHardeningFactor(pinionSurface, gearSurface, hb);
}

FormFactorChart formFactorChart(bool gear, int z1, int z2, double betaMDeg, double x1, double x2, double xt1,
                                double xt2) {
    FormFactorChart out;
    if (z1 <= 0 || z2 <= 0 || !(std::fabs(betaMDeg) < 90)) return out;
    const double z = gear ? z2 : z1;
    const double delta = std::atan(gear ? static_cast<double>(z2) / z1 : static_cast<double>(z1) / z2);
    const double cb = std::cos(ratingRadians(betaMDeg));
    out.zv = z / std::cos(delta) / (cb * cb * cb);
    out.s = (1 / out.zv - 1.0 / 12) / (-0.08233333333333333);
    out.x = gear ? x2 : x1;
    out.xt = gear ? xt2 : xt1;
    return out;
}

double formFactor(double yf0, double xt) {
    double yF = yf0;
    if (xt != 0) yF *= 1.00562 / std::exp(0.864337 * xt);
    return orZero(yF);
}

double contactRatioBendingFactor(double betaMDeg, double epsAlpha) {
    if (betaMDeg == 0) return 1;
    return orZero(0.2 + 0.8 / epsAlpha);
}

double spiralAngleFactor(double betaMDeg, double epsBeta) {
    const double e = std::min(epsBeta, 1.0);
    return orZero(std::max(1 - betaMDeg * e / 120, 1 - 0.25 * e));
}

RatingValue<double> bendingLifeFactor(int material, double ne) {
    if (!usableFactor(ne))
        return fw::unexpected(RatingNotice{RatingNotice::Icon::Information, "未正确给定设计寿命！", "注意"});
    const auto yN = kavrin::rating::bendingLifeFactor(material, ne);
    return yN ? orZero(*yN) : 0.0;
}

RatingValue<double> sizeFactor(double m) {
    if (!(m > 0 && m <= kSizeFactorMaxModule))
        return fw::unexpected(RatingNotice{
            RatingNotice::Icon::Exclamation,
            fw::format("尺寸系数Yx只适用于大端模数0<m≤%.0fmm，当前m=%.2fmm，不能确定弯曲疲劳许用应力！",
                       kSizeFactorMaxModule, m),
            ""});
    return 1.2038231 - 0.1703645 * m + 0.0216601 * m * m - 0.001439 * m * m * m +
           (4.6423614 / 1e5) * m * m * m * m - (5.767819 / 1e7) * m * m * m * m * m;
}

double meanConeFactorZM(int z1, int z2) {
    if (z1 <= 0 || z2 <= 0) return 0;
    const double u = static_cast<double>(z2) / z1;
    return std::sqrt(std::sqrt(u * u + 1) / u);
}

double coneFactor(double phiR) { return orZero(1 / (1 - 0.5 * phiR)); }

double contactStress(const ContactStressInput& in) {
    const double root = std::sqrt(in.ftm * in.kA * in.kV * in.kBeta / (in.b * in.m * in.z1));
    return orZero(in.zH * in.zE * in.zEps * in.zM * in.cone * root);
}

double permissibleContactStress(double sigmaHlim, double zN, double zL, double zV, double zR, double zW) {
    return orZero(sigmaHlim * zN * zL * zV * zR * zW);
}

double bendingStress(const BendingStressInput& in) {
    const double s = in.kA * in.kV * in.kBeta * in.cone * in.cone * in.yF * in.yEps * in.yBeta * in.y0 * in.ftm /
                     (in.b * in.m) / std::cos(ratingRadians(in.betaMDeg));
    return orZero(s);
}

double permissibleBendingStress(double sigmaFlim, double yN, double yX) { return orZero(sigmaFlim * yN * yX); }

double safetyFactor(double permissible, double stress) {
    if (!usableFactor(permissible) || !usableFactor(stress)) return 0;
    return orZero(permissible / stress);
}

}  // namespace bevel
