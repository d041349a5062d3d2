// Saving a measurement: the record's check first (a record its loader would
// refuse is never written), then the data file and its report committed
// together (fw::SaveTransaction); on any failure both old files stay.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fw/expected.h"
#include "fw/file.h"
#include "measurement/calc/cy_measure_record.h"

namespace measurement {

// A report text (UTF-8, "\n") as it goes to disk: code page 936, CR LF.
std::vector<std::uint8_t> reportBytes(std::string_view utf8);

// Why a save wrote nothing: the record failed its check (`fault`, the text
// the check gave), or a file operation failed (`error`; `reportFile` tells
// whether it was the report's).
struct MeasureSaveFailure {
    std::optional<std::string> fault;
    fw::FileError error;
    bool reportFile = false;
};
// The save of kind 0, 1 (singleRecordFault) or 2 (pairRecordFault): the
// header with `timeStamp`, the record and the report text.
fw::Expected<void, MeasureSaveFailure> saveMeasure(std::int32_t kind, const CyMeasureRecord& r,
                                                   std::string_view reportUtf8, const std::filesystem::path& data,
                                                   const std::filesystem::path& report, std::int64_t timeStamp);

}  // namespace measurement
