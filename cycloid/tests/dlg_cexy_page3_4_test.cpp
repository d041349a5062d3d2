// Pages 3 and 4 of the cycloid wizard through the scripted backend, on the
// record of the worked example (blocks 1 and 2 of calc_cex_parts_test). The
// figures are those of calc_cex_modification_test, worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "cex_test_support.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;
using P3 = CCexyPropertyPage3;
using P4 = CCexyPropertyPage4;

namespace {

class Pages34Test : public ::testing::Test {
protected:
    void SetUp() override {
        g_cexRecord = {};
        CexDesignRecord f = filledRecord();
        g_cexRecord.b1 = f.b1;
        g_cexRecord.b2 = f.b2;
        g_cexRecord.b2.pinsLeftOut = 0;
        g_strCexDesignPath.clear();
        dir = freshDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override {
        g_cexRecord = {};
        g_strCexDesignPath.clear();
    }
    void run(int startPage, const std::function<void(fwtest::Running&, CCexyPropertySheet&)>& script) {
        CCexyPropertySheet sheet(109, nullptr, startPage);
        g_pCexySheet = &sheet;
        sheet.SetWizardMode();
        s.onSheet([&](fwtest::Running& r) {
            script(r, sheet);
            if (!r.ended()) r.end(IDCANCEL);
        });
        sheet.DoModal();
        g_pCexySheet = nullptr;
    }
    static void put(fwtest::Running& r, int id, const char* text, int away) {
        r.type(id, text);
        r.focus(away);
    }
    // IT7 and both sliders at 25, then the three buttons.
    static void chain(fwtest::Running& r) {
        r.select(P3::IDC_GRADE, 3);
        r.drag(P3::IDC_DWL_SLIDER, 25);
        r.drag(P3::IDC_DPT_SLIDER, 25);
        r.click(P3::IDC_DC_BUTTON);
        r.click(P3::IDC_DJ_BUTTON);
        r.click(P3::IDC_DELTA_BUTTON);
    }
    fwtest::Session s;
    std::filesystem::path dir;
};

TEST_F(Pages34Test, Page3TheChainAndItsOrder) {
    run(2, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P3& p = sheet.m_page3;
        EXPECT_EQ(r.text(P3::IDC_DP), "200");
        EXPECT_EQ(r.text(P3::IDC_DRP), "20");
        EXPECT_TRUE(r.enabled(P3::IDC_GRADE));
        EXPECT_FALSE(r.enabled(P3::IDC_DC_BUTTON));
        r.select(P3::IDC_GRADE, 3);
        EXPECT_NEAR(p.m_dR, 0.075, 1e-12);
        EXPECT_DOUBLE_EQ(p.m_dfEs, -0.1);
        EXPECT_FALSE(r.enabled(P3::IDC_DC_BUTTON));
        r.drag(P3::IDC_DWL_SLIDER, 0);
        EXPECT_DOUBLE_EQ(p.m_dwl, 0.046);
        EXPECT_EQ(r.text(P3::IDC_DWL_MIN), "0.046");
        EXPECT_EQ(r.text(P3::IDC_DWL_MAX), "0.052");
        r.drag(P3::IDC_DWL_SLIDER, 50);
        EXPECT_DOUBLE_EQ(p.m_dwl, 0.052);
        EXPECT_FALSE(r.enabled(P3::IDC_DC_BUTTON));   // Δpt not yet
        r.drag(P3::IDC_DWL_SLIDER, 25);
        r.drag(P3::IDC_DPT_SLIDER, 25);
        EXPECT_TRUE(r.enabled(P3::IDC_DC_BUTTON));
        EXPECT_EQ(r.text(P3::IDC_HINT), "确定径向间隙、侧间隙和转角修形量。");
        // "选择:" again changes nothing.
        r.select(P3::IDC_GRADE, 0);
        EXPECT_NEAR(p.m_dR, 0.075, 1e-12);
        EXPECT_EQ(p.m_grade, 3);
        r.click(P3::IDC_DC_BUTTON);
        r.click(P3::IDC_DJ_BUTTON);
        r.click(P3::IDC_DELTA_BUTTON);
        EXPECT_NEAR(p.m_dc, 0.19794, 5e-6);
        EXPECT_NEAR(p.m_dj, 0.145, 1e-12);
        EXPECT_NEAR(p.m_delta, 0.113414, 5e-7);
        EXPECT_EQ(g_cexRecord.b3.status, 403);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        // Page 4 with these values.
        EXPECT_TRUE(r.next());
        r.click(P4::IDC_CALC);
        EXPECT_NEAR(sheet.m_page4.m_drrp, 0.52, 1e-12);
        EXPECT_NEAR(sheet.m_page4.m_drp, 0.375, 1e-12);
        EXPECT_EQ(g_cexRecord.b4.status, 404);
    });
}

TEST_F(Pages34Test, Page3EditsAndRefusals) {
    run(2, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P3& p = sheet.m_page3;
        chain(r);
        s.expectMessage("输入数据无效！\n 此项间隙值必须为大于0小于1的正数。");
        put(r, P3::IDC_DR, "1", P3::IDC_DFES);
        EXPECT_NEAR(p.m_dR, 0.075, 1e-12);
        s.expectMessage("输入数据无效！\n此项偏差值必须为小于0大于-1的负数。");
        put(r, P3::IDC_DFES, "0.1", P3::IDC_DR);
        s.expectMessage("提供的侧间隙不能为小于或等于零!");
        put(r, P3::IDC_DC, "0", P3::IDC_DR);
        s.expectMessage("此项间隙值只限于0或小于1的正数！");
        put(r, P3::IDC_DJ, "1", P3::IDC_DR);
        put(r, P3::IDC_DJ, "0.2", P3::IDC_DR);
        EXPECT_EQ(r.text(P3::IDC_HINT), "自定义径向间隙");
        // The typed δ in degrees gives the Δc of the button back.
        const double delta = p.m_delta, dc = p.m_dc;
        put(r, P3::IDC_DELTA, "0.5", P3::IDC_DR);
        EXPECT_EQ(r.text(P3::IDC_HINT), "自定义侧间隙");
        put(r, P3::IDC_DELTA, fw::format("%.15g", delta).c_str(), P3::IDC_DR);
        EXPECT_NEAR(p.m_dc, dc, 1e-12);
        s.expectMessage("此项间隙值只限于0或小于1的正数\n单位为度！");
        put(r, P3::IDC_DELTA, "1", P3::IDC_DR);
        EXPECT_TRUE(s.allUsed());
    });
}

