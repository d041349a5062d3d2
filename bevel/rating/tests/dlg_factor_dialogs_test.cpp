// The factor dialogs built into Sirrow, run headless: each difference from
// the cylindrical originals, the editable cycles box of the bending life
// dialog, and one table over every copy of the factor dialogs (Corvane,
// Pellun, Sirrow): module, template, caption and the help context asked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "bevel/preliminary/ka_dlg.h"
#include "bevel/rating/sirrow_factor_dialogs.h"
#include "cylindrical/factor_dialogs.h"
#include "fwtest/script.h"

using fwtest::Running;

namespace {

class SirrowFactorDialogs : public ::testing::Test {
protected:
    fwtest::Session s;
    void TearDown() override { EXPECT_TRUE(s.allUsed()); }
};

TEST_F(SirrowFactorDialogs, ApplicationFactorTicksEveryPosition) {
    using D = CSirrowKaDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.dialog().trackbar(D::IDC_SLIDER).ticFreq(), 1);
        EXPECT_EQ(d.dialog().trackbar(D::IDC_SLIDER).rangeMax(), 20);
        d.click(1206);
        d.click(1210);
        d.drag(D::IDC_SLIDER, 10);
        EXPECT_EQ(d.text(D::IDC_KA), "2.25");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dKa, 2.25);
}

TEST_F(SirrowFactorDialogs, RoughnessNamesTheDefaultUnderTheApplicationTitle) {
    using D = CSirrowHzrDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1271));
        d.type(D::IDC_RA, "0");
        d.enter();
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.text(D::IDC_RA), "3.2");
        d.enter();
    });
    s.expectMessage("输入粗糙度精度太高或无效！\n默认值 3.2。");
    D dlg;
    ASSERT_EQ(dlg.DoModal(2), IDOK);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].caption, fw::appTitle());
    EXPECT_NE(s.messages()[0].caption, "警告");
    EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
    EXPECT_DOUBLE_EQ(dlg.m_dRa, 3.2);
    EXPECT_EQ(dlg.m_nClass, 2);
}

TEST_F(SirrowFactorDialogs, ElasticityIsCheckedOnLeavingAField) {
    using D = CSirrowZeDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.click(D::IDC_OTHER);
        d.type(D::IDC_E2, "0");
        EXPECT_EQ(d.text(D::IDC_HINT), "");          // no check while typing
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "弹性系数必须输入正值！");
        d.type(D::IDC_NU1, "0");
        EXPECT_EQ(d.text(D::IDC_HINT), "弹性系数必须输入正值！");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "材料泊桑比必须输入正值！");
        d.type(D::IDC_NU1, "0.25");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "");
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dE2, 0);   // kept as entered; the rating refuses it
    EXPECT_DOUBLE_EQ(dlg.m_dNu1, 0.25);
}

TEST_F(SirrowFactorDialogs, LubricantDoesNotCheckTheViscosity) {
    using D = CSirrowZlDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.checked(1259));
        d.type(D::IDC_VISCOSITY, "0");
        EXPECT_EQ(d.text(D::IDC_VISCOSITY), "0");
        d.enter();
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(4), IDOK);
    EXPECT_TRUE(s.messages().empty());
    EXPECT_DOUBLE_EQ(dlg.m_dNu50, 0);
    EXPECT_EQ(dlg.m_nClass, 4);
}

TEST_F(SirrowFactorDialogs, TorqueOpensWithTheCallersSpeed) {
    using D = CSirrowTDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_EQ(d.text(D::IDC_SPEED), "960");
        d.type(D::IDC_POWER, "7.5");
        d.enter();
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(960.0), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dN, 960);
    EXPECT_DOUBLE_EQ(dlg.m_dP, 7.5);
}

TEST_F(SirrowFactorDialogs, LimitStrengthModeOneAsksForTheBendingLimit) {
    using D = CSirrowHlmtDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA_HLIM));
        EXPECT_TRUE(d.enabled(D::IDC_SIGMA_FLIM));
        d.type(D::IDC_SIGMA_FLIM, "300");
        d.enter();
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(1), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dSigmaFlim, 300);
}

// ---- bending life: the editable cycles box ----------------------------------

