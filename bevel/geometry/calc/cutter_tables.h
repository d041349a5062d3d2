// The face-milling cutter tables of the spiral and zerol bevel calculator
// (xp1.dat to xp6.dat in the installation folder: 17 rows × 3 bands of f64
// each) and the list of cutters that suit a pair.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"

namespace bevel {

constexpr int kCutterRows = 17;
constexpr int kCutterBands = 3;
constexpr int kCustomCutterBand = 3;
using CutterTable = std::array<std::array<double, kCutterBands>, kCutterRows>;
constexpr std::size_t kCutterTableBytes = kCutterRows * kCutterBands * 8;  // 408

// The six tables; a table that could not be read stays all zero, so none of
// its entries qualifies.
struct CutterTables {
    CutterTable xpd{};     // [r][0] d0, [r][1] largest whole depth, [r][2] largest face width
    CutterTable xpm{};     // largest module of the band; 0 or less: no such band
    CutterTable btMin{};   // lowest βm of the band, degrees
    CutterTable btMax{};   // highest βm, 0 = no upper limit
    CutterTable rMin{};    // lowest outer cone distance, inclusive
    CutterTable rMax{};    // highest outer cone distance, exclusive
    std::array<bool, 6> present{};  // which of the six files was read; an entry needs all six
};
inline constexpr std::array<const char*, 6> kCutterTableFiles = {"xp1.dat", "xp2.dat", "xp3.dat",
                                                                 "xp4.dat", "xp5.dat", "xp6.dat"};

// One file's bytes as a table: at least 408 bytes, every value finite;
// otherwise nullopt-like refusal (the caller clears the table).
fw::Expected<CutterTable, std::string> parseCutterTable(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> cutterTableBytes(const CutterTable& t);

// Reads the six tables from a folder (bounded reads, nothing else
// changes). Each file that cannot be opened adds "不能打开文件%s," with its
// name to `messages`; one that is short or holds a value that is not
// finite adds the same message; its table stays cleared.
CutterTables loadCutterTables(const std::filesystem::path& folder, std::vector<std::string>& messages);

// The text source of the shipped tables (bevel/geometry/data/xp_tables.txt):
// a section "[xpN.dat]" per table with 17 lines of three numbers; '#'
// starts a comment. Refused with a reason when a section is missing,
// repeated or short, or a number does not parse or is not finite.
fw::Expected<CutterTables, std::string> parseCutterText(std::string_view text);

// One entry of the cutter list.
struct CutterRow {
    std::int32_t row = 0;
    std::int32_t band = 0;  // kCustomCutterBand for a custom cutter
    double d0 = 0;
    double betaMin = 0, betaMax = 0;
    double rMin = 0, rMax = 0;
    double depth = 0, width = 0, module = 0;
    friend bool operator==(const CutterRow&, const CutterRow&) = default;
};
// Every entry with rMin ≤ R < rMax, btMin ≤ βm ≤ btMax (or btMax 0) and a
// module above 0, rows first, bands within a row.
std::vector<CutterRow> cutterList(const CutterTables& t, double r, double betaMDegrees);
// The list control's six columns of an entry.
std::array<std::string, 6> cutterColumns(const CutterRow& c);

}  // namespace bevel
