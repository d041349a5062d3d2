#include "measurement/calc/measure_save.h"

namespace measurement {

std::vector<std::uint8_t> reportBytes(std::string_view utf8) {
    const std::string gbk = fw::gbkFileText(utf8);
    return std::vector<std::uint8_t>(gbk.begin(), gbk.end());
}

fw::Expected<void, fw::FileError> commitDataAndReport(const std::filesystem::path& data,
                                                      std::span<const std::uint8_t> dataBytes,
                                                      const std::filesystem::path& report,
                                                      std::span<const std::uint8_t> reportBytes_) {
    fw::SaveTransaction save;
    if (auto r = save.stage(data, dataBytes); !r) return r;
    if (auto r = save.stage(report, reportBytes_); !r) return r;
    return save.commit();
}

}  // namespace measurement
