// 圆锥齿轮 > 预定参数 (32774): the bevel preliminary design saved, and its
// report in the active window; Cancel leaves the window alone.
#include <gtest/gtest.h>

#include "bevel/preliminary/pellun_type.h"
#include "fw/text.h"
#include "shell/kavrin_app.h"
#include "shell_fixture.h"

namespace {

using D = CPellunType;

class BevelRoadTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(dir / "home" / "data");
        ASSERT_TRUE(a.InitInstance());
        app.key("Escape");
    }
    CKavrinApp a;
};

TEST_F(BevelRoadTest, PreliminaryOkShowsItsReport) {
    const auto report = dir / "home" / "data" / "bevel1.tng";
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_SYSTEM + 4);
        for (auto [id, text] : {std::pair{D::IDC_Z1, "20"}, {D::IDC_Z2, "50"}, {D::IDC_N1, "1450"}, {D::IDC_T, "500"}}) {
            d.type(id, text);
            d.leave();
        }
        d.click(IDOK);
    });
    s.answerSave(dir / "home" / "data" / "bevel1");
    app.command(32774);
    ASSERT_TRUE(std::filesystem::exists(report));
    EXPECT_EQ(std::filesystem::file_size(dir / "home" / "data" / "bevel1.cng"), 408u);
    EXPECT_EQ(app.activeTitle(), report.string());
    EXPECT_EQ(app.activeText(), fw::utf8FromGbk(readBytes(report)));
}

TEST_F(BevelRoadTest, PreliminaryCancelLeavesTheWindowAlone) {
    s.onDialog(D::IDD, [](fwtest::Running& d) { d.click(IDCANCEL); });
    s.answerMessage(IDNO);
    s.answerMessage(IDNO);
    app.command(32774);
    EXPECT_EQ(app.activeTitle(), "KAVRIN1");
    EXPECT_EQ(app.activeText(), "");
}

}  // namespace
