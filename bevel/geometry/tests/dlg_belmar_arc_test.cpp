// The spiral and zerol bevel geometry dialog, run with the scripted backend
// in a private installation that holds the shipped cutter tables.
#include "bevel/geometry/belmar_arc_dlg.h"
#include "bevel/geometry/belmar_len_img_dlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "tab_walk.h"

using namespace bevel;
using D = CBelmarArcDlg;

namespace {

const std::filesystem::path kSource(KAVRIN_SOURCE_DIR);

class BelmarArc : public ::testing::Test {
protected:
    fwtest::Installation inst{"bevel_spiral_dialog"};
    fwtest::Session s;

    void SetUp() override {
        std::ifstream in(kSource / "tools/cuttertables/cutter_tables.txt");
        std::ostringstream text;
        text << in.rdbuf();
        auto tables = parseCutterTableSource(text.str());
        ASSERT_TRUE(tables);
        for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i)
            ASSERT_TRUE(fw::writeFile(inst.home() / kCutterTableFiles[i], cutterTableBytes(tables->t[i])));
    }

    // A design of the given pair as the preliminary design writes it.
    static ConeGeomRecord pair(int z1, int z2, double m, int betaDeg, int system) {
        ConeGeomRecord g;
        g.z1 = z1;
        g.z2 = z2;
        g.mt = m;
        g.alphaDeg = 20;
        g.betaDeg = betaDeg;
        g.cStar = 0.188;
        g.haStar = 1;
        g.toothSystem = system;
        return g;
    }
    std::filesystem::path preliminaryFile(const ConeGeomRecord& g, const char* name) {
        ConePreRecord pre = preRecordForSave(zeroConePreRecord(), g);
        pre.toothSystem = g.toothSystem;
        auto bytes = coneGeomFileBytes(pre, ConeGeomRecord{}, 0);
        bytes.resize(408);
        const auto path = inst.data(name);
        EXPECT_TRUE(fw::writeFile(path, bytes));
        return path;
    }
    std::filesystem::path savedFile(const ConeGeomRecord& g, const char* name) {
        const auto path = inst.data(name);
        EXPECT_TRUE(fw::writeFile(path, coneGeomFileBytes(preRecordForSave(zeroConePreRecord(), g), g, 0)));
        return path;
    }

    void run(const std::function<void(fwtest::Running&, D&)>& script) {
        D dlg(nullptr);
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            script(d, dlg);
            if (!d.ended()) d.end(IDCANCEL);
        });
        dlg.DoModal();
    }
    // The messages since the last mark.
    std::size_t m_mark = 0;
    void mark() { m_mark = s.messages().size(); }
    std::vector<fwtest::MessageRecord> fresh() const {
        return {s.messages().begin() + static_cast<std::ptrdiff_t>(m_mark), s.messages().end()};
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : fresh()) out.push_back(m.text);
        return out;
    }
    static void type(fwtest::Running& d, int id, const char* text) {
        d.type(id, text);
        d.focus(D::IDC_TITLE);
    }
};

constexpr const char* kFaceWidthQuestionStart = "当前的齿宽计算值是";

