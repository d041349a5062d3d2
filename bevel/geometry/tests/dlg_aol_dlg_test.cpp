// The cycloidal bevel geometry dialog run headless in a private installation
// (with the build's cutter table): the worked pair end to end with its saved
// file and report, the field rules, the stops of the calculation, the loads.
#include <gtest/gtest.h>

#include <functional>

#include <cstring>
#include <fstream>
#include <sstream>

#include "bevel/geometry/aol_dlg.h"
#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "tab_walk.h"

using namespace bevel;
using fwtest::Running;
using D = CBelmarAolDlg;

namespace {

const std::filesystem::path kSource(KAVRIN_SOURCE_DIR);

std::vector<std::uint8_t> readAll(const std::filesystem::path& p) {
    auto bytes = fw::readFile(p);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

ConePreRecord workedPre() {
    ConePreRecord p;
    p.toothSystem = 7;
    p.z1 = 14;
    p.z2 = 35;
    p.mt = 5;
    p.alphaDeg = 20;
    p.betaDeg = 35;
    p.haStar = 1;
    p.i = 2.5;
    p.date = "2026年12月10日";
    p.number = "AOL-01";
    p.title = "摆线齿锥齿轮副";
    return p;
}

class AolDlgTest : public ::testing::Test {
protected:
    fwtest::Installation inst{"bevel_geometry_aol"};
    fwtest::Session s;

    void SetUp() override {
        std::ifstream in(kSource / "help/tables/entc.txt", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        auto heads = parseCutterTable(text.str());
        ASSERT_TRUE(heads);
        ASSERT_TRUE(fw::writeFile(inst.home() / "entc.ndt", cutterTableBytes(*heads)));
    }
    // A preliminary design file (header and preliminary record).
    std::filesystem::path preliminary(const ConePreRecord& pre, const char* name = "pair.cng") {
        auto bytes = coneGeomFileBytes(pre, ConeGeomRecord{}, 0);
        bytes.resize(kavrin::CDataFileHeader::kSize + ConePreRecord::kSize);
        const auto p = inst.data(name);
        EXPECT_TRUE(fw::writeFile(p, bytes));
        return p;
    }
    // The cutter head of the worked pair: Rb 49 (button 2), blade button 2 (group 1).
    void chooseWorkedHead() {
        s.onDialog(CBelmarAolentcDlg::IDD, [](Running& d) {
            d.click(CBelmarAolentcDlg::IDC_RB_FIRST + 2);
            d.click(CBelmarAolentcDlg::IDC_BLADE_FIRST + 2);
            d.click(IDOK);
        });
    }
    // Loads the worked pair, sets φR 0.3 and calculates it (tilt passed on C87, x1min confirmed).
    void calculateWorkedPair(Running& d) {
        s.answerOpen(preliminary(workedPre()));
        d.click(D::IDC_LOAD_PRE);
        d.type(D::IDC_PHI, "0.3");
        d.leave();
        s.answerMessage(IDNO);  // keep b = φR·R
        chooseWorkedHead();
        s.onDialog(CBelmarAolC87Dlg::IDD, [](Running& t) { t.click(IDOK); });
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& x) {
            EXPECT_EQ(x.text(CBelmarAolXDlg::IDC_X), "0.116266079305722");
            x.click(IDOK);
        });
        d.click(D::IDC_CALC);
    }
};

}  // namespace

