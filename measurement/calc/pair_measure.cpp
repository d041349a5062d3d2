#include "measurement/calc/pair_measure.h"

#include <cmath>

#include "common/calc/involute.h"
#include "cylindrical/calc/characteristic.h"
#include "fw/format.h"
#include "measurement/calc/measure_ranges.h"

namespace measurement {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegToRad = kPi / 180;
constexpr double kPinFactor = 1.68;
constexpr double kCentreTolerance = 1e-9;  // mm; 63.6 − 60 is 3.6000000000000014 in doubles
constexpr double kSmallAngleLimit = 0.951;  // r above: working angle below 18°
constexpr double kLargeAngleLimit = 0.875;  // r below: working angle above 29°

double inv(double a) { return std::tan(a) - a; }

fw::Unexpected<std::string> refuse(const char* msg) { return fw::unexpected(std::string(msg)); }

bool isZeroHelix(const HelixAngle& b) { return b.deg == 0 && b.min == 0 && b.sec == 0; }

struct Basics {
    double betaRad, cb, alphaNRad, alphaTRad, mt, d1, d2, u;
};

Basics basics(const PairInput& in) {
    Basics b;
    b.betaRad = helixRadians(in.beta);
    b.cb = std::cos(b.betaRad);
    b.alphaNRad = in.alphaNDeg * kDegToRad;
    if (isZeroHelix(in.beta)) {
        b.alphaTRad = b.alphaNRad;
        b.mt = in.mn;
    } else {
        b.alphaTRad = std::atan(std::tan(b.alphaNRad) / b.cb);
        b.mt = in.mn / b.cb;
    }
    b.d1 = in.z1 * b.mt;
    b.d2 = in.z2 * b.mt;
    b.u = static_cast<double>(in.z2) / in.z1;
    return b;
}

double referenceA(const PairInput& in, double d1, double d2) {
    return in.mesh == MeshType::External ? (d1 + d2) / 2 : (d2 - d1) / 2;
}

PinGear pin(const PairInput& in, const PairResult& r, int i) {
    const bool internal = i == 1 && in.mesh == MeshType::Internal;
    return {.type = internal ? GearType::Internal : GearType::External, .z = i == 0 ? in.z1 : in.z2, .mn = in.mn,
            .alphaNRad = in.alphaNDeg * kDegToRad, .alphaTRad = r.alphaTRad, .xn = r.g[i].xn, .d = r.g[i].d,
            .betaRad = r.betaRad};
}

// Spans (k′ given), chords, pins, contact ratio and deviations: the common
// tail of the trial and the recompute.
fw::Expected<PairResult, std::string> finish(const PairInput& in, PairResult r, const double kPrime[2],
                                              const SpanDeviations& dev) {
    const double an = in.alphaNDeg * kDegToRad;
    const double ca = std::cos(an), ta = std::tan(an);
    for (int i = 0; i < 2; ++i) {
        GearSide& g = r.g[i];
        g.db = g.d * std::cos(r.alphaTRad);
        if (!(g.da > g.db) || !(g.db > 0)) return refuse(kMsgPairTipInsideBase);
        g.alphaAtRad = std::acos(g.db / g.da);
        const std::uint32_t z = i == 0 ? in.z1 : in.z2;
        auto kw = cylindrical::spanCount(kPrime[i]);
        if (!kw) return refuse(kMsgNoSpan);
        g.kw = static_cast<std::uint32_t>(*kw);
        const double zp = z * inv(r.alphaTRad) / inv(an);
        g.w = ((inv(an) * zp + (g.kw - 0.5) * kPi) * ca + 2 * g.xn * std::sin(an)) * in.mn;
    }
    // Constant chords, cos²αn as the single gear and the textbook chord take it.
    GearSide& g1 = r.g[0];
    GearSide& g2 = r.g[1];
    g1.sc = (kPi / 2 + 2 * g1.xn * ta) * ca * ca * in.mn;
    g1.hc = ((g1.da - g1.d) - g1.sc * ta) / 2;
    if (in.mesh == MeshType::External) {
        g2.sc = (kPi / 2 + 2 * g2.xn * ta) * ca * ca * in.mn;
        g2.hc = ((g2.da - g2.d) - g2.sc * ta) / 2;
    } else {
        g2.sc = (kPi / 2 - 2 * g2.xn * ta) * ca * ca * in.mn;
        const double delta = kPi / (2.0 * in.z2) - 2 * g2.xn * ta / in.z2 - inv(r.alphaTRad) + inv(g2.alphaAtRad);
        g2.hc = ((g2.d - g2.da) - g2.sc * ta) / 2 + (1 - std::cos(delta)) * g2.da / 2;
    }
    const double tw = std::tan(r.alphaWRad);
    const double p1 = in.z1 * (std::tan(g1.alphaAtRad) - tw), p2 = in.z2 * (std::tan(g2.alphaAtRad) - tw);
    r.epsilon = (in.mesh == MeshType::External ? p1 + p2 : p1 - p2) / (2 * kPi);
    auto pinned = pairPinEdit(in, std::move(r), kPinFactor * in.mn, dev);
    if (!pinned) return refuse(kMsgNoPin);
    return *pinned;
}

bool finite(const PairResult& r) {
    for (double v : {r.mt, r.alphaTRad, r.a, r.alphaWRad, r.xnSum, r.yt, r.deltaYn, r.wholeDepth, r.u, r.epsilon, r.dp})
        if (!plainNumber(v) || !kavrin::printable(v)) return false;
    for (const GearSide& g : r.g)
        for (double v : {g.d, g.ha, g.hf, g.da, g.df, g.db, g.zv, g.dw, g.alphaAtRad, g.xn, g.w, g.sc, g.hc, g.mp,
                         g.dMi, g.dMs})
            if (!plainNumber(v) || !kavrin::printable(v)) return false;
    return true;
}

bool insideRightAngle(double rad) { return rad > 0 && rad < kPi / 2; }

fw::Expected<PairResult, std::string> checked(const PairInput& in, fw::Expected<PairResult, std::string> done) {
    if (!done) return done;
    if (auto fault = pairResultFault(in, *done)) return fw::unexpected(std::move(*fault));
    return done;
}

}  // namespace

