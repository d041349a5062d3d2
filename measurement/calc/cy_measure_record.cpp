#include "measurement/calc/cy_measure_record.h"

#include <cmath>
#include <system_error>

#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/file.h"
#include "fw/record.h"
#include "measurement/calc/measure_record_check.h"

namespace measurement {

namespace {

// Field offsets from the start of the record.
enum : std::size_t {
    kType = 0, kA = 8, kAlphaAt1 = 16, kAlphaAt2 = 24, kAlphaN = 32, kAlphaT = 40, kAlphaW = 48, kAw = 56,
    kBetaDeg = 64, kBetaMin = 68, kBetaSec = 72, kCStar = 80, kD1 = 88, kD2 = 96, kDw1 = 104, kDw2 = 112,
    kDa1 = 120, kDa2 = 128, kDeltaYn = 136, kDf1 = 144, kDf2 = 152, kDb1 = 160, kDb2 = 168, kDp = 176,
    kMp1 = 184, kMp2 = 192, kDM1i = 200, kDM1s = 208, kDM2i = 216, kDM2s = 224, kH1 = 232, kHa1 = 240,
    kHa2 = 248, kHaStar = 256, kHc1 = 264, kHc2 = 272, kHf1 = 280, kHf2 = 288, kKw1 = 296, kKw2 = 300,
    kMn = 304, kMt = 320, kSc1 = 328, kSc2 = 336, kU = 344, kW1 = 352, kW2 = 360, kDW1i = 368, kDW1s = 376,
    kDW2i = 384, kDW2s = 392, kXn1 = 400, kXn2 = 408, kXnSum = 416, kYt = 424, kZ1 = 432, kZ2 = 436,
    kZv1 = 440, kZv2 = 448, kTitle = 456, kNumber = 520, kDate = 584, kEpsilon = 592, kSolveMode = 600,
};
constexpr std::size_t kTextWidth = 64;
static_assert(kNumber == kTitle + kTextWidth && kDate == kNumber + kTextWidth);
static_assert(kSolveMode + 8 == CyMeasureRecord::kSize);
static_assert(kMt == kMn + 16 && kKw2 + 4 == kMn);
static_assert(kCyMeasureFileSize == 672);

struct Checked {
    kavrin::CDataFileHeader header;
    CyMeasureRecord record;
};

// Length, version and word; the refusal of a short or foreign file is
// `notThisKind`.
fw::Expected<Checked, std::string> split(std::span<const std::uint8_t> file, const char* notThisKind) {
    if (file.size() < kCyMeasureFileSize) return fw::unexpected(std::string(notThisKind));
    auto header = kavrin::readHeader(file);
    if (!header) return fw::unexpected(std::string(notThisKind));
    if (header->isOldFile()) return fw::unexpected(std::string(kavrin::kMsgOldFile));
    if (header->word != kavrin::kWordCyMeasure) return fw::unexpected(std::string(notThisKind));
    auto record = readCyMeasureRecord(file.subspan(kavrin::CDataFileHeader::kSize, CyMeasureRecord::kSize));
    if (!record) return fw::unexpected(std::string(notThisKind));
    return Checked{*header, *record};
}

}  // namespace

std::vector<std::uint8_t> writeCyMeasureRecord(const CyMeasureRecord& r) {
    fw::RecordWriter w(CyMeasureRecord::kSize);
    w.i32(kType, r.type);
    w.f64(kA, r.a);
    w.f64(kAlphaAt1, r.alphaAt[0]);
    w.f64(kAlphaAt2, r.alphaAt[1]);
    w.f64(kAlphaN, r.alphaN);
    w.f64(kAlphaT, r.alphaT);
    w.f64(kAlphaW, r.alphaW);
    w.f64(kAw, r.aw);
    w.u32(kBetaDeg, r.betaDeg);
    w.u32(kBetaMin, r.betaMin);
    w.f64(kBetaSec, r.betaSec);
    w.f64(kCStar, r.cStar);
    w.f64(kD1, r.d[0]);
    w.f64(kD2, r.d[1]);
    w.f64(kDw1, r.dw[0]);
    w.f64(kDw2, r.dw[1]);
    w.f64(kDa1, r.da[0]);
    w.f64(kDa2, r.da[1]);
    w.f64(kDeltaYn, r.deltaYn);
    w.f64(kDf1, r.df[0]);
    w.f64(kDf2, r.df[1]);
    w.f64(kDb1, r.db[0]);
    w.f64(kDb2, r.db[1]);
    w.f64(kDp, r.dp);
    w.f64(kMp1, r.mp[0]);
    w.f64(kMp2, r.mp[1]);
    w.f64(kDM1i, r.dMi[0]);
    w.f64(kDM1s, r.dMs[0]);
    w.f64(kDM2i, r.dMi[1]);
    w.f64(kDM2s, r.dMs[1]);
    w.f64(kH1, r.h1);
    w.f64(kHa1, r.ha[0]);
    w.f64(kHa2, r.ha[1]);
    w.f64(kHaStar, r.haStar);
    w.f64(kHc1, r.hc[0]);
    w.f64(kHc2, r.hc[1]);
    w.f64(kHf1, r.hf[0]);
    w.f64(kHf2, r.hf[1]);
    w.u32(kKw1, r.kw[0]);
    w.u32(kKw2, r.kw[1]);
    w.f64(kMn, r.mn);
    w.f64(kMt, r.mt);
    w.f64(kSc1, r.sc[0]);
    w.f64(kSc2, r.sc[1]);
    w.f64(kU, r.u);
    w.f64(kW1, r.w[0]);
    w.f64(kW2, r.w[1]);
    w.f64(kDW1i, r.dWi[0]);
    w.f64(kDW1s, r.dWs[0]);
    w.f64(kDW2i, r.dWi[1]);
    w.f64(kDW2s, r.dWs[1]);
    w.f64(kXn1, r.xn[0]);
    w.f64(kXn2, r.xn[1]);
    w.f64(kXnSum, r.xnSum);
    w.f64(kYt, r.yt);
    w.u32(kZ1, r.z[0]);
    w.u32(kZ2, r.z[1]);
    w.f64(kZv1, r.zv[0]);
    w.f64(kZv2, r.zv[1]);
    w.text(kTitle, kTextWidth, r.title);
    w.text(kNumber, kTextWidth, r.number);
    w.i64(kDate, r.date);
    w.f64(kEpsilon, r.epsilon);
    w.u32(kSolveMode, r.solveMode);
    return w.take();
}

std::optional<CyMeasureRecord> readCyMeasureRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < CyMeasureRecord::kSize) return std::nullopt;
    fw::RecordReader rd(bytes.first(CyMeasureRecord::kSize));
    CyMeasureRecord r;
    r.type = rd.i32(kType);
    r.a = rd.f64(kA);
    r.alphaAt[0] = rd.f64(kAlphaAt1);
    r.alphaAt[1] = rd.f64(kAlphaAt2);
    r.alphaN = rd.f64(kAlphaN);
    r.alphaT = rd.f64(kAlphaT);
    r.alphaW = rd.f64(kAlphaW);
    r.aw = rd.f64(kAw);
    r.betaDeg = rd.u32(kBetaDeg);
    r.betaMin = rd.u32(kBetaMin);
    r.betaSec = rd.f64(kBetaSec);
    r.cStar = rd.f64(kCStar);
    r.d[0] = rd.f64(kD1);
    r.d[1] = rd.f64(kD2);
    r.dw[0] = rd.f64(kDw1);
    r.dw[1] = rd.f64(kDw2);
    r.da[0] = rd.f64(kDa1);
    r.da[1] = rd.f64(kDa2);
    r.deltaYn = rd.f64(kDeltaYn);
    r.df[0] = rd.f64(kDf1);
    r.df[1] = rd.f64(kDf2);
    r.db[0] = rd.f64(kDb1);
    r.db[1] = rd.f64(kDb2);
    r.dp = rd.f64(kDp);
    r.mp[0] = rd.f64(kMp1);
    r.mp[1] = rd.f64(kMp2);
    r.dMi[0] = rd.f64(kDM1i);
    r.dMs[0] = rd.f64(kDM1s);
    r.dMi[1] = rd.f64(kDM2i);
    r.dMs[1] = rd.f64(kDM2s);
    r.h1 = rd.f64(kH1);
    r.ha[0] = rd.f64(kHa1);
    r.ha[1] = rd.f64(kHa2);
    r.haStar = rd.f64(kHaStar);
    r.hc[0] = rd.f64(kHc1);
    r.hc[1] = rd.f64(kHc2);
    r.hf[0] = rd.f64(kHf1);
    r.hf[1] = rd.f64(kHf2);
    r.kw[0] = rd.u32(kKw1);
    r.kw[1] = rd.u32(kKw2);
    r.mn = rd.f64(kMn);
    r.mt = rd.f64(kMt);
    r.sc[0] = rd.f64(kSc1);
    r.sc[1] = rd.f64(kSc2);
    r.u = rd.f64(kU);
    r.w[0] = rd.f64(kW1);
    r.w[1] = rd.f64(kW2);
    r.dWi[0] = rd.f64(kDW1i);
    r.dWs[0] = rd.f64(kDW1s);
    r.dWi[1] = rd.f64(kDW2i);
    r.dWs[1] = rd.f64(kDW2s);
    r.xn[0] = rd.f64(kXn1);
    r.xn[1] = rd.f64(kXn2);
    r.xnSum = rd.f64(kXnSum);
    r.yt = rd.f64(kYt);
    r.z[0] = rd.u32(kZ1);
    r.z[1] = rd.u32(kZ2);
    r.zv[0] = rd.f64(kZv1);
    r.zv[1] = rd.f64(kZv2);
    r.title = rd.text(kTitle, kTextWidth);
    r.number = rd.text(kNumber, kTextWidth);
    r.date = rd.i64(kDate);
    r.epsilon = rd.f64(kEpsilon);
    r.solveMode = rd.u32(kSolveMode);
    return r;
}

