// The set-up both measurement dialog tests share: a private installation, the
// scripted session, a run of the dialog that keeps its report path, and the
// file helpers.
#pragma once
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fwtest/file_size_limit.h"
#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

namespace measurement::test {

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& p) {
    auto b = fw::readFile(p);
    EXPECT_TRUE(b) << p;
    return b ? *b : std::vector<std::uint8_t>{};
}

inline std::filesystem::path fixture(const char* name) {
    return std::filesystem::path(KAVRIN_SOURCE_DIR) / "measurement/tests/fixtures" / name;
}

using fwtest::FileSizeLimit;  // a full disk

template <class Dlg>
class MeasureDlgTest : public ::testing::Test {
protected:
    explicit MeasureDlgTest(const char* area) : m_inst(area) {}

    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }

    int run(fwtest::Script script) {
        m_s.onDialog(Dlg::IDD, std::move(script));
        Dlg dlg(nullptr);
        int r = dlg.DoModal();
        m_reportPath = dlg.m_strReportPath;
        return r;
    }

    fwtest::Session m_s;
    fwtest::Installation m_inst;
    const std::filesystem::path m_data = m_inst.data();
    std::string m_reportPath;
};

}  // namespace measurement::test
