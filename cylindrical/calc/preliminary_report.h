// The report of a preliminary design (.cyt).
#pragma once
#include <filesystem>
#include <string>

#include "cylindrical/calc/cy_pre_record.h"
#include "fw/expected.h"
#include "fw/file.h"

namespace cylindrical {

// The whole report text (UTF-8, "\n" line ends) of a saved record.
std::string preliminaryReportText(const CyPreRecord& r);

// Creates (replaces) the report and writes it in GBK with CR LF; the error
// names the cause when creating, writing or closing failed (the dialog then
// shows kMsgReportCreate with kCaptionReportCreate).
fw::Expected<void, fw::FileError> writePreliminaryReport(const std::filesystem::path& path, const CyPreRecord& r);

}  // namespace cylindrical
