#include "measurement/calc/measure_save.h"

#include "measurement/calc/measure_record_check.h"

namespace measurement {

namespace {

fw::Expected<void, fw::FileError> commitDataAndReport(const std::filesystem::path& data,
                                                      std::span<const std::uint8_t> dataBytes,
                                                      const std::filesystem::path& report,
                                                      std::span<const std::uint8_t> reportBytes_) {
    fw::SaveTransaction save;
    if (auto r = save.stage(data, dataBytes); !r) return r;
    if (auto r = save.stage(report, reportBytes_); !r) return r;
    return save.commit();
}

}  // namespace

std::vector<std::uint8_t> reportBytes(std::string_view utf8) {
    const std::string gbk = fw::gbkFileText(utf8);
    return std::vector<std::uint8_t>(gbk.begin(), gbk.end());
}

fw::Expected<void, MeasureSaveFailure> saveMeasure(std::int32_t kind, const CyMeasureRecord& r,
                                                   std::string_view reportUtf8, const std::filesystem::path& data,
                                                   const std::filesystem::path& report, std::int64_t timeStamp) {
    auto fault = kind == kKindPair ? pairRecordFault(r) : singleRecordFault(kind, r);
    if (fault) return fw::unexpected(MeasureSaveFailure{std::move(fault), {}, false});
    auto done = commitDataAndReport(data, cyMeasureFileBytes(kind, r, timeStamp), report, reportBytes(reportUtf8));
    if (!done) return fw::unexpected(MeasureSaveFailure{std::nullopt, done.error(), done.error().path == report});
    return {};
}

}  // namespace measurement
