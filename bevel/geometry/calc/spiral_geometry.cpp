#include "bevel/geometry/calc/spiral_geometry.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "bevel/geometry/calc/cone_dimensions.h"
#include "common/calc/quantity.h"
#include "fw/format.h"

namespace bevel {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kHalfPi = 1.5707963267948966;

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

bool spiralAlphaAccepted(const kavrin::AngleTriple& alpha) {
    const double a = degreesOf(alpha);
    return a >= 14.5 && a <= 25;
}

bool smallModuleWithLargeHelix(const SpiralInput& in) { return in.m <= 2.5 && in.betaM.deg >= 25; }

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

    if (!kavrin::allPrintable({d1, d2, delta1, delta2, R, b, r.ha1, r.ha2, r.h, r.hf1, r.hf2, r.da1, r.da2, r.zp,
                               r.dThetaF, r.thetaF1, r.thetaF2, r.deltaA1, r.deltaA2, r.deltaF1, r.deltaF2, r.ak1,
                               r.ak2, r.epsBeta, r.betaMin, r.zv1, r.zv2, r.epsAlpha}) ||
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
    if (!kavrin::allPrintable({h.beta, h.s1, h.s2})) return fw::unexpected(std::string(kMsgSpiralIncomplete));
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
    fillConeDimensions(g, r);
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

namespace {

constexpr std::array<const char*, kToothSystemCount> kReportSystemNames = {
    "标准、自定义直齿", "直线齿格利森", "直线齿埃尼姆斯", "零度弧齿格利森", "弧齿格利森", "弧齿埃尼姆斯", "洛－卡氏", "奥利康摆线"};

std::string rule() {
    std::string r = "\t";
    for (int i = 0; i < 43; ++i) r += "—";
    return r + "\n";
}

double dmsRadians(const AngleDms& a) { return (a.deg + a.min / 60.0 + a.sec / 3600.0) * kPi / 180; }

}  // namespace

std::string spiralReport(const ConeGeomRecord& g, const CutterRow& chosen) {
    using kavrin::formatDms;
    using fw::format;
    std::string out;
    out += "\n\t*************************** 弧齿齿圆锥齿轮几何计算报告*****************************\n";
    out += format("\n\t标题:\t%s\t编号:\t%s\n", g.title.c_str(), g.number.c_str());
    out += format("\t执行程序: Kavrin Ver4.00\t日期:\t%s\n\n", g.date.c_str());
    out += "\t项目                     符号或计算公式                                结果\n";
    out += rule();
    out += format("\t齿数:                    Z1= (预定)                                   %d\n", g.z1);
    out += format("\t                        Z2= (预定)                                    %d\n", g.z2);
    out += format("\t模数:                    mt= (预定)                                   %.3fmm\n", g.mt);
    out += format("\t齿形角:                  α= (预定)                                   %d°%d′%d″\n", g.alphaDeg, g.alphaMin,
                  g.alphaSec);
    out += format("\t齿顶高系数:              ha*= (预定)                                  %.3f\n", g.haStar);
    out += format("\t齿顶隙系数:              c*= (预定)                                   %.3f\n", g.cStar);
    out += format("\t螺旋角:                  βm= (预定,程序调整)                          %d°%d′%d″\n", g.betaDeg,
                  g.betaMin, g.betaSec);
    out += format("\t高变位系数:              χ1= (预定,程序调整)                          %.3f\n", g.x1);
    out += format("\t                        χ2= (预定,程序调整)                          %.3f\n", g.x2);
    out += format("\t切向变位系数:            χτ1= (预定,程序调整)                        %.3f\n", g.xt1);
    out += format("\t                        χτ2= (预定,程序调整)                        %.3f\n", g.xt2);
    out += "\t分锥角:                  δ1= arctg(Z1/Z2)=                           " + formatDms(g.delta1) + "\n";
    out += "\t                        δ2= 90°-δ1=                                " + formatDms(g.delta2) + "\n";
    out += format("\t分度圆直径:              d1= m·Z1=                                   %.3fmm\n", g.d1);
    out += format("\t                        d2= m·Z2=                                    %.3fmm\n", g.d2);
    out += format("\t锥距:                    R= d1/2sin(δ1)=                             %.3fmm\n", g.r);
    out += format("\t齿宽系数:                φR= (计算,程序调整)                          %.3f\n", g.phiR);
    out += format("\t齿宽:                    b= φR·R=                                   %.3fmm\n", g.b);
    out += format("\t齿顶高:                  ha1= (ha*+χ1)m=                             %.3fmm\n", g.ha1);
    out += format("\t                        ha2= (ha*+χ2)m=                              %.3fmm\n", g.ha2);
    out += format("\t齿根高:                  hf1= h-ha1=                                  %.3fmm\n", g.hf1);
    out += format("\t                        hf2= h-ha2=                                  %.3fmm\n", g.hf2);
    out += format("\t全齿高:                  h= (2ha*+C*)m=                               %.3fmm\n", g.h);
    out += format("\t齿顶圆直径:              da1= d1+2ha1·cos(δ1)=                      %.3fmm\n", g.da1);
    out += format("\t                        da2= d2+2ha2·cos(δ2)=                       %.3fmm\n", g.da2);
    if (g.taper == kTaperUniformDepth) {
        out += "\t齿根角:                  θf1=                                        " + formatDms(g.thetaF1) + "\n";
        out += "\t                        θf2=                                         " + formatDms(g.thetaF2) + "\n";
        out += "\t齿顶角:                  θa1＝                                       " + formatDms(g.thetaA1) + "\n";
        out += "\t                        θa2=                                         " + formatDms(g.thetaA2) + "\n";
    } else {
        out += format("\t齿根角增量:              Δθf= (程序处理)                             %.2f′\n", g.dThetaF);
        out += "\t齿根角:                  θf1= arctg(hf1/R)+Δθf=                    " + formatDms(g.thetaF1) + "\n";
        out += "\t                        θf2= arctg(hf2/R)+Δθf=                     " + formatDms(g.thetaF2) + "\n";
        out += "\t齿顶角:                  θa1= θf2=                                  " + formatDms(g.thetaA1) + "\n";
        out += "\t                        θa2= θf1=                                   " + formatDms(g.thetaA2) + "\n";
    }
    out += "\t顶锥角:                  δa1＝δ1+θa1=                              " + formatDms(g.deltaA1) + "\n";
    out += "\t                        δa2= δ2+θa2=                               " + formatDms(g.deltaA2) + "\n";
    out += "\t根锥角:                  δf1＝δ1-θf1=                              " + formatDms(g.deltaF1) + "\n";
    out += "\t                        δf2=δ2-θf2=                                " + formatDms(g.deltaF2) + "\n";
    out += format("\t外锥高:                  Aa1=Rcos(δ1)-ha1sin(δ1)=                   %.3fmm\n", g.ak1);
    out += format("\t                        Aa2=Rcos(δ2)-ha2sin(δ2)=                    %.3fmm\n", g.ak2);
    out += format("\t分度圆弧齿厚:            s1= (π/2+2χ1 tgα/cosβ +χτ1)m=           %.3fmm\n", g.s1);
    out += format("\t                        s2= π·m-s1=                                 %.3fmm\n", g.s2);
    out += format("\t当量齿数:                Zv1= z1/[cos(δ1)cos^3(β)]=                 %.3f\n", g.zv1);
    out += format("\t                        Zv2= z2/[cos(δ2)cos^3(β)]=                  %.3f\n", g.zv2);
    out += format("\t端面重合度:              εα＝(程序处理)                              %.3f\n", g.epsAlpha);
    out += format("\t齿向重合度:              εβ＝b tg(βm)/[πm(1-0.5φr)]=              %.3f\n", g.epsBeta);
    out += format("\t平面齿轮齿数:            Zp=2R/m=                                     %.2f\n", g.zp);
    const AngleDms heel = kavrin::roundDms(g.betaOuter, 0);
    out += format("\t大端螺旋角:              β= (程序处理)                                %.0f°%.0f′%.0f″\n",
                  heel.deg, heel.min, heel.sec);
    const int system = g.toothSystem >= 0 && g.toothSystem < kToothSystemCount ? g.toothSystem : 0;
    out += format("\t齿型制:                                                               %s\n",
                  kReportSystemNames[static_cast<std::size_t>(system)]);
    out += rule();
    out += "\t铣刀盘选择方案：\n";
    if (chosen.band == kCustomCutterBand) {
        out += format("\t    自定义刀盘名义直径:%.2fmm\n", chosen.d0);
    } else {
        out += format("\t    刀盘名义直径:%.2fmm\n", chosen.d0);
        if (chosen.betaMax == 0)
            out += format("\t    螺旋角>%.0f°,加工锥距%.0f～%.0fmm,最大齿高:%.2fmm,最大齿宽:%.2fmm,最大模数:%.2fmm\n",
                          chosen.betaMin, chosen.rMin, chosen.rMax, chosen.depth, chosen.width, chosen.module);
        else
            out += format("\t    螺旋角%.0f～%.0f°,加工锥距%.0f～%.0fmm,最大齿高:%.2fmm,最大齿宽:%.2fmm,最大模数:%.2fmm\n",
                          chosen.betaMin, chosen.betaMax, chosen.rMin, chosen.rMax, chosen.depth, chosen.width,
                          chosen.module);
    }
    if (g.epsBeta < 1.25) out += "\n\t! 齿向重合度偏小，增大螺旋角或齿宽将改善平稳性\n";
    const double alpha = (static_cast<unsigned>(g.alphaDeg) + static_cast<unsigned>(g.alphaMin) / 60.0 +
                          static_cast<unsigned>(g.alphaSec) / 3600.0) * kPi / 180;
    const double betaM = (static_cast<unsigned>(g.betaDeg) + static_cast<unsigned>(g.betaMin) / 60.0 +
                          static_cast<unsigned>(g.betaSec) / 3600.0) * kPi / 180;
    const double z = 2 * g.haStar * std::cos(dmsRadians(g.delta1)) * std::cos(betaM) / (std::sin(alpha) * std::sin(alpha));
    if (g.z1 < z) {
        out += format("\n\t!小齿轮齿数验算 Z1 < 2ha*×Cos(δ1)*cos(βm)/Sin^2(α)＝%.1f\n", z);
        out += "\t________小齿轮齿数偏小，可能根切，宜增大齿数!\n";
    } else {
        out += format("\n\t!小齿轮齿数验算 Z1≥2ha*×Cos(δ1)*cos(βm)/Sin^2(α)＝%.1f\n", z);
        out += "\t________小齿轮齿数足量\n";
    }
    return out;
}

}  // namespace bevel
