// The straight bevel geometry dialog through the scripted backend.
#include "bevel/geometry/belmar_len_dlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "bevel/geometry/belmar_len_img_dlg.h"
#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "tab_walk.h"

using namespace bevel;
using D = CBelmarLenDlg;

namespace {

const std::filesystem::path kSource(KAVRIN_SOURCE_DIR);

std::vector<std::uint8_t> readAll(const std::filesystem::path& p) {
    auto bytes = fw::readFile(p);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

void typeIn(fwtest::Running& d, int id, const char* text) {
    d.type(id, text);
    d.leave();
}

// The worked pair: Z1 20, Z2 40, m 4, α 20°, β 0, ha* 1, c* 0.2, χ 0,
// φR 0.25, equal tip clearance; every field the mask needs is entered.
void typeWorkedPair(fwtest::Running& d) {
    typeIn(d, D::IDC_Z1, "20");
    typeIn(d, D::IDC_Z2, "40");
    typeIn(d, D::IDC_M, "4");
    typeIn(d, D::IDC_HA, "1");
    typeIn(d, D::IDC_C, "0.2");
    typeIn(d, D::IDC_ALPHA_DEG, "20");
    typeIn(d, D::IDC_RF, "0.12");
}

// Typing Z1 while Z2 is still 0.
const char* kZ2Notice = "小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数Z2!";
const char* kFaceWidthQuestion =
    "当前的齿宽计算值是22.36,是否需要修正齿宽值?如果需要，\n请按\"是\",回到主窗口后，直接修改齿宽并重新计算,\n"
    "计算结果将可能要自动修正螺旋角。";

class BelmarLenDlgTest : public ::testing::Test {
protected:
    fwtest::Installation inst{"bevel_geometry_straight"};
    fwtest::Session s;
};

TEST_F(BelmarLenDlgTest, WorkedPairCalculatesSavesAndLoadsBack) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        d.click(D::IDC_CALC);
        // Hand values of the worked pair (see the calculation test).
        EXPECT_EQ(d.text(D::IDC_DELTA1), "26");
        EXPECT_EQ(d.text(D::IDC_DELTA1 + 1), "33");
        EXPECT_EQ(d.text(D::IDC_DELTA1 + 2), "54.2");
        EXPECT_EQ(d.text(D::IDC_R), "89.443");
        EXPECT_EQ(d.text(D::IDC_DA1), "87.155");
        EXPECT_EQ(d.text(D::IDC_DA2), "163.578");
        EXPECT_EQ(d.text(D::IDC_AK1), "78.21");
        EXPECT_EQ(d.text(D::IDC_EPS_ALPHA), "1.712");
        EXPECT_EQ(d.text(D::IDC_HBAR1), "4.110");
        d.type(D::IDC_TITLE, "直齿锥齿轮副");
        d.click(IDOK);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage(kFaceWidthQuestion, IDNO);
    s.answerSave(inst.data("pair"));
    s.expectMessage("计算记录已以\n" + inst.data("pair.tng").string() + "\n文件名输出报告！");
    D dlg(nullptr);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strReportPath, inst.data("pair.tng").string());
    const auto file = readAll(inst.data("pair.cng"));
    ASSERT_EQ(file.size(), 1296u);
    // The typed-in design carries a preliminary record the loads accept.
    auto loaded = loadConeDesign(file, ConeLoad::Saved, ConeKind::Straight);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->geom.title, "直齿锥齿轮副");
    EXPECT_EQ(loaded->pre.status, kConePreStatus);
    const auto report = readAll(inst.data("pair.tng"));
    const std::string text = fw::gbkFileText(straightReport(loaded->geom));
    EXPECT_EQ(std::string(report.begin(), report.end()), text);

    // "调用数据" brings every field back.
    s.onDialog(D::IDD, [&](fwtest::Running& d) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(d.text(D::IDC_Z1), "20");
        EXPECT_EQ(d.text(D::IDC_M), "4");
        EXPECT_EQ(d.text(D::IDC_DA1), "87.155");
        EXPECT_EQ(d.text(D::IDC_TITLE), "直齿锥齿轮副");
        d.end(IDCANCEL);
    });
    s.answerOpen(inst.data("pair.cng"));
    s.expectMessage("所选择的数据文件是标准或自定义圆锥齿轮,想改变齿型制,\n请先修改预定计算!");
    D again(nullptr);
    again.DoModal();
    EXPECT_EQ(again.m_geom, loaded->geom);
    EXPECT_EQ(again.m_in.z2, 40u);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, InputRules) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeIn(d, D::IDC_Z1, "12");
        EXPECT_EQ(d.text(D::IDC_Z2), "12");
        typeIn(d, D::IDC_C, "0.3");
        typeIn(d, D::IDC_C, "0.31");
        typeIn(d, D::IDC_HA, "0.8");
        typeIn(d, D::IDC_HA, "1.0");
        typeIn(d, D::IDC_RF, "0.13");
        d.drag(D::IDC_PHIR_TRACK, 50);
        EXPECT_EQ(d.text(D::IDC_PHIR), "0.333333333333333");
        d.end(IDCANCEL);
    });
    s.expectMessage("小齿轮齿数z1=12太少，需考虑增大压力角α及加工条件!");
    s.expectMessage("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数Z2!");
    s.expectMessage("取值不当!顶隙系数应选取适当的值。");
    s.expectMessage("取值不当!齿顶高系数应选取适当的值。");
    s.expectMessage("齿根圆角半径系数偏大，可能影响齿廓!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_in.phiR, 0.3333333333333333);
    for (int bit : {kStraightZ1, kStraightZ2, kStraightHa, kStraightRf}) EXPECT_NE(dlg.m_mask & bit, 0) << bit;
    EXPECT_EQ(dlg.m_mask & kStraightC, 0);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, FaceWidthTooSmallPutsTheOldOneBack) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        d.click(D::IDC_CALC);  // Yes: the face width is to be typed
        EXPECT_TRUE(d.enabled(D::IDC_B));
        typeIn(d, D::IDC_B, "17.888543819998318");  // 0.2·R
        EXPECT_EQ(d.text(D::IDC_PHIR), "0.25");
        d.end(IDCANCEL);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage(kFaceWidthQuestion, IDYES);
    s.expectMessage("齿宽太小!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_NEAR(dlg.m_in.b, 0.25 * 89.44271909999159, 1e-9);
    EXPECT_FALSE(dlg.m_calculated);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, SkewTeethRaisedToTheCutMinimum) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        typeIn(d, D::IDC_BETA_DEG, "10");
        d.click(D::IDC_CALC);
        // arctan 0.42148 = 22.852° → 22°51′7″ cut toward zero (hand calculation).
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "22");
        EXPECT_EQ(d.text(D::IDC_BETA_MIN), "51");
        d.end(IDCANCEL);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage(kFaceWidthQuestion, IDNO);
    s.expectMessage("计算结果表明，当前所选用的螺旋角太小,是否\n调整螺旋角，若调整，请案按\"是\"。", IDYES);
    s.answerMessage(IDYES);
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_FALSE(dlg.calculated());
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, ResultsThatAreNotFiniteKeepThePreviousOnes) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        d.click(D::IDC_CALC);
        typeIn(d, D::IDC_Z1, "12");
        typeIn(d, D::IDC_X1, "-2");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_DA1), "87.155");
        d.end(IDCANCEL);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage(kFaceWidthQuestion, IDNO);
    s.expectMessage("小齿轮齿数z1=12太少，需考虑增大压力角α及加工条件!");
    s.answerMessage(IDNO);  // face width question of the second calculation
    s.expectMessage("输入的预定数据不齐全或有非法数据，请重新计算!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_FALSE(dlg.calculated());  // the inputs changed after the first calculation
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, LoadsOfOtherDesignsAndAnRfOutsideItsBand) {
    // A spiral design is refused.
    const auto spiral = readAll(kSource / "bevel/geometry/tests/fixtures/conegeom_example.cng");
    ASSERT_TRUE(fw::writeFile(inst.data("spiral.cng"), spiral));
    // A straight design with rf 0.15.
    auto straight = spiral;
    const std::int32_t system = 1, taper = 1;
    std::memcpy(&straight[64 + 56], &system, 4);
    std::memcpy(&straight[408 + 552], &system, 4);
    std::memcpy(&straight[408 + 528], &taper, 4);
    const double rf = 0.15;
    std::memcpy(&straight[408 + 512], &rf, 8);
    ASSERT_TRUE(fw::writeFile(inst.data("straight.cng"), straight));
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_LOAD_SAVED);
        d.click(D::IDC_LOAD_SAVED);
        d.click(D::IDC_CALC);
        d.end(IDCANCEL);
    });
    s.answerOpen(inst.data("spiral.cng"));
    s.expectMessage("所选择的数据文件是弧齿格利森圆锥齿轮,不宜用此方法计算!");
    s.answerOpen(inst.data("straight.cng"));
    s.expectMessage("所选择的数据文件是直线齿格利森圆锥齿轮,想改变齿型制,\n请先修改预定计算!");
    s.expectMessage("输入的预定数据不齐全或有非法数据，请重新计算!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(dlg.m_mask & kStraightRf, 0);
    EXPECT_EQ(dlg.m_rf, 0.15);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, HelpPictureAndCancel) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_HELP_BUTTON);
        d.click(D::IDC_PICTURE);
        d.click(IDCANCEL);  // Yes: stays open
        EXPECT_FALSE(d.ended());
        d.click(IDCANCEL);
    });
    s.onDialog(CBelmarLenImgDlg::IDD, [](fwtest::Running& d) {
        EXPECT_EQ(d.dialog().picture(CBelmarLenImgDlg::IDC_PICTURE).bitmap(), CBelmarLenImgDlg::IDB_STRAIGHT);
        d.click(IDOK);
    });
    s.expectMessage("计算数据尚未保存，是(Yes)否(No)保存数据？", IDYES);
    s.expectMessage("计算数据尚未保存，是(Yes)否(No)保存数据？", IDNO);
    D dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarLenDlgTest, PictureInSpiralMode) {
    s.onDialog(CBelmarLenImgDlg::IDD, [](fwtest::Running& d) {
        EXPECT_EQ(d.dialog().picture(CBelmarLenImgDlg::IDC_PICTURE).bitmap(), CBelmarLenImgDlg::IDB_SPIRAL);
        EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin v.01 弧齿圆锥齿轮对几何尺寸参数符号标注");
        d.click(IDOK);
    });
    CBelmarLenImgDlg img(nullptr);
    img.DoModal(CBelmarLenImgDlg::kModeSpiral);
}

}  // namespace

