// The sub-dialogs of the cycloidal bevel geometry run headless: the cutter
// head choice, the cutter-tilt charts, the height modification and the
// symbols picture.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "fwtest/script.h"

using fwtest::Running;
using D = CBelmarAolentcDlg;

namespace {

// The lines drawn last: the four cross lines follow the three labels.
std::vector<fw::DrawOp> lastLines(const std::vector<fw::DrawOp>& ops, std::size_t n) {
    std::vector<fw::DrawOp> lines;
    for (auto it = ops.rbegin(); it != ops.rend() && lines.size() < n; ++it)
        if (it->kind == fw::DrawOp::Kind::Line) lines.insert(lines.begin(), *it);
    return lines;
}

}  // namespace

TEST(AolentcDlg, TrackbarsStartAtTheGivenValues) {
    // Rp 50 → 400 (bottom), 270 → 0; βp' 29° → 0; Zc 80 → 0, 20 → 400; βp″ from βp'.
    struct Case { double rp, beta, zc; int posRp, posBeta1, posZc, posBeta2; };
    const Case cases[] = {{50, 29, 80, 400, 0, 0, 0}, {270, 46, 20, 0, 400, 400, 400},
                          {144.6, 37.47, 37.696, 157, 199, 221, 199}};
    for (const auto& c : cases) {
        fwtest::Session s;
        D dlg;
        s.onDialog(D::IDD, [&](Running& d) {
            EXPECT_EQ(d.position(D::IDC_RP_SLIDER), c.posRp) << c.rp;
            EXPECT_EQ(d.position(D::IDC_BETA1_SLIDER), c.posBeta1) << c.beta;
            EXPECT_EQ(d.position(D::IDC_ZC_SLIDER), c.posZc) << c.zc;
            EXPECT_EQ(d.position(D::IDC_BETA2_SLIDER), c.posBeta2) << c.beta;
            d.click(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(c.rp, c.beta, c.zc), IDCANCEL);
    }
}

TEST(AolentcDlg, CrossLinesAndLabelsOfTheWorkedHead) {
    // Rp 144.6 and βp' 37.47° (a point of the Rb 88 curve): βp' x = 44 + 199·229/400 = 157,
    // Rp y = 17 + 157·294/400 = 132; βp″ position trunc(25·7.97) = 199 → x = 372 + 199·228/400 = 485;
    // Zc 37.696: (37.696^0.05 − 20^0.05)/(80^0.05 − 20^0.05) = 0.4488 → 400 − 179 = 221
    // → y = 65 + 221·246/400 = 200.
    fwtest::Session s;
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        const auto& ops = d.canvas();
        auto lines = lastLines(ops, 4);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0].from, (fw::Point{157, 311}));
        EXPECT_EQ(lines[0].to, (fw::Point{157, 17}));
        EXPECT_EQ(lines[1].from, (fw::Point{44, 132}));
        EXPECT_EQ(lines[1].to, (fw::Point{273, 132}));
        EXPECT_EQ(lines[2].from, (fw::Point{485, 311}));
        EXPECT_EQ(lines[3].from, (fw::Point{372, 200}));
        EXPECT_EQ(lines[3].to, (fw::Point{600, 200}));
        std::vector<std::string> texts;
        for (const auto& o : ops)
            if (o.kind == fw::DrawOp::Kind::Text) texts.push_back(o.text);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "βp’=37.47"), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Rp=144.60"), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Zc=37.70"), texts.end());
        d.click(IDCANCEL);
    });
    dlg.DoModal(144.6, 37.47, 37.696);
}

