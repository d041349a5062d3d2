// 定轴传动齿轮对 > 小模数齿轮计算 > 小模数渐开线圆柱齿轮对 (command 32809):
// the shell runs the small-module dialog through its exported DoModal and
// shows the report it saved; Cancel loads nothing.
#include <gtest/gtest.h>

#if __has_include("smallmodule/csmcy_dlg.h")
#include "fw/text.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"
#include "smallmodule/csmcy_dlg.h"

namespace {

using D = CSmcyDlg;

class SmallModuleRoadTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(dir / "home" / "data");
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    CKavrinApp a;
};

TEST_F(SmallModuleRoadTest, SavedDesignShowsItsReport) {
    const auto data = dir / "home" / "data" / "pair.cyb";
    const auto report = dir / "home" / "data" / "pair.cyt";
    std::filesystem::copy_file(std::filesystem::path(KAVRIN_SOURCE_DIR) / "smallmodule/tests/fixtures/smcy_p0.cyb",
                               dir / "home" / "p0.cyb");
    s.onDialog(D::IDD, [&](fwtest::Running& d) {
        s.answerOpen(dir / "home" / "p0.cyb");
        d.click(D::IDC_LOAD);
        s.answerSave(data);
        d.click(IDOK);
    });
    s.expectMessage("数据已存为二进制文件：" + data.string() + ",\n报告已存为文本文件：" + report.string());
    app.command(32809);
    ASSERT_TRUE(std::filesystem::exists(report));
    EXPECT_EQ(app.activeTitle(), report.string());
    EXPECT_EQ(app.activeText(), fw::utf8FromGbk(readBytes(report)));
}

TEST_F(SmallModuleRoadTest, CancelLoadsNothing) {
    s.onDialog(D::IDD, [](fwtest::Running& d) { d.click(IDCANCEL); });
    app.command(32809);
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");
    EXPECT_TRUE(s.messages().empty());
}

}  // namespace
#endif
