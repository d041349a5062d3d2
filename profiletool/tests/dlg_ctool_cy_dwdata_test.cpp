// The profile CAD data tool (template 151) run headless: the path rules,
// reading each kind of data file, rp and λ, and the point file.
#include "profiletool/ctool_cy_dwdata_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "cylindrical/calc/geometry_design.h"
#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "profiletool/tests/source_files.h"
#include "smallmodule/calc/cy_sm_record.h"

namespace fs = std::filesystem;
using D = CToolCyDwdataDlg;
using fwtest::Running;
using namespace profiletool;

namespace {

constexpr const char* kConfirm = kHintConfirm;

// The example pair Z1 20, Z2 40, mn 2, αn 20°, β 0, x 0, ha* 1, c* 0.25.
std::vector<std::uint8_t> examplePairFile(double mn = 2) {
    cylindrical::CyGeomRecord g;
    g.z1 = 20;
    g.z2 = 40;
    g.hand = cylindrical::kHandSpur;
    g.mn = mn;
    g.alphaNDeg = 20;
    g.a = g.ad = 30 * mn;
    g.alphaWtDeg = 20;
    g.haStar = 1;
    g.zv1 = 20;
    g.zv2 = 40;
    return profiletool_test::designFile(g);
}

std::vector<std::uint8_t> readBytes(const fs::path& p) {
    auto b = fw::readFile(p);
    EXPECT_TRUE(b) << p;
    return b ? *b : std::vector<std::uint8_t>{};
}

class ToolDlgTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }

    int run(fwtest::Script script) {
        m_s.onDialog(D::IDD, std::move(script));
        D d(nullptr);
        return d.DoModal();
    }
    fs::path put(const char* name, const std::vector<std::uint8_t>& bytes) {
        const fs::path p = m_inst.data(name);
        EXPECT_TRUE(fw::writeFile(p, bytes));
        return p;
    }
    void read(Running& d, const fs::path& p) {
        m_s.answerOpen(p);
        d.click(D::IDC_BROWSE);
        d.click(D::IDC_READ);
    }

    fwtest::Installation m_inst{"profiletool"};
    fwtest::Session m_s;
};

TEST_F(ToolDlgTest, PathRules) {
    const fs::path upper = put("PAIR.CYB", examplePairFile());
    run([&](Running& d) {
        EXPECT_EQ(d.caption(), "Kavrin 渐开线端面齿廓CAD数据生成");
        for (int id : {int(D::IDC_READ), int(IDOK), int(D::IDC_FILLET), int(D::IDC_SHRINKAGE)})
            EXPECT_FALSE(d.enabled(id)) << id;
        d.type(D::IDC_PATH, (m_inst.data() / "x.cyt").string());
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), kHintNotCyb);
        EXPECT_FALSE(d.enabled(D::IDC_READ));
        const std::string missing = (m_inst.data() / "none.cyb").string();
        d.type(D::IDC_PATH, missing);
        d.leave();
        EXPECT_EQ(d.text(D::IDC_HINT), "渐开线齿轮几何计算数据文件:\n" + missing + "\n未能找到");
        EXPECT_FALSE(d.enabled(D::IDC_READ));
        d.type(D::IDC_PATH, upper.string());
        d.leave();
        EXPECT_TRUE(d.enabled(D::IDC_READ));
        EXPECT_FALSE(d.enabled(IDOK));
        d.click(D::IDC_HELP);
        d.close();
    });
    ASSERT_EQ(m_s.helpCalls().size(), 1u);
    EXPECT_EQ(m_s.helpCalls()[0].target, "Kavrin.chm::/CyDwdataDlg.htm");
}

