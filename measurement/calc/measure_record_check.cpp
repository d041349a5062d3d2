#include "measurement/calc/measure_record_check.h"

#include <cmath>

#include "fw/format.h"
#include "fw/text.h"
#include "measurement/calc/measure_ranges.h"

namespace measurement {

namespace {

constexpr double kRadToDeg = 180 / 3.141592653589793;
constexpr std::size_t kTextBytes = 63;   // 64-byte fields with their terminating zero

using Fault = std::optional<std::string>;

Fault fault(const char* text) { return std::string(text); }

// A value the load puts into a field or a result: a plain number its range admits.
bool within(double v, const kavrin::Quantity& q) { return plainNumber(v) && q.admits(v); }
bool positive(double v) { return plainNumber(v) && v > 0; }

// A text that the 64-byte field holds as it is.
bool textFits(const std::string& t) {
    return fw::gbkWidth(t) <= kTextBytes && fw::utf8FromGbk(fw::gbkFromUtf8(t)) == t;
}

// Title, number and date, as the two dialogs' fields take them.
Fault textsAndDate(const CyMeasureRecord& r) {
    if (!textFits(r.title)) return fault("标题超过63字节或含有不能保存的字符！");
    if (!textFits(r.number)) return fault("编号超过63字节或含有不能保存的字符！");
    if (r.date < daySeconds(1601, 1, 1) || r.date > daySeconds(9999, 12, 31)) return fault("日期无效！");
    return std::nullopt;
}

// The fields both dialogs share: module, the two coefficient lists, the
// cutter pressure angle and the helix angle.
Fault commonFields(const CyMeasureRecord& r) {
    namespace q = measure_q;
    if (auto f = moduleRefusal(r.mn)) return f;
    if (!within(r.haStar, q::kHaStar)) return fault(kMsgHaStar);
    if (!within(r.cStar, q::kCStar)) return fault(kMsgCStar);
    if (!within(r.alphaN, q::kAlphaN)) return fault("刀具压力角αn应在14°～30°之间！");
    if (!q::kBetaDeg.admits(r.betaDeg) || !q::kBetaMin.admits(r.betaMin) || !within(r.betaSec, q::kBetaSec))
        return fault("螺旋角β的度、分应在0～59之间，秒应在0～60之间！");
    return textsAndDate(r);
}

bool teeth(const kavrin::Quantity& q, std::uint32_t z) { return q.admits(z); }

// Span deviations as the fields take them; pin deviations as converted.
Fault deviations(const kavrin::Quantity& mi, double vmi, const kavrin::Quantity& ms, double vms, double wi, double ws) {
    if (auto f = deviationRefusal(wi)) return f;
    if (auto f = deviationRefusal(ws)) return f;
    if (!plainNumber(vmi) || !plainNumber(vms)) return fault("跨棒距偏差的数值无效！");
    if (auto f = resultOutside(mi, vmi)) return f;
    return resultOutside(ms, vms);
}

// An angle the record holds in degrees, against its range as the
// calculations read it (in radians, so that a loaded angle saved again is
// taken again).
Fault angle(const kavrin::Quantity& q, double degrees) {
    if (!plainNumber(degrees)) return kavrin::resultNotTaken(q);
    return angleOutside(q, degrees / kRadToDeg);
}

// A root diameter as the record stores it. The pair's load recomputes df1
// and df2 from d and hf, but its report and the profile tool read them as
// stored: inside their range and on their side of the tip circle.
Fault storedRoot(const kavrin::Quantity& q, double df, double da, bool internal) {
    if (auto f = resultOutside(q, df)) return f;
    return rootOutsideTip(q, df, da, internal);
}

}  // namespace

std::optional<std::string> moduleRefusal(double mn) {
    if (!positive(mn)) return fault(kMsgModule);
    if (mn > measure_q::kMn.upper()) return fault(kMsgModuleLarge);
    if (!measure_q::kMn.admits(mn)) return kavrin::quantityRefusal(measure_q::kMn);
    return std::nullopt;
}

std::optional<std::string> tipRefusal(const kavrin::Quantity& q, double da) {
    if (!positive(da)) return fault(kMsgTip);
    if (!q.admits(da)) return kavrin::quantityRefusal(q);
    return std::nullopt;
}

std::optional<std::string> deviationRefusal(double v) {
    if (within(v, measure_q::kDWs) || v == 0) return std::nullopt;
    return fault(kMsgDeviation);
}

std::optional<std::string> shiftRefusal(const kavrin::Quantity& q, double xn) {
    if (within(xn, q)) return std::nullopt;
    return kavrin::quantityRefusal(q);
}

std::optional<std::string> centreRefusal(const PairInput& in, double aw) {
    if (!positive(aw)) return fault(kMsgCentreLimits);
    if (!measure_q::kAw.admits(aw)) return kavrin::quantityRefusal(measure_q::kAw);
    if (!centreDistanceAccepted(in, aw)) return fault(kMsgCentreLimits);
    return std::nullopt;
}

CyMeasureRecord singleRecord(const SingleMeasure& m) {
    const SingleInput& in = m.in;
    const SingleResult& o = m.out;
    const int s = in.type == GearType::Internal ? 1 : 0;
    CyMeasureRecord r;
    r.type = static_cast<std::int32_t>(in.type);
    r.a = o.daCalc;
    r.alphaAt[s] = o.alphaAtRad * kRadToDeg;
    r.alphaN = in.alphaNDeg;
    r.alphaT = o.alphaTRad * kRadToDeg;
    r.betaDeg = o.beta.deg;
    r.betaMin = o.beta.min;
    r.betaSec = o.beta.sec;
    r.cStar = in.cStar;
    r.d[s] = o.d;
    r.da[s] = o.daCalc;
    r.df[s] = o.df;
    r.db[s] = o.db;
    r.dp = o.dp;
    r.mp[s] = o.mp;
    r.dMi[s] = m.dMi;
    r.dMs[s] = m.dMs;
    r.ha[s] = o.ha;
    r.haStar = in.haStar;
    r.hc[s] = o.hc;
    r.hf[s] = o.hf;
    r.kw[s] = o.kw;
    r.mn = in.mn;
    r.mt = o.mt;
    r.sc[s] = o.sc;
    r.w[s] = o.w;
    r.dWi[s] = m.dWi;
    r.dWs[s] = m.dWs;
    r.xn[s] = o.xn;
    r.z[s] = in.z;
    r.zv[s] = o.zv;
    r.title = m.title;
    r.number = m.number;
    r.date = m.date;
    r.solveMode = static_cast<std::uint32_t>(in.mode);
    return r;
}

SingleMeasure singleMeasure(std::int32_t kind, const CyMeasureRecord& r) {
    const int s = kind == kKindSingleInternal ? 1 : 0;
    SingleMeasure m;
    SingleInput& in = m.in;
    in.type = s == 1 ? GearType::Internal : GearType::External;
    in.mode = r.solveMode == 1 ? SolveMode::ShiftGiven : SolveMode::HelixGiven;
    in.mn = r.mn;
    in.z = r.z[s];
    in.da = r.da[s];
    in.xn = r.xn[s];
    in.haStar = r.haStar;
    in.cStar = r.cStar;
    in.alphaNDeg = r.alphaN;
    in.beta = {r.betaDeg, r.betaMin, r.betaSec};
    SingleResult& o = m.out;
    o.mt = r.mt;
    o.d = r.d[s];
    o.ha = r.ha[s];
    o.hf = r.hf[s];
    o.df = r.df[s];
    o.db = r.db[s];
    o.zv = r.zv[s];
    o.alphaTRad = r.alphaT / kRadToDeg;
    o.alphaAtRad = r.alphaAt[s] / kRadToDeg;
    o.daCalc = r.da[s];
    o.xn = r.xn[s];
    o.beta = in.beta;
    o.betaRad = helixRadians(in.beta);
    o.kw = r.kw[s];
    o.w = r.w[s];
    o.sc = r.sc[s];
    o.hc = r.hc[s];
    o.dp = r.dp;
    o.mp = r.mp[s];
    m.dWs = r.dWs[s];
    m.dWi = r.dWi[s];
    m.dMs = r.dMs[s];
    m.dMi = r.dMi[s];
    m.title = r.title;
    m.number = r.number;
    m.date = r.date;
    return m;
}

CyMeasureRecord pairRecord(const PairMeasure& m) {
    const PairInput& in = m.in;
    const PairResult& o = m.out;
    CyMeasureRecord r;
    r.type = static_cast<std::int32_t>(in.mesh);
    r.a = o.a;
    r.alphaN = in.alphaNDeg;
    r.alphaT = o.alphaTRad * kRadToDeg;
    r.alphaW = o.alphaWRad * kRadToDeg;
    r.aw = in.aw;
    r.betaDeg = in.beta.deg;
    r.betaMin = in.beta.min;
    r.betaSec = in.beta.sec;
    r.cStar = in.cStar;
    r.deltaYn = o.deltaYn;
    r.dp = o.dp;
    r.h1 = o.wholeDepth;
    r.haStar = in.haStar;
    r.mn = in.mn;
    r.mt = o.mt;
    r.u = o.u;
    r.xnSum = o.xnSum;
    r.yt = o.yt;
    r.epsilon = o.epsilon;
    r.z[0] = in.z1;
    r.z[1] = in.z2;
    for (int i = 0; i < 2; ++i) {
        const GearSide& g = o.g[i];
        r.alphaAt[i] = g.alphaAtRad * kRadToDeg;
        r.d[i] = g.d;
        r.dw[i] = g.dw;
        r.da[i] = g.da;
        r.df[i] = g.df;
        r.db[i] = g.db;
        r.mp[i] = g.mp;
        r.dMi[i] = g.dMi;
        r.dMs[i] = g.dMs;
        r.ha[i] = g.ha;
        r.hc[i] = g.hc;
        r.hf[i] = g.hf;
        r.kw[i] = g.kw;
        r.sc[i] = g.sc;
        r.w[i] = g.w;
        r.dWi[i] = m.dev.wi[i];
        r.dWs[i] = m.dev.ws[i];
        r.xn[i] = g.xn;
        r.zv[i] = g.zv;
    }
    r.title = m.title;
    r.number = m.number;
    r.date = m.date;
    return r;
}

PairMeasure pairMeasure(const CyMeasureRecord& r) {
    PairMeasure m;
    m.in = {.mesh = r.type == 1 ? MeshType::Internal : MeshType::External, .mn = r.mn, .z1 = r.z[0], .z2 = r.z[1],
            .da1 = r.da[0], .da2 = r.da[1], .aw = r.aw, .haStar = r.haStar, .cStar = r.cStar,
            .alphaNDeg = r.alphaN, .beta = {r.betaDeg, r.betaMin, r.betaSec}};
    PairResult& o = m.out;
    o.mt = r.mt;
    o.alphaTRad = r.alphaT / kRadToDeg;
    o.betaRad = helixRadians(m.in.beta);
    o.a = r.a;
    o.alphaWRad = r.alphaW / kRadToDeg;
    o.xnSum = r.xnSum;
    o.yt = r.yt;
    o.epsilon = r.epsilon;
    o.dp = r.dp;
    // Recomputed rather than read: Δyn, df1, df2, whole depth and u.
    o.deltaYn = r.xnSum - r.yt / std::cos(o.betaRad);
    o.u = r.z[0] == 0 ? 0 : static_cast<double>(r.z[1]) / r.z[0];
    const bool internal = m.in.mesh == MeshType::Internal;
    o.wholeDepth = internal ? (2 * r.haStar + r.cStar + o.deltaYn) * r.mn : (2 * r.haStar + r.cStar - o.deltaYn) * r.mn;
    for (int i = 0; i < 2; ++i) {
        GearSide& g = o.g[i];
        g.d = r.d[i];
        g.ha = r.ha[i];
        g.hf = r.hf[i];
        g.da = r.da[i];
        g.db = r.db[i];
        g.zv = r.zv[i];
        g.dw = r.dw[i];
        g.alphaAtRad = r.alphaAt[i] / kRadToDeg;
        g.xn = r.xn[i];
        g.kw = r.kw[i];
        g.w = r.w[i];
        g.sc = r.sc[i];
        g.hc = r.hc[i];
        g.mp = r.mp[i];
        g.dMi = r.dMi[i];
        g.dMs = r.dMs[i];
        m.dev.wi[i] = r.dWi[i];
        m.dev.ws[i] = r.dWs[i];
    }
    o.g[0].df = o.g[0].d - 2 * o.g[0].hf;
    o.g[1].df = internal ? o.g[1].d + 2 * o.g[1].hf : o.g[1].d - 2 * o.g[1].hf;
    m.title = r.title;
    m.number = r.number;
    m.date = r.date;
    return m;
}

std::optional<std::string> singleListFault(std::int32_t kind, const CyMeasureRecord& r) {
    if (kind != kKindSingleExternal && kind != kKindSingleInternal) return fault(kMsgBadData);
    if (r.solveMode > 1) return fault("求解方式无效！");
    return std::nullopt;
}

std::optional<std::string> singleRecordFault(std::int32_t kind, const CyMeasureRecord& r) {
    namespace q = measure_q;
    if (auto f = singleListFault(kind, r)) return f;
    if (auto f = commonFields(r)) return f;
    const int s = kind == kKindSingleInternal ? 1 : 0;
    const SingleMeasure m = singleMeasure(kind, r);
    if (!teeth(q::kZ, m.in.z)) return fault("齿数Z应在1～100000之间！");
    if (auto f = tipRefusal(q::kDa, m.in.da)) return f;
    if (!plainNumber(m.in.xn)) return fault("变位系数χn的数值无效！");
    if (auto f = shiftRefusal(q::kXn, m.in.xn)) return f;
    if (!plainNumber(m.out.dp)) return fault(kMsgNoPin);
    if (auto pin = pinRefusal(m.in.type, m.in.mn, m.out.dp)) return pin;
    if (auto f = deviations(q::kDMi, m.dMi, q::kDMs, m.dMs, m.dWi, m.dWs)) return f;
    if (auto f = angle(q::kAlphaT, r.alphaT)) return f;
    if (auto f = angle(q::kAlphaAt, r.alphaAt[s])) return f;
    if (!q::kKw.admits(m.out.kw)) return kavrin::resultNotTaken(q::kKw);
    return singleResultFault(m.in, m.out);
}

std::optional<std::string> pairListFault(const CyMeasureRecord& r) {
    if (r.type != 0 && r.type != 1) return fault("啮合类型无效！");
    return std::nullopt;
}

std::optional<std::string> pairRecordFault(const CyMeasureRecord& r) {
    namespace q = measure_q;
    if (auto f = pairListFault(r)) return f;
    if (auto f = commonFields(r)) return f;
    const PairMeasure m = pairMeasure(r);
    if (!teeth(q::kZ1, m.in.z1) || !teeth(q::kZ2, m.in.z2)) return fault("齿数Z1、Z2应在1～100000之间！");
    if (m.in.mesh == MeshType::Internal && m.in.z2 <= m.in.z1) return fault(kMsgInternalTeeth);
    if (auto f = tipRefusal(q::kDa1, m.in.da1)) return f;
    if (auto f = tipRefusal(q::kDa2, m.in.da2)) return f;
    if (auto f = centreRefusal(m.in, m.in.aw)) return f;
    if (!plainNumber(m.out.dp)) return fault(kMsgNoPin);
    if (auto pin = pairPinRefusal(m.in.mn, m.out.dp)) return pin;
    for (int i = 0; i < 2; ++i) {
        const q::GearQuantities& g = q::kGear[i];
        if (auto f = shiftRefusal(g.xn, m.out.g[i].xn)) return f;
        if (auto f = deviations(g.dMi, m.out.g[i].dMi, g.dMs, m.out.g[i].dMs, m.dev.wi[i], m.dev.ws[i])) return f;
        if (auto f = angle(g.alphaAt, r.alphaAt[i])) return f;
        if (!g.kw.admits(m.out.g[i].kw)) return kavrin::resultNotTaken(g.kw);
        if (auto f = storedRoot(g.df, r.df[i], r.da[i], i == 1 && m.in.mesh == MeshType::Internal)) return f;
    }
    if (auto f = angle(q::kAlphaT, r.alphaT)) return f;
    if (auto f = angle(q::kAlphaW, r.alphaW)) return f;
    return pairResultFault(m.in, m.out);
}

std::string saveRefusal(const std::string& fault) { return fault + "\n数据未保存。"; }

std::string loadRefusal(const std::string& fault) { return std::string(kMsgBadData) + "\n" + fault; }

}  // namespace measurement