TEST_F(SirrowFactorDialogs, BendingLifeBoxStartsWithTenToTheSix) {
    using D = CSirrowWynDlg;
    s.onDialog(D::IDD, [](Running& d) {
        EXPECT_TRUE(d.dialog().combo(D::IDC_CYCLES).editable());
        EXPECT_EQ(d.text(D::IDC_CYCLES), "10^6");
        EXPECT_EQ(d.selection(D::IDC_CYCLES), -1);
        EXPECT_EQ(d.text(D::IDC_MULTIPLIER), "3");
        d.type(D::IDC_MULTIPLIER, "1.5");
        d.enter();
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dNe, 1.5e6);   // "10^6" as it stands, not the empty selection
}

// A typed text never gives NE from the empty selection (10^2 × multiplier).
TEST_F(SirrowFactorDialogs, BendingLifeTakesTypedPowersOfTen) {
    using D = CSirrowWynDlg;
    struct Case {
        const char* name;
        const char* text;
        double ne;   // 10^k × multiplier 2
    };
    const std::vector<Case> cases = {
        {"ascii caret", "10^5", 2e5},
        {"full-width caret", "10＾7", 2e7},
        {"blanks around", " 10^4 ", 2e4},
        {"list entry typed", "10＾3", 2e3},
        {"beyond the list", "10^9", 2e9},
        {"a long industrial life", "10^10", 2e10},
    };
    for (const Case& c : cases) {
        s.onDialog(D::IDD, [&c](Running& d) {
            d.type(D::IDC_MULTIPLIER, "2");
            d.type(D::IDC_CYCLES, c.text);
            d.enter();
        });
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK) << c.name;
        EXPECT_DOUBLE_EQ(dlg.m_dNe, c.ne) << c.name;
    }
}

TEST_F(SirrowFactorDialogs, BendingLifeRefusesOtherTextAndKeepsNe) {
    using D = CSirrowWynDlg;
    const std::vector<std::string> refused = {"abc", "10^2.5", "10^", "1e6", "10^999", ""};
    for (const std::string& text : refused) {
        s.onDialog(D::IDD, [&text](Running& d) {
            d.selectText(D::IDC_CYCLES, "10＾5");      // NE 3e5
            d.type(D::IDC_CYCLES, text);
            d.enter();                                // refused: the dialog stays
            EXPECT_FALSE(d.ended()) << text;
            EXPECT_EQ(d.text(D::IDC_CYCLES), "10＾5") << text;
            d.enter();
        });
        s.answerMessage(IDOK);
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK) << text;
        EXPECT_DOUBLE_EQ(dlg.m_dNe, 3e5) << text;
        EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation) << text;
    }
    EXPECT_EQ(s.messages().size(), refused.size());
}

TEST_F(SirrowFactorDialogs, BendingLifeMultiplierUsesTheTypedPower) {
    using D = CSirrowWynDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_CYCLES, "10^7");
        d.type(D::IDC_MULTIPLIER, "4");
        d.leave();
        d.selectText(D::IDC_CYCLES, "10＾4");        // a list entry still works
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_dNe, 4e4);
}

// NE's one range bounds the product of the typed power and the multiplier,
// checked where it is formed (the box or the multiplier left): 6e10 is
// taken whichever way it is written; a product beyond 1e12 is refused once,
// naming NE and its range, and OK then closes with the NE formed last.
TEST_F(SirrowFactorDialogs, BendingLifeTakesLongLivesUpToNesBound) {
    using D = CSirrowWynDlg;
    struct Case {
        const char* name;
        const char* first;    // the box text, typed first
        const char* then;     // the multiplier, typed next
        bool refused;
        double ne;
    };
    const std::vector<Case> cases = {
        {"10^7 × 6000", "10^7", "6000", false, 6e10},
        {"10^10 × 6", "10^10", "6", false, 6e10},
        {"10＾3 × 6e7", "10＾3", "6e7", false, 6e10},
        {"10^11 × 10: NE's bound", "10^11", "10", false, 1e12},
        {"10^11 × 100: the multiplier refused", "10^11", "100", true, 3e11},
        // Refused on leaving the box for the multiplier (× 3): the focus
        // stays in the box, so the 6 is never typed.
        {"10^13: the box refused", "10^13", "6", true, 3e6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s.onDialog(D::IDD, [&c](Running& d) {
            d.type(D::IDC_CYCLES, c.first);
            d.type(D::IDC_MULTIPLIER, c.then);
            d.click(IDOK);
            if (!d.ended()) d.click(IDOK);   // after the refusal: what stands is taken
        });
        if (c.refused) s.expectMessage("当量循环次数 NE：请输入 0 或 1 到 1000000000000 之间的数值。");
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_dNe, c.ne);
    }
}

