#include "smallmodule/calc/smcy_calc.h"

#include <algorithm>
#include <cmath>

#include "common/calc/involute.h"
#include "fw/format.h"

namespace smallmodule {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double rad(double deg) { return deg * kPi / 180.0; }
constexpr double deg(double r) { return r * 180.0 / kPi; }
double inv(double a) { return std::tan(a) - a; }

// The inverse-involute search step of this calculator.
constexpr double kInvStep = kavrin::kInvStepFine;

static_assert(kModules.front() == sm_q::kMn.lower() && kModules.back() == sm_q::kMn.upper());
static_assert(sm_q::kBeta1.upper() < kHelixMax && sm_q::kSigma.upper() == 90);

fw::Unexpected<Refusal> refuse(const char* message) {
    const bool undefined = message == kMsgUndefined || message == kMsgBadSplit || message == kMsgNoOptimum;
    return fw::unexpected(Refusal{message, undefined});
}

bool finite(const SmGear& g) {
    for (double v : {g.mt, g.betaP, g.beta, g.alphaT, g.alphaWt, g.betaB, g.d, g.dw, g.db, g.da, g.df, g.alphaAt,
                     g.xn, g.w, g.mp})
        if (!plainNumber(v)) return false;
    return true;
}

bool finite(const SmResult& r) {
    for (double v : {r.u, r.aw, r.a, r.sumX, r.dmp, r.alphaNP, r.mnP, r.eps, r.eta, r.b})
        if (!plainNumber(v)) return false;
    return finite(r.g1) && finite(r.g2);
}

// A refusal for which no usable pair exists: the shown results stay.
Refusal noPair(std::string message) { return Refusal{std::move(message), true}; }

bool acute(double degrees) { return degrees > 0 && degrees < 90; }

fw::Expected<SmResult, Refusal> checked(const SmInput& in, fw::Expected<SmResult, Refusal> r) {
    if (!r) return r;
    if (auto f = resultFault(in, *r)) return fw::unexpected(std::move(*f));
    return r;
}

// A real value that may become an int.
bool fitsInt(double v) { return std::isfinite(v) && std::abs(v) < 1e6; }

// Inspection dimensions of one gear: teeth spanned, base tangent length and
// the dimension over rods of diameter dmp. Angles in radians.
struct Inspection {
    std::int32_t kw = 0;
    double w = 0, mp = 0;
};
std::optional<Inspection> inspection(std::int32_t z, double d, double alphaT, double xn, double mn, double alphaN,
                                     double dmp) {
    const double zv = z * inv(alphaT) / inv(alphaN);
    const double ax = std::acos(zv * std::cos(alphaN) / (zv + 2 * xn));
    const double k = std::floor(zv * ax / kPi + 0.5 + 0.5);
    if (!fitsInt(k)) return std::nullopt;
    Inspection r;
    r.kw = static_cast<std::int32_t>(k);
    r.w = mn * (std::cos(alphaN) * ((r.kw - 0.5) * kPi + zv * inv(alphaN)) + 2 * xn * std::sin(alphaN));
    const double invM = inv(alphaT) + dmp / (mn * z * std::cos(alphaN)) - kPi / (2.0 * z) + 2 * xn * std::tan(alphaN) / z;
    if (!std::isfinite(invM)) return std::nullopt;
    auto alphaM = kavrin::arcInvStep(invM, kInvStep);
    if (!alphaM) return std::nullopt;
    const double odd = kavrin::CheckOddEven(z) != 0 ? std::cos(kPi / (2.0 * z)) : 1.0;
    r.mp = d * std::cos(alphaT) * odd / std::cos(*alphaM) + dmp;
    return r;
}

bool applyInspection(SmGear& g, double mn, double alphaN, double dmp) {
    auto i = inspection(g.z, g.d, rad(g.alphaT), g.xn, mn, alphaN, dmp);
    if (!i) return false;
    g.kw = i->kw;
    g.w = i->w;
    g.mp = i->mp;
    return true;
}

// The tooth count choice common to all patterns.
struct Teeth {
    std::int32_t z1 = 0, z2 = 0;
};
fw::Expected<Teeth, Refusal> chooseTeeth(const SmInput& in, double z1p, double z2Total) {
    if (!std::isfinite(z1p) || !std::isfinite(z2Total)) return refuse(kMsgUndefined);
    const bool parallel = in.pattern == Pattern::Parallel;
    const unsigned zmin = MinGeersSet(in.mn, in.u);
    if (z1p + 0.5 < zmin) return refuse(parallel ? kMsgTooFew0 : kMsgTooFewX);
    if (z1p > 29) return refuse(parallel ? kMsgTooMany0 : kMsgTooManyX);
    const double z1 = in.pattern == Pattern::Perpendicular ? std::floor(z1p) : std::floor(z1p + 0.5);
    const double z2 = std::floor(z2Total) - z1;
    if (!fitsInt(z2) || z2 < 1) return refuse(kMsgUndefined);
    return Teeth{static_cast<std::int32_t>(z1), static_cast<std::int32_t>(z2)};
}

// Pattern 0, steps 8 and 12: tips with the tip shortening y, contact ratio
// and face width of a parallel pair.
void parallelTipsAndContact(const SmInput& in, SmResult& r, double y) {
    const double mn = in.mn;
    for (SmGear* g : {&r.g1, &r.g2}) {
        g->da = g->d + 2 * (in.haStar + g->xn - y) * mn;
        g->df = g->d - 2 * (in.haStar + in.cStar - g->xn) * mn;
        g->alphaAt = deg(std::acos(g->db / g->da));
    }
    const double awt = rad(r.g1.alphaWt);
    const double epsA = (r.g1.z * (std::tan(rad(r.g1.alphaAt)) - std::tan(awt)) +
                         r.g2.z * (std::tan(rad(r.g2.alphaAt)) - std::tan(awt))) /
                        (2 * kPi);
    if (in.beta1 == 0) {
        r.eps = epsA;
        r.b = mn;
    } else {
        const double b1 = rad(in.beta1);
        r.b = kPi * mn / std::sin(b1);
        r.eps = epsA + r.b * std::sin(b1) / (kPi * mn);
    }
}

// Crossed-axis tail, steps 3, 5 and 6: tips and roots from the no-backlash
// centre distance, length of action, face width and contact ratio.
void crossedTipsAndContact(const SmInput& in, SmResult& r) {
    const double mn = in.mn;
    r.g1.df = r.g1.d - 2 * (in.haStar + in.cStar - r.g1.xn) * mn;
    r.g2.df = r.g2.d - 2 * (in.haStar + in.cStar - r.g2.xn) * mn;
    r.g1.da = 2 * r.a - r.g2.df - 2 * in.cStar * mn;
    r.g2.da = 2 * r.a - r.g1.df - 2 * in.cStar * mn;
    r.g1.alphaAt = deg(std::acos(r.g1.db / r.g1.da));
    r.g2.alphaAt = deg(std::acos(r.g2.db / r.g2.da));
    const double ra1 = r.g1.da / 2, rb1 = r.g1.db / 2, ra2 = r.g2.da / 2, rb2 = r.g2.db / 2;
    const double bb1 = rad(r.g1.betaB), bb2 = rad(r.g2.betaB);
    const double ga = std::sqrt(ra1 * ra1 - rb1 * rb1) / std::cos(bb1) + std::sqrt(ra2 * ra2 - rb2 * rb2) / std::cos(bb2) -
                      (r.aw - rb1 * std::cos(rad(r.g1.alphaWt)) - rb2 * std::cos(rad(r.g2.alphaWt))) /
                          std::sin(rad(r.alphaNP));
    r.b = std::max(ga * std::sin(bb1), ga * std::sin(bb2));
    r.eps = ga / (kPi * mn * std::cos(rad(in.alpha)));
}

bool inspectBoth(const SmInput& in, SmResult& r) {
    r.dmp = 1.732 * in.mn;
    const double an = rad(in.alpha);
    return applyInspection(r.g1, in.mn, an, r.dmp) && applyInspection(r.g2, in.mn, an, r.dmp);
}

// Pattern 0, step 13: the mean efficiency over ten points of the path of
// contact.
double parallelEfficiency(const SmResult& r, double f) {
    if (f == 0) return 1.0;
    const double rho = std::atan(f);
    const double awt = rad(r.g1.alphaWt);
    const double ta1 = std::tan(rad(r.g1.alphaAt)), ta2 = std::tan(rad(r.g2.alphaAt));
    const double db1 = r.g1.db, db2 = r.g2.db, dw1 = r.g1.dw, dw2 = r.g2.dw;
    const double g1 = (ta2 * db2 - std::sin(awt) * dw2) / 2;
    const double g2 = (ta1 * db1 - std::sin(awt) * dw1) / 2 + g1;
    auto ay1 = [&](double g) { return std::atan(((dw1 + dw2) * std::sin(awt) - ta2 * db2 + 2 * g) / db1); };
    auto ay2 = [&](double g) { return std::atan((ta2 * db2 - 2 * g) / db2); };
    double sum = 1;
    for (int j = 0; j <= 3; ++j) {
        const double g = j * g1 / 5, a1 = ay1(g), a2 = ay2(g);
        sum += std::cos(a2 + rho) * std::cos(a1) / (std::cos(a2) * std::cos(a1 + rho));
    }
    for (int j = 1; j <= 5; ++j) {
        const double g = g1 + j * (g2 - g1) / 5, a1 = ay1(g), a2 = ay2(g);
        sum += std::cos(a2 - rho) * std::cos(a1) / (std::cos(a2) * std::cos(a1 - rho));
    }
    return sum / 10;
}

fw::Expected<SmResult, Refusal> pattern0(const SmInput& in) {
    if (!(in.beta1 >= 0 && in.beta1 < kHelixMax)) return refuse(kMsgUndefined);
    SmResult r;
    const double b1 = rad(in.beta1);
    const double mt = in.mn / std::cos(b1);
    r.g1.beta = r.g2.beta = in.beta1;
    r.g1.mt = r.g2.mt = mt;
    const double z1p = 2 * in.aw / ((1 + in.u) * mt);
    auto t = chooseTeeth(in, z1p, 2 * in.aw / mt);
    if (!t) return fw::unexpected(t.error());
    r.g1.z = t->z1;
    r.g2.z = t->z2;
    r.u = double(r.g2.z) / r.g1.z;
    r.aw = in.aw;
    r.a = (r.g1.z + r.g2.z) * mt / 2;
    const double at = std::atan(std::tan(rad(in.alpha)) / std::cos(b1));
    const double awt = std::acos(std::cos(at) * r.a / in.aw);
    r.g1.alphaT = r.g2.alphaT = deg(at);
    r.g1.alphaWt = r.g2.alphaWt = deg(awt);
    r.sumX = (r.g1.z + r.g2.z) * (inv(awt) - inv(at)) / (2 * std::tan(rad(in.alpha)));
    auto s = splitShift(r.sumX, r.u);
    r.g1.xn = s.xn1;
    r.g2.xn = s.xn2;
    const double y = r.sumX - (in.aw - r.a) / in.mn;
    r.g1.d = r.g1.z * mt;
    r.g2.d = r.g2.z * mt;
    r.g1.dw = 2 * in.aw / (r.u + 1);
    r.g2.dw = r.u * r.g1.dw;
    for (SmGear* g : {&r.g1, &r.g2}) {
        g->db = g->d * std::cos(at);
        g->betaB = deg(std::atan(std::tan(b1) * g->db / g->d));
        g->betaP = deg(std::atan(std::tan(b1) * g->dw / g->d));
    }
    parallelTipsAndContact(in, r, y);
    if (!std::isfinite(r.g1.alphaAt) || !std::isfinite(r.g2.alphaAt)) return refuse(kMsgUndefined);
    if (!inspectBoth(in, r)) return refuse(kMsgUndefined);
    r.mnP = in.mn;
    r.alphaNP = in.alpha;
    r.eta = parallelEfficiency(r, in.f);
    if (!finite(r)) return refuse(kMsgUndefined);
    return r;
}

// Crossed-axis tail (patterns 1 to 3), from the gears' angles, diameters
// and the common rack.
fw::Expected<SmResult, Refusal> crossedTail(const SmInput& in, SmResult r, double sigmaRad) {
    const double alpha = rad(in.alpha);
    const double at1 = rad(r.g1.alphaT), at2 = rad(r.g2.alphaT);
    const double awt1 = rad(r.g1.alphaWt), awt2 = rad(r.g2.alphaWt);
    r.sumX = (r.g1.z * (inv(awt1) - inv(at1)) + r.g2.z * (inv(awt2) - inv(at2))) / (2 * std::tan(alpha));
    if (!std::isfinite(r.sumX)) return refuse(kMsgUndefined);
    auto s = splitShift(r.sumX, r.u);
    r.g1.xn = s.xn1;
    r.g2.xn = s.xn2;
    r.a = std::cos(alpha) * in.mn / (2 * std::sin(rad(r.alphaNP))) *
          (2 * r.sumX * std::tan(alpha) + r.g1.z * (inv(at1) + awt1) + r.g2.z * (inv(at2) + awt2));
    crossedTipsAndContact(in, r);
    if (!std::isfinite(r.g1.alphaAt) || !std::isfinite(r.g2.alphaAt)) return refuse(kMsgUndefined);
    if (!inspectBoth(in, r)) return refuse(kMsgUndefined);
    r.eta = 1 / (1 + in.f * std::sin(sigmaRad) /
                         (std::cos(rad(r.alphaNP)) * std::cos(rad(r.g1.betaP)) * std::cos(rad(r.g2.betaP))));
    if (!finite(r)) return refuse(kMsgUndefined);
    return r;
}

fw::Expected<SmResult, Refusal> pattern1(const SmInput& in) {
    SmResult r;
    const double sigma = rad(in.sigma), sigma0 = rad(in.sigma - 0.5);
    const double z1p = 2 * in.aw * std::cos(sigma0) / (in.mn * (in.u * std::cos(sigma0) + 1));
    auto t = chooseTeeth(in, z1p, (1 + in.u) * z1p);
    if (!t) return fw::unexpected(t.error());
    r.g1.z = t->z1;
    r.g2.z = t->z2;
    r.u = double(r.g2.z) / r.g1.z;
    r.g1.betaP = in.sigma;
    r.g2.betaP = 0;
    r.g1.dw = 2 * in.aw / (r.u * std::cos(sigma) + 1);
    r.g2.dw = r.u * std::cos(sigma) * r.g1.dw;
    const double b1 = std::asin(r.g1.z * in.mn * std::tan(sigma) / r.g1.dw);
    r.g1.beta = deg(b1);
    r.g2.beta = 0;
    r.g1.mt = in.mn / std::cos(b1);
    r.g2.mt = in.mn;
    r.g1.d = r.g1.z * r.g1.mt;
    r.g2.d = r.g2.z * r.g2.mt;
    r.aw = (r.g1.dw + r.g2.dw) / 2;
    const double alpha = rad(in.alpha);
    const double at1 = std::atan(std::tan(alpha) / std::cos(b1));
    r.g1.alphaT = deg(at1);
    r.g2.alphaT = in.alpha;
    const double bb1 = std::atan(std::cos(at1) * std::tan(b1));
    r.g1.betaB = deg(bb1);
    r.g2.betaB = 0;
    r.g1.db = r.g1.d * std::cos(at1);
    r.g2.db = r.g2.d * std::cos(alpha);
    const double anp = std::acos(std::sin(bb1) / std::sin(sigma));
    r.alphaNP = deg(anp);
    r.mnP = std::cos(alpha) * in.mn / std::cos(anp);
    r.g1.alphaWt = deg(std::acos(std::tan(bb1) / std::tan(sigma)));
    r.g2.alphaWt = deg(std::acos(r.g2.db / r.g2.dw));
    if (!finite(r)) return refuse(kMsgUndefined);
    return crossedTail(in, r, sigma);
}

// Patterns 2 and 3 from the reference helix angles (radians).
fw::Expected<SmResult, Refusal> twoHelical(const SmInput& in, double sigma, double b1, double b2) {
    if (!(b1 > 0) || !(b2 > 0)) return refuse(kMsgBadSplit);
    SmResult r;
    const double z1p = 2 * in.aw * std::cos(b1) * std::cos(b2) / (in.mn * (in.u * std::cos(b1) + std::cos(b2)));
    auto t = chooseTeeth(in, z1p, (1 + in.u) * z1p);
    if (!t) return fw::unexpected(t.error());
    r.g1.z = t->z1;
    r.g2.z = t->z2;
    r.u = double(r.g2.z) / r.g1.z;
    r.g1.beta = deg(b1);
    r.g2.beta = deg(b2);
    r.g1.mt = in.mn / std::cos(b1);
    r.g2.mt = in.mn / std::cos(b2);
    r.g1.d = r.g1.z * r.g1.mt;
    r.g2.d = r.g2.z * r.g2.mt;
    const double q = std::sin(b1) / std::sin(b2);
    const double bp1 = std::atan(std::sin(sigma) * q / (std::cos(sigma) * q + 1));
    const double bp2 = sigma - bp1;
    r.g1.betaP = deg(bp1);
    r.g2.betaP = deg(bp2);
    const double alpha = rad(in.alpha);
    for (SmGear* g : {&r.g1, &r.g2}) {
        const double b = rad(g->beta);
        const double at = std::atan(std::tan(alpha) / std::cos(b));
        g->alphaT = deg(at);
        g->betaB = deg(std::atan(std::tan(b) * std::cos(at)));
        g->db = g->d * std::cos(at);
    }
    const double anp = std::acos(std::sin(rad(r.g1.betaB)) / std::sin(bp1));
    r.alphaNP = deg(anp);
    r.mnP = std::cos(alpha) * in.mn / std::cos(anp);
    for (SmGear* g : {&r.g1, &r.g2}) {
        const double bp = rad(g->betaP);
        g->alphaWt = deg(std::acos(std::tan(rad(g->betaB)) / std::tan(bp)));
        g->dw = g->z * r.mnP / std::cos(bp);
    }
    r.aw = (r.g1.dw + r.g2.dw) / 2;
    if (!finite(r)) return refuse(kMsgUndefined);
    return crossedTail(in, r, sigma);
}

fw::Expected<SmResult, Refusal> pattern2(const SmInput& in, const HelixSplit& split) {
    const double sigma0 = rad(in.sigma - 0.5);
    double b1 = sigma0 / 2, b2 = sigma0 / 2;
    if (split.option == SplitOption::Optimised) {
        if (!(sigma0 > 0)) return refuse(kMsgBadSplit);
        auto o = GetOptimizeBita(in.u, sigma0);
        if (!o) return refuse(kMsgNoOptimum);
        b1 = *o;
        b2 = sigma0 - b1;
    } else if (split.option == SplitOption::UserPinion) {
        b1 = rad(split.userBetaP1 - 0.25);
        b2 = sigma0 - b1;
    }
    return twoHelical(in, rad(in.sigma), b1, b2);
}

fw::Expected<SmResult, Refusal> pattern3(const SmInput& in) {
    SmInput p = in;
    p.sigma = 90;
    const double sigma0 = rad(89.5);   // 1.562069680534925
    return twoHelical(p, rad(90.0), sigma0 / 2, sigma0 / 2);
}

}  // namespace

