#include "bevel/geometry/calc/straight_geometry.h"

#include <cmath>
#include <initializer_list>

#include "bevel/geometry/calc/cone_dimensions.h"
#include "common/calc/quantity.h"
#include "fw/format.h"

namespace bevel {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr const char* kRule = "\t————————————————————————————————————————————\n";

double radiansOf(const kavrin::AngleTriple& a) { return (a.deg + a.min / 60.0 + a.sec / 3600.0) * kPi / 180; }

double degreesOf(const AngleDms& a) { return a.deg + a.min / 60.0 + a.sec / 3600.0; }

// An angle of the report, rounded to its shown tenth of a second, then split.
std::string dms(const char* fmt, const AngleDms& a) {
    const AngleDms r = kavrin::roundDms(a, 1);
    return fw::format(fmt, r.deg, r.min, r.sec);
}

}  // namespace

double phiRForPosition(int position) { return kPhiRMin + position * kPhiRStep / kPhiRTrackMax; }

int positionForPhiR(double phiR) { return static_cast<int>((phiR - kPhiRMin) * kPhiRTrackMax / kPhiRStep); }

StraightCones straightCones(const StraightInput& in) {
    StraightCones c;
    c.d1 = in.z1 * in.m;
    c.d2 = in.z2 * in.m;
    c.delta1 = std::atan(static_cast<double>(in.z1) / static_cast<double>(in.z2));
    c.delta2 = kHalfPi - c.delta1;
    c.r = c.d1 / (2 * std::sin(c.delta1));
    c.b = in.faceWidthSet ? in.b : in.phiR * c.r;
    return c;
}

double helixLimit(double m, double r, double b) { return kPi * m * (r - b) / (r * b); }

double helixOf(const StraightInput& in) { return radiansOf(in.beta); }

