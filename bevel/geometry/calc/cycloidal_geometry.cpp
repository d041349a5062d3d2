#include "bevel/geometry/calc/cycloidal_geometry.h"

#include <cmath>

#include "common/calc/quantity.h"
#include "fw/format.h"

namespace bevel::aol {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
double rad(double deg) { return deg * kPi / 180; }

}  // namespace

Cone cone(const Inputs& in) {
    Cone c;
    c.delta1 = std::atan(static_cast<double>(in.z1) / in.z2);
    c.delta2 = kHalfPi - c.delta1;
    c.d1 = in.z1 * in.mt;
    c.d2 = in.z2 * in.mt;
    c.r = c.d1 / (2 * std::sin(c.delta1));
    c.b = in.faceWidthEdited ? in.b : in.phiR * c.r;
    c.zc = in.z2 / std::sin(c.delta2);
    c.rp = c.r - 0.415 * c.b;
    c.ri = c.r - c.b;
    c.betaP1Deg = (in.betaMDeg + 6) * 0.914;
    return c;
}

std::optional<Reference> referencePoint(const Cone& c, const CutterHeadRecord& head, int group) {
    if (group < 0 || group > 2) return std::nullopt;
    const auto g = static_cast<std::size_t>(group);
    const double q = head.q[g], eb = head.eb[g];
    const double num = c.rp * c.rp - q;
    const double den = c.zc * c.zc - static_cast<double>(head.z0 * head.z0);
    if (!(num > 0) || !(den > 0) || !(q > 0) || !(c.rp > 0)) return std::nullopt;
    Reference r;
    r.mp = 2 * std::sqrt(num / den);
    const double cosBp = r.mp * c.zc / 2 / c.rp;
    if (!(std::abs(cosBp) <= 1)) return std::nullopt;
    r.betaP = std::acos(cosBp);
    r.rhoP = c.rp * cosBp;
    r.rho = r.rhoP + eb;
    auto bi = spiralAngleAt(r, head, group, c.ri);
    auto bo = spiralAngleAt(r, head, group, c.r);
    if (!bi || !bo) return std::nullopt;
    r.betaI = *bi;
    r.beta = *bo;
    r.h = 2.15 * r.mp + 0.35;
    if (!kavrin::allPrintable({r.mp, r.h, r.rhoP, r.rho, r.betaI, r.beta})) return std::nullopt;
    return r;
}

std::optional<double> spiralAngleAt(const Reference& ref, const CutterHeadRecord& head, int group, double l) {
    if (group < 0 || group > 2) return std::nullopt;
    const auto g = static_cast<std::size_t>(group);
    const double q = head.q[g], eb = head.eb[g];
    if (!(q > 0) || !(l > 0) || !(ref.rho != 0)) return std::nullopt;
    const double sq = std::sqrt(q);
    const double c = (ref.rho * ref.rho + q - l * l) / (2 * sq * ref.rho);
    // The law of cosines in the triangle M X N: both sides squared.
    const double s = q + eb * eb - 2 * sq * eb * c;
    if (!(s > 0)) return std::nullopt;
    const double sinB = ((l * l + s - ref.rhoP * ref.rhoP) / 2 / l) / std::sqrt(s);
    if (!(std::abs(sinB) <= 1)) return std::nullopt;
    return std::asin(sinB);
}

double x1Min(const Inputs& in, const Cone& c, const Reference& ref, const CutterHeadRecord& head, int group,
             double tiltDeg) {
    const double hr = 1.15 * ref.mp + 0.35;
    const double a = rad(in.alphaDeg) - rad(tiltDeg);
    const double sa = std::sin(a), cb = std::cos(ref.betaI);
    const double dh = hr - (c.ri * std::tan(c.delta1) * sa * sa / (cb * cb) +
                            0.65 * head.rhoA0[static_cast<std::size_t>(group)]);
    const double x = dh / ref.mp;
    return x > 0 ? x : 0;
}

