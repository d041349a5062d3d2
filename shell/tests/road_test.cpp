// The road of one request through the real preliminary-design dialog:
// 定轴传动齿轮对 > 圆柱齿轮设计计算 > 预定计算, compute, save, and the report
// shows in the active window; Cancel leaves the window as it was.
#include <gtest/gtest.h>

#include "cylindrical/cypre_dlg.h"
#include "cylindrical/invdlg.h"
#include "cylindrical/tests/worked_example.h"
#include "fw/text.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

using cylindrical_test::enterWorkedExample;

using D = CypreDlg;

class RoadTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    CKavrinApp a;
};

TEST_F(RoadTest, PreliminaryDesignOkShowsItsReportInTheActiveWindow) {
    const auto report = dir / "home" / "data" / "gear.cyt";
    fw::Document* before = app.activeDocument();
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        enterWorkedExample(d);
        d.click(IDOK);
    });
    s.answerSave(dir / "home" / "data" / "gear");
    s.expectMessage("计算记录已以\n" + report.string() + "\n文件名输出报告！");
    app.command(32771);
    ASSERT_TRUE(std::filesystem::exists(report));
    EXPECT_EQ(app.activeDocument(), before);
    EXPECT_EQ(app.activeTitle(), report.string());
    EXPECT_EQ(app.activeText(), fw::utf8FromGbk(readBytes(report)));
    EXPECT_EQ(a.recentFiles().files().front(), report);
}

TEST_F(RoadTest, PreliminaryDesignCancelLeavesTheWindowAlone) {
    s.onDialog(D::IDD, [](fwtest::Running& d) { d.click(IDCANCEL); });
    s.expectMessage("设计数据尚未保存，是(Yes)否(No)保存数据？", IDNO);   // the dialog's own question
    app.command(32771);
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");
    EXPECT_EQ(app.activeText(), "");
}

TEST_F(RoadTest, InvoluteConverterRunsModallyAndLoadsNothing) {
    s.onDialog(CInvdlg::IDD, [](fwtest::Running& d) { d.end(IDOK); });
    app.command(32787);
    EXPECT_EQ(s.dialogsRun().back(), CInvdlg::IDD);
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");
}

}  // namespace
