#include "cylindrical/calc/preliminary.h"

#include <algorithm>
#include <cmath>

#include "common/calc/units.h"

namespace cylindrical {

namespace {

constexpr double kRadToDeg = 57.29577951308232;

// Centre distance by contact strength, a ≥ (u ± 1)·Ka·∛(K·T1/(φa·u·σHP²)):
// Ka = 226 is the factor of a steel pair in the metric form (MPa^(1/3)),
// and 9.8 turns the torque from kgf·m into the N·m of the field.
constexpr double kContactFactorSteel = 226;
constexpr double kKgfToNewton = 9.8;
// Bending: the combined form factor YFS = 8.5561·Z1^−0.361711, a fitted curve
// of the tooth form factor table for standard teeth, and the factor 12.1 of the
// metric bending formula m ≥ 12.1·∛(K·T1·YFS/(φd·σFP·Z1²·u)).
constexpr double kFormFactorScale = 8.5561;
constexpr double kFormFactorExponent = -0.361711;
constexpr double kBendingFactor = 12.1;
using kavrin::kTorquePerPower;

Refusal hint(const char* message) { return {message, RefusalPlace::HintLine}; }
Refusal moduleError() { return {kMsgCalcError, RefusalPlace::ModuleLabel}; }

// +1 for an external, −1 for an internal pair.
double meshSign(MeshType mesh) { return mesh == MeshType::Internal ? -1.0 : 1.0; }

bool positiveFinite(double v) { return v > 0 && std::isfinite(v); }

std::optional<Refusal> missingInput(const PreliminaryInput& in) {
    if (!(in.t > 0)) return hint(kMsgNoTorque);
    if (!(in.sigmaHP > 0)) return hint(kMsgNoSigmaHP);
    if (!(in.sigmaFP > 0)) return hint(kMsgNoSigmaFP);
    if (!(in.i > 0)) return hint(kMsgNoRatio);
    if (in.z1 <= 0) return hint(kMsgNoZ1);
    if (in.z2 <= 0) return hint(kMsgTeethPositive);  // a refused Z2 is never calculated
    if (in.z2 < in.z1) return hint(kMsgZ1Pinion);     // the next steps need Z1 as the pinion
    if (in.meshType == MeshType::Internal && (in.i <= 1 || in.z2 <= in.z1)) return hint(kMsgInternalPair);
    return std::nullopt;
}

// Module by contact strength: a_H, then m_H = 2 a_H / (Z2 ± Z1).
double contactModule(const PreliminaryInput& in) {
    double s = meshSign(in.meshType);
    double phiA = 2 * in.phiD / (in.i + s);
    double sigmaI = in.sigmaHP * in.i;
    double aH = (in.i + s) * kContactFactorSteel * std::cbrt(kKgfToNewton * in.k1 * in.t / (sigmaI * sigmaI * phiA));
    return 2 * aH / (in.z2 + s * in.z1);
}

// Module by bending strength.
double bendingModule(const PreliminaryInput& in) {
    double z1 = in.z1;
    double yfs = kFormFactorScale * std::pow(z1, kFormFactorExponent);
    return kBendingFactor * std::cbrt(in.k2 * in.t * yfs / (in.phiD * in.sigmaFP * z1 * z1 * in.i));
}

// Face width ratio φd = b/d1 by support arrangement (rows) and flank
// hardness (below / above 350 HB): the recommended ranges of the face width
// table for gears between bearings and overhung.
const Range kPhiDTable[3][2] = {
    {{0.8, 1.4}, {0.4, 0.9}},  // symmetric
    {{0.4, 1.2}, {0.2, 0.6}},  // asymmetric
    {{0.4, 0.8}, {0.2, 0.6}},  // cantilever
};
// Load factors K1 (contact) and K2 (bending) by load nature: the ranges of the
// combined load factor table for steady, moderate and heavy shocks.
const KRanges kKTable[3] = {
    {{2.0, 2.4}, {1.8, 2.3}},  // steady
    {{2.5, 3.0}, {2.3, 2.9}},  // moderate shocks
    {{3.5, 4.2}, {3.2, 4.0}},  // heavy shocks
};

}  // namespace

double roundModuleDown(double ms) {
    double whole = std::floor(ms);
    return ms - whole >= 0.5 ? whole + 0.5 : whole;
}

std::optional<kavrin::AngleTriple> helixAngle(double mn, double ms) {
    if (!positiveFinite(mn) || !positiveFinite(ms) || mn > ms) return std::nullopt;
    return kavrin::splitDegreesCarry(std::acos(mn / ms) * kRadToDeg);
}

double centreDistance(int z1, int z2, double ms, MeshType mesh) {
    double teeth = mesh == MeshType::Internal ? double(z2) - z1 : double(z2) + z1;
    return teeth * ms / 2;
}

fw::Expected<PreliminaryResult, Refusal> preliminary(const PreliminaryInput& in) {
    if (auto refusal = missingInput(in)) return fw::unexpected(*refusal);
    PreliminaryResult r;
    r.mH = contactModule(in);
    r.mF = bendingModule(in);
    if (!positiveFinite(r.mH) || !positiveFinite(r.mF)) return fw::unexpected(moduleError());
    r.ms = std::max(r.mH, r.mF);
    r.mn = roundModuleDown(r.ms);
    // A module below 0.5 rounds down to 0: no helix angle can give it.
    auto beta = helixAngle(r.mn, r.ms);
    if (!beta) return fw::unexpected(moduleError());
    r.beta = *beta;
    r.a = centreDistance(in.z1, in.z2, r.ms, in.meshType);
    if (!std::isfinite(r.a)) return fw::unexpected(moduleError());
    if (const kavrin::Quantity* q = firstRefused({{&pre_q::kMs, r.ms}, {&pre_q::kMn, r.mn}, {&pre_q::kA, r.a}}))
        return fw::unexpected(Refusal{kavrin::resultNotTaken(*q), RefusalPlace::HintLine});
    return r;
}

std::optional<int> gearTeeth(int z1, double i) {
    if (z1 <= 0 || !(i > 0)) return std::nullopt;
    double x = std::floor(z1 * i + 1e-9);
    if (!(x <= kavrin::kMaxTeeth)) return std::nullopt;
    return static_cast<int>(x);
}

std::optional<Teeth> teethFromRatio(int z1, double i) {
    auto z2 = gearTeeth(z1, i);
    if (!z2) return std::nullopt;
    return Teeth{*z2, double(*z2) / z1};
}

Pair pairFromTeeth(int z1, int z2) {
    Pair p{z1, z2, double(z2) / z1, false};
    if (p.i < 1) {
        std::swap(p.z1, p.z2);
        p.i = double(p.z2) / p.z1;
        p.swapped = true;
    }
    return p;
}

double torqueFromPower(double p, double no) { return kTorquePerPower * p / no; }
double powerFromTorque(double t, double no) { return t * no / kTorquePerPower; }
bool ratioFromSpeedsApplies(double i, double no) { return i == 1.0 && no > 0; }

double normalModule(double ms, const kavrin::AngleTriple& beta) {
    return std::cos(kavrin::tripleToRadians(beta)) * ms;
}

fw::Expected<ModuleChoice, std::string> chooseModule(const ModuleInput& in) {
    if (!positiveFinite(in.mn)) return fw::unexpected(std::string(kMsgCalcError));
    ModuleChoice c;
    c.smallerModule = normalModule(in.ms, in.beta) > in.mn;
    if (in.ms <= in.mn) {
        c.ms = in.mn;
        c.beta = {};
        c.a = centreDistance(in.z1, in.z2, c.ms, in.meshType);
        return c;
    }
    c.ms = in.ms;
    auto beta = helixAngle(in.mn, in.ms);
    if (!beta) return fw::unexpected(std::string(kMsgCalcError));
    // No helix angle the β fields refuse.
    if (kavrin::tripleToDegrees(*beta) > pre_q::kBetaDeg.upper()) return fw::unexpected(std::string(kMsgPreImpliedBeta));
    c.beta = *beta;
    return c;
}

double sliderValue(const Range& r, int position) {
    return r.lower + (r.upper - r.lower) * position / kSliderMax;
}

Range phiDRange(kavrin::Support support, kavrin::Hardness hardness) {
    return kPhiDTable[std::clamp(kavrin::toInt(support), 0, 2)][std::clamp(kavrin::toInt(hardness), 0, 1)];
}

KRanges kRanges(kavrin::LoadNature loadNature) { return kKTable[std::clamp(kavrin::toInt(loadNature), 0, 2)]; }

}  // namespace cylindrical
