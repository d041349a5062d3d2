// The fixture of the cylindrical dialog tests: a private installation folder
// (fwtest::Installation: machine registry, home/data/, home/docs/) and a fresh
// current design of the library for each test, emptied again afterwards.
//
//   class MyDlgTest : public cylindrical_test::DesignTest {
//   protected:
//       MyDlgTest() : DesignTest("my_dlg") {}
//   };
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "cylindrical/cy_current_design.h"
#include "fwtest/installation.h"

namespace cylindrical_test {

class DesignTest : public ::testing::Test {
protected:
    explicit DesignTest(std::string_view area) : inst(area) { freshDesign(); }
    ~DesignTest() override { freshDesign(); }

    static cylindrical::CurrentDesign& design() { return cylindrical::currentDesign(); }
    // Starts over with an empty current design, as at the library's start.
    static void freshDesign() { cylindrical::currentDesign() = {}; }
    std::filesystem::path data(const std::string& name) const { return inst.data(name); }

    fwtest::Installation inst;
    const std::filesystem::path home = inst.home();
};

}  // namespace cylindrical_test
