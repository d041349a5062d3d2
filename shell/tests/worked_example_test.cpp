// The worked example of docs/examples.htm done as the document tells a
// user to do it: its steps are read from the document and run through the
// program's menus, every window, field, button and box found by what the
// document calls it (fwtest::StepRunner). The preliminary design, the
// geometry sheet and the strength rating write gear.cyb and gear.cyt; the
// report the program shows at the end is the document's report, line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/tests/worked_example_document.h"
#include "cylindrical/cy_current_design.h"
#include "fw/file.h"
#include "fw/text.h"
#include "fwtest/steps.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace fs = std::filesystem;
using namespace worked_example;

namespace {

class WorkedExample : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        cylindrical::currentDesign() = {};   // as at the program's start
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");   // the splash window
    }
    void TearDown() override { cylindrical::currentDesign() = {}; }
    CKavrinApp a;
};

TEST_F(WorkedExample, RunsAsTheDocumentSays) {
    const std::string html = documentText();
    const auto steps = fwtest::documentSteps(html);
    ASSERT_GT(steps.size(), 100u) << "the document's steps are not read";
    fwtest::StepRunner(s, app, inst.data()).run(steps);
    ASSERT_FALSE(HasFailure());

    // The design file holds both records; the report is the document's,
    // and it is what the program shows.
    const fs::path design = inst.data("gear.cyb"), report = inst.data("gear.cyt");
    auto file = fw::readFile(design);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), 776u);
    auto loaded = cylindrical::loadGeometryDesign(*file);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_DOUBLE_EQ(loaded->geom.a, 110);
    const std::string text = fw::utf8FromGbk(readBytes(report));
    const auto want = documentedReport(html);
    const auto got = reportLines(text);
    EXPECT_EQ(want.size(), 171u);
    for (std::size_t k = 0; k < std::max(want.size(), got.size()); ++k)
        ASSERT_EQ(k < got.size() ? got[k] : "<missing>", k < want.size() ? want[k] : "<none>") << "report line " << k;
    EXPECT_EQ(app.activeTitle(), report.string());
    EXPECT_EQ(app.activeText(), text);
}

}  // namespace
