#include "cylindrical/calc/cy_pre_record.h"

#include <cmath>

#include "common/calc/angle_split.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/preliminary.h"
#include "fw/record.h"

namespace cylindrical {

namespace {

// Field offsets.
enum : std::size_t {
    kZ1 = 0, kZ2 = 4, kBetaMin = 8, kBetaDeg = 12, kBetaSec = 16, kSupport = 20, kHardness = 24,
    kLoadNature = 28, kK2Pos = 32, kK2Lower = 40, kK2Upper = 48, kPhiDPos = 56, kPhiDLower = 64,
    kPhiDUpper = 72, kI = 88, kT = 96, kA = 104, kNi = 112, kNo = 120, kP = 128, kPhiD = 136,
    kK1 = 144, kK2 = 152, kK1Pos = 160, kK1Lower = 168, kK1Upper = 176, kSigmaHP = 184,
    kSigmaFP = 192, kMn = 200, kMs = 208, kMesh = 216, kStatus = 220, kDate = 224, kNumber = 244,
    kTitle = 308, kReservedTail = 372,
};
constexpr std::size_t kDateWidth = 20, kTextWidth = 64;
static_assert(kK2Lower == kK2Pos + 8 && kPhiDLower == kPhiDPos + 8 && kK1Lower == kK1Pos + 8);
static_assert(kI == kPhiDUpper + 16);
static_assert(kDate == kStatus + 4 && kNumber == kDate + kDateWidth && kTitle == kNumber + kTextWidth);
static_assert(kReservedTail == kTitle + kTextWidth && kReservedTail + 4 == CyPreRecord::kSize);

bool positive(double v) { return std::isfinite(v) && v > 0; }

// A slider's range: the tables' ranges lie between 0.2 and 4.2; any range
// of positive coefficients up to 10 keeps every slider value finite.
bool usableRange(double lower, double upper) { return positive(lower) && lower <= upper && upper <= 10; }
// A slider value inside its range (a rounding's worth of slack, never
// below zero).
bool inSliderRange(double v, double lower, double upper) {
    return std::isfinite(v) && v >= 0 && v >= lower - 1e-9 && v <= upper + 1e-9;
}

// The diameters the next steps derive (Z·ms, Z·mn/cos β, the centre
// distance) stay finite.
bool derivedFinite(const CyPreRecord& r) {
    const double c = std::cos(kavrin::tripleToRadians({r.betaDeg, r.betaMin, r.betaSec}));
    const double teeth = double(r.z1) + r.z2;
    for (double v : {teeth * r.ms, teeth * r.mn / c, r.z1 / (c * c * c), r.z2 / (c * c * c)})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

std::optional<std::string> checkCyPreRecord(const CyPreRecord& r) {
    const double beta = kavrin::tripleToDegrees({r.betaDeg, r.betaMin, r.betaSec});
    kavrin::RecordCheck c;
    c.index("支承配置", r.support, 3)
        .index("齿面硬度", r.hardness, 2)
        .index("载荷性质", r.loadNature, 3)
        .index("啮合方式", r.meshType, 2)
        .positive("传动比 i", r.i)
        .integer("小齿轮齿数 Z1", r.z1, 1, kavrin::kMaxTeeth)
        .integer("大齿轮齿数 Z2", r.z2, 1, kavrin::kMaxTeeth)
        .rule(r.z2 >= r.z1, kMsgTeethOrderPre)
        .rule(r.meshType != kMeshInternal || r.z2 > r.z1, kMsgInternalPair)
        .integer("β 度", r.betaDeg, 0, kPreBetaMaxDeg)
        .integer("β 分", r.betaMin, 0, 59)
        .integer("β 秒", r.betaSec, 0, 59)
        .rule(beta <= kPreBetaMaxDeg, kMsgPreBetaTooLarge)
        .notNegative("输入转速 ni", r.ni)
        .notNegative("输出转速 no", r.no)
        .notNegative("传动功率 P", r.p)
        .notNegative("输出扭矩 T", r.t)
        .notNegative("中心距 a", r.a)
        .notNegative("端面模数 ms", r.ms)
        .notNegative("法面模数 mn", r.mn)
        .number("许用接触强度 σHP", r.sigmaHP, kSigmaHPLimits.lower, kSigmaHPLimits.upper)
        .number("许用弯曲强度 σFP", r.sigmaFP, kSigmaFPLimits.lower, kSigmaFPLimits.upper)
        .integer("φd 滑块", r.phiDPos, 0, kSliderMax)
        .integer("K1 滑块", r.k1Pos, 0, kSliderMax)
        .integer("K2 滑块", r.k2Pos, 0, kSliderMax)
        .rule(usableRange(r.phiDLower, r.phiDUpper), "齿宽系数 φd：取值范围不正确。")
        .rule(usableRange(r.k1Lower, r.k1Upper), "K1：取值范围不正确。")
        .rule(usableRange(r.k2Lower, r.k2Upper), "K2：取值范围不正确。")
        .rule(inSliderRange(r.phiD, r.phiDLower, r.phiDUpper), "齿宽系数 φd：超出所选的取值范围。")
        .rule(inSliderRange(r.k1, r.k1Lower, r.k1Upper), "K1：超出所选的取值范围。")
        .rule(inSliderRange(r.k2, r.k2Lower, r.k2Upper), "K2：超出所选的取值范围。")
        .rule(derivedFinite(r), kMsgModuleTooLarge);
    return c.fault();
}

bool calculatedCyPreRecord(const CyPreRecord& r) { return positive(r.mn) && positive(r.ms); }

std::vector<std::uint8_t> writeCyPreRecord(const CyPreRecord& r) {
    fw::RecordWriter w(CyPreRecord::kSize);
    w.i32(kZ1, r.z1);
    w.i32(kZ2, r.z2);
    w.i32(kBetaMin, r.betaMin);
    w.i32(kBetaDeg, r.betaDeg);
    w.i32(kBetaSec, r.betaSec);
    w.i32(kSupport, r.support);
    w.i32(kHardness, r.hardness);
    w.i32(kLoadNature, r.loadNature);
    w.i32(kK2Pos, r.k2Pos);
    w.f64(kK2Lower, r.k2Lower);
    w.f64(kK2Upper, r.k2Upper);
    w.i32(kPhiDPos, r.phiDPos);
    w.f64(kPhiDLower, r.phiDLower);
    w.f64(kPhiDUpper, r.phiDUpper);
    w.f64(kI, r.i);
    w.f64(kT, r.t);
    w.f64(kA, r.a);
    w.f64(kNi, r.ni);
    w.f64(kNo, r.no);
    w.f64(kP, r.p);
    w.f64(kPhiD, r.phiD);
    w.f64(kK1, r.k1);
    w.f64(kK2, r.k2);
    w.i32(kK1Pos, r.k1Pos);
    w.f64(kK1Lower, r.k1Lower);
    w.f64(kK1Upper, r.k1Upper);
    w.f64(kSigmaHP, r.sigmaHP);
    w.f64(kSigmaFP, r.sigmaFP);
    w.f64(kMn, r.mn);
    w.f64(kMs, r.ms);
    w.i32(kMesh, r.meshType);
    w.i32(kStatus, r.status);
    w.text(kDate, kDateWidth, r.date);
    w.text(kNumber, kTextWidth, r.number);
    w.text(kTitle, kTextWidth, r.title);
    return w.take();
}

std::optional<CyPreRecord> readCyPreRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < CyPreRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(CyPreRecord::kSize));
    CyPreRecord r;
    r.z1 = rd.i32(kZ1);
    r.z2 = rd.i32(kZ2);
    r.betaMin = rd.i32(kBetaMin);
    r.betaDeg = rd.i32(kBetaDeg);
    r.betaSec = rd.i32(kBetaSec);
    r.support = rd.i32(kSupport);
    r.hardness = rd.i32(kHardness);
    r.loadNature = rd.i32(kLoadNature);
    r.k2Pos = rd.i32(kK2Pos);
    r.k2Lower = rd.f64(kK2Lower);
    r.k2Upper = rd.f64(kK2Upper);
    r.phiDPos = rd.i32(kPhiDPos);
    r.phiDLower = rd.f64(kPhiDLower);
    r.phiDUpper = rd.f64(kPhiDUpper);
    r.i = rd.f64(kI);
    r.t = rd.f64(kT);
    r.a = rd.f64(kA);
    r.ni = rd.f64(kNi);
    r.no = rd.f64(kNo);
    r.p = rd.f64(kP);
    r.phiD = rd.f64(kPhiD);
    r.k1 = rd.f64(kK1);
    r.k2 = rd.f64(kK2);
    r.k1Pos = rd.i32(kK1Pos);
    r.k1Lower = rd.f64(kK1Lower);
    r.k1Upper = rd.f64(kK1Upper);
    r.sigmaHP = rd.f64(kSigmaHP);
    r.sigmaFP = rd.f64(kSigmaFP);
    r.mn = rd.f64(kMn);
    r.ms = rd.f64(kMs);
    r.meshType = rd.i32(kMesh);
    r.status = rd.i32(kStatus);
    r.date = rd.text(kDate, kDateWidth);
    r.number = rd.text(kNumber, kTextWidth);
    r.title = rd.text(kTitle, kTextWidth);
    return r;
}

fw::Expected<std::vector<std::uint8_t>, std::string> cyPreSaveBytes(const CyPreRecord& r, std::int64_t timeStamp) {
    if (auto fault = checkCyPreRecord(r)) return fw::unexpected(*fault);
    return cyPreFileBytes(r, timeStamp);
}

std::vector<std::uint8_t> cyPreFileBytes(const CyPreRecord& r, std::int64_t timeStamp) {
    std::vector<std::vector<std::uint8_t>> records{writeCyPreRecord(r)};
    return kavrin::designFileBytes(kavrin::makeHeader(kCyDesignKind, kavrin::kWordCyDesign, timeStamp), records);
}

fw::Expected<LoadedCyPre, std::string> loadCyPreFile(std::span<const std::uint8_t> file) {
    auto body = kavrin::splitDesignFile(file, CyPreRecord::kSize);
    if (!body) return fw::unexpected(std::string(kMsgNotDesignFile));
    if (!body->oldFile) {
        if (body->header.word == kavrin::kWordCyMeasure) return fw::unexpected(std::string(kMsgMeasurementFile));
        if (body->header.word != kavrin::kWordCyDesign) return fw::unexpected(std::string(kMsgNotDesignFile));
    }
    auto record = readCyPreRecord(body->records);
    if (!record) return fw::unexpected(std::string(kMsgNotDesignFile));
    if (record->status != kCyPreStatus) return fw::unexpected(std::string(kMsgUnfinishedFile));
    if (auto fault = checkCyPreRecord(*record)) return fw::unexpected(std::string(kMsgNotDesignFile) + "\n" + *fault);
    if (!calculatedCyPreRecord(*record)) return fw::unexpected(std::string(kMsgUnfinishedFile));
    return LoadedCyPre{*record, body->oldFile};
}

}  // namespace cylindrical