TEST_F(BelmarArc, WorkedPairFromAPreliminaryFile) {
    // The picture button shows the spiral pair's symbols.
    s.onDialog(CBelmarLenImgDlg::IDD, [](fwtest::Running& d) {
        EXPECT_EQ(d.dialog().picture(CBelmarLenImgDlg::IDC_PICTURE).bitmap(), CBelmarLenImgDlg::IDB_SPIRAL);
        d.click(IDOK);
    });
    s.answerOpen(preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng"));
    s.answerMessage(IDNO);  // the face-width question
    run([&](fwtest::Running& d, D& dlg) {
        EXPECT_FALSE(d.enabled(D::IDC_CUSTOM_D0));
        d.click(D::IDC_LOAD_PRE);
        EXPECT_EQ(d.text(D::IDC_PHIR), "0.25");
        EXPECT_EQ(d.position(D::IDC_PHIR_TRACK), 27);
        EXPECT_TRUE(d.checked(D::IDC_TAPER_CLEARANCE));
        d.click(D::IDC_CALC);
        EXPECT_TRUE(dlg.calculated());
        // By hand (see the calculation's tests): δ1 19°44′48.6″, R 93.233,
        // β at the heel with d0 127.00 42°22′18.1″, s1 = π·4.5/2.
        EXPECT_EQ(d.text(D::IDC_DELTA1_DEG) + "/" + d.text(D::IDC_DELTA1_MIN) + "/" + d.text(D::IDC_DELTA1_SEC),
                  "19/44/48.6");
        EXPECT_EQ(d.text(D::IDC_R), "93.233");
        EXPECT_EQ(d.text(D::IDC_H), "9.846");
        EXPECT_EQ(d.text(D::IDC_ZP), "41.44");
        EXPECT_EQ(d.text(D::IDC_BETA_HEEL_DEG) + "/" + d.text(D::IDC_BETA_HEEL_MIN) + "/" +
                      d.text(D::IDC_BETA_HEEL_SEC),
                  "42/22/18.1");
        EXPECT_EQ(d.text(D::IDC_S1), "7.069");
        const auto rows = d.rows(D::IDC_CUTTERS);
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"127.00", ">30.00", "51～102", "13.50", "38.00", "6.00"}));
        EXPECT_EQ(rows[3][0], "228.60");
        EXPECT_EQ(d.selection(D::IDC_CUTTERS), 0);
        EXPECT_TRUE(d.enabled(D::IDC_CUSTOM_D0));
        EXPECT_EQ(d.text(D::IDC_CUTTER_HINT), "(核对计算结果，选择列表中适用加工范围的刀盘直径)");
        EXPECT_EQ(dlg.m_geom.toothSystem, 4);
        EXPECT_EQ(dlg.m_geom.status, kConeGeomStatus);
        EXPECT_EQ(dlg.m_geom.cutterRow, 9);
        EXPECT_EQ(dlg.m_geom.cutterBand, 2);
        EXPECT_EQ(dlg.m_geom.d0, 127.0);
        // An accepted change of an input makes the results stale.
        type(d, D::IDC_X1, "0.1");
        EXPECT_FALSE(dlg.calculated());
        d.click(D::IDC_HELP_BUTTON);
        d.click(D::IDC_PICTURE);
    });
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].target, "Kavrin.chm::/ConGeomArcDlg.htm");
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].text.rfind(kFaceWidthQuestionStart, 0), 0u);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, PressureAngleBoxes) {
    // The box under test is typed and left; the others are set beforehand.
    struct Case {
        const char* deg;
        const char* min;
        const char* sec;
        int left;
        bool accepted;
    };
    const Case cases[] = {
        {"14", "30", "0", D::IDC_ALPHA_DEG, true},    // 14°30′0″
        {"14", "29", "59", D::IDC_ALPHA_DEG, false},  // 14°29′59″
        {"25", "0", "1", D::IDC_ALPHA_DEG, false},    // 25°0′1″ from the degree box
        {"25", "0", "1", D::IDC_ALPHA_MIN, true},     // ... and from the minutes box
        {"14", "29", "59", D::IDC_ALPHA_MIN, false},
    };
    for (const Case& c : cases) {
        if (!c.accepted) s.expectMessage("齿型角应大于或等于14.5°!");
        run([&](fwtest::Running& d, D& dlg) {
            const std::pair<int, const char*> boxes[] = {
                {D::IDC_ALPHA_DEG, c.deg}, {D::IDC_ALPHA_MIN, c.min}, {D::IDC_ALPHA_SEC, c.sec}};
            for (auto [id, text] : boxes)
                if (id != c.left) dlg.setText(id, text);
            for (auto [id, text] : boxes)
                if (id == c.left) type(d, id, text);
            EXPECT_EQ((dlg.m_mask & kSpiralAlpha) != 0, c.accepted) << c.deg << "°" << c.min << "′" << c.sec;
        });
        EXPECT_EQ(fresh().size(), c.accepted ? 0u : 1u);
        EXPECT_TRUE(s.allUsed());
        mark();
    }
}

TEST_F(BelmarArc, FewTeethNoticeAndModuleAdvice) {
    struct Case {
        const char* beta;
        const char* z1;
        bool notice;
    };
    const Case cases[] = {{"35", "12", true}, {"0", "14", true}, {"35", "13", false}, {"0", "15", false}};
    for (const Case& c : cases) {
        if (c.notice) s.answerMessage(IDOK);
        if (true) s.answerMessage(IDOK);  // Z2 raised to Z1
        run([&](fwtest::Running& d, D&) {
            type(d, D::IDC_BETA_DEG, c.beta);
            type(d, D::IDC_Z1, c.z1);
        });
        EXPECT_EQ(fresh().size(), c.notice ? 2u : 1u) << c.beta << " " << c.z1;
        EXPECT_EQ(fresh().front().text.find("太少") != std::string::npos, c.notice);
        EXPECT_TRUE(s.allUsed());
        mark();
    }

    // m 2.5 with βm 25° is refused and the old module returns.
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        type(d, D::IDC_M, "3");
        type(d, D::IDC_BETA_DEG, "25");
        type(d, D::IDC_M, "2.5");
        EXPECT_EQ(dlg.m_in.m, 3);
        EXPECT_EQ(d.text(D::IDC_M), "3");
    });
    EXPECT_EQ(texts(), std::vector<std::string>{"模数小于等于2.5时若采用小刀盘加工，建议βm应小于25°!"});
}