TEST(AolentcDlg, ChoiceRulesAndHints) {
    fwtest::Session s;
    D dlg;
    s.onDialog(D::IDD, [&](Running& d) {
        // Without a radius the spiral-angle scales only hint.
        d.drag(D::IDC_BETA1_SLIDER, 100);
        EXPECT_EQ(d.text(D::IDC_HINT), "请先正确选择Rb按键!");
        d.drag(D::IDC_ZC_SLIDER, 100);
        EXPECT_EQ(d.text(D::IDC_HINT), "请先正确选择Rb按键并调整βp’到交点!");
        d.drag(D::IDC_RP_SLIDER, 50);
        EXPECT_EQ(d.text(D::IDC_HINT),
                  "调准Rp坐标线，得到与对应螺旋角标线的交点，找出交点靠近的刀盘曲线，按下对应的刀盘半径Rb按键。");
        // A radius: βp' and βp″ move together, both ways.
        d.click(D::IDC_RB_FIRST + 7);
        EXPECT_EQ(d.text(D::IDC_HINT), "检查并调准βp’坐标线到刀盘曲线与Rp标线的交点，右图的βp”滑标将与之联动。");
        d.drag(D::IDC_BETA1_SLIDER, 123);
        EXPECT_EQ(d.position(D::IDC_BETA2_SLIDER), 123);
        d.drag(D::IDC_BETA2_SLIDER, 321);
        EXPECT_EQ(d.position(D::IDC_BETA1_SLIDER), 321);
        EXPECT_EQ(d.text(D::IDC_HINT), "找到与Zc标线的交点所在曲线划出的区间，按下与该区间对应的刀片号按键。");
        // OK with only a radius keeps the dialog open.
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.text(D::IDC_HINT), "没有完全选定刀盘参数!");
        d.click(D::IDC_BLADE_FIRST + 2);
        d.click(D::IDC_HELP_BUTTON);
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(144.6, 37.47, 37.696), IDOK);
    EXPECT_EQ(dlg.m_radiusButton, 7);
    EXPECT_EQ(dlg.m_bladeButton, 2);
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].data, 0x20FB7u);
}

TEST(AolentcDlg, CancelIsCancelWhateverWasChosen) {
    fwtest::Session s;
    D dlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.click(D::IDC_RB_FIRST + 2);
        d.click(D::IDC_BLADE_FIRST + 3);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(82.5, 37.47, 37.7), IDCANCEL);
}

TEST(AolentcDlg, OutOfScaleAndNonFiniteValuesStayOnTheScales) {
    // Positions are clamped before they become ints: the sanitizer build stays clean.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case { double rp, beta, zc; int posRp, posBeta1, posZc; };
    const Case cases[] = {{-5, nan, -3, 400, 0, 400}, {1e12, 1e12, 1e12, 0, 400, 0}, {nan, -1e12, nan, 0, 0, 0}};
    for (const auto& c : cases) {
        fwtest::Session s;
        D dlg;
        s.onDialog(D::IDD, [&](Running& d) {
            EXPECT_EQ(d.position(D::IDC_RP_SLIDER), c.posRp);
            EXPECT_EQ(d.position(D::IDC_BETA1_SLIDER), c.posBeta1);
            EXPECT_EQ(d.position(D::IDC_ZC_SLIDER), c.posZc);
            d.click(IDCANCEL);
        });
        dlg.DoModal(c.rp, c.beta, c.zc);
    }
}

namespace {

template <class Dlg>
int runTilt(fwtest::Session& s, Dlg& dlg, double rbh, double betaP, double delta2, fwtest::Script script) {
    s.onDialog(Dlg::IDD, std::move(script));
    return dlg.DoModal(rbh, betaP, delta2);
}

}  // namespace

