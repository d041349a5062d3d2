// The whole cycloid wizard as a user goes through it: page 1 by its fields
// and recommendation dialogs, page 2 with bore 80 and the default material,
// page 3 with IT7 and both sliders at 25, the optimum, the rods, the
// strength check; Finish saves the design file and the report, and the
// design file loads again. Figures as worked out by hand for the parts.
#include <gtest/gtest.h>

#include "cex_test_support.h"
#include "cexy_wizard_support.h"
#include "cycloid/calc/cex_files.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;

namespace {

TEST(CexyChain, PagesOneToSixThenFinish) {
    g_cexRecord = {};
    g_strCexDesignPath.clear();
    auto dir = freshDir("chain");
    fwtest::Session s;
    CCexyPropertySheet sheet(109, nullptr);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    s.onSheet([&](fwtest::Running& r) {
        put(r, P1::IDC_TITLE, "摆线针轮减速器");
        computeChainPage(r, s, 0);
        EXPECT_EQ(g_cexRecord.b1.status, 401);
        ASSERT_TRUE(r.next());
        ASSERT_EQ(r.activePage(), 1);

        computeChainPage(r, s, 1);
        EXPECT_EQ(g_cexRecord.b2.status, 402);
        ASSERT_TRUE(r.next());
        ASSERT_EQ(r.activePage(), 2);

        computeChainPage(r, s, 2);
        EXPECT_NEAR(g_cexRecord.b3.dc, 0.19794, 5e-6);
        EXPECT_NEAR(g_cexRecord.b3.delta, 0.113414, 5e-7);
        ASSERT_TRUE(r.next());
        ASSERT_EQ(r.activePage(), 3);

        computeChainPage(r, s, 3);
        EXPECT_NEAR(g_cexRecord.b4.drrp, 0.52, 1e-12);
        EXPECT_NEAR(g_cexRecord.b4.drp, 0.375, 1e-12);
        ASSERT_TRUE(r.next());
        ASSERT_EQ(r.activePage(), 4);
        EXPECT_NEAR(g_cexRecord.b5.Ln, 257.9353, 5e-4);
        ASSERT_TRUE(r.next());
        ASSERT_EQ(r.activePage(), 5);

        computeChainPage(r, s, 5);
        EXPECT_EQ(g_cexRecord.b6.status, 406);
        EXPECT_TRUE(r.finish());
    });
    EXPECT_EQ(sheet.DoModal(), fw::ID_WIZFINISH);
    g_pCexySheet = nullptr;

    s.answerSave(dir / "chain");
    s.expectMessage(fw::format(kMsgSaveNames, (dir / "chain.cxd").string().c_str(), (dir / "chain.cxt").string().c_str()));
    EXPECT_EQ(sheet.SaveDesignAndReport(), 1);
    auto bytes = fileBytes(dir / "chain.cxd");
    ASSERT_EQ(bytes.size(), 992u);
    auto loaded = parseDesignFile(bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(recordBytes(loaded->record), recordBytes(g_cexRecord));
    auto reportBytes = fileBytes(dir / "chain.cxt");
    std::string report = fw::utf8FromGbk(std::string(reportBytes.begin(), reportBytes.end()));
    for (int k = 1; k <= 8; ++k) {
        EXPECT_NE(report.find(fw::format("\t%d. ", k)), std::string::npos) << k;
    }
    EXPECT_EQ(report.find("没有保存数据"), std::string::npos);
    EXPECT_NE(report.find("Δrrp=                                  0.5200 mm"), std::string::npos);
    EXPECT_NE(report.find("Δrp=                                   0.3750mm"), std::string::npos);
    EXPECT_NE(report.find("Ln=                                     257.9353 mm"), std::string::npos);
    EXPECT_NE(report.find("SF=                                     1.91 "), std::string::npos);
    EXPECT_NE(report.find("σH=                                    1187.90 MPa"), std::string::npos);
    EXPECT_NE(report.find("Fmax=                                   5201.70 N\r\n"), std::string::npos);
    EXPECT_NE(report.find("θ=                                     0.06 °\r\n"), std::string::npos);
    EXPECT_TRUE(s.allUsed());
    g_cexRecord = {};
}

}  // namespace
