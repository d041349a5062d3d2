// The spiral and zerol bevel geometry dialog through the scripted backend.
#include "bevel/geometry/belmar_arc_dlg.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

using namespace bevel;
using D = CBelmarArcDlg;

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

const char* kZ2Notice = "小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数z2!";
std::string faceWidthQuestion(const char* b) {
    return std::string("当前的齿宽计算值是") + b +
           ",是否需要修正齿宽值?如果需要，\n请按“是”,回到主窗口后，直接修改齿宽并重新计算。";
}

class BelmarArcDlgTest : public ::testing::Test {
protected:
    fwtest::Installation inst{"bevel_geometry_spiral"};
    fwtest::Session s;
    // The shipped cutter tables in the private installation folder.
    void installCutterTables(bool withXp3 = true) {
        auto text = readAll(kSource / "bevel/geometry/data/xp_tables.txt");
        auto t = parseCutterText(std::string(text.begin(), text.end()));
        ASSERT_TRUE(t);
        const CutterTable* all[] = {&t->xpd, &t->xpm, &t->btMin, &t->btMax, &t->rMin, &t->rMax};
        for (std::size_t i = 0; i < 6; ++i)
            if (withXp3 || i != 2) ASSERT_TRUE(fw::writeFile(inst.home() / kCutterTableFiles[i], cutterTableBytes(*all[i])));
    }
};

// The worked pair: Z1 14, Z2 39, m 4.5, α 20°, βm 35°, ha* 1, c* 0.188, φR 0.25.
void typeWorkedPair(fwtest::Running& d) {
    typeIn(d, D::IDC_Z1, "14");
    typeIn(d, D::IDC_Z2, "39");
    typeIn(d, D::IDC_M, "4.5");
}

