#include "cycloid/calc/cex_files.h"

#include <span>

#include "fw/file.h"

namespace cycloid {

std::optional<std::vector<std::uint8_t>> readDesignFileBytes(const std::string& path, std::size_t maxBytes) {
    auto bytes = fw::readFile(path, maxBytes);
    if (!bytes) return std::nullopt;
    return std::move(*bytes);
}

SaveOutcome saveDesignAndReportFiles(const std::string& designPath, const std::vector<std::uint8_t>& designBytes,
                                     const std::string& reportPath, const std::string& reportUtf8) {
    fw::SaveTransaction save;
    if (!save.stage(designPath, std::span<const std::uint8_t>(designBytes))) return SaveOutcome::DesignFailed;
    if (!save.stageText(reportPath, reportUtf8)) return SaveOutcome::ReportFailed;
    if (auto r = save.commit(); !r) return r.error().path == designPath ? SaveOutcome::DesignFailed : SaveOutcome::ReportFailed;
    return SaveOutcome::Saved;
}

}  // namespace cycloid