TEST_F(AolDlgTest, WorkedPairCalculatedSavedAndReported) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        calculateWorkedPair(d);
        auto& g = static_cast<D&>(d.dialog());
        EXPECT_EQ(g.m_calculated, 1);
        // Values by hand (see calc_cycloidal_geometry_test).
        EXPECT_EQ(d.text(D::IDC_R), "94.240");
        EXPECT_EQ(d.text(D::IDC_ZC), "37.696");
        EXPECT_EQ(d.text(D::IDC_RP), "82.507");
        EXPECT_EQ(d.text(D::IDC_RI), "65.968");
        EXPECT_EQ(d.text(D::IDC_MP), "3.519");
        EXPECT_EQ(d.text(D::IDC_H), "7.916");
        EXPECT_EQ(d.text(D::IDC_X1), "0.1163");
        EXPECT_EQ(d.text(D::IDC_XT1), "0.0300");
        EXPECT_EQ(d.text(D::IDC_DA1), "77.295");
        EXPECT_EQ(d.text(D::IDC_DA2), "177.310");
        EXPECT_EQ(d.text(D::IDC_S1), "8.629");
        EXPECT_EQ(d.text(D::IDC_EPS_BETA), "1.526");
        EXPECT_EQ(d.text(D::IDC_EPS_ALPHA), "1.484");
        EXPECT_EQ(d.text(D::IDC_BETA_OUT_D) + "°" + d.text(D::IDC_BETA_OUT_M) + "′" + d.text(D::IDC_BETA_OUT_S),
                  "47°25′24.3");
        EXPECT_EQ(d.items(D::IDC_CUTTER_LIST).at(1),
                  "EN 4-49  46.50～52.00  49/3      3.75        3.20～4.40     7.50       0.75");
        s.answerSave(inst.data("pair"));
        s.expectMessage("计算记录已以\n" + inst.data("pair.tng").string() + "\n文件名输出报告！");
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(s.allUsed());
    EXPECT_EQ(dlg.m_strReportPath, inst.data("pair.tng").string());
    const auto bytes = readAll(inst.data("pair.cng"));
    ASSERT_EQ(bytes.size(), 1296u);
    auto i32 = [&](std::size_t geomOffset) {
        std::int32_t v;
        std::memcpy(&v, bytes.data() + 408 + geomOffset, 4);
        return v;
    };
    EXPECT_EQ(i32(584), 0);  // EN
    EXPECT_EQ(i32(728), 2);  // Rb 49
    EXPECT_EQ(i32(732), 1);  // blade group
    EXPECT_EQ(i32(736), 202);
    EXPECT_EQ(i32(552), 7);
    // βi and β as the record keeps them (deg, min, sec): the mended angles
    // 20°6′28.4147″ and 47°25′24.2703″ (calc_cycloidal_geometry_test).
    auto f64 = [&](std::size_t geomOffset) {
        double v;
        std::memcpy(&v, bytes.data() + 408 + geomOffset, 8);
        return v;
    };
    EXPECT_EQ(f64(592), 20);
    EXPECT_EQ(f64(600), 6);
    EXPECT_NEAR(f64(608), 28.4147, 1e-4);
    EXPECT_EQ(f64(616), 47);
    EXPECT_EQ(f64(624), 25);
    EXPECT_NEAR(f64(632), 24.2703, 1e-4);
    // The report: created with this section only, GBK with CR LF, as the golden copy
    // (its values checked against the hand calculation in calc_cycloidal_geometry_test).
    const auto report = readAll(inst.data("pair.tng"));
    const auto golden = readAll(kSource / "bevel/geometry/tests/fixtures/aol_worked_pair.tng");
    EXPECT_FALSE(golden.empty());
    EXPECT_EQ(report, golden);
}

