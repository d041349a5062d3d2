// 输出渐开线齿轮端面齿廓CAD数据 (command 32800): the shell runs the profile
// tool modally and loads no report, whatever the tool did.
#include <gtest/gtest.h>

#if __has_include("profiletool/ctool_cy_dwdata_dlg.h")
#include "fw/file.h"
#include "profiletool/ctool_cy_dwdata_dlg.h"
#include "profiletool/tests/source_files.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

using D = CToolCyDwdataDlg;

class ProfileToolRoadTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(dir / "home" / "data");
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    CKavrinApp a;
};

TEST_F(ProfileToolRoadTest, PointFileWrittenAndNothingLoaded) {
    const auto src = dir / "home" / "data" / "pair.cyb";
    ASSERT_TRUE(fw::writeFile(src, profiletool_test::geometryExample()));
    const auto out = dir / "home" / "data" / "pinion.cyd";
    s.onDialog(D::IDD, [&](fwtest::Running& d) {
        d.type(D::IDC_PATH, src.string());
        d.leave();
        d.click(D::IDC_READ);
        s.answerSave(out);
        d.click(IDOK);
    });
    app.command(32800);
    EXPECT_EQ(s.dialogsRun().back(), D::IDD);
    EXPECT_EQ(std::filesystem::file_size(out), 600u);
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");
}

}  // namespace
#endif
