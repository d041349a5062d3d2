#include "cylindrical/calc/shift_distribution.h"

#include <algorithm>
#include <cmath>

#include "cylindrical/calc/cy_geom_ranges.h"

namespace cylindrical {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRadToDeg = 180 / kPi;

// Split of the total profile shift by ratio class (u up to 1.2, 1.6, 2.2, 3.0,
// above): xn1 = C1 + C2·Σx, the distribution coefficients of the profile
// shift table for speed-reducing pairs.
constexpr ShiftSplit kSplitTable[] = {
    {0.06, 0.445}, {0.125, 0.3775}, {0.25, 0.25}, {0.325, 0.195}, {0.4, 0.12},
};

double cube(double v) { return v * v * v; }

// A pair whose standard centre distance can be computed.
bool validPair(const PairState& s) { return s.mt > 0 && s.z1 != 0 && s.z2 != 0 && s.z2 >= s.z1; }

std::string teethAndUpdate() { return std::string(kMsgTeethOrder) + "\n并" + kMsgUpdateShifts; }

void setAlphaT(PairState& s) {
    s.alphaTRad = transversePressureAngle(s.alphaNRad, s.betaRad);
    s.alphaT = truncateToTriple(s.alphaTRad * kRadToDeg);
}

void setAlphaWt(PairState& s, double rad) {
    s.alphaWtRad = rad;
    s.alphaWtDeg = rad * kRadToDeg;
}

void updateRatioClass(PairState& s) {
    if (auto c = ratioClass(s.z1, s.z2)) s.ratioClass = *c;
}

void resetDistribution(PairState& s) {
    s.a = s.ad;
    setAlphaWt(s, s.alphaTRad);
    s.sumX = s.xn1 = s.xn2 = s.yn = s.yt = 0;
}

PairUpdate unchanged(const PairState& s, std::string text) { return {s, std::move(text), std::nullopt, false}; }

PairUpdate overCorrected(const PairState& s) {
    return {s, std::nullopt, std::string(kMsgOverCorrection), false, true};
}

PairUpdate refused(const PairState& s, const char* text) { return {s, std::string(text), std::nullopt, false, true}; }

// cos αt · ad / a, the argument of the working pressure angle's arccos.
double workingCosine(const PairState& s) { return std::cos(s.alphaTRad) * s.ad / s.a; }

// Steps 2 to 9 of the distribution on a pair that passed every test.
PairUpdate distributeChecked(const PairState& in, double zeroThreshold) {
    PairState s = in;
    s.yn = (s.a - s.ad) / s.mn;
    s.yt = (s.a - s.ad) / s.mt;
    setAlphaWt(s, std::acos(workingCosine(s)));
    double invWt = std::tan(s.alphaWtRad) - s.alphaWtRad;
    double invT = std::tan(s.alphaTRad) - s.alphaTRad;
    // In double: tooth counts near the int limit must not overflow their sum.
    double teeth = s.meshType == MeshType::Internal ? double(s.z2) - s.z1 : double(s.z1) + s.z2;
    s.sumX = teeth * (invWt - invT) / std::tan(s.alphaNRad) / 2;
    // A centre distance so large that the working pressure angle reaches 90°
    // gives no mesh (and no finite shift).
    if (!(s.alphaWtDeg < 90) || !std::isfinite(s.sumX)) return refused(in, kMsgCentreDistanceTooLarge);
    if (std::fabs(s.sumX) < zeroThreshold) s.sumX = 0;
    updateRatioClass(s);
    ShiftSplit c = shiftSplit(s.ratioClass);
    s.xn1 = c.c2 * s.sumX + c.c1;
    s.xn2 = s.meshType == MeshType::Internal ? s.sumX + s.xn1 : s.sumX - s.xn1;
    return {s, std::string(kMsgCheckResult), std::nullopt, true};
}

// The tests every distribution passes first; nullopt when it may go on.
std::optional<PairUpdate> refuseDistribution(const PairState& s) {
    if (!(s.ad > 0) || !(s.mn > 0) || !(s.mt > 0)) return unchanged(s, kMsgBasicsFirst);
    if (!(std::tan(s.alphaNRad) > 0)) return unchanged(s, kMsgPressureAngleRange);
    if (!(s.a > 0)) return refused(s, kMsgCentreDistancePositive);
    if (!(workingCosine(s) < 1)) return overCorrected(s);
    return std::nullopt;
}

}  // namespace

