#include "worm/calc/cw_file.h"


#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "fw/format.h"
#include "fw/record.h"
#include "worm/calc/cw_record_check.h"

namespace worm {

namespace fs = std::filesystem;

std::string msgNotPreFile(const fs::path& p) { return fw::format("%s不是预定计算数据文件格式", p.string().c_str()); }
std::string msgNotGeomFile(const fs::path& p) {
    return fw::format("%s文件不符合现行版本的预定计算数据格式文件！", p.string().c_str());
}
std::string msgNotCwbName(const fs::path& p) {
    return fw::format("文件%s不是“*.cwb”格式，请重新赋名！", p.string().c_str());
}
std::string msgOpenFailed(const fs::path& p) { return fw::format("打开文件%s出错！", p.string().c_str()); }

const FamilyTexts& familyTexts(Family f) {
    static const FamilyTexts kOrdinary{
        "普通圆柱蜗杆传动计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|",
        "普通圆柱蜗杆传动预定计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|",
        "如果要保留原有计算数据，请另赋名存盘。\n若覆盖原有数据，就以默认文件名保存！",
        kMsgNoCalcOrGeomFull,
        kGeomStatusOrdinary,
    };
    static const FamilyTexts kZc1{
        "圆环面包罗蜗杆传动计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|",
        "圆柱蜗杆传动计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|",
        "如果要保留原有计算数据，请另赋名存盘。\n若覆盖原有数据，将以默认文件名保存！",
        kMsgNoCalcOrGeomZc1,
        kGeomStatusZc1,
    };
    static const FamilyTexts kZc3{
        "ZC3轴面圆弧圆柱蜗杆传动计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|",
        "圆柱蜗杆传动计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|",
        "如果要保留原有计算数据，请另赋名存盘。\n若覆盖原有数据，将以默认文件名保存！",
        kMsgNoCalcOrGeomHalf,
        kGeomStatusZc3,
    };
    switch (f) {
    case Family::Zc1: return kZc1;
    case Family::Zc3: return kZc3;
    case Family::Ordinary: break;
    }
    return kOrdinary;
}

// ---- names ----

bool isCwbName(const fs::path& p) { return kavrin::hasDataExtension(p, kExtData); }

fs::path reportNameOf(const fs::path& data) { return kavrin::designReportName(data, kExtData, kExtReport); }

SaveName preliminarySaveName(const fs::path& chosen) {
    auto n = kavrin::normaliseDataName(chosen, kExtData);
    return {n.path, n.changed};
}

// ---- bytes ----

namespace {

std::vector<std::uint8_t> fileBytes(const CwPreRecord& pre, const std::vector<std::uint8_t>& geom, std::int64_t ts) {
    std::vector<std::vector<std::uint8_t>> records{writeCwPreRecord(pre), geom};
    return kavrin::designFileBytes(kavrin::makeHeader(kDesignKind, kavrin::kWordTarvDesign, ts), records);
}

}  // namespace

std::vector<std::uint8_t> preliminaryFileBytes(const CwPreRecord& pre, std::int64_t timeStamp) {
    return fileBytes(pre, std::vector<std::uint8_t>(CwGeomRecord::kSize, 0), timeStamp);
}

std::vector<std::uint8_t> geometryFileBytes(const CwPreRecord& pre, const CwGeomRecord& geom, std::int64_t timeStamp) {
    return fileBytes(pre, writeCwGeomRecord(geom), timeStamp);
}

// ---- loads ----

namespace {

struct Split {
    bool oldFile = false;
    std::span<const std::uint8_t> records;
};

// Header word and length; `recordBytes` after the header (or from byte 0).
std::optional<Split> split(std::span<const std::uint8_t> file, std::size_t recordBytes) {
    auto body = kavrin::splitDesignFile(file, recordBytes);
    if (!body) return std::nullopt;
    if (!body->oldFile && body->header.word != kavrin::kWordTarvDesign) return std::nullopt;
    return Split{body->oldFile, body->records};
}

fw::Unexpected<Refusal> refuse(const char* text) { return fw::unexpected(Refusal{text, Icon::Warning}); }
// A record the check refuses: the loader's text, then the value at fault.
fw::Unexpected<Refusal> refuse(const char* text, const RecordFault& f) {
    return fw::unexpected(Refusal{loadRefusal(text, f), Icon::Warning});
}

// The preliminary record of a file: length, header word, type, status.
fw::Expected<LoadedDesign, Refusal> loadPre(std::span<const std::uint8_t> file, std::size_t recordBytes,
                                            const char* wrongWord) {
    auto s = split(file, recordBytes);
    if (!s) return refuse(wrongWord);
    auto pre = readCwPreRecord(s->records);
    if (!pre) return refuse(wrongWord);
    if (pre->status != kPreStatus) return refuse(kMsgUnfinishedPre);
    if (auto f = checkPreRecord(*pre)) return refuse(wrongWord, *f);
    return LoadedDesign{*pre, std::nullopt, s->oldFile};
}

}  // namespace

bool isOldFile(std::span<const std::uint8_t> file) {
    return file.size() >= 4 && fw::RecordReader(file).i32(0) < kavrin::kFirstHeaderVersion;
}

fw::Expected<LoadedDesign, Refusal> loadForPreliminary(std::span<const std::uint8_t> file) {
    return loadPre(file, CwPreRecord::kSize, kMsgNoCalcOrGeomFull);
}

fw::Expected<LoadedDesign, Refusal> loadForGeometry(std::span<const std::uint8_t> file, Family family) {
    return loadPre(file, CwPreRecord::kSize, familyTexts(family).wrongWord);
}

fw::Expected<LoadedDesign, Refusal> loadForRating(std::span<const std::uint8_t> file) {
    auto s = split(file, CwPreRecord::kSize + CwGeomRecord::kSize);
    // A file with a preliminary record but no room for the geometry record
    // is a preliminary-only file: it gets the geometry refusal when its
    // preliminary part is right.
    if (!s) {
        auto d = loadPre(file, CwPreRecord::kSize, kMsgNoCalcOrGeomHalf);
        if (!d) return d;
        return refuse(kMsgNoCalcOrGeomHalf);
    }
    auto d = loadPre(file, CwPreRecord::kSize, kMsgNoCalcOrGeomHalf);
    if (!d) return d;
    auto geomBytes = s->records.subspan(CwPreRecord::kSize);
    const std::int32_t status = fw::RecordReader(geomBytes).i32(424);
    if (status != kGeomStatusOrdinary && status != kGeomStatusZc1 && status != kGeomStatusZc3)
        return refuse(kMsgNoGeometry);
    auto geom = readCwGeomRecord(geomBytes);
    if (!geom) return refuse(kMsgNoCalcOrGeomHalf);
    if (auto f = checkDesign(d->pre, *geom)) return refuse(kMsgNoCalcOrGeomHalf, *f);
    d->geom = *geom;
    return d;
}

fw::Expected<std::vector<std::uint8_t>, fw::FileError> readDesignFile(const fs::path& p) {
    return kavrin::readDesignFile(p, CwPreRecord::kSize + CwGeomRecord::kSize);
}

// ---- committed save ----

namespace {

fw::SaveTransaction::Mode modeOf(ReportMode m) {
    return m == ReportMode::Append ? fw::SaveTransaction::Mode::Append : fw::SaveTransaction::Mode::Replace;
}

}  // namespace

fw::Expected<void, CommitError> commitDesignAndReport(const fs::path& data, std::span<const std::uint8_t> dataBytes,
                                                      const fs::path& report, std::string_view reportUtf8,
                                                      ReportMode mode) {
    auto r = kavrin::saveDesignAndReport(data, dataBytes, report, reportUtf8, modeOf(mode));
    if (!r) return fw::unexpected(CommitError{r.error().error, !r.error().dataFile});
    return {};
}

std::string SaveFailure::message() const {
    return fault ? saveRefusal(*fault) : commit.error.saveMessage();
}

fw::Expected<void, SaveFailure> savePreliminaryFiles(const fs::path& data, const CwPreRecord& pre,
                                                     const fs::path& report, std::string_view reportUtf8,
                                                     std::int64_t timeStamp) {
    if (auto f = checkPreRecord(pre)) return fw::unexpected(SaveFailure{f});
    auto r = commitDesignAndReport(data, preliminaryFileBytes(pre, timeStamp), report, reportUtf8, ReportMode::Create);
    if (!r) return fw::unexpected(SaveFailure{std::nullopt, r.error()});
    return {};
}

fw::Expected<void, SaveFailure> saveGeometryFiles(const fs::path& data, const CwPreRecord& pre,
                                                  const CwGeomRecord& geom, const fs::path& report,
                                                  std::string_view reportUtf8, std::int64_t timeStamp) {
    if (auto f = checkDesign(pre, geom)) return fw::unexpected(SaveFailure{f});
    auto r = commitDesignAndReport(data, geometryFileBytes(pre, geom, timeStamp), report, reportUtf8,
                                   ReportMode::Append);
    if (!r) return fw::unexpected(SaveFailure{std::nullopt, r.error()});
    return {};
}

fw::Expected<void, fw::FileError> commitReport(const fs::path& report, std::string_view reportUtf8, ReportMode mode) {
    fw::SaveTransaction save;
    if (auto r = save.stageText(report, reportUtf8, modeOf(mode)); !r) return r;
    return save.commit();
}

}  // namespace worm
