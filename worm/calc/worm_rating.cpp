#include "worm/calc/worm_rating.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "fw/format.h"
#include "worm/calc/worm_geometry.h"
#include "worm/calc/worm_preliminary.h"

namespace worm::rating {

using geometry::toRadians;

double slidingSpeed(double d1w, double n1, double gammaWDeg) {
    return kPi * d1w * n1 / 60000 / std::cos(toRadians(gammaWDeg));
}

Friction frictionAt(double v) {
    // Sliding speed (m/s) and friction angle (°) of the friction table.
    static constexpr std::array<double, 13> kV{0.01, 0.1, 0.25, 0.5, 1, 1.5, 2, 2.5, 3, 4, 7, 10, 15};
    static constexpr std::array<double, 13> kRho{6.83, 5.5, 4.5, 3.67, 3.17, 2.83, 2.5, 2.33, 2, 1.67, 1.5, 1.33, 1.17};
    if (v > kV.back()) return {0.83, {0.83, 1.17}};
    std::size_t k = 0;  // at or below the first speed: the first band
    for (std::size_t i = 0; i + 1 < kV.size(); ++i)
        if (kV[i] < v && v <= kV[i + 1]) k = i;
    return {kRho[k], {kRho[k + 1], kRho[k]}};
}

int positionOf(double value, const Range& r) {
    if (!(r.upper > r.lower)) return 0;
    double p = kTrackbarPositions * (value - r.lower) / (r.upper - r.lower);
    return static_cast<int>(std::clamp(std::isnan(p) ? 0.0 : p, 0.0, double(kTrackbarPositions)));
}

std::optional<double> screwEfficiency(Drive d, double gammaWDeg, double rhoDeg) {
    const double g = toRadians(gammaWDeg), r = toRadians(rhoDeg);
    const double eta = d == Drive::Worm ? std::tan(g) / std::tan(g + r) : std::tan(g - r) / std::tan(g);
    if (!(eta > 0 && eta <= 1)) return std::nullopt;
    return eta;
}

const char* efficiencyRefusal(Drive d) { return d == Drive::Worm ? kMsgLeadPlusFriction : kMsgSelfLocking; }

Range screwEfficiencyRange(double eta1) {
    const double low = eta1 - 0.05 <= 0 ? eta1 / 2 : eta1 - 0.05;
    return {low, std::min(eta1 + 0.05, 1.0)};
}

Range bearingRange(Bearings b) { return b == Bearings::Sliding ? Range{0.97, 0.98} : Range{0.98, 0.995}; }
Range splashRange(WormPosition p) { return p == WormPosition::Above ? Range{0.98, 0.99} : Range{0.96, 0.98}; }

Torques torques(Drive d, double power, double n1, double eta, double u) {
    if (d == Drive::Worm) {
        const double t1 = kTorqueFactor * power / n1;
        return {t1, t1 * eta * u};
    }
    const double t1 = kTorqueFactor * eta * power / n1;
    return {t1, u * t1 / eta};
}

Forces forces(const Torques& t, double d1w, double dm2, double alphaXDeg) {
    Forces f;
    f.ft1 = 2000 * t.t1 / d1w;
    f.ft2 = 2000 * t.t2 / dm2;
    f.fx1 = f.ft2;
    f.fx2 = f.ft1;
    f.fr1 = f.fr2 = f.fx1 * std::tan(toRadians(alphaXDeg));
    return f;
}

double lifeFactor(double hours, double dutyPercent) { return std::pow(2.5e6 / (hours * dutyPercent), 1.0 / 6); }
double speedFactor(double n1, double u) { return std::pow(1 / (1 + (n1 / u) / 8), 0.125); }
double contactStress(double t2, double ka, double aw, double ze, double zrho) {
    return std::sqrt(1000 * t2 * ka / (aw * aw * aw)) * ze * zrho;
}
double bendingSafety(double u, double ft2, double ka, double m, double b2) { return u / (ft2 * ka / (m * b2)); }
double rootInertia(double df) { return kPi * std::pow(df, 4) / 64; }
double deflectionLimit(WormHardening h, double m) { return (h == WormHardening::Hardened ? 0.004 : 0.01) * m; }
std::optional<std::string> spanRefusal(double span) {
    if (!(span > 0)) return std::string(kMsgSpan);
    return inputRefusal(Quantity::Span, span);
}

fw::Expected<double, std::string> stiffnessSafety(double ft1, double ft2, double span, double e, double inertia,
                                                  double deltaLim) {
    if (auto refusal = spanRefusal(span)) return fw::unexpected(*refusal);
    const double f = std::sqrt(ft1 * ft1 + ft2 * ft2);
    const double delta = f * span * span * span / (48 * e * inertia);
    return deltaLim / delta;
}

const char* stiffnessRemark(double s) {
    if (s >= 1) return "蜗杆刚度较好。";
    if (s > 0.5) return "蜗杆刚度较小，但为提高效率也可用。";
    return "蜗杆刚度太小！";
}

Quantities readersOf(Quantity q, bool loaded) {
    using enum Quantity;
    auto of = [](std::initializer_list<Quantity> qs) {
        Quantities m = 0;
        for (Quantity x : qs) m |= bit(x);
        return m;
    };
    switch (q) {
    // v = π·d'1·n1/60000/cos γ'; Ft1 = Fx2 = 2000·T1/d'1; I and Zρ without a design.
    case D1w: return of({Speed, Ft1, Fx2}) | (loaded ? 0 : of({I, Zrho}));
    case Dm2: return of({Ft2, Fx1, Fr1, Fr2});   // Ft2 = Fx1 = 2000·T2/dm2, Fr = Fx1·tan αx
    case GammaW: return of({Speed});             // v, and η1 through the speed stage
    case AlphaN: return 0;                       // printed only
    case AlphaX: return of({Fr1, Fr2});
    case U: return of({T1, Zn});                 // T2 = T1·η·u, Zn = f(n1/u)
    case Aw: return of({SigmaH}) | (loaded ? 0 : of({Zrho}));
    case M: return of({Sw, DeltaLim}) | (loaded ? 0 : of({I}));
    case Power: return of({T1});
    case N1: return of({Speed, T1, Zn});
    case Speed: return of({Efficiency});         // ρ and η1 from v
    case EtaChoice: return of({Efficiency});
    case Efficiency: return of({T1});
    case T1: return of({Ft1, Ft2, Fx1, Fx2, Fr1, Fr2, SigmaH});   // and T2 with it
    case Ft1: return of({Forces, SPrime});
    case Ft2: return of({Forces, Sw, SPrime});
    case Fx1: case Fx2: case Fr1: case Fr2: return of({Forces});
    case Ze: return of({SigmaH, SigmaHp});       // the material's ZE and σHlim
    case Zh: case Zn: return of({SigmaHp});
    case Zrho: return of({SigmaH});
    case Ka: return of({SigmaH, Sw});
    case SigmaH: case SigmaHp: return of({Sh});
    case Ulim: return of({Sw});
    case Span: case E: case I: case DeltaLim: return of({SPrime});
    case Forces: case Sh: case Sw: case SPrime: case Count: return 0;
    }
    return 0;
}

Quantities staleAfter(Quantities changed, bool loaded) {
    Quantities stale = 0, front = changed;
    while (front) {
        Quantities next = 0;
        for (unsigned i = 0; i < static_cast<unsigned>(Quantity::Count); ++i)
            if (front & (Quantities{1} << i)) next |= readersOf(static_cast<Quantity>(i), loaded);
        front = next & ~stale;
        stale |= next;
    }
    return stale & ~changed;
}

const kavrin::Quantity* inputRange(Quantity field) {
    namespace r = ranges::rated;
    switch (field) {
    case Quantity::D1w: return &r::kD1w;
    case Quantity::Dm2: return &r::kDm2;
    case Quantity::GammaW: return &r::kGammaW;
    case Quantity::AlphaN: return &r::kAlphaN;
    case Quantity::AlphaX: return &r::kAlphaX;
    case Quantity::U: return &r::kU;
    case Quantity::Aw: return &r::kAw;
    case Quantity::M: return &r::kM;
    case Quantity::Power: return &r::kPower;
    case Quantity::N1: return &r::kN1;
    case Quantity::Span: return &ranges::kSpan;
    default: return nullptr;
    }
}

std::optional<std::string> inputRefusal(Quantity field, double v) {
    const kavrin::Quantity* q = inputRange(field);
    if (!q || !(v > 0) || q->admits(v)) return std::nullopt;
    return std::string(q->name) + ranges::rangeRule(*q) + "！";
}

Enabling enabling(unsigned in, unsigned r) {
    Enabling e;
    auto all = [](unsigned mask, unsigned bits) { return (mask & bits) == bits; };
    e.speed = all(in, kInputsComplete);
    e.efficiency = e.speed && all(in, kStageSpeed);
    e.forces = e.efficiency && all(in, kStageEfficiency);
    e.factors = e.forces && all(in, kStageForces);
    if (!e.factors) return e;
    e.stresses = all(r, 31);
    e.contactSafety = all(r, 127);
    e.bendingSafety = all(r, 255 | kRU);   // the bending step needs U too
    e.stiffnessSafety = all(r, kRatingComplete);
    if (e.stiffnessSafety) e.hint = kHintStiffness;
    else if (e.bendingSafety) e.hint = kHintBendingSafety;
    else if (e.contactSafety) e.hint = kHintContactSafety;
    else if (e.stresses) e.hint = kHintStresses;
    return e;
}

std::string ratingReport(const RatingValues& r) {
    auto line = [](const std::string& label, const std::string& symbol, const std::string& value) {
        return geometry::reportLine(label, symbol, value, 27, 66);
    };
    auto f2 = [](double v, const char* unit = "") { return fw::format("%.2f", v) + unit; };
    auto a3 = [](double v) { return fw::format("%.3f°", v); };
    std::string s = fw::format("\n\t***********************%s传动强度校核报告***********************\n",
                               wormTypeName(r.type));
    s += fw::format("\n\t标题：%s\t编号: %s\n", r.title.c_str(), r.number.c_str());
    s += fw::format("\t执行程序：Kavrin Ver4.00\t日期：%s\n\n", r.date.c_str());
    s += "\t项目                       符号或计算公式                          结果\n\t";
    for (int i = 0; i < 41; ++i) s += "—";
    s += "\n";
    s += "\t1.基本参数：\n";
    s += line("蜗杆节圆直径:", "d'1=", f2(r.d1w, "mm"));
    s += line("蜗轮中圆直径:", "dm2=", f2(r.dm2, "mm"));
    s += line("蜗杆节圆柱导程角:", "γ'=", a3(r.gammaW));
    s += line("法向压力角:", "αn=", a3(r.alphaN));
    s += line("轴向压力角:", "αx=", a3(r.alphaX));
    s += line("啮合中心距:", "a'=", f2(r.aw, "mm"));
    s += line("传动比:", "u=", f2(r.u));
    s += line("模数:", "m=", f2(r.m, "mm"));
    s += "\t2.力学参数：\n";
    s += line("传递功率:", "P=", f2(r.power, "kW"));
    s += line("蜗杆转速:", "n1=", f2(r.n1, "r/min"));
    s += line("蜗杆上扭矩:", "T1=", f2(r.t1, "N.m"));
    s += line("圆周力:", "Ft1=", f2(r.f.ft1, "N"));
    s += line("圆周力:", "Ft2=", f2(r.f.ft2, "N"));
    s += line("轴向力:", "Fx1=", f2(r.f.fx1, "N"));
    s += line("轴向力:", "Fx2=", f2(r.f.fx2, "N"));
    s += line("径向力:", "Fr1=", f2(r.f.fr1, "N"));
    s += line("径向力:", "Fr2=", f2(r.f.fr2, "N"));
    s += line("节圆滑动线速度:", "v=", f2(r.v, "m/s"));
    s += line("当量摩擦角:", "ρ=", f2(r.rho, "°"));
    s += line("传动效率:", "η=", f2(r.eta));
    s += "\t3.蜗轮齿面接触强度校核：\n";
    s += line("材料弹性系数:", "Ze=", f2(r.ze, "MPa"));
    s += line("寿命系数:", "Zh=", f2(r.zh));
    s += line("速度系数:", "Zn=", f2(r.zn));
    s += line("接触疲劳极限:", "σhlim=", f2(r.sigmaHlim, "MPa"));
    s += line("接触系数:", "Zρ=", f2(r.zrho));
    s += line("使用系数:", "Ka=", f2(r.ka));
    s += line("计算接触应力:", "σh=", f2(r.sigmaH, "MPa"));
    s += line("许用接触应力:", "σ'h=", f2(r.sigmaHp, "MPa"));
    s += line("接触安全系数:", "Sh=", f2(r.sh));
    s += "\t4.蜗轮齿根弯曲强度校核：\n";
    s += line("极限U系数:", "U=", f2(r.ulim, "MPa"));
    s += line("弯曲安全系数:", "Sw=", f2(r.sw));
    s += "\t5.蜗杆刚度校验：\n";
    s += line("跨距:", "L=", f2(r.span, "mm"));
    s += line("材料弹性模量:", "E=", f2(r.e, "MPa"));
    s += line("危险截面惯性矩:", "I=", f2(r.inertia, "mm^4"));
    s += line("极限挠度:", "δlim=", fw::format("%.3fmm", r.deltaLim));
    s += line("刚性安全系数:", "S'=", f2(r.sPrime));
    return s;
}

}  // namespace worm::rating
