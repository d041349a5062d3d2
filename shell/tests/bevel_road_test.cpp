// 圆锥齿轮 > 预定参数 (32774): the bevel preliminary design saved, and its
// report in the active window; Cancel leaves the window alone.
#include <gtest/gtest.h>

#include "bevel/geometry/belmar_len_dlg.h"
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

// A value that rounds to zero prints without a sign. The straight Gleason
// pair Z1 20, Z2 50, n1 1450, P 10 without profile shift (χ1 = χτ1 = 0, so
// χ2 = −χ1 and χτ2 = −χτ1 are zeros with a sign): the preliminary report and
// the straight geometry report appended to it read "0.000", never "-0.000".
TEST_F(BevelRoadTest, ShiftsOfAnUnshiftedPairPrintWithoutASign) {
    const auto data = dir / "home" / "data";
    const auto report = data / "straight.tng";
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_SYSTEM + 1);
        for (auto [id, text] : {std::pair{D::IDC_Z1, "20"}, {D::IDC_Z2, "50"}, {D::IDC_N1, "1450"}, {D::IDC_P, "10"},
                                {D::IDC_KA, "1.25"}, {D::IDC_KHB, "1.5"}, {D::IDC_KWB, "1.35"},
                                {D::IDC_SIGMA_H, "1500"}, {D::IDC_SIGMA_F, "480"}, {D::IDC_X1, "0.0"},
                                {D::IDC_XT1, "0.0"}, {D::IDC_YF, "2.5"}}) {
            d.type(id, text);
            d.leave();
        }
        d.click(D::IDC_MODULE);
        d.click(IDOK);
    });
    s.answerSave(data / "straight");
    app.command(32774);
    ASSERT_EQ(app.activeTitle(), report.string());
    EXPECT_NE(app.activeText().find("\t大齿轮高变位系数:      χ2=                                          0.000\r\n"),
              std::string::npos)
        << app.activeText();

    using G = CBelmarLenDlg;
    s.onDialog(G::IDD, [](fwtest::Running& d) {
        d.click(G::IDC_LOAD_PRE);
        d.click(G::IDC_CALC);
        d.click(IDOK);
    });
    s.answerOpen(data / "straight.cng");
    s.answerMessage(IDNO);  // keep the face width the calculation gives
    s.answerSave(data / "straight");
    s.answerMessage(IDOK);  // report written
    app.command(32776);
    EXPECT_TRUE(s.allUsed());
    ASSERT_EQ(app.activeTitle(), report.string());
    const std::string text = app.activeText();
    EXPECT_EQ(text.find("-0.0"), std::string::npos) << text;
    for (const char* line : {"\t                        χ2= (预定,程序调整)=                         0.000\r\n",
                             "\t                        χτ2= (预定,程序调整)=                       0.000\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

}  // namespace
