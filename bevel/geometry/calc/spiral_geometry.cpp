#include "bevel/geometry/calc/spiral_geometry.h"

#include <cmath>
#include <initializer_list>

namespace bevel {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kEpsBetaLeast = 1.25;  // face contact ratio the advice asks for

double degreesOf(const kavrin::AngleTriple& a) { return a.deg + a.min / 60.0 + a.sec / 3600.0; }
double radiansOf(const kavrin::AngleTriple& a) { return degreesOf(a) * kPi / 180; }

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

bool spiralSmallModuleAdvice(const SpiralInput& in) { return in.m < 2.5 && in.betaM.deg > 25; }

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
    const double m = in.m, R = cones.r, b = cones.b;
    const double scale = in.taper == kTaperUniformDepth ? 1 - in.phiR : 1.0;
    r.ha1 = m * (in.haStar + in.x1) * scale;
    r.ha2 = m * (in.haStar + in.x2) * scale;
    r.h = m * (2 * in.haStar + in.cStar) * scale;
    r.hf1 = r.h - r.ha1;
    r.hf2 = r.h - r.ha2;
    r.da1 = cones.d1 + 2 * r.ha1 * std::cos(cones.delta1);
    r.da2 = cones.d2 + 2 * r.ha2 * std::cos(cones.delta2);
    r.zp = 2 * R / m;
    switch (in.taper) {
    case kTaperDouble: {
        const double alpha = degreesOf(in.alpha);
        double k = 0;  // duplex taper constant of the pressure angle
        if (alpha == 20.0) k = 6668;
        else if (alpha == 22.5) k = 4868;
        else if (alpha == 25.0) k = 3412;
        else return fw::unexpected(std::string(kMsgSpiralAlpha));
        const double l = 1512 * std::sqrt(cones.d1 * std::sin(cones.delta2)) / (r.zp * b) + 355.6 / (r.zp * m);
        r.dThetaF = k / r.zp - l;
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
    r.thetaA1 = r.thetaF2;
    r.thetaA2 = r.thetaF1;
    r.deltaA1 = cones.delta1 + r.thetaA1;
    r.deltaA2 = cones.delta2 + r.thetaA2;
    r.deltaF1 = cones.delta1 - r.thetaF1;
    r.deltaF2 = cones.delta2 - r.thetaF2;
    r.ak1 = R * std::cos(cones.delta1) - r.ha1 * std::sin(cones.delta1);
    r.ak2 = R * std::cos(cones.delta2) - r.ha2 * std::sin(cones.delta2);
    const double betaM = radiansOf(in.betaM);
    if (betaM > 0) {
        r.epsBeta = b * std::tan(betaM) / (kPi * m * (1 - 0.5 * in.phiR));
        if (r.epsBeta < kEpsBetaLeast) r.betaMin = std::atan(3.9269908169872414 * m * (1 - 0.5 * in.phiR) / b);
    }
    const double cos3 = std::pow(std::cos(betaM), 3.0);
    r.zv1 = in.z1 / (std::cos(cones.delta1) * cos3);
    r.zv2 = in.z2 / (std::cos(cones.delta2) * cos3);
    const double alpha = radiansOf(in.alpha);
    const double alphaT = std::atan(std::tan(alpha) / std::cos(betaM));
    const double a1 = std::acos(in.z1 * std::cos(alphaT) / (in.z1 + 2 * (in.haStar + in.x1) * std::cos(cones.delta1)));
    const double a2 = std::acos(in.z2 * std::cos(alphaT) / (in.z2 + 2 * (in.haStar + in.x2) * std::cos(cones.delta2)));
    r.epsAlpha = (in.z1 * (std::tan(a1) - std::tan(alphaT)) / std::cos(cones.delta1) +
                  in.z2 * (std::tan(a2) - std::tan(alphaT)) / std::cos(cones.delta2)) /
                 (2 * kPi);
    if (!allFinite({cones.d1, cones.d2, cones.delta1, cones.delta2, R, b, r.ha1, r.ha2, r.h, r.hf1, r.hf2, r.da1,
                    r.da2, r.zp, r.dThetaF, r.thetaF1, r.thetaF2, r.deltaA1, r.deltaA2, r.deltaF1, r.deltaF2, r.ak1,
                    r.ak2, r.epsBeta, r.betaMin, r.zv1, r.zv2, r.epsAlpha}))
        return fw::unexpected(std::string(kMsgSpiralIncomplete));
    return r;
}

fw::Expected<SpiralHeel, std::string> heelFromCutter(const SpiralInput& in, const SpiralCones& cones, double d0) {
    const double R = cones.r;
    const double rm = R - cones.b / 2;
    const double sine = (R + rm * (d0 * std::sin(radiansOf(in.betaM)) - rm) / R) / d0;
    if (!std::isfinite(sine)) return fw::unexpected(std::string(kMsgSpiralIncomplete));
    if (sine < -1 || sine > 1) return fw::unexpected(std::string(kMsgSpiralCutterSmall));
    SpiralHeel h;
    h.beta = std::asin(sine);
    h.s1 = in.m * (kPi / 2 + 2 * in.x1 * std::tan(radiansOf(in.alpha)) / std::cos(h.beta) + in.xt1);
    h.s2 = kPi * in.m - h.s1;
    if (!allFinite({h.beta, h.s1, h.s2})) return fw::unexpected(std::string(kMsgSpiralIncomplete));
    return h;
}

void fillSpiralRecord(ConeGeomRecord& g, const SpiralInput& in, const SpiralResult& r, const SpiralHeel& heel,
                      std::int32_t cutterIndex, const CutterRow& cutter) {
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
    g.z1 = static_cast<std::int32_t>(in.z1);
    g.z2 = static_cast<std::int32_t>(in.z2);
    g.x1 = in.x1;
    g.x2 = in.x2;
    g.xt2 = in.xt2;
    g.xt1 = in.xt1;
    g.zv2 = r.zv2;
    g.zv1 = r.zv1;
    g.epsAlpha = r.epsAlpha;
    g.s2 = heel.s2;
    g.s1 = heel.s1;
    g.deltaF2 = splitRadiansDms(r.deltaF2);
    g.deltaF1 = splitRadiansDms(r.deltaF1);
    g.thetaF2 = splitRadiansDms(r.thetaF2);
    g.thetaF1 = splitRadiansDms(r.thetaF1);
    g.deltaA2 = splitRadiansDms(r.deltaA2);
    g.deltaA1 = splitRadiansDms(r.deltaA1);
    g.thetaA2 = splitRadiansDms(r.thetaA2);
    g.thetaA1 = splitRadiansDms(r.thetaA1);
    g.ak2 = r.ak2;
    g.ak1 = r.ak1;
    g.da2 = r.da2;
    g.da1 = r.da1;
    g.h = r.h;
    g.hf2 = r.hf2;
    g.hf1 = r.hf1;
    g.ha2 = r.ha2;
    g.ha1 = r.ha1;
    g.b = r.cones.b;
    g.r = r.cones.r;
    g.d2 = r.cones.d2;
    g.d1 = r.cones.d1;
    g.delta2 = splitRadiansDms(r.cones.delta2);
    g.delta1 = splitRadiansDms(r.cones.delta1);
    if (in.z1 == in.z2) g.delta1 = g.delta2 = AngleDms{45, 0, 0};
    g.phiR = in.phiR;
    g.taper = in.taper;
    g.zp = r.zp;
    g.dThetaF = r.dThetaF;
    g.epsBeta = r.epsBeta;
    g.cutterChoice = cutterIndex;
    g.betaOuter = splitRadiansDms(heel.beta);
    g.d0 = cutter.d0;
    g.cutterRow = cutter.row;
    g.cutterBand = cutter.band;
    if (g.toothSystem == 0)
        g.toothSystem = in.taper == kTaperUniformDepth ? 6 : (radiansOf(in.betaM) > 0 ? 4 : 3);
    g.status = kConeGeomStatus;
}

}  // namespace bevel
