// The ordinary worm pair geometry dialog (template 2019), run headless on the
// public example (make_geometry.py) and on the preliminary design's chain.
#include "worm/ccw_gm_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "common/tests/range_probes.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_ranges.h"
#include "worm/calc/worm_geometry.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/ccw_pr_dlg.h"
#include "worm/cw_pic_dlg.h"
#include "worm/cw_zlo_dlg.h"
#include "worm/tests/worm_dlg_test_support.h"

namespace fs = std::filesystem;
using D = CCwGmDlg;
using fwtest::Running;
using namespace worm;
namespace geo = worm::geometry;

namespace {

using worm::test::bytesOf;
using worm::test::fixture;
using worm::test::num;
void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }
void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }
constexpr std::size_t kPre = 64, kGeom = 384;

class CCwGmDlgTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used";
    }
    int run(fwtest::Script script) { return worm::test::runDialog<D>(m_s, std::move(script), m_reportPath); }
    fs::path put(const char* name, const std::vector<std::uint8_t>& bytes) {
        EXPECT_TRUE(fw::writeFile(m_data / name, bytes));
        return m_data / name;
    }
    // Loads `file` and accepts a' (typed, then left).
    void load(Running& d, const fs::path& file) {
        m_s.answerOpen(file);
        d.click(D::IDC_LOAD);
    }
    void setAw(Running& d, const char* aw) {
        d.type(D::IDC_AW, aw);
        d.leave();
    }

    fwtest::Session m_s;
    fwtest::Installation m_inst{"dlg-ccwgm"};
    fs::path m_data = m_inst.data();
    std::string m_reportPath;
};

TEST_F(CCwGmDlgTest, ExampleSavedAndReportedForZaAndZi) {
    for (const char* name : {"za", "zi"}) {
        SCOPED_TRACE(name);
        const std::string cwb = std::string("cw_example_") + name + ".cwb";
        const fs::path file = put(cwb.c_str(), fixture(cwb.c_str()));
        const fs::path report = m_data / (std::string("cw_example_") + name + ".cwt");
        ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>{'P', 'R', 'E', '\r', '\n'}));
        const bool zi = std::string(name) == "zi";
        int r = run([&](Running& d) {
            EXPECT_EQ(d.text(D::IDC_HINT), geo::kNoteStart);
            EXPECT_FALSE(d.enabled(D::IDC_AW));
            EXPECT_FALSE(d.enabled(IDOK));
            // The involute worm's base values: no field without its label.
            for (int id : {D::IDC_DB, D::IDC_GAMMA_B, D::IDC_PBN, D::IDC_DB_LABEL}) EXPECT_FALSE(d.visible(id)) << id;
            load(d, file);
            for (int id : {D::IDC_DB, D::IDC_GAMMA_B, D::IDC_PBN, D::IDC_DB_LABEL, D::IDC_GB_UNIT, D::IDC_PBN_EQ})
                EXPECT_EQ(d.visible(id), zi) << id;
            EXPECT_EQ(d.text(D::IDC_TYPE), zi ? "渐开线圆柱蜗杆(ZI)" : "阿基米德圆柱蜗杆(ZA)");
            EXPECT_EQ(d.text(D::IDC_DB_LABEL), zi ? "基圆直径  d" : "");
            EXPECT_EQ(d.text(D::IDC_PBN_SUB), zi ? "bn" : "");
            EXPECT_EQ(d.text(D::IDC_HINT), "调整中心距:最少增加-1.50mm,最多不超过1.50mm。");
            EXPECT_EQ(d.enabled(D::IDC_ALPHA_N), zi);
            EXPECT_TRUE(d.enabled(D::IDC_AW));
            EXPECT_FALSE(d.enabled(D::IDC_CALC));
            EXPECT_EQ(d.text(D::IDC_AW), "67");
            EXPECT_EQ(d.text(D::IDC_DA1), "50");
            EXPECT_EQ(d.text(D::IDC_RG), "19");
            setAw(d, "68.5");  // x = 0.5000000000000036: on the bound, accepted
            EXPECT_EQ(d.text(D::IDC_HINT), geo::kNoteCalculate);
            EXPECT_TRUE(d.enabled(D::IDC_CALC));
            EXPECT_FALSE(d.enabled(IDOK));
            d.click(D::IDC_CALC);
            EXPECT_EQ(d.text(D::IDC_HINT), "建议中心距调整小于1.50,最大不要超过3.00查看计算结果，注意保存数据！");
            EXPECT_NEAR(num(d, D::IDC_X2), 0.5, 1e-12);
            EXPECT_EQ(d.text(D::IDC_D1W), "47");
            EXPECT_NEAR(num(d, D::IDC_GAMMA_W), 7.2750, 5e-5);
            EXPECT_EQ(d.text(D::IDC_DM2), "93");
            EXPECT_EQ(d.text(D::IDC_DA2), "99");
            EXPECT_EQ(d.text(D::IDC_DE2), "102");
            EXPECT_EQ(d.text(D::IDC_RG), "19");
            EXPECT_TRUE(d.enabled(IDOK));
            m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
            m_s.answerSave(file);
            d.click(IDOK);
        });
        ASSERT_EQ(r, IDOK);
        EXPECT_EQ(m_reportPath, report.string());
        auto saved = bytesOf(file);
        ASSERT_EQ(saved.size(), 960u);
        auto loaded = loadForRating(saved);
        ASSERT_TRUE(loaded) << loaded.error().text;
        EXPECT_EQ(loaded->geom->status, kGeomStatusOrdinary);
        EXPECT_EQ(loaded->geom->type, zi ? WormType::ZL : WormType::ZA);
        EXPECT_NEAR(loaded->geom->aw, 68.5, 1e-12);
        if (zi) {
            EXPECT_NEAR(loaded->geom->epsA, 1.6549, 5e-5);  // αx as for ZN
        }
        for (std::size_t off : {120u, 176u, 296u}) {
            double v;
            std::memcpy(&v, &saved[kGeom + off], 8);
            if (zi) {
                EXPECT_GT(v, 0) << off;
            } else {
                EXPECT_EQ(v, 0.0) << off;
            }
        }
        // The preliminary record goes back as it was loaded.
        auto original = fixture(cwb.c_str());
        EXPECT_TRUE(std::equal(saved.begin() + kPre, saved.begin() + kGeom, original.begin() + kPre));
        auto expected = std::vector<std::uint8_t>{'P', 'R', 'E', '\r', '\n'};
        auto golden = fixture((std::string("cw_geom_") + name + ".cwt").c_str());
        expected.insert(expected.end(), golden.begin(), golden.end());
        EXPECT_EQ(bytesOf(report), expected);
    }
}

