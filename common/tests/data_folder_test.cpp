#include "common/calc/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "fw/registry.h"

using namespace kavrin;
namespace fs = std::filesystem;

namespace {

class DataFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const char* root = std::getenv("KAVRIN_TEST_TMP");
        // One folder per test: ctest runs the two side by side.
        m_dir = fs::path(root ? root : fs::temp_directory_path().string()) / "common-data-folder-test" /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(m_dir);
        m_file = m_dir / "machine.reg";
        setenv("KAVRIN_MACHINE_REGISTRY", m_file.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("KAVRIN_MACHINE_REGISTRY");
        fw::registry::reload();
    }
    fs::path m_dir, m_file;
};

TEST_F(DataFolder, ReadsTheInstallationFolder) {
    fs::path install = m_dir / "装 置.1";
    ASSERT_TRUE(fw::registry::writeMachineFile(m_file, install, m_dir / "docs"));
    fw::registry::reload();
    EXPECT_EQ(GetDefaultDir(), install);
    EXPECT_EQ(GetDataDir(), install / "data");
}

TEST_F(DataFolder, FallsBackToTheCurrentDirectory) {
    fs::remove(m_file);
    fw::registry::reload();
    EXPECT_EQ(GetDefaultDir(), fs::current_path());
    EXPECT_EQ(GetDataDir(), fs::current_path() / "data");
}

}  // namespace