std::int32_t pairMask(const PairInput& in) {
    std::int32_t m = 0;
    if (in.mn > 0) m |= 1;
    if (in.z1 != 0) m |= 2;
    if (in.da1 > 0) m |= 4;
    if (in.z2 != 0) m |= 8;
    if (in.da2 > 0) m |= 16;
    if (in.aw > 0) m |= 32;
    return m;
}

std::string missingInputs(const PairInput& in) {
    static const char* const lines[] = {
        "缺少输入条件：法面模数Mn;\n",          "缺少输入条件：小齿轮齿数Z1;\n", "缺少输入条件：小齿轮齿齿顶圆直径da1;\n",
        "缺少输入条件： 大齿轮齿数Z2;\n", "缺少输入条件：大齿轮齿顶圆直径da2;\n", "缺少输入条件：啮合中心距A';\n"};
    const std::int32_t m = pairMask(in);
    if (m == kPairMaskComplete) return {};
    std::string s = "输入条件:\n";
    for (int i = 0; i < 6; ++i)
        if (!(m & (1 << i))) s += lines[i];
    return s;
}

std::optional<Reference> referenceCentre(const PairInput& in) {
    if (!(in.mn > 0) || in.z1 == 0 || in.z2 == 0) return std::nullopt;
    const double mt = in.mn / std::cos(helixRadians(in.beta));
    const double a = in.mesh == MeshType::External ? (in.z1 + in.z2) * mt / 2
                                                   : (static_cast<double>(in.z2) - in.z1) * mt / 2;
    return Reference{mt, a};
}