// OK as a command (an accelerator, a screen reader's press) leaves no field
// and runs no kill-focus: OK itself forms NE from the typed power, and
// refuses it beyond NE's range with the box's accepted text shown again.
TEST_F(SirrowFactorDialogs, BendingLifeOkAsACommandFormsNeFromTheBox) {
    using D = CSirrowWynDlg;
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_CYCLES, "10^10");
        d.dialog().command(IDOK);
    });
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_CYCLES, "10^12");   // × 3: 3e12
        d.dialog().command(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(d.text(D::IDC_CYCLES), "10^6");
        d.dialog().command(IDOK);
    });
    s.expectMessage("当量循环次数 NE：请输入 0 或 1 到 1000000000000 之间的数值。");
    for (double ne : {3e10, 3e6}) {
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(dlg.m_dNe, ne);
    }
}

// ---- every copy: module, template, caption, help context --------------------

struct CopyRow {
    const char* name;
    std::function<std::unique_ptr<kavrin::FactorDialog>()> make;
    const char* module;
    int templateId;
    const char* caption;
    int helpButton;
    std::uintptr_t context;
    const char* page;   // the original's help page
};

// The help viewer's context map: "number page" lines, the number possibly a
// sum such as "0x20000+1022".
std::map<std::uintptr_t, std::string> contextMap() {
    const std::filesystem::path dir = std::filesystem::path(KAVRIN_SOURCE_DIR) / "help" / "pages";
    std::map<std::uintptr_t, std::string> out;
    std::ifstream in(dir / "context-map.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::stringstream ls(line);
        std::string number, page;
        if (!(ls >> number) || number[0] == '#' || !(ls >> page)) continue;
        std::uintptr_t sum = 0;
        std::stringstream terms(number);
        for (std::string t; std::getline(terms, t, '+');) sum += std::strtoul(t.c_str(), nullptr, 0);
        out[sum] = page;
    }
    return out;
}

template <class D>
std::unique_ptr<kavrin::FactorDialog> make() {
    return std::make_unique<D>();
}

