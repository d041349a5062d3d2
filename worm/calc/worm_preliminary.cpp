#include "worm/calc/worm_preliminary.h"

#include <algorithm>
#include <cmath>

#include "common/calc/report.h"
#include "fw/format.h"
#include "worm/calc/cw_record_check.h"

namespace worm {

unsigned completionMask(const PreliminaryInput& in) {
    unsigned m = 0;
    if (in.n1 > 0) m |= kBitN1;
    if (in.n2 > 0) m |= kBitN2;
    if (in.p > 0) m |= kBitP;
    if (in.t > 0) m |= kBitT;
    if (in.sigmaHlim > 0) m |= kBitSigmaH;
    if (in.sigmaFlim > 0) m |= kBitSigmaF;
    if (in.ze > 0) m |= kBitZe;
    if (in.ka > 0) m |= kBitKa;
    if (in.zrho > 0) m |= kBitZrho;
    return m;
}

StartsChoice startsFromRatio(double u, std::int32_t current) {
    if (u > 40) return {1, false};
    if (u >= 28 && u <= 40) return {1, true};
    // The two bands 14 to 24 and 25 to 27 (read as "or": both cannot hold).
    if ((u >= 14 && u <= 24) || (u >= 25 && u <= 27)) return {2, true};
    if (u >= 9 && u <= 13) return {3, true};
    if (u >= 7 && u <= 8) return {4, false};
    if (u >= 5 && u <= 6) return {6, false};
    return {current, false};
}

std::string startsQuestion(std::int32_t z1) {
    return fw::format("根据传动比要求现选定蜗杆头数Z1=%d, \n如果设计允许机构尺寸偏大，可指定Z1=%d,\n你想改为%d吗？", z1,
                      z1 + 1, z1 + 1);
}

Teeth teethFromRatio(std::int32_t z1, double u) {
    auto z2 = static_cast<std::int32_t>(std::floor(z1 * u + 0.5));
    return {z2, double(z2) / z1};
}

double diameterRatioFromRatio(double u) { return 0.5 - (u - 5) * 0.2 / 65; }
double torqueFromPower(double p, double n2) { return kTorqueFactor * p / n2; }
double powerFromTorque(double t, double n2) { return t * n2 / kTorqueFactor; }

double leadAngle(std::int32_t z1, double q) { return std::atan(z1 / q) * 180.0 / kPi; }

LeadBand leadBand(double g) {
    if (g > 30) return LeadBand::Large;
    if (g <= 3.5) return LeadBand::SelfLocking;
    if (g < 15) return LeadBand::Small;
    return LeadBand::Normal;
}

namespace {

// Every result finite and in its range: what the record check takes (m and
// d1 are m' and d1' until chosen from their series, so m' and d1' ranges).
bool inRange(const PreliminaryResult& r) {
    namespace q = ranges;
    const std::pair<const kavrin::Quantity&, double> values[] = {
        {q::kMCalc, r.mCalc}, {q::kMCalc, r.m}, {q::kQ, r.q}, {q::kD1Calc, r.d1Calc}, {q::kD1Calc, r.d1},
        {q::kA, r.a},         {q::kD2, r.d2},   {q::kGamma, r.gamma}};
    for (auto [qty, v] : values)
        if (!kavrin::printable(v) || !qty.admits(v)) return false;
    return true;
}

}  // namespace

std::optional<CentreDistance> centreDistance(const PreliminaryInput& in) {
    const double x = std::pow(1.15 * in.zrho * in.ze / in.sigmaHlim, 2);
    const double y = std::pow(1 + in.n2 / 8, 0.25);
    CentreDistance c;
    PreliminaryResult& r = c.result;
    r.a = 10 * std::pow(in.t * in.ka * x * y, 1.0 / 3);
    r.d1Calc = 0.68 * std::pow(r.a, 0.875);
    c.d1a = r.d1Calc / r.a;
    r.d2 = 2 * r.a - r.d1Calc;
    r.mCalc = r.d2 / in.z2;
    r.q = r.d1Calc / r.mCalc;
    r.gamma = leadAngle(in.z1, r.q);
    r.m = r.mCalc;
    r.d1 = r.d1Calc;
    if (!inRange(r) || !ranges::kD1a.admits(c.d1a)) return std::nullopt;
    return c;
}

std::optional<std::string> unusableInput(const PreliminaryInput& in) {
    namespace q = ranges;
    const std::pair<const kavrin::Quantity&, double> values[] = {{q::kN1, in.n1}, {q::kN2, in.n2}, {q::kU, in.u},
                                                                {q::kP, in.p},   {q::kT, in.t},   {q::kD1a, in.d1a}};
    for (auto [qty, v] : values)
        if (!usableNumber(v) || (v != 0 && !qty.admits(v))) return std::string(qty.name);
    return std::nullopt;
}

std::optional<MoreStarts> withOneMoreStart(const PreliminaryInput& in, double m) {
    if (in.z1 >= kMaxStarts) return std::nullopt;
    MoreStarts s;
    s.z1 = in.z1 + 1;
    Teeth t = teethFromRatio(s.z1, in.u);
    s.z2 = t.z2;
    s.u = t.u;
    PreliminaryResult& r = s.result;
    r.a = s.z2 * m * 0.5 / (1 - 0.5 * in.d1a);
    r.d1Calc = in.d1a * r.a;
    r.d2 = s.z2 * m;
    r.q = r.d1Calc / m;
    r.gamma = leadAngle(s.z1, r.q);
    r.mCalc = r.m = m;
    r.d1 = r.d1Calc;
    if (!inRange(r) || !ranges::kZ2.admits(s.z2)) return std::nullopt;
    return s;
}

namespace {

// The first index i with s[i] ≤ v ≤ s[i+1], clamped so that `count` entries
// from it stay inside the series; below the series 0, above it the last.
template <std::size_t N>
std::size_t bracket(const std::array<double, N>& s, double v, std::size_t count) {
    const std::size_t last = N - count;
    if (!(v >= s[0])) return 0;
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (s[i] <= v && v <= s[i + 1]) return std::min(i, last);
    return last;
}

}  // namespace

std::array<double, 5> moduleList(double mCalc) {
    const std::size_t i = bracket(kModuleSeries1, mCalc, 3);
    const std::size_t j = bracket(kModuleSeries2, mCalc, 2);
    return {kModuleSeries1[i], kModuleSeries1[i + 1], kModuleSeries1[i + 2], kModuleSeries2[j],
            kModuleSeries2[j + 1]};
}

std::array<double, 4> diameterList(double d1Calc) {
    const std::size_t i = bracket(kDiameterSeries1, d1Calc, 2);
    const std::size_t j = bracket(kDiameterSeries2, d1Calc, 2);
    return {kDiameterSeries1[i], kDiameterSeries1[i + 1], kDiameterSeries2[j], kDiameterSeries2[j + 1]};
}

std::vector<std::string> moduleItems(double mCalc) {
    std::vector<std::string> out;
    for (double v : moduleList(mCalc)) out.push_back(fw::format("%.2f", v));
    return out;
}

std::vector<std::string> diameterItems(double d1Calc) {
    std::vector<std::string> out;
    for (double v : diameterList(d1Calc)) out.push_back(fw::format("%.1f", v));
    return out;
}

namespace {

template <std::size_t N>
std::string seriesText(const std::array<double, N>& s) {
    std::string out;
    for (double v : s) out += (out.empty() ? "" : ", ") + fw::format("%g", v);
    return out;
}

}  // namespace

std::string moduleSeriesText() {
    return "标准模数 第一系列：" + seriesText(kModuleSeries1) + "；第二系列：" + seriesText(kModuleSeries2);
}

std::string diameterSeriesText() {
    return "蜗杆分度圆直径 第一系列：" + seriesText(kDiameterSeries1) + "；第二系列：" + seriesText(kDiameterSeries2);
}

const char* wormTypeName(WormType t) {
    static constexpr const char* kNames[kWormTypeCount] = {"阿基米德圆柱蜗杆", "法面直廓圆柱蜗杆", "渐开线圆柱蜗杆",
                                                           "锥面包络圆柱蜗杆", "圆弧圆柱蜗杆"};
    const int c = code(t);
    return validWormType(c) ? kNames[c] : "";
}

CwPreRecord preliminaryRecord(const PreliminaryInput& in, const PreliminaryResult& out, const std::string& title,
                              const std::string& number, const std::string& date) {
    CwPreRecord r;
    r.status = kPreStatus;
    r.type = in.type;
    r.n1 = in.n1;
    r.n2 = in.n2;
    r.u = in.u;
    r.p = in.p;
    r.t = in.t;
    r.sigmaHlim = in.sigmaHlim;
    r.ze = in.ze;
    r.sigmaFlim = in.sigmaFlim;
    r.d1a = in.d1a;
    r.ka = in.ka;
    r.zrho = in.zrho;
    r.z1 = in.z1;
    r.z2 = in.z2;
    r.m = out.m;
    r.mCalc = out.mCalc;
    r.q = out.q;
    r.d1Calc = out.d1Calc;
    r.d1 = out.d1;
    r.a = out.a;
    r.d2 = out.d2;
    r.gamma = out.gamma;
    r.title = title;
    r.number = number;
    r.date = date;
    return r;
}

std::string preliminaryReport(const CwPreRecord& r) {
    using kavrin::reportItem;
    auto num = [](double v, const char* unit) { return fw::format("%.2f", v) + unit; };
    auto whole = [](std::int32_t v) { return fw::format("%d", v); };
    std::string s = fw::format("\n\t***************************%s传动预定计算报告****************************\n",
                               wormTypeName(r.type));
    s += fw::format("\n\t标题：%s\t编号: %s\n", r.title.c_str(), r.number.c_str());
    s += fw::format("\t执行程序：Kavrin Ver4.00\t日期：%s\n\n", r.date.c_str());
    s += "\t项目                   符号或计算公式                                结果\n\t";
    for (int i = 0; i < 42; ++i) s += "—";
    s += "\n";
    s += "\t1.传动参数：\n";
    s += reportItem("输入转速:", "n1 =", num(r.n1, "r/min"));
    s += reportItem("输出转速:", "n2 =", num(r.n2, "r/min"));
    s += reportItem("传动比:", "u =", num(r.u, ""));
    s += reportItem("传递功率:", "P =", num(r.p, "kW"));
    s += reportItem("输出扭矩:", "T =", num(r.t, "N.m"));
    s += "\t2.蜗轮材料指标和计算系数：\n";
    s += reportItem("接触疲劳极限:", "σH =", num(r.sigmaHlim, "MPa"));
    s += reportItem("弯曲疲劳极限:", "σw =", num(r.sigmaFlim, "MPa"));
    s += reportItem("弹性系数:", "Ze =", num(r.ze, "MPa"));
    s += reportItem("使用系数:", "Ka =", num(r.ka, ""));
    s += reportItem("接触系数:", "Zρ =", num(r.zrho, ""));
    s += reportItem("直径系数比:", "d1/a =", num(r.d1a, ""));
    s += "\t3.预定参数：\n";
    s += reportItem("蜗杆形式:", "", wormTypeName(r.type));
    s += reportItem("蜗杆头数:", "Z1 =", whole(r.z1));
    s += reportItem("蜗轮齿数:", "Z2 =", whole(r.z2));
    s += reportItem("计算模数:", "m' =", num(r.mCalc, "mm"));
    s += reportItem("标准模数:", "m =", num(r.m, "mm"));
    s += reportItem("蜗杆直径系数:", "q =", num(r.q, ""));
    s += reportItem("计算分度圆直径:", "d1' =", num(r.d1Calc, "mm"));
    s += reportItem("标准分度圆直径:", "d1 =", num(r.d1, "mm"));
    s += reportItem("中心距:", "a =", num(r.a, "mm"));
    s += reportItem("蜗轮分度圆直径:", "d2 =", num(r.d2, "mm"));
    s += reportItem("导程角:", "γ =", num(r.gamma, "°"));
    return s;
}

}  // namespace worm
