// The worked example of docs/examples.htm done as the document tells a
// user to do it: its steps are read from the document and run through the
// program's menus, every window, field, button and box found by what the
// document calls it (fwtest::StepRunner). The preliminary design, the
// geometry sheet and the strength rating write gear.cyb and gear.cyt; the
// report the program shows at the end is the document's report, line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/calc/rating_tables.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/tests/worked_example_document.h"
#include "cylindrical/cy_current_design.h"
#include "fw/file.h"
#include "fw/format.h"
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

// The steps of the document with `find` replaced by the steps `by`.
std::vector<fwtest::Step> withSteps(const std::vector<std::string>& texts,
                                    const std::vector<std::pair<std::string, std::vector<std::string>>>& edits) {
    std::vector<fwtest::Step> steps;
    std::size_t used = 0;
    for (const std::string& t : texts) {
        auto edit = std::find_if(edits.begin(), edits.end(), [&](const auto& e) { return e.first == t; });
        if (edit == edits.end()) {
            steps.push_back(fwtest::parseStep(t));
            continue;
        }
        ++used;
        for (const std::string& by : edit->second) steps.push_back(fwtest::parseStep(by));
    }
    EXPECT_EQ(used, edits.size()) << "a step to replace is not in the document";
    return steps;
}

// The number after `symbol` and its blanks in the report line that holds it.
double valueAfter(const std::vector<std::string>& lines, const std::string& symbol) {
    for (const std::string& line : lines)
        if (std::size_t at = line.find(symbol); at != std::string::npos)
            return std::strtod(line.c_str() + at + symbol.size(), nullptr);
    ADD_FAILURE() << symbol << " is not in the report";
    return 0;
}

// The document's pair rated for a long industrial life: the same steps, but
// NE 6e10 in both life dialogs (typed in the contact life dialog; 10＾7 and
// 6000 in the bending life dialog), past 1e10, where the life curves stand
// at their long-life value 0.85. The report is the document's but for the
// six lines NE reaches: ZN and YN, the limits formed from them and the
// safety factors, which scale with them.
TEST_F(WorkedExample, ALongLifeIsRatedOnTheLongLifeLine) {
    const std::string html = documentText();
    const auto steps = withSteps(fwtest::documentStepTexts(html),
                                 {{"核对“请输入当量负载循环次数”= 1000000000", {"输入“请输入当量负载循环次数”= 60000000000"}},
                                  {"选“渗碳钢，表面淬火”",
                                   {"选“渗碳钢，表面淬火”", "选“当量循环次数 NE 的数量级”= 10＾7",
                                    "输入“当量循环次数 NE”= 6000"}}});
    fwtest::StepRunner(s, app, inst.data()).run(steps);
    ASSERT_FALSE(HasFailure());

    const auto documented = documentedReport(html);
    const auto got = reportLines(fw::utf8FromGbk(readBytes(inst.data("gear.cyt"))));
    ASSERT_EQ(got.size(), documented.size());
    // The curves at 6e10: 0.85 for ZN (class 0, pitting allowed) and YN
    // (case-hardened) alike.
    EXPECT_DOUBLE_EQ(*kavrin::rating::bendingLifeFactor(1, 6e10), 0.85);
    const double zN = valueAfter(documented, "Zn="), yN = valueAfter(documented, "Yn=");
    const std::vector<std::pair<std::string, double>> reached = {
        {"Zn=", 0.85 / zN}, {"σHlim=", 0.85 / zN}, {"Sh=", 0.85 / zN},
        {"Yn=", 0.85 / yN}, {"σWlim=", 0.85 / yN}, {"Sw=", 0.85 / yN},
    };
    for (const auto& [symbol, scale] : reached) {
        const double want = valueAfter(documented, symbol) * scale;
        EXPECT_NEAR(valueAfter(got, symbol), want, 1e-4 * want) << symbol;
    }
    EXPECT_EQ(fw::format("%.4f", valueAfter(got, "Zn=")), "0.8500");
    EXPECT_EQ(fw::format("%.4f", valueAfter(got, "Yn=")), "0.8500");
    // Every other line as documented.
    for (std::size_t k = 0; k < got.size(); ++k) {
        const bool reachedLine = std::any_of(reached.begin(), reached.end(), [&](const auto& r) {
            return documented[k].find(r.first) != std::string::npos;
        });
        if (!reachedLine) {
            EXPECT_EQ(got[k], documented[k]) << "report line " << k;
        }
    }
}

}  // namespace
