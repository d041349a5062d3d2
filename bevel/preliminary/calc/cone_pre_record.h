// ConePreRecord: the preliminary-design record of a bevel design file (.cng),
// 344 bytes after the 64-byte header. The geometry step appends its own
// record behind it; the strength rating reads both.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"

namespace bevel {

constexpr std::int32_t kConePreStatus = 201;
constexpr std::int32_t kConeGeomStatus = 202;
constexpr std::int32_t kConeDesignKind = 3;

inline constexpr std::string_view kExtConeData = ".cng";
inline constexpr std::string_view kExtConeReport = ".tng";

// Tooth systems by index; the names are the ones the report prints.
constexpr int kToothSystemCount = 8;
inline constexpr std::array<const char*, kToothSystemCount> kToothSystemNames = {
    "标准", "直线齿格利森", "直线齿埃尼姆斯", "零度弧齿格利森", "弧齿格利森", "弧齿埃尼姆斯", "洛－卡氏", "奥利康摆线"};

// Completion-mask bits of the preliminary design.
enum ConeMaskBit : std::int32_t {
    kBitAlpha = 0x0001, kBitC = 0x0002, kBitHa = 0x0004, kBitP = 0x0008, kBitZ1 = 0x0010, kBitZ2 = 0x0020,
    kBitN1 = 0x0040, kBitN2 = 0x0080, kBitT = 0x0100, kBitSigmaH = 0x0200, kBitSigmaF = 0x0400,
    kBitKA = 0x0800, kBitKHbeta = 0x1000, kBitKwbeta = 0x2000, kBitX = 0x4000, kBitXt = 0x8000,
};
constexpr std::int32_t kMaskInputs = 0x3FFF;    // the 14 inputs
constexpr std::int32_t kMaskComplete = 0xFFFF;  // inputs and both shifts
constexpr std::int32_t kMaskToothSystem = 0x0007;

struct ConePreRecord {
    static constexpr std::size_t kSize = 344;

    std::int32_t mask = kMaskToothSystem;
    std::int32_t alphaDeg = 20, alphaMin = 0, alphaSec = 0;  // normal pressure angle
    std::int32_t betaDeg = 0, betaMin = 0, betaSec = 0;      // mean spiral angle
    double cStar = 0.2;
    double haStar = 1.0;
    double mt = 0;  // outer transverse module, mm
    std::int32_t toothSystem = 0;
    std::uint32_t z1 = 0;
    std::uint32_t z2 = 0;
    double n1 = 0, n2 = 0;  // r/min
    double i = 0;
    double p = 0;  // kW
    double t = 0;  // output torque, N·m
    double yf = 0;
    double sigmaHlim = 0, sigmaFlim = 0;  // N/mm²
    double x1 = 0, x2 = 0;
    double xt2 = 0, xt1 = 0;  // stored gear first
    double ka = 0, khBeta = 0, kwBeta = 0;
    std::string date;    // 20 bytes on disk
    std::int32_t status = kConePreStatus;
    std::string number;  // 64 bytes on disk
    std::string title;   // 64 bytes on disk

    // Angles in degrees.
    double alphaDegrees() const { return alphaDeg + alphaMin / 60.0 + alphaSec / 3600.0; }
    double betaDegrees() const { return (betaSec / 60.0 + betaMin) / 60.0 + betaDeg; }
};

// One writer and one reader; the two reserved words (bytes 28 and 68) are
// written as zeros and never read. The reader needs 344 bytes.
std::vector<std::uint8_t> writeConePreRecord(const ConePreRecord& r);
ConePreRecord readConePreRecord(std::span<const std::uint8_t, ConePreRecord::kSize> bytes);

// Messages of loading a bevel design file.
inline constexpr const char* kMsgConeNotCurrentFile = "指定的文件不是当前版本确认的数据文件！";
inline constexpr const char* kMsgConeNotBevelData = "所用数据文件不包含圆锥齿轮设计计算数据。";
inline constexpr const char* kMsgConeUnfinished = "数据文件包含未完成的锥齿轮计算数据或根本不是锥齿轮计算数据!";
// Saving: "数据将以合法文件名%s保存。"
std::string coneRenameNotice(const std::filesystem::path& renamed);

// File names; each rule works on the last path component only.
// Save: the name stays when it holds ".cng" after its first character;
// otherwise a name with a '.' after its first character is cut at that first
// '.' and gets ".cng" (changed = true, the caller shows coneRenameNotice);
// a name without one gets ".cng" appended silently.
struct ConeDataName {
    std::filesystem::path path;
    bool changed = false;
};
ConeDataName normaliseConeDataName(const std::filesystem::path& chosen);
// Load: does the name hold ".cng" after its first character (case-sensitive)?
bool hasConeDataExtension(const std::filesystem::path& p);
// The report of a data file: the name up to its ".cng", then ".tng". Used
// after both saving and loading, so that a design keeps one report name.
std::filesystem::path coneReportName(const std::filesystem::path& data);

// The file a preliminary save writes: header (version 400, kind 3,
// "W_CONDESIGN", the time stamp) and the record; 408 bytes.
std::vector<std::uint8_t> conePreFileBytes(const ConePreRecord& r, std::int64_t timeStamp);

// Tooth numbers of a bevel pair: 1 to kMaxTeeth (cone_pre::kZ1, kZ2), in the
// Z1 and Z2 fields and in the record check alike (no count wraps when a later
// step reads it as a signed number).
inline constexpr std::uint32_t kMaxTeeth = 1000;

// The one check of a preliminary record, run by its loader and by every save
// before it writes: nullopt when the record holds a design the program can
// use again, otherwise the first value that fails. Status 201; tooth system
// 0 to 7; the completion mask within its 16 bits; every number in its range
// of cone_pre_ranges.h (NaN and the infinities never are), each input whose
// completion bit is set given (not 0), α 14.5° to 25° once given, Z2 not
// below Z1 and i not 0 once both tooth numbers are given.
struct ConePreFault {
    std::string_view field;  // the quantity, as the dialog names it: "齿形系数 YF", ...
    std::string refusal;     // "齿形系数 YF：请输入 0 或 0.1 到 20 之间的数值。"
    bool notThisKind = false;  // status, mask or tooth system: no bevel record at all
};
std::optional<ConePreFault> checkConePreRecord(const ConePreRecord& r);
// The same as a yes or no.
bool plausibleConePreRecord(const ConePreRecord& r);
// What a save that the check refuses tells the user (nothing is written).
std::string conePreSaveRefusal(const ConePreFault& f);

// A checked bevel design file. Longer files (a later step's records behind
// the preliminary record) load too; `rest` holds the bytes behind it.
struct LoadedConePre {
    ConePreRecord record;
    bool oldFile = false;  // no header: the caller shows kavrin::kMsgOldFile first
    std::span<const std::uint8_t> rest;
};
// Every check before anything changes: length and header word (refused with
// kMsgConeNotBevelData), then checkConePreRecord: a wrong status is refused
// with kMsgConeUnfinished, a mask or tooth system outside its list with
// kMsgConeUnfinished, a line break and the fault's refusal; a value the
// check refuses by that refusal, which names the value
// (kavrin::refusedOnLoad).
fw::Expected<LoadedConePre, std::string> loadConePreFile(std::span<const std::uint8_t> file);

}  // namespace bevel