TEST_F(Pages34Test, Page3SizesAtTheTablesEnds) {
    struct Row {
        double Rp, Rrp;
        bool gradeAccepted;
    } rows[] = {{400, 60, true}, {400, 60.005, false}, {400.005, 60, false}, {15, 8, true}, {350, 8, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Rp * 2);
        g_cexRecord.b1.Rp = row.Rp;
        g_cexRecord.b1.Rrp = row.Rrp;
        g_cexRecord.b3 = {};
        run(2, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
            P3& p = sheet.m_page3;
            if (!row.gradeAccepted) s.expectMessage(P3::kMsgTooBig);
            r.select(P3::IDC_GRADE, 3);
            EXPECT_EQ(p.m_dR > 0, row.gradeAccepted);
            if (row.gradeAccepted) {
                r.drag(P3::IDC_DWL_SLIDER, 25);
                r.drag(P3::IDC_DPT_SLIDER, 25);
                r.click(P3::IDC_DC_BUTTON);
                r.click(P3::IDC_DJ_BUTTON);
                r.click(P3::IDC_DELTA_BUTTON);
                EXPECT_TRUE(std::isfinite(p.m_delta) && p.m_delta > 0);
            }
        });
    }
    // IT7 with drp 16 and dp 400.
    g_cexRecord.b1.Rp = 200;
    g_cexRecord.b1.Rrp = 8;
    g_cexRecord.b3 = {};
    run(2, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        r.select(P3::IDC_GRADE, 3);
        EXPECT_NEAR(sheet.m_page3.m_dR, 0.063, 1e-12);
        EXPECT_DOUBLE_EQ(sheet.m_page3.m_dfEs, -0.125);
        r.drag(P3::IDC_DWL_SLIDER, 25);
        r.drag(P3::IDC_DPT_SLIDER, 25);
        r.click(P3::IDC_DJ_BUTTON);
        EXPECT_NEAR(sheet.m_page3.m_dj, 0.1455, 1e-12);
    });
    // No pin-hole circle: no grade.
    g_cexRecord.b2.Dw = 0;
    run(2, [&](fwtest::Running& r, CCexyPropertySheet&) { EXPECT_FALSE(r.enabled(P3::IDC_GRADE)); });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Pages34Test, Page3StaleAfterPage2Changed) {
    run(2, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        chain(r);
        EXPECT_EQ(g_cexRecord.b3.status, 403);
        EXPECT_TRUE(r.back());
        sheet.m_page2.m_Dw = 126;
        EXPECT_TRUE(r.next());
        EXPECT_EQ(g_cexRecord.b3.status, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        chain(r);
        EXPECT_EQ(g_cexRecord.b3.status, 403);
    });
}

class Page4Test : public Pages34Test {
protected:
    void SetUp() override {
        Pages34Test::SetUp();
        CexBlock3& b3 = g_cexRecord.b3;
        b3.delta = 0.1116122;
        b3.dc = 0.1948;
        b3.dj = 0.145;
    }
};