TEST(AolTiltDlgs, CrossHairStartsAtTheInputs) {
    // rb/h 3.6 with δ2 = δ0: both trackbars at 0, the cross-hair on the left and top edges.
    fwtest::Session s;
    CBelmarAolC87Dlg c87;
    runTilt(s, c87, 3.6, 36.5, 60, [](Running& d) {
        EXPECT_EQ(d.position(CBelmarAolC87Dlg::IDC_H_SLIDER), 0);
        EXPECT_EQ(d.position(CBelmarAolC87Dlg::IDC_V_SLIDER), 0);
        auto lines = lastLines(d.canvas(), 2);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].from, (fw::Point{66, 388}));
        EXPECT_EQ(lines[0].to, (fw::Point{66, 17}));
        EXPECT_EQ(lines[1].from, (fw::Point{66, 17}));
        EXPECT_EQ(lines[1].to, (fw::Point{318, 17}));
        EXPECT_EQ(d.text(CBelmarAolC87Dlg::IDC_TEXT), "Δα= o°\nβp = 36.50\nrb/h = 3.60\n推动纵滑标到交点\n\n当前δ2 = 60.00");
        d.click(IDCANCEL);
    });
    // The worked pair: rb/h 6.190 → trunc(200/6.8·2.59) = 76; δ2 68.2° → trunc(8·8.2) = 65 on C87.
    CBelmarAolC87Dlg worked;
    runTilt(s, worked, 6.19, 36.49, 68.2, [](Running& d) {
        EXPECT_EQ(d.position(CBelmarAolC87Dlg::IDC_H_SLIDER), 76);
        EXPECT_EQ(d.position(CBelmarAolC87Dlg::IDC_V_SLIDER), 65);
        d.click(IDCANCEL);
    });
}

TEST(AolTiltDlgs, VerticalTrackbarReadsDelta2Max) {
    // Vertical 200 gives δ0 + 25: 85, 88 and 90 degrees.
    fwtest::Session s;
    CBelmarAolC87Dlg c87;
    runTilt(s, c87, 6, 36, 70, [](Running& d) { d.drag(CBelmarAolC87Dlg::IDC_V_SLIDER, 200); d.click(IDOK); });
    EXPECT_DOUBLE_EQ(c87.m_delta2Max, 85);
    CBelmarAolC88Dlg c88;
    runTilt(s, c88, 6, 36, 70, [](Running& d) {
        d.drag(CBelmarAolC88Dlg::IDC_V_SLIDER, 200);
        EXPECT_EQ(d.text(CBelmarAolC88Dlg::IDC_TEXT),
                  "Δα= 1.5°\nβp = 36.00\nrb/h = 6.00\nδ2max=88.00\n推动纵滑标到交点\n\n当前δ2 = 70.00");
        d.click(IDOK);
    });
    EXPECT_DOUBLE_EQ(c88.m_delta2Max, 88);
    CBelmarAolC89Dlg c89;
    runTilt(s, c89, 6, 36, 70, [](Running& d) {
        d.drag(CBelmarAolC89Dlg::IDC_V_SLIDER, 200);
        // The cross-hair at the bottom: y = 17 + 200·371/200 = 388.
        auto lines = lastLines(d.canvas(), 2);
        EXPECT_EQ(lines[1].from, (fw::Point{68, 388}));
        d.click(IDOK);
    });
    EXPECT_DOUBLE_EQ(c89.m_delta2Max, 90);
}

TEST(AolTiltDlgs, HorizontalMoveLeavesNoDelta2MaxLine) {
    fwtest::Session s;
    CBelmarAolC87Dlg c87;
    runTilt(s, c87, 6, 36, 70, [](Running& d) {
        d.drag(CBelmarAolC87Dlg::IDC_H_SLIDER, 100);
        // rb/h = 100·6.8/200 + 3.6 = 7.0.
        EXPECT_EQ(d.text(CBelmarAolC87Dlg::IDC_TEXT), "Δα= o°\nβp = 36.00\nrb/h = 7.00\n推动纵滑标到交点\n\n当前δ2 = 70.00");
        const auto& ops = d.canvas();
        ASSERT_GE(ops.size(), 3u);
        EXPECT_EQ(ops[ops.size() - 3].kind, fw::DrawOp::Kind::Bitmap);
        EXPECT_EQ(ops[ops.size() - 3].bitmap, CBelmarAolC87Dlg::IDB_CHART);
        EXPECT_EQ(ops[ops.size() - 3].clip, (fw::Rect{66, 17, 318, 388}));
        EXPECT_EQ(ops[ops.size() - 2].from, (fw::Point{66 + 100 * 252 / 200, 388}));
        d.click(IDOK);
    });
    EXPECT_EQ(c87.m_delta2Max, 0);
    EXPECT_DOUBLE_EQ(c87.m_rbh, 7.0);
}

