// CySmRecord: the small-module design record, 696 bytes after the 64-byte
// header (version 400, kind 2, "W_CYSMDESIGN"); the file holds exactly
// header and record, 760 bytes. The profile CAD tool reads it too.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fw/expected.h"
#include "smallmodule/calc/smcy_calc.h"

namespace smallmodule {

constexpr std::int32_t kCySmKind = 2;

// The deviations of the inspection dimensions, held as magnitudes.
struct SmDeviations {
    double dWs1 = 0, dWi1 = 0, dWs2 = 0, dWi2 = 0;   // base tangent, upper and lower
    double dMs1 = 0, dMi1 = 0, dMs2 = 0, dMi2 = 0;   // over rods, upper and lower
    bool operator==(const SmDeviations&) const = default;
};

struct CySmRecord {
    static constexpr std::size_t kSize = 696;
    static constexpr std::size_t kFileSize = 760;
    static constexpr std::size_t kTextWidth = 64;
    // Offsets the profile tool and the tests name.
    static constexpr std::size_t kOffAlpha = 32;
    static constexpr std::size_t kOffMn = 320;
    static constexpr std::size_t kOffMnP = 448;
    static constexpr std::size_t kOffAlphaNP = 456;
    static constexpr std::size_t kOffPattern = 640;

    SmInput in;                 // pattern, Σ, u, mn, a', f, β1 (as β1 of the result), α, ha*, c*
    std::int32_t moduleIndex = 0;
    SmResult out;
    SmDeviations dev;
    double rhoF = 0;            // ρf, root fillet radius
    std::string title;          // UTF-8 in memory, 64 bytes GBK on disk
    std::string number;
    std::int64_t date = 0;      // seconds since 1970-01-01 00:00 UTC
    bool operator==(const CySmRecord&) const = default;
};

// One writer and one reader. The int32 at 0 and the bytes without defined
// content are written as zeros; ha1, ha2, hf1, hf2 are derived on writing
// and not read back. β1 and β2 are read into the result; the input β1
// takes the stored β1 too.
std::vector<std::uint8_t> writeCySmRecord(const CySmRecord& r);
std::optional<CySmRecord> readCySmRecord(std::span<const std::uint8_t> bytes);

// The file a save writes.
std::vector<std::uint8_t> cySmFileBytes(const CySmRecord& r, std::int64_t timeStamp);

inline constexpr const char* kMsgNotSmFile = "不是小模数齿轮对的设计数据文件！";

// The one validity check of the record, run by the load and by the save
// before anything is written: every value passes its field's rule (the
// pattern and its axis angle, the ratio, the module of the list index, a',
// f, β1, the deviations, the basic rack constants, title, number and date),
// every stored number lies in its range (cy_sm_ranges.h; the refusal names
// the field and its range), no number is subnormal, and the results pass the
// rules of resultRuleFault. nullopt, or what is wrong with the field named.
std::optional<std::string> cySmRecordFault(const CySmRecord& r);
// Its first rules alone: the pattern and the module's list index.
std::optional<std::string> cySmListFault(const CySmRecord& r);

// All checks of a load before anything changes: length, header word and
// version (refused with kMsgNotSmFile), the pattern and the module index
// (kMsgNotSmFile and the fault), then cySmRecordFault (the fault, which
// names the value: kavrin::refusedOnLoad).
fw::Expected<CySmRecord, std::string> loadCySmFile(std::span<const std::uint8_t> file);

// The refusal of a save whose record fails its check.
std::string saveRefusal(const std::string& fault);

}  // namespace smallmodule