unsigned MinGeersSet(double mn, double u) {
    if (u < 1.6) return 17;
    if (u < 3) return 16;
    if (u < 5) return 15;
    return mn < 0.5 ? 15 : 14;
}

ShiftSplit splitShift(double sumX, double u) {
    // Share of the pinion by ratio band: xn1 = k·Σx + C1. A ratio below 1
    // (rounding at u = 1) takes the first band.
    struct Band {
        double upper, k, c1;
    };
    static constexpr Band kBands[] = {
        {1.2, 0.445, 0.06}, {1.6, 0.3775, 0.12}, {2.2, 0.25, 0.2}, {3.0, 0.195, 0.25}, {INFINITY, 0.12, 0.3},
    };
    const Band* band = &kBands[std::size(kBands) - 1];
    for (const Band& b : kBands)
        if (u <= b.upper) {
            band = &b;
            break;
        }
    const double xn1 = band->k * sumX + band->c1;
    return {xn1, sumX - xn1};
}

std::optional<double> GetOptimizeBita(double u, double sigma) {
    auto F = [&](double x) {
        const double c = std::cos(x), r = u / std::cos(sigma - x);
        return std::tan(x) / (c * c) - r * r * std::tan(sigma - x);
    };
    constexpr double kTolerance = 1.21203420277384e-6;   // a quarter of an arc second
    double lo = 0, hi = sigma;
    double mid = (lo + hi) / 2;
    if (!(hi - lo > kTolerance)) return std::isfinite(sigma) ? std::optional(0.0) : std::nullopt;
    // Each pass halves the interval, so the loop ends after about sixty
    // passes for any finite Σ; the bound only guards the arithmetic.
    for (int pass = 0; hi - lo > kTolerance; ++pass) {
        const double p = F(lo) * F(mid);
        if (std::isnan(p) || pass > 200) return std::nullopt;
        if (p == 0) break;
        if (p < 0) hi = mid;
        else lo = mid;
        mid = (lo + hi) / 2;
    }
    return mid;
}