// Values that pass the number parser but that the record check refuses are
// refused where they are typed: the field names its range, the member keeps
// its value, and leaving the field again puts the accepted text back.
TEST(BelmarLenFields, ValuesTheRecordCheckRefusesAreRefusedWhenTyped) {
    struct Case {
        const char* what;
        int id;
        const char* typed;
        const char* range;
        std::function<double(const D&)> member;
    };
    const Case cases[] = {
        {"c* -0.1", D::IDC_C, "-0.1", "请输入 0 到 0.5 之间的数值。", [](const D& d) { return d.m_in.cStar; }},
        {"m 1e300", D::IDC_M, "1e300", "请输入 0.01 到 100 之间的数值。", [](const D& d) { return d.m_in.m; }},
        {"m 1e-300", D::IDC_M, "1e-300", "请输入 0.01 到 100 之间的数值。", [](const D& d) { return d.m_in.m; }},
        {"c* 0.7", D::IDC_C, "0.7", "请输入 0 到 0.5 之间的数值。", [](const D& d) { return d.m_in.cStar; }},
        {"ha* 1e300", D::IDC_HA, "1e300", "请输入 0 到 1.1 之间的数值。", [](const D& d) { return d.m_in.haStar; }},
        {"χ1 1e300", D::IDC_X1, "1e300", "请输入 -5 到 5 之间的数值。", [](const D& d) { return d.m_in.x1; }},
        {"χ2 -5.5", D::IDC_X2, "-5.5", "请输入 -5 到 5 之间的数值。", [](const D& d) { return d.m_in.x2; }},
        {"χτ1 1.5", D::IDC_XT1, "1.5", "请输入 -1 到 1 之间的数值。", [](const D& d) { return d.m_in.xt1; }},
        {"χτ2 -1e300", D::IDC_XT2, "-1e300", "请输入 -1 到 1 之间的数值。", [](const D& d) { return d.m_in.xt2; }},
        {"φR 1e300", D::IDC_PHIR, "1e300", "请输入 0.01 到 0.99 之间的数值。", [](const D& d) { return d.m_in.phiR; }},
        {"rf 1e300", D::IDC_RF, "1e300", "请输入 0.001 到 2 之间的数值。", [](const D& d) { return d.m_rf; }},
        {"Z1 3000000000", D::IDC_Z1, "3000000000", "请输入 0 到 1000 之间的整数。",
         [](const D& d) { return double(d.m_in.z1); }},
        {"Z2 100001", D::IDC_Z2, "100001", "请输入 0 到 1000 之间的整数。",
         [](const D& d) { return double(d.m_in.z2); }},
        {"α minutes 75", D::IDC_ALPHA_MIN, "75", "请输入 0 到 59 之间的整数。",
         [](const D& d) { return double(d.m_in.alpha.min); }},
        {"α seconds 60", D::IDC_ALPHA_SEC, "60", "请输入 0 到 59 之间的整数。",
         [](const D& d) { return double(d.m_in.alpha.sec); }},
        {"β degrees 90", D::IDC_BETA_DEG, "90", "请输入 0 到 60 之间的整数。",
         [](const D& d) { return double(d.m_in.beta.deg); }},
        {"β minutes 75", D::IDC_BETA_MIN, "75", "请输入 0 到 59 之间的整数。",
         [](const D& d) { return double(d.m_in.beta.min); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fwtest::Installation inst{"bevel_geometry_straight_fields"};
        fwtest::Session s;
        std::string before;
        s.answerMessage(IDOK);  // the refusal
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            before = d.text(c.id);
            d.type(c.id, c.typed);
            d.leave();
            EXPECT_EQ(d.focused(), c.id);  // back once to the refused field
            d.leave();
            EXPECT_EQ(d.text(c.id), before);
            d.end(IDCANCEL);
        });
        D dlg(nullptr);
        const double kept = c.member(dlg);
        dlg.DoModal();
        EXPECT_EQ(c.member(dlg), kept);
        ASSERT_FALSE(s.messages().empty());
        const std::string& refusal = s.messages().front().text;
        EXPECT_NE(refusal.find(c.range), std::string::npos) << refusal;
        EXPECT_TRUE(s.allUsed());
    }
}

