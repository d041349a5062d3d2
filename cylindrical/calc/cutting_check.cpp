#include "cylindrical/calc/cutting_check.h"

#include <cmath>

#include "common/calc/involute.h"
#include "fw/format.h"

namespace cylindrical {

namespace {

constexpr double kPi = 3.141592653589793;

double inv(double alpha) { return *kavrin::invFunc(alpha, kavrin::kUnitRadian); }

// The three operations whose undefined result lets a test pass.
std::optional<double> acosDefined(double x) {
    if (!(x >= -1 && x <= 1)) return std::nullopt;
    return std::acos(x);
}
std::optional<double> asinDefined(double x) {
    if (!(x >= -1 && x <= 1)) return std::nullopt;
    return std::asin(x);
}
std::optional<double> sqrtDefined(double x) {
    if (!(x >= 0)) return std::nullopt;
    return std::sqrt(x);
}

// value ≤ limit (or value ≥ limit); a quantity that is not a finite number
// leaves the test undefined.
Outcome compare(std::optional<double> value, std::optional<double> limit, bool atMost) {
    if (!value || !limit || !std::isfinite(*value) || !std::isfinite(*limit)) return {};
    bool pass = atMost ? *value <= *limit : *value >= *limit;
    return {.verdict = pass ? Verdict::Pass : Verdict::Fail, .value = *value, .limit = *limit};
}
Outcome atMost(std::optional<double> value, std::optional<double> limit) {
    return compare(value, limit, true);
}
Outcome atLeast(std::optional<double> value, std::optional<double> limit) {
    return compare(value, limit, false);
}

// (zInternal − z)·tan αw + z·tan αa, the two sides of test 5.
double internalFilletSide(const InternalMesh& m) {
    return (m.zInternal - m.z) * std::tan(m.alphaW) + m.z * std::tan(m.alphaA);
}

std::optional<double> searchWorkingAngle(double involute, double invStep) {
    auto alpha = kavrin::arcInvStep(involute, invStep);
    if (!alpha || !(*alpha > 0) || !(*alpha < kavrin::kHalfPi)) return std::nullopt;
    return alpha;
}

}  // namespace

Outcome undercutHobbed(const HobUndercut& in) {
    double s = std::sin(in.alpha);
    double xmin = in.haStar - in.z * s * s / (2 * std::cos(in.beta));
    return atMost(xmin, in.xn);
}

Outcome undercutShaped(const ShaperUndercut& in) {
    double c = std::cos(in.alphaT);
    double z = in.z, z0 = in.z0;
    auto root = sqrtDefined((z0 + 2 * in.ha0) * (z0 + 2 * in.ha0) + (z * z + 2 * z * z0) * c * c);
    if (!root) return {};
    return atMost(0.5 * (*root - z0 - z), in.xn);
}

Outcome tipThickness(const TipThickness& in) {
    double z = in.z;
    double sa = in.da * (kPi / (2 * z) + 2 * in.xn * std::tan(in.alphaN) / z + inv(in.alphaT) -
                         inv(in.alphaAt));
    return atLeast(sa, 0.32 * in.mn);
}

Outcome filletExternal(const ExternalFillet& in) {
    double tw = std::tan(in.alphaWt);
    double zi = in.zi;
    double limit = tw - (std::tan(in.alphaAtj) - tw) * in.zj / zi;
    double start = 0;
    if (const auto* hob = std::get_if<HobCut>(&in.cut)) {
        start = std::tan(hob->alphaT) -
                4 * (hob->haStar - hob->xn) * std::cos(hob->beta) / (zi * std::sin(2 * hob->alphaT));
    } else {
        const auto& sh = std::get<ShaperCut>(in.cut);
        double t0 = std::tan(sh.alphaW0);
        start = t0 - (std::tan(sh.alphaA0) - t0) * sh.z0 / zi;
    }
    return atMost(start, limit);
}

Outcome filletInternalGear(const InternalMesh& pair, const InternalMesh& cutter) {
    return atLeast(internalFilletSide(cutter), internalFilletSide(pair));
}

Outcome filletPinionInInternal(const InternalMesh& pair, const Generation& pinionCut) {
    double limit = pair.zInternal * std::tan(pair.alphaAInternal) -
                   (pair.zInternal - pair.z) * std::tan(pair.alphaW);
    double start = 0;
    if (const auto* hob = std::get_if<HobCut>(&pinionCut)) {
        start = pair.z * std::tan(hob->alphaT) -
                4 * (hob->haStar - hob->xn) * std::cos(hob->beta) / std::sin(2 * hob->alphaT);
    } else {
        const auto& sh = std::get<ShaperCut>(pinionCut);
        start = (pair.z + sh.z0) * std::tan(sh.alphaW0) - sh.z0 * std::tan(sh.alphaA0);
    }
    return atMost(start, limit);
}

Outcome involuteInterference(const InternalMesh& m) {
    double value = 1 - std::tan(m.alphaAInternal) / std::tan(m.alphaW);
    return atMost(value, static_cast<double>(m.z) / m.zInternal);
}

Outcome profileOverlap(const InternalMesh& m) {
    double ra = m.ra, ri = m.raInternal, a = m.a;
    auto delta1 = acosDefined((ri * ri - ra * ra - a * a) / (2 * ra * a));
    auto delta2 = acosDefined((a * a + ri * ri - ra * ra) / (2 * ri * a));
    if (!delta1 || !delta2) return {};
    double limit = static_cast<double>(m.z) / m.zInternal * (*delta1 + inv(m.alphaA) - inv(m.alphaW)) +
                   inv(m.alphaW) - inv(m.alphaAInternal);
    return atMost(*delta2, limit);
}

Outcome radialInterference(const InternalMesh& m) {
    double k = std::cos(m.alphaA) / std::cos(m.alphaAInternal);
    double u = static_cast<double>(m.z) / m.zInternal;
    auto root1 = sqrtDefined((1 - k * k) / (1 - u * u));
    auto root2 = sqrtDefined((1 / (k * k) - 1) / (1 / (u * u) - 1));
    if (!root1 || !root2) return {};
    auto arc1 = asinDefined(*root1);
    auto arc2 = asinDefined(*root2);
    if (!arc1 || !arc2) return {};
    double p = *arc1 + inv(m.alphaA) - inv(m.alphaW);
    double q = *arc2 / u + inv(m.alphaAInternal) - inv(m.alphaW);
    return atMost(q, p);
}

std::optional<double> cutterWorkingAngleExternal(const ShapingMesh& m, double invStep) {
    int sum = m.z + m.z0;
    if (sum <= 0) return std::nullopt;
    double involute = 2 * (m.xn + m.x0) * std::tan(m.alphaN) / sum + inv(m.alphaT);
    return searchWorkingAngle(involute, invStep);
}

std::optional<double> cutterWorkingAngleInternal(const ShapingMesh& m, double invStep) {
    int difference = m.z - m.z0;
    if (difference <= 0) return std::nullopt;
    double involute = 2 * (m.xn - m.x0) * std::tan(m.alphaN) / difference + inv(m.alphaT);
    return searchWorkingAngle(involute, invStep);
}

std::optional<double> cutterTipAngle(const Cutter& c, double alphaT) {
    double db0 = c.d0 * std::cos(alphaT);
    if (!(db0 > 0) || !(c.da0 > db0)) return std::nullopt;
    return std::acos(db0 / c.da0);
}

// ------------------------------------------------------------ pair runs --

namespace {

using ShaperResult = fw::Expected<ShaperCut, std::string>;

ShaperResult refuse(const char* message) { return fw::unexpected(std::string(message)); }

// The cutter of a shaped external gear (the pinion of either pair, or the
// gear of an external pair).
ShaperResult shapeExternal(const PairQuantities& p, int z, double xn, const Cutter& c,
                           const char* tipMessage, double invStep) {
    if (!cutterUsable(c)) return refuse(kMsgNoValidCutter);
    auto alphaA0 = cutterTipAngle(c, p.alphaT);
    if (!alphaA0) return refuse(tipMessage);
    auto alphaW0 = cutterWorkingAngleExternal(
        {.z = z, .xn = xn, .z0 = c.z0, .x0 = c.x0, .alphaN = p.alphaN, .alphaT = p.alphaT}, invStep);
    if (!alphaW0) return refuse(kMsgCutterNoWorkingAngle);
    return ShaperCut{.z0 = c.z0, .alphaW0 = *alphaW0, .alphaA0 = *alphaA0};
}

ShaperResult shapeInternal(const PairQuantities& p, const Cutter& c, double invStep) {
    if (!cutterUsable(c)) return refuse(kMsgNoValidCutter);
    if (c.z0 >= p.z2) return refuse(kMsgCutterTeethInternal);
    auto alphaA0 = cutterTipAngle(c, p.alphaT);
    if (!alphaA0) return refuse(kMsgCutter2TipInsideBase);
    auto alphaW0 = cutterWorkingAngleInternal(
        {.z = p.z2, .xn = p.xn2, .z0 = c.z0, .x0 = c.x0, .alphaN = p.alphaN, .alphaT = p.alphaT},
        invStep);
    if (!alphaW0) return refuse(kMsgCutterNoWorkingAngle);
    return ShaperCut{.z0 = c.z0, .alphaW0 = *alphaW0, .alphaA0 = *alphaA0};
}

// The pinion's generation: hobbed, or shaped with cutter 1.
fw::Expected<Generation, std::string> pinionGeneration(const PairQuantities& p, const CutterScheme& s,
                                                       double invStep) {
    if (s.pinionHobbed != 0) return Generation{HobCut{.alphaT = p.alphaT, .haStar = p.haStar, .xn = p.xn1, .beta = p.beta}};
    auto cut = shapeExternal(p, p.z1, p.xn1, s.cutter1, kMsgCutter1TipInsideBase, invStep);
    if (!cut) return fw::unexpected(cut.error());
    return Generation{*cut};
}

// Test 1 or 2 for an external gear cut as `cut`.
Outcome undercut(const PairQuantities& p, int z, double xn, const Generation& cut, const Cutter& c) {
    if (std::holds_alternative<HobCut>(cut))
        return undercutHobbed({.z = z, .alpha = p.alphaT, .haStar = p.haStar, .xn = xn, .beta = p.beta});
    return undercutShaped({.z = z, .alphaT = p.alphaT, .xn = xn, .z0 = c.z0, .ha0 = c.ha0});
}

}  // namespace

Outcome pinionUndercutHobbed(const PairQuantities& p) {
    return undercutHobbed({.z = p.z1, .alpha = p.alphaT, .haStar = p.haStar, .xn = p.xn1, .beta = p.beta});
}

Outcome pinionTipThickness(const PairQuantities& p) {
    return tipThickness({.z = p.z1, .mn = p.mn, .xn = p.xn1, .alphaN = p.alphaN, .alphaT = p.alphaT, .da = p.da1,
                         .alphaAt = p.alphaAt1});
}

fw::Expected<ExternalVerdicts, std::string> checkExternal(const PairQuantities& p,
                                                          const CutterScheme& s, double invStep) {
    auto cut1 = pinionGeneration(p, s, invStep);
    if (!cut1) return fw::unexpected(cut1.error());
    Generation cut2 = HobCut{.alphaT = p.alphaT, .haStar = p.haStar, .xn = p.xn2, .beta = p.beta};
    if (s.gearHobbed == 0) {
        auto shaped = shapeExternal(p, p.z2, p.xn2, s.cutter2, kMsgCutter2TipInsideBase, invStep);
        if (!shaped) return fw::unexpected(shaped.error());
        cut2 = *shaped;
    }
    ExternalVerdicts v;
    v.undercut1 = undercut(p, p.z1, p.xn1, *cut1, s.cutter1);
    v.undercut2 = undercut(p, p.z2, p.xn2, cut2, s.cutter2);
    v.tip = pinionTipThickness(p);
    v.fillet1 = filletExternal(
        {.zi = p.z1, .zj = p.z2, .alphaWt = p.alphaWt, .alphaAtj = p.alphaAt2, .cut = *cut1});
    v.fillet2 = filletExternal(
        {.zi = p.z2, .zj = p.z1, .alphaWt = p.alphaWt, .alphaAtj = p.alphaAt1, .cut = cut2});
    return v;
}

fw::Expected<InternalVerdicts, std::string> checkInternal(const PairQuantities& p,
                                                          const CutterScheme& s, double invStep) {
    auto cut1 = pinionGeneration(p, s, invStep);
    if (!cut1) return fw::unexpected(cut1.error());
    auto cut2 = shapeInternal(p, s.cutter2, invStep);
    if (!cut2) return fw::unexpected(cut2.error());

    const InternalMesh pair{.z = p.z1, .ra = p.da1 / 2, .alphaA = p.alphaAt1, .zInternal = p.z2,
                            .raInternal = p.da2 / 2, .alphaAInternal = p.alphaAt2,
                            .alphaW = p.alphaWt, .a = p.a};
    const double a02 = 0.5 * p.mt * (double(p.z2) - cut2->z0) * std::cos(p.alphaT) / std::cos(cut2->alphaW0);
    const InternalMesh cutter{.z = cut2->z0, .ra = s.cutter2.da0 / 2, .alphaA = cut2->alphaA0,
                              .zInternal = p.z2, .raInternal = p.da2 / 2,
                              .alphaAInternal = p.alphaAt2, .alphaW = cut2->alphaW0, .a = a02};
    InternalVerdicts v;
    v.undercut1 = undercut(p, p.z1, p.xn1, *cut1, s.cutter1);
    v.tip = pinionTipThickness(p);
    v.filletInternal = filletInternalGear(pair, cutter);
    v.filletPinion = filletPinionInInternal(pair, *cut1);
    v.involutePair = involuteInterference(pair);
    v.involuteCutter = involuteInterference(cutter);
    v.overlapPair = profileOverlap(pair);
    v.overlapCutter = profileOverlap(cutter);
    v.radialPair = radialInterference(pair);
    v.radialCutter = radialInterference(cutter);
    return v;
}

// ------------------------------------------------------ designed pair --

fw::Expected<PairQuantities, std::string> designedPairQuantities(const DesignedPair& in) {
    auto refuse = [](const char* m) { return fw::unexpected(std::string(m)); };
    bool anglesValid = in.alphaN > 0 && in.alphaN < kPi / 2 && std::fabs(in.beta) < kPi / 2;
    if (!(in.z1 > 0 && in.z2 >= in.z1 && in.mn > 0 && in.a > 0 && anglesValid))
        return refuse(kMsgEnterBasicsFirst);
    PairQuantities p;
    p.z1 = in.z1;
    p.z2 = in.z2;
    p.mn = in.mn;
    p.mt = in.mn / std::cos(in.beta);
    p.alphaN = in.alphaN;
    p.alphaT = std::atan(std::tan(in.alphaN) / std::cos(in.beta));
    p.beta = in.beta;
    p.haStar = in.haStar;
    p.xn1 = in.xn1;
    p.xn2 = in.xn2;
    p.a = in.a;
    p.internal = in.internal;
    double ad = (in.internal ? double(in.z2) - in.z1 : double(in.z1) + in.z2) * p.mt / 2;
    if (!(ad > 0) || !std::isfinite(p.mt)) return refuse(kMsgEnterBasicsFirst);
    double ratio = ad * std::cos(p.alphaT) / in.a;
    if (!(ratio < 1)) return refuse(kMsgOverCorrected);
    p.alphaWt = std::acos(ratio);

    double yn = (in.a - ad) / in.mn;
    double d1 = in.z1 * p.mt, d2 = in.z2 * p.mt;
    double db1 = d1 * std::cos(p.alphaT), db2 = d2 * std::cos(p.alphaT);
    if (in.internal) {
        p.da1 = d1 + 2 * in.mn * (in.haStar + in.xn2 - yn);
        p.da2 = d2 - 2 * in.mn * (in.haStar - in.xn1 - yn);
    } else {
        p.da1 = d1 + 2 * in.mn * (in.haStar + yn - in.xn2);
        p.da2 = d2 + 2 * in.mn * (in.haStar + yn - in.xn1);
    }
    if (!(p.da1 > db1)) return refuse(kMsgTip1InsideBase);
    if (!(p.da2 > db2)) return refuse(in.internal ? kMsgTipInternalInsideBase : kMsgTip2InsideBase);
    p.alphaAt1 = std::acos(db1 / p.da1);
    p.alphaAt2 = std::acos(db2 / p.da2);
    return p;
}

namespace {

// The check table and the summary, written row by row.
class TextBuilder {
public:
    void row(const char* item, std::string result, std::string solution) {
        m_texts.rows.items.emplace_back(item);
        m_texts.rows.results.push_back(std::move(result));
        m_texts.rows.solutions.push_back(std::move(solution));
    }
    // A row whose pass solution is "Ok!".
    void row(const char* item, const Outcome& o, std::string failResult, std::string failSolution,
             std::string passResult) {
        if (o.passed())
            row(item, std::move(passResult), kSolutionOk);
        else
            row(item, std::move(failResult), std::move(failSolution));
    }
    void say(const std::string& text) { m_texts.summary += text; }
    void say(const Outcome& o, const char* fail, const char* pass) { say(o.passed() ? pass : fail); }
    CheckTexts take() { return std::move(m_texts); }

private:
    CheckTexts m_texts;
};

bool hobbed(std::int32_t flag) { return flag != 0; }

std::string sa1Text(const Outcome& tip) { return fw::format("小齿轮齿顶厚: Sa1 = %.2f mm; ", tip.value); }

void tipRow(TextBuilder& b, const char* item, const Outcome& tip) {
    b.row(item, tip, sa1Text(tip) + "小齿轮齿顶过薄!", "减少变位系数、减少齿高系数", sa1Text(tip));
}

}  // namespace

CheckTexts externalTexts(const ExternalVerdicts& v, const CutterScheme& s) {
    TextBuilder b;
    const bool hob1 = hobbed(s.pinionHobbed), hob2 = hobbed(s.gearHobbed);
    // Rows.
    b.row("1.根切校验:", v.undercut1, hob1 ? "小齿轮滚齿根切" : "小齿轮插齿根切",
          hob1 ? fw::format("加大χn1至%.2f、增加齿数", v.undercut1.value)
               : fw::format("χn1≥%.2f避免根切;", v.undercut1.value),
          "小齿轮无根切!");
    b.row("", v.undercut2, hob2 ? "大齿轮滚齿根切" : "大齿轮插齿根切",
          fw::format("加大χn2至%.2f、增加齿数", v.undercut2.value), "大齿轮无根切!");
    tipRow(b, "2.齿顶厚校验:", v.tip);
    b.row("3.过度曲线干涉校验:", v.fillet1, "小齿轮齿根过渡线与大齿轮齿顶干涉!",
          hob1 ? "减少小齿轮变位系数绝对值" : "减少小齿轮变位系数绝对值、建议采用滚齿加工",
          hob1 ? "小齿轮齿根过渡线无干涉!" : "小齿轮齿根过渡线与大齿轮齿顶无干涉!");
    b.row("", v.fillet2, "大齿轮齿根过渡线与小齿轮齿顶干涉!",
          hob2 ? "减少大齿轮变位系数绝对值" : "减少大齿轮变位系数绝对值、建议采用滚齿加工",
          "大齿轮齿根过渡线与小齿轮齿顶无干涉!");
    // Summary.
    if (v.undercut1.passed())
        b.say("小齿轮无根切！ ");
    else
        b.say(std::string(hob1 ? "小齿轮滚齿根切！" : "小齿轮插齿根切!") +
              fw::format("χn1≥%.2f避免根切;", v.undercut1.value));
    if (v.undercut2.passed())
        b.say("大齿轮无根切！ ");
    else
        b.say(std::string(hob2 ? "大齿轮滚齿根切！ " : "大齿轮插齿根切！ ") +
              fw::format("χn2≥%.2f避免根切;", v.undercut2.value));
    b.say(sa1Text(v.tip));
    if (!v.tip.passed()) b.say("  ——小齿轮齿顶过薄! ");
    b.say(v.fillet1, "小齿轮齿根过渡线与大齿轮齿顶干涉！ ", "小齿轮齿根过渡线无干涉！ ");
    b.say(v.fillet2, hob2 ? "大齿轮齿根过渡线与小齿轮齿顶干涉！ " : "大齿轮齿根过渡线与小齿轮齿顶干涉！ !",
          "大齿轮齿根过渡线无干涉！ ");
    return b.take();
}

CheckTexts internalTexts(const InternalVerdicts& v, const CutterScheme& s) {
    TextBuilder b;
    const bool hob1 = hobbed(s.pinionHobbed);
    // Rows.
    b.row("1.根切校验:", v.undercut1, hob1 ? "小齿轮滚齿根切" : "小齿轮插齿根切",
          hob1 ? fw::format("加大χn1至%.2f、增加齿数", v.undercut1.value) : "增加变位系数、增加齿数",
          "小齿轮无根切!");
    tipRow(b, "2.齿顶厚校验:", v.tip);
    b.row("3.过度曲线干涉校验:", v.filletInternal, "内齿轮齿根过渡线与小齿轮齿顶干涉",
          "增大内齿轮变位系数、减少齿顶高、内齿轮插齿传动比与中心距接近齿轮对",
          "内齿轮齿根过渡线与小齿轮齿顶无干涉");
    b.row("", v.filletPinion, "小齿轮齿根过渡线与内齿轮齿顶干涉", "减少小齿轮变位系数绝对值、减少齿顶高",
          "小齿轮齿根过渡线与内齿轮齿顶无干涉");
    b.row("4.渐开线干涉校验:", v.involutePair, "内外齿轮啮合发生渐开线干涉",
          "增大齿形角、增大变位系数,减小传动比", "无渐开线干涉");
    if (v.involuteCutter.passed())  // this row's pass solution is spelt "OK!"
        b.row("", "内齿轮插齿时无渐开线干涉", "OK!");
    else
        b.row("", "内齿轮插齿时渐开线干涉，发生范成顶切", "增大齿形角、增大变位系数,增加刀具齿数");
    b.row("5.齿廓重迭干涉校验:", v.overlapPair, "内齿轮与小齿轮发生重迭干涉",
          "减少齿顶高、增大传动比、加大内齿轮变位系数、减少小齿轮变位系数", "内齿轮与小齿轮无重迭干涉");
    b.row("", v.overlapCutter, "内齿轮与插齿刀发生重迭干涉", "减少齿顶高、增大插齿传动比、加大内齿轮变位系数",
          "内齿轮无插齿重迭干涉");
    b.row("6.径向干涉校验:", v.radialPair, "内齿轮和小齿轮径向干涉",
          "减少齿顶高、增大传动比、加大内齿轮变位系数、减少小齿轮变位系数", "内齿轮和小齿轮无径向干涉");
    b.row("", v.radialCutter, "内齿轮插齿径向进刀顶切", "减少齿顶高、增大插齿传动比、加大内齿轮变位系数",
          "内齿轮无插齿径向干涉");
    // Summary.
    if (v.undercut1.passed())
        b.say("小齿轮无根切！ ");
    else
        b.say(std::string(hob1 ? "小齿轮滚齿根切！ " : "小齿轮插齿根切！ ") +
              fw::format("χn1≥%.2f避免根切;", v.undercut1.value));
    b.say(sa1Text(v.tip));
    if (!v.tip.passed()) b.say("  ——小齿轮齿顶过薄!");
    b.say(v.filletInternal, "内齿轮齿根过渡线与小齿轮齿顶干涉！ ", "内齿轮齿根过渡线无干涉！ ");
    b.say(v.filletPinion, "小齿轮齿根过渡线与内齿轮齿顶干涉！ ", "小齿轮齿根过渡线无干涉！ ");
    b.say(v.involutePair, "发生渐开线干涉！ ", "无渐开线干涉！ ");
    b.say(v.involuteCutter, "刀具渐开线干涉，内齿轮插齿发生范成顶切！ ", "无刀具渐开线干涉！ ");
    b.say(v.overlapPair, "内齿轮与小齿轮发生重迭干涉！ ", "无重迭干涉！ ");
    b.say(v.overlapCutter, "插齿齿廓重迭干涉，内齿轮发生范成顶切！", "无插齿齿廓重迭干涉！");
    b.say(v.radialPair, "内齿轮和小齿轮径向干涉！ ", "无径向干涉！ ");
    b.say(v.radialCutter, "内齿轮插齿径向进刀顶切！", "内齿轮无径向顶切！ ");
    return b.take();
}

namespace {

std::string hobbedTipLine(const Outcome& tip) {
    return fw::format("\t    小齿轮齿顶厚: Sa1 = %.2f mm", tip.value) +
           (tip.passed() ? "  ——OK!\n" : "  ——小齿轮齿顶过薄!\n");
}

}  // namespace

std::string externalHobbingSummary(const ExternalVerdicts& v) {
    std::string s;
    s += v.undercut1.passed() ? std::string("\t    小齿轮无根切  ——OK!\n")
                              : "\t    小齿轮滚齿根切! " + fw::format("χn1≥%.2f避免根切;\n", v.undercut1.value);
    s += v.undercut2.passed() ? std::string("\t    大齿轮无根切  ——OK!\n")
                              : "\t    大齿轮滚齿根切!" + fw::format("χn2≥%.2f避免根切;\n", v.undercut2.value);
    s += hobbedTipLine(v.tip);
    s += v.fillet1.passed() ? "\t    小齿轮齿根过渡线无干涉  ——OK!\n" : "\t    小齿轮齿根过渡线与大齿轮齿顶干涉!\n";
    s += v.fillet2.passed() ? "\t    大齿轮齿根过渡线无干涉  ——OK!\n" : "\t    大齿轮齿根过渡线与小齿轮齿顶干涉!\n";
    s += "\t    若齿轮插齿加工，请选用插齿刀参数再做校验!\n";
    return s;
}

std::string internalHobbingSummary(const Outcome& undercut1, const Outcome& tip) {
    std::string s;
    s += undercut1.passed() ? std::string("\t    小齿轮无根切  ——OK\n")
                            : "\t    小齿轮滚齿根切!" + fw::format("χn1≥%.2f避免根切;\n", undercut1.value);
    s += hobbedTipLine(tip);
    s += "\t    没有选择插齿刀参数，故未做齿廓干涉校验，请注意重新校验!\n";
    return s;
}

fw::Expected<DesignedCheck, std::string> checkDesignedPair(const DesignedPair& in,
                                                           const CutterScheme& s) {
    auto p = designedPairQuantities(in);
    if (!p) return fw::unexpected(p.error());
    CheckTexts texts;
    if (in.internal) {
        auto v = checkInternal(*p, s, kavrin::kInvStepCheck);
        if (!v) return fw::unexpected(v.error());
        texts = internalTexts(*v, s);
    } else {
        auto v = checkExternal(*p, s, kavrin::kInvStepCheck);
        if (!v) return fw::unexpected(v.error());
        texts = externalTexts(*v, s);
    }
    return DesignedCheck{.rows = std::move(texts.rows), .summary = std::move(texts.summary),
                         .alphaWt = p->alphaWt};
}

fw::Expected<DesignedCheck, std::string> checkDesignedPairHobbed(const DesignedPair& in) {
    auto p = designedPairQuantities(in);
    if (!p) return fw::unexpected(p.error());
    DesignedCheck out;
    if (in.internal) {
        out.summary = internalHobbingSummary(pinionUndercutHobbed(*p), pinionTipThickness(*p));
        return out;
    }
    CutterScheme allHobbed;
    markHobbed(allHobbed);
    auto v = checkExternal(*p, allHobbed, kavrin::kInvStepCheck);  // needs no inverse
    if (!v) return fw::unexpected(v.error());
    out.summary = externalHobbingSummary(*v);
    out.alphaWt = p->alphaWt;
    return out;
}

}  // namespace cylindrical
