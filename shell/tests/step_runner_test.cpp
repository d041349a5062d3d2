// The runner of written steps (fwtest::StepRunner) fails the test where the
// steps and the window part: a box, window or file question the steps do
// not name, an answer to one that does not come, a name the window does not
// show or shows twice, a value the window does not show. Without these the
// worked example's test could pass on a document that has drifted.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cylindrical/cy_current_design.h"
#include "cylindrical/tests/worked_example_document.h"
#include "fwtest/steps.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

constexpr const char* kPreliminary = "菜单 定轴传动齿轮对 > 圆柱齿轮设计计算 > 预定计算";
constexpr const char* kPreliminaryWindow = "窗口“圆柱齿轮预定计算程序”";

std::vector<fwtest::Step> steps(const std::vector<std::string>& texts) {
    std::vector<fwtest::Step> out;
    for (const auto& t : texts) out.push_back(fwtest::parseStep(t));
    return out;
}

// The first part of the worked example: the preliminary design up to its save.
std::vector<fwtest::Step> examplePreliminary() {
    std::vector<fwtest::Step> out;
    for (auto& st : fwtest::documentSteps(worked_example::documentText())) {
        if (st.verb == "菜单" && !out.empty()) break;
        out.push_back(std::move(st));
    }
    return out;
}

class StepRunnerTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        cylindrical::currentDesign() = {};
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    void TearDown() override { cylindrical::currentDesign() = {}; }
    // Each run in a session of its own: what one run leaves queued stays there.
    void run(const std::vector<fwtest::Step>& st) {
        fwtest::Session own;
        fwtest::StepRunner(own, app, inst.data()).run(st);
    }
    CKavrinApp a;
};

TEST_F(StepRunnerTest, WhereTheStepsAndTheWindowPartTheTestFails) {
    struct Case {
        const char* what;
        std::vector<std::string> steps;
        const char* failure;
    };
    const Case cases[] = {
        {"a question the steps do not answer", {kPreliminary, kPreliminaryWindow, "按“取消”"},
         "a message box the steps do not name came: “设计数据尚未保存"},
        {"an answer to a box that does not come",
         {kPreliminary, kPreliminaryWindow, "按“执行计算”", "回答“计算记录已以…”→ 确定", "按“取消”"},
         "of step 4 did not come"},
        {"a window the steps do not name", {kPreliminary, "按“执行计算”"}, "opens; the steps do not name it"},
        {"a window other than the one named", {kPreliminary, "窗口“强度校核”"}, "the window open is"},
        {"a name the window does not show", {kPreliminary, kPreliminaryWindow, "按“计算”"}, "no control of that name"},
        {"a caption the window shows twice",
         {"菜单 定轴传动齿轮对 > 圆柱齿轮设计计算 > 强度校核", "窗口“强度校核”", "按“工况系数”"},
         "the name fits several controls"},
        {"a value the window does not show", {kPreliminary, kPreliminaryWindow, "核对“i”= 2"}, "it shows “1”"},
        {"a menu item that is not there", {"菜单 圆柱齿轮设计计算 > 预定计算"}, "the menu has no such item"},
        {"an answer with no step before it", {"回答“设计数据尚未保存…”→ 否"}, "an answer with no box before it"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NONFATAL_FAILURE(run(steps(c.steps)), c.failure);
    }
}

// Saving over a file: the save dialog asks whether to replace it, and the
// steps must say so; where it does not ask, they must not.
TEST_F(StepRunnerTest, TheReplaceQuestionOfASaveDialogIsNamedExactlyWhenItComes) {
    auto example = examplePreliminary();
    ASSERT_EQ(example.back().verb, "回答");
    ASSERT_EQ(example[example.size() - 2].text, "保存为 gear.cyb");
    std::ofstream(inst.data("gear.cyb")) << "an older design";
    EXPECT_NONFATAL_FAILURE(run(example), "asks whether to replace gear.cyb; the steps do not say");

    std::filesystem::remove(inst.data("gear.cyb"));
    example.insert(example.end() - 1, fwtest::parseStep("回答“gear.cyb 已存在。您想要替换它吗？”→ 是"));
    EXPECT_NONFATAL_FAILURE(run(example), "a question whether to replace gear.cyb that the save dialog");
}

}  // namespace
