// A private installation for each shell test: machine and user registry
// files, data folder for the file-type registration, runtime folder for the
// hand-off socket, all under the test's temporary folder.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fw/registry.h"
#include "fwtest/app_script.h"
#include "fwtest/script.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* base = std::getenv("KAVRIN_TEST_TMP");
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::path(base ? base : "/tmp") / "shell" / (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "home" / "docs");
        std::filesystem::create_directories(dir / "run");
        writeMachine("[SOFTWARE\\ondrel\\kavrin]\nxpfileloc=" + (dir / "home").string() + "\nmentloc=" +
                     (dir / "home" / "docs").string() + "\n");
        setenv("KAVRIN_MACHINE_REGISTRY", (dir / "machine.reg").c_str(), 1);
        setenv("KAVRIN_USER_REGISTRY", (dir / "user.reg").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir / "share").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        fw::registry::reload();
    }
    void writeMachine(const std::string& text) {
        std::ofstream(dir / "machine.reg", std::ios::binary) << text;
        fw::registry::reload();
    }
    std::filesystem::path writeFile(const std::string& name, const std::string& bytes) {
        std::filesystem::path p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    static std::string readBytes(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path dir;
    fwtest::Session s;
    fwtest::AppSession app;
};
