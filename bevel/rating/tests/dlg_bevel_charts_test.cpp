// The form factor chart and the face load factor dialogs as built into the
// bevel strength rating: their own template, plot box and texts.
#include <gtest/gtest.h>

#include "bevel/rating/sirrow_kbita_dlg.h"
#include "bevel/rating/sirrow_wkbita_dlg.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "fwtest/script.h"

using fwtest::Running;

namespace {

TEST(SirrowBevelCharts, FormFactorChartHasItsOwnPlotBoxAndCharts) {
    fwtest::Session s;
    s.onDialog(CSirrowWyfDlg::IDD, [](Running& d) {
        EXPECT_EQ(d.position(CSirrowWyfDlg::IDC_H_SLIDER), 140);
        d.drag(CSirrowWyfDlg::IDC_V_SLIDER, 100);
        const auto& ops = d.canvas();
        ASSERT_GE(ops.size(), 5u);
        const auto* o = &ops[ops.size() - 5];
        // Client 509×492 (291×303 units of 宋体 10): box 50,60 to 483,416.
        EXPECT_EQ(o[0].bitmap, 9040);
        EXPECT_EQ(o[0].clip, (fw::Rect{50, 60, 483, 416}));
        EXPECT_EQ(o[1].text, "χ1=0.33");
        EXPECT_EQ(o[1].from, (fw::Point{483 - 65, 60 + 65}));
        EXPECT_EQ(o[2].text, "Zv=39.19");
        EXPECT_EQ(o[4].from, (fw::Point{50, 60 + 178}));  // trunc(100·356/200 + 60)
        d.click(IDOK);
    });
    CSirrowWyfDlg dlg;
    EXPECT_EQ(dlg.DoModal(0.702219, 35, 39.189113, 0.3276), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_value, 100 * 2.2499999999999996 / 200 + 1.85);
    for (auto [beta, id] : {std::pair{0.0, 9035}, {10.0, 9036}, {20.0, 9037}, {25.0, 9038}, {30.0, 9039},
                            {50.0, 9040}, {-2.0, 9035}}) {
        s.onDialog(CSirrowWyfDlg::IDD, [](Running& d) { d.click(IDCANCEL); });
        CSirrowWyfDlg other;
        other.DoModal(0.5, beta, 20, 0);
        EXPECT_EQ(other.m_bitmapId, id) << beta;
    }
}

TEST(SirrowBevelCharts, FaceLoadFactorsWithTheRatingsTexts) {
    fwtest::Session s;
    s.onDialog(CSirrowKbitaDlg::IDD, [](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》Kavrin 圆锥齿轮接触强度的齿向负载分布系数");
        d.click(1005);
        d.selectText(3091, "1.75");
        d.click(IDOK);
    });
    CSirrowKbitaDlg kh;
    EXPECT_EQ(kh.DoModal(), IDOK);
    EXPECT_EQ(kh.m_value, 1.75);
    s.onDialog(CSirrowWkbitaDlg::IDD, [](Running& d) {
        EXPECT_EQ(d.caption(), "《Ondrel》 Kavrin 圆锥齿轮的弯曲强度齿向负载分布系数");
        d.click(IDOK);
    });
    CSirrowWkbitaDlg kw;
    EXPECT_EQ(kw.DoModal(), IDOK);
    EXPECT_EQ(kw.m_value, 1.05);
}

}  // namespace
