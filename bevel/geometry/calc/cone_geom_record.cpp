#include "bevel/geometry/calc/cone_geom_record.h"

#include <cmath>
#include <initializer_list>

#include "bevel/geometry/calc/cone_geom_ranges.h"
#include "common/calc/data_file_header.h"
#include "common/calc/record_check.h"
#include "fw/format.h"
#include "fw/record.h"

namespace bevel {

using kavrin::Quantity;

namespace {

// Field offsets.
enum : std::size_t {
    kAlphaDeg = 0, kAlphaMin = 4, kAlphaSec = 8, kBetaDeg = 12, kBetaMin = 16, kBetaSec = 20, kC = 24,
    kHa = 32, kMt = 40, kZ1 = 48, kZ2 = 52, kX1 = 56, kX2 = 64, kXt2 = 72, kXt1 = 80, kRTau = 88, kZv2 = 96,
    kZv1 = 104, kEpsAlpha = 112, kFree1 = 120, kSBar2 = 136, kSBar1 = 144, kS2 = 152, kS1 = 160,
    kDeltaF2 = 168, kDeltaF1 = 192, kThetaF2 = 216, kThetaF1 = 240, kDeltaA2 = 264, kDeltaA1 = 288,
    kThetaA2 = 312, kThetaA1 = 336, kAk2 = 360, kAk1 = 368, kDa2 = 376, kDa1 = 384, kH = 392, kHf2 = 400,
    kHf1 = 408, kHa2 = 416, kHa1 = 424, kB = 432, kR = 440, kD2 = 448, kD1 = 456, kDelta2 = 464,
    kDelta1 = 488, kRf = 512, kPhiR = 520, kTaper = 528, kFree2 = 532, kHBar2 = 536, kHBar1 = 544,
    kToothSystem = 552, kFree3 = 556, kZp = 560, kDThetaF = 568, kEpsBeta = 576, kCutterChoice = 584,
    kFree4 = 588, kBetaInner = 592, kBetaOuter = 616, kTilt = 640, kBetaP0 = 648, kBetaP = 672, kD0 = 696,
    kMp = 704, kRi = 712, kRp = 720, kCutterRow = 728, kCutterBand = 732, kStatus = 736, kDate = 740,
    kNumber = 760, kTitle = 824,
};
constexpr std::size_t kDms = 24, kDateWidth = 20, kTextWidth = 64;
static_assert(kFree1 == kEpsAlpha + 8 && kSBar2 == kFree1 + 16);
static_assert(kDeltaF2 == kS1 + 8 && kAk2 == kThetaA1 + kDms && kDelta2 == kD1 + 8 && kRf == kDelta1 + kDms);
static_assert(kTaper == kPhiR + 8 && kHBar2 == kFree2 + 4 && kFree3 == kToothSystem + 4 && kZp == kFree3 + 4);
static_assert(kCutterChoice == kEpsBeta + 8 && kBetaInner == kFree4 + 4 && kTilt == kBetaOuter + kDms);
static_assert(kBetaP == kBetaP0 + kDms && kD0 == kBetaP + kDms && kCutterRow == kRp + 8);
static_assert(kStatus == kCutterBand + 4 && kDate == kStatus + 4 && kNumber == kDate + kDateWidth);
static_assert(kTitle + kTextWidth == ConeGeomRecord::kSize);

void writeDms(fw::RecordWriter& w, std::size_t off, const AngleDms& a) {
    w.f64(off, a.deg);
    w.f64(off + 8, a.min);
    w.f64(off + 16, a.sec);
}

AngleDms readDms(const fw::RecordReader& rd, std::size_t off) { return {rd.f64(off), rd.f64(off + 8), rd.f64(off + 16)}; }

bool inRange(std::int64_t v, std::int64_t lo, std::int64_t hi) { return v >= lo && v <= hi; }

constexpr ConeKindRules kRules[] = {
    {ConeKind::Straight, 0, 2, kTaperUnequalClearance, kTaperEqualClearance, "《Ondrel》保存锥齿轮计算数据文件",
     "《Ondrel》打开锥齿轮计算数据文件", "文件命名不正确！\n现以%s\n文件名格式存盘。",
     "不能打开报告输出文件，请处理出错原因！", &cone_geom::kStraightInputs},
    {ConeKind::Spiral, 3, 6, kTaperEqualClearance, kTaperUniformDepth, "《Ondrel》保存圆锥齿轮计算数据文件",
     "《Ondrel》打开圆锥齿轮计算数据文件", "文件命名不正确！\n现以%s\n文件名格式存盘。", "不能打开文件！",
     &cone_geom::kSpiralInputs},
    {ConeKind::Cycloidal, 7, 7, kTaperUnequalClearance, kTaperUniformDepth, "《Ondrel》保存圆锥齿轮计算数据文件",
     "《Ondrel》打开锥齿轮计算数据文件", "所指定的文件名不是有效格式，现以%s文件名保存！",
     "不能打开报告输出文件，请处理出错原因！", &cone_geom::kCycloidalInputs},
};

}  // namespace

const std::array<ToothSystemRow, kToothSystemCount> kConeToothSystems = {{
    {0, ConeKind::Straight, "标准", "标准或自定义", "标准、自定义直齿"},
    {1, ConeKind::Straight, "直线齿格利森", "直线齿格利森", "直线齿格利森"},
    {2, ConeKind::Straight, "直线齿埃尼姆斯", "直线齿埃尼姆斯", "直线齿埃尼姆斯"},
    {3, ConeKind::Spiral, "零度弧齿格利森", "零度弧齿格利森", "零度弧齿格利森"},
    {4, ConeKind::Spiral, "弧齿格利森", "弧齿格利森", "弧齿格利森"},
    {5, ConeKind::Spiral, "弧齿埃尼姆斯", "弧齿埃尼姆斯", "弧齿埃尼姆斯"},
    {6, ConeKind::Spiral, "洛－卡氏", "洛－卡氏", "洛－卡氏"},
    {7, ConeKind::Cycloidal, "奥利康摆线", "奥利康摆线", "奥利康摆线"},
}};

const ConeKindRules& coneKindRules(ConeKind kind) { return kRules[static_cast<int>(kind)]; }

std::string coneWrongSystemMessage(const char* systemName) {
    return fw::format("所选择的数据文件是%s圆锥齿轮,不宜用此方法计算!", systemName);
}

std::string coneRenameMessage(ConeKind kind, const std::filesystem::path& renamed) {
    return fw::format(coneKindRules(kind).renameFormat, renamed.string().c_str());
}

std::vector<std::uint8_t> writeConeGeomRecord(const ConeGeomRecord& r) {
    fw::RecordWriter w(ConeGeomRecord::kSize);
    w.i32(kAlphaDeg, r.alphaDeg);
    w.i32(kAlphaMin, r.alphaMin);
    w.i32(kAlphaSec, r.alphaSec);
    w.i32(kBetaDeg, r.betaDeg);
    w.i32(kBetaMin, r.betaMin);
    w.i32(kBetaSec, r.betaSec);
    w.f64(kC, r.cStar);
    w.f64(kHa, r.haStar);
    w.f64(kMt, r.mt);
    w.i32(kZ1, r.z1);
    w.i32(kZ2, r.z2);
    w.f64(kX1, r.x1);
    w.f64(kX2, r.x2);
    w.f64(kXt2, r.xt2);
    w.f64(kXt1, r.xt1);
    w.f64(kRTau, r.rTau);
    w.f64(kZv2, r.zv2);
    w.f64(kZv1, r.zv1);
    w.f64(kEpsAlpha, r.epsAlpha);
    w.f64(kSBar2, r.sBar2);
    w.f64(kSBar1, r.sBar1);
    w.f64(kS2, r.s2);
    w.f64(kS1, r.s1);
    writeDms(w, kDeltaF2, r.deltaF2);
    writeDms(w, kDeltaF1, r.deltaF1);
    writeDms(w, kThetaF2, r.thetaF2);
    writeDms(w, kThetaF1, r.thetaF1);
    writeDms(w, kDeltaA2, r.deltaA2);
    writeDms(w, kDeltaA1, r.deltaA1);
    writeDms(w, kThetaA2, r.thetaA2);
    writeDms(w, kThetaA1, r.thetaA1);
    w.f64(kAk2, r.ak2);
    w.f64(kAk1, r.ak1);
    w.f64(kDa2, r.da2);
    w.f64(kDa1, r.da1);
    w.f64(kH, r.h);
    w.f64(kHf2, r.hf2);
    w.f64(kHf1, r.hf1);
    w.f64(kHa2, r.ha2);
    w.f64(kHa1, r.ha1);
    w.f64(kB, r.b);
    w.f64(kR, r.r);
    w.f64(kD2, r.d2);
    w.f64(kD1, r.d1);
    writeDms(w, kDelta2, r.delta2);
    writeDms(w, kDelta1, r.delta1);
    w.f64(kRf, r.rf);
    w.f64(kPhiR, r.phiR);
    w.i32(kTaper, r.taper);
    w.f64(kHBar2, r.hBar2);
    w.f64(kHBar1, r.hBar1);
    w.i32(kToothSystem, r.toothSystem);
    w.f64(kZp, r.zp);
    w.f64(kDThetaF, r.dThetaF);
    w.f64(kEpsBeta, r.epsBeta);
    w.i32(kCutterChoice, r.cutterChoice);
    writeDms(w, kBetaInner, r.betaInner);
    writeDms(w, kBetaOuter, r.betaOuter);
    w.f64(kTilt, r.tilt);
    writeDms(w, kBetaP0, r.betaP0);
    writeDms(w, kBetaP, r.betaP);
    w.f64(kD0, r.d0);
    w.f64(kMp, r.mp);
    w.f64(kRi, r.ri);
    w.f64(kRp, r.rp);
    w.i32(kCutterRow, r.cutterRow);
    w.i32(kCutterBand, r.cutterBand);
    w.i32(kStatus, r.status);
    w.text(kDate, kDateWidth, r.date);
    w.text(kNumber, kTextWidth, r.number);
    w.text(kTitle, kTextWidth, r.title);
    return w.take();
}

ConeGeomRecord readConeGeomRecord(std::span<const std::uint8_t, ConeGeomRecord::kSize> bytes) {
    fw::RecordReader rd(bytes);
    ConeGeomRecord r;
    r.alphaDeg = rd.i32(kAlphaDeg);
    r.alphaMin = rd.i32(kAlphaMin);
    r.alphaSec = rd.i32(kAlphaSec);
    r.betaDeg = rd.i32(kBetaDeg);
    r.betaMin = rd.i32(kBetaMin);
    r.betaSec = rd.i32(kBetaSec);
    r.cStar = rd.f64(kC);
    r.haStar = rd.f64(kHa);
    r.mt = rd.f64(kMt);
    r.z1 = rd.i32(kZ1);
    r.z2 = rd.i32(kZ2);
    r.x1 = rd.f64(kX1);
    r.x2 = rd.f64(kX2);
    r.xt2 = rd.f64(kXt2);
    r.xt1 = rd.f64(kXt1);
    r.rTau = rd.f64(kRTau);
    r.zv2 = rd.f64(kZv2);
    r.zv1 = rd.f64(kZv1);
    r.epsAlpha = rd.f64(kEpsAlpha);
    r.sBar2 = rd.f64(kSBar2);
    r.sBar1 = rd.f64(kSBar1);
    r.s2 = rd.f64(kS2);
    r.s1 = rd.f64(kS1);
    r.deltaF2 = readDms(rd, kDeltaF2);
    r.deltaF1 = readDms(rd, kDeltaF1);
    r.thetaF2 = readDms(rd, kThetaF2);
    r.thetaF1 = readDms(rd, kThetaF1);
    r.deltaA2 = readDms(rd, kDeltaA2);
    r.deltaA1 = readDms(rd, kDeltaA1);
    r.thetaA2 = readDms(rd, kThetaA2);
    r.thetaA1 = readDms(rd, kThetaA1);
    r.ak2 = rd.f64(kAk2);
    r.ak1 = rd.f64(kAk1);
    r.da2 = rd.f64(kDa2);
    r.da1 = rd.f64(kDa1);
    r.h = rd.f64(kH);
    r.hf2 = rd.f64(kHf2);
    r.hf1 = rd.f64(kHf1);
    r.ha2 = rd.f64(kHa2);
    r.ha1 = rd.f64(kHa1);
    r.b = rd.f64(kB);
    r.r = rd.f64(kR);
    r.d2 = rd.f64(kD2);
    r.d1 = rd.f64(kD1);
    r.delta2 = readDms(rd, kDelta2);
    r.delta1 = readDms(rd, kDelta1);
    r.rf = rd.f64(kRf);
    r.phiR = rd.f64(kPhiR);
    r.taper = rd.i32(kTaper);
    r.hBar2 = rd.f64(kHBar2);
    r.hBar1 = rd.f64(kHBar1);
    r.toothSystem = rd.i32(kToothSystem);
    r.zp = rd.f64(kZp);
    r.dThetaF = rd.f64(kDThetaF);
    r.epsBeta = rd.f64(kEpsBeta);
    r.cutterChoice = rd.i32(kCutterChoice);
    r.betaInner = readDms(rd, kBetaInner);
    r.betaOuter = readDms(rd, kBetaOuter);
    r.tilt = rd.f64(kTilt);
    r.betaP0 = readDms(rd, kBetaP0);
    r.betaP = readDms(rd, kBetaP);
    r.d0 = rd.f64(kD0);
    r.mp = rd.f64(kMp);
    r.ri = rd.f64(kRi);
    r.rp = rd.f64(kRp);
    r.cutterRow = rd.i32(kCutterRow);
    r.cutterBand = rd.i32(kCutterBand);
    r.status = rd.i32(kStatus);
    r.date = rd.text(kDate, kDateWidth);
    r.number = rd.text(kNumber, kTextWidth);
    r.title = rd.text(kTitle, kTextWidth);
    return r;
}

ConePreRecord zeroConePreRecord() {
    ConePreRecord r;
    r.mask = 0;
    r.alphaDeg = 0;
    r.cStar = 0;
    r.haStar = 0;
    r.status = 0;
    return r;
}

namespace {

// The first value of a record that fails, as a sentence for the user. Every
// range is its quantity's in cone_geom_ranges.h.
class RecordCheck {
public:
    bool ok() const { return m_why.empty(); }
    const std::string& why() const { return m_why; }
    void fail(std::string why) {
        if (ok()) m_why = std::move(why);
    }
    // A list index or status outside its list: the record is none the kind reads.
    void failList(std::string why) {
        if (ok()) m_list = true;
        fail(std::move(why));
    }
    bool listFault() const { return m_list; }
    // A number that a field or the calculation gives: finite and, as no
    // field takes one, not subnormal.
    bool number(std::string_view name, double v) {
        if (std::isfinite(v) && std::fpclassify(v) != FP_SUBNORMAL) return true;
        fail(fw::format("%s的数值无效。", std::string(name).c_str()));
        return false;
    }
    // In q's range, which `range` says to the user.
    void within(const Quantity& q, double v, const char* range) {
        if (number(q.name, v) && !q.admits(v))
            fail(fw::format("%s＝%g超出允许范围（%s）。", std::string(q.name).c_str(), v, range));
    }
    // In q's range, said by its bounds.
    void within(const Quantity& q, double v) {
        if (!number(q.name, v) || q.admits(v)) return;
        const std::string range = fw::formatNumber(q.lower()) + "～" + fw::formatNumber(q.upper()) + std::string(q.unit);
        fail(fw::format("%s＝%g超出允许范围（%s）。", std::string(q.name).c_str(), v, range.c_str()));
    }
    // A length or count above 0 (the sign named first), then in its range.
    void positive(const Quantity& q, double v) {
        if (number(q.name, v) && !(v > 0)) fail(fw::format("%s＝%.3f，应大于0。", std::string(q.name).c_str(), v));
        within(q, v);
    }
    // Degrees, minutes, seconds as the split writes them: whole degrees and
    // minutes, minutes and seconds below 60; the whole angle in q's range.
    double dms(const Quantity& q, const AngleDms& a) {
        const std::string name(q.name);
        if (!number(q.name, a.deg) || !number(q.name, a.min) || !number(q.name, a.sec)) return 0;
        if (a.deg != std::floor(a.deg) || a.min != std::floor(a.min) || a.min < 0 || a.min >= 60 || a.sec < 0 ||
            a.sec > 60) {
            fail(fw::format("%s的度、分、秒无效。", name.c_str()));
            return 0;
        }
        const double d = a.deg + a.min / 60 + a.sec / 3600;
        within(q, d);
        return d;
    }
    // An angle that must lie strictly between 0° and 90°.
    void acute(const Quantity& q, const AngleDms& a) {
        if (!number(q.name, a.deg) || !number(q.name, a.min) || !number(q.name, a.sec)) return;
        if (a.deg != std::floor(a.deg) || a.min != std::floor(a.min) || a.min < 0 || a.min >= 60 || a.sec < 0 ||
            a.sec > 60) {
            fail(fw::format("%s的度、分、秒无效。", std::string(q.name).c_str()));
            return;
        }
        const double d = a.deg + a.min / 60 + a.sec / 3600;
        if (!q.admits(d)) fail(fw::format("%s＝%.4f°，应在0°～90°之间。", std::string(q.name).c_str(), d));
    }
    // An angle typed as three integers.
    void triple(const char* name, std::int32_t deg, std::int32_t min, std::int32_t sec, const Quantity& degQ,
                const Quantity& minQ, const Quantity& secQ) {
        if (!degQ.admits(deg) || !minQ.admits(min) || !secQ.admits(sec))
            fail(fw::format("%s＝%d°%d′%d″超出允许范围（度%g～%g，分、秒%g～%g）。", name, deg, min, sec, degQ.lower(),
                            degQ.upper(), minQ.lower(), minQ.upper()));
    }

private:
    std::string m_why;
    bool m_list = false;
};

double degreesOf(std::int32_t d, std::int32_t m, std::int32_t s) { return d + m / 60.0 + s / 3600.0; }

void checkInputs(RecordCheck& c, const ConeGeomRecord& g, ConeKind kind) {
    namespace q = cone_geom;
    const ConeKindRules& rules = coneKindRules(kind);
    if (!inRange(g.toothSystem, rules.firstSystem, rules.lastSystem))
        c.failList(fw::format("齿型制%d不属于此计算。", g.toothSystem));
    if (!inRange(g.taper, rules.firstTaper, rules.lastTaper)) c.failList(fw::format("齿顶隙形式%d无效。", g.taper));
    c.triple("齿形角α", g.alphaDeg, g.alphaMin, g.alphaSec, q::kAlphaDeg, q::kAlphaMin, q::kAlphaSec);
    c.triple(kind == ConeKind::Straight ? "螺旋角β" : "中点螺旋角βm", g.betaDeg, g.betaMin, g.betaSec, q::kBetaDeg,
             q::kBetaMin, q::kBetaSec);
    const cone_geom::KindInputs& in = *rules.inputs;
    if (!c.ok()) return;
    const double alpha = degreesOf(g.alphaDeg, g.alphaMin, g.alphaSec);
    const double beta = degreesOf(g.betaDeg, g.betaMin, g.betaSec);
    switch (kind) {
    case ConeKind::Straight:
        if (g.alphaDeg == 0) c.fail("齿形角α的度数为0。");
        break;
    case ConeKind::Spiral:
        if (!cone_pre::kAlpha.admits(alpha)) c.fail("齿形角α应在14.5°～25°之间。");
        break;
    case ConeKind::Cycloidal:
        if (!inRange(g.cutterChoice, 0, 1))
            c.failList(fw::format("刀盘类型%d无效。", g.cutterChoice));
        else if (alpha != (g.cutterChoice == 0 ? 20.0 : 17.5))
            c.fail(g.cutterChoice == 0 ? "EN型刀盘的齿形角α应为20°0′0″。" : "TC型刀盘的齿形角α应为17°30′0″。");
        if (!(beta > 0)) c.fail("中点螺旋角βm应大于0。");
        break;
    }
    if (!q::kZ1.admits(g.z1) || g.z2 < g.z1 || !q::kZ2.admits(g.z2))
        c.fail(fw::format("齿数Z1＝%d、Z2＝%d无效（应%g≤Z1≤Z2≤%g）。", g.z1, g.z2, q::kZ1.lower(), q::kZ2.upper()));
    c.positive(in.mt, g.mt);
    if (kind == ConeKind::Straight) {
        c.within(q::kCStarStraight, g.cStar, "大于0且不大于0.3");
        c.within(q::kHaStarStraight, g.haStar, "大于0.8且不大于1");
        c.positive(q::kRf, g.rf);
        c.within(q::kPhiRStraight, g.phiR, "0.25～1/3");
    } else {
        if (kind == ConeKind::Spiral) c.within(q::kCStarSpiral, g.cStar, "大于0且小于0.5");
        c.within(q::kHaStarCurved, g.haStar, "大于0且不大于1");
        c.within(q::kPhiR, g.phiR);
    }
    c.within(in.cStar, g.cStar);
    c.within(in.x1, g.x1);
    c.within(in.x2, g.x2);
    c.within(in.xt1, g.xt1);
    c.within(in.xt2, g.xt2);
}

void checkDimensions(RecordCheck& c, const ConeGeomRecord& g, ConeKind kind) {
    namespace q = cone_geom;
    checkInputs(c, g, kind);
    c.positive(q::kD1, g.d1);
    c.positive(q::kD2, g.d2);
    c.positive(q::kR, g.r);
    c.positive(q::kB, g.b);
    if (c.ok() && !(g.b < g.r)) c.fail(fw::format("齿宽b＝%.3f不小于锥距R＝%.3f。", g.b, g.r));
    c.positive(q::kH, g.h);
    c.positive(q::kHa1, g.ha1);
    c.positive(q::kHa2, g.ha2);
    c.positive(q::kHf1, g.hf1);
    c.positive(q::kHf2, g.hf2);
    c.positive(q::kDa1, g.da1);
    c.positive(q::kDa2, g.da2);
    c.positive(q::kAk1, g.ak1);
    c.positive(q::kAk2, g.ak2);
    c.acute(q::kDelta1, g.delta1);
    c.acute(q::kDelta2, g.delta2);
    c.positive(q::kEpsAlpha, g.epsAlpha);
    if (c.number(q::kEpsBeta.name, g.epsBeta)) {
        const bool helix = g.betaDeg != 0 || g.betaMin != 0 || g.betaSec != 0;
        if (g.epsBeta < 0 || (helix != (g.epsBeta > 0)))
            c.fail(fw::format("齿向重合度εβ＝%.3f与螺旋角不符。", g.epsBeta));
        c.within(q::kEpsBeta, g.epsBeta);
    }
    if (kind != ConeKind::Cycloidal) {
        c.positive(q::kZv1, g.zv1);
        c.positive(q::kZv2, g.zv2);
        c.acute(q::kDeltaF1, g.deltaF1);
        c.acute(q::kDeltaF2, g.deltaF2);
        c.dms(q::kThetaF1, g.thetaF1);
        c.dms(q::kThetaF2, g.thetaF2);
        c.dms(q::kDeltaA1, g.deltaA1);
        c.dms(q::kDeltaA2, g.deltaA2);
        c.dms(q::kThetaA1, g.thetaA1);
        c.dms(q::kThetaA2, g.thetaA2);
    }
    switch (kind) {
    case ConeKind::Straight:
        c.positive(q::kS1, g.s1);
        c.positive(q::kS2, g.s2);
        c.positive(q::kSBar1, g.sBar1);
        c.positive(q::kSBar2, g.sBar2);
        c.positive(q::kHBar1, g.hBar1);
        c.positive(q::kHBar2, g.hBar2);
        if (c.number(q::kRTau.name, g.rTau) && g.rTau < 0) c.fail("切圆半径Rτ小于0。");
        c.within(q::kRTau, g.rTau);
        break;
    case ConeKind::Spiral:
        c.positive(q::kZp, g.zp);
        c.within(q::kDThetaF, g.dThetaF);
        break;
    case ConeKind::Cycloidal:
        c.positive(q::kS1Cycloidal, g.s1);
        c.positive(q::kS2Cycloidal, g.s2);
        c.positive(q::kZc, g.zp);
        c.positive(q::kMp, g.mp);
        c.positive(q::kRi, g.ri);
        c.positive(q::kRp, g.rp);
        c.within(q::kDh, g.d0);
        c.acute(q::kBetaInner, g.betaInner);
        c.acute(q::kBetaOuter, g.betaOuter);
        c.acute(q::kBetaP0, g.betaP0);
        c.acute(q::kBetaP, g.betaP);
        if (c.number("铣刀轴倾角Δα", g.tilt) && g.tilt != kConeTilts[0] && g.tilt != kConeTilts[1] &&
            g.tilt != kConeTilts[2])
            c.failList(fw::format("铣刀轴倾角Δα＝%g无效。", g.tilt));
        if (!inRange(g.cutterRow, 0, 10)) c.failList(fw::format("刀盘号%d无效。", g.cutterRow));
        if (!inRange(g.cutterBand, 0, 2)) c.failList(fw::format("刀片组%d无效。", g.cutterBand));
        break;
    }
}

}  // namespace

fw::Expected<void, std::string> checkConeGeomDimensions(const ConeGeomRecord& g, ConeKind kind) {
    RecordCheck c;
    checkDimensions(c, g, kind);
    if (!c.ok()) return fw::unexpected(c.why());
    return {};
}

namespace {

RecordCheck checkRecord(const ConeGeomRecord& g, ConeKind kind) {
    RecordCheck c;
    checkDimensions(c, g, kind);
    if (kind == ConeKind::Spiral) {
        if (!inRange(g.cutterRow, 0, 16) || !inRange(g.cutterBand, 0, 3) || !inRange(g.cutterChoice, 0, 50))
            c.failList("铣刀盘的选择无效。");
        if (c.number(cone_geom::kD0.name, g.d0) && !(g.d0 >= kConeSmallestCutter))
            c.fail(fw::format("%s＝%.2f小于%.1fmm。", std::string(cone_geom::kD0.name).c_str(), g.d0, kConeSmallestCutter));
        c.within(cone_geom::kD0, g.d0);
        c.acute(cone_geom::kBetaOuter, g.betaOuter);
        c.positive(cone_geom::kS1, g.s1);
        c.positive(cone_geom::kS2, g.s2);
    }
    if (g.status != kConeGeomStatus) c.failList("几何计算未完成。");
    return c;
}

}  // namespace

fw::Expected<void, std::string> checkConeGeomRecord(const ConeGeomRecord& g, ConeKind kind) {
    const RecordCheck c = checkRecord(g, kind);
    if (!c.ok()) return fw::unexpected(c.why());
    return {};
}

std::optional<std::string> coneGeomListFault(const ConeGeomRecord& g, ConeKind kind) {
    const RecordCheck c = checkRecord(g, kind);
    if (!c.ok() && c.listFault()) return c.why();
    return std::nullopt;
}

bool preliminaryFitsGeometry(const ConePreRecord& p) {
    // A preliminary record not sized yet holds 0 (the preliminary ranges).
    return cone_pre::kZ1.admits(p.z1) && cone_pre::kZ2.admits(p.z2) && cone_pre::kMt.admits(p.mt);
}

fw::Expected<LoadedConeDesign, ConeLoadRefusal> loadConeDesign(std::span<const std::uint8_t> file, ConeLoad which,
                                                               ConeKind kind) {
    const std::size_t recordBytes =
        ConePreRecord::kSize + (which == ConeLoad::Saved ? ConeGeomRecord::kSize : std::size_t{0});
    auto notBevel = [] { return fw::unexpected(ConeLoadRefusal{kMsgConeNotBevelData, false}); };
    // A record none of this kind: the message, and the list or status at
    // fault after it; one of this kind with a value its check refuses: that
    // value first.
    auto notGeometry = [](const std::string& reason = {}) {
        return fw::unexpected(ConeLoadRefusal{
            reason.empty() ? std::string(kMsgConeGeomNotGeometry) : kMsgConeGeomNotGeometry + ("\n" + reason), true});
    };
    auto refusedValue = [](const std::string& fault) {
        return fw::unexpected(ConeLoadRefusal{kavrin::refusedOnLoad(fault), true});
    };
    auto body = kavrin::splitDesignFile(file, recordBytes);
    if (!body) return notBevel();
    if (!body->oldFile && body->header.word != kavrin::kWordConDesign) return notBevel();

    LoadedConeDesign out;
    out.oldFile = body->oldFile;
    out.pre = readConePreRecord(body->records.first<ConePreRecord::kSize>());
    if (out.pre.status != kConePreStatus) return notGeometry();
    if (auto fault = checkConePreRecord(out.pre))
        return fault->notThisKind ? notGeometry(fault->refusal) : refusedValue(fault->refusal);
    if (!preliminaryFitsGeometry(out.pre)) return notGeometry();
    int system = out.pre.toothSystem;
    if (which == ConeLoad::Saved) {
        out.geom = readConeGeomRecord(body->records.subspan<ConePreRecord::kSize, ConeGeomRecord::kSize>());
        if (out.geom.status != kConeGeomStatus || !inRange(out.geom.toothSystem, 0, kToothSystemCount - 1))
            return notGeometry();
        system = out.geom.toothSystem;
    }
    // Another kind's design first gets its name; the values are checked as
    // the kind that can read them reads them.
    const ConeKindRules& rules = coneKindRules(kind);
    if (!inRange(system, rules.firstSystem, rules.lastSystem)) {
        const ToothSystemRow& row = kConeToothSystems[static_cast<std::size_t>(system)];
        return fw::unexpected(ConeLoadRefusal{
            coneWrongSystemMessage(which == ConeLoad::Saved ? row.savedName : row.preliminaryName), true,
            kind == ConeKind::Straight && which == ConeLoad::Preliminary});
    }
    if (which == ConeLoad::Saved) {
        if (auto list = coneGeomListFault(out.geom, kind)) return notGeometry(*list);
        if (auto checked = checkConeGeomRecord(out.geom, kind); !checked) return refusedValue(checked.error());
    }
    return out;
}

ConePreRecord preRecordForSave(const ConePreRecord& held, const ConeGeomRecord& geom) {
    ConePreRecord pre = held;
    if (pre.status != kConePreStatus) {
        pre.alphaDeg = geom.alphaDeg;
        pre.alphaMin = geom.alphaMin;
        pre.alphaSec = geom.alphaSec;
        pre.betaDeg = geom.betaDeg;
        pre.betaMin = geom.betaMin;
        pre.betaSec = geom.betaSec;
        pre.cStar = geom.cStar;
        pre.haStar = geom.haStar;
        pre.mt = geom.mt;
        pre.toothSystem = geom.toothSystem;
        pre.z1 = static_cast<std::uint32_t>(geom.z1 > 0 ? geom.z1 : 0);
        pre.z2 = static_cast<std::uint32_t>(geom.z2 > 0 ? geom.z2 : 0);
        pre.x1 = geom.x1;
        pre.x2 = geom.x2;
        pre.xt1 = geom.xt1;
        pre.xt2 = geom.xt2;
        pre.date = geom.date;
        pre.number = geom.number;
        pre.title = geom.title;
        pre.status = kConePreStatus;
        // The inputs the design gives; a preliminary load shows them as given.
        pre.mask = kBitC | kBitHa | kBitZ1 | kBitZ2 | kBitX | kBitXt;
        if (pre.alphaDegrees() >= 14.5 && pre.alphaDegrees() <= 25) pre.mask |= kBitAlpha;
    }
    if (geom.z1 > 0) pre.i = static_cast<double>(geom.z2) / geom.z1;
    return pre;
}

std::vector<std::uint8_t> coneGeomFileBytes(const ConePreRecord& pre, const ConeGeomRecord& geom,
                                            std::int64_t timeStamp) {
    std::vector<std::vector<std::uint8_t>> records{writeConePreRecord(pre), writeConeGeomRecord(geom)};
    return kavrin::designFileBytes(kavrin::makeHeader(kConeDesignKind, kavrin::kWordConDesign, timeStamp), records);
}

fw::Expected<void, ConeSaveError> saveConeGeomDesign(ConeKind kind, const std::filesystem::path& data,
                                                     const ConePreRecord& pre, const ConeGeomRecord& geom,
                                                     const std::filesystem::path& report, std::string_view reportUtf8,
                                                     std::int64_t timeStamp) {
    if (auto checked = checkConeGeomSave(kind, pre, geom); !checked)
        return fw::unexpected(ConeSaveError{checked.error(), {}});
    const std::vector<std::uint8_t> bytes = coneGeomFileBytes(pre, geom, timeStamp);
    auto saved = kavrin::saveDesignAndReport(data, bytes, report, reportUtf8, fw::SaveTransaction::Mode::Append);
    if (!saved) return fw::unexpected(ConeSaveError{"", saved.error()});
    return {};
}

fw::Expected<void, std::string> checkConeGeomSave(ConeKind kind, const ConePreRecord& pre, const ConeGeomRecord& geom) {
    if (auto checked = checkConeGeomRecord(geom, kind); !checked) return checked;
    if (pre.status != kConePreStatus || !plausibleConePreRecord(pre) || !preliminaryFitsGeometry(pre))
        return fw::unexpected(std::string("预定设计数据无效。"));
    return {};
}

std::string coneSaveRefusedMessage(const std::string& reason) { return "数据未保存：" + reason; }

std::string coneResultRefusedMessage(const std::string& reason) {
    return "计算结果不能采用：" + reason + "\n请修改输入数据后重新计算!";
}

}  // namespace bevel