// The pair m ≤ 2.5, βm ≥ 25° is refused whichever is typed last: βm after
// the module gets the module's message and its previous value back.
TEST_F(BelmarArc, ModuleAndHelixRefusedWhicheverComesLast) {
    s.expectMessage("模数小于等于2.5时若采用小刀盘加工，建议βm应小于25°!");
    run([&](fwtest::Running& d, D& dlg) {
        type(d, D::IDC_BETA_DEG, "0");
        type(d, D::IDC_M, "2.5");  // accepted while βm is 0
        type(d, D::IDC_BETA_DEG, "25");
        EXPECT_EQ(dlg.m_in.betaM.deg, 0);
        EXPECT_EQ(d.text(D::IDC_BETA_DEG), "0");
        EXPECT_EQ(dlg.m_in.m, 2.5);
        type(d, D::IDC_BETA_DEG, "24");  // below the band: taken
        EXPECT_EQ(dlg.m_in.betaM.deg, 24);
    });
    EXPECT_TRUE(s.allUsed());
}

// Values the record check refuses are refused where they are typed (the
// field names its range; the member and the text stay as accepted), so no
// such design is calculated or saved.
TEST_F(BelmarArc, ValuesTheRecordCheckRefusesAreRefusedWhenTyped) {
    struct Case {
        const char* what;
        int id;
        const char* typed;
        const char* range;
        std::function<double(const D&)> member;
    };
    const Case cases[] = {
        {"ha* -1e300", D::IDC_HA, "-1e300", "请输入 0 到 1.1 之间的数值。", [](const D& g) { return g.m_in.haStar; }},
        {"m 1e300", D::IDC_M, "1e300", "请输入 0.01 到 100 之间的数值。", [](const D& g) { return g.m_in.m; }},
        {"c* 1e300", D::IDC_C, "1e300", "请输入 0 到 0.5 之间的数值。", [](const D& g) { return g.m_in.cStar; }},
        {"ha* 1.2", D::IDC_HA, "1.2", "请输入 0 到 1.1 之间的数值。", [](const D& g) { return g.m_in.haStar; }},
        {"χ1 -1e300", D::IDC_X1, "-1e300", "请输入 -5 到 5 之间的数值。", [](const D& g) { return g.m_in.x1; }},
        {"χτ2 2", D::IDC_XT2, "2", "请输入 -1 到 1 之间的数值。", [](const D& g) { return g.m_in.xt2; }},
        {"φR 1e-300 is its own rule's, 0.001 the range's", D::IDC_PHIR, "0.001", "请输入 0.01 到 0.99 之间的数值。",
         [](const D& g) { return g.m_in.phiR; }},
        {"Z2 2·10⁹", D::IDC_Z2, "2000000000", "请输入 0 到 1000 之间的整数。", [](const D& g) { return g.m_in.z2; }},
        {"Z1 3000000000", D::IDC_Z1, "3000000000", "请输入 0 到 1000 之间的整数。", [](const D& g) { return g.m_in.z1; }},
        {"α minutes 75", D::IDC_ALPHA_MIN, "75", "请输入 0 到 59 之间的整数。", [](const D& g) { return g.m_in.alpha.min; }},
        {"βm degrees 61", D::IDC_BETA_DEG, "61", "请输入 0 到 60 之间的整数。", [](const D& g) { return g.m_in.betaM.deg; }},
        {"βm minutes 75", D::IDC_BETA_MIN, "75", "请输入 0 到 59 之间的整数。", [](const D& g) { return g.m_in.betaM.min; }},
        {"βm seconds 60", D::IDC_BETA_SEC, "60", "请输入 0 到 59 之间的整数。", [](const D& g) { return g.m_in.betaM.sec; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mark();
        s.answerMessage(IDOK);  // the refusal
        run([&](fwtest::Running& d, D& dlg) {
            const std::string before = d.text(c.id);
            const double kept = c.member(dlg);
            d.type(c.id, c.typed);
            d.leave();
            EXPECT_EQ(d.focused(), c.id);
            d.leave();
            EXPECT_EQ(d.text(c.id), before);
            EXPECT_EQ(c.member(dlg), kept);
            EXPECT_FALSE(dlg.calculated());
        });
        ASSERT_EQ(fresh().size(), 1u);
        EXPECT_NE(fresh()[0].text.find(c.range), std::string::npos) << fresh()[0].text;
        EXPECT_TRUE(s.allUsed());
    }
}

TEST_F(BelmarArc, CalculationAdviceForSmallModules) {
    // m below 2.5 and a βm degree part above 25 advise; only the degree part
    // counts. Typed, that pair is refused (ModuleAndHelixRefusedWhicheverComesLast),
    // so it comes from a preliminary design, whose load advises as well.
    struct Case {
        double m;
        int betaDeg, betaMin;
        bool advice;
    };
    const Case cases[] = {{2.4, 26, 0, true}, {2.5, 26, 0, false}, {2.4, 25, 59, false}};
    auto file = [&](const Case& c) {
        ConeGeomRecord g = pair(20, 40, c.m, c.betaDeg, 4);
        g.betaMin = c.betaMin;
        return preliminaryFile(g, "small.cng");
    };
    for (const Case& c : cases) {
        s.answerOpen(file(c));
        if (c.advice) s.answerMessage(IDOK);  // the load's advice
        s.answerMessage(IDOK);
        run([&](fwtest::Running& d, D& dlg) {
            d.click(D::IDC_LOAD_PRE);
            dlg.m_mask &= ~kSpiralZ1;  // stop at the input check, after the advice would have come
            d.click(D::IDC_CALC);
        });
        // Step 1 comes first: the check stops before any advice.
        ASSERT_EQ(fresh().back().text, "小齿轮指数Z1数值无效!");
        EXPECT_TRUE(s.allUsed());
        mark();
    }
    for (const Case& c : cases) {
        s.answerOpen(file(c));
        if (c.advice) s.answerMessage(IDOK);  // the load's advice
        if (c.advice) s.expectMessage("模数小于等于2.5时若限制于小刀盘加工，建议βm小于或等于25°");
        s.answerMessage(IDYES);  // the face-width question: stop there
        run([&](fwtest::Running& d, D& dlg) {
            d.click(D::IDC_LOAD_PRE);
            d.click(D::IDC_CALC);
            // Yes on the face-width question: the box opens, the flag stays clear.
            EXPECT_FALSE(dlg.calculated());
            EXPECT_TRUE(d.enabled(D::IDC_B));
            EXPECT_EQ(d.focused(), D::IDC_B);
        });
        EXPECT_EQ(fresh().size(), c.advice ? 3u : 1u) << c.m << " " << c.betaDeg << "°" << c.betaMin;
        EXPECT_TRUE(s.allUsed());
        mark();
    }
}

TEST_F(BelmarArc, PreliminaryLoads) {
    // System 3: duplex taper up to m 2.5, else uniform clearance.
    for (auto [m, radio] : {std::pair{2.0, D::IDC_TAPER_DUPLEX}, {3.0, D::IDC_TAPER_CLEARANCE}}) {
        s.answerOpen(preliminaryFile(pair(20, 40, m, 0, 3), "zerol.cng"));
        run([&](fwtest::Running& d, D&) {
            d.click(D::IDC_LOAD_PRE);
            EXPECT_TRUE(d.checked(radio)) << m;
        });
        EXPECT_TRUE(s.allUsed());
    }
    // A refused file changes nothing.
    s.answerOpen(preliminaryFile(pair(20, 40, 3, 0, 1), "straight.cng"));
    s.answerMessage(IDOK);  // Z2 raised to Z1
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        type(d, D::IDC_Z1, "17");
        mark();
        const SpiralInput before = dlg.m_in;
        const std::int32_t mask = dlg.m_mask;
        d.click(D::IDC_LOAD_PRE);
        EXPECT_EQ(dlg.m_in, before);
        EXPECT_EQ(dlg.m_mask, mask);
        EXPECT_EQ(d.text(D::IDC_Z1), "17");
    });
    ASSERT_EQ(fresh().size(), 1u);
    EXPECT_NE(fresh()[0].text.find("不宜用此方法计算"), std::string::npos);
}