TEST_F(AolDlgTest, SavingTwiceAppendsTwoSectionsAndLoadBringsEverythingBack) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        calculateWorkedPair(d);
        s.answerSave(inst.data("pair"));
        s.answerMessage(IDOK);
        d.click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    const auto once = readAll(inst.data("pair.tng"));
    D again;
    s.onDialog(D::IDD, [&](Running& d) {
        // A saved-data load after a preliminary load brings every field back, uncalculated.
        s.answerOpen(preliminary(workedPre(), "other.cng"));
        d.click(D::IDC_LOAD_PRE);
        s.answerOpen(inst.data("pair.cng"));
        d.click(D::IDC_LOAD_SAVED);
        auto& g = static_cast<D&>(d.dialog());
        EXPECT_EQ(g.m_calculated, 0);
        EXPECT_EQ(d.text(D::IDC_Z1), "14");
        EXPECT_EQ(d.text(D::IDC_PHI), "0.3");
        EXPECT_EQ(d.text(D::IDC_R), "94.240");
        EXPECT_EQ(d.text(D::IDC_DA2), "177.310");
        EXPECT_EQ(d.items(D::IDC_CUTTER_LIST).size(), 2u);
        EXPECT_EQ(g.m_headIndex, 2);
        EXPECT_EQ(g.m_group, 1);
        // Saving needs a new calculation.
        s.expectMessage("未完成计算，无法保存数据!");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        // Recalculate and save again under the same name.
        s.answerMessage(IDNO);
        chooseWorkedHead();
        s.onDialog(CBelmarAolC87Dlg::IDD, [](Running& t) { t.click(IDOK); });
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& x) { x.click(IDOK); });
        d.click(D::IDC_CALC);
        s.answerSave(inst.data("pair"));
        s.answerMessage(IDOK);
        d.click(IDOK);
    });
    ASSERT_EQ(again.DoModal(), IDOK);
    const auto twice = readAll(inst.data("pair.tng"));
    ASSERT_EQ(twice.size(), 2 * once.size());
    EXPECT_TRUE(std::equal(once.begin(), once.end(), twice.begin()));
}