TEST_F(ToolDlgTest, DesignPairToPointFile) {
    const fs::path src = put("pair.cyb", examplePairFile(4));
    const fs::path chosen = m_inst.data("gear.dat");
    int r = run([&](Running& d) {
        read(d, src);
        EXPECT_EQ(d.text(D::IDC_HINT),
                  std::string("所用的数据文件是成对外啮合齿轮设计计算数据!") + kHintChooseGear + kConfirm);
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_TRUE(d.checked(D::IDC_Z1));
        EXPECT_TRUE(d.enabled(D::IDC_Z2));
        // mn 4: rp 1.0 and λ 1.0; rp 1.6 beyond 0.38·mn = 1.52, λ 3 refused.
        EXPECT_EQ(d.text(D::IDC_FILLET), "1");
        EXPECT_EQ(d.text(D::IDC_SHRINKAGE), "1");
        EXPECT_EQ(d.text(D::IDC_CSTAR), "0.25");
        m_s.expectMessage("齿根过渡圆角半径不应＜0.800mm或大于1.520mm");
        d.type(D::IDC_FILLET, "1.6");
        d.leave();
        EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Information);
        EXPECT_EQ(d.text(D::IDC_FILLET), "1");
        m_s.expectMessage(kMsgShrinkage);
        d.type(D::IDC_SHRINKAGE, "3");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_SHRINKAGE), "1");
        d.type(D::IDC_FILLET, "1.2");
        d.type(D::IDC_SHRINKAGE, "0.5");
        d.click(D::IDC_Z2);
        // Cancel in the save dialog writes nothing and keeps the tool open.
        m_s.cancelFile();
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        m_s.answerSave(chosen);
        m_s.expectMessage(kMsgCydName);
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    const auto bytes = readBytes(m_inst.data("gear.dat.cyd"));
    ASSERT_EQ(bytes.size(), 600u);
    EXPECT_FALSE(fs::exists(chosen));
    // The gear's record as the shared routine gives it for the file's values.
    auto s = readProfileSource(examplePairFile(4));
    ASSERT_TRUE(s);
    EXPECT_EQ(bytes, measurement::writeProfileDataRecord(*toolProfile(s->source, 1, 1.2, 0.5)));
}

TEST_F(ToolDlgTest, RefusedReadsKeepTheValues) {
    const fs::path good = put("pair.cyb", examplePairFile());
    auto preOnly = cylindrical::cyPreFileBytes(cylindrical::CyPreRecord{}, 1765324800);
    const fs::path pre = put("pre.cyb", preOnly);
    auto other = examplePairFile();
    std::memcpy(other.data() + 36, "W_TARVDESIGN", 12);
    const fs::path unknown = put("other.cyb", other);
    auto old = examplePairFile();
    const std::int32_t v103 = 103;
    std::memcpy(old.data(), &v103, 4);
    const fs::path oldFile = put("old.cyb", old);
    run([&](Running& d) {
        read(d, good);
        auto& dlg = static_cast<D&>(d.dialog());
        const ProfileSource before = dlg.source();
        read(d, unknown);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintNotCyb);
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_FALSE(d.enabled(D::IDC_FILLET));
        EXPECT_TRUE(d.enabled(D::IDC_READ));
        EXPECT_EQ(dlg.source(), before);
        read(d, pre);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintNoGeometry);
        EXPECT_FALSE(d.enabled(D::IDC_READ));
        EXPECT_EQ(dlg.source(), before);
        read(d, oldFile);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintOldVersion);
        EXPECT_EQ(dlg.source(), before);
        d.close();
    });
}

// Files whose own record check refuses them (the geometry example with a
// value outside its range, the measured pair with its root circle outside
// its tip): the hint names the field and its range, 确定, rp and λ are
// disabled, the values of the file read before stay, and nothing is written.
TEST_F(ToolDlgTest, FilesTheirRecordChecksRefuseWriteNothing) {
    const fs::path good = put("pair.cyb", profiletool_test::geometryExample());
    run([&](Running& d) {
        read(d, good);
        ASSERT_TRUE(d.enabled(IDOK));
        auto& dlg = static_cast<D&>(d.dialog());
        const ProfileSource before = dlg.source();
        for (const auto& c : profiletool_test::refusedByTheirRecordChecks()) {
            SCOPED_TRACE(c.name);
            read(d, put("refused.cyb", c.file));
            EXPECT_EQ(d.text(D::IDC_HINT), c.hint);
            for (int id : {int(IDOK), int(D::IDC_FILLET), int(D::IDC_SHRINKAGE)}) EXPECT_FALSE(d.enabled(id)) << id;
            EXPECT_EQ(dlg.source(), before);
            d.click(IDOK);
            EXPECT_FALSE(d.ended());
        }
        d.close();
    });
    for (const auto& entry : fs::directory_iterator(m_inst.data()))
        EXPECT_NE(entry.path().extension(), ".cyd") << entry.path();
}

