#include "cycloid/calc/cex_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "fw/text.h"

namespace cycloid {

namespace {

bool writeAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// A new temporary beside `target` holding `bytes`; empty on failure.
std::string writeTemporary(const std::string& target, std::string_view bytes) {
    namespace fs = std::filesystem;
    fs::path t(target);
    fs::path folder = t.parent_path().empty() ? fs::path(".") : t.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path tmp = folder / (".~" + t.filename().string() + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(attempt) + ".tmp");
        int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return {};
        }
        bool ok = writeAll(fd, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) && ::fsync(fd) == 0;
        ok = (::close(fd) == 0) && ok;
        if (!ok) {
            ::unlink(tmp.c_str());
            return {};
        }
        return tmp.string();
    }
    return {};
}

std::string reportBytes(const std::string& utf8) {
    std::string gbk = fw::gbkFromUtf8(utf8);
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 16);
    for (char c : gbk) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readDesignFileBytes(const std::string& path, std::size_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<std::uint8_t> buf(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        ssize_t r = ::read(fd, buf.data() + got, maxBytes - got);
        if (r < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    ::close(fd);
    buf.resize(got);
    return buf;
}

SaveOutcome saveDesignAndReportFiles(const std::string& designPath, const std::vector<std::uint8_t>& designBytes,
                                     const std::string& reportPath, const std::string& reportUtf8) {
    std::string designTmp =
        writeTemporary(designPath, std::string_view(reinterpret_cast<const char*>(designBytes.data()), designBytes.size()));
    if (designTmp.empty()) return SaveOutcome::DesignFailed;
    std::string reportTmp = writeTemporary(reportPath, reportBytes(reportUtf8));
    if (reportTmp.empty()) {
        ::unlink(designTmp.c_str());
        return SaveOutcome::ReportFailed;
    }
    if (std::rename(reportTmp.c_str(), reportPath.c_str()) != 0) {
        ::unlink(reportTmp.c_str());
        ::unlink(designTmp.c_str());
        return SaveOutcome::ReportFailed;
    }
    if (std::rename(designTmp.c_str(), designPath.c_str()) != 0) {
        ::unlink(designTmp.c_str());
        return SaveOutcome::DesignFailed;
    }
    return SaveOutcome::Saved;
}

}  // namespace cycloid