// Values the record check refuses are refused where they are typed (the
// field names its range; the member and the text stay as accepted).
TEST_F(AolDlgTest, ValuesTheRecordCheckRefusesAreRefusedWhenTyped) {
    struct Case {
        const char* what;
        int id;
        const char* typed;
        const char* range;
        std::function<double(const D&)> member;
    };
    const Case cases[] = {
        {"ha* -1", D::IDC_HA_STAR, "-1", "请输入 0 到 1.1 之间的数值。", [](const D& g) { return g.m_haStar; }},
        {"m 1e300", D::IDC_M, "1e300", "请输入 0.01 到 100 之间的数值。", [](const D& g) { return g.m_mt; }},
        {"m 0.001", D::IDC_M, "0.001", "请输入 0.01 到 100 之间的数值。", [](const D& g) { return g.m_mt; }},
        {"φR 1e300", D::IDC_PHI, "1e300", "请输入 0.01 到 0.99 之间的数值。", [](const D& g) { return g.m_phiR; }},
        {"ha* 1e300", D::IDC_HA_STAR, "1e300", "请输入 0 到 1.1 之间的数值。", [](const D& g) { return g.m_haStar; }},
        {"βm minutes 75", D::IDC_BETA_M, "75", "请输入 0 到 59 之间的整数。", [](const D& g) { return g.m_betaM[1]; }},
        {"βm degrees 90", D::IDC_BETA_D, "90", "请输入 0 到 60 之间的整数。", [](const D& g) { return g.m_betaM[0]; }},
        {"α minutes 75", D::IDC_ALPHA_M, "75", "请输入 0 到 59 之间的整数。", [](const D& g) { return g.m_alpha[1]; }},
        {"Z1 3000000000", D::IDC_Z1, "3000000000", "请输入 0 到 1000 之间的整数。", [](const D& g) { return g.m_z1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t before = s.messages().size();
        D dlg(nullptr);
        s.answerMessage(IDOK);  // the refusal
        s.onDialog(D::IDD, [&](Running& d) {
            const std::string shown = d.text(c.id);
            const double kept = c.member(dlg);
            d.type(c.id, c.typed);
            d.leave();
            EXPECT_EQ(d.focused(), c.id);
            d.leave();
            EXPECT_EQ(d.text(c.id), shown);
            EXPECT_EQ(c.member(dlg), kept);
            EXPECT_EQ(dlg.m_calculated, 0);
            d.end(IDCANCEL);
        });
        dlg.DoModal();
        ASSERT_EQ(s.messages().size(), before + 1);
        EXPECT_NE(s.messages().back().text.find(c.range), std::string::npos) << s.messages().back().text;
        EXPECT_TRUE(s.allUsed());
    }
}

// A loaded cycloidal design with a value its field would refuse (α 25°, βm
// 0°) is advised on and not calculated: the loaded value leaves its
// completion bit clear, as the typed one would.
TEST_F(AolDlgTest, LoadedValuesTheFieldsWouldRefuseAreNotCalculated) {
    struct Case { const char* what; int alphaDeg, betaDeg; const char* advice; };
    const Case cases[] = {
        {"α 25°", 25, 35, "若选用EN型刀盘建议α = 20°，\n若选用TC型刀盘建议α = 17.5°。"},
        {"βm 0°", 20, 0, "建议中点螺旋角取为：βm = 30°～45°"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConePreRecord pre = workedPre();
        pre.alphaDeg = c.alphaDeg;
        pre.betaDeg = c.betaDeg;
        s.answerOpen(preliminary(pre, "odd.cng"));
        s.expectMessage(c.advice);
        s.expectMessage("输入的预定数据不齐全或有非法数据，请重新计算!");
        D dlg;
        s.onDialog(D::IDD, [&](Running& d) {
            d.click(D::IDC_LOAD_PRE);
            d.type(D::IDC_PHI, "0.3");
            d.leave();
            d.click(D::IDC_CALC);
            EXPECT_EQ(dlg.m_calculated, 0);
            EXPECT_EQ(dlg.m_geom.status, 0);
            d.end(IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_TRUE(s.allUsed());
    }
}

TEST_F(AolDlgTest, PreliminaryLoadRefusals) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        ConePreRecord spiral = workedPre();
        spiral.toothSystem = 4;
        s.answerOpen(preliminary(spiral, "spiral.cng"));
        s.expectMessage("所选择的数据文件是弧齿格利森圆锥齿轮,不宜用此方法计算!");
        d.click(D::IDC_LOAD_PRE);
        ConePreRecord noStatus = workedPre();
        noStatus.status = 0;
        s.answerOpen(preliminary(noStatus, "nostatus.cng"));
        s.expectMessage("载入的数据不包含锥齿轮几何计算或根本不是锥齿轮计算!");
        d.click(D::IDC_LOAD_PRE);
        EXPECT_EQ(d.text(D::IDC_Z1), "0");
        d.end(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
}

TEST_F(AolDlgTest, FieldRules) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        s.answerOpen(preliminary(workedPre()));
        d.click(D::IDC_LOAD_PRE);
        auto& g = static_cast<D&>(d.dialog());
        // α 20°0′0″ with TC is refused; the TC radio sets 17°30′0″ itself.
        d.click(D::IDC_TC);
        EXPECT_EQ(d.text(D::IDC_ALPHA_D), "17");
        EXPECT_EQ(d.text(D::IDC_ALPHA_M), "30");
        s.expectMessage("刀盘类型与齿形角不符：EN型α＝20°0′0″，TC型α＝17°30′0″!");
        d.type(D::IDC_ALPHA_D, "20");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(d.text(D::IDC_ALPHA_D), "17");
        d.click(D::IDC_EN);
        // βm 30 and 45 silent, 50 warned and taken, 0 refused.
        const std::size_t before = s.messages().size();
        for (const char* b : {"30", "45"}) {
            d.type(D::IDC_BETA_D, b);
            d.focus(D::IDC_TITLE);
        }
        EXPECT_EQ(s.messages().size(), before);
        s.expectMessage("βm的选值不符合规范值，请注意考虑!");
        d.type(D::IDC_BETA_D, "50");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(g.m_geom.betaDeg, 50);
        s.expectMessage("βm的选值非法!");
        d.type(D::IDC_BETA_D, "0");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(d.text(D::IDC_BETA_D), "50");
        EXPECT_TRUE(g.m_mask & 0x10);  // the βm that came back stands
        d.type(D::IDC_BETA_D, "35");  // back in the range, silently
        d.focus(D::IDC_TITLE);
        // φR 1/3 taken; 0.34 refused and the previous comes back.
        d.type(D::IDC_PHI, "0.3333333333333333");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(g.m_geom.phiR, 0.3333333333333333);
        s.expectMessage("齿宽系数偏大，可能小端齿顶变尖!");
        d.type(D::IDC_PHI, "0.34");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(g.m_phiR, 0.3333333333333333);
        // Z1 12 with Z2 10 sets Z2 to 12.
        d.type(D::IDC_Z1, "10");
        d.focus(D::IDC_TITLE);
        d.type(D::IDC_Z2, "10");
        d.focus(D::IDC_TITLE);
        s.expectMessage("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数z2!");
        d.type(D::IDC_Z1, "12");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(d.text(D::IDC_Z2), "12");
        s.expectMessage("小齿轮齿数z1=0无效!");
        d.type(D::IDC_Z1, "0");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(d.text(D::IDC_Z1), "12");
        // A face width while R ≤ 0 stores nothing: the field stays enabled (Yes on
        // the face-width question) after a preliminary load resets R.
        s.answerMessage(IDYES);
        d.click(D::IDC_CALC);
        ASSERT_TRUE(d.enabled(D::IDC_B));
        s.answerOpen(preliminary(workedPre()));
        d.click(D::IDC_LOAD_PRE);
        s.expectMessage("当前锥距数据非法，先计算一次再调整齿宽!");
        d.type(D::IDC_B, "20");
        d.focus(D::IDC_TITLE);
        EXPECT_EQ(g.m_widthEdited, 0);
        d.end(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
}

TEST_F(AolDlgTest, CalculationStops) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        auto& g = static_cast<D&>(d.dialog());
        // Nothing loaded: the mask is incomplete.
        s.expectMessage("输入的预定数据不齐全或有非法数据，请重新计算!");
        d.click(D::IDC_CALC);
        calculateWorkedPair(d);
        ASSERT_EQ(g.m_calculated, 1);
        // Cancel of the cutter head: the flag stays as it was.
        s.answerMessage(IDNO);
        s.onDialog(CBelmarAolentcDlg::IDD, [](Running& e) { e.click(IDCANCEL); });
        s.expectMessage("刀盘参数未完全确定，需重新计算!");
        d.click(D::IDC_CALC);
        EXPECT_EQ(g.m_calculated, 1);
        // C87 asks for more tilt, C88 passes: Δα 1.5.
        s.answerMessage(IDNO);
        chooseWorkedHead();
        s.onDialog(CBelmarAolC87Dlg::IDD, [](Running& t) { t.click(CBelmarAolTiltDlg::IDC_MORE_TILT); });
        s.onDialog(CBelmarAolC88Dlg::IDD, [](Running& t) { t.click(IDOK); });
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& x) { x.click(IDOK); });
        d.click(D::IDC_CALC);
        EXPECT_EQ(g.m_geom.tilt, 1.5);
        EXPECT_EQ(d.text(D::IDC_TILT), "1.50");
        // A head far too large for the gear: Rb 125 with the coarse blades (Rp² < Q).
        s.answerMessage(IDNO);
        s.onDialog(CBelmarAolentcDlg::IDD, [](Running& e) {
            e.click(CBelmarAolentcDlg::IDC_RB_FIRST + 10);
            e.click(CBelmarAolentcDlg::IDC_BLADE_FIRST + 5);
            e.click(IDOK);
        });
        s.expectMessage("刀盘参数未完全确定，需重新计算!");
        d.click(D::IDC_CALC);
        EXPECT_EQ(g.m_calculated, 1);
        EXPECT_EQ(g.m_headIndex, 2);  // the results stay
        // Yes on the face-width question enables b; once typed, no question.
        s.answerMessage(IDYES);
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(D::IDC_B));
        EXPECT_EQ(g.m_calculated, 0);
        s.expectMessage("齿宽太大!");
        d.type(D::IDC_B, "200");
        d.leave();
        s.expectMessage("齿宽太小!");
        d.type(D::IDC_B, "-1");
        d.leave();
        d.type(D::IDC_B, "25");
        d.leave();
        EXPECT_EQ(g.m_widthEdited, 1);
        chooseWorkedHead();
        s.onDialog(CBelmarAolC87Dlg::IDD, [](Running& t) { t.click(IDOK); });
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& x) { x.click(IDOK); });
        d.click(D::IDC_CALC);  // no question this time
        EXPECT_EQ(g.m_calculated, 1);
        EXPECT_EQ(g.m_geom.b, 25);
        d.end(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
}

TEST_F(AolDlgTest, HeightModificationOnlyForSmallPinions) {
    for (const int z1 : {15, 16}) {
        D dlg;
        bool asked = false;
        s.onDialog(D::IDD, [&](Running& d) {
            ConePreRecord p = workedPre();
            p.z1 = static_cast<std::uint32_t>(z1);
            s.answerOpen(preliminary(p));
            d.click(D::IDC_LOAD_PRE);
            s.answerMessage(IDNO);
            chooseWorkedHead();
            s.onDialog(CBelmarAolC87Dlg::IDD, [](Running& t) { t.click(IDOK); });
            if (z1 == 15)
                s.onDialog(CBelmarAolXDlg::IDD, [&](Running& x) { asked = true; x.click(IDOK); });
            d.click(D::IDC_CALC);
            EXPECT_EQ(static_cast<D&>(d.dialog()).m_calculated, 1) << z1;
            if (z1 == 16) { EXPECT_EQ(d.text(D::IDC_X1), "0.0000"); }
            d.end(IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_EQ(asked, z1 == 15);
        EXPECT_TRUE(s.allUsed()) << z1;
    }
}

TEST_F(AolDlgTest, SavedLoadIsAllOrNothing) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        calculateWorkedPair(d);
        s.answerSave(inst.data("pair"));
        s.answerMessage(IDOK);
        d.click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    // The table gone short: the load refuses and the dialog keeps its values.
    auto table = readAll(inst.home() / "entc.ndt");
    table.resize(2 * 192 + 10);
    ASSERT_TRUE(fw::writeFile(inst.home() / "entc.ndt", table));
    D other;
    s.onDialog(D::IDD, [&](Running& d) {
        s.answerOpen(inst.data("pair.cng"));
        s.answerMessage(IDOK);
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_NE(s.messages().back().text.find("不能打开文件"), std::string::npos);
        EXPECT_EQ(d.text(D::IDC_Z1), "0");
        EXPECT_EQ(d.text(D::IDC_R), "0.000");
        // No registry: the stop message, nothing taken.
        inst.writeMachine("");
        s.answerOpen(inst.data("pair.cng"));
        s.expectMessage("文件系统发生非许可改变，程序不能继续进行。\n重新安装软件！");
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(d.text(D::IDC_Z1), "0");
        inst.restoreMachine();
        d.end(IDCANCEL);
    });
    other.DoModal();
    EXPECT_TRUE(s.allUsed());
}

TEST_F(AolDlgTest, CancelAsksUntilSavedAndHelpOpensItsPage) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        d.click(D::IDC_HELP_BUTTON);
        s.expectMessage("计算数据尚未保存!是否先保存数据?", IDYES);
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());
        s.expectMessage("计算数据尚未保存!是否先保存数据?", IDNO);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].target, "Kavrin.chm::/ConGeomAolDlg.htm");
}

