#include "worm/calc/arc_geometry.h"

#include <cmath>

#include "fw/format.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/cw_report_parts.h"
#include "worm/calc/worm_geometry.h"
#include "worm/calc/worm_preliminary.h"

namespace worm::arc {

using geometry::contactRatio;
using geometry::toDegrees;
using geometry::toRadians;
using geometry::within;

namespace {

// The values both arc pairs take from the preliminary record.
CwGeomRecord fromPreliminary(const CwPreRecord& pre, std::int32_t status) {
    CwGeomRecord g;
    g.type = WormType::ZC;
    g.status = status;
    g.z1 = pre.z1;
    g.z2 = pre.z2;
    g.q = pre.q;
    g.d1 = pre.d1;
    g.d2 = pre.d2;
    g.a = g.aw = pre.a;
    g.gamma = g.gammaW = pre.gamma;
    g.mx = g.ms = pre.m;
    g.title = pre.title;
    g.number = pre.number;
    g.date = pre.date;
    g.x2 = 0;
    g.hand = 0;
    const double c = std::cos(toRadians(g.gamma));
    g.mn1 = g.mn2 = g.mx * c;
    g.px1 = kPi * g.mx;
    g.pz1 = g.z1 * g.px1;
    g.sx = kSx * g.mx;
    g.sn = g.sx * c;
    return g;
}

fw::Unexpected<Refusal> notZc() { return fw::unexpected(Refusal{kMsgNotZc, Icon::Stop}); }
fw::Unexpected<Refusal> faceWidth() { return fw::unexpected(Refusal{geometry::kMsgFaceWidth, Icon::Warning}); }

double sinN(const CwGeomRecord& g) { return std::sin(toRadians(g.alphaN)); }

// ρn of the load: 0.72·ha1·(1/sin αn)^2.2
double loadNormalRadius(const CwGeomRecord& g) { return 0.72 * g.ha1 * std::pow(1 / sinN(g), 2.2); }

// The disc's arc radius ρ is taken with the grinding centre distance Au, as
// its range and the calculation's ρn take it: so ρ lies inside the range the
// note shows, and the calculation gives back the ρn of the load.
void zc1AngleValues(Zc1& z) {
    CwGeomRecord& g = z.g;
    g.alphaX = toDegrees(std::atan(std::tan(toRadians(g.alphaN)) / std::cos(toRadians(g.gamma))));
    g.rho = loadNormalRadius(g);
    g.rhoDisc = 1 / (1 / g.rho + curvatureTerm(g, g.au));
    g.epsA = contactRatio(g.da2, g.d2, g.alphaX, g.x2, g.ms);
}

fw::Unexpected<Refusal> badStart(const RecordFault& f) {
    return fw::unexpected(Refusal{resultRefusal(f), Icon::Warning});
}

}  // namespace

double grindingCentre(int ds, double d1, double ha1) { return std::round((ds + d1) / 2 - ha1); }

double curvatureTerm(const CwGeomRecord& g, double centre) {
    const double gr = toRadians(g.gamma), s = sinN(g);
    return 2 * std::pow(std::sin(gr), 2) / (g.d1 * s) + std::pow(std::tan(gr), 2) / ((centre - g.d1 / 2) * s);
}

fw::Expected<Zc1, Refusal> zc1Start(const CwPreRecord& pre, double alphaN) {
    if (pre.type != WormType::ZC) return notZc();
    Zc1 z;
    z.g = fromPreliminary(pre, kGeomStatusZc1);
    CwGeomRecord& g = z.g;
    const double m = g.mx;
    g.alphaN = alphaN;
    z.haStar = g.z1 > 3 ? 0.9 : 1;
    g.ha1 = g.ha2 = z.haStar * m;
    g.hf1 = g.hf2 = (z.haStar + kZc1Clearance) * m;
    g.h1 = g.ha1 + g.hf1;
    g.h2 = g.ha2 + g.hf2;
    g.da1 = g.d1 + 2 * g.ha1;
    g.da2 = g.d2 + 2 * g.ha2;
    g.de2 = std::ceil(g.da2 + 0.8 * m);
    g.df1 = g.d1 - 2 * g.hf1;
    g.df2 = g.d2 - 2 * g.hf2;
    g.ds = kDiscMin;
    g.au = grindingCentre(g.ds, g.d1, g.ha1);
    g.dm2 = 2 * g.aw - g.d1;
    g.d1w = 2 * g.aw - g.z2 * m;
    g.rg = g.a - g.da2 / 2;
    g.b1 = std::ceil(2.5 * m * std::sqrt(g.z2 + 1.0));
    g.b2 = std::ceil(2 * m * (std::sqrt(g.q + 1) + 0.5));
    if (g.b2 > g.da1) return faceWidth();
    g.theta = toDegrees(2 * std::asin(g.b2 / g.da1));
    zc1AngleValues(z);
    z.sigmaU = g.gamma;
    if (auto f = checkGeomRecord(g, false)) return badStart(*f);
    return z;
}

fw::Expected<void, std::string> zc1SetAlphaN(Zc1& result, double alphaN, bool calculated) {
    Zc1 z = result;
    z.g.alphaN = alphaN;
    zc1AngleValues(z);
    if (auto f = checkGeomRecord(z.g, calculated)) return fw::unexpected(resultRefusal(*f));
    result = z;
    return {};
}

Bounds discRadiusRange(const Zc1& z) {
    const CwGeomRecord& g = z.g;
    const double k = curvatureTerm(g, g.au), p = std::pow(sinN(g), 2.2);
    return {1 / (1 / (0.62 * g.ha1 / p) + k), 1 / (1 / (0.82 * g.ha1 / p) + k)};
}

double normalRadius(const Zc1& z) { return 1 / (1 / z.g.rhoDisc - curvatureTerm(z.g, z.g.au)); }

bool zc1CentreAccepted(const CwGeomRecord& g, double aw) {
    return within(geometry::shiftAt(aw, g.mx, g.z2, g.q), 0, 1);
}

void zc1ArcCentre(Zc1& z) {
    CwGeomRecord& g = z.g;
    const double an = toRadians(g.alphaN);
    const double e = g.px1 * std::cos(toRadians(g.gamma)) - g.sn;
    g.arcAxial = g.rhoDisc * std::cos(an) - e;
    g.arcRadial = g.rhoDisc * std::sin(an) + g.d1 / 2;
    g.l3 = g.au - g.arcRadial;
}

bool zc1CentreInRange(const CwGeomRecord& g) { return within(g.aw - g.a, 0, g.mx); }

fw::Expected<void, std::string> zc1Calculate(Zc1& result) {
    Zc1 z = result;
    CwGeomRecord& g = z.g;
    const double d = g.aw - g.a;
    if (!zc1CentreInRange(g)) return fw::unexpected(fw::format("中心距调整的合适范围: 0～%.1f mm\n请再作调整！", g.mx));
    g.x2 = d / g.mx;
    g.d1w = (2 * g.x2 + g.q) * g.mx;
    g.gammaW = toDegrees(std::atan(g.z1 / (2 * g.x2 + g.q)));
    z.haStar = g.z1 > 3 ? 0.9 : 1;
    g.ha2 = (z.haStar + g.x2) * g.ms;
    g.hf2 = (z.haStar + kZc1Clearance - g.x2) * g.ms;
    g.h2 = g.ha2 + g.hf2;
    g.da2 = 2 * g.ha2 + g.d2;
    g.df2 = g.d2 - 2 * g.hf2;
    g.dm2 = 2 * g.aw - g.d1;
    g.de2 = g.da2 + g.ms;
    g.rg = g.aw - g.da2 / 2;
    g.alphaX = toDegrees(std::atan(std::tan(toRadians(g.alphaN)) / std::cos(toRadians(g.gamma))));
    g.epsA = contactRatio(g.da2, g.d2, g.alphaX, g.x2, g.ms);
    g.rho = normalRadius(z);
    g.dh = g.df1 + 0.32 * g.mx;
    g.sx = kSx * g.mx;
    g.sn = g.sx * std::cos(toRadians(g.gamma));
    zc1ArcCentre(z);
    z.sigmaU = g.gamma;
    if (auto f = checkGeomRecord(g)) return fw::unexpected(resultRefusal(*f));
    result = z;
    return {};
}

std::string zc1RadiusRangeText(const Bounds& b) {
    return fw::format("磨轮轴面圆弧半径取值范围为：%.2f～%.2fmm。", b.lower, b.upper);
}

std::string zc1NoteLoaded(const Zc1& z) {
    const Bounds b = discRadiusRange(z);
    return fw::format("调整中心距: 最多增加不超过%.2fmm。\n", z.g.mx) +
           fw::format(" ρ值要在%.0f～%.0f范围内取整数。\n", b.lower, b.upper);
}

std::string zc1NoteCentre(const CwGeomRecord& g) {
    return fw::format("中心距调整范围：%.0f～%.0fmm。", g.a, g.a + 0.5 * g.mx);
}

std::string zc1Report(const Zc1& z) {
    const CwGeomRecord& g = z.g;
    auto line = [](const std::string& label, const std::string& symbol, const std::string& value) {
        return "\t" + label + "\t\t" + symbol + "\t\t" + value + "\n";
    };
    using report::bare, report::deg, report::mm, report::whole;
    std::string s = report::head(g, "\n\t********************* ZC1圆环面包络圆弧圆柱蜗杆传动几何计算报告**********************\n",
                                 "\t参数项目\t\t符 号 或 计 算 公 式\t\t结  果\n\t", 37);
    s += "\t1.蜗杆形式:\n";
    s += std::string("\t") + kZc1TypeText + "\n";
    s += fw::format("\t旋向:\t\t\t%s\n", geometry::handText(g.hand));
    s += report::basicDesign(g, line);
    s += "\t3.蜗杆几何参数:\n";
    s += line("轴面模数:", "mx=ms(蜗轮端面模数)=", mm(g.mx));
    s += report::wormPitchesAndAngles(g, line);
    s += line("蜗杆直径系数:", "q =", bare(g.q));
    s += line("蜗杆分度圆柱直径:", "d1 =", mm(g.d1));
    s += line("蜗杆节圆直径:", "d'1 =", mm(g.d1w));
    s += line("蜗杆分度圆柱导程角:", "γ =", deg(g.gamma));
    s += line("蜗杆节圆柱导程角:", "γ' =", deg(g.gammaW));
    s += line("蜗杆法面齿廓曲率半径:", "ρn =", mm(g.rho));
    s += report::wormHeights(g, line, kZc1Clearance);
    s += report::wormDiameters(g, line);
    s += report::wheelSection(g, line, g.gamma);
    s += "\t5.蜗杆测量:\n";
    s += line("蜗杆螺牙分度圆法向弦齿厚:", "Sn =", mm(g.sn));
    s += line("蜗杆螺牙分度圆轴向弦齿厚:", "Sx =", mm(g.sx));
    s += "\t6.磨轮轴面与安装参数:\n";
    s += line("磨轮直径:", "ds =", fw::format("%dmm", g.ds));
    s += line("圆弧半径:", "ρ=", mm(g.rhoDisc));
    s += line("圆弧中心轴向座标:", "L1 =", fw::format("%.2f+Δv mm", g.arcAxial));
    s += line("圆弧中心径向座标(对蜗杆):", "L2 =", mm(g.arcRadial));
    s += line("圆弧中心径向座标(对磨轮轴):", "L3 =", mm(g.l3));
    s += line("磨削中心距:", "Au =", fw::format("%dmm", static_cast<int>(g.au)));
    s += line("对刀试棒直径:", "dH =", mm(g.dh));
    s += line("工作轴交角:", "Σu =", deg(z.sigmaU));
    s += "\t7.传动副参数:\n";
    s += line("端面重合度:", "εa =", bare(g.epsA));
    return s;
}

// ---- ZC3 ----

fw::Expected<CwGeomRecord, Refusal> zc3Start(const CwPreRecord& pre) {
    if (pre.type != WormType::ZC) return notZc();
    CwGeomRecord g = fromPreliminary(pre, kGeomStatusZc3);
    const double m = g.mx;
    g.alphaX = kZc3AlphaX;
    g.alphaN = toDegrees(std::atan(std::cos(toRadians(g.gamma)) * std::tan(toRadians(g.alphaX))));
    g.betaM2 = g.gamma;
    g.haStar = 1;
    g.ha1 = g.ha2 = g.haStar * m;
    g.hf1 = g.hf2 = (g.haStar + geometry::kClearance) * m;
    g.h1 = g.ha1 + g.hf1;
    g.h2 = g.ha2 + g.hf2;
    g.da1 = 2 * g.ha1 + g.d1;
    g.da2 = 2 * g.ha2 + g.d2;
    g.de2 = std::ceil(g.da2 + m);
    g.df1 = g.d1 - 2 * g.hf1;
    g.df2 = g.d2 - 2 * g.hf2;
    g.dm2 = 2 * g.aw - g.d1;
    g.d1w = 2 * g.aw - g.z2 * m;
    g.rg = g.aw - g.da2 / 2;
    g.rho = (g.z1 > 2 ? 5.3 : 5.0) * m;
    const double ax = toRadians(g.alphaX);
    g.arcAxial = g.rho * std::cos(ax) + g.sx / 2;
    g.arcRadial = g.rho * std::sin(ax) + g.d1 / 2;
    g.epsA = contactRatio(g.da2, g.d2, g.alphaX, g.x2, g.ms);
    const double k = g.z1 > 2 ? 13.5 : 12.5;
    g.b1 = std::floor((0.1 * g.z2 + k) * m);
    g.b2 = std::floor(2 * m * (std::sqrt(g.q + 1) + 0.5));
    if (g.b2 > g.da1) return faceWidth();
    g.theta = toDegrees(2 * std::asin(g.b2 / g.da1));
    if (auto f = checkGeomRecord(g)) return badStart(*f);
    return g;
}

bool zc3CentreAccepted(const CwGeomRecord& g, double aw) {
    return within(geometry::shiftAt(aw, g.mx, g.z2, g.q), 0.5, 1.5);
}

bool zc3CentreInRange(const CwGeomRecord& g) { return within(g.aw - g.a, 0.5 * g.mx, 1.5 * g.mx); }

fw::Expected<void, std::string> zc3Calculate(CwGeomRecord& result) {
    CwGeomRecord g = result;
    const double d = g.aw - g.a;
    if (!zc3CentreInRange(g))
        return fw::unexpected(
            fw::format("中心距调整的合适范围: %.1f～%.1f mm\n请再作调整！", 0.5 * g.mx, 1.5 * g.mx));
    g.x2 = d / g.mx;
    g.d1w = (2 * g.x2 + g.q) * g.mx;
    g.gammaW = toDegrees(std::atan(g.z1 / (2 * g.x2 + g.q)));
    g.dm2 = g.d2 + 2 * g.x2 * g.ms;
    g.ha2 = (g.haStar + g.x2) * g.ms;
    g.hf2 = (g.haStar + geometry::kClearance - g.x2) * g.ms;
    g.h2 = g.ha2 + g.hf2;
    g.da2 = 2 * g.ha2 + g.d2;
    g.df2 = g.d2 - 2 * g.hf2;
    g.de2 = g.da2 + g.ms;
    g.rg = g.aw - g.da2 / 2;
    g.epsA = contactRatio(g.da2, g.d2, g.alphaX, g.x2, g.ms);
    if (auto f = checkGeomRecord(g)) return fw::unexpected(resultRefusal(*f));
    result = g;
    return {};
}

namespace {

// The face-width allowance by module of the arc worms (mm).
int faceWidthAllowance(double m) { return m <= 6 ? 20 : m <= 9 ? 30 : m <= 14 ? 40 : 50; }

}  // namespace

WidthRange zc1FaceWidthRange(const CwGeomRecord& g) {
    const double lower = 2.5 * g.mx * std::sqrt(g.z2 + 1.0);
    return {lower, lower + faceWidthAllowance(g.mx)};
}

FaceWidth zc3FaceWidth(const CwGeomRecord& g) {
    const bool below = g.x2 < 1 - geometry::kTolerance;
    const double k = g.z1 > 2 ? (below ? 13.5 : 14) : (below ? 12.5 : 13);
    const int bmin = static_cast<int>(g.mx * (0.1 * g.z2 + k));
    return {k, bmin, bmin + faceWidthAllowance(g.mx)};
}

int faceWidthAt(int bmin, int bmax, int pos) { return bmin + static_cast<int>(pos * (bmax - bmin) / 50.0); }

std::string zc3NoteLoaded(double m) {
    return fw::format("调整中心距增加: 最少%.2fmm,最多不超过%.2fmm。", 0.5 * m, 1.5 * m);
}
std::string zc3NoteCentre(double m) {
    return fw::format("中心距至少加大%.2fmm，最大不超过%.2fmm。", 0.5 * m, 1.5 * m);
}

std::string zc3Report(const CwGeomRecord& g) {
    auto line = [](const std::string& label, const std::string& symbol, const std::string& value) {
        return geometry::reportLine(label, symbol, value, 23, 68);
    };
    using report::bare, report::deg, report::mm, report::whole;
    std::string s = report::head(g, "\n\t********************* ZC3轴面圆弧圆柱蜗杆传动几何计算报告***********************\n",
                                 "\t项目                   符号或计算公式                                结果\n\t", 42);
    s += "\t1.蜗杆形式:\n";
    s += std::string("\t") + kZc3TypeText + "\n";
    s += line("旋向:", "", geometry::handText(g.hand));
    s += report::basicDesign(g, line);
    s += "\t3.蜗杆几何参数:\n";
    s += line("轴面模数:", "mx=ms(蜗轮端面模数)=", mm(g.mx));
    s += report::wormPitchesAndAngles(g, line);
    s += line("蜗杆直径系数:", "q =", bare(g.q));
    s += line("蜗杆分度圆（中圆）直径:", "d1 =", mm(g.d1));
    s += line("蜗杆节圆直径:", "d'1 =", mm(g.d1w));
    s += line("蜗杆分度圆柱导程角:", "γ =", deg(g.gamma));
    s += line("蜗杆节圆柱导程角:", "γ' =", deg(g.gammaW));
    s += line("蜗杆轴面齿廓圆弧半径:", "ρ =", mm(g.rho));
    s += line("齿廓圆弧中心轴向座标:", "cx =", mm(g.arcAxial));
    s += line("齿廓圆弧中心轴向座标:", "cy =", mm(g.arcRadial));
    s += report::wormHeights(g, line, geometry::kClearance);
    s += report::wormDiameters(g, line);
    s += report::wheelSection(g, line, g.betaM2);
    s += "\t5.蜗杆测量:\n";
    s += line("蜗杆螺牙分度圆法向弦齿厚:", "Sn =", mm(g.sn));
    s += line("蜗杆螺牙分度圆轴向弦齿厚:", "Sx =", mm(g.sx));
    s += "\t6.传动副参数:\n";
    s += line("端面重合度:", "εa =", bare(g.epsA));
    return s;
}

}  // namespace worm::arc