std::optional<int> ratioClass(int z1, int z2) {
    if (z1 == 0 || z2 < z1) return std::nullopt;
    double u = static_cast<double>(z2) / z1;
    if (u < 1) return std::nullopt;
    if (u <= 1.2) return 0;
    if (u <= 1.6) return 1;
    if (u <= 2.2) return 2;
    if (u <= 3.0) return 3;
    return 4;
}

ShiftSplit shiftSplit(int cls) { return kSplitTable[std::clamp(cls, 0, 4)]; }

double standardCentreDistance(int z1, int z2, double mt, MeshType mesh) {
    return (mesh == MeshType::Internal ? double(z2) - z1 : double(z1) + z2) * mt / 2;
}

double transversePressureAngle(double alphaNRad, double betaRad) {
    return std::atan(std::tan(alphaNRad) / std::cos(betaRad));
}

kavrin::AngleTriple truncateToTriple(double degrees) {
    double deg = std::floor(degrees);
    double minutes = (degrees - deg) * 60;
    double min = std::floor(minutes);
    double sec = std::floor((minutes - min) * 60);
    return {static_cast<int>(deg), static_cast<int>(min), static_cast<int>(sec)};
}

PairUpdate teethChanged(const PairState& in, GearSide changed) {
    PairState s = in;
    double c3 = cube(std::cos(s.betaRad));
    if (changed == GearSide::Pinion)
        s.zv1 = s.z1 / c3;
    else
        s.zv2 = s.z2 / c3;
    if (s.z1 != 0 && s.z2 >= s.z1) {
        updateRatioClass(s);
        if (s.mt > 0) {
            s.ad = standardCentreDistance(s.z1, s.z2, s.mt, s.meshType);
            resetDistribution(s);
            return {s, std::string(), std::nullopt, true};
        }
    }
    s.ad = s.a = 0;
    return {s, std::string(kMsgTeethOrder), std::nullopt, false};
}

PairUpdate helixChanged(const PairState& in) {
    if (!(std::fabs(kavrin::tripleToDegrees(in.beta)) <= kMaxHelixDeg)) return refused(in, kMsgHelixTooLarge);
    PairState s = in;
    s.betaRad = kavrin::tripleToRadians(s.beta);
    double c = std::cos(s.betaRad);
    s.zv1 = s.z1 / cube(c);
    s.zv2 = s.z2 / cube(c);
    s.mt = s.mn / c;
    s.alphaNRad = kavrin::tripleToRadians(s.alphaN);
    setAlphaT(s);
    setAlphaWt(s, s.alphaTRad);
    if (!validPair(s)) return {s, teethAndUpdate(), std::nullopt, false};
    s.ad = standardCentreDistance(s.z1, s.z2, s.mt, s.meshType);
    s.a = s.ad;
    s.sumX = s.xn1 = s.xn2 = s.yn = s.yt = 0;
    return {s, std::string(kMsgUpdateShifts), std::nullopt, true};
}

PairUpdate pressureAngleChanged(const PairState& in) {
    const double alphaN = kavrin::tripleToDegrees(in.alphaN);
    if (!(alphaN > 0 && alphaN <= kMaxPressureAngleDeg)) return refused(in, kMsgPressureAngleRange);
    PairState s = in;
    s.alphaNRad = kavrin::tripleToRadians(s.alphaN);
    setAlphaT(s);
    if (!validPair(s)) return {s, teethAndUpdate(), std::nullopt, false};
    // The new angles stand; the working pressure angle keeps its last value
    // when it cannot be computed.
    if (!(s.ad > 0)) return unchanged(s, kMsgBasicsFirst);
    if (!(s.a > 0)) return unchanged(s, kMsgCentreDistancePositive);
    if (!(workingCosine(s) < 1)) return overCorrected(s);
    setAlphaWt(s, std::acos(workingCosine(s)));
    return {s, std::string(kMsgUpdateShifts), std::nullopt, false};
}