TEST_F(CCwGmDlgTest, CentreDistanceRulesAndStaleResults) {
    const fs::path file = put("ex.cwb", fixture("cw_example_za.cwb"));
    int r = run([&](Running& d) {
        load(d, file);
        setAw(d, "65.5");  // x = −0.5000000000000009: accepted
        EXPECT_TRUE(d.enabled(D::IDC_CALC));
        EXPECT_EQ(d.text(D::IDC_AW), "65.5");
        m_s.expectMessage(geo::kMsgCentreUnfit);
        setAw(d, "68.6");
        EXPECT_EQ(d.text(D::IDC_AW), "65.5");
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(IDOK));
        // A new a' makes the results stale: no save until calculated again.
        setAw(d, "67");
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_EQ(d.text(D::IDC_X2), "0");
        EXPECT_EQ(d.text(D::IDC_D1W), "44");
        // de2: both bounds refuse and put the value back.
        m_s.expectMessage(geo::kMsgDe2Small);
        d.type(D::IDC_DE2, "90");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DE2), "99");
        m_s.expectMessage(geo::kMsgDe2Large);
        d.type(D::IDC_DE2, "120");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DE2), "99");
        d.type(D::IDC_DE2, "100");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_DE2), "100");
        // The picture.
        m_s.onDialog(CCwPicDlg::IDD_PAIR, [](Running& p) {
            std::vector<std::string> texts;
            for (const auto& op : p.canvas())
                if (op.kind == fw::DrawOp::Kind::Text) texts.push_back(op.text);
            for (const char* s : {"a'", "d1", "da1", "df1", "b1", "b2", "θ", "Rg", "da2/2", "de2/2"})
                EXPECT_NE(std::find(texts.begin(), texts.end(), s), texts.end()) << s;
            p.click(IDOK);
        });
        d.click(D::IDC_PICTURE);
        d.click(D::IDC_HELP);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_s.messages()[0].icon, fw::MessageIcon::Information);
    EXPECT_EQ(m_s.messages()[1].icon, fw::MessageIcon::Exclamation);
    EXPECT_EQ(m_s.helpCalls().at(0).target, "Kavrin.chm::/TarGmGenDlg.htm");
}

