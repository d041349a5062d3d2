#include "worm/calc/worm_geometry.h"

#include <cmath>

#include "common/calc/report.h"
#include "fw/format.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/cw_report_parts.h"
#include "worm/calc/worm_preliminary.h"

namespace worm::geometry {

double toRadians(double deg) { return deg * kPi / 180.0; }
double toDegrees(double rad) { return rad * 180.0 / kPi; }
bool within(double v, double lower, double upper) { return v >= lower - kTolerance && v <= upper + kTolerance; }

double contactRatio(double da2, double d2, double alphaXDeg, double x2, double ms) {
    const double ax = toRadians(alphaXDeg);
    const double c = d2 * std::cos(ax);
    return (0.5 * std::sqrt(da2 * da2 - c * c) + (1 - x2) * ms / std::sin(ax) - 0.5 * d2 * std::sin(ax)) /
           (kPi * ms * std::cos(ax));
}

double shiftAt(double aw, double m, std::int32_t z2, double q) { return (2 * aw / m - z2 - q) / 2; }

std::string noteLoaded(double m) {
    return fw::format("调整中心距:最少增加%.2fmm,最多不超过%.2fmm。", -0.5 * m, 0.5 * m);
}
std::string noteCentre(double m) {
    return fw::format("中心距至少加大%.2fmm，最大不超过%.2fmm。", -0.5 * m, 0.5 * m);
}
std::string noteAdvise(double m) { return fw::format("建议中心距调整小于%.2f,最大不要超过%.2f", 0.5 * m, m); }

const char* ordinaryTypeText(WormType t) {
    switch (t) {
    case WormType::ZA: return "阿基米德圆柱蜗杆(ZA)";
    case WormType::ZN: return "法面直廓圆柱蜗杆(ZN)";
    case WormType::ZL: return "渐开线圆柱蜗杆(ZI)";
    case WormType::ZK: return "锥面包络圆柱蜗杆(ZK)";
    case WormType::ZC: break;
    }
    return "";
}

const char* handText(std::int32_t hand) { return hand == 1 ? "左" : "右"; }

fw::Expected<CwGeomRecord, Refusal> ordinaryStart(const CwPreRecord& pre) {
    CwGeomRecord g;
    g.type = pre.type;
    g.status = kGeomStatusOrdinary;
    const double gamma = toRadians(pre.gamma);
    switch (pre.type) {
    case WormType::ZC: return fw::unexpected(Refusal{kMsgZcDesign, Icon::Warning});
    case WormType::ZA:
        g.alphaX = 20;
        g.alphaN = toDegrees(std::atan(std::tan(toRadians(g.alphaX)) * std::cos(gamma)));
        break;
    case WormType::ZN:
    case WormType::ZL:
    case WormType::ZK:
        if (pre.gamma > 45) return fw::unexpected(Refusal{kMsgLeadAngle, Icon::Warning});
        g.alphaN = pre.gamma < 30 ? 20 : 25;
        g.alphaX = toDegrees(std::atan(std::tan(toRadians(g.alphaN)) / std::cos(gamma)));
        break;
    }
    const double m = pre.m;
    g.z1 = pre.z1;
    g.z2 = pre.z2;
    g.q = pre.q;
    g.d1 = pre.d1;
    g.d2 = pre.d2;
    g.a = pre.a;
    g.gamma = pre.gamma;
    g.date = pre.date;
    g.title = pre.title;
    g.number = pre.number;
    g.aw = g.a;
    g.x2 = 0;
    g.hand = 0;
    g.b1 = std::floor(2.5 * m * std::sqrt(g.z2 + 1.0));
    g.b2 = std::floor(2 * m * (std::sqrt(g.q + 1) + 0.5));
    g.betaM2 = g.gamma;
    g.gammaW = g.gamma;
    g.haStar = 1;
    g.ha1 = g.ha2 = g.haStar * m;
    g.hf1 = g.hf2 = (g.haStar + kClearance) * m;
    g.h1 = g.ha1 + g.hf1;
    g.h2 = g.ha2 + g.hf2;
    g.da1 = g.d1 + 2 * g.ha1;
    g.da2 = g.d2 + 2 * g.ha2;
    g.de2 = g.da2 + m;
    g.df1 = g.d1 - 2 * g.hf1;
    g.df2 = g.d2 - 2 * g.hf2;
    g.dm2 = 2 * g.aw - g.d1;
    g.d1w = 2 * g.aw - g.z2 * m;
    g.rho = 0.3 * m;
    g.mn1 = g.mn2 = m * std::cos(gamma);
    g.ms = g.mx = m;
    g.px1 = kPi * m;
    g.pz1 = g.z1 * g.px1;
    g.rg = g.aw - g.da2 / 2;
    if (g.b2 > g.da1) return fw::unexpected(Refusal{kMsgFaceWidth, Icon::Warning});
    g.theta = toDegrees(2 * std::asin(g.b2 / g.da1));
    g.sn = (kPi * m / 2) * std::cos(gamma);
    g.hcn1 = g.haStar * m + (g.sn / 2) * std::tan(0.5 * std::asin(g.sn * std::pow(std::sin(gamma), 2) / g.d1));
    g.epsA = contactRatio(g.da2, g.d2, g.alphaX, g.x2, g.ms);
    if (g.type == WormType::ZL) {
        const double gb = std::acos(std::cos(toRadians(g.alphaN)) * std::cos(gamma));
        g.gammaB = toDegrees(gb);
        g.db = g.d1 * std::tan(gamma) / std::tan(gb);
        g.pbn = kPi * m * std::cos(gb);
    }
    if (auto f = checkGeomRecord(g)) return fw::unexpected(Refusal{resultRefusal(*f), Icon::Warning});
    return g;
}

bool centreAccepted(const CwGeomRecord& g, double aw) {
    return within(shiftAt(aw, g.mx, g.z2, g.q), -0.5, 0.5);
}

CentreStep centreStep(const CwGeomRecord& g) {
    const double d = std::abs(g.a - g.aw);
    if (d > g.mx + kTolerance) return CentreStep::TooFar;
    if (d >= 0.5 * g.mx - kTolerance) return CentreStep::Advise;
    return CentreStep::Fine;
}

fw::Expected<void, std::string> calculateOrdinary(CwGeomRecord& result) {
    CwGeomRecord g = result;
    const double m = g.mx;
    g.x2 = (g.aw - g.a) / m;
    g.d1w = m * (g.q + 2 * g.x2);
    g.gammaW = toDegrees(std::atan(g.z1 / (g.q + 2 * g.x2)));
    g.dm2 = g.d2 + 2 * g.x2 * g.ms;
    g.ha2 = g.ms * (g.haStar + g.x2);
    g.hf2 = g.ms * (g.haStar + kClearance - g.x2);
    g.h2 = g.ha2 + g.hf2;
    g.da2 = g.d2 + 2 * g.ha2;
    g.df2 = g.d2 - 2 * g.hf2;
    g.de2 = g.da2 + g.ms;
    g.rg = g.aw - g.da2 / 2;
    g.epsA = contactRatio(g.da2, g.d2, g.alphaX, g.x2, g.ms);
    if (auto f = checkGeomRecord(g)) return fw::unexpected(resultRefusal(*f));
    result = g;
    return {};
}

std::optional<std::string> editRefusal(const CwGeomRecord& edited, bool calculated) {
    if (auto f = checkGeomRecord(edited, calculated)) return f->text() + "！";
    return std::nullopt;
}

Bounds outsideDiameterBounds(const CwGeomRecord& g) {
    const double half = toRadians(g.theta) / 2;
    return {2 * (g.aw - (g.b2 / 2) / std::tan(half)), 2 * (g.aw - g.rg * std::sin(half))};
}

std::string reportLine(const std::string& label, const std::string& symbol, const std::string& value,
                       std::size_t symbolColumn, std::size_t valueColumn) {
    // The value column is kept when a label runs past the symbol column.
    const std::string head = kavrin::padColumns(label, symbolColumn) + symbol;
    return '\t' + kavrin::padColumns(head, valueColumn) + value + "\n";
}

std::string ordinaryReport(const CwGeomRecord& g) {
    auto line = [](const std::string& label, const std::string& symbol, const std::string& value) {
        return reportLine(label, symbol, value, 27, 66);
    };
    using report::bare, report::deg, report::mm, report::whole;
    std::string s = report::head(g, "\n\t************************* 普通圆柱蜗杆传动几何计算报告**************************\n",
                                 "\t项目                       符号或计算公式                          结果\n\t", 42);
    s += line("1.蜗杆形式:", "", ordinaryTypeText(g.type));
    s += line("旋向:", "", handText(g.hand));
    s += report::basicDesign(g, line);
    s += "\t3.蜗杆几何参数:\n";
    s += line("蜗杆轴面模数:", "mx=ms(蜗轮端面模数)=", mm(g.mx));
    s += report::wormPitchesAndAngles(g, line);
    if (g.type == WormType::ZL) {
        s += line("基圆柱导程角:", "γb =", deg(g.gammaB));
        s += line("基圆直径:", "db =", mm(g.db));
        s += line("法向基节:", "Pbn =", mm(g.pbn));
    }
    s += line("蜗杆直径系数:", "q =", bare(g.q));
    s += line("蜗杆分度圆（中圆）直径:", "d1 =", mm(g.d1));
    s += line("蜗杆节圆直径:", "d'1 =", mm(g.d1w));
    s += line("蜗杆分度圆柱导程角:", "γ =", deg(g.gamma));
    s += line("蜗杆节圆柱导程角:", "γ' =", deg(g.gammaW));
    s += report::wormHeights(g, line, kClearance);
    s += line("齿根圆角半径:", "ρf =", mm(g.rho));
    s += report::wormDiameters(g, line);
    s += report::wheelSection(g, line, g.betaM2);
    s += "\t5.蜗杆测量:\n";
    s += line("蜗杆螺牙分度圆法向弦齿厚:", "Sn =", mm(g.sn));
    s += line("蜗杆螺牙法向测齿高:", "hcn1 =", mm(g.hcn1));
    s += "\t6.传动副参数:\n";
    s += line("端面重合度:", "εa =", bare(g.epsA));
    return s;
}

}  // namespace worm::geometry