TEST_F(BelmarArc, SavedZerolWithSmallFaceWidthRatioNeedsItAgain) {
    SpiralInput in;
    in.z1 = 20;
    in.z2 = 40;
    in.m = 3;
    in.betaM = {0, 0, 0};
    in.phiR = 0.2;
    ConeGeomRecord g;
    g.toothSystem = 3;
    auto r = spiralGeometry(in, spiralCones(in));
    ASSERT_TRUE(r);
    fillSpiralRecord(g, in, *r);
    auto heel = heelFromCutter(in, r->cones.r, r->cones.b, 114.3);
    ASSERT_TRUE(heel);
    fillSpiralCutter(g, 0, CutterRow{8, 0, 114.3, 0, 15, 46, 114, 12.5, 34, 5.5}, *heel);
    s.answerOpen(savedFile(g, "zerol.cng"));
    s.answerMessage(IDOK);  // the tooth-system notice
    s.expectMessage("齿宽系数 φR 数值无效!");
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_FALSE(dlg.m_mask & kSpiralPhiR);
        EXPECT_EQ(d.text(D::IDC_Z2), "40");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.focused(), D::IDC_PHIR);
    });
    EXPECT_EQ(s.messages()[0].text, "所选择的数据文件是零度弧齿格利森圆锥齿轮,想改变齿型制,\n请先修改预定计算!");
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, NoCutterSuitsAndMissingTable) {
    // Z1 10, Z2 25, m 0.5, βm 35°: R 6.73 is below every listed cutter.
    s.answerOpen(preliminaryFile(pair(10, 25, 0.5, 35, 4), "tiny.cng"));
    s.answerMessage(IDOK);  // the load's small-module advice
    s.answerMessage(IDOK);  // the calculation's
    s.answerMessage(IDNO);  // face width
    s.answerMessage(IDNO);  // εβ below 1.25
    s.expectMessage(kMsgNoCutter);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_CALC);
        EXPECT_FALSE(dlg.calculated());
        EXPECT_TRUE(d.enabled(D::IDC_CUSTOM_D0));
        EXPECT_TRUE(d.rows(D::IDC_CUTTERS).empty());
        EXPECT_EQ(d.text(D::IDC_R), "6.731");
    });
    EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Information);
    EXPECT_TRUE(s.allUsed());
    mark();

}