TEST(AolTiltDlgs, FamilyCodesAndTilts) {
    auto run = [](int templateId, int button, double& tilt) {
        fwtest::Session s;
        auto script = [button](Running& d) {
            auto& tilt = static_cast<CBelmarAolTiltDlg&>(d.dialog());
            d.drag(tilt.family().hSlider, 50);
            d.drag(tilt.family().vSlider, 150);
            d.click(button);
        };
        int r = 0;
        tilt = -7;  // untouched by a cancel
        if (templateId == CBelmarAolC87Dlg::IDD) {
            CBelmarAolC87Dlg d; d.m_tilt = -7; r = runTilt(s, d, 6, 36, 70, script); tilt = d.m_tilt;
        } else if (templateId == CBelmarAolC88Dlg::IDD) {
            CBelmarAolC88Dlg d; d.m_tilt = -7; r = runTilt(s, d, 6, 36, 70, script); tilt = d.m_tilt;
        } else {
            CBelmarAolC89Dlg d; d.m_tilt = -7; r = runTilt(s, d, 6, 36, 70, script); tilt = d.m_tilt;
        }
        return r;
    };
    struct Row { int id; int button; int code; double tilt; };
    const Row rows[] = {
        {CBelmarAolC87Dlg::IDD, IDOK, 1, 0}, {CBelmarAolC87Dlg::IDD, 3, 3, 1.5}, {CBelmarAolC87Dlg::IDD, IDCANCEL, 2, -7},
        {CBelmarAolC88Dlg::IDD, IDOK, 1, 1.5}, {CBelmarAolC88Dlg::IDD, 3, 3, 3.0}, {CBelmarAolC88Dlg::IDD, IDCANCEL, 2, -7},
        {CBelmarAolC89Dlg::IDD, IDOK, 1, 3.0}, {CBelmarAolC89Dlg::IDD, 4285, 4285, 0},
        {CBelmarAolC89Dlg::IDD, IDCANCEL, 2, -7},
    };
    for (const auto& r : rows) {
        double tilt = 0;
        EXPECT_EQ(run(r.id, r.button, tilt), r.code) << r.id << " " << r.button;
        EXPECT_EQ(tilt, r.tilt) << r.id << " " << r.button;
    }
}

TEST(AolTiltDlgs, ExtremeInputsAndHelp) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    fwtest::Session s;
    CBelmarAolC88Dlg c88;
    runTilt(s, c88, 1e12, 36, nan, [](Running& d) {
        EXPECT_EQ(d.position(CBelmarAolC88Dlg::IDC_H_SLIDER), 200);
        EXPECT_EQ(d.position(CBelmarAolC88Dlg::IDC_V_SLIDER), 0);
        d.click(CBelmarAolTiltDlg::IDC_HELP_BUTTON);
        d.click(IDCANCEL);
    });
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].data, 0x20FB8u);
    EXPECT_EQ(s.helpCalls()[0].command, HH_HELP_CONTEXT);
}

