// The calculation report of the cycloid design, printed from the record:
// UTF-8 with "\n" line ends (the writer turns it into code page 936, CR LF).
#pragma once
#include <string>

#include "cycloid/calc/cex_record.h"

namespace cycloid {

std::string cexReportText(const CexDesignRecord& r);

}  // namespace cycloid