TEST_F(AolDlgTest, AcceptedEditsMakeTheResultsStale) {
    // Every accepted change of an input marks the results not calculated;
    // leaving a field unchanged keeps them.
    struct Edit { int id; const char* text; bool stale; };
    const Edit edits[] = {{D::IDC_Z1, "14", false}, {D::IDC_Z1, "13", true}, {D::IDC_Z2, "36", true},
                          {D::IDC_M, "5", false},   {D::IDC_M, "6", true},   {D::IDC_HA_STAR, "0.9", true},
                          {D::IDC_PHI, "0.3", false}, {D::IDC_PHI, "0.31", true}, {D::IDC_BETA_M, "30", true},
                          {D::IDC_B, "25", true}};
    for (const Edit& e : edits) {
        D dlg;
        s.onDialog(D::IDD, [&](Running& d) {
            calculateWorkedPair(d);
            auto& g = static_cast<D&>(d.dialog());
            ASSERT_EQ(g.m_calculated, 1);
            if (e.id == D::IDC_B) {  // the width field opens with Yes on the question
                s.answerMessage(IDYES);
                d.click(D::IDC_CALC);
                g.m_calculated = 1;
            }
            d.type(e.id, e.text);
            d.focus(D::IDC_TITLE);
            EXPECT_EQ(g.m_calculated, e.stale ? 0 : 1) << e.id << " " << e.text;
            if (e.stale) {
                s.expectMessage("未完成计算，无法保存数据!");
                d.click(IDOK);
            }
            d.end(IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_TRUE(s.allUsed()) << e.id << " " << e.text;
    }
    // The cutter-type radios too.
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        calculateWorkedPair(d);
        d.click(D::IDC_TC);
        EXPECT_EQ(static_cast<D&>(d.dialog()).m_calculated, 0);
        d.end(IDCANCEL);
    });
    dlg.DoModal();
}

TEST_F(AolDlgTest, SavedLoadWithoutPreliminaryStaysRefusedAndFailedSaveKeepsTheFile) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        calculateWorkedPair(d);
        s.answerSave(inst.data("pair"));
        s.answerMessage(IDOK);
        d.click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    const auto before = readAll(inst.data("pair.cng"));
    D other;
    s.onDialog(D::IDD, [&](Running& d) {
        // Bits 0x80 to 0x8000 were never set: the calculation stays refused.
        s.answerOpen(inst.data("pair.cng"));
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(d.text(D::IDC_Z1), "14");
        s.expectMessage("输入的预定数据不齐全或有非法数据，请重新计算!");
        d.click(D::IDC_CALC);
        // Loaded with the preliminary first, it calculates; a report that cannot be
        // written leaves the design file as it was and the dialog open.
        s.answerOpen(preliminary(workedPre(), "again.cng"));
        d.click(D::IDC_LOAD_PRE);
        s.answerOpen(inst.data("pair.cng"));
        d.click(D::IDC_LOAD_SAVED);
        d.type(D::IDC_M, "6");
        d.focus(D::IDC_TITLE);
        s.answerMessage(IDNO);
        chooseWorkedHead();
        s.onDialog(CBelmarAolC87Dlg::IDD, [](Running& t) { t.click(IDOK); });
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& x) { x.click(IDOK); });
        d.click(D::IDC_CALC);
        ASSERT_EQ(static_cast<D&>(d.dialog()).m_calculated, 1);
        std::filesystem::remove(inst.data("pair.tng"));
        std::filesystem::create_directory(inst.data("pair.tng"));
        s.answerSave(inst.data("pair"));
        s.answerMessage(IDOK);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(static_cast<D&>(d.dialog()).m_saved, 0);
        d.end(IDCANCEL);
    });
    other.DoModal();
    EXPECT_EQ(readAll(inst.data("pair.cng")), before);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(AolDlgTest, ShortTableStopsTheCalculationAndChangesNothing) {
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        calculateWorkedPair(d);
        auto& g = static_cast<D&>(d.dialog());
        ASSERT_EQ(g.m_calculated, 1);
        const ConeGeomRecord before = g.m_geom;
        auto table = readAll(inst.home() / "entc.ndt");
        table.resize(2 * 192 + 100);  // record 2 cut short
        ASSERT_TRUE(fw::writeFile(inst.home() / "entc.ndt", table));
        s.answerMessage(IDNO);
        chooseWorkedHead();
        s.expectMessage("不能打开文件" + (inst.home() / "entc.ndt").string() + ",ERROR = 14");
        d.click(D::IDC_CALC);
        EXPECT_EQ(g.m_calculated, 1);
        EXPECT_TRUE(g.m_geom == before);
        EXPECT_EQ(d.text(D::IDC_DA2), "177.310");
        d.end(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_TRUE(s.allUsed());
}

// An angle is checked once per change of the whole angle, not once per part
// left; a fresh dialog's empty fields are not refused before anything was
// entered. Each case: values typed (or loaded), each followed by three Tab
// rounds over every control, then Cancel or Escape still ends the dialog.
TEST_F(AolDlgTest, EachNoticeOncePerChangeWhenTabbingRound) {
    constexpr const char* kBetaOff = "βm的选值不符合规范值，请注意考虑!";
    constexpr const char* kBetaBad = "βm的选值非法!";
    constexpr const char* kCutter = "刀盘类型与齿形角不符：EN型α＝20°0′0″，TC型α＝17°30′0″!";
    ConePreRecord betaZero = workedPre(), alphaOff = workedPre();
    betaZero.betaDeg = 0;
    alphaOff.alphaDeg = 15;
    struct Case {
        const char* name;
        std::optional<ConePreRecord> load;
        std::vector<std::pair<int, const char*>> typed;
        std::vector<std::string> notices;
        std::pair<int, const char*> after;  // a field's text at the end
    };
    const Case cases[] = {
        {"βm 20", {}, {{D::IDC_BETA_D, "20"}}, {kBetaOff}, {D::IDC_BETA_D, "20"}},
        {"βm 50", {}, {{D::IDC_BETA_D, "50"}}, {kBetaOff}, {D::IDC_BETA_D, "50"}},
        {"βm 20, then 20°30′", {}, {{D::IDC_BETA_D, "20"}, {D::IDC_BETA_M, "30"}}, {kBetaOff, kBetaOff},
         {D::IDC_BETA_M, "30"}},
        {"βm 35, then 0 refused", {}, {{D::IDC_BETA_D, "35"}, {D::IDC_BETA_D, "0"}}, {kBetaBad}, {D::IDC_BETA_D, "35"}},
        {"α 25 refused, 20 back", {}, {{D::IDC_ALPHA_D, "25"}}, {kCutter}, {D::IDC_ALPHA_D, "20"}},
        {"α 17°30′ with EN", {}, {{D::IDC_ALPHA_M, "30"}}, {kCutter}, {D::IDC_ALPHA_M, "0"}},
        {"fresh dialog untouched", {}, {}, {}, {D::IDC_BETA_D, "0"}},
        {"Z2 before Z1", {}, {{D::IDC_Z2, "30"}}, {"请输入小齿轮齿数Z1!"}, {D::IDC_Z2, "30"}},
        {"loaded βm 0", betaZero, {}, {"建议中点螺旋角取为：βm = 30°～45°", kBetaBad}, {D::IDC_BETA_D, "0"}},
        {"loaded α 15", alphaOff, {}, {"若选用EN型刀盘建议α = 20°，\n若选用TC型刀盘建议α = 17.5°。", kCutter},
         {D::IDC_ALPHA_D, "15"}},
    };
    s.tolerate([](Running& r) { r.end(IDCANCEL); });
    for (const bool escape : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (escape ? ", Escape" : ", Cancel"));
            const std::size_t from = s.messages().size();
            D dlg;
            s.onDialog(D::IDD, [&](Running& d) {
                if (c.load) {
                    s.answerOpen(preliminary(*c.load));
                    d.click(D::IDC_LOAD_PRE);
                }
                bevel::test::tabRound(d);
                for (auto [id, text] : c.typed) {
                    d.type(id, text);
                    bevel::test::tabRound(d);
                }
                EXPECT_EQ(d.text(c.after.first), c.after.second);
                escape ? d.escape() : d.click(IDCANCEL);
                EXPECT_TRUE(d.ended());
            });
            EXPECT_EQ(dlg.DoModal(), IDCANCEL);
            std::vector<std::string> expected = c.notices;
            expected.push_back("计算数据尚未保存!是否先保存数据?");
            EXPECT_EQ(bevel::test::textsFrom(s, from), expected);
        }
}
