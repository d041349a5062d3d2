// The worm design data file (.cwb): header, preliminary record, geometry
// record, 960 bytes in all; its name rules, its three readers and the
// committed save of a data file together with its report (.cwt).
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"
#include "fw/file.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/cw_records.h"

namespace worm {

inline constexpr std::string_view kExtData = ".cwb";
inline constexpr std::string_view kExtReport = ".cwt";
constexpr std::int32_t kDesignKind = 2;
constexpr std::size_t kHeaderBytes = 64;
constexpr std::size_t kFileBytes = kHeaderBytes + CwPreRecord::kSize + CwGeomRecord::kSize;
static_assert(kFileBytes == 960);

// ---- texts of the file steps ----
inline constexpr const char* kSaveTitle = "《Ondrel》保存蜗杆副计算数据文件";
inline constexpr const char* kOpenTitle = "《Ondrel》打开蜗杆副计算数据文件";
inline constexpr const char* kPreFilter = "普通圆柱蜗杆计算数据文件(*.cwb)|*.cwb|All File(*.*)|*.*|";
inline constexpr const char* kRatingOpenFilter = "《Ondrel》圆柱蜗杆副计算数据文件(*.cwb|*.cwb|All File(*.*)|*.*|";
inline constexpr const char* kMsgOldFile = "注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!";
inline constexpr const char* kMsgPreRenamed =
    "所给的数据文件格式不符合程序现行版本要求！\n现按*.cwb格式储存数据和*.cwt格式储存报告文件。";
inline constexpr const char* kMsgNotCalculated = "未完成计算，保存数据无效！";
inline constexpr const char* kMsgNoCalcOrGeomFull = "所打开的文件不包含圆柱蜗杆副计算或\n不是圆柱蜗杆副几何计算数据，装入数据无效！";
inline constexpr const char* kMsgNoCalcOrGeomHalf = "所打开的文件不包含圆柱蜗杆副计算或\n不是圆柱蜗杆副几何计算数据，装入数据无效!";
inline constexpr const char* kMsgNoCalcOrGeomZc1 = "所打开的文件不包含圆柱蜗杆副计算或\n不是圆柱蜗杆副几何计算数据!";
inline constexpr const char* kMsgUnfinishedPre =
    "所打开的文件包含未完成的圆柱蜗杆副预定计算或\n不是圆柱蜗杆副几何计算数据，装入数据无效!";
inline constexpr const char* kMsgNoGeometry = "加载的数据文件未完成几何计算或\n不是圆柱蜗杆副几何计算数据，装入数据无效！";
inline constexpr const char* kMsgRatingAskFormat = "恐怕储存的文件格式不对，是否继续？";
// "%s不是预定计算数据文件格式" (preliminary calculator, a name without ".cwb")
std::string msgNotPreFile(const std::filesystem::path& p);
// "%s文件不符合现行版本的预定计算数据格式文件！" (geometry calculators)
std::string msgNotGeomFile(const std::filesystem::path& p);
// "文件%s不是“*.cwb”格式，请重新赋名！" (geometry save)
std::string msgNotCwbName(const std::filesystem::path& p);
// "打开文件%s出错！" (strength rating)
std::string msgOpenFailed(const std::filesystem::path& p);

// The geometry families and the texts by which their file steps differ.
enum class Family { Ordinary, Zc1, Zc3 };
struct FamilyTexts {
    const char* saveFilter;
    const char* openFilter;
    const char* overwriteNotice;   // before the save dialog, when a .cwb is loaded
    const char* wrongWord;         // header word refusal of the load
    std::int32_t status;           // status word of the saved geometry record
};
const FamilyTexts& familyTexts(Family f);

// ---- names (the file name only; folders keep their dots) ----
// Does the file name hold ".cwb" after its first character?
bool isCwbName(const std::filesystem::path& p);
// The report of a data file: its file name up to ".cwb", then ".cwt"
// (kavrin::designReportName).
std::filesystem::path reportNameOf(const std::filesystem::path& data);
// Preliminary save: a name without ".cwb" gets ".cwb" in place of its
// extension (appended when it has none); `changed` asks for kMsgPreRenamed.
struct SaveName {
    std::filesystem::path path;
    bool changed = false;
};
SaveName preliminarySaveName(const std::filesystem::path& chosen);

// ---- bytes ----
// Preliminary save: header (version 400, kind 2, "W_TARVDESIGN", the time)
// and the record; bytes 384 to 959 zero.
std::vector<std::uint8_t> preliminaryFileBytes(const CwPreRecord& pre, std::int64_t timeStamp);
// Geometry save: header, the preliminary record, the geometry record.
std::vector<std::uint8_t> geometryFileBytes(const CwPreRecord& pre, const CwGeomRecord& geom, std::int64_t timeStamp);

// ---- loads ----
// How a refusal is shown.
enum class Icon { Warning, Information, Stop };
struct Refusal {
    std::string text;
    Icon icon = Icon::Warning;
};
struct LoadedDesign {
    CwPreRecord pre;
    std::optional<CwGeomRecord> geom;  // the strength rating's load only
    bool oldFile = false;              // no header: the caller showed kMsgOldFile
};
// A file without header: its first int32 is below 104 (Part of the load:
// the caller shows kMsgOldFile before the rest of the checks).
bool isOldFile(std::span<const std::uint8_t> file);

// The three readers. Each checks, before anything changes: length, header
// word, status words, and then the record's one check (checkPreRecord; the
// rating's load checkDesign), the same check the saves run. A record the
// check refuses is refused with the reader's text and, on a line of its
// own, the value at fault (loadRefusal).
fw::Expected<LoadedDesign, Refusal> loadForPreliminary(std::span<const std::uint8_t> file);
fw::Expected<LoadedDesign, Refusal> loadForGeometry(std::span<const std::uint8_t> file, Family family);
fw::Expected<LoadedDesign, Refusal> loadForRating(std::span<const std::uint8_t> file);

// Reads a regular file, at most kFileBytes of it.
fw::Expected<std::vector<std::uint8_t>, fw::FileError> readDesignFile(const std::filesystem::path& p);

// ---- committed save ----
// Writes the data file and the report together (kavrin::saveDesignAndReport):
// both or neither replace their old files; a failure names the file that
// failed. `appendReport`: the report keeps its
// old contents and gets `reportUtf8` at its end; otherwise it is replaced.
enum class ReportMode { Create, Append };
struct CommitError {
    fw::FileError error;
    bool report = false;  // the report failed (else the data file)
};
fw::Expected<void, CommitError> commitDesignAndReport(const std::filesystem::path& data,
                                                      std::span<const std::uint8_t> dataBytes,
                                                      const std::filesystem::path& report, std::string_view reportUtf8,
                                                      ReportMode mode);
// The saves of the two steps: the records checked first (a record the check
// refuses writes nothing and names its field), then the data file and the
// report committed together. The preliminary save creates its report anew,
// a geometry save appends its section.
struct SaveFailure {
    std::optional<RecordFault> fault;   // the check refused the record
    CommitError commit{};               // else: the file that failed
    // saveRefusal of the fault, or the failed file's save message
    // ("不能打开文件…,ERROR = …" when it could not be opened or created,
    // "创建文件错误:…,ERROR = …" when it could not be written).
    std::string message() const;
};
fw::Expected<void, SaveFailure> savePreliminaryFiles(const std::filesystem::path& data, const CwPreRecord& pre,
                                                     const std::filesystem::path& report,
                                                     std::string_view reportUtf8, std::int64_t timeStamp);
fw::Expected<void, SaveFailure> saveGeometryFiles(const std::filesystem::path& data, const CwPreRecord& pre,
                                                  const CwGeomRecord& geom, const std::filesystem::path& report,
                                                  std::string_view reportUtf8, std::int64_t timeStamp);

// The report alone (the strength rating writes no data file), committed the same way.
fw::Expected<void, fw::FileError> commitReport(const std::filesystem::path& report, std::string_view reportUtf8,
                                               ReportMode mode);

}  // namespace worm