// A table that cannot be read lets no cutter qualify, for each of the six:
// a cleared xp4.dat would open every band (a 0–15° cutter for βm 35°),
// xp1.dat list diameters 0.00, xp3.dat and xp5.dat widen the list (cutters
// up to 457.20 mm for R 93.2). The user is told which table is missing; the
// geometry shown is the same as with every table, nothing is taken into the
// record and the design is not calculated.
TEST_F(BelmarArc, MissingCutterTableLetsNoCutterQualify) {
    const std::vector<int> kGeometryBoxes = {D::IDC_D1, D::IDC_D2, D::IDC_R, D::IDC_HA1, D::IDC_HF1, D::IDC_H,
                                             D::IDC_DA1, D::IDC_DA2, D::IDC_AK1, D::IDC_ZV1, D::IDC_ZP,
                                             D::IDC_EPS_ALPHA, D::IDC_EPS_BETA, D::IDC_THETA_F1_SEC};
    std::vector<std::string> complete;
    s.answerOpen(preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng"));
    s.answerMessage(IDNO);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_CALC);
        ASSERT_TRUE(dlg.calculated());
        for (int id : kGeometryBoxes) complete.push_back(d.text(id));
    });
    ASSERT_TRUE(s.allUsed());
    for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i) {
        const std::string name = kCutterTableFiles[i];
        SCOPED_TRACE(name);
        const auto table = inst.home() / name;
        auto bytes = fw::readFile(table);
        ASSERT_TRUE(bytes);
        std::filesystem::remove(table);
        mark();
        s.answerOpen(preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng"));
        s.answerMessage(IDNO);
        s.expectMessage("不能打开文件" + name + ",");
        s.answerMessage(IDOK);  // the missing table named
        run([&](fwtest::Running& d, D& dlg) {
            d.click(D::IDC_LOAD_PRE);
            d.click(D::IDC_CALC);
            EXPECT_FALSE(dlg.calculated());
            EXPECT_TRUE(d.rows(D::IDC_CUTTERS).empty());
            EXPECT_TRUE(dlg.m_cutters.empty());
            EXPECT_TRUE(d.enabled(D::IDC_CUSTOM_D0));
            EXPECT_EQ(dlg.m_geom.status, 0);
            EXPECT_EQ(dlg.m_geom.d0, 0);
            std::vector<std::string> shown;
            for (int id : kGeometryBoxes) shown.push_back(d.text(id));
            EXPECT_EQ(shown, complete);
        });
        const auto& last = s.messages().back();
        EXPECT_NE(last.text.find("铣刀盘数据表" + name), std::string::npos) << last.text;
        EXPECT_NE(last.text.find(kCutterTableContents[i]), std::string::npos) << last.text;
        EXPECT_EQ(last.icon, fw::MessageIcon::Exclamation);
        EXPECT_TRUE(s.allUsed());
        ASSERT_TRUE(fw::writeFile(table, *bytes));
    }
    // Two tables missing: both are named in one message.
    std::filesystem::remove(inst.home() / "xp4.dat");
    std::filesystem::remove(inst.home() / "xp6.dat");
    s.answerOpen(preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng"));
    s.answerMessage(IDNO);
    s.expectMessage("不能打开文件xp4.dat,");
    s.expectMessage("不能打开文件xp6.dat,");
    s.expectMessage("铣刀盘数据表xp4.dat（螺旋角上限）、xp6.dat（锥距上限）缺失或不能读取，没有可选用的标准铣刀盘。\n"
                    "请重新安装软件，或输入自定义刀盘名义直径后重新计算!");
    run([&](fwtest::Running& d, D&) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_CALC);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, DuplexTaperNeedsAStandardAngle) {
    s.answerOpen(preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng"));
    s.answerMessage(IDNO);
    s.expectMessage("请选取规范的齿形角：20°,22°30′或25°;\n重新计算!");
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_TAPER_DUPLEX);
        type(d, D::IDC_ALPHA_MIN, "30");
        d.click(D::IDC_CALC);
        EXPECT_FALSE(dlg.calculated());
        EXPECT_EQ(dlg.m_geom.status, 0);
    });
    EXPECT_TRUE(s.allUsed());
}

std::vector<std::string> firstColumn(fwtest::Running& d) {
    std::vector<std::string> out;
    for (const auto& row : d.rows(D::IDC_CUTTERS)) out.push_back(row.at(0));
    return out;
}

std::string heel(fwtest::Running& d) {
    return d.text(D::IDC_BETA_HEEL_DEG) + "/" + d.text(D::IDC_BETA_HEEL_MIN) + "/" + d.text(D::IDC_BETA_HEEL_SEC);
}