Results finish(const Inputs& in, const Cone& c, const Reference& ref, double x1) {
    Results o;
    o.x1 = x1;
    o.x2 = -x1;
    o.dh = x1 * ref.mp;
    o.ha1 = (1 + o.x1) * ref.mp;
    o.ha2 = (1 + o.x2) * ref.mp;
    o.hf1 = ref.h - o.ha1;
    o.hf2 = ref.h - o.ha2;
    const double u = static_cast<double>(in.z2) / in.z1;
    o.xt1 = u >= 2 ? (u - 1) / 50 : 0;
    o.xt2 = -o.xt1;
    o.da1 = c.d1 + 2 * o.ha1 * std::cos(c.delta1);
    o.da2 = c.d2 + 2 * o.ha2 * std::cos(c.delta2);
    o.ak1 = c.r * std::cos(c.delta1) - o.ha1 * std::sin(c.delta1);
    o.ak2 = c.r * std::cos(c.delta2) - o.ha2 * std::sin(c.delta2);
    const double alpha = rad(in.alphaDeg);
    o.s1 = (2 * o.x1 * std::tan(alpha) / std::cos(ref.beta) + kHalfPi + o.xt1) * in.mt;
    o.s2 = kPi * in.mt - o.s1;
    const double betaM = rad(in.betaMDeg);
    o.epsBeta = std::tan(betaM) * c.b / (1 - 0.58 * in.phiR) / kPi / in.mt;
    const double tanAt = std::tan(alpha) / std::cos(betaM);
    const double at = std::atan(tanAt);
    auto tanAat = [&](int z, double x, double delta) {
        const double ca = z * std::cos(at) / (z + 2 * (in.haStar + x) * std::cos(delta));
        return std::tan(std::acos(ca));
    };
    o.epsAlpha = (in.z1 * (tanAat(in.z1, o.x1, c.delta1) - tanAt) / std::cos(c.delta1) +
                  in.z2 * (tanAat(in.z2, o.x2, c.delta2) - tanAt) / std::cos(c.delta2)) /
                 2 / kPi;
    return o;
}

void fillRecord(ConeGeomRecord& g, const Inputs& in, const Cone& c, const Reference& ref, const Results& res,
                const Choice& choice) {
    using kavrin::splitRadiansDms;
    g.haStar = in.haStar;
    g.mt = in.mt;
    g.z1 = in.z1;
    g.z2 = in.z2;
    g.x1 = res.x1;
    g.x2 = res.x2;
    g.xt2 = res.xt2;
    g.xt1 = res.xt1;
    g.epsAlpha = res.epsAlpha;
    g.s2 = res.s2;
    g.s1 = res.s1;
    g.ak2 = res.ak2;
    g.ak1 = res.ak1;
    g.da2 = res.da2;
    g.da1 = res.da1;
    g.h = ref.h;
    g.hf2 = res.hf2;
    g.hf1 = res.hf1;
    g.ha2 = res.ha2;
    g.ha1 = res.ha1;
    g.b = c.b;
    g.r = c.r;
    g.d2 = c.d2;
    g.d1 = c.d1;
    g.delta2 = splitRadiansDms(c.delta2);
    g.delta1 = splitRadiansDms(c.delta1);
    g.phiR = in.phiR;
    g.taper = choice.taper;
    g.toothSystem = 7;
    g.zp = c.zc;
    g.epsBeta = res.epsBeta;
    g.cutterChoice = choice.cutterType;
    g.betaInner = splitRadiansDms(ref.betaI);
    g.betaOuter = splitRadiansDms(ref.beta);
    g.tilt = choice.tiltDeg;
    g.betaP0 = splitRadiansDms(rad(c.betaP1Deg));
    g.betaP = splitRadiansDms(ref.betaP);
    g.d0 = res.dh;
    g.mp = ref.mp;
    g.ri = c.ri;
    g.rp = c.rp;
    g.cutterRow = choice.headIndex;
    g.cutterBand = choice.group;
    g.status = 202;
}

std::string cutterListHeader(int cutterType) {
    if (cutterType == 0) return " 刀盘号  刀盘半径范围 刀片号 参考点法面模数   模数范围   滚动圆半径 刀尖圆角半径";
    return " 刀盘号  刀盘半径范围 刀片号 参考点法面模数   模数范围   滚动圆半径";
}

std::string cutterListRow(int cutterType, const CutterHeadRecord& h, int group) {
    const auto g = static_cast<std::size_t>(group);
    if (cutterType == 0)
        return fw::format("EN %d-%.0f  %.2f～%.2f  %.0f/%d      %.2f        %.2f～%.2f     %.2f       %.2f", h.z0, h.rb,
                          h.rbMin, h.rbMax, h.rb, h.blade[g], h.mp[g], h.mMin[g], h.mMax[g], h.eb[g], h.rhoA0[g]);
    return fw::format("TC %d-%.0f  %.2f～%.2f  %.0f/%d      %.2f        %.2f～%.2f     %.2f ", h.z0, h.rb, h.rbMin,
                      h.rbMax, h.rb, h.blade[g], h.mp[g], h.mMin[g], h.mMax[g], h.eb[g]);
}

}  // namespace bevel::aol