fw::Expected<StraightResult, std::string> straightGeometry(const StraightInput& in, const StraightCones& cones,
                                                           double beta) {
    StraightResult r;
    r.cones = cones;
    r.beta = beta;
    const double m = in.m, R = cones.r, b = cones.b;
    const double d1 = cones.d1, d2 = cones.d2, delta1 = cones.delta1, delta2 = cones.delta2;
    r.ha1 = (in.haStar + in.x1) * m;
    r.ha2 = (in.haStar + in.x2) * m;
    r.h = (2 * in.haStar + in.cStar) * m;
    r.hf1 = r.h - r.ha1;
    r.hf2 = r.h - r.ha2;
    r.da1 = d1 + 2 * r.ha1 * std::cos(delta1);
    r.da2 = d2 + 2 * r.ha2 * std::cos(delta2);
    const double cosB = std::cos(beta);
    r.thetaF1 = std::atan(r.hf1 / (R * cosB * cosB));
    r.thetaF2 = std::atan(r.hf2 / (R * cosB * cosB));
    if (in.taper == kTaperUnequalClearance) {
        r.thetaA1 = std::atan(r.ha1 / R);
        r.thetaA2 = std::atan(r.ha2 / R);
    } else {
        r.thetaA1 = r.thetaF2;
        r.thetaA2 = r.thetaF1;
    }
    r.deltaA1 = delta1 + r.thetaA1;
    r.deltaA2 = delta2 + r.thetaA2;
    r.deltaF1 = delta1 - r.thetaF1;
    r.deltaF2 = delta2 - r.thetaF2;
    r.ak1 = d2 / 2 - r.ha1 * std::sin(delta1);
    r.ak2 = d1 / 2 - r.ha2 * std::sin(delta2);
    r.rTau = R * std::sin(beta);
    const double alpha = radiansOf(in.alpha);
    r.s1 = m * (kPi / 2 + 2 * in.x1 * std::tan(alpha) / cosB + in.xt1);
    r.s2 = kPi * m - r.s1;
    auto chordal = [&](double s, double delta, double d, double ha, double& sBar, double& hBar) {
        const double k = 1 - std::sin(2 * beta) * s / (4 * R);
        sBar = cosB * k * (s - s * s * s * std::cos(delta) * std::cos(delta) / (6 * d * d));
        hBar = k * (ha + s * s * std::cos(delta) / (4 * d));
    };
    chordal(r.s1, delta1, d1, r.ha1, r.sBar1, r.hBar1);
    chordal(r.s2, delta2, d2, r.ha2, r.sBar2, r.hBar2);
    const double cos3 = cosB * cosB * cosB;
    r.zv1 = in.z1 / (std::cos(delta1) * cos3);
    r.zv2 = in.z2 / (std::cos(delta2) * cos3);
    const double alphaT = std::atan(std::tan(alpha) / cosB);
    const double cosA1 = in.z1 * std::cos(alphaT) / (in.z1 + 2 * (in.haStar + in.x1) * std::cos(delta1));
    const double cosA2 = in.z2 * std::cos(alphaT) / (in.z2 + 2 * (in.haStar + in.x2) * std::cos(delta2));
    const double alphaA1 = std::acos(cosA1), alphaA2 = std::acos(cosA2);
    r.epsAlpha = (in.z1 * (std::tan(alphaA1) - std::tan(alphaT)) / std::cos(delta1) +
                  in.z2 * (std::tan(alphaA2) - std::tan(alphaT)) / std::cos(delta2)) /
                 (2 * kPi);
    r.epsBeta = b * std::tan(beta) / ((1 - 0.5 * in.phiR) * kPi * m);
    if (!kavrin::allPrintable({d1, d2, delta1, delta2, R, b, beta, r.ha1, r.ha2, r.h, r.hf1, r.hf2, r.da1, r.da2,
                               r.thetaF1, r.thetaF2, r.thetaA1, r.thetaA2, r.deltaA1, r.deltaA2, r.deltaF1, r.deltaF2,
                               r.ak1, r.ak2, r.rTau, r.s1, r.s2, r.sBar1, r.sBar2, r.hBar1, r.hBar2, r.zv1, r.zv2,
                               r.epsAlpha, r.epsBeta}))
        return fw::unexpected(std::string(kMsgStraightIncomplete));
    return r;
}

void fillStraightRecord(ConeGeomRecord& g, const StraightInput& in, const StraightResult& r) {
    using kavrin::splitRadiansDms;
    g.alphaDeg = in.alpha.deg;
    g.alphaMin = in.alpha.min;
    g.alphaSec = in.alpha.sec;
    g.betaDeg = in.beta.deg;
    g.betaMin = in.beta.min;
    g.betaSec = in.beta.sec;
    g.cStar = in.cStar;
    g.haStar = in.haStar;
    g.mt = in.m;
    g.z1 = static_cast<std::int32_t>(in.z1);
    g.z2 = static_cast<std::int32_t>(in.z2);
    g.x1 = in.x1;
    g.x2 = in.x2;
    g.xt1 = in.xt1;
    g.xt2 = in.xt2;
    g.rTau = r.rTau;
    fillConeDimensions(g, r);
    g.sBar1 = r.sBar1;
    g.sBar2 = r.sBar2;
    g.s1 = r.s1;
    g.s2 = r.s2;
    g.delta1 = splitRadiansDms(r.cones.delta1);
    g.delta2 = splitRadiansDms(r.cones.delta2);
    g.phiR = in.phiR;
    g.taper = in.taper;
    g.hBar1 = r.hBar1;
    g.hBar2 = r.hBar2;
    g.epsBeta = r.epsBeta;
    g.status = kConeGeomStatus;
}

