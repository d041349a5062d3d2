#include "bevel/geometry/calc/spiral_geometry.h"

#include <cmath>
#include <initializer_list>

namespace bevel {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kHalfPi = 1.5707963267948966;

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

double degreesOf(const kavrin::AngleTriple& a) {
    return static_cast<unsigned>(a.deg) + static_cast<unsigned>(a.min) / 60.0 + static_cast<unsigned>(a.sec) / 3600.0;
}
double radiansOf(const kavrin::AngleTriple& a) { return degreesOf(a) * kPi / 180; }

}  // namespace

double spiralPhiRForPosition(int position) { return position * kSpiralPhiRStep / kSpiralTrackMax + kSpiralPhiRMin; }

int spiralPositionForPhiR(double phiR) {
    const double p = (phiR - kSpiralPhiRMin) * kSpiralTrackMax / kSpiralPhiRStep;
    if (!std::isfinite(p) || p <= 0) return 0;
    if (p >= kSpiralTrackMax) return kSpiralTrackMax;
    return static_cast<int>(p);
}

double spiralBetaMDegrees(const SpiralInput& in) { return degreesOf(in.betaM); }

SpiralCones spiralCones(const SpiralInput& in) {
    SpiralCones c;
    c.d1 = in.z1 * in.m;
    c.d2 = in.z2 * in.m;
    if (in.z1 == in.z2) {
        c.delta1 = c.delta2 = kQuarterPi;
    } else {
        c.delta1 = std::atan(static_cast<double>(in.z1) / static_cast<double>(in.z2));
        c.delta2 = kHalfPi - c.delta1;
    }
    c.r = c.d1 / (2 * std::sin(c.delta1));
    c.b = in.faceWidthSet ? in.b : in.phiR * c.r;
    return c;
}

fw::Expected<SpiralResult, std::string> spiralGeometry(const SpiralInput& in, const SpiralCones& cones) {
    SpiralResult r;
    r.cones = cones;
    const double m = in.m, R = cones.r, b = cones.b, phiR = in.phiR;
    const double d1 = cones.d1, d2 = cones.d2, delta1 = cones.delta1, delta2 = cones.delta2;
    const double alphaDeg = degreesOf(in.alpha);
    const double alpha = radiansOf(in.alpha), betaM = radiansOf(in.betaM);

    double kDuplex = 0;
    if (in.taper == kTaperDouble) {
        if (alphaDeg == 20.0)
            kDuplex = 6668;
        else if (alphaDeg == 22.5)
            kDuplex = 4868;
        else if (alphaDeg == 25.0)
            kDuplex = 3412;
        else
            return fw::unexpected(std::string(kMsgSpiralStandardAlpha));
    }

    // Step 7.
    const double scale = in.taper == kTaperUniformDepth ? 1 - phiR : 1;
    r.ha1 = m * (in.haStar + in.x1) * scale;
    r.ha2 = m * (in.haStar + in.x2) * scale;
    r.h = m * (2 * in.haStar + in.cStar) * scale;
    r.hf1 = r.h - r.ha1;
    r.hf2 = r.h - r.ha2;
    // Steps 8 and 9.
    r.da1 = d1 + 2 * r.ha1 * std::cos(delta1);
    r.da2 = d2 + 2 * r.ha2 * std::cos(delta2);
    r.zp = 2 * R / m;
    // Step 10.
    switch (in.taper) {
    case kTaperDouble: {
        const double L = 1512 * std::sqrt(d1 * std::sin(delta2)) / (r.zp * b) + 355.6 / (r.zp * m);
        r.dThetaF = kDuplex / r.zp - L;
        r.thetaF1 = std::atan(r.hf1 / R) + r.dThetaF * kPi / 10800;
        r.thetaF2 = std::atan(r.hf2 / R) + r.dThetaF * kPi / 10800;
        break;
    }
    case kTaperUniformDepth:
        r.thetaF1 = r.thetaF2 = 0;
        break;
    default:
        r.thetaF1 = std::atan(r.hf1 / R);
        r.thetaF2 = std::atan(r.hf2 / R);
        break;
    }
    // Steps 11 to 13.
    r.thetaA1 = r.thetaF2;
    r.thetaA2 = r.thetaF1;
    r.deltaA1 = delta1 + r.thetaA1;
    r.deltaA2 = delta2 + r.thetaA2;
    r.deltaF1 = delta1 - r.thetaF1;
    r.deltaF2 = delta2 - r.thetaF2;
    r.ak1 = R * std::cos(delta1) - r.ha1 * std::sin(delta1);
    r.ak2 = R * std::cos(delta2) - r.ha2 * std::sin(delta2);
    // Step 14: a zerol pair has no face contact.
    if (betaM > 0) {
        r.epsBeta = b * std::tan(betaM) / (kPi * m * (1 - 0.5 * phiR));
        if (r.epsBeta < 1.25) r.betaMin = std::atan(3.9269908169872414 * m * (1 - 0.5 * phiR) / b);
    }
    // Step 18.
    const double cb3 = std::pow(std::cos(betaM), 3.0);
    r.zv1 = in.z1 / (std::cos(delta1) * cb3);
    r.zv2 = in.z2 / (std::cos(delta2) * cb3);
    // Step 19.
    const double at = std::atan(std::tan(alpha) / std::cos(betaM));
    const double aa1 = std::acos(in.z1 * std::cos(at) / (in.z1 + 2 * (in.haStar + in.x1) * std::cos(delta1)));
    const double aa2 = std::acos(in.z2 * std::cos(at) / (in.z2 + 2 * (in.haStar + in.x2) * std::cos(delta2)));
    r.epsAlpha = (in.z1 * (std::tan(aa1) - std::tan(at)) / std::cos(delta1) +
                  in.z2 * (std::tan(aa2) - std::tan(at)) / std::cos(delta2)) /
                 (2 * kPi);

    if (!allFinite({d1, d2, delta1, delta2, R, b, r.ha1, r.ha2, r.h, r.hf1, r.hf2, r.da1, r.da2, r.zp, r.dThetaF,
                    r.thetaF1, r.thetaF2, r.deltaA1, r.deltaA2, r.deltaF1, r.deltaF2, r.ak1, r.ak2, r.epsBeta,
                    r.betaMin, r.zv1, r.zv2, r.epsAlpha}) ||
        R <= 0 || b <= 0)
        return fw::unexpected(std::string(kMsgSpiralIncomplete));
    return r;
}