bool plainNumber(double v) { return v == 0 || std::isnormal(v); }

std::optional<Refusal> resultRuleFault(const SmInput& in, const SmResult& r) {
    if (!finite(r)) return noPair(kMsgUndefined);
    const struct {
        const SmGear& g;
        const char* d;
        const char* da;
        const char* df;
        const char* db;
        const char* dw;
        const char* w;
        const char* mp;
        const char* h;
    } gears[] = {{r.g1, "小齿轮分度圆直径d1", "小齿轮齿顶圆直径da1", "小齿轮齿根圆直径df1", "小齿轮基圆直径db1",
                  "小齿轮节圆直径d'1", "小齿轮公法线长度W1", "小齿轮跨测距Mp1", "小齿轮全齿高"},
                 {r.g2, "大齿轮分度圆直径d2", "大齿轮齿顶圆直径da2", "大齿轮齿根圆直径df2", "大齿轮基圆直径db2",
                  "大齿轮节圆直径d'2", "大齿轮公法线长度W2", "大齿轮跨测距Mp2", "大齿轮全齿高"}};
    for (const auto& x : gears) {
        const SmGear& g = x.g;
        for (auto [v, name] : {std::pair{g.d, x.d}, {g.da, x.da}, {g.df, x.df}, {g.db, x.db}, {g.dw, x.dw},
                               {g.w, x.w}, {g.mp, x.mp}, {g.da - g.df, x.h}})
            if (!(v > 0)) return noPair(fw::format(kFmtNotPositive, name));
        if (!(g.mt > 0) || !acute(g.alphaT) || !acute(g.alphaWt) || !acute(g.alphaAt)) return noPair(kMsgUndefined);
        for (double b : {g.beta, g.betaP, g.betaB})
            if (!(b >= 0 && b < 90)) return noPair(kMsgUndefined);
        if (g.z < 1 || g.kw < 1 || g.kw >= g.z) return noPair(kMsgUndefined);
    }
    for (auto [v, name] : {std::pair{r.a, "中心距a"}, {r.aw, "啮合轴距a'"}, {r.dmp, "量棒直径dmp"},
                           {r.mnP, "公共齿条法向模数mn'"}, {r.eps, "重合度ε"}, {r.b, "有效齿宽B"}})
        if (!(v > 0)) return noPair(fw::format(kFmtNotPositive, name));
    if (!acute(r.alphaNP)) return noPair(kMsgUndefined);
    if (!sm_q::kU.admits(r.u)) return noPair(fw::format(kFmtRatioRange, r.u));
    if (!(r.eta > 0 && r.eta <= 1)) return noPair(fw::format(kFmtEfficiency, in.f, r.eta));
    return std::nullopt;
}

