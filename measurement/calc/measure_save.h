// Saving a measurement: the data file and its report are committed together
// (fw::SaveTransaction); on any failure both old files stay as they were.
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "fw/expected.h"
#include "fw/file.h"

namespace measurement {

// A report text (UTF-8, "\n") as it goes to disk: code page 936, CR LF.
std::vector<std::uint8_t> reportBytes(std::string_view utf8);

fw::Expected<void, fw::FileError> commitDataAndReport(const std::filesystem::path& data,
                                                      std::span<const std::uint8_t> dataBytes,
                                                      const std::filesystem::path& report,
                                                      std::span<const std::uint8_t> report_bytes);

}  // namespace measurement