TEST_F(ToolDlgTest, MeasuredGearsAndSmallModulePairs) {
    const fs::path single = m_inst.data("single.cyb");
    fs::copy_file(fs::path(KAVRIN_SOURCE_DIR) / "measurement/tests/fixtures/single_z20.cyb", single);
    smallmodule::SmInput in;
    in.pattern = smallmodule::Pattern::HelicalSpur;
    in.mn = 0.5;
    in.u = 2;
    in.aw = 13;
    in.sigma = 10;
    auto out = smallmodule::calculate(in);
    ASSERT_TRUE(out);
    smallmodule::CySmRecord sm;
    sm.in = in;
    sm.in.beta1 = out->g1.beta;
    sm.moduleIndex = 8;
    sm.out = *out;
    sm.rhoF = 0.1;
    const fs::path small = put("small.cyb", smallmodule::cySmFileBytes(sm, 1765324800));
    run([&](Running& d) {
        read(d, single);
        EXPECT_EQ(d.text(D::IDC_HINT), std::string("所输入的数据是单个外齿轮测量的几何数据。\n") + kConfirm);
        EXPECT_TRUE(d.enabled(D::IDC_Z1));
        EXPECT_FALSE(d.enabled(D::IDC_Z2));
        read(d, small);
        EXPECT_TRUE(d.enabled(D::IDC_Z2));
        EXPECT_EQ(d.text(D::IDC_FILLET), "0.1");   // 0.2·mn for a small-module pair
        EXPECT_EQ(d.text(D::IDC_SHRINKAGE), "0.125");
        d.click(D::IDC_Z2);
        m_s.answerSave(m_inst.data("small_gear.cyd"));
        d.click(IDOK);
    });
    auto bytes = readBytes(m_inst.data("small_gear.cyd"));
    auto rec = measurement::readProfileDataRecord(bytes);
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->z, 34);
    EXPECT_EQ(rec->type, 0);
}

TEST_F(ToolDlgTest, ProfileWithoutPointsIsNotWritten) {
    // The internal gear Z2 24 (x 0) has its tip circle (44) inside its base
    // circle (45.105): no involute to draw.
    cylindrical::CyGeomRecord g;
    g.z1 = 20;
    g.z2 = 24;
    g.hand = cylindrical::kHandSpur;
    g.mn = 2;
    g.alphaNDeg = 20;
    g.a = g.ad = 4;
    g.alphaWtDeg = 20;
    g.haStar = 1;
    g.meshType = 1;
    g.zv1 = 20;
    g.zv2 = 24;
    const fs::path src = put("internal.cyb", profiletool_test::designFile(g, 0));
    run([&](Running& d) {
        read(d, src);
        ASSERT_TRUE(d.enabled(IDOK));
        d.click(D::IDC_Z2);
        EXPECT_FALSE(toolProfile(static_cast<D&>(d.dialog()).source(), 1, 0.5, 0.5));
        m_s.expectMessage(kMsgConversionFailed);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        // The pinion of the pair has one.
        d.click(D::IDC_Z1);
        m_s.answerSave(m_inst.data("pinion.cyd"));
        d.click(IDOK);
        EXPECT_TRUE(d.ended());
    });
}

// mn 3: the refusal prints 0.600 and 1.140 as the bounds, and typing them
// is accepted (both were refused through rounding); 0.599 is refused, the
// focus goes back to the field once, and leaving it again moves on.
TEST_F(ToolDlgTest, FilletBoundsAsPrintedAreAccepted) {
    const fs::path src = put("pair3.cyb", examplePairFile(3));
    run([&](Running& d) {
        read(d, src);
        for (const char* bound : {"0.600", "1.140", "0.6", "1.14"}) {
            d.type(D::IDC_FILLET, bound);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_FILLET), bound);
        }
        m_s.expectMessage("齿根过渡圆角半径不应＜0.600mm或大于1.140mm");
        d.type(D::IDC_FILLET, "0.599");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_FILLET), "1.14");
        EXPECT_EQ(d.focused(), D::IDC_FILLET);
        d.leave();
        EXPECT_NE(d.focused(), D::IDC_FILLET);
        d.close();
    });
}

}  // namespace