// Each value against its range: a result no real pair has (or that no
// report prints) is no result.
std::optional<Refusal> resultRangeFault(const SmResult& r) {
    for (const ResultValue& x : resultValues(r))
        if (!kavrin::printable(x.v) || !x.q->admits(x.v)) return noPair(kavrin::resultNotTaken(*x.q));
    return std::nullopt;
}

std::optional<Refusal> resultFault(const SmInput& in, const SmResult& r) {
    if (auto f = resultRuleFault(in, r)) return f;
    return resultRangeFault(r);
}

std::vector<ResultValue> resultValues(const SmResult& r) {
    using namespace sm_q;
    std::vector<ResultValue> v{{&kA, r.a}};
    for (auto [g, q] : {std::pair{&r.g1, &kGear1}, {&r.g2, &kGear2}}) {
        v.insert(v.end(), {{&q->z, double(g->z), true}, {&q->mt, g->mt}, {&q->betaP, g->betaP}, {&q->beta, g->beta},
                           {&q->alphaT, g->alphaT}, {&q->alphaWt, g->alphaWt}, {&q->betaB, g->betaB}, {&q->d, g->d},
                           {&q->dw, g->dw}, {&q->db, g->db}, {&q->da, g->da}, {&q->df, g->df},
                           {&q->alphaAt, g->alphaAt}, {&q->w, g->w}, {&q->kw, double(g->kw), true}, {&q->mp, g->mp}});
    }
    v.insert(v.end(), {{&kXn1, r.g1.xn}, {&kXn2, r.g2.xn}, {&kSumX, r.sumX}, {&kDmp, r.dmp}, {&kAlphaNP, r.alphaNP},
                       {&kMnP, r.mnP}, {&kEps, r.eps}, {&kEta, r.eta}, {&kB, r.b}, {&kU, r.u}, {&kAw, r.aw}});
    return v;
}