fw::Expected<HeelResult, std::string> heelFromCutter(const SpiralInput& in, double R, double b, double d0) {
    const double betaM = radiansOf(in.betaM), alpha = radiansOf(in.alpha);
    const double rm = R - b / 2;
    const double sinB = (R + rm * (d0 * std::sin(betaM) - rm) / R) / d0;
    if (!std::isfinite(sinB)) return fw::unexpected(std::string(kMsgSpiralIncomplete));
    if (sinB < -1 || sinB > 1) return fw::unexpected(std::string(kMsgCutterTooSmall));
    HeelResult h;
    h.beta = std::asin(sinB);
    h.s1 = in.m * (kPi / 2 + 2 * in.x1 * std::tan(alpha) / std::cos(h.beta) + in.xt1);
    h.s2 = kPi * in.m - h.s1;
    if (!allFinite({h.beta, h.s1, h.s2})) return fw::unexpected(std::string(kMsgSpiralIncomplete));
    return h;
}

void fillSpiralRecord(ConeGeomRecord& g, const SpiralInput& in, const SpiralResult& r) {
    using kavrin::splitRadiansDms;
    g.alphaDeg = in.alpha.deg;
    g.alphaMin = in.alpha.min;
    g.alphaSec = in.alpha.sec;
    g.betaDeg = in.betaM.deg;
    g.betaMin = in.betaM.min;
    g.betaSec = in.betaM.sec;
    g.cStar = in.cStar;
    g.haStar = in.haStar;
    g.mt = in.m;
    g.z1 = in.z1;
    g.z2 = in.z2;
    g.x1 = in.x1;
    g.x2 = in.x2;
    g.xt1 = in.xt1;
    g.xt2 = in.xt2;
    g.zv1 = r.zv1;
    g.zv2 = r.zv2;
    g.epsAlpha = r.epsAlpha;
    g.deltaF1 = splitRadiansDms(r.deltaF1);
    g.deltaF2 = splitRadiansDms(r.deltaF2);
    g.thetaF1 = splitRadiansDms(r.thetaF1);
    g.thetaF2 = splitRadiansDms(r.thetaF2);
    g.deltaA1 = splitRadiansDms(r.deltaA1);
    g.deltaA2 = splitRadiansDms(r.deltaA2);
    g.thetaA1 = splitRadiansDms(r.thetaA1);
    g.thetaA2 = splitRadiansDms(r.thetaA2);
    g.ak1 = r.ak1;
    g.ak2 = r.ak2;
    g.da1 = r.da1;
    g.da2 = r.da2;
    g.h = r.h;
    g.hf1 = r.hf1;
    g.hf2 = r.hf2;
    g.ha1 = r.ha1;
    g.ha2 = r.ha2;
    g.b = r.cones.b;
    g.r = r.cones.r;
    g.d1 = r.cones.d1;
    g.d2 = r.cones.d2;
    if (in.z1 == in.z2)
        g.delta1 = g.delta2 = AngleDms{45, 0, 0};
    else {
        g.delta1 = splitRadiansDms(r.cones.delta1);
        g.delta2 = splitRadiansDms(r.cones.delta2);
    }
    g.phiR = in.phiR;
    g.taper = in.taper;
    g.zp = r.zp;
    g.dThetaF = r.dThetaF;
    g.epsBeta = r.epsBeta;
    if (g.toothSystem == 0)
        g.toothSystem = in.taper == kTaperUniformDepth ? 6 : (spiralBetaMDegrees(in) > 0 ? 4 : 3);
    g.status = kConeGeomStatus;
}

void fillSpiralCutter(ConeGeomRecord& g, std::int32_t index, const CutterRow& c, const HeelResult& h) {
    g.cutterChoice = index;
    g.cutterRow = c.row;
    g.cutterBand = c.band;
    g.d0 = c.d0;
    g.betaOuter = kavrin::splitRadiansDms(h.beta);
    g.s1 = h.s1;
    g.s2 = h.s2;
}

}  // namespace bevel
