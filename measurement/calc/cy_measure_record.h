// CyMeasureRecord: the 608-byte record of a measurement data file (header
// word "W_CYMEASURE"), for a single external gear (kind 0), a single
// internal gear (kind 1) or a gear pair (kind 2), and the file that holds it.
// The profile CAD tool reads these files too: this header needs only the
// calculation library.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/calc/data_file_header.h"
#include "fw/expected.h"

namespace measurement {

constexpr std::int32_t kKindSingleExternal = 0;
constexpr std::int32_t kKindSingleInternal = 1;
constexpr std::int32_t kKindPair = 2;

// Gear 1 is the pinion of a pair; a single gear uses slot 1 when external
// and slot 2 when internal (index 0 and 1 of the two-element arrays).
struct CyMeasureRecord {
    static constexpr std::size_t kSize = 608;

    std::int32_t type = 0;      // pair: mesh 0 external / 1 internal; single: gear type
    double a = 0;               // pair: reference centre distance; single: da as computed
    double alphaAt[2] = {};     // tip pressure angles, degrees
    double alphaN = 0;          // degrees
    double alphaT = 0;          // degrees
    double alphaW = 0;          // working pressure angle, degrees (pair)
    double aw = 0;              // working centre distance, mm (pair)
    std::uint32_t betaDeg = 0;
    std::uint32_t betaMin = 0;
    double betaSec = 0;
    double cStar = 0;
    double d[2] = {};
    double dw[2] = {};          // pitch diameters (pair)
    double da[2] = {};
    double deltaYn = 0;         // pair
    double df[2] = {};
    double db[2] = {};
    double dp = 0;              // pin diameter
    double mp[2] = {};
    double dMi[2] = {};         // lower / upper deviations of Mp, magnitudes
    double dMs[2] = {};
    double h1 = 0;              // whole depth of gear 1 (pair)
    double ha[2] = {};
    double haStar = 0;
    double hc[2] = {};
    double hf[2] = {};
    std::uint32_t kw[2] = {};
    double mn = 0;
    double mt = 0;
    double sc[2] = {};
    double u = 0;               // pair
    double w[2] = {};
    double dWi[2] = {};         // lower / upper deviations of W, magnitudes
    double dWs[2] = {};
    double xn[2] = {};
    double xnSum = 0;           // pair
    double yt = 0;              // pair
    std::uint32_t z[2] = {};
    double zv[2] = {};
    std::string title;          // 64 bytes on disk
    std::string number;         // 64 bytes on disk
    std::int64_t date = 0;      // seconds since 1970-01-01 UTC
    double epsilon = 0;         // pair
    std::uint32_t solveMode = 0;  // single: 0 helix angle given, 1 profile shift given

    bool operator==(const CyMeasureRecord&) const = default;
};

// One writer and one reader; bytes without a field are zeros.
std::vector<std::uint8_t> writeCyMeasureRecord(const CyMeasureRecord& r);
// nullopt when fewer than 608 bytes are given.
std::optional<CyMeasureRecord> readCyMeasureRecord(std::span<const std::uint8_t> bytes);

// The whole file: header (version 400, kind, "W_CYMEASURE", time) and record.
constexpr std::size_t kCyMeasureFileSize = kavrin::CDataFileHeader::kSize + CyMeasureRecord::kSize;
std::vector<std::uint8_t> cyMeasureFileBytes(std::int32_t kind, const CyMeasureRecord& r, std::int64_t timeStamp);

// Messages of the loaders.
inline constexpr const char* kMsgNotMeasureFile = "所用数据文件不包含圆柱齿轮测量计算数据。";
inline constexpr const char* kMsgPairFile =
    "使用的数据是成对齿轮测量计算数据，\n如果更改，请用成对齿轮测量计算程序。";
inline constexpr const char* kMsgBadData = "使用的数据错误!";
inline constexpr const char* kMsgNotPairFile = "所用数据文件不包含成对圆柱齿轮测量计算数据。";
inline constexpr const char* kMsgNotCylindricalFile = "所选文件不是圆柱齿轮数据文件格式";

struct LoadedMeasure {
    std::int32_t kind = 0;
    CyMeasureRecord record;
};
// All checks before anything changes: length, version (an old file is
// refused with kavrin::kMsgOldFile), header word and kind, then the record's
// one validity check (singleRecordFault, pairRecordFault in
// measure_record_check.h; refused with "使用的数据错误!" and the fault).
fw::Expected<LoadedMeasure, std::string> loadSingleMeasureFile(std::span<const std::uint8_t> file);
fw::Expected<LoadedMeasure, std::string> loadPairMeasureFile(std::span<const std::uint8_t> file);

// The bytes of a measurement file: a regular file, at most its size; a
// shorter file is refused with `shortMessage`.
fw::Expected<std::vector<std::uint8_t>, std::string> readMeasureBytes(const std::filesystem::path& p,
                                                                       const char* shortMessage);

// Reads a measurement file from disk (a regular file, at most its size) and
// checks it as any of the three kinds; for readers outside the dialogs.
fw::Expected<LoadedMeasure, std::string> readMeasureFile(const std::filesystem::path& p);

// The report beside a data file: the name up to its first ".cyb" followed
// by ".cyt" (last path component only); nullopt when ".cyb" does not occur
// after the first character of the name.
std::optional<std::filesystem::path> measureReportPath(const std::filesystem::path& data);

// Date field ↔ record seconds (midnight UTC of that day).
std::int64_t daySeconds(int year, int month, int day);
struct CivilDate {
    int year = 1970, month = 1, day = 1;
};
CivilDate civilDate(std::int64_t seconds);

}  // namespace measurement