fw::Expected<SmResult, Refusal> calculate(const SmInput& in, const HelixSplit& split) {
    switch (in.pattern) {
    case Pattern::Parallel: return checked(in, pattern0(in));
    case Pattern::HelicalSpur: return checked(in, pattern1(in));
    case Pattern::HelicalSum: return checked(in, pattern2(in, split));
    case Pattern::Perpendicular: return checked(in, pattern3(in));
    }
    return refuse(kMsgUndefined);
}

fw::Expected<ShiftEditResult, Refusal> editShift(const SmInput& in, const SmResult& current, ShiftEdit which,
                                                 double value) {
    SmResult r = current;
    const double xmin = (17.0 - r.g1.z) / 17.0;
    if (which == ShiftEdit::Xn1) {
        if (value < xmin) return refuse(kMsgXn1Small);
        r.g1.xn = value;
        r.g2.xn = r.sumX - value;
    } else {
        const double xn1 = r.sumX - value;
        if (xn1 < xmin) return refuse(kMsgXn2Large);
        r.g1.xn = xn1;
        r.g2.xn = value;
    }
    if (in.pattern == Pattern::Parallel) {
        const double y = r.sumX - (r.aw - r.a) / in.mn;
        parallelTipsAndContact(in, r, y);
    } else {
        crossedTipsAndContact(in, r);
    }
    if (!std::isfinite(r.g1.alphaAt) || !std::isfinite(r.g2.alphaAt)) return refuse(kMsgUndefined);
    if (!inspectBoth(in, r)) return refuse(kMsgUndefined);
    if (auto f = resultRuleFault(in, r)) return fw::unexpected(std::move(*f));
    // Tip thickness of the pinion in the normal section.
    const double alpha = rad(in.alpha);
    const double aan = std::atan(std::cos(rad(r.g1.beta)) * std::tan(rad(r.g1.alphaAt)));
    const double sa1 = r.g1.da * (inv(alpha) + (4 * r.g1.xn * std::tan(alpha) + kPi) / (2.0 * r.g1.z) - inv(aan));
    if (!(sa1 > 0)) return fw::unexpected(noPair(which == ShiftEdit::Xn1 ? kMsgXn1NoTip : kMsgXn2NoTip));
    // The typed shift in its field's range, then every value in its own.
    const kavrin::Quantity& typed = which == ShiftEdit::Xn1 ? sm_q::kXn1 : sm_q::kXn2;
    if (!typed.admits(value)) return fw::unexpected(noPair(kavrin::quantityRefusal(typed)));
    if (auto f = resultRangeFault(r)) return fw::unexpected(std::move(*f));
    return ShiftEditResult{r, sa1 < 0.25 * in.mn};
}

fw::Expected<double, Refusal> rodDeviation(double dW, const RodGear& g, double mn, double dmp, double alpha) {
    if (g.w == 0 || g.z <= 0 || !(mn > 0)) return refuse(kMsgNoSpan);
    const double an = rad(alpha), at = rad(g.alphaT);
    const double invM = inv(at) + dmp / (mn * g.z * std::cos(an)) - kPi / (2.0 * g.z) + 2 * g.xn * std::tan(an) / g.z;
    auto am = std::isfinite(invM) ? kavrin::arcInvStep(invM, kInvStep) : std::nullopt;
    if (!am) return refuse(kMsgUndefined);
    const double odd = kavrin::CheckOddEven(g.z) != 0 ? std::cos(kPi / (2.0 * g.z)) : 1.0;
    const double dm = dW * odd / (std::sin(*am) * std::cos(rad(g.betaB)));
    if (!std::isfinite(dm)) return refuse(kMsgUndefined);
    if (!sm_q::kDM.admits(dm)) return fw::unexpected(noPair(kavrin::resultNotTaken(sm_q::kDM)));
    return dm;
}

}  // namespace smallmodule
