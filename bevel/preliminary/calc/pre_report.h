// The bevel preliminary report (.tng) and the save that writes it together
// with the design file.
#pragma once
#include <filesystem>
#include <string>

#include "bevel/preliminary/calc/cone_pre_record.h"

namespace bevel {

inline constexpr const char* kMsgReportOpen = "不能打开文件！";

// The 28 report lines of a record, as UTF-8 with "\n" line ends.
std::string conePreReport(const ConePreRecord& r);

}  // namespace bevel
