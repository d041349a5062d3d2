// 定轴传动齿轮对 > 圆柱齿轮测绘计算 > 单个齿轮测绘计算 (32790): the trial, the
// save, and the report in the active window; Cancel leaves the window alone.
#include <gtest/gtest.h>

#include "fw/text.h"
#include "measurement/cy_measure_one_dlg.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

using D = CCyMeasureOneDlg;

class MeasureRoadTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(dir / "home" / "data");
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    CKavrinApp a;
};

TEST_F(MeasureRoadTest, SingleGearOkShowsItsReport) {
    const auto report = dir / "home" / "data" / "gear.cyt";
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.type(D::IDC_MN, "2");
        d.leave();
        d.type(D::IDC_Z, "20");
        d.leave();
        d.type(D::IDC_DA, "44");
        d.leave();
        d.click(D::IDC_TRIAL);
        d.click(IDOK);
    });
    s.answerSave(dir / "home" / "data" / "gear.cyb");
    app.command(32790);
    ASSERT_TRUE(std::filesystem::exists(report));
    EXPECT_EQ(app.activeTitle(), report.string());
    EXPECT_EQ(app.activeText(), fw::utf8FromGbk(readBytes(report)));
}

TEST_F(MeasureRoadTest, SingleGearCancelLeavesTheWindowAlone) {
    s.onDialog(D::IDD, [](fwtest::Running& d) { d.click(IDCANCEL); });
    app.command(32790);
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");
    EXPECT_EQ(app.activeText(), "");
}

}  // namespace