TEST_F(BelmarArcDlgTest, WorkedPairListsItsCutters) {
    installCutterTables();
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_DELTA1), "19");
        EXPECT_EQ(d.text(D::IDC_DELTA1 + 1), "44");
        EXPECT_EQ(d.text(D::IDC_DELTA1 + 2), "48.6");
        EXPECT_EQ(d.text(D::IDC_R), "93.233");
        EXPECT_EQ(d.text(D::IDC_H), "9.846");
        EXPECT_EQ(d.text(D::IDC_DA1), "71.471");
        EXPECT_EQ(d.text(D::IDC_ZP), "41.44");
        EXPECT_EQ(d.text(D::IDC_EPS_BETA), "1.319");
        EXPECT_EQ(d.text(D::IDC_EPS_ALPHA), "1.513");
        EXPECT_EQ(d.text(D::IDC_ZV1), "27.062");
        EXPECT_EQ(d.text(D::IDC_BETA_HEEL_DEG), "42");
        EXPECT_EQ(d.text(D::IDC_BETA_HEEL_MIN), "22");
        EXPECT_EQ(d.text(D::IDC_BETA_HEEL_SEC), "18.1");
        EXPECT_EQ(d.text(D::IDC_S1), "7.069");
        const auto rows = d.rows(D::IDC_CUTTERS);
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0][0], "127.00");
        EXPECT_EQ(rows[3][0], "228.60");
        EXPECT_EQ(rows[0][1], ">30.00");
        EXPECT_EQ(d.selection(D::IDC_CUTTERS), 0);
        EXPECT_TRUE(d.enabled(D::IDC_CUSTOM));
        d.end(IDCANCEL);
    });
    s.expectMessage("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数z2!");
    s.expectMessage(faceWidthQuestion("23.31"), IDNO);
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_TRUE(dlg.calculated());
    EXPECT_EQ(dlg.m_geom.status, kConeGeomStatus);
    EXPECT_EQ(dlg.m_geom.toothSystem, 4);  // typed in: βm > 0, taper 1
    EXPECT_EQ(dlg.m_geom.d0, 127.0);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArcDlgTest, FaceWidthYesLeavesTheDialogNotCalculated) {
    installCutterTables();
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(D::IDC_B));
        d.end(IDCANCEL);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage(faceWidthQuestion("23.31"), IDYES);
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_FALSE(dlg.calculated());
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArcDlgTest, PressureAngleBounds) {
    s.onDialog(D::IDD, [&](fwtest::Running& d) {
        typeIn(d, D::IDC_ALPHA_DEG, "14");   // 14°0′0″: refused
        typeIn(d, D::IDC_ALPHA_MIN, "30");   // 14°30′0″: accepted
        typeIn(d, D::IDC_ALPHA_DEG, "14");   // accepted from the degree box too
        typeIn(d, D::IDC_ALPHA_MIN, "29");   // 14°29′0″: refused
        typeIn(d, D::IDC_ALPHA_SEC, "59");
        typeIn(d, D::IDC_ALPHA_DEG, "14");   // 14°29′59″: refused
        typeIn(d, D::IDC_ALPHA_DEG, "25");   // 25°29′59″: refused from the degree box
        typeIn(d, D::IDC_ALPHA_MIN, "0");    // 25°0′59″: accepted from the minutes box
        typeIn(d, D::IDC_ALPHA_SEC, "1");
        typeIn(d, D::IDC_ALPHA_DEG, "25");   // 25°0′1″: refused from the degree box
        typeIn(d, D::IDC_ALPHA_MIN, "0");    // and accepted from the minutes box
        d.end(IDCANCEL);
    });
    for (int i = 0; i < 5; ++i) s.expectMessage("齿型角应大于或等于14.5°!");  // the five refusals above
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_NE(dlg.m_mask & 0x20, 0);
    EXPECT_EQ(dlg.m_in.alpha, (kavrin::AngleTriple{25, 0, 1}));
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArcDlgTest, TooFewPinionTeethAndSmallModule) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeIn(d, D::IDC_Z1, "13");  // βm 35°: enough
        typeIn(d, D::IDC_Z1, "12");
        typeIn(d, D::IDC_BETA_DEG, "0");
        typeIn(d, D::IDC_Z1, "14");
        typeIn(d, D::IDC_BETA_DEG, "25");
        typeIn(d, D::IDC_M, "2.5");
        EXPECT_EQ(d.text(D::IDC_M), "0");
        d.end(IDCANCEL);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage("小齿轮齿数z1=12太少，需考虑增大压力角α\n或采用非零度弧齿及加工条件!");
    s.expectMessage("小齿轮齿数z1=14太少，需考虑增大压力角α\n或采用非零度弧齿及加工条件!");
    s.expectMessage(kZ2Notice);
    s.expectMessage("模数小于等于2.5时若采用小刀盘加工，建议βm应小于25°!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArcDlgTest, LoadsSetTheTaperAndTheMask) {
    // A preliminary file of the zerol system 3, module 2 and 3.
    auto pre = readAll(kSource / "bevel/preliminary/tests/fixtures/conepre_example.cng");
    ASSERT_EQ(pre.size(), 408u);
    const std::int32_t zerol = 3;
    std::memcpy(&pre[64 + 56], &zerol, 4);
    for (double m : {2.0, 3.0}) {
        std::memcpy(&pre[64 + 48], &m, 8);
        ASSERT_TRUE(fw::writeFile(inst.data(m == 2.0 ? "m2.cng" : "m3.cng"), pre));
    }
    // A saved zerol design with φR 0.2.
    auto saved = readAll(kSource / "bevel/geometry/tests/fixtures/conegeom_example.cng");
    std::memcpy(&saved[408 + 552], &zerol, 4);
    const double phiR = 0.2;
    std::memcpy(&saved[408 + 520], &phiR, 8);
    ASSERT_TRUE(fw::writeFile(inst.data("zerol.cng"), saved));
    int taperM2 = -1, taperM3 = -1;
    s.onDialog(D::IDD, [&](fwtest::Running& d) {
        d.click(D::IDC_LOAD_PRE);
        taperM2 = d.checked(D::IDC_TAPER2) ? 2 : 0;
        d.click(D::IDC_LOAD_PRE);
        taperM3 = d.checked(D::IDC_TAPER1) ? 1 : 0;
        d.click(D::IDC_LOAD_SAVED);
        d.click(D::IDC_CALC);
        d.end(IDCANCEL);
    });
    s.answerOpen(inst.data("m2.cng"));
    s.expectMessage("模数小于等于2.5mm轻载齿轮时建议采用βm小于25°齿型制,\n考虑经济性,可采用直线齿型或零度格利森。");
    s.answerOpen(inst.data("m3.cng"));
    s.answerOpen(inst.data("zerol.cng"));
    s.expectMessage("所选择的数据文件是零度弧齿格利森圆锥齿轮,想改变齿型制,\n请先修改预定计算!");
    s.expectMessage("齿宽系数 φR 数值无效!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_EQ(taperM2, 2);
    EXPECT_EQ(taperM3, 1);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArcDlgTest, NoCutterAndAMissingTable) {
    installCutterTables(false);
    std::filesystem::remove(inst.home() / "xp3.dat");
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        typeWorkedPair(d);
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.rows(D::IDC_CUTTERS).empty());
        EXPECT_TRUE(d.enabled(D::IDC_CUSTOM));
        d.end(IDCANCEL);
    });
    s.expectMessage(kZ2Notice);
    s.expectMessage(faceWidthQuestion("23.31"), IDNO);
    s.expectMessage("不能打开文件xp3.dat,");
    s.expectMessage("没有适用的标准铣刀盘，请输入自定义刀盘名义直径后重新计算!");
    D dlg(nullptr);
    dlg.DoModal();
    EXPECT_FALSE(dlg.calculated());
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArcDlgTest, HelpPictureAndCancel) {
    s.onDialog(D::IDD, [](fwtest::Running& d) {
        d.click(D::IDC_HELP_BUTTON);
        d.click(D::IDC_PICTURE);
        d.click(IDCANCEL);
    });
    s.onDialog(4006, [](fwtest::Running& d) { d.click(IDOK); });
    s.expectMessage("计算数据尚未保存，是否先保存？", IDNO);
    D dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