TEST_F(BelmarArc, CutterChoiceByHand) {
    s.answerOpen(preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng"));
    s.answerMessage(IDNO);  // face width
    s.expectMessage(kMsgCutterTooSmall);  // 12.69
    s.expectMessage(kMsgCutterTooSmall);  // 20: the heel angle has no solution
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_CALC);
        // 228.60 by hand: sin β = (R + Rm(228.6 sin35° − Rm)/R)/228.6 → 36°41′19.4″;
        // s1 and s2 stay π·m/2 (χ1 0).
        d.clickItem(D::IDC_CUTTERS, 3);
        EXPECT_EQ(heel(d), "36/41/19.4");
        EXPECT_EQ(d.text(D::IDC_S1), "7.069");
        EXPECT_EQ(dlg.m_geom.betaOuter.deg, 36);
        EXPECT_EQ(dlg.m_geom.betaOuter.min, 41);
        EXPECT_NEAR(dlg.m_geom.betaOuter.sec, 19.4, 0.05);
        EXPECT_NEAR(dlg.m_geom.s1, 7.0686, 5e-5);
        EXPECT_NEAR(dlg.m_geom.s2, 7.0686, 5e-5);
        EXPECT_EQ(dlg.m_geom.cutterChoice, 3);
        EXPECT_EQ(dlg.m_geom.d0, 228.6);
        EXPECT_EQ(dlg.m_geom.cutterRow, 12);
        EXPECT_EQ(dlg.m_geom.cutterBand, 2);
        EXPECT_TRUE(dlg.calculated());

        // A listed diameter typed in selects its entry.
        type(d, D::IDC_CUSTOM_D0, "152.4");
        EXPECT_EQ(d.selection(D::IDC_CUTTERS), 1);
        EXPECT_EQ(dlg.m_geom.cutterChoice, 1);
        EXPECT_EQ(dlg.m_geom.cutterRow, 10);
        EXPECT_EQ(d.rows(D::IDC_CUTTERS).size(), 4u);

        // Below 12.7 mm: refused, the old value comes back.
        type(d, D::IDC_CUSTOM_D0, "12.69");
        EXPECT_EQ(d.text(D::IDC_CUSTOM_D0), "152.4");
        EXPECT_EQ(dlg.m_geom.d0, 152.4);

        // A diameter of his own: the single custom entry.
        type(d, D::IDC_CUSTOM_D0, "200");
        EXPECT_EQ(firstColumn(d), std::vector<std::string>{"自定义刀盘"});
        EXPECT_EQ(dlg.m_geom.cutterBand, kCustomCutterBand);
        EXPECT_EQ(dlg.m_geom.d0, 200.0);
        const AngleDms at200 = dlg.m_geom.betaOuter;
        d.clickItem(D::IDC_CUTTERS, 0);
        EXPECT_EQ(dlg.m_geom.d0, 200.0);

        // Too small for this pair: nothing changes.
        type(d, D::IDC_CUSTOM_D0, "20");
        EXPECT_EQ(dlg.m_geom.d0, 200.0);
        EXPECT_EQ(dlg.m_geom.betaOuter, at200);
        EXPECT_EQ(d.text(D::IDC_CUSTOM_D0), "200");
        EXPECT_TRUE(dlg.calculated());
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, CustomCutterWhenNoneIsListed) {
    // R 6.73: no listed cutter; 12.7 mm typed in is kept by the next calculation.
    s.answerOpen(preliminaryFile(pair(10, 25, 0.5, 35, 4), "tiny.cng"));
    for (int answer : {IDOK, IDOK, IDNO, IDNO, IDOK, IDOK, IDNO, IDNO}) s.answerMessage(answer);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_CALC);  // the no-cutter stop
        EXPECT_FALSE(dlg.calculated());
        type(d, D::IDC_CUSTOM_D0, "12.7");
        EXPECT_EQ(firstColumn(d), std::vector<std::string>{"自定义刀盘"});
        d.click(D::IDC_CALC);
        EXPECT_TRUE(dlg.calculated());
        EXPECT_EQ(dlg.m_geom.d0, 12.7);
        EXPECT_EQ(dlg.m_geom.cutterBand, kCustomCutterBand);
        EXPECT_EQ(d.rows(D::IDC_CUTTERS).size(), 1u);
    });
    EXPECT_EQ(fresh().at(4).text, kMsgNoCutter);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, SaveReportAndLoadAgain) {
    // Refused before a calculation.
    s.expectMessage("未完成计算，无法保存数据!");
    run([&](fwtest::Running& d, D&) {
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
    });
    EXPECT_TRUE(s.allUsed());

    // A system-4 preliminary file, calculated and saved.
    const auto data = preliminaryFile(pair(14, 39, 4.5, 35, 4), "worked.cng");
    const auto report = inst.data("worked.tng");
    s.answerOpen(data);
    s.answerMessage(IDNO);
    s.answerSave(data);
    s.expectMessage("计算记录已以\n" + report.string() + "\n文件名输出报告！");
    ConeGeomRecord saved;
    std::string section;
    {
        D dlg(nullptr);
        s.onDialog(D::IDD, [&](fwtest::Running& d) {
            d.click(D::IDC_LOAD_PRE);
            d.click(D::IDC_CALC);
            d.click(IDOK);
            EXPECT_TRUE(d.ended());
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strReportPath, report.string());
        saved = dlg.m_geom;
        section = spiralReport(dlg.m_geom, dlg.m_cutters.at(0));
    }
    EXPECT_TRUE(s.allUsed());
    auto bytes = fw::readFile(report);
    ASSERT_TRUE(bytes);
    const std::string gbk = fw::gbkFileText(section);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), gbk);
    EXPECT_NE(gbk.find("\r\n"), std::string::npos);

    // The shared saved-design load (the strength rating's) accepts the file.
    auto file = fw::readFile(data, kConeGeomFileSize);
    ASSERT_TRUE(file);
    auto loaded = loadConeDesign(*file, ConeLoad::Saved, ConeKind::Spiral);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->geom, saved);

    // Loaded again: the cutter selected, every field equal; saved twice,
    // two reports.
    s.answerOpen(data);
    s.answerMessage(IDOK);  // the tooth-system notice
    s.answerMessage(IDOK);  // not calculated
    s.answerMessage(IDNO);
    s.answerSave(data);
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(dlg.m_geom, saved);
        EXPECT_EQ(d.selection(D::IDC_CUTTERS), 0);
        EXPECT_EQ(d.rows(D::IDC_CUTTERS).size(), 4u);
        EXPECT_EQ(d.text(D::IDC_CUTTER_HINT), "(核对计算结果，选择列表中适用加工范围的刀盘直径)");
        EXPECT_EQ(heel(d), "42/22/18.1");
        d.click(IDOK);  // not calculated in this dialog yet
        d.click(D::IDC_CALC);
        d.click(IDOK);
        EXPECT_TRUE(d.ended());
    });
    EXPECT_EQ(s.messages()[s.messages().size() - 3].text, "未完成计算，无法保存数据!");
    bytes = fw::readFile(report);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), gbk + gbk);
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, SavedCustomCutterAndEarlyFiles) {
    ConeGeomRecord g;
    SpiralInput in;
    in.z1 = 14;
    in.z2 = 39;
    in.m = 4.5;
    auto r = spiralGeometry(in, spiralCones(in));
    ASSERT_TRUE(r);
    fillSpiralRecord(g, in, *r);
    auto h = heelFromCutter(in, r->cones.r, r->cones.b, 200.0);
    ASSERT_TRUE(h);
    fillSpiralCutter(g, 0, customCutter(200.0), *h);
    s.answerOpen(savedFile(g, "custom.cng"));
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(firstColumn(d), std::vector<std::string>{"自定义刀盘"});
        EXPECT_EQ(d.text(D::IDC_CUTTER_HINT), "(核对计算结果，欲重新确定刀盘参数，请点“开始计算”)");
        EXPECT_EQ(dlg.m_d0, 200.0);
    });
    EXPECT_TRUE(s.allUsed());

    // A listed cutter found by its row and band: a saved index that names
    // another entry does not count.
    auto listed = heelFromCutter(in, r->cones.r, r->cones.b, 127.0);
    ASSERT_TRUE(listed);
    fillSpiralCutter(g, 2, CutterRow{9, 2, 127.0, 30, 0, 51, 102, 13.5, 38, 6}, *listed);
    s.answerOpen(savedFile(g, "listed.cng"));
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(d.selection(D::IDC_CUTTERS), 0);
        EXPECT_EQ(dlg.m_chosen, 0);
        EXPECT_EQ(dlg.m_d0, 127.0);
    });
    // The same design in a file of an early kind (header kind 2): its
    // diameter comes back as a custom cutter.
    {
        auto bytes = fw::readFile(inst.data("listed.cng"));
        ASSERT_TRUE(bytes);
        (*bytes)[4] = 2;
        ASSERT_TRUE(fw::writeFile(inst.data("early.cng"), *bytes));
    }
    s.answerOpen(inst.data("early.cng"));
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_EQ(firstColumn(d), std::vector<std::string>{"自定义刀盘"});
        EXPECT_EQ(dlg.m_d0, 127.0);
    });
    EXPECT_TRUE(s.allUsed());

    // A saved row/band that no longer lists, with a diameter below 12.7: an
    // empty list and a save that asks for a calculation.
    g.cutterRow = 0;
    g.cutterBand = 0;
    g.d0 = 5;
    s.answerOpen(savedFile(g, "lost.cng"));
    s.answerMessage(IDOK);
    s.expectMessage("未完成计算，无法保存数据!");
    run([&](fwtest::Running& d, D&) {
        d.click(D::IDC_LOAD_SAVED);
        EXPECT_TRUE(d.rows(D::IDC_CUTTERS).empty());
        d.click(IDOK);
        d.clickItem(D::IDC_CUTTERS, 0);  // nothing to click
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(BelmarArc, ReportThatCannotBeWrittenKeepsTheDesignFile) {
    const auto data = preliminaryFile(pair(14, 39, 4.5, 35, 4), "kept.cng");
    auto before = fw::readFile(data);
    ASSERT_TRUE(before);
    std::filesystem::create_directories(inst.data("kept.tng"));
    s.answerOpen(data);
    s.answerMessage(IDNO);
    s.answerSave(data);
    s.answerMessage(IDOK);
    run([&](fwtest::Running& d, D& dlg) {
        d.click(D::IDC_LOAD_PRE);
        d.click(D::IDC_CALC);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_FALSE(dlg.m_saved);
    });
    EXPECT_EQ(*fw::readFile(data), *before);
    EXPECT_TRUE(s.allUsed());
}

}  // namespace

// A notice about a value comes once per change of it: α is checked once per
// change of the whole angle, the (m, βm) pair once from either field, the
// face width the program derived from an asked-about φR repeats no advice,
// and a fresh dialog's empty fields are not refused untouched. Each case:
// values typed (or loaded), each followed by three Tab rounds over every
// control, then Cancel or Escape still ends the dialog.
TEST_F(BelmarArc, EachNoticeOncePerChangeWhenTabbingRound) {
    constexpr const char* kAlphaLow = "齿型角应大于或等于14.5°!";
    constexpr const char* kPairAdvice = "模数小于等于2.5时若采用小刀盘加工，建议βm应小于25°!";
    constexpr const char* kLightLoad = "模数小于等于2.5mm轻载齿轮时建议采用βm小于25°齿型制";
    constexpr const char* kAskRaise = "除采用零度弧齿外，恐怕齿宽系数偏小!是否增加φR值?";
    ConeGeomRecord alpha14 = pair(14, 39, 4.5, 35, 4), small = pair(20, 40, 2, 35, 4);
    alpha14.alphaDeg = 14;
    struct Case {
        const char* name;
        std::optional<ConeGeomRecord> load;
        bool widthAsked;  // calculated with Yes to the face-width question
        std::vector<std::pair<int, const char*>> typed;
        std::vector<std::string> notices;  // the starts of their texts
        bool alphaAccepted;
    };
    const Case cases[] = {
        {"fresh dialog untouched", {}, false, {}, {}, true},
        {"α 14", {}, false, {{D::IDC_ALPHA_DEG, "14"}}, {kAlphaLow}, false},
        {"α 26 stays refused", {}, false, {{D::IDC_ALPHA_DEG, "26"}}, {kAlphaLow}, false},
        {"α 14, then 14°30′", {}, false, {{D::IDC_ALPHA_DEG, "14"}, {D::IDC_ALPHA_MIN, "30"}}, {kAlphaLow}, true},
        {"loaded α 14", alpha14, false, {}, {kAlphaLow}, false},
        {"loaded m 2 with βm 35", small, false, {}, {kLightLoad, kPairAdvice}, true},
        {"φR 0.2 kept after the width question", pair(14, 39, 4.5, 35, 4), true, {{D::IDC_PHIR, "0.2"}},
         {kFaceWidthQuestionStart, kAskRaise}, true},
        {"φR 0.4 cut to 1/3 after the width question", pair(14, 39, 4.5, 35, 4), true, {{D::IDC_PHIR, "0.4"}},
         {kFaceWidthQuestionStart, "齿宽系数偏大，可能小端齿顶变尖!"}, true},
    };
    s.tolerate([](fwtest::Running& r) { r.end(IDCANCEL); });
    for (const bool escape : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (escape ? ", Escape" : ", Cancel"));
            mark();
            D dlg(nullptr);
            s.onDialog(D::IDD, [&](fwtest::Running& d) {
                if (c.load) {
                    s.answerOpen(preliminaryFile(*c.load, "tab.cng"));
                    d.click(D::IDC_LOAD_PRE);
                }
                if (c.widthAsked) {
                    s.answerMessage(IDYES);
                    d.click(D::IDC_CALC);
                    EXPECT_TRUE(d.enabled(D::IDC_B));
                }
                bevel::test::tabRound(d);
                for (auto [id, text] : c.typed) {
                    d.type(id, text);
                    bevel::test::tabRound(d);
                }
                EXPECT_EQ((dlg.m_mask & kSpiralAlpha) != 0, c.alphaAccepted);
                escape ? d.escape() : d.click(IDCANCEL);
                EXPECT_TRUE(d.ended());
            });
            EXPECT_EQ(dlg.DoModal(), IDCANCEL);
            std::vector<std::string> expected = c.notices;
            expected.push_back("计算数据尚未保存，是否先保存？");
            const auto got = texts();
            EXPECT_TRUE(bevel::test::startsAsExpected(got, expected)) << ::testing::PrintToString(got);
        }
}