// A notice about a value comes once per change of it, and a fresh dialog's
// empty counts are not refused untouched (the angles' boxes notice nothing).
// Each case: values typed, each followed by three Tab rounds over every
// control, then Cancel or Escape still ends the dialog.
TEST_F(BelmarLenDlgTest, EachNoticeOncePerChangeWhenTabbingRound) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> typed;
        std::vector<std::string> notices;
    };
    const Case cases[] = {
        {"fresh dialog untouched", {}, {}},
        {"Z2 before Z1", {{D::IDC_Z2, "30"}}, {"请输入小齿轮齿数Z1!"}},
        {"Z1 then 0 refused", {{D::IDC_Z1, "20"}, {D::IDC_Z1, "0"}}, {kZ2Notice, "小齿轮齿数z1=0无效!"}},
        {"φR 0.5", {{D::IDC_PHIR, "0.5"}}, {"齿宽系数偏大，可能小端齿顶变尖!"}},
        {"α 0°30′ and β 10°", {{D::IDC_ALPHA_DEG, "0"}, {D::IDC_ALPHA_MIN, "30"}, {D::IDC_BETA_DEG, "10"}}, {}},
    };
    s.tolerate([](fwtest::Running& r) { r.end(IDCANCEL); });
    for (const bool escape : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (escape ? ", Escape" : ", Cancel"));
            const std::size_t from = s.messages().size();
            D dlg(nullptr);
            s.onDialog(D::IDD, [&](fwtest::Running& d) {
                bevel::test::tabRound(d);
                for (auto [id, text] : c.typed) {
                    d.type(id, text);
                    bevel::test::tabRound(d);
                }
                escape ? d.escape() : d.click(IDCANCEL);
                EXPECT_TRUE(d.ended());
            });
            EXPECT_EQ(dlg.DoModal(), IDCANCEL);
            std::vector<std::string> expected = c.notices;
            expected.push_back("计算数据尚未保存，是(Yes)否(No)保存数据？");
            EXPECT_EQ(bevel::test::textsFrom(s, from), expected);
        }
}
