// The calculation report of a measured gear pair (".cyt").
#pragma once
#include <string>

#include "measurement/calc/cy_measure_record.h"

namespace measurement {

inline constexpr const char* kPairNoCheckLine = "\t    没有进行切齿检验计算。\n";

// `checkSection` follows the heading of section 4 (and holds section 5 when
// a shaper cutter was used).
std::string pairReportText(const CyMeasureRecord& r, const CivilDate& date,
                           const std::string& checkSection = kPairNoCheckLine);

}  // namespace measurement