TEST_F(CCwGmDlgTest, RefusedDesignsLoadNothing) {
    auto base = fixture("cw_example_za.cwb");
    auto zc = base;
    putI32(zc, kPre + 4, 4);
    auto steep = base;
    putI32(steep, kPre + 4, 1);
    putF64(steep, kPre + 160, 45.01);
    auto wide = base;  // m 10, d1 25: b2 47 above da1 45
    putF64(wide, kPre + 104, 10);
    putF64(wide, kPre + 120, 2.5);
    putF64(wide, kPre + 136, 25);
    putF64(wide, kPre + 152, 300);
    putF64(wide, kPre + 144, 162.5);
    auto word = base;
    word[36] = 'X';
    const std::vector<std::pair<fs::path, std::string>> cases{
        {put("zc.cwb", zc), geo::kMsgZcDesign},
        {put("steep.cwb", steep), geo::kMsgLeadAngle},
        {put("wide.cwb", wide), geo::kMsgFaceWidth},
        {put("word.cwb", word), kMsgNoCalcOrGeomFull},
        {put("gear.txt", base), msgNotGeomFile(m_data / "gear.txt")},
    };
    const fs::path good = put("good.cwb", base);
    int r = run([&](Running& d) {
        load(d, good);
        setAw(d, "68");
        for (const auto& [file, text] : cases) {
            m_s.expectMessage(text);
            load(d, file);
            EXPECT_EQ(d.text(D::IDC_AW), "68") << file;
            EXPECT_EQ(d.text(D::IDC_TYPE), "阿基米德圆柱蜗杆(ZA)") << file;
            EXPECT_TRUE(d.enabled(D::IDC_CALC)) << file;
        }
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
}

TEST_F(CCwGmDlgTest, SaveNamesAndAReportThatCannotBeWritten) {
    const fs::path file = put("ex.cwb", fixture("cw_example_za.cwb"));
    const auto before = bytesOf(file);
    fs::create_directories(m_data / "ex.cwt");
    int r = run([&](Running& d) {
        EXPECT_FALSE(d.enabled(IDOK));
        load(d, file);
        setAw(d, "67");
        d.click(D::IDC_CALC);
        m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
        m_s.answerSave(m_data / "x.txt");
        m_s.expectMessage(msgNotCwbName(m_data / "x.txt"));
        d.click(IDOK);
        m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
        m_s.answerSave(file);
        m_s.expectMessage("不能打开文件" + (m_data / "ex.cwt").string() + ",ERROR = 5");
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
        m_s.cancelFile();
        d.click(IDOK);  // the save dialog cancelled
        EXPECT_FALSE(d.ended());
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(fs::exists(m_data / "x.txt"));
}

// The chain: the preliminary design's vector saved, loaded here as ZA with
// a' = a, calculated, saved; the strength rating's loader takes the file.
TEST_F(CCwGmDlgTest, ChainFromThePreliminaryDesign) {
    const fs::path file = m_data / "chain.cwb";
    ASSERT_TRUE(fw::writeFile(file, fixture("cw_chain.cwb")));
    ASSERT_TRUE(fw::writeFile(m_data / "chain.cwt", fixture("cw_chain_pre.cwt")));
    int r = run([&](Running& d) {
        load(d, file);
        setAw(d, d.text(D::IDC_A).c_str());
        EXPECT_EQ(d.text(D::IDC_AW), "195.5");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_X2), "0");
        m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
        m_s.answerSave(file);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    auto loaded = loadForRating(bytesOf(file));
    ASSERT_TRUE(loaded) << loaded.error().text;
    EXPECT_EQ(loaded->geom->z1, 2);
    EXPECT_EQ(loaded->geom->z2, 40);
    EXPECT_EQ(loaded->geom->d1w, 71);
    EXPECT_EQ(loaded->geom->dm2, 320);
    EXPECT_NEAR(loaded->geom->gammaW, 12.6996, 5e-5);
    EXPECT_NEAR(loaded->geom->df1, 51.8, 1e-12);
    EXPECT_EQ(loaded->geom->b2, 58);
    auto report = bytesOf(m_data / "chain.cwt");
    auto pre = fixture("cw_chain_pre.cwt");
    ASSERT_GT(report.size(), pre.size());
    EXPECT_TRUE(std::equal(pre.begin(), pre.end(), report.begin()));
}

// θ 0 would put the outside diameter's lower bound at −∞; θ 1e308 is no
// angle; a negative ρf or de2 no length: each is refused with its field, put
// back, and the saved design holds the values that were accepted.
TEST_F(CCwGmDlgTest, EditedValuesThatAreNoWormPairAreRefused) {
    const fs::path file = put("ex.cwb", fixture("cw_example_za.cwb"));
    struct Case {
        int field;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {D::IDC_THETA, "0", "齿宽角 θ应在0°～180°之间！"},
        {D::IDC_THETA, "1e308", "齿宽角 θ应在0°～180°之间！"},
        {D::IDC_THETA, "-30", "齿宽角 θ应在0°～180°之间！"},
        {D::IDC_RHO, "-5", "齿根圆角半径 ρf应为正值！"},
        {D::IDC_RHO, "0", "齿根圆角半径 ρf应为正值！"},
        {D::IDC_DE2, "-100", geo::kMsgDe2Small},
        {D::IDC_DE2, "1e308", geo::kMsgDe2Large},
    };
    std::string theta;
    int r = run([&](Running& d) {
        load(d, file);
        setAw(d, "67");
        d.click(D::IDC_CALC);
        theta = d.text(D::IDC_THETA);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            const std::string before = d.text(c.field);
            m_s.expectMessage(c.message);
            d.type(c.field, c.text);
            d.leave();
            EXPECT_EQ(d.text(c.field), before);
            EXPECT_EQ(d.focused(), c.field);
            d.leave();   // left unchanged: no second refusal
            EXPECT_EQ(d.text(c.field), before);
        }
        EXPECT_TRUE(d.enabled(IDOK));
        m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
        m_s.answerSave(file);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    auto saved = loadForRating(bytesOf(file));
    ASSERT_TRUE(saved) << saved.error().text;
    EXPECT_NEAR(saved->geom->theta, std::strtod(theta.c_str(), nullptr), 5e-4);
    EXPECT_GT(saved->geom->rho, 0);
}

// The edited θ and ρf against their ranges (cw_ranges.h): each probe is
// refused, with the field and its range, exactly when the range refuses it
// (as the load of a saved design would), and taken otherwise.
TEST_F(CCwGmDlgTest, EditedValuesAreRefusedExactlyOutsideTheirRange) {
    const fs::path file = put("ex.cwb", fixture("cw_example_za.cwb"));
    const struct {
        int field;
        const kavrin::Quantity& qty;
    } fields[] = {{D::IDC_THETA, worm::ranges::geom::kTheta}, {D::IDC_RHO, worm::ranges::geom::kRhoF}};
    int r = run([&](Running& d) {
        load(d, file);
        setAw(d, "67");
        d.click(D::IDC_CALC);
        for (const auto& f : fields) {
            const std::string start = d.text(f.field);
            for (double v : kavrin_test::numberProbes(f.qty)) {
                SCOPED_TRACE(std::string(f.qty.name) + " " + fw::formatNumber(v));
                const std::string before = d.text(f.field);
                if (!f.qty.admits(v)) {
                    m_s.expectMessage(std::string(f.qty.name) +
                                      (v > 0 || f.qty.unit == "°" ? worm::ranges::rangeRule(f.qty) : "应为正值") + "！");
                }
                d.type(f.field, fw::formatNumber(v));
                d.leave();
                if (f.qty.admits(v)) {
                    EXPECT_EQ(d.text(f.field), fw::formatNumber(v));
                } else {
                    EXPECT_EQ(d.text(f.field), before);
                    d.leave();
                }
            }
            d.type(f.field, start);
            d.leave();
        }
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
}

// A geometry save whose files open but cannot be written (a file-size limit
// stands for a full disk): "创建文件错误:…" names the file; the old design
// file and report stay byte for byte.
TEST_F(CCwGmDlgTest, AWriteThatFailsSaysSoAndKeepsTheOldFiles) {
    const fs::path file = put("ex.cwb", fixture("cw_example_za.cwb"));
    const fs::path report = m_data / "ex.cwt";
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>{'o', 'l', 'd'}));
    const auto before = bytesOf(file);
    int r = run([&](Running& d) {
        load(d, file);
        setAw(d, "67");
        d.click(D::IDC_CALC);
        m_s.expectMessage(familyTexts(Family::Ordinary).overwriteNotice);
        m_s.answerSave(file);
        m_s.answerMessage(IDOK);
        {
            worm::test::FileSizeLimit limit(100);
            d.click(IDOK);
        }
        EXPECT_FALSE(d.ended());
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    const std::string shown = m_s.messages().back().text;
    EXPECT_EQ(shown.rfind("创建文件错误:", 0), 0u) << shown;
    EXPECT_NE(shown.find("ex.cw"), std::string::npos) << shown;
    EXPECT_NE(shown.find(",ERROR = 13"), std::string::npos) << shown;
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_EQ(bytesOf(report), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

}  // namespace
