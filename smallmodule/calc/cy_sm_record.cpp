#include "smallmodule/calc/cy_sm_record.h"

#include <cmath>

#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/record.h"
#include "fw/text.h"
#include "smallmodule/calc/smcy_report.h"

namespace smallmodule {

namespace {

// Field offsets.
enum : std::size_t {
    kZero = 0, kA = 8, kAlphaAt1 = 16, kAlphaAt2 = 24, kAlphaOff = 32, kAlphaT1 = 40, kAlphaT2 = 48,
    kAlphaWt1 = 56, kAlphaWt2 = 64, kAw = 72, kBeta1 = 80, kBeta2 = 88, kBetaP1 = 96, kBetaP2 = 104,
    kBetaB1 = 112, kBetaB2 = 120, kCStarOff = 128, kD1 = 136, kD2 = 144, kDw1 = 152, kDw2 = 160,
    kDa1 = 168, kDa2 = 176, kDf1 = 184, kDf2 = 192, kDb1 = 200, kDb2 = 208, kDmp = 216, kMp1 = 224,
    kMp2 = 232, kDMi1 = 240, kDMs1 = 248, kDMi2 = 256, kDMs2 = 264, kHa1 = 272, kHa2 = 280,
    kHaStarOff = 288, kHf1 = 296, kHf2 = 304, kKw1 = 312, kKw2 = 316, kMn = 320, kModuleIndex = 328,
    kMt1 = 336, kMt2 = 344, kU = 352, kW1 = 360, kW2 = 368, kDWi1 = 376, kDWs1 = 384, kDWi2 = 392,
    kDWs2 = 400, kXn1 = 408, kXn2 = 416, kSumX = 424, kSigma = 432, kZ1 = 440, kZ2 = 444, kMnP = 448,
    kAlphaNP = 456, kB = 464, kF = 472, kTitle = 480, kNumber = 544, kDate = 608, kEps = 616,
    kRhoF = 624, kEta = 632, kPattern = 640, kReservedTail = 644,
};
constexpr std::size_t kTextWidth = CySmRecord::kTextWidth;
static_assert(kAlphaOff == CySmRecord::kOffAlpha && kMn == CySmRecord::kOffMn && kMnP == CySmRecord::kOffMnP &&
              kAlphaNP == CySmRecord::kOffAlphaNP && kPattern == CySmRecord::kOffPattern);
static_assert(kKw2 + 4 == kMn && kModuleIndex + 8 == kMt1 && kZ2 + 4 == kMnP);
static_assert(kNumber == kTitle + kTextWidth && kDate == kNumber + kTextWidth && kEps == kDate + 8);
static_assert(kReservedTail == kPattern + 4 && kReservedTail + 52 == CySmRecord::kSize);
static_assert(CySmRecord::kSize + kavrin::CDataFileHeader::kSize == CySmRecord::kFileSize);

using Fault = std::optional<std::string>;

Fault fault(const char* text) { return std::string(text); }
// A value its range takes that a field or a record may hold (no subnormal).
bool within(double v, const kavrin::Quantity& q) { return plainNumber(v) && q.admits(v); }

// A text that the 64-byte field holds as it is.
bool textFits(const std::string& t) {
    return fw::gbkWidth(t) <= kTextWidth - 1 && fw::utf8FromGbk(fw::gbkFromUtf8(t)) == t;
}

// The axis angle each pattern's field accepts (or presets).
bool axisAngleOfPattern(Pattern p, double sigma) {
    switch (p) {
    case Pattern::Parallel: return sigma == 0;
    case Pattern::HelicalSpur: return sigma > 0 && sigma <= 18;
    case Pattern::HelicalSum: return sigma > 0 && sigma < 90;
    case Pattern::Perpendicular: return sigma == 90;
    }
    return false;
}

}  // namespace

std::vector<std::uint8_t> writeCySmRecord(const CySmRecord& r) {
    const SmResult& o = r.out;
    fw::RecordWriter w(CySmRecord::kSize);
    w.i32(kZero, 0);
    w.f64(kA, o.a);
    w.f64(kAlphaAt1, o.g1.alphaAt);
    w.f64(kAlphaAt2, o.g2.alphaAt);
    w.f64(kAlphaOff, r.in.alpha);
    w.f64(kAlphaT1, o.g1.alphaT);
    w.f64(kAlphaT2, o.g2.alphaT);
    w.f64(kAlphaWt1, o.g1.alphaWt);
    w.f64(kAlphaWt2, o.g2.alphaWt);
    w.f64(kAw, r.in.aw);
    w.f64(kBeta1, r.in.beta1);
    w.f64(kBeta2, o.g2.beta);
    w.f64(kBetaP1, o.g1.betaP);
    w.f64(kBetaP2, o.g2.betaP);
    w.f64(kBetaB1, o.g1.betaB);
    w.f64(kBetaB2, o.g2.betaB);
    w.f64(kCStarOff, r.in.cStar);
    w.f64(kD1, o.g1.d);
    w.f64(kD2, o.g2.d);
    w.f64(kDw1, o.g1.dw);
    w.f64(kDw2, o.g2.dw);
    w.f64(kDa1, o.g1.da);
    w.f64(kDa2, o.g2.da);
    w.f64(kDf1, o.g1.df);
    w.f64(kDf2, o.g2.df);
    w.f64(kDb1, o.g1.db);
    w.f64(kDb2, o.g2.db);
    w.f64(kDmp, o.dmp);
    w.f64(kMp1, o.g1.mp);
    w.f64(kMp2, o.g2.mp);
    w.f64(kDMi1, r.dev.dMi1);
    w.f64(kDMs1, r.dev.dMs1);
    w.f64(kDMi2, r.dev.dMi2);
    w.f64(kDMs2, r.dev.dMs2);
    w.f64(kHa1, (o.g1.da - o.g1.d) / 2);
    w.f64(kHa2, (o.g2.da - o.g2.d) / 2);
    w.f64(kHaStarOff, r.in.haStar);
    w.f64(kHf1, (o.g1.d - o.g1.df) / 2);
    w.f64(kHf2, (o.g2.d - o.g2.df) / 2);
    w.i32(kKw1, o.g1.kw);
    w.i32(kKw2, o.g2.kw);
    w.f64(kMn, r.in.mn);
    w.i32(kModuleIndex, r.moduleIndex);
    w.f64(kMt1, o.g1.mt);
    w.f64(kMt2, o.g2.mt);
    w.f64(kU, r.in.u);
    w.f64(kW1, o.g1.w);
    w.f64(kW2, o.g2.w);
    w.f64(kDWi1, r.dev.dWi1);
    w.f64(kDWs1, r.dev.dWs1);
    w.f64(kDWi2, r.dev.dWi2);
    w.f64(kDWs2, r.dev.dWs2);
    w.f64(kXn1, o.g1.xn);
    w.f64(kXn2, o.g2.xn);
    w.f64(kSumX, o.sumX);
    w.f64(kSigma, r.in.sigma);
    w.i32(kZ1, o.g1.z);
    w.i32(kZ2, o.g2.z);
    w.f64(kMnP, o.mnP);
    w.f64(kAlphaNP, o.alphaNP);
    w.f64(kB, o.b);
    w.f64(kF, r.in.f);
    w.text(kTitle, kTextWidth, r.title);
    w.text(kNumber, kTextWidth, r.number);
    w.i64(kDate, r.date);
    w.f64(kEps, o.eps);
    w.f64(kRhoF, r.rhoF);
    w.f64(kEta, o.eta);
    w.i32(kPattern, static_cast<std::int32_t>(r.in.pattern));
    return w.take();
}

std::optional<CySmRecord> readCySmRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < CySmRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(CySmRecord::kSize));
    CySmRecord r;
    SmResult& o = r.out;
    o.a = rd.f64(kA);
    o.g1.alphaAt = rd.f64(kAlphaAt1);
    o.g2.alphaAt = rd.f64(kAlphaAt2);
    r.in.alpha = rd.f64(kAlphaOff);
    o.g1.alphaT = rd.f64(kAlphaT1);
    o.g2.alphaT = rd.f64(kAlphaT2);
    o.g1.alphaWt = rd.f64(kAlphaWt1);
    o.g2.alphaWt = rd.f64(kAlphaWt2);
    r.in.aw = o.aw = rd.f64(kAw);
    r.in.beta1 = o.g1.beta = rd.f64(kBeta1);
    o.g2.beta = rd.f64(kBeta2);
    o.g1.betaP = rd.f64(kBetaP1);
    o.g2.betaP = rd.f64(kBetaP2);
    o.g1.betaB = rd.f64(kBetaB1);
    o.g2.betaB = rd.f64(kBetaB2);
    r.in.cStar = rd.f64(kCStarOff);
    o.g1.d = rd.f64(kD1);
    o.g2.d = rd.f64(kD2);
    o.g1.dw = rd.f64(kDw1);
    o.g2.dw = rd.f64(kDw2);
    o.g1.da = rd.f64(kDa1);
    o.g2.da = rd.f64(kDa2);
    o.g1.df = rd.f64(kDf1);
    o.g2.df = rd.f64(kDf2);
    o.g1.db = rd.f64(kDb1);
    o.g2.db = rd.f64(kDb2);
    o.dmp = rd.f64(kDmp);
    o.g1.mp = rd.f64(kMp1);
    o.g2.mp = rd.f64(kMp2);
    r.dev.dMi1 = rd.f64(kDMi1);
    r.dev.dMs1 = rd.f64(kDMs1);
    r.dev.dMi2 = rd.f64(kDMi2);
    r.dev.dMs2 = rd.f64(kDMs2);
    r.in.haStar = rd.f64(kHaStarOff);
    o.g1.kw = rd.i32(kKw1);
    o.g2.kw = rd.i32(kKw2);
    r.in.mn = rd.f64(kMn);
    r.moduleIndex = rd.i32(kModuleIndex);
    o.g1.mt = rd.f64(kMt1);
    o.g2.mt = rd.f64(kMt2);
    r.in.u = o.u = rd.f64(kU);
    o.g1.w = rd.f64(kW1);
    o.g2.w = rd.f64(kW2);
    r.dev.dWi1 = rd.f64(kDWi1);
    r.dev.dWs1 = rd.f64(kDWs1);
    r.dev.dWi2 = rd.f64(kDWi2);
    r.dev.dWs2 = rd.f64(kDWs2);
    o.g1.xn = rd.f64(kXn1);
    o.g2.xn = rd.f64(kXn2);
    o.sumX = rd.f64(kSumX);
    r.in.sigma = rd.f64(kSigma);
    o.g1.z = rd.i32(kZ1);
    o.g2.z = rd.i32(kZ2);
    o.mnP = rd.f64(kMnP);
    o.alphaNP = rd.f64(kAlphaNP);
    o.b = rd.f64(kB);
    r.in.f = rd.f64(kF);
    r.title = rd.text(kTitle, kTextWidth);
    r.number = rd.text(kNumber, kTextWidth);
    r.date = rd.i64(kDate);
    o.eps = rd.f64(kEps);
    r.rhoF = rd.f64(kRhoF);
    o.eta = rd.f64(kEta);
    r.in.pattern = static_cast<Pattern>(rd.i32(kPattern));
    return r;
}

