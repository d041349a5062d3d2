// The calculation report of a small-module pair: a heading by mounting
// pattern, title and program lines, and three numbered sections.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

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

}  // namespace smallmodule
