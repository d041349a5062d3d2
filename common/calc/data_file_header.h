// The 64-byte header at the start of every design data file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// Header words of the suite's design data files.
inline constexpr std::string_view kWordCyDesign = "W_CYDESIGN";
inline constexpr std::string_view kWordCyMeasure = "W_CYMEASURE";
inline constexpr std::string_view kWordCySmDesign = "W_CYSMDESIGN";
inline constexpr std::string_view kWordConDesign = "W_CONDESIGN";
inline constexpr std::string_view kWordTarvDesign = "W_TARVDESIGN";
inline constexpr std::string_view kWordCexDesign = "W_CEXDESIGN";

// Version written by this program; a file whose first int32 is below
// kFirstHeaderVersion has no header, its record starts at byte 0.
constexpr std::int32_t kHeaderVersion = 400;
constexpr std::int32_t kFirstHeaderVersion = 104;

struct CDataFileHeader {
    static constexpr std::size_t kSize = 64;
    static constexpr std::size_t kOffVersion = 0;
    static constexpr std::size_t kOffKind = 4;
    static constexpr std::size_t kOffWord = 36;
    static constexpr std::size_t kWordWidth = 20;
    static constexpr std::size_t kOffTime = 56;

    std::int32_t version = 0;
    std::int32_t kind = 0;
    std::string word;           // UTF-8 in memory, GBK on disk
    std::int64_t timeStamp = 0;  // seconds since 1970-01-01 00:00 UTC

    bool isOldFile() const { return version < kFirstHeaderVersion; }
};

// The header a save writes: version 400, the kind, the word, the time.
CDataFileHeader makeHeader(std::int32_t kind, std::string_view word, std::int64_t timeStamp);

// Writer and reader; bytes 8 to 35 are written as zeros and never read.
std::vector<std::uint8_t> writeHeader(const CDataFileHeader& h);
// nullopt when fewer than 64 bytes are given.
std::optional<CDataFileHeader> readHeader(std::span<const std::uint8_t> bytes);

}  // namespace kavrin
