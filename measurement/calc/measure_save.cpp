#include "measurement/calc/measure_save.h"

#include <system_error>

#include "fw/text.h"

namespace measurement {

namespace fs = std::filesystem;

namespace {

fs::path tempBeside(const fs::path& target, const char* tag) {
    return target.parent_path() / ("." + target.filename().string() + tag);
}

fw::FileError fileError(const fs::path& p, const std::error_code& ec) {
    return {fw::causeFromErrno(ec.value()), p};
}

}  // namespace

std::vector<std::uint8_t> reportBytes(std::string_view utf8) {
    const std::string gbk = fw::gbkFromUtf8(utf8);
    std::vector<std::uint8_t> out;
    out.reserve(gbk.size() + gbk.size() / 16);
    for (char c : gbk) {
        if (c == '\n') out.push_back('\r');
        out.push_back(static_cast<std::uint8_t>(c));
    }
    return out;
}

fw::Expected<void, fw::FileError> commitDataAndReport(const fs::path& data, std::span<const std::uint8_t> dataBytes,
                                                      const fs::path& report,
                                                      std::span<const std::uint8_t> reportBytes_) {
    const fs::path dataTmp = tempBeside(data, ".new");
    const fs::path reportTmp = tempBeside(report, ".new");
    const fs::path dataOld = tempBeside(data, ".old");
    std::error_code ec;
    auto cleanup = [&] {
        fs::remove(dataTmp, ec);
        fs::remove(reportTmp, ec);
    };
    if (auto w = fw::writeFile(dataTmp, dataBytes); !w) {
        cleanup();
        return fw::unexpected(fw::FileError{w.error().cause, data});
    }
    if (auto w = fw::writeFile(reportTmp, reportBytes_); !w) {
        cleanup();
        return fw::unexpected(fw::FileError{w.error().cause, report});
    }
    // Keep the old data file until the report is in place too.
    const bool hadData = fs::exists(data, ec);
    if (hadData) {
        fs::rename(data, dataOld, ec);
        if (ec) {
            auto err = fileError(data, ec);
            cleanup();
            return fw::unexpected(err);
        }
    }
    const fs::path* failed = &data;
    fs::rename(dataTmp, data, ec);
    if (!ec) {
        failed = &report;
        fs::rename(reportTmp, report, ec);
    }
    if (ec) {
        auto err = fileError(*failed, ec);
        std::error_code ignore;
        if (hadData) fs::rename(dataOld, data, ignore);
        else fs::remove(data, ignore);
        cleanup();
        return fw::unexpected(err);
    }
    if (hadData) fs::remove(dataOld, ec);
    return {};
}

}  // namespace measurement
