#include "cycloid/calc/cex_files.h"

#include <span>

#include "fw/file.h"

namespace cycloid {

std::optional<std::vector<std::uint8_t>> readDesignFileBytes(const std::string& path, std::size_t maxBytes) {
    auto bytes = fw::readFile(path, maxBytes);
    if (!bytes) return std::nullopt;
    return std::move(*bytes);
}

SaveResult saveDesignAndReportFiles(const std::string& designPath, const std::vector<std::uint8_t>& designBytes,
                                    const std::string& reportPath, const std::string& reportUtf8) {
    fw::SaveTransaction save;
    if (auto r = save.stage(designPath, std::span<const std::uint8_t>(designBytes)); !r)
        return {SaveOutcome::DesignFailed, r.error()};
    if (auto r = save.stageText(reportPath, reportUtf8); !r) return {SaveOutcome::ReportFailed, r.error()};
    if (auto r = save.commit(); !r)
        return {r.error().path == designPath ? SaveOutcome::DesignFailed : SaveOutcome::ReportFailed, r.error()};
    return {};
}

}  // namespace cycloid
