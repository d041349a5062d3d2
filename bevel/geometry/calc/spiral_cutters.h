// The face-milling cutter tables of the spiral and zerol bevel calculator
// and the list of the cutters that suit a pair.
//
// Six tables of 17 rows (nominal cutter sizes) × 3 columns (spiral-angle
// bands), each a 408-byte file of little-endian f64 in the installation
// folder: xp1.dat XPD (d0, largest depth, largest face width per row),
// xp2.dat XPM (largest module; ≤ 0: no such band), xp3.dat/xp4.dat lowest
// and highest βm (highest 0: open), xp5.dat/xp6.dat lowest (inclusive) and
// highest (exclusive) outer cone distance R.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fw/expected.h"

namespace bevel {

constexpr int kCutterRows = 17;
constexpr int kCutterBands = 3;
constexpr std::size_t kCutterTableBytes = kCutterRows * kCutterBands * 8;
static_assert(kCutterTableBytes == 408);

// The band word of a cutter typed by the user.
constexpr std::int32_t kCustomCutterBand = 3;
// The smallest cutter the calculation accepts, mm.
inline constexpr double kSmallestCutter = 12.7;

using CutterTable = std::array<std::array<double, kCutterBands>, kCutterRows>;

enum CutterTableIndex { kXPD, kXPM, kXPBtmin, kXPBtmax, kXPRmin, kXPRmax, kCutterTableCount };
extern const std::array<const char*, kCutterTableCount> kCutterTableFiles;  // "xp1.dat" ... "xp6.dat"

// The six tables and which of them were read. A table that could not be
// read stays cleared (all zero) and lets no entry qualify: a zero would
// otherwise read as an open band (xp4.dat), a diameter 0.00 (xp1.dat) or a
// lower limit of 0 (xp3.dat, xp5.dat), so while any table is missing no
// entry of any table qualifies.
struct CutterTables {
    std::array<CutterTable, kCutterTableCount> t{};
    std::array<bool, kCutterTableCount> loaded{};
    bool complete() const;
};
// What each table holds, for the message that names a missing one.
extern const std::array<const char*, kCutterTableCount> kCutterTableContents;
// "铣刀盘数据表xp4.dat（螺旋角上限）缺失或不能读取，没有可选用的标准铣刀盘……"
// naming every table not read; empty when all six were read.
std::string missingCutterTablesMessage(const CutterTables& t);

inline constexpr const char* kMsgCutterRegistry = "文件系统发生非许可改变，程序不能继续进行。\n重新安装软件！";

// One table from its file: exactly 408 bytes read (a longer file is read
// no further), every value finite. The refusal is the message to show:
// "不能打开文件%s," with the file name.
fw::Expected<CutterTable, std::string> readCutterTable(const std::filesystem::path& file);
// The table bytes (the build step writes the shipped files with it).
std::vector<std::uint8_t> cutterTableBytes(const CutterTable& t);
CutterTable cutterTableFromBytes(const std::vector<std::uint8_t>& bytes);  // 408 bytes
// The text source of the six tables: a line "xpN.dat" in file order, then
// 17 lines of three numbers; "#" starts a comment. The refusal names the line.
fw::Expected<CutterTables, std::string> parseCutterTableSource(const std::string& text);

// The six tables from the installation folder (xpfileloc): each table that
// cannot be read stays cleared and adds its message, in file order. The
// folder is nullopt when the registry value cannot be read; every table then
// gets kMsgCutterRegistry.
struct LoadedCutterTables {
    CutterTables tables;
    std::vector<std::string> messages;
};
LoadedCutterTables loadCutterTables(const std::optional<std::filesystem::path>& folder);
// The installation folder as the registry names it (no fallback).
std::optional<std::filesystem::path> cutterTableFolder();

struct CutterRow {
    std::int32_t row = 0;
    std::int32_t band = 0;  // 0..2, or kCustomCutterBand
    double d0 = 0;
    double betaMin = 0, betaMax = 0;
    double rMin = 0, rMax = 0;
    double depth = 0, width = 0, module = 0;
    friend bool operator==(const CutterRow&, const CutterRow&) = default;
};

// Every entry (r, c) in table order with Rmin ≤ R < Rmax, βmin ≤ βm,
// (βm ≤ βmax or βmax = 0) and a module above 0; βm in degrees. None while a
// table is missing.
std::vector<CutterRow> cutterRows(const CutterTables& t, double r, double betaMDeg);
// The six list columns of an entry: d0 "%.2f", the spiral-angle band
// (">%.2f" when open, else "%.2f～%.2f"), the R band "%.0f～%.0f", depth,
// width, module "%.2f".
std::array<std::string, 6> cutterColumns(const CutterRow& c);
// A custom cutter entry: band word 3, diameter d0.
CutterRow customCutter(double d0);

}  // namespace bevel
