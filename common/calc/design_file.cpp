#include "common/calc/design_file.h"

#include "fw/format.h"
#include "fw/record.h"

namespace kavrin {

namespace {

std::string fileNameOf(const std::filesystem::path& p) { return p.filename().string(); }

std::filesystem::path withFileName(const std::filesystem::path& p, const std::string& name) {
    return p.parent_path() / name;
}

}  // namespace

NormalisedName normaliseDataName(const std::filesystem::path& chosen, std::string_view dataExt) {
    std::string name = fileNameOf(chosen);
    if (name.find(dataExt, 1) != std::string::npos) return {chosen, false};
    if (name.find('.', 1) != std::string::npos)
        name = name.substr(0, name.rfind('.')) + std::string(dataExt);
    else
        name += dataExt;
    return {withFileName(chosen, name), true};
}

std::string renameNotice(const std::filesystem::path& chosen, const std::filesystem::path& renamed) {
    return fw::format("文件名“%s”不符合规定格式，将以“%s”文件名保存!", chosen.string().c_str(),
                      renamed.string().c_str());
}

std::filesystem::path saveReportName(const std::filesystem::path& data, std::string_view reportExt) {
    std::string name = fileNameOf(data);
    auto dot = name.find('.', 1);
    if (dot != std::string::npos) name.erase(dot);
    return withFileName(data, name + std::string(reportExt));
}

bool hasDataExtension(const std::filesystem::path& p, std::string_view dataExt) {
    return fileNameOf(p).find(dataExt, 1) != std::string::npos;
}

std::filesystem::path loadReportName(const std::filesystem::path& p, std::string_view dataExt,
                                     std::string_view reportExt) {
    std::string name = fileNameOf(p);
    auto pos = name.find(dataExt, 1);
    if (pos != std::string::npos) name.erase(pos);
    return withFileName(p, name + std::string(reportExt));
}

std::filesystem::path designReportName(const std::filesystem::path& p, std::string_view dataExt,
                                       std::string_view reportExt) {
    if (hasDataExtension(p, dataExt)) return loadReportName(p, dataExt, reportExt);
    return saveReportName(p, reportExt);
}

std::string savedNotice(const std::filesystem::path& report) {
    return fw::format("计算记录已以\n%s\n文件名输出报告！", report.string().c_str());
}

fw::Expected<std::vector<std::uint8_t>, fw::FileError> readDesignFile(const std::filesystem::path& p,
                                                                      std::size_t recordBytes) {
    return fw::readFile(p, CDataFileHeader::kSize + recordBytes);
}

fw::Expected<void, DesignSaveError> saveDesignAndReport(const std::filesystem::path& data,
                                                        std::span<const std::uint8_t> dataBytes,
                                                        const std::filesystem::path& report,
                                                        std::string_view reportUtf8,
                                                        fw::SaveTransaction::Mode reportMode) {
    fw::SaveTransaction save;
    if (auto r = save.stage(data, dataBytes); !r) return fw::unexpected(DesignSaveError{true, r.error()});
    if (auto r = save.stageText(report, reportUtf8, reportMode); !r)
        return fw::unexpected(DesignSaveError{false, r.error()});
    if (auto r = save.commit(); !r) return fw::unexpected(DesignSaveError{r.error().path == data, r.error()});
    return {};
}

std::vector<std::uint8_t> designFileBytes(const CDataFileHeader& header,
                                          std::span<const std::vector<std::uint8_t>> records) {
    std::vector<std::uint8_t> out = writeHeader(header);
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

std::optional<DesignFileBody> splitDesignFile(std::span<const std::uint8_t> file, std::size_t recordBytes) {
    if (file.size() < 4) return std::nullopt;
    DesignFileBody body;
    body.oldFile = fw::RecordReader(file).i32(CDataFileHeader::kOffVersion) < kFirstHeaderVersion;
    if (!body.oldFile) {
        auto header = readHeader(file);
        if (!header) return std::nullopt;
        body.header = *header;
    }
    std::size_t start = body.oldFile ? 0 : CDataFileHeader::kSize;
    if (file.size() < start + recordBytes) return std::nullopt;
    body.records = file.subspan(start, recordBytes);
    return body;
}

}  // namespace kavrin