std::string straightReport(const ConeGeomRecord& g) {
    std::string t;
    t += "\n\t*************************** 直线齿圆锥齿轮几何计算报告******************************\n";
    t += fw::format("\n\t标题：%s\t编号: %s\n", g.title.c_str(), g.number.c_str());
    t += fw::format("\t执行程序:\tKavrin Ver4.00\t日期:%s\n\n", g.date.c_str());
    t += "\t项目                     符号或计算公式                                结果\n";
    t += kRule;
    t += fw::format("\t齿数:                    Z1= (预定)=                                  %d\n", g.z1);
    t += fw::format("\t                        Z2= (预定)=                                   %d\n", g.z2);
    t += fw::format("\t模数:                    mt= (预定)=                                  %.3fmm\n", g.mt);
    t += fw::format("\t齿形角:                  α= (预定)=                                  %d°%d′%d″\n", g.alphaDeg, g.alphaMin, g.alphaSec);
    t += fw::format("\t齿顶高系数:              a*= (预定)=                                  %.3f\n", g.haStar);
    t += fw::format("\t齿顶隙系数:              c*= (预定)=                                  %.3f\n", g.cStar);
    t += fw::format("\t螺旋角:                  β= (预定,程序调整)=                          %d°%d′%d″\n", g.betaDeg, g.betaMin, g.betaSec);
    t += fw::format("\t高变位系数:              χ1= (预定,程序调整)=                         %.3f\n", g.x1);
    t += fw::format("\t                        χ2= (预定,程序调整)=                         %.3f\n", g.x2);
    t += fw::format("\t切向变位系数:            χτ1= (预定,程序调整)=                       %.3f\n", g.xt1);
    t += fw::format("\t                        χτ2= (预定,程序调整)=                       %.3f\n", g.xt2);
    t += dms("\t分锥角:                  δ1= arctg(Z1/Z2)=                           %2.0f°%2.0f′%2.1f″\n", g.delta1);
    t += dms("\t                        δ2= 90°-δ1=                                %2.0f°%2.0f′%2.1f″\n", g.delta2);
    t += fw::format("\t分度圆直径:              d1= m Z1=                                    %.3fmm\n", g.d1);
    t += fw::format("\t                        d2= m Z2=                                    %.3fmm\n", g.d2);
    t += fw::format("\t锥距:                    R= di/2sin(δi)=                             %.3fmm\n", g.r);
    t += fw::format("\t齿宽系数:                φR= (计算,程序调整)=                         %.3f\n", g.phiR);
    t += fw::format("\t齿宽:                    b=                                           %.3fmm\n", g.b);
    t += fw::format("\t齿顶高:                  ha1= (ha*+χ1) m=                            %.3fmm\n", g.ha1);
    t += fw::format("\t                        ha2= (ha*+χ2) m=                             %.3fmm\n", g.ha2);
    t += fw::format("\t齿根高:                  hf1= h-ha1=                                  %.3fmm\n", g.hf1);
    t += fw::format("\t                        hf2= h-ha2=                                  %.3fmm\n", g.hf2);
    t += fw::format("\t全齿高:                  h= (2ha*+C*)m=                               %.3fmm\n", g.h);
    t += fw::format("\t齿顶圆直径:              da1= d1+2ha1 cos(δ1)=                       %.3fmm\n", g.da1);
    t += fw::format("\t                        da2= d2+2ha2 cos(δ2)=                        %.3fmm\n", g.da2);
    t += dms("\t齿根角:                  θf1= arctg[hf1/Rcos^2(β)]=                 %2.0f°%2.0f′%2.1f″\n", g.thetaF1);
    t += dms("\t                        θf2= arctg[hf2/Rcos^2(β)]=                  %2.0f°%2.0f′%2.1f″\n", g.thetaF2);
    t += dms("\t齿顶角:                  θa1= arctg(ha1/R)或θf2=                    %2.0f°%2.0f′%2.1f″\n", g.thetaA1);
    t += dms("\t                        θa2= arctg(ha2/R)或θf1=                     %2.0f°%2.0f′%2.1f″\n", g.thetaA2);
    t += dms("\t顶锥角:                  δa1= δ1+θa1=                              %2.0f°%2.0f′%2.1f″\n", g.deltaA1);
    t += dms("\t                        δa2= δ2+θa2=                               %2.0f°%2.0f′%2.1f″\n", g.deltaA2);
    t += dms("\t根锥角:                  δf1= δ1-θf1=                              %2.0f°%2.0f′%2.1f″\n", g.deltaF1);
    t += dms("\t                        δf2= δ2-θf2=                               %2.0f°%2.0f′%2.1f″\n", g.deltaF2);
    t += fw::format("\t外锥高:                  Ak1= d2/2-ha1 sin(δ1)=                      %.2fmm\n", g.ak1);
    t += fw::format("\t                        Ak2= d1/2-ha2 sin(δ2)=                       %.2fmm\n", g.ak2);
    t += fw::format("\t分度圆弧齿厚:            s1= (π/2+2χ1 tgα/cosβ)m=                  %.3fmm\n", g.s1);
    t += fw::format("\t                        s2= π m - s1=                                %.3fmm\n", g.s2);
    t += fw::format("\t弦齿厚:                  _s1= (程序处理)=                             %.3fmm\n", g.sBar1);
    t += fw::format("\t                        _s2= (程序处理)=                              %.3fmm\n", g.sBar2);
    t += fw::format("\t弦齿高:                  _h1= (程序处理)=                             %.3fmm\n", g.hBar1);
    t += fw::format("\t                        _h2= (程序处理)=                              %.3fmm\n", g.hBar2);
    t += fw::format("\t切圆半径:                Rτ= R sinβ=                                %.3fmm\n", g.rTau);
    t += fw::format("\t当量齿数:                Zv1= z1/[cos(δ1)cos^3(β)]=                 %.3f\n", g.zv1);
    t += fw::format("\t                        Zv2= z1/[cos(δ1)cos^3(β)]=                  %.3f\n", g.zv2);
    t += fw::format("\t端面重合度:              εα= (程序处理)=                             %.3f\n", g.epsAlpha);
    t += fw::format("\t齿向重合度:              εβ≈b·tng(βm)/πm(1-0.5φR)=              %.3f\n", g.epsBeta);
    const int system = g.toothSystem >= 0 && g.toothSystem < kToothSystemCount ? g.toothSystem : 0;
    t += fw::format("\t齿型制:                                                               %s\n",
                    kConeToothSystems[static_cast<std::size_t>(system)].straightReportName);
    t += kRule;
    // Face contact: tan β against T = π(R − b)m/(R·b).
    const double limit = (g.r - g.b) * kPi * g.mt / (g.r * g.b);
    const double beta = radiansOf({g.betaDeg, g.betaMin, g.betaSec});
    if (std::tan(beta) < limit) {
        t += fw::format("\t! 齿向重合验算:          tgβ< π(R-b)m/Rb=                           %.3f\n", limit);
        t += "\t________齿向重合度偏小，增大螺旋角将改善平稳性!\n\n";
    } else {
        t += fw::format("\t! 齿向重合验算:          tgβ≥ π(R-b)m/Rb=                           %.3f\n", limit);
        t += "\t________齿向重合度≥1\n\n";
    }
    // Pinion teeth: Z1 against 2·ha*·cos δ1/sin²α.
    const double delta1 = degreesOf(g.delta1) * kPi / 180;
    const double sinAlpha = std::sin(radiansOf({g.alphaDeg, g.alphaMin, g.alphaSec}));
    const double least = 2 * g.haStar * std::cos(delta1) / (sinAlpha * sinAlpha);
    if (g.z1 < least) {
        t += fw::format("\t! 小齿轮齿数验算:        Z1 < 2ha*×Cos(δ)/Sin(α)=                   %.1f\n", least);
        t += "\t________小齿轮齿数偏小，可能根切，宜增大齿数!\n";
    } else {
        t += fw::format("\t! 小齿轮齿数验算:        Z1 ≥ 2ha*×Cos(δ)/Sin^2(α)=                %.1f\n", least);
        t += "\t________小齿轮齿数足量\n";
    }
    return t;
}

}  // namespace bevel