PairUpdate moduleChanged(const PairState& in) {
    PairState s = in;
    s.mt = s.mn / std::cos(s.betaRad);
    if (s.mt > 0 && s.z1 > 0 && s.z2 >= s.z1) {
        s.ad = standardCentreDistance(s.z1, s.z2, s.mt, s.meshType);
        resetDistribution(s);
        return {s, std::string(), std::nullopt, true};
    }
    s.ad = s.a = 0;
    return {s, std::string(kMsgTeethOrder), std::nullopt, false};
}

PairUpdate externalMeshChosen(const PairState& in) {
    PairState s = in;
    s.meshType = MeshType::External;
    if (!(s.z1 != 0 && s.z2 > s.z1 && s.mt > 0)) return unchanged(s, kMsgBasicsFirst);
    s.ad = standardCentreDistance(s.z1, s.z2, s.mt, s.meshType);
    s.a = s.ad;
    return distribute(s, kSumXZeroButton);
}

PairUpdate internalMeshChosen(const PairState& in) {
    PairState s = in;
    s.meshType = MeshType::Internal;
    s.beta = {0, 0, 0};
    s.betaRad = 0;
    s.zv1 = s.z1;
    s.zv2 = s.z2;
    s.mt = s.mn;
    s.alphaT = s.alphaN;
    s.alphaTRad = s.alphaNRad;
    if (!(s.z1 != 0 && s.z2 >= s.z1 && s.mt > 0)) return unchanged(s, kMsgBasicsFirst);
    s.ad = standardCentreDistance(s.z1, s.z2, s.mt, s.meshType);
    s.a = s.ad;
    return distribute(s, kSumXZeroButton);
}

PairUpdate distribute(const PairState& s, double zeroThreshold) {
    if (auto refused = refuseDistribution(s)) return *refused;
    return distributeChecked(s, zeroThreshold);
}

PairUpdate centreDistanceChanged(const PairState& in) {
    if (in.ad == 0) {
        PairState s = in;
        s.a = 0;
        return unchanged(s, kMsgBasicsFirst);
    }
    return distribute(in, kSumXZeroCentre);
}

PairUpdate pinionShiftEdited(const PairState& in) {
    PairState s = in;
    s.xn2 = s.meshType == MeshType::Internal ? s.sumX + s.xn1 : s.sumX - s.xn1;
    return {s, std::string(kMsgCheckShifts), std::nullopt, true};
}

PairUpdate gearShiftEdited(const PairState& in) {
    PairState s = in;
    s.xn1 = s.meshType == MeshType::Internal ? s.xn2 - s.sumX : s.sumX - s.xn2;
    return {s, std::string(kMsgCheckShifts), std::nullopt, true};
}

bool finitePair(const PairState& s) {
    for (double v : {s.betaRad, s.zv1, s.zv2, s.mn, s.mt, s.alphaNRad, s.alphaTRad, s.haStar, s.ad, s.a, s.yn, s.yt,
                     s.alphaWtRad, s.alphaWtDeg, s.sumX, s.xn1, s.xn2})
        if (!std::isfinite(v)) return false;
    return true;
}

std::optional<std::string> pairRangeFault(const PairState& s) {
    if (!finitePair(s)) return std::string(kMsgCalcError);
    using namespace geom_q;
    if (const kavrin::Quantity* q = firstRefused({{&kZv1, s.zv1}, {&kZv2, s.zv2}, {&kMn, s.mn}, {&kAd, s.ad},
                                                  {&kA, s.a}, {&kAlphaWt, s.alphaWtDeg}, {&kYn, s.yn},
                                                  {&kYt, s.yt}, {&kSumX, s.sumX}, {&kXn1, s.xn1}, {&kXn2, s.xn2}}))
        return kavrin::resultNotTaken(*q);
    return std::nullopt;
}

bool pairComplete(const PairState& s) { return s.z1 != 0 && s.z2 != 0 && s.mn != 0 && s.ad != 0; }

}  // namespace cylindrical
