#include "cylindrical/calc/cy_pre_record.h"

#include <cmath>

#include "common/calc/angle_split.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "cylindrical/calc/cy_pre_ranges.h"
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

// A slider value inside its range (a rounding's worth of slack).
bool inSliderRange(double v, double lower, double upper) { return v >= lower - 1e-9 && v <= upper + 1e-9; }

// The helix angle mn and ms give (what the mn field sets when it is left):
// none the β field refuses. An mn at or above ms gives β = 0.
bool impliedHelixTaken(const CyPreRecord& r) {
    if (!(r.mn > 0 && r.ms > r.mn)) return true;
    auto beta = helixAngle(r.mn, r.ms);
    return beta && kavrin::tripleToDegrees(*beta) <= kPreBetaMaxDeg;
}

kavrin::RecordCheck& checkLists(kavrin::RecordCheck& c, const CyPreRecord& r) {
    return c.index("支承配置", r.support, 3)
        .index("齿面硬度", r.hardness, 2)
        .index("载荷性质", r.loadNature, 3)
        .index("啮合方式", r.meshType, 2);
}

}  // namespace

std::optional<std::string> cyPreListFault(const CyPreRecord& r) {
    kavrin::RecordCheck c;
    return checkLists(c, r).fault();
}

std::optional<std::string> checkCyPreRecord(const CyPreRecord& r) {
    namespace q = pre_q;
    const double beta = kavrin::tripleToDegrees({r.betaDeg, r.betaMin, r.betaSec});
    kavrin::RecordCheck c;
    checkLists(c, r)
        .quantity(required(q::kI), r.i)
        .count(required(q::kZ1), r.z1)
        .count(required(q::kZ2), r.z2)
        .rule(r.z2 >= r.z1, kMsgTeethOrderPre)
        .rule(r.meshType != kMeshInternal || r.z2 > r.z1, kMsgInternalPair)
        .count(q::kBetaDeg, r.betaDeg)
        .count(q::kBetaMin, r.betaMin)
        .count(q::kBetaSec, r.betaSec)
        .rule(beta <= kPreBetaMaxDeg, kMsgPreBetaTooLarge)
        .quantity(q::kNi, r.ni)
        .quantity(q::kNo, r.no)
        .quantity(q::kP, r.p)
        .quantity(q::kT, r.t)
        .quantity(q::kA, r.a)
        .quantity(q::kMs, r.ms)
        .quantity(q::kMn, r.mn)
        .rule(impliedHelixTaken(r), kMsgPreImpliedBeta)
        .quantity(q::kSigmaHP, r.sigmaHP)
        .quantity(q::kSigmaFP, r.sigmaFP)
        .count(q::kPhiDPos, r.phiDPos)
        .count(q::kK1Pos, r.k1Pos)
        .count(q::kK2Pos, r.k2Pos)
        .quantity(q::kPhiDRangeEnd, r.phiDLower)
        .quantity(q::kPhiDRangeEnd, r.phiDUpper)
        .rule(r.phiDLower <= r.phiDUpper, "齿宽系数 φd：取值范围不正确。")
        .quantity(q::kK1RangeEnd, r.k1Lower)
        .quantity(q::kK1RangeEnd, r.k1Upper)
        .rule(r.k1Lower <= r.k1Upper, "载荷系数 K1：取值范围不正确。")
        .quantity(q::kK2RangeEnd, r.k2Lower)
        .quantity(q::kK2RangeEnd, r.k2Upper)
        .rule(r.k2Lower <= r.k2Upper, "载荷系数 K2：取值范围不正确。")
        .quantity(q::kPhiD, r.phiD)
        .quantity(q::kK1, r.k1)
        .quantity(q::kK2, r.k2)
        .rule(inSliderRange(r.phiD, r.phiDLower, r.phiDUpper), "齿宽系数 φd：超出所选的取值范围。")
        .rule(inSliderRange(r.k1, r.k1Lower, r.k1Upper), "载荷系数 K1：超出所选的取值范围。")
        .rule(inSliderRange(r.k2, r.k2Lower, r.k2Upper), "载荷系数 K2：超出所选的取值范围。");
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
    if (auto fault = cyPreListFault(*record)) return fw::unexpected(std::string(kMsgNotDesignFile) + "\n" + *fault);
    if (auto fault = checkCyPreRecord(*record)) return fw::unexpected(kavrin::refusedOnLoad(*fault));
    if (!calculatedCyPreRecord(*record)) return fw::unexpected(std::string(kMsgUnfinishedFile));
    return LoadedCyPre{*record, body->oldFile};
}

}  // namespace cylindrical
