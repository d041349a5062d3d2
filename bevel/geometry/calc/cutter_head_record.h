// The cutter heads of the cycloidal bevel gears: one 192-byte record per
// cutter radius in the table entc.ndt of the installation folder.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"
#include "fw/file.h"

namespace bevel {

struct CutterHeadRecord {
    static constexpr std::size_t kSize = 192;
    std::int32_t z0 = 0;               // blade groups Zω
    double rb = 0;                     // cutter radius, mm
    double rbMin = 0, rbMax = 0;       // radius range of the head, mm
    std::array<std::int32_t, 3> blade{};  // blade number of group g
    std::array<double, 3> mp{};        // nominal reference-point normal module mp' of group g
    std::array<double, 3> mMin{}, mMax{};  // module range of group g
    std::array<double, 3> eb{};        // rolling-circle radius Eb of group g
    std::array<double, 3> q{};         // reference square Q of group g, mm²
    std::array<double, 3> rhoA0{};     // tip edge radius ρa0 of group g
    friend bool operator==(const CutterHeadRecord&, const CutterHeadRecord&) = default;
};

std::array<std::uint8_t, CutterHeadRecord::kSize> writeCutterHeadRecord(const CutterHeadRecord& r);
CutterHeadRecord readCutterHeadRecord(std::span<const std::uint8_t, CutterHeadRecord::kSize> bytes);

// Counts of a head: blade groups z0 and blade numbers, 1 to these bounds.
inline constexpr std::int32_t kBladeGroupsMax = 100;
inline constexpr std::int32_t kBladeNumberMax = 1000;

// z0 and the blade numbers within their counts, every other value finite
// (and not subnormal), radii, modules, Eb and Q > 0, ρa0 ≥ 0.
bool plausibleCutterHead(const CutterHeadRecord& r);

// The heads of the table, one per cutter-radius button, in this order.
inline constexpr std::array<int, 11> kCutterRadii = {39, 44, 49, 55, 62, 70, 78, 88, 98, 110, 125};
inline constexpr int kCutterHeadCount = static_cast<int>(kCutterRadii.size());
inline constexpr const char* kCutterTableName = "entc.ndt";

// Blade buttons 0 and 1 use group 0, 2 and 3 group 1, 4 and 5 group 2.
constexpr int bladeGroup(int bladeButton) { return bladeButton / 2; }

// Record `index` (0 to 10) of the table file: reads exactly the bytes up to
// the end of that record (never more); a shorter file is EndOfFile, a record
// with implausible values InvalidFile, an index out of range Generic.
fw::Expected<CutterHeadRecord, fw::FileError> readCutterHead(const std::filesystem::path& table, int index);
// The same record from the table's bytes (at least up to its end): the
// check that readCutterHead runs on what it read.
fw::Expected<CutterHeadRecord, fw::FileCause> cutterHeadFromTable(std::span<const std::uint8_t> table, int index);

// The table's text source: one head per line, '#' starts a comment. Fields:
// rb z0 rbMin rbMax blade×3 mp'×3 mMin×3 mMax×3 Eb×3 Q×3 ρa0×3; z0 and the
// blade numbers whole numbers within their counts, each head plausible.
// Returns the records, or the number of the first bad line as an error text.
fw::Expected<std::vector<CutterHeadRecord>, std::string> parseCutterTable(std::string_view text);
std::vector<std::uint8_t> cutterTableBytes(const std::vector<CutterHeadRecord>& heads);

}  // namespace bevel
