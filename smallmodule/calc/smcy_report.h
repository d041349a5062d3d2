// The calculation report of a small-module pair: a heading by mounting
// pattern, title and program lines, and three numbered sections.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "common/calc/design_file.h"
#include "fw/clock.h"
#include "smallmodule/calc/cy_sm_record.h"

namespace smallmodule {

// The calendar day (UTC) of a time stamp in seconds, and back (00:00 UTC
// of that day plus the time of day of `timeOfDayFrom`).
fw::Date dateOfSeconds(std::int64_t seconds);
std::int64_t secondsOfDate(const fw::Date& d, std::int64_t timeOfDayFrom = 0);

// The whole report as UTF-8 text with "\n" line ends (the report writer
// converts it to code page 936 and CR LF).
std::string smallModuleReport(const CySmRecord& r);

inline constexpr const char* kMsgReportCreate = "创建文件错误:不能打开或建立报告文件！";

// The save: cySmRecordFault first (a record the load would refuse is never
// written), then the data file and its report together or not at all.
struct SmSaveFailure {
    std::optional<std::string> fault;   // the check's text; otherwise `error` holds the file error
    kavrin::DesignSaveError error;
};
fw::Expected<void, SmSaveFailure> saveCySmFile(const CySmRecord& r, const std::filesystem::path& data,
                                               const std::filesystem::path& report, std::int64_t timeStamp);

}  // namespace smallmodule