bool centreDistanceAccepted(const PairInput& in, double aw) {
    auto ref = referenceCentre(in);
    if (!ref) return aw > 0;
    const double lo = in.mesh == MeshType::External ? -1.2 : -1.4;
    const double hi = in.mesh == MeshType::External ? 1.8 : 1.2;
    const double change = aw - ref->a;
    return change >= lo * in.mn - kCentreTolerance && change <= hi * in.mn + kCentreTolerance;
}

std::optional<std::string> workingAngleQuestion(const PairInput& in) {
    if (pairMask(in) != kPairMaskComplete) return std::nullopt;
    const Basics b = basics(in);
    const double r = std::cos(b.alphaTRad) * referenceA(in, b.d1, b.d2) / in.aw;
    if (r > kSmallAngleLimit) return std::string(kMsgSmallWorkingAngle);
    if (r < kLargeAngleLimit) return std::string(kMsgLargeWorkingAngle);
    return std::nullopt;
}

fw::Expected<PairResult, std::string> pairTrial(const PairInput& in, const SpanDeviations& dev) {
    if (pairMask(in) != kPairMaskComplete) return fw::unexpected(missingInputs(in));
    if (in.mesh == MeshType::Internal && in.z2 <= in.z1) return refuse(kMsgInternalTeeth);
    // The field's band, again: a helix angle changed after a' was typed
    // moves the reference centre distance under it.
    if (!centreDistanceAccepted(in, in.aw)) return refuse(kMsgCentreLimits);
    const Basics b = basics(in);
    PairResult r;
    r.betaRad = b.betaRad;
    r.alphaTRad = b.alphaTRad;
    r.mt = b.mt;
    r.u = b.u;
    r.a = referenceA(in, b.d1, b.d2);
    const double ratio = std::cos(b.alphaTRad) * r.a / in.aw;
    if (!(ratio > 0 && ratio < 1)) return refuse(kMsgWorkingAngleUndefined);
    r.alphaWRad = std::acos(ratio);
    const bool ext = in.mesh == MeshType::External;
    const double zs = ext ? in.z1 + in.z2 : static_cast<double>(in.z2) - in.z1;
    const double s = (inv(r.alphaWRad) - inv(b.alphaTRad)) * zs / (2 * std::tan(b.alphaTRad));
    r.xnSum = s / b.cb;
    r.yt = (in.aw - r.a) / b.mt;
    const double delta = s - r.yt;
    GearSide& g1 = r.g[0];
    GearSide& g2 = r.g[1];
    const double mn = in.mn, ha = in.haStar, c = in.cStar;
    g1.d = b.d1;
    g2.d = b.d2;
    g1.da = in.da1;
    g1.ha = (in.da1 - b.d1) / 2;
    if (ext) {
        g1.xn = (g1.ha + delta * b.mt) / mn - ha;
        g2.xn = r.xnSum - g1.xn;
        g2.ha = (ha + g2.xn) * mn - delta * b.mt;
        g1.hf = (ha - g1.xn + c) * mn;
        g2.hf = (ha - g2.xn + c) * mn;
        g2.da = 2 * g2.ha + b.d2;
        r.wholeDepth = (2 * ha + c) * mn - delta * b.mt;
        g1.df = b.d1 - 2 * g1.hf;
        g2.df = b.d2 - 2 * g2.hf;
        g1.dw = 2 * in.aw / (b.u + 1);
        g2.dw = 2 * in.aw - g1.dw;
    } else {
        g1.xn = (g1.ha - delta * b.mt) / mn - ha;
        g2.xn = r.xnSum + g1.xn;
        g2.ha = delta * b.mt + (ha - g2.xn) * mn;
        g1.hf = (ha - g1.xn + c) * mn;
        g2.hf = (ha + g2.xn + c) * mn;
        g2.da = b.d2 - 2 * g2.ha;
        r.wholeDepth = delta * b.mt + (2 * ha + c) * mn;
        g1.df = b.d1 - 2 * g1.hf;
        g2.df = b.d2 + 2 * g2.hf;
        g1.dw = 2 * in.aw / (b.u - 1);
        g2.dw = 2 * in.aw + g1.dw;
    }
    g1.zv = in.z1 / (b.cb * b.cb * b.cb);
    g2.zv = in.z2 / (b.cb * b.cb * b.cb);
    r.deltaYn = delta / b.cb;
    r.hint = fw::format(kFmtDa2Measured, in.da2);
    // k′ of the single gear's span rule, each gear with its own shift.
    const double an = b.alphaNRad, ca = std::cos(an);
    double kPrime[2];
    for (int i = 0; i < 2; ++i) {
        const double zp = (i == 0 ? in.z1 : in.z2) * inv(b.alphaTRad) / inv(an);
        const double q = 1 + 2 * r.g[i].xn / zp;
        kPrime[i] = (std::sqrt(q * q - ca * ca) / ca - 2 * r.g[i].xn * std::tan(an) / zp - inv(an)) * zp / kPi + 0.5;
    }
    return checked(in, finish(in, std::move(r), kPrime, dev));
}

