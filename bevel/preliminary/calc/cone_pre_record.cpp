#include "bevel/preliminary/calc/cone_pre_record.h"

#include "bevel/preliminary/calc/cone_pre_ranges.h"

#include <cmath>

#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/format.h"
#include "fw/record.h"

namespace bevel {

namespace {

// Field offsets.
enum : std::size_t {
    kMask = 0, kAlphaDeg = 4, kAlphaMin = 8, kAlphaSec = 12, kBetaDeg = 16, kBetaMin = 20, kBetaSec = 24,
    kReserved1 = 28, kC = 32, kHa = 40, kMt = 48, kToothSystem = 56, kZ1 = 60, kZ2 = 64, kReserved2 = 68,
    kN1 = 72, kN2 = 80, kI = 88, kP = 96, kT = 104, kYf = 112, kSigmaH = 120, kSigmaF = 128, kX1 = 136,
    kX2 = 144, kXt2 = 152, kXt1 = 160, kKa = 168, kKhBeta = 176, kKwBeta = 184, kDate = 192,
    kStatus = 212, kNumber = 216, kTitle = 280,
};
constexpr std::size_t kDateWidth = 20, kTextWidth = 64;
static_assert(kReserved1 == kBetaSec + 4 && kC == kReserved1 + 4);
static_assert(kToothSystem == kMt + 8 && kReserved2 == kZ2 + 4 && kN1 == kReserved2 + 4);
static_assert(kKwBeta + 8 == kDate && kStatus == kDate + kDateWidth);
static_assert(kNumber == kStatus + 4 && kTitle == kNumber + kTextWidth);
static_assert(kTitle + kTextWidth == ConePreRecord::kSize);

bool inRange(std::int64_t v, std::int64_t lo, std::int64_t hi) { return v >= lo && v <= hi; }

}  // namespace

std::vector<std::uint8_t> writeConePreRecord(const ConePreRecord& r) {
    fw::RecordWriter w(ConePreRecord::kSize);
    w.i32(kMask, r.mask);
    w.i32(kAlphaDeg, r.alphaDeg);
    w.i32(kAlphaMin, r.alphaMin);
    w.i32(kAlphaSec, r.alphaSec);
    w.i32(kBetaDeg, r.betaDeg);
    w.i32(kBetaMin, r.betaMin);
    w.i32(kBetaSec, r.betaSec);
    w.f64(kC, r.cStar);
    w.f64(kHa, r.haStar);
    w.f64(kMt, r.mt);
    w.i32(kToothSystem, r.toothSystem);
    w.u32(kZ1, r.z1);
    w.u32(kZ2, r.z2);
    w.f64(kN1, r.n1);
    w.f64(kN2, r.n2);
    w.f64(kI, r.i);
    w.f64(kP, r.p);
    w.f64(kT, r.t);
    w.f64(kYf, r.yf);
    w.f64(kSigmaH, r.sigmaHlim);
    w.f64(kSigmaF, r.sigmaFlim);
    w.f64(kX1, r.x1);
    w.f64(kX2, r.x2);
    w.f64(kXt2, r.xt2);
    w.f64(kXt1, r.xt1);
    w.f64(kKa, r.ka);
    w.f64(kKhBeta, r.khBeta);
    w.f64(kKwBeta, r.kwBeta);
    w.text(kDate, kDateWidth, r.date);
    w.i32(kStatus, r.status);
    w.text(kNumber, kTextWidth, r.number);
    w.text(kTitle, kTextWidth, r.title);
    return w.take();
}

ConePreRecord readConePreRecord(std::span<const std::uint8_t, ConePreRecord::kSize> bytes) {
    fw::RecordReader rd(bytes);
    ConePreRecord r;
    r.mask = rd.i32(kMask);
    r.alphaDeg = rd.i32(kAlphaDeg);
    r.alphaMin = rd.i32(kAlphaMin);
    r.alphaSec = rd.i32(kAlphaSec);
    r.betaDeg = rd.i32(kBetaDeg);
    r.betaMin = rd.i32(kBetaMin);
    r.betaSec = rd.i32(kBetaSec);
    r.cStar = rd.f64(kC);
    r.haStar = rd.f64(kHa);
    r.mt = rd.f64(kMt);
    r.toothSystem = rd.i32(kToothSystem);
    r.z1 = rd.u32(kZ1);
    r.z2 = rd.u32(kZ2);
    r.n1 = rd.f64(kN1);
    r.n2 = rd.f64(kN2);
    r.i = rd.f64(kI);
    r.p = rd.f64(kP);
    r.t = rd.f64(kT);
    r.yf = rd.f64(kYf);
    r.sigmaHlim = rd.f64(kSigmaH);
    r.sigmaFlim = rd.f64(kSigmaF);
    r.x1 = rd.f64(kX1);
    r.x2 = rd.f64(kX2);
    r.xt2 = rd.f64(kXt2);
    r.xt1 = rd.f64(kXt1);
    r.ka = rd.f64(kKa);
    r.khBeta = rd.f64(kKhBeta);
    r.kwBeta = rd.f64(kKwBeta);
    r.date = rd.text(kDate, kDateWidth);
    r.status = rd.i32(kStatus);
    r.number = rd.text(kNumber, kTextWidth);
    r.title = rd.text(kTitle, kTextWidth);
    return r;
}

std::string coneRenameNotice(const std::filesystem::path& renamed) {
    return fw::format("数据将以合法文件名%s保存。", renamed.string().c_str());
}

ConeDataName normaliseConeDataName(const std::filesystem::path& chosen) {
    std::string name = chosen.filename().string();
    if (name.find(kExtConeData, 1) != std::string::npos) return {chosen, false};
    auto dot = name.find('.', 1);
    if (dot == std::string::npos) return {chosen.parent_path() / (name + std::string(kExtConeData)), false};
    return {chosen.parent_path() / (name.substr(0, dot) + std::string(kExtConeData)), true};
}

bool hasConeDataExtension(const std::filesystem::path& p) {
    return kavrin::hasDataExtension(p, kExtConeData);
}

std::filesystem::path coneReportName(const std::filesystem::path& data) {
    return kavrin::loadReportName(data, kExtConeData, kExtConeReport);
}

std::vector<std::uint8_t> conePreFileBytes(const ConePreRecord& r, std::int64_t timeStamp) {
    std::vector<std::vector<std::uint8_t>> records{writeConePreRecord(r)};
    return kavrin::designFileBytes(kavrin::makeHeader(kConeDesignKind, kavrin::kWordConDesign, timeStamp),
                                   records);
}

std::optional<ConePreFault> checkConePreRecord(const ConePreRecord& r) {
    namespace q = cone_pre;
    using kavrin::Quantity;
    const std::int32_t m = r.mask;
    auto fault = [](std::string_view field, std::string refusal) {
        return std::optional<ConePreFault>(ConePreFault{field, std::move(refusal)});
    };
    auto notThisKind = [](std::string_view field, std::string refusal) {
        return std::optional<ConePreFault>(ConePreFault{field, std::move(refusal), true});
    };
    if (r.status != kConePreStatus) return notThisKind("记录状态", kMsgConeUnfinished);
    if (!inRange(m, 0, kMaskComplete)) return notThisKind("完成标记", "完成标记：不是有效的数据。");
    if (!inRange(r.toothSystem, 0, kToothSystemCount - 1)) return notThisKind("齿形制", "齿形制：不是可选的一项。");
    // Whole numbers: the angle parts and the tooth numbers.
    struct Count {
        const Quantity& qty;
        std::int64_t v;
    };
    for (Count c : {Count{q::kAlphaDeg, r.alphaDeg}, Count{q::kAlphaMin, r.alphaMin}, Count{q::kAlphaSec, r.alphaSec},
                    Count{q::kBetaDeg, r.betaDeg}, Count{q::kBetaMin, r.betaMin}, Count{q::kBetaSec, r.betaSec},
                    Count{q::kZ1, r.z1}, Count{q::kZ2, r.z2}})
        if (!c.qty.admits(static_cast<double>(c.v))) return fault(c.qty.name, kavrin::countRefusal(c.qty));
    if ((m & kBitAlpha) && !q::kAlpha.admits(r.alphaDegrees())) return fault(q::kAlpha.name, kavrin::quantityRefusal(q::kAlpha));
    if ((m & kBitZ1) && r.z1 == 0) return fault(q::kZ1.name, kavrin::countRefusal(q::given(q::kZ1)));
    if ((m & kBitZ2) && r.z2 == 0) return fault(q::kZ2.name, kavrin::countRefusal(q::given(q::kZ2)));
    if ((m & kBitZ1) && (m & kBitZ2) && r.z2 < r.z1)
        return fault(q::kZ2.name, std::string(q::kZ2.name) + "：不能小于小齿轮齿数 Z1。");
    // Numbers; an input whose completion bit is set is given.
    struct Number {
        const Quantity& qty;
        double v;
        std::int32_t bit;  // 0: no completion bit of its own
    };
    const std::int32_t bothTeeth = (m & kBitZ1) && (m & kBitZ2) ? kBitZ1 : 0;
    for (Number n : {Number{q::kHaStar, r.haStar, 0}, Number{q::kCStar, r.cStar, 0}, Number{q::kMt, r.mt, 0},
                     Number{q::kI, r.i, bothTeeth}, Number{q::kN1, r.n1, kBitN1}, Number{q::kN2, r.n2, kBitN2},
                     Number{q::kP, r.p, kBitP}, Number{q::kT, r.t, kBitT}, Number{q::kSigmaHlim, r.sigmaHlim, kBitSigmaH},
                     Number{q::kSigmaFlim, r.sigmaFlim, kBitSigmaF}, Number{q::kKa, r.ka, kBitKA},
                     Number{q::kKhBeta, r.khBeta, kBitKHbeta}, Number{q::kKwBeta, r.kwBeta, kBitKwbeta},
                     Number{q::kX1, r.x1, 0}, Number{q::kX2, r.x2, 0}, Number{q::kXt1, r.xt1, 0}, Number{q::kXt2, r.xt2, 0},
                     Number{q::kYf, r.yf, 0}}) {
        const Quantity range = n.bit && (m & n.bit) ? q::given(n.qty) : n.qty;
        if (!range.admits(n.v)) return fault(n.qty.name, kavrin::quantityRefusal(range));
    }
    return std::nullopt;
}

bool plausibleConePreRecord(const ConePreRecord& r) { return !checkConePreRecord(r); }

std::string conePreSaveRefusal(const ConePreFault& f) { return f.refusal + "\n数据没有保存。请改正后再保存。"; }

fw::Expected<LoadedConePre, std::string> loadConePreFile(std::span<const std::uint8_t> file) {
    auto body = kavrin::splitDesignFile(file, ConePreRecord::kSize);
    if (!body) return fw::unexpected(std::string(kMsgConeNotBevelData));
    if (!body->oldFile && body->header.word != kavrin::kWordConDesign)
        return fw::unexpected(std::string(kMsgConeNotBevelData));
    ConePreRecord record = readConePreRecord(body->records.first<ConePreRecord::kSize>());
    if (auto fault = checkConePreRecord(record)) {
        if (record.status != kConePreStatus) return fw::unexpected(std::string(kMsgConeUnfinished));
        if (fault->notThisKind) return fw::unexpected(std::string(kMsgConeUnfinished) + "\n" + fault->refusal);
        return fw::unexpected(kavrin::refusedOnLoad(fault->refusal));
    }
    std::size_t start = body->oldFile ? 0 : kavrin::CDataFileHeader::kSize;
    return LoadedConePre{record, body->oldFile, file.subspan(start + ConePreRecord::kSize)};
}

}  // namespace bevel