std::vector<std::uint8_t> cySmFileBytes(const CySmRecord& r, std::int64_t timeStamp) {
    std::vector<std::vector<std::uint8_t>> records{writeCySmRecord(r)};
    return kavrin::designFileBytes(kavrin::makeHeader(kCySmKind, kavrin::kWordCySmDesign, timeStamp), records);
}

std::optional<std::string> cySmListFault(const CySmRecord& r) {
    const int pattern = static_cast<int>(r.in.pattern);
    if (pattern < 0 || pattern >= kPatternCount) return fault("安装方式无效！");
    if (r.moduleIndex < 0 || r.moduleIndex >= kModuleCount ||
        r.in.mn != kModules[static_cast<std::size_t>(r.moduleIndex)])
        return fault("模数不是模数表中的数值！");
    return std::nullopt;
}

std::optional<std::string> cySmRecordFault(const CySmRecord& r) {
    const SmInput& in = r.in;
    if (auto f = cySmListFault(r)) return f;
    if (in.alpha != kAlpha || in.haStar != kHaStar || in.cStar != kCStar)
        return fault("齿形角、齿顶高系数或径向间隙系数不是基本齿廓的数值！");
    if (!plainNumber(r.rhoF) || std::abs(r.rhoF - 0.2 * in.mn) > 1e-12) return fault("齿根圆角半径ρ应为0.2·m！");
    if (!plainNumber(in.sigma) || !axisAngleOfPattern(in.pattern, in.sigma)) return fault("轴错角Σ与安装方式不符！");
    if (!within(in.u, sm_q::kU)) return fault("齿数比z2/z1应在1～10之间！");
    if (!plainNumber(in.aw) || !(in.aw > 0)) return fault("啮合轴距不能≤0!");
    if (!sm_q::kAw.admits(in.aw)) return kavrin::quantityRefusal(sm_q::kAw);
    if (!within(in.f, sm_q::kF)) return fault("摩擦系数f应在0～1之间！");
    if (!within(in.beta1, sm_q::kBeta1)) return fault("螺旋角β1应在0°～90°之间！");
    const SmDeviations& d = r.dev;
    for (double v : {d.dWs1, d.dWi1, d.dWs2, d.dWi2})
        if (!within(v, sm_q::kDWs1)) return fault("公法线偏差应在0～1mm之间！");
    for (double v : {d.dMs1, d.dMi1, d.dMs2, d.dMi2})
        if (!plainNumber(v) || v < 0) return fault("跨测距偏差的数值无效！");
    kavrin::RecordCheck check;
    check.quantity(sm_q::kDMs1, d.dMs1)
        .quantity(sm_q::kDMi1, d.dMi1)
        .quantity(sm_q::kDMs2, d.dMs2)
        .quantity(sm_q::kDMi2, d.dMi2);
    if (!check.ok()) return check.fault();
    if (!textFits(r.title)) return fault("标题超过63字节或含有不能保存的字符！");
    if (!textFits(r.number)) return fault("编号超过63字节或含有不能保存的字符！");
    if (r.date < secondsOfDate({1601, 1, 1}) || r.date > secondsOfDate({9999, 12, 31}) + 86399)
        return fault("日期无效！");
    // Every stored value in its range, in the words of its field, then the
    // rules between the values of a result.
    for (const ResultValue& x : resultValues(r.out)) {
        if (x.count) check.count(*x.q, static_cast<long long>(x.v));
        else check.quantity(*x.q, x.v);
    }
    if (!check.ok()) return check.fault();
    if (auto f = resultRuleFault(in, r.out)) return f->message;
    return std::nullopt;
}

std::string saveRefusal(const std::string& fault) { return fault + "\n数据未保存。"; }

fw::Expected<CySmRecord, std::string> loadCySmFile(std::span<const std::uint8_t> file) {
    auto refuse = [] { return fw::unexpected(std::string(kMsgNotSmFile)); };
    if (file.size() < CySmRecord::kFileSize) return refuse();
    auto header = kavrin::readHeader(file);
    if (!header || header->word != kavrin::kWordCySmDesign || header->version < kavrin::kHeaderVersion) return refuse();
    auto r = readCySmRecord(file.subspan(kavrin::CDataFileHeader::kSize, CySmRecord::kSize));
    if (!r) return refuse();
    // The pattern and the module index, subscripts of the dialog, are
    // checked first of all: outside their lists the file is none of ours.
    if (auto f = cySmListFault(*r)) return fw::unexpected(std::string(kMsgNotSmFile) + "\n" + *f);
    if (auto f = cySmRecordFault(*r)) return fw::unexpected(kavrin::refusedOnLoad(*f));
    return *r;
}

}  // namespace smallmodule