fw::Expected<PairResult, std::string> pairRecompute(const PairInput& in, const PairResult& last, double xn1,
                                                    double xn2, const SpanDeviations& dev) {
    if (pairMask(in) != kPairMaskComplete) return fw::unexpected(missingInputs(in));
    if (in.mesh == MeshType::Internal && in.z2 <= in.z1) return refuse(kMsgInternalTeeth);
    const Basics b = basics(in);
    PairResult r = last;
    r.betaRad = b.betaRad;
    r.alphaTRad = b.alphaTRad;
    r.mt = b.mt;
    r.u = b.u;
    r.deltaYn = r.xnSum - r.yt / b.cb;
    const double mn = in.mn, ha = in.haStar, c = in.cStar, dy = r.deltaYn;
    GearSide& g1 = r.g[0];
    GearSide& g2 = r.g[1];
    g1 = {};
    g2 = {};
    g1.xn = xn1;
    g2.xn = xn2;
    g1.d = b.d1;
    g2.d = b.d2;
    if (in.mesh == MeshType::External) {
        g1.ha = (ha + xn1 - dy) * mn;
        g2.ha = (ha + xn2 - dy) * mn;
        g1.hf = (ha + c - xn1) * mn;
        g2.hf = (ha + c - xn2) * mn;
        r.wholeDepth = (2 * ha + c - dy) * mn;
        g1.da = b.d1 + 2 * g1.ha;
        g2.da = b.d2 + 2 * g2.ha;
        g1.df = b.d1 - 2 * g1.hf;
        g2.df = b.d2 - 2 * g2.hf;
        g1.dw = 2 * in.aw / (b.u + 1);
        g2.dw = 2 * in.aw - g1.dw;
    } else {
        g1.ha = (ha + xn1 + dy) * mn;
        g2.ha = (ha - xn2 + dy) * mn;
        g1.hf = (ha + c - xn1) * mn;
        g2.hf = (ha + c + xn2) * mn;
        r.wholeDepth = (2 * ha + c + dy) * mn;
        g1.da = b.d1 + 2 * g1.ha;
        g2.da = b.d2 - 2 * g2.ha;
        g1.df = b.d1 - 2 * g1.hf;
        g2.df = b.d2 + 2 * g2.hf;
        g1.dw = 2 * in.aw / (b.u - 1);
        g2.dw = 2 * in.aw + g1.dw;
    }
    g1.zv = in.z1 / (b.cb * b.cb * b.cb);
    g2.zv = in.z2 / (b.cb * b.cb * b.cb);
    r.hint = fw::format(kFmtRecomputeHint, in.da1, in.da2, in.aw);
    // The recompute's own span count: k = Z·αt°/(180·cos²β) + 0.5 − 2·xn·tan αn/π.
    const double atDeg = b.alphaTRad * 180 / kPi;
    double kPrime[2];
    for (int i = 0; i < 2; ++i)
        kPrime[i] = (i == 0 ? in.z1 : in.z2) * atDeg / (180 * b.cb * b.cb) + 0.5 -
                    2 * r.g[i].xn * std::tan(b.alphaNRad) / kPi;
    return checked(in, finish(in, std::move(r), kPrime, dev));
}

