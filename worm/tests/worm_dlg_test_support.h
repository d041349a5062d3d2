// Helpers the worm dialog tests share: file bytes, the fixtures, a shown
// number, and one scripted run of a dialog that keeps its report path.
#pragma once
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fwtest/file_size_limit.h"
#include "fw/file.h"
#include "fwtest/script.h"

namespace worm::test {

// The bytes of a file (empty when it cannot be read).
inline std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
    auto b = fw::readFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

inline std::vector<std::uint8_t> fixture(const char* name) {
    return bytesOf(std::filesystem::path(KAVRIN_SOURCE_DIR) / "worm/tests/fixtures" / name);
}

inline double num(const fwtest::Running& d, int id) { return std::strtod(d.text(id).c_str(), nullptr); }

template <class D>
int runDialog(fwtest::Session& s, fwtest::Script script, std::string& reportPath) {
    s.onDialog(D::IDD, std::move(script));
    D dlg(nullptr);
    int r = dlg.DoModal();
    reportPath = dlg.m_strReportPath;
    return r;
}

using fwtest::FileSizeLimit;  // a full disk

}  // namespace worm::test