std::vector<std::uint8_t> cyMeasureFileBytes(std::int32_t kind, const CyMeasureRecord& r, std::int64_t timeStamp) {
    std::vector<std::vector<std::uint8_t>> records{writeCyMeasureRecord(r)};
    return kavrin::designFileBytes(kavrin::makeHeader(kind, kavrin::kWordCyMeasure, timeStamp), records);
}

fw::Expected<LoadedMeasure, std::string> loadSingleMeasureFile(std::span<const std::uint8_t> file) {
    auto c = split(file, kMsgNotMeasureFile);
    if (!c) return fw::unexpected(c.error());
    const std::int32_t kind = c->header.kind;
    if (kind == kKindPair) return fw::unexpected(std::string(kMsgPairFile));
    if (kind != kKindSingleExternal && kind != kKindSingleInternal) return fw::unexpected(std::string(kMsgBadData));
    if (auto fault = singleListFault(kind, c->record)) return fw::unexpected(loadRefusal(*fault));
    if (auto fault = singleRecordFault(kind, c->record)) return fw::unexpected(kavrin::refusedOnLoad(*fault));
    return LoadedMeasure{kind, c->record};
}

fw::Expected<LoadedMeasure, std::string> loadPairMeasureFile(std::span<const std::uint8_t> file) {
    auto c = split(file, kMsgNotPairFile);
    if (!c) return fw::unexpected(c.error());
    if (c->header.kind != kKindPair) return fw::unexpected(std::string(kMsgNotPairFile));
    if (auto fault = pairListFault(c->record)) return fw::unexpected(loadRefusal(*fault));
    if (auto fault = pairRecordFault(c->record)) return fw::unexpected(kavrin::refusedOnLoad(*fault));
    return LoadedMeasure{kKindPair, c->record};
}

