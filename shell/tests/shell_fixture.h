// A private installation for each shell test (fwtest::Installation: machine
// registry, home/ with data/ and docs/), plus the user registry file, the
// data folder for the file-type registration and the runtime folder for the
// hand-off socket, all under the test's temporary folder.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fw/registry.h"
#include "fwtest/app_script.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

class ShellTest : public ::testing::Test {
protected:
    // Also called again by a test to start over with a good installation.
    void SetUp() override {
        inst.restoreMachine();
        std::filesystem::create_directories(dir / "run");
        setenv("KAVRIN_USER_REGISTRY", (dir / "user.reg").c_str(), 1);
        setenv("XDG_DATA_HOME", (dir / "share").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        fw::registry::reload();
    }
    void writeMachine(const std::string& text) { inst.writeMachine(text); }
    std::filesystem::path writeFile(const std::string& name, const std::string& bytes) {
        std::filesystem::path p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    static std::string readBytes(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fwtest::Installation inst{"shell"};
    const std::filesystem::path dir = inst.root();
    fwtest::Session s;
    fwtest::AppSession app;
};