TEST_F(Page4Test, TheExampleAndItsFiles) {
    run(3, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P4& p = sheet.m_page4;
        EXPECT_FALSE(r.enabled(P4::IDC_DDA));
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        r.click(P4::IDC_CALC);
        EXPECT_NEAR(p.m_drrp, 0.5125, 1e-12);
        EXPECT_NEAR(p.m_drp, 0.3675, 1e-12);
        EXPECT_NEAR(p.m_ds, 0.13717, 5e-6);
        EXPECT_NEAR(p.m_K1m, 0.49817, 5e-6);
        EXPECT_EQ(g_cexRecord.b4.status, 404);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        EXPECT_TRUE(r.enabled(P4::IDC_DDA));
        // The point files; the extension is appended in the case the check expects.
        s.answerSave(dir / "gear");
        r.click(P4::IDC_DDA);
        EXPECT_EQ(fileBytes(dir / "gear.DDA").size(), 12832u);
        EXPECT_EQ(fileBytes(dir / "gear.DDA"), ddaFileBytes({100, 10, 0.5, 50.0 / 12, 0.1116122, 0.145, 11, 12}));
        s.answerSave(dir / "gear");
        r.click(P4::IDC_MDA);
        EXPECT_EQ(fileBytes(dir / "gear.MDA").size(), 6416u);
        EXPECT_EQ(r.text(P4::IDC_HINT),
                  fw::format("根据优化逼近的等距加移距修形齿廓线数据已以%s文件输出，可用此数据在AutoCAD下生成图形。",
                             (dir / "gear.MDA").string().c_str()));
        // A lower-case extension is named again.
        s.answerSave(dir / "x.dda");
        s.expectMessage("修形齿廓数据文件指定以“.DDA”格式文件存盘！");
        r.click(P4::IDC_DDA);
        EXPECT_TRUE(std::filesystem::exists(dir / "x.DDA"));
        // Cancel writes nothing; a folder that is not there gets its message.
        s.cancelFile();
        r.click(P4::IDC_MDA);
        auto missing = dir / "none" / "y.MDA";
        s.answerSave(missing);
        s.expectMessage(fw::format(P4::kMsgCannotWrite, missing.string().c_str()));
        r.click(P4::IDC_MDA);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 3);
        // Leaving and coming back: the files need a calculation again.
        EXPECT_TRUE(r.back());
        EXPECT_TRUE(r.sheet()->SetActivePage(3));
        EXPECT_FALSE(r.enabled(P4::IDC_DDA));
        EXPECT_EQ(g_cexRecord.b4.status, 404);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page4Test, DefaultNamesFromTheDesignFile) {
    fwtest::Installation inst{"cycloid_page4"};
    g_strCexDesignPath = (dir / "work.old" / "gear.cxd").string();
    std::filesystem::create_directories(dir / "work.old");
    run(3, [&](fwtest::Running& r, CCexyPropertySheet&) {
        r.click(P4::IDC_CALC);
        s.cancelFile();
        r.click(P4::IDC_MDA);
        s.cancelFile();
        r.click(P4::IDC_DDA);
    });
    ASSERT_EQ(s.files().size(), 2u);
    EXPECT_EQ(s.files()[0].request.initialName, (dir / "work.old" / "gear.MDA").string());
    EXPECT_EQ(s.files()[1].request.initialName, (dir / "work.old" / "gear.DDA").string());
    EXPECT_EQ(s.files()[0].request.defaultExt, "MDA");
    // Both open in the data folder, titled by what they save.
    EXPECT_EQ(s.files()[0].request.title, "《Ondrel》保存等距加移距修形齿廓数据文件");
    EXPECT_EQ(s.files()[1].request.title, "《Ondrel》保存转角修形齿廓数据文件");
    for (const auto& f : s.files()) EXPECT_EQ(f.request.folder, inst.data());
}

TEST_F(Page4Test, NoOptimumAndIncompleteResults) {
    g_cexRecord.b1.Rrp = 0;
    run(3, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        s.expectMessage(P4::kMsgNoOptimum);
        r.click(P4::IDC_CALC);
        EXPECT_DOUBLE_EQ(sheet.m_page4.m_drrp, 0);
        EXPECT_FALSE(r.enabled(P4::IDC_DDA));
    });
    g_cexRecord.b1 = filledRecord().b1;
    g_cexRecord.b3.delta = 0.02;   // best Δrrp 0.14 below Δj
    run(3, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        r.click(P4::IDC_CALC);
        EXPECT_NEAR(sheet.m_page4.m_drrp, 0.14, 1e-12);
        EXPECT_LT(sheet.m_page4.m_drp, 0);
        EXPECT_EQ(g_cexRecord.b4.status, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page4Test, StaleAfterPage3Changed) {
    g_cexRecord.b3 = {};
    run(2, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        chain(r);
        EXPECT_TRUE(r.next());
        r.click(P4::IDC_CALC);
        EXPECT_EQ(g_cexRecord.b4.status, 404);
        EXPECT_TRUE(r.back());
        r.type(P3::IDC_DJ, "0.2");
        r.focus(P3::IDC_DR);
        EXPECT_TRUE(r.next());
        EXPECT_EQ(g_cexRecord.b4.status, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        // The old results are cleared, not shown beside the new inputs.
        EXPECT_DOUBLE_EQ(sheet.m_page4.m_drrp, 0);
        EXPECT_EQ(r.text(P4::IDC_DRRP), "0");
        EXPECT_DOUBLE_EQ(g_cexRecord.b4.drrp, 0);
        r.click(P4::IDC_CALC);
        EXPECT_EQ(g_cexRecord.b4.status, 404);
    });
}

}  // namespace
