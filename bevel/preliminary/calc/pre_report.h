// The bevel preliminary report (.tng) and the save that writes it together
// with the design file.
#pragma once
#include <filesystem>
#include <string>

#include "bevel/preliminary/calc/cone_pre_record.h"
#include "fw/file.h"

namespace bevel {

inline constexpr const char* kMsgReportOpen = "不能打开文件！";

// The 28 report lines of a record, as UTF-8 with "\n" line ends.
std::string conePreReport(const ConePreRecord& r);

// Writes the design file and its report so that both change or neither:
// each goes to a temporary file in its folder first, then the report and
// the data file are renamed over their targets. A failure removes the
// temporaries and names the file that failed.
struct PairSaveError {
    bool report = false;  // the report failed (else the data file)
    fw::FileError error;
};
fw::Expected<void, PairSaveError> saveDesignAndReport(const std::filesystem::path& data,
                                                      std::span<const std::uint8_t> bytes,
                                                      const std::filesystem::path& report,
                                                      const std::string& reportUtf8);

}  // namespace bevel
