#include "bevel/preliminary/calc/cone_pre_record.h"

#include <cmath>

#include "common/calc/design_file.h"
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

// An input whose completion bit is set passed "> 0"; one not yet given may
// still be zero.
bool positiveInput(double v, std::int32_t mask, std::int32_t bit) {
    if (!std::isfinite(v)) return false;
    return (mask & bit) ? v > 0 : v >= 0;
}

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
    const std::int32_t m = r.mask;
    auto fault = [](const char* field) { return std::optional<ConePreFault>(ConePreFault{field}); };
    if (r.status != kConePreStatus) return fault("记录状态");
    if (!inRange(m, 0, kMaskComplete)) return fault("完成标记");
    if (!inRange(r.toothSystem, 0, kToothSystemCount - 1)) return fault("齿形制");
    if (!inRange(r.alphaDeg, 0, 30) || !inRange(r.alphaMin, 0, 59) || !inRange(r.alphaSec, 0, 59) ||
        ((m & kBitAlpha) && !(r.alphaDegrees() >= 14.5 && r.alphaDegrees() <= 25)))
        return fault("齿形角 α");
    if (!inRange(r.betaDeg, 0, 60) || !inRange(r.betaMin, 0, 59) || !inRange(r.betaSec, 0, 59))
        return fault("中点螺旋角 βm");
    if (!(std::isfinite(r.haStar) && r.haStar >= 0 && r.haStar <= 1.1)) return fault("齿顶高系数 ha*");
    if (!(std::isfinite(r.cStar) && r.cStar >= 0)) return fault("齿顶隙系数 c*");
    if (!(std::isfinite(r.mt) && r.mt >= 0)) return fault("大端端面模数 mt");
    if (r.z1 > kMaxTeeth || ((m & kBitZ1) && r.z1 == 0)) return fault("小齿轮齿数 Z1");
    if (r.z2 > kMaxTeeth || ((m & kBitZ2) && (r.z2 == 0 || ((m & kBitZ1) && r.z2 < r.z1))))
        return fault("大齿轮齿数 Z2");
    if (!(std::isfinite(r.i) && r.i >= 0) || ((m & kBitZ1) && (m & kBitZ2) && r.i < 1)) return fault("传动比 i");
    struct Input {
        double v;
        std::int32_t bit;
        const char* field;
    };
    for (Input in : {Input{r.n1, kBitN1, "输入转速 n1"}, Input{r.n2, kBitN2, "输出转速 n2"},
                     Input{r.p, kBitP, "传递功率 P"}, Input{r.t, kBitT, "输出扭矩 T"},
                     Input{r.sigmaHlim, kBitSigmaH, "接触强度极限 σHlim"},
                     Input{r.sigmaFlim, kBitSigmaF, "弯曲强度极限 σFlim"}, Input{r.ka, kBitKA, "工况系数 KA"},
                     Input{r.khBeta, kBitKHbeta, "接触齿向载荷分布系数 KHβ"},
                     Input{r.kwBeta, kBitKwbeta, "弯曲齿向载荷分布系数 Kwβ"}})
        if (!positiveInput(in.v, m, in.bit)) return fault(in.field);
    if (!std::isfinite(r.x1) || !std::isfinite(r.x2)) return fault("径向变位系数 χ1");
    if (!std::isfinite(r.xt1) || !std::isfinite(r.xt2)) return fault("切向变位系数 χτ1");
    if (!std::isfinite(r.yf)) return fault("齿形系数 YF");
    return std::nullopt;
}

bool plausibleConePreRecord(const ConePreRecord& r) { return !checkConePreRecord(r); }

std::string conePreSaveRefusal(const ConePreFault& f) {
    return fw::format("%s的数值无效，数据没有保存。请改正后再保存。", f.field);
}

fw::Expected<LoadedConePre, std::string> loadConePreFile(std::span<const std::uint8_t> file) {
    auto body = kavrin::splitDesignFile(file, ConePreRecord::kSize);
    if (!body) return fw::unexpected(std::string(kMsgConeNotBevelData));
    if (!body->oldFile && body->header.word != kavrin::kWordConDesign)
        return fw::unexpected(std::string(kMsgConeNotBevelData));
    ConePreRecord record = readConePreRecord(body->records.first<ConePreRecord::kSize>());
    if (checkConePreRecord(record)) return fw::unexpected(std::string(kMsgConeUnfinished));
    std::size_t start = body->oldFile ? 0 : kavrin::CDataFileHeader::kSize;
    return LoadedConePre{record, body->oldFile, file.subspan(start + ConePreRecord::kSize)};
}

}  // namespace bevel
