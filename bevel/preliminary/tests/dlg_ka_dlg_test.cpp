// CKaDlg, the application factor dialog of the bevel preliminary design,
// run headless: opening band, a reading off the trackbar and its help.
#include <gtest/gtest.h>

#include "bevel/preliminary/ka_dlg.h"
#include "fwtest/script.h"

using fwtest::Running;

TEST(PellunKaDlg, OpensOnTheSmoothBandReadsTheThumbAndAsksItsHelp) {
    using D = CKaDlg;
    fwtest::Session s;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》Kavrin 工况系数选择");
        EXPECT_EQ(d.text(D::IDC_LOW), "1.00");
        EXPECT_EQ(d.text(D::IDC_HIGH), "1.25");
        EXPECT_EQ(d.dialog().trackbar(D::IDC_SLIDER).ticFreq(), 2);
        d.click(D::IDC_HELP_KA);
        // 中等冲击 driver with 较大冲击 work: 2.25 – 2.75; 15 of 20 gives 2.625.
        d.click(1207);
        d.click(1210);
        d.drag(D::IDC_SLIDER, 15);
        EXPECT_EQ(d.text(D::IDC_KA), "2.625");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dKa, 2.625);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].data, 0x20097u);
    EXPECT_EQ(s.helpCalls()[0].command, HH_HELP_CONTEXT);
}