TEST_F(SirrowFactorDialogs, EveryCopyAsksForItsHelpContext) {
    // Caption and numbers: the cylindrical table (0x20000 + template id,
    // the limit dialog 0x22354), the copy table (application factor 0x20097),
    // the Sirrow copies 0x20000 + their template id.
    const std::vector<CopyRow> rows = {
        {"CCyProofKaDlg", make<CCyProofKaDlg>, "corvane", 1022, "《Ondrel》Kavrin 工况系数选择", 1213, 0x203FE, "CyProofKaDlg.htm"},
        {"CCyProofKbitaDlg", make<CCyProofKbitaDlg>, "corvane", 1023, "《Ondrel》Kavrin 齿向负载分布系数的选定", 3, 0x203FF, "CyProofKbitaDlg.htm"},
        {"CCyProofLimtDlg", make<CCyProofLimtDlg>, "corvane", 1024, "《Ondrel》Kavrin材料的极限强度", 3, 0x22354, "CyProofLimtDlg.htm"},
        {"CCyProofPrecisionDlg", make<CCyProofPrecisionDlg>, "corvane", 1025, "《Ondrel》Kavrin 齿轮精度选择", 3, 0x20401, "CyProofPrecisionDlg.htm"},
        {"CCyProofShiftDlg", make<CCyProofShiftDlg>, "corvane", 1027, "《Ondrel》Kavrin 确定齿形系数的有关选项", 3, 0x20403, "CyProofShiftDlg.htm"},
        {"CCyProofTDlg", make<CCyProofTDlg>, "corvane", 1028, "《Ondrel》Kavrin  齿轮传递扭矩计算", 3, 0x20404, "CyProofTDlg.htm"},
        {"CCyProofWynDlg", make<CCyProofWynDlg>, "corvane", 1029, "《Ondrel》Kavrin 确定弯曲强度计算的寿命系数", 3, 0x20405, "CyProofWynDlg.htm"},
        {"CCyProofWysDlg", make<CCyProofWysDlg>, "corvane", 1031, "《Ondrel》Kavrin 弯曲强度的应力集中系数与尺寸影响系数", 3, 0x20407, "CyProofWysDlg.htm"},
        {"CCyProofZeDlg", make<CCyProofZeDlg>, "corvane", 1032, "《Ondrel》Kavrin  齿轮对的弹性系数", 3, 0x20408, "CyProofZeDlg.htm"},
        {"CCyProofZhwDlg", make<CCyProofZhwDlg>, "corvane", 1021, "《Ondrel》Kavrin 决定工作硬化系数的齿面状态", 3, 0x203FD, "CyProofZhwDlg.htm"},
        {"CCyProofZlDlg", make<CCyProofZlDlg>, "corvane", 1033, "《Ondrel》Kavrin  润滑状态系数的选定", 3, 0x20409, "CyProofZlDlg.htm"},
        {"CCyProofZnDlg", make<CCyProofZnDlg>, "corvane", 1034, "《Ondrel》Kavrin  确定接触强度的寿命系数", 3, 0x2040A, "CyProofZnDlg.htm"},
        {"CCyProofZrDlg", make<CCyProofZrDlg>, "corvane", 1035, "《Ondrel》Kavrin  确定粗糙度影响系数", 3, 0x2040B, "CyProofZrDlg.htm"},
        {"CKaDlg", make<CKaDlg>, "pellun", 3052, "《Ondrel》Kavrin 工况系数选择", 1213, 0x20097, "CyProofKaDlg.htm"},
        {"CSirrowKaDlg", make<CSirrowKaDlg>, "sirrow", 9011, "《Ondrel》Kavrin 工况系数选择", 1213, 0x20097, "CyProofKaDlg.htm"},
        {"CSirrowHlmtDlg", make<CSirrowHlmtDlg>, "sirrow", 9044, "《Ondrel》Kavrin材料的极限强度", 3, 0x22354, "CyProofLimtDlg.htm"},
        {"CSirrowHznDlg", make<CSirrowHznDlg>, "sirrow", 9027, "《Ondrel》Kavrin  确定接触强度的寿命系数", 3, 0x22343, "CyProofZnDlg.htm"},
        {"CSirrowHzrDlg", make<CSirrowHzrDlg>, "sirrow", 9029, "《Ondrel》Kavrin  确定粗糙度影响系数", 3, 0x22345, "CyProofZrDlg.htm"},
        {"CSirrowZeDlg", make<CSirrowZeDlg>, "sirrow", 9022, "《Ondrel》Kavrin  齿轮对的弹性系数", 3, 0x2233E, "CyProofZeDlg.htm"},
        {"CSirrowZlDlg", make<CSirrowZlDlg>, "sirrow", 9028, "《Ondrel》Kavrin  润滑状态系数的选定", 3, 0x22344, "CyProofZlDlg.htm"},
        {"CSirrowZwDlg", make<CSirrowZwDlg>, "sirrow", 9030, "《Ondrel》Kavrin 决定工作硬化系数的齿面状态", 3, 0x22346, "CyProofZhwDlg.htm"},
        {"CSirrowTDlg", make<CSirrowTDlg>, "sirrow", 9001, "《Ondrel》Kavrin  齿轮传递扭矩计算", 3, 0x22329, "CyProofTDlg.htm"},
        {"CSirrowWynDlg", make<CSirrowWynDlg>, "sirrow", 9042, "《Ondrel》Kavrin 确定弯曲强度计算的寿命系数", 3, 0x22352, "CyProofWynDlg.htm"},
    };
    const auto pages = contextMap();
    const std::filesystem::path pageDir = std::filesystem::path(KAVRIN_SOURCE_DIR) / "help" / "pages";
    for (const CopyRow& r : rows) {
        // The number opens a page of ours, the original's page for a copy.
        auto page = pages.find(r.context);
        ASSERT_NE(page, pages.end()) << r.name;
        EXPECT_EQ(page->second, r.page) << r.name;
        EXPECT_TRUE(std::filesystem::exists(pageDir / page->second)) << r.name << ": " << page->second;
        std::unique_ptr<kavrin::FactorDialog> dlg = r.make();
        ASSERT_NE(dlg->module(), nullptr) << r.name;
        EXPECT_EQ(dlg->module()->name(), r.module) << r.name;
        EXPECT_EQ(dlg->templateId(), r.templateId) << r.name;
        s.onDialog(r.templateId, [&r](Running& d) {
            EXPECT_EQ(d.caption(), r.caption) << r.name;
            EXPECT_TRUE(d.click(r.helpButton)) << r.name;
            EXPECT_FALSE(d.ended()) << r.name;
            d.click(IDCANCEL);
        });
        const std::size_t before = s.helpCalls().size();
        EXPECT_EQ(dlg->DoModal(), IDCANCEL) << r.name;
        ASSERT_EQ(s.helpCalls().size(), before + 1) << r.name;
        EXPECT_EQ(s.helpCalls().back().command, HH_HELP_CONTEXT) << r.name;
        EXPECT_EQ(s.helpCalls().back().data, r.context) << r.name << " context 0x" << std::hex << r.context;
    }
}

}  // namespace