TEST(AolXDlg, ConfirmRaiseAndCancel) {
    {   // Confirming unchanged returns xmin.
        fwtest::Session s;
        CBelmarAolXDlg dlg;
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& d) {
            EXPECT_EQ(d.text(CBelmarAolXDlg::IDC_HINT), "计算结果得到齿高变位系数χ≥0.1194，请在下式中调整你的取值!");
            d.click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(0.1194), IDOK);
        EXPECT_EQ(dlg.m_x, 0.1194);
    }
    {   // A smaller value warns and puts xmin back; the dialog stays; a larger one is taken.
        fwtest::Session s;
        CBelmarAolXDlg dlg;
        s.expectMessage("χ＝0.1000不符合不等式：χ>0.1194");
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& d) {
            d.type(CBelmarAolXDlg::IDC_X, "0.1");
            d.click(IDOK);
            EXPECT_FALSE(d.ended());
            EXPECT_EQ(d.text(CBelmarAolXDlg::IDC_X), "0.1194");
            d.type(CBelmarAolXDlg::IDC_X, "0.2");
            d.click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(0.1194), IDOK);
        EXPECT_EQ(dlg.m_x, 0.2);
        EXPECT_TRUE(s.allUsed());
    }
    {   // Cancel after a larger value returns xmin.
        fwtest::Session s;
        CBelmarAolXDlg dlg;
        s.onDialog(CBelmarAolXDlg::IDD, [](Running& d) {
            d.type(CBelmarAolXDlg::IDC_X, "0.5");
            d.leave();
            d.click(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(0.1194), IDCANCEL);
        EXPECT_EQ(dlg.m_x, 0.1194);
    }
}

// χ1 has an upper bound: at χ1 ≥ 1 the gear's addendum (1 − χ1)·mp is not
// above 0 (χ1 3 would save hf1 −6.16 mm). The value is refused, xmin comes
// back and the dialog stays; just below the bound is taken.
TEST(AolXDlg, HeightModificationBelowItsUpperBound) {
    struct Case { const char* typed; bool taken; };
    for (const Case c : {Case{"3", false}, Case{"1", false}, Case{"0.999", true}}) {
        SCOPED_TRACE(c.typed);
        fwtest::Session s;
        CBelmarAolXDlg dlg;
        if (!c.taken) s.expectMessage("χ＝" + std::string(c.typed == std::string("3") ? "3.0000" : "1.0000") +
                                      "过大：大齿轮齿顶高(1－χ)mp应大于0，请取χ<1!");
        s.onDialog(CBelmarAolXDlg::IDD, [&](Running& d) {
            d.type(CBelmarAolXDlg::IDC_X, c.typed);
            d.click(IDOK);
            EXPECT_EQ(d.ended(), c.taken);
            if (!c.taken) {
                EXPECT_EQ(d.text(CBelmarAolXDlg::IDC_X), "0.1194");
                d.click(IDCANCEL);
            }
        });
        dlg.DoModal(0.1194);
        EXPECT_EQ(dlg.m_x, c.taken ? std::stod(c.typed) : 0.1194);
        EXPECT_TRUE(s.allUsed());
    }
}

// A typed absurd χ is refused by the field naming its range; no notice
// prints it (χ＝-1e300 would be 300 digits in the "不符合不等式" notice).
TEST(AolXDlg, AbsurdValuesAreRefusedByTheField) {
    for (const char* typed : {"-1e300", "1e300", "5.5"}) {
        SCOPED_TRACE(typed);
        fwtest::Session s;
        CBelmarAolXDlg dlg;
        s.answerMessage(IDOK);  // the refusal
        s.onDialog(CBelmarAolXDlg::IDD, [&](Running& d) {
            d.type(CBelmarAolXDlg::IDC_X, typed);
            d.click(IDOK);
            EXPECT_FALSE(d.ended());
            d.click(IDCANCEL);
        });
        dlg.DoModal(0.1194);
        EXPECT_EQ(dlg.m_x, 0.1194);
        ASSERT_EQ(s.messages().size(), 1u);
        EXPECT_NE(s.messages()[0].text.find("请输入 -5 到 5 之间的数值。"), std::string::npos) << s.messages()[0].text;
        EXPECT_TRUE(s.allUsed());
    }
}

TEST(AolimgDlg, ShowsThePairAndReturns) {
    fwtest::Session s;
    CBelmarAolimgDlg dlg;
    s.onDialog(CBelmarAolimgDlg::IDD, [](Running& d) {
        EXPECT_EQ(d.bitmap(CBelmarAolimgDlg::IDC_PICTURE), CBelmarAolimgDlg::IDB_PICTURE);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}
