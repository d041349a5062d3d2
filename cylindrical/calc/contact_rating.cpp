#include "cylindrical/calc/contact_rating.h"

#include <array>
#include <algorithm>
#include <cmath>

#include "fw/format.h"

namespace cylindrical {

namespace {

using Place = RatingMessage::Place;
using Icon = RatingMessage::Icon;

RatingMessage hintLine(std::string text) { return {Place::HintLine, Icon::None, std::move(text), ""}; }

bool validGrade(int index) { return index >= 0 && index <= 7; }

// Transverse pressure angle αt = atan(tan αn / cos β), radians.
double transverseAngle(double alphaN, double beta) { return std::atan(std::tan(alphaN) / std::cos(beta)); }

// The overlap ratio as the load-sharing factors take it: the share of the
// helical overlap saturates at one full overlap (εβ ≥ 1 counts as 1), as in
// the helix angle factor Yβ. Beyond it the linear blends would fall below
// their physical bounds (Kv < 1 from εβ ≈ 2, Zε undefined near εβ 4.7).
double effectiveOverlap(double epsBeta) { return std::min(epsBeta, 1.0); }

// εβ/εα + (1 − εβ)(4 − εα)/3 with εβ capped at 1, shared by KHα and Zε.
double contactRatioTerm(double epsAlpha, double epsBeta) {
    const double e = effectiveOverlap(epsBeta);
    return e / epsAlpha + (1.0 - e) * (4.0 - epsAlpha) / 3.0;
}

// Kv, KHα and KHβ scale the nominal load up; none is below 1.
double atLeastOne(double factor) { return std::isfinite(factor) ? std::max(factor, 1.0) : factor; }

double radToDeg(double rad) { return rad * 180.0 / kRatingPi; }

// Working transverse pressure angle by the whole-number half of the tooth
// sum (difference), radians.
RatingResult<double> alphaWtFromToothSum(const ZoneFactorInput& in, double alphaT) {
    const int s = toothSum(in.z1, in.z2, in.mesh);
    const int half = s / 2;
    if (half <= 0) {
        return fw::unexpected(hintLine("齿数差太小（Z2-Z1≤1），无法求啮合角，节点区域系数未计算！"));
    }
    const double cosWt = std::cos(alphaT) * s / (2.0 * half);
    if (!(cosWt <= 1.0)) {
        return fw::unexpected(hintLine(fw::format(
            "按齿数和（差）之半求得 cosαwt=%.6f>1，无法计算节点区域系数，请装入几何计算数据！", cosWt)));
    }
    return std::acos(cosWt);
}

RatingResult<double> alphaWtFromRecord(double deg) {
    if (!(deg > 0 && deg < 90)) {
        return fw::unexpected(hintLine(
            fw::format("几何计算数据中的啮合角 αwt=%.4f° 无效，节点区域系数未计算！", deg)));
    }
    return degToRad(deg);
}

}  // namespace

RatingMessage invalidDataMessage() {
    return {Place::Box, Icon::Exclamation, "数据无效，请重新计算！", "警告"};
}

int toothSum(unsigned z1, unsigned z2, MeshType mesh) {
    const long long s = mesh == MeshType::Internal ? static_cast<long long>(z2) - z1
                                                   : static_cast<long long>(z2) + z1;
    if (s > 1000000000LL) return 1000000000;
    if (s < -1000000000LL) return -1000000000;
    return static_cast<int>(s);
}

RatingResult<DynamicFactor> dynamicFactor(const DynamicFactorInput& in) {
    static constexpr std::array<double, 8> a = {0.0225, 0.03125, 0.0469, 0.0625,
                                                0.09375, 0.133, 0.175, 0.267};
    static constexpr std::array<double, 8> b = {0.0144, 0.015, 0.02286, 0.03167,
                                                0.0475, 0.0667, 0.0975, 0.1625};
    if (!validGrade(in.gradeIndex)) return fw::unexpected(invalidDataMessage());
    const auto i = static_cast<std::size_t>(in.gradeIndex);
    const double v = kRatingPi * in.mn * in.z1 * in.n1 / std::cos(degToRad(in.betaDeg)) / 60000.0;
    const double kvA = a[i] * v * in.z1 / 100.0 + 1.0;
    const double kvB = b[i] * v * in.z1 / 100.0 + 1.0;
    return DynamicFactor{v, usableOrZero(atLeastOne(kvA - (kvA - kvB) * effectiveOverlap(in.epsBeta)))};
}

RatingResult<TransverseLoadFactors> transverseLoadFactors(const TransverseLoadInput& in) {
    if (!validGrade(in.gradeIndex)) return fw::unexpected(invalidDataMessage());
    const int grade = in.gradeIndex + 3;
    const bool spur = !(in.betaDeg > 0);
    if (grade <= (spur ? 7 : 6)) return TransverseLoadFactors{1.0, 1.0};

    const double ea = in.epsAlpha;
    const double t = contactRatioTerm(ea, in.epsBeta);
    const double yEps = 0.8 / ea + 0.2;
    const double cosBeta = std::cos(degToRad(in.betaDeg));
    double kH = 0;
    double kF = 0;
    if (grade <= 8) {
        const double a = spur ? 1.166 - 0.166 * ea : 0.992285 * std::pow(ea, -0.420629);
        kH = a / (t * cosBeta);
        kF = 0.993314 * std::pow(ea, -0.322546) / yEps;
    } else {
        kH = 1.0 / (t * cosBeta);
        kF = 1.0 / yEps;
    }
    return TransverseLoadFactors{usableOrZero(atLeastOne(kH)), usableOrZero(kF)};
}

RatingResult<FaceLoadFactor> faceLoadFactor(const FaceLoadInput& in) {
    struct Row {
        double c, k, psiMin;
    };
    static constexpr Row rows[2][4] = {
        {{0.90991, 0.206037, 0.4}, {0.96246, 0.204295, 0.2}, {0.982178, 0.20706, 0.2},
         {1.11035, 0.323307, 0.2}},
        {{0.93756, 0.120015, 0.4}, {0.978192, 0.110496, 0.2}, {0.988274, 0.153597, 0.2},
         {1.0256, 0.215713, 0.2}},
    };
    if (in.flankPairing < 0 || in.flankPairing > 1 || in.mounting < 0 || in.mounting > 3) {
        return fw::unexpected(invalidDataMessage());
    }
    const double psiD = in.b / (in.z1 * in.mn / std::cos(degToRad(in.betaDeg)));
    if (!std::isfinite(psiD)) return fw::unexpected(calculationErrorMessage());
    const Row& r = rows[in.flankPairing][in.mounting];
    FaceLoadFactor out;
    out.psiD = psiD;
    if (psiD >= r.psiMin) {
        out.kHbeta = usableOrZero(atLeastOne(r.c * std::exp(r.k * psiD)));
    } else {
        out.kHbeta = 1.0;
        out.notice = RatingMessage{Place::Box, Icon::None,
                                   "齿宽系数较小，齿向载荷影响不大，可增加齿宽！", ""};
    }
    return out;
}

RatingResult<ZoneFactor> zoneFactor(const ZoneFactorInput& in) {
    const double alphaN = degToRad(in.alphaNDeg);
    const double beta = degToRad(in.betaDeg);
    const double alphaT = transverseAngle(alphaN, beta);
    const bool fromRecord = in.recordAlphaWtDeg.has_value();
    auto wt = fromRecord ? alphaWtFromRecord(*in.recordAlphaWtDeg) : alphaWtFromToothSum(in, alphaT);
    if (!wt) return fw::unexpected(wt.error());

    const double alphaWt = *wt;
    const double zH = std::sqrt(2.0 * std::cos(alphaN) * std::cos(beta) * std::cos(alphaWt) /
                                (std::cos(alphaT) * std::sin(alphaWt))) /
                      std::cos(alphaT);
    if (!isUsableValue(zH)) return fw::unexpected(hintLine("节点区域系数计算结果错误，请检查输入数据！"));

    ZoneFactor out;
    out.zH = zH;
    out.alphaTDeg = radToDeg(alphaT);
    out.alphaWtDeg = fromRecord ? *in.recordAlphaWtDeg : radToDeg(alphaWt);
    out.fromRecord = fromRecord;
    out.hint = fromRecord
                   ? fw::format("节点区域系数按几何计算数据的啮合角 αwt=%.4f° 计算。", out.alphaWtDeg)
                   : fw::format("节点区域系数按齿数和（差）之半求得的啮合角 αwt=%.4f° 计算。",
                                out.alphaWtDeg);
    return out;
}

RatingResult<double> elasticityFactor(const ElasticityInput& in) {
    const RatingMessage refusal{Place::Box, Icon::None, "材料力学指标值不正确，请继续选定！", ""};
    if (!isUsableValue(in.e1) || !isUsableValue(in.e2) || in.nu1 == 0 || in.nu2 == 0 ||
        !std::isfinite(in.nu1) || !std::isfinite(in.nu2)) {
        return fw::unexpected(refusal);
    }
    const double sum = (1.0 - in.nu1 * in.nu1) / in.e1 + (1.0 - in.nu2 * in.nu2) / in.e2;
    const double zE = std::sqrt(1.0 / (kRatingPi * sum));
    if (!isUsableValue(zE)) return fw::unexpected(refusal);
    return zE;
}

double contactRatioFactor(const ContactRatioInput& in) {
    const double alphaN = degToRad(in.alphaNDeg);
    const double beta = degToRad(in.betaDeg);
    const double alphaT = transverseAngle(alphaN, beta);
    const double t = contactRatioTerm(in.epsAlpha, in.epsBeta);
    return usableOrZero(std::sqrt(t * std::cos(alphaN) * std::cos(beta) / std::cos(alphaT)));
}

RatingResult<double> contactLifeFactor(const ContactLifeInput& in) {
    if (!isUsableValue(in.cycles)) {
        return fw::unexpected(RatingMessage{Place::Box, Icon::Exclamation, "未正确给定设计寿命！", "注意"});
    }
    if (in.materialClass < 0 || in.materialClass > 2 || in.pitting < 0 || in.pitting > 1) {
        return fw::unexpected(invalidDataMessage());
    }
    struct Row {
        double threshold, c, e, flat;
    };
    static constexpr Row rows[4] = {
        {700000, 3.6314, -0.0623017, 1.6},    // class 0, pitting allowed
        {100000, 3.7552, -0.0742437, 1.6},    // class 0, no pitting
        {100000, 3.4202, -0.0838968, 1.3},    // class 1
        {100000, 1.55645, -0.0302237, 1.1},   // class 2
    };
    const Row& r = rows[in.materialClass == 0 ? in.pitting : in.materialClass + 1];
    const double ne = in.cycles;
    return usableOrZero(ne >= r.threshold ? lifeFactorPowerLaw(r.c, r.e, ne) : r.flat);
}

RatingResult<LubricantFactors> lubricantFactors(const LubricantInput& in) {
    if (!kavrin::rating::validLimitClass(in.limitClass) || in.lubricant < 0 || in.lubricant > 1 ||
        in.flankState < 0 || in.flankState > 1 || !(in.viscosity >= kavrin::rating::kViscosity50Min) ||
        !(in.viscosity <= kavrin::rating::kViscosity50Max)) {
        return fw::unexpected(invalidDataMessage());
    }
    LubricantFactors out;
    out.v = kRatingPi * in.z1 * in.mn * in.n1 / 60000.0;
    out.zL = usableOrZero(kavrin::rating::lubricantFactor(in.limitClass, in.lubricant, in.flankState, in.viscosity));
    out.zV = usableOrZero(kavrin::rating::velocityFactor(in.limitClass, out.v));
    return out;
}

RatingResult<RoughnessFactor> roughnessFactor(const RoughnessInput& in) {
    if (!kavrin::rating::validLimitClass(in.limitClass)) return fw::unexpected(invalidDataMessage());
    RoughnessFactor out;
    out.a = in.recordCentreDistance && *in.recordCentreDistance > 0
                ? *in.recordCentreDistance
                : (toothSum(in.z1, in.z2, in.mesh) / 2) * in.mn / std::cos(degToRad(in.betaDeg));
    out.f = roughnessDistanceFactor(out.a);
    out.zR = usableOrZero(kavrin::rating::roughnessFactor(in.limitClass, in.ra * out.f));
    return out;
}

double workHardeningFactor(const WorkHardeningInput& in) {
    return kavrin::rating::workHardeningFactor(in.pinionFlank, in.gearFlank, in.gearHardness);
}

RatingResult<double> contactStress(const ContactStressInput& in) {
    const double d1 = in.z1 * in.mn / std::cos(degToRad(in.betaDeg));
    const double u = static_cast<double>(in.z2) / in.z1;
    const double ratio = in.mesh == MeshType::Internal ? u - 1.0 : u + 1.0;
    const double x = ratio * in.ft / (d1 * in.b * u) * in.kA * in.kV * in.kHalpha * in.kHbeta;
    const double sigmaH = std::sqrt(x) * in.zH * in.zE * in.zEps;
    if (!isUsableValue(sigmaH)) return fw::unexpected(calculationErrorMessage());
    return sigmaH;
}

RatingResult<double> permissibleContactStress(const PermissibleContactInput& in) {
    if (!isUsableValue(in.sigmaHlim) || in.sigmaHlim > kavrin::rating::kSigmaHlimMax)
        return fw::unexpected(invalidDataMessage());
    return usableOrZero(in.sigmaHlim * in.zN * in.zL * in.zV * in.zR * in.zW);
}

std::optional<double> safetyFactor(double permissible, double calculated) {
    if (!isUsableValue(calculated)) return std::nullopt;
    return usableOrZero(permissible / calculated);
}

}  // namespace cylindrical
