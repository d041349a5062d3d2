// A fresh folder per test under $KAVRIN_TEST_TMP (or the system temp folder).
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fw::testing {

inline std::filesystem::path freshTempDir() {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    std::filesystem::path base = root && *root ? root : std::filesystem::temp_directory_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path dir = base / "framework_base" /
                                (std::string(info->test_suite_name()) + "." + info->name() + "." +
                                 std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace fw::testing