fw::Expected<std::vector<std::uint8_t>, std::string> readMeasureBytes(const std::filesystem::path& p,
                                                                       const char* shortMessage) {
    auto bytes = fw::readFile(p, kCyMeasureFileSize);
    if (!bytes) return fw::unexpected(bytes.error().openMessage());
    if (bytes->size() < kCyMeasureFileSize) return fw::unexpected(std::string(shortMessage));
    return std::move(*bytes);
}

fw::Expected<LoadedMeasure, std::string> readMeasureFile(const std::filesystem::path& p) {
    auto bytes = readMeasureBytes(p, kMsgNotMeasureFile);
    if (!bytes) return fw::unexpected(bytes.error());
    auto header = kavrin::readHeader(*bytes);
    if (header && header->kind == kKindPair) return loadPairMeasureFile(*bytes);
    return loadSingleMeasureFile(*bytes);
}

std::optional<std::filesystem::path> measureReportPath(const std::filesystem::path& data) {
    const std::string name = data.filename().string();
    const auto pos = name.find(".cyb");
    if (pos == std::string::npos || pos == 0) return std::nullopt;
    return data.parent_path() / (name.substr(0, pos) + ".cyt");
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daySeconds(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (era * 146097 + doe - 719468) * 86400;
}

CivilDate civilDate(std::int64_t seconds) {
    std::int64_t z = (seconds >= 0 ? seconds : seconds - 86399) / 86400 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

}  // namespace measurement