double otherShiftFromXn1(MeshType mesh, double xnSum, double xn1) {
    return mesh == MeshType::External ? xnSum - xn1 : xnSum + xn1;
}

double otherShiftFromXn2(MeshType mesh, double xnSum, double xn2) {
    return mesh == MeshType::External ? xnSum - xn2 : xn2 - xnSum;
}

// Pins with dp/(mn·Z·cos αn) (one pin, one Mp, spur or helical); a span
// deviation of 0 gives a pin deviation of 0.
std::optional<PairResult> pairPinEdit(const PairInput& in, PairResult r, double dp, const SpanDeviations& dev) {
    r.dp = dp;
    for (int i = 0; i < 2; ++i) {
        const PinGear g = pin(in, r, i);
        auto mp = pinDimension(g, dp, kavrin::kInvStepGeometry);
        if (!mp) return std::nullopt;
        r.g[i].mp = *mp;
        auto mi = pinDeviation(g, dp, dev.wi[i], kavrin::kInvStepGeometry);
        auto ms = pinDeviation(g, dp, dev.ws[i], kavrin::kInvStepGeometry);
        if (!mi || !ms) return std::nullopt;
        r.g[i].dMi = dev.wi[i] > 0 ? *mi : 0;
        r.g[i].dMs = dev.ws[i] > 0 ? *ms : 0;
    }
    return r;
}

std::optional<std::string> pairResultFault(const PairInput& in, const PairResult& r) {
    namespace q = measure_q;
    for (int i = 0; i < 2; ++i) {
        const GearSide& g = r.g[i];
        const q::GearQuantities& n = q::kGear[i];
        const struct {
            const kavrin::Quantity& q;
            double v;
        } results[] = {{n.d, g.d},   {n.ha, g.ha}, {n.hf, g.hf}, {n.da, g.da}, {n.df, g.df}, {n.db, g.db},
                       {n.dw, g.dw}, {n.zv, g.zv}, {n.w, g.w},   {n.sc, g.sc}, {n.hc, g.hc}, {n.mp, g.mp},
                       {n.xn, g.xn}, {n.dMs, g.dMs}, {n.dMi, g.dMi}};
        for (const auto& res : results)
            if (auto f = resultOutside(res.q, res.v)) return f;
        if (auto f = rootOutsideTip(n.df, g.df, g.da, i == 1 && in.mesh == MeshType::Internal)) return f;
    }
    for (auto [quantity, v] : {std::pair{&q::kMt, r.mt}, {&q::kA, r.a}, {&q::kDp, r.dp}, {&q::kEpsilon, r.epsilon},
                               {&q::kXnSum, r.xnSum}, {&q::kYt, r.yt}})
        if (auto f = resultOutside(*quantity, v)) return f;
    if (!finite(r)) return std::string(kMsgPairUndefined);
    if (!insideRightAngle(r.alphaTRad) || !insideRightAngle(r.alphaWRad)) return std::string(kMsgWorkingAngleUndefined);
    if (auto f = angleOutside(q::kAlphaT, r.alphaTRad)) return f;
    if (auto f = angleOutside(q::kAlphaW, r.alphaWRad)) return f;
    for (int i = 0; i < 2; ++i) {
        if (!insideRightAngle(r.g[i].alphaAtRad)) return std::string(kMsgPairTipInsideBase);
        if (auto f = angleOutside(q::kGear[i].alphaAt, r.g[i].alphaAtRad)) return f;
        const std::uint32_t z = i == 0 ? in.z1 : in.z2;
        if (r.g[i].kw < 1 || r.g[i].kw >= z) return std::string(kMsgNoSpan);
    }
    return std::nullopt;
}

std::optional<std::string> pairPinRefusal(double mn, double dp) {
    if (dp >= 1.6 * mn - 1e-9 && dp <= 1.9 * mn + 1e-9) return std::nullopt;
    return fw::format(kFmtPairPinRange, 1.6 * mn, 1.9 * mn);
}

}  // namespace measurement
