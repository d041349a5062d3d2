#include "fwtest/installation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "fw/registry.h"

namespace fwtest {

namespace fs = std::filesystem;

namespace {

// "<suite>.<test>.<pid>": unique per test, also when programs run side by side.
std::string testFolderName() {
    std::string name = "test";
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/') c = '_';   // parameterised names
    return name + "." + std::to_string(::getpid());
}

}  // namespace

Installation::Installation(std::string_view area) {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    m_root = fs::path(base && *base ? base : fs::temp_directory_path().string()) / std::string(area) / testFolderName();
    std::error_code ec;
    fs::remove_all(m_root, ec);
    fs::create_directories(data(), ec);
    fs::create_directories(docs(), ec);
    EXPECT_TRUE(fs::is_directory(data())) << "cannot make " << data();
    ::setenv("KAVRIN_MACHINE_REGISTRY", machineFile().c_str(), 1);
    restoreMachine();
}

void Installation::restoreMachine() const {
    EXPECT_TRUE(fw::registry::writeMachineFile(machineFile(), home(), docs())) << "cannot write " << machineFile();
    fw::registry::reload();
}

Installation::~Installation() {
    ::unsetenv("KAVRIN_MACHINE_REGISTRY");
    fw::registry::reload();
}

void Installation::writeMachine(std::string_view text) const {
    std::ofstream(machineFile(), std::ios::binary | std::ios::trunc) << text;
    fw::registry::reload();
}

}  // namespace fwtest
