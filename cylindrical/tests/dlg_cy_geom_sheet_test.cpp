// The geometry sheet run headless: page 1's rules and loaders, the save of
// the design file, the gear pages, the characteristic page and the report
// sections of a whole run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/tests/range_probes.h"
#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/format.h"
#include "cylindrical/calc/cy_pre_record.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/cy_current_design.h"
#include "cylindrical/cy_geom_pro_sheet.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "fw/file.h"
#include "fw/text.h"
#include "cylindrical/tests/design_fixture.h"
#include "fwtest/script.h"

using namespace cylindrical;
using P1 = CCyGeomProPage1;
using P2 = CCyGeomProPage2;
using P3 = CCyGeomProPage3;
using P4 = CCyGeomProPage4;

namespace {

constexpr const char* kCaption = "《Ondrel》 Kavrin  齿轮几何计算程序";

// The external example pair of the pages: Z1 20, Z2 40, mn 2, β 0, a = ad = 60.
CyPreRecord examplePre() {
    CyPreRecord r;
    r.z1 = 20;
    r.z2 = 40;
    r.mn = 2;
    r.ms = 2;
    r.a = 60;
    r.i = 2;
    r.phiD = 0.8;
    r.title = "减速器";
    r.number = "JS-100";
    r.date = "2024年5月6日";
    return r;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
    auto r = fw::readFile(p);
    return r ? *r : std::vector<std::uint8_t>{};
}

// The example pair, distributed, as the current design (what a save needs:
// teeth and module above zero).
void setExampleDesign() {
    currentDesign().pre = examplePre();
    PairState st;
    st.z1 = 20, st.z2 = 40, st.mn = 2;
    st = distribute(helixChanged(st).state).state;
    CyGeomRecord g;
    g.psiD = 0.8;
    storePair(st, {"减速器", "JS-100", "2024年5月6日"}, g);
    currentDesign().geom = g;
}

// A snapshot of everything a refused load must leave alone.
struct DesignSnapshot {
    std::vector<std::uint8_t> pre, geom;
    std::string data, report, title, number, date;
    bool operator==(const DesignSnapshot&) const = default;
};
DesignSnapshot snapshot() {
    const auto& d = currentDesign();
    return {writeCyPreRecord(d.pre), writeCyGeomRecord(d.geom), d.dataPath, d.reportPath, d.title, d.drawingNo, d.date};
}

class GeomSheet : public cylindrical_test::DesignTest {
protected:
    GeomSheet() : DesignTest("cy_geom_sheet") {}
    std::filesystem::path writePre(const std::string& name, const CyPreRecord& r = examplePre()) const {
        auto p = data(name);
        EXPECT_TRUE(fw::writeFile(p, cyPreFileBytes(r, 1700000000)));
        return p;
    }
};

// Page 1 with the example loaded through "装入预定数据" and distributed.
void loadAndDistribute(fwtest::Running& d) {
    ASSERT_TRUE(d.click(P1::IDC_LOAD_PRE));
    ASSERT_TRUE(d.click(P1::IDC_DISTRIBUTE));
}

// ---- page 1 ----

TEST_F(GeomSheet, LeavingPageOneWithoutAPairStays) {
    fwtest::Session s;
    s.onSheet([](fwtest::Running& d) {
        EXPECT_FALSE(d.page(1));
        EXPECT_EQ(d.activePage(), 0);
        EXPECT_EQ(d.text(P1::IDC_RESULT), "请先装入预定计算数据！");
        EXPECT_TRUE(d.click(fw::IDOK));
        EXPECT_FALSE(d.ended()) << "OK leaves page 1 too, so it is refused the same way";
        d.click(fw::IDHELP);
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.removeApplyButton();
    EXPECT_EQ(sheet.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(sheet.caption(), kCaption);
    EXPECT_EQ(sheet.buttons(), (std::vector<int>{fw::IDOK, fw::IDCANCEL, fw::IDHELP}));
    // Context help of page 1 (0x20000 + 1012) goes to Kavrin.chm by number.
    ASSERT_EQ(s.helpCalls().size(), 1u);
    EXPECT_EQ(s.helpCalls()[0].target, "Kavrin.chm");
    EXPECT_EQ(s.helpCalls()[0].command, fw::HH_HELP_CONTEXT);
    EXPECT_EQ(s.helpCalls()[0].data, 0x203F4u);
}

TEST_F(GeomSheet, ExternalExampleLoadsAndDistributes) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        ASSERT_TRUE(d.click(P1::IDC_LOAD_PRE));
        // Taken from the record, then the helix-angle rule.
        EXPECT_EQ(d.text(P1::IDC_TITLE), "减速器");
        EXPECT_EQ(d.text(P1::IDC_AD), "60");
        EXPECT_EQ(d.text(P1::IDC_A), "60");
        EXPECT_EQ(d.text(P1::IDC_RESULT), kMsgUpdateShifts);
        EXPECT_TRUE(d.enabled(P1::IDC_EXTERNAL));
        EXPECT_FALSE(d.enabled(P1::IDC_INTERNAL)) << "the other mesh type is locked";
        ASSERT_TRUE(d.click(P1::IDC_DISTRIBUTE));
        // a = ad: αwt = αt = 20°, Σx = 0; u = 2 is class 2 (C1 0.25, C2 0.25).
        EXPECT_EQ(d.text(P1::IDC_ALPHAWT), "20");
        EXPECT_EQ(d.text(P1::IDC_SUMX), "0");
        EXPECT_EQ(d.text(P1::IDC_XN1), "0.25");
        EXPECT_EQ(d.text(P1::IDC_XN2), "-0.25");
        EXPECT_EQ(d.text(P1::IDC_RESULT), kMsgCheckResult);
        EXPECT_TRUE(d.page(1));
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_EQ(currentDesign().dataPath, pre.string());
    EXPECT_EQ(currentDesign().reportPath, data("pair.cyt").string());
    EXPECT_EQ(currentDesign().title, "减速器");
    EXPECT_DOUBLE_EQ(currentDesign().geom.psiD, 0.8) << "ψd comes with the preliminary design";
    EXPECT_DOUBLE_EQ(currentDesign().geom.b, 32) << "b = Z1·ψd·mt when page 1 is left";
    EXPECT_DOUBLE_EQ(currentDesign().geom.xn1, 0.25);
}

// The example typed by hand, as the screenshot scene enters it: no message
// box on the way, and every page computes its listing.
TEST_F(GeomSheet, ExampleTypedByHandFillsEveryPage) {
    fwtest::Session s;
    s.onSheet([](fwtest::Running& d) {
        d.type(P1::IDC_Z1, "20");
        EXPECT_EQ(d.text(P1::IDC_RESULT), kMsgTeethOrder) << "Z2 is still 0";
        d.type(P1::IDC_Z2, "40");
        d.type(P1::IDC_MN, "2");
        d.focus(P1::IDC_A);
        EXPECT_EQ(d.text(P1::IDC_AD), "60");
        d.click(P1::IDC_DISTRIBUTE);
        EXPECT_EQ(d.text(P1::IDC_XN1), "0.25");
        EXPECT_EQ(d.text(P1::IDC_ALPHAWT), "20");
        ASSERT_TRUE(d.page(1));
        d.click(P2::kIds.calc);
        EXPECT_NE(d.text(P2::kIds.listing).find("分度圆直径： d1=Mt×Z1 =            40.000mm"), std::string::npos);
        ASSERT_TRUE(d.page(2));
        d.click(P3::kIds.calc);
        EXPECT_NE(d.text(P3::kIds.listing).find("分度圆直径： d2=mt×Z2 =           80.000mm"), std::string::npos);
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_CALC);
        EXPECT_NE(d.text(P4::IDC_LISTING).find("端面重合度"), std::string::npos);
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_TRUE(s.messages().empty());
}

// A design centre distance the distribution refuses is not taken: the field
// is edited again, left again unchanged it shows the last one, and every
// result stays, with the real cause.
TEST_F(GeomSheet, RefusedDistributionsKeepThePreviousResults) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.expectMessage(kMsgOverCorrection);
    s.expectMessage(kMsgOverCorrection);
    s.answerMessage(fw::IDOK);
    s.answerMessage(fw::IDOK);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        // cos αt · ad / a ≥ 1 for a < ad.
        d.type(P1::IDC_A, "50");
        d.leave();
        EXPECT_EQ(d.dialog().focusId(), P1::IDC_A) << "edited again";
        EXPECT_EQ(d.text(P1::IDC_XN1), "0.25");
        EXPECT_EQ(d.text(P1::IDC_ALPHAWT), "20");
        d.leave();
        EXPECT_EQ(d.text(P1::IDC_A), "60") << "the refused distance is not taken";
        d.type(P1::IDC_A, "50");
        d.click(P1::IDC_DISTRIBUTE);  // leaving a refuses it first; the click is dropped
        EXPECT_EQ(d.dialog().focusId(), P1::IDC_A);
        d.leave();
        EXPECT_EQ(d.text(P1::IDC_A), "60");
        EXPECT_EQ(d.text(P1::IDC_XN1), "0.25");
        EXPECT_EQ(d.text(P1::IDC_SUMX), "0");
        struct Refused {
            const char* a;
            const char* text;
        } refused[] = {{"0", kMsgCentreDistancePositive}};
        for (const Refused& r : refused) {
            d.type(P1::IDC_A, r.a);
            d.leave();
            EXPECT_EQ(d.text(P1::IDC_RESULT), r.text) << r.a;
            EXPECT_EQ(d.dialog().focusId(), P1::IDC_A) << r.a;
            d.leave();
            EXPECT_EQ(d.text(P1::IDC_A), "60") << r.a;
            EXPECT_EQ(d.text(P1::IDC_XN1), "0.25") << r.a;
        }
        // Outside the field's range: refused by the field, naming it.
        for (const char* a : {"-5", "1e308"}) {
            d.type(P1::IDC_A, a);
            d.leave();
            EXPECT_EQ(d.dialog().focusId(), P1::IDC_A) << a;
            d.leave();
            EXPECT_EQ(d.text(P1::IDC_A), "60") << a;
        }
        // In the field's range, but the shift sum it needs is not (a = 100
        // for ad = 60 at mn 2): nothing is taken, and the value is named.
        d.type(P1::IDC_A, "100");
        d.leave();
        EXPECT_EQ(d.text(P1::IDC_RESULT), kavrin::resultNotTaken(geom_q::kSumX));
        EXPECT_EQ(d.text(P1::IDC_A), "60");
        EXPECT_EQ(d.text(P1::IDC_XN1), "0.25");
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    ASSERT_EQ(s.messages().size(), 4u);
    for (int i : {0, 1}) EXPECT_EQ(s.messages()[i].caption, "KAVRIN 警告");
    for (int i : {2, 3})
        EXPECT_TRUE(s.messages()[i].text.ends_with(fw::numberBoundsText(geom_q::kA.bounds))) << s.messages()[i].text;
    EXPECT_DOUBLE_EQ(sheet.m_page1.pair().a, 60);
}

// Page 1's integer fields take exactly what was typed or refuse it: odd text,
// an overflow or a wrapped count never becomes a value (once "12abc"
// gave Z1 0 with zv1 and ad 0, "3000000000" −1294967296, "4294967316" 20).
// Leaving the field refuses it naming the field; the pair stays as it was.
TEST_F(GeomSheet, IntegerFieldsTakeExactlyWhatWasTypedOrRefuseIt) {
    auto pre = writePre("pair.cyb");
    struct Case {
        int id;
        const char* typed;
        const char* field;    // the field's name in the refusal (an angle's part by what it holds)
        const char* problem;  // what follows it
    } cases[] = {
        {P1::IDC_Z1, "12abc", "齿数 Z1", "请输入一个整数。"},
        {P1::IDC_Z1, "1e999", "齿数 Z1", "请输入一个整数。"},
        {P1::IDC_Z1, "3000000000", "齿数 Z1", "请输入 0 或 1 到 100000 之间的整数。"},
        {P1::IDC_Z1, "4294967316", "齿数 Z1", "请输入 0 或 1 到 100000 之间的整数。"},
        {P1::IDC_Z2, "-5", "齿数 Z2", "请输入 0 或 1 到 100000 之间的整数。"},
        {P1::IDC_ALPHAN_DEG, "12abc", "α 度", "请输入一个整数。"},
        {P1::IDC_ALPHAN_DEG, "31", "α 度", "请输入 0 到 30 之间的整数。"},
        {P1::IDC_ALPHAN_MIN, "75", "α 分", "请输入 0 到 59 之间的整数。"},
        {P1::IDC_BETA_DEG, "61", "β 度", "请输入 -60 到 60 之间的整数。"},
        {P1::IDC_BETA_SEC, "-1", "β 秒", "请输入 0 到 59 之间的整数。"},
        // In the field's range, but the angle it gives is not.
        {P1::IDC_ALPHAN_DEG, "0", "α 度", "法面压力角须大于0°且不大于30°。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " " + c.typed);
        fwtest::Session s;
        s.answerOpen(pre);
        s.answerMessage(fw::IDOK);
        s.onSheet([&](fwtest::Running& d) {
            loadAndDistribute(d);
            const PairState before = dynamic_cast<P1&>(d.dialog()).pair();
            d.type(c.id, c.typed);
            EXPECT_EQ(dynamic_cast<P1&>(d.dialog()).pair().z1, before.z1);
            EXPECT_EQ(d.text(P1::IDC_ZV1), "20") << "nothing was taken while typing";
            EXPECT_EQ(d.text(P1::IDC_AD), "60");
            d.leave();
            EXPECT_EQ(d.dialog().focusId(), c.id) << "the refusal puts the focus back";
            const PairState after = dynamic_cast<P1&>(d.dialog()).pair();
            EXPECT_EQ(after.z1, 20);
            EXPECT_EQ(after.z2, 40);
            EXPECT_EQ(after.alphaN.deg, 20);
            EXPECT_EQ(after.beta.deg, 0);
            EXPECT_DOUBLE_EQ(after.ad, 60);
            EXPECT_DOUBLE_EQ(after.zv1, 20);
            d.end(fw::IDCANCEL);
        });
        CCyGeomProSheet sheet(kCaption, nullptr);
        sheet.DoModal();
        ASSERT_EQ(s.messages().size(), 1u);
        EXPECT_EQ(s.messages()[0].text, std::string(c.field) + "：" + c.problem);
    }
}

TEST_F(GeomSheet, EqualTeethAreAcceptedButRefusedByTheExternalRadio) {
    fwtest::Session s;
    s.onSheet([](fwtest::Running& d) {
        d.type(P1::IDC_Z1, "20");
        d.type(P1::IDC_Z2, "20");
        d.type(P1::IDC_MN, "2");
        d.leave();
        EXPECT_EQ(d.text(P1::IDC_AD), "40") << "the module rule takes Z1 = Z2";
        EXPECT_EQ(d.text(P1::IDC_RESULT), "");
        d.click(P1::IDC_EXTERNAL);
        EXPECT_EQ(d.text(P1::IDC_RESULT), "请先确定基本参数，再调整中心距！");
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
}

TEST_F(GeomSheet, InternalMeshMakesASpurPair) {
    CyPreRecord r = examplePre();
    r.betaDeg = 15, r.betaMin = 30;
    r.ms = 2 / std::cos((15.5) * fw::kPi / 180);
    auto pre = writePre("helical.cyb", r);
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        d.click(P1::IDC_LOAD_PRE);
        EXPECT_EQ(d.text(P1::IDC_ALPHAT_DEG), "20") << "αt of β = 15°30′ is 20.7°";
        // The preliminary design was external: unlock the radio as a fresh page would have it.
        d.dialog().enable(P1::IDC_INTERNAL);
        d.click(P1::IDC_INTERNAL);
        EXPECT_EQ(d.text(P1::IDC_BETA_DEG), "0");
        EXPECT_EQ(d.text(P1::IDC_BETA_MIN), "0");
        EXPECT_EQ(d.text(P1::IDC_BETA_SEC), "0");
        EXPECT_EQ(d.text(P1::IDC_MT), "2") << "mt = mn";
        EXPECT_EQ(d.text(P1::IDC_ALPHAT_DEG), "20");
        EXPECT_EQ(d.text(P1::IDC_ALPHAT_MIN), "0");
        EXPECT_EQ(d.text(P1::IDC_ALPHAT_SEC), "0");
        EXPECT_EQ(d.text(P1::IDC_AD), "20") << "(Z2 − Z1)·mt/2";
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
}

TEST_F(GeomSheet, CheckButtonNeedsAValidPair) {
    fwtest::Session s;
    s.onSheet([](fwtest::Running& d) {
        d.click(P1::IDC_CHECK);
        EXPECT_EQ(d.text(P1::IDC_RESULT), "请先确定基本参数，再调整中心距！");
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_FALSE(sheet.m_page1.checkSection());
}

// ---- loaders ----

std::vector<std::uint8_t> measurementFile() {
    auto head = kavrin::writeHeader(kavrin::makeHeader(0, kavrin::kWordCyMeasure, 0));
    head.resize(64 + 608, 0);
    return head;
}

// A module outside its range is refused by its field; a module whose derived
// values leave their ranges (ad above 1e7 mm) is refused on page 1: the page
// shows its last values and names the value.
TEST_F(GeomSheet, InfiniteDerivedValuesAreRefused) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.answerMessage(fw::IDOK);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        ASSERT_EQ(d.text(P1::IDC_AD), "60");
        d.type(P1::IDC_MN, "1e308");
        d.leave();
        EXPECT_EQ(d.dialog().focusId(), P1::IDC_MN) << "the field refuses it";
        d.type(P1::IDC_MN, "2");
        d.leave();
        d.type(P1::IDC_Z2, "100000");
        d.type(P1::IDC_MN, "100");
        d.leave();
        ASSERT_EQ(d.text(P1::IDC_AD), "5001000");
        d.type(P1::IDC_BETA_DEG, "60");  // mt 200: ad = 10002000 mm
        EXPECT_EQ(d.text(P1::IDC_RESULT), kavrin::resultNotTaken(geom_q::kAd));
        EXPECT_EQ(d.text(P1::IDC_AD), "5001000");
        EXPECT_EQ(d.text(P1::IDC_MT), "100");
        d.type(P1::IDC_BETA_DEG, "0");
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
}

TEST_F(GeomSheet, RefusedFilesChangeNothing) {
    CyPreRecord unfinished = examplePre();
    unfinished.status = 0;
    // Values a typed field would refuse, or the calculation cannot use.
    CyPreRecord z1Negative = examplePre(), mnAbsurd = examplePre();
    z1Negative.z1 = -5;
    mnAbsurd.mn = -5e303;
    setExampleDesign();
    CyGeomRecord minutes75 = currentDesign().geom, hugeModule = currentDesign().geom;
    minutes75.betaMin = 75;
    hugeModule.mn = 1e307;  // finite, but (Z1 + Z2)·mt would not be
    const CyPreRecord goodPre = currentDesign().pre;
    currentDesign() = CurrentDesign{};
    struct Case {
        const char* name;
        int button;
        std::vector<std::uint8_t> bytes;
        std::string message;
    } cases[] = {
        // Header word of a measurement file: its own message, both loaders.
        {"m1.cyb", P1::IDC_LOAD_PRE, measurementFile(), kMsgMeasurementFile},
        {"m2.cyb", P1::IDC_LOAD_GEOM, measurementFile(), kMsgMeasurementFile},
        // A preliminary-only file has no geometry record.
        {"pre.cyb", P1::IDC_LOAD_GEOM, cyPreFileBytes(examplePre(), 0), kMsgUnfinishedGeometry},
        // A preliminary record whose status is not 101.
        {"open.cyb", P1::IDC_LOAD_PRE, cyPreFileBytes(unfinished, 0), kMsgUnfinishedGeometry},
        // Shorter than header and record.
        {"short.cyb", P1::IDC_LOAD_PRE, std::vector<std::uint8_t>(100, 0), kMsgNotDesignFile},
        // Not a .cyb name.
        {"pair.txt", P1::IDC_LOAD_PRE, cyPreFileBytes(examplePre(), 0), kavrin::kMsgNotCybFile},
        // A value the record's check refuses: the fault names the field first.
        {"z1.cyb", P1::IDC_LOAD_PRE, cyPreFileBytes(z1Negative, 0),
         kavrin::refusedOnLoad("Z1：请输入 1 到 100000 之间的整数。")},
        {"mn.cyb", P1::IDC_LOAD_PRE, cyPreFileBytes(mnAbsurd, 0),
         kavrin::refusedOnLoad("取法面模数mn：请输入 0 或 0.01 到 100 之间的数值。")},
        {"min.cyb", P1::IDC_LOAD_GEOM, geometryDesignFileBytes(goodPre, minutes75, 0),
         kavrin::refusedOnLoad("β 分：请输入 0 到 59 之间的整数。")},
        {"huge.cyb", P1::IDC_LOAD_GEOM, geometryDesignFileBytes(goodPre, hugeModule, 0),
         kavrin::refusedOnLoad("法面摸数 m：请输入 0.01 到 100 之间的数值。")},
    };
    // A design loaded before: what every refusal must leave alone.
    auto good = writePre("good.cyb");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fw::writeFile(data(c.name), c.bytes));
        fwtest::Session s;
        s.answerOpen(good);
        s.answerOpen(data(c.name));
        s.expectMessage(c.message);
        DesignSnapshot before;
        s.onSheet([&](fwtest::Running& d) {
            d.click(P1::IDC_LOAD_PRE);
            d.click(P1::IDC_DISTRIBUTE);
            before = snapshot();
            d.click(c.button);
            EXPECT_EQ(d.text(P1::IDC_XN1), "0.25") << "the page keeps its values";
            d.click(fw::IDCANCEL);
        });
        CCyGeomProSheet sheet(kCaption, nullptr);
        sheet.DoModal();
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(currentDesign().dataPath, good.string());
        EXPECT_TRUE(s.allUsed());
    }
}

// ---- saving ----

TEST_F(GeomSheet, SavedFileLoadsBackWithEveryField) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        d.type(P1::IDC_XN1, "0.3");
        d.leave();
        ASSERT_TRUE(d.page(1));
        d.select(P2::kIds.cStar, 1);
        d.select(P2::kIds.hand, 1);
        ASSERT_TRUE(d.page(3));
        d.type(P4::IDC_B, "30");
        d.leave();
        d.click(P4::IDC_CALC);
        d.click(fw::IDOK);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    ASSERT_EQ(sheet.DoModal(), fw::IDOK);
    s.answerSave(data("design.cyb"));
    ASSERT_TRUE(sheet.doSave());
    auto file = bytesOf(data("design.cyb"));
    EXPECT_EQ(file.size(), 776u);
    EXPECT_EQ(sheet.m_strDataPath, data("design.cyb").string());
    EXPECT_EQ(sheet.m_strReportPath, data("design.cyt").string()) << "a design saved as design.cyb has design.cyt";
    CyGeomRecord saved = currentDesign().geom;
    EXPECT_EQ(saved.status, 102);
    EXPECT_EQ(saved.cStarIndex, 1);
    EXPECT_EQ(saved.hand, 1);
    EXPECT_DOUBLE_EQ(saved.xn2, -0.3);
    EXPECT_DOUBLE_EQ(saved.b, 30);
    EXPECT_DOUBLE_EQ(saved.psiD, 30.0 / 40);
    EXPECT_GT(saved.epsAlpha, 1.5);

    freshDesign();
    fwtest::Session again;
    again.answerOpen(data("design.cyb"));
    again.onSheet([](fwtest::Running& d) {
        d.click(P1::IDC_LOAD_GEOM);
        EXPECT_EQ(d.text(P1::IDC_Z1), "20");
        EXPECT_EQ(d.text(P1::IDC_Z2), "40");
        EXPECT_EQ(d.text(P1::IDC_MN), "2");
        EXPECT_EQ(d.text(P1::IDC_AD), "60");
        EXPECT_EQ(d.text(P1::IDC_XN1), "0.3");
        EXPECT_EQ(d.text(P1::IDC_XN2), "-0.3");
        EXPECT_EQ(d.text(P1::IDC_TITLE), "减速器");
        EXPECT_EQ(d.text(P1::IDC_DATE), "2024年5月6日");
        ASSERT_TRUE(d.page(1));
        EXPECT_EQ(d.selection(P2::kIds.cStar), 1);
        EXPECT_EQ(d.selection(P2::kIds.hand), 1);
        ASSERT_TRUE(d.page(3));
        EXPECT_EQ(d.text(P4::IDC_B), "30");
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet second(kCaption, nullptr);
    second.DoModal();
    EXPECT_EQ(currentDesign().geom, saved) << "every field of the geometry record comes back";
    EXPECT_EQ(writeCyPreRecord(currentDesign().pre), writeCyPreRecord(examplePre()));
    EXPECT_EQ(currentDesign().dataPath, data("design.cyb").string());
}

TEST_F(GeomSheet, SaveNames) {
    struct Case {
        const char* answer;   // what the user typed in the save dialog
        const char* written;  // the file written
        const char* report;   // the sheet's report path afterwards
        bool notice;          // "文件格式不符合程序规定…"
    } cases[] = {
        // The dialog appends its default extension: a plain name is a .cyb name.
        // Whatever report was current, the design takes the one of its name.
        {"abc", "abc.cyb", "abc.cyt", false},
        // Another extension: cut at the first '.', the notice, a new report name.
        {"abc.txt", "abc.cyb", "abc.cyt", true},
        {"abc.cyb", "abc.cyb", "abc.cyt", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        freshDesign();
        setExampleDesign();
        std::filesystem::remove(data("abc.cyb"));
        currentDesign().reportPath = data("old.cyt").string();
        fwtest::Session s;
        s.answerSave(data(c.answer));
        if (c.notice) s.expectMessage("文件格式不符合程序规定，将以" + data(c.written).string() + "文件名保存数据。");
        CCyGeomProSheet sheet(kCaption, nullptr);
        ASSERT_TRUE(sheet.doSave());
        EXPECT_EQ(bytesOf(data(c.written)).size(), 776u);
        EXPECT_EQ(sheet.m_strReportPath, data(c.report).string());
        EXPECT_EQ(currentDesign().dataPath, data(c.written).string());
        EXPECT_TRUE(s.allUsed());
    }
}

TEST_F(GeomSheet, FailedOrCancelledSaveReportsFailure) {
    setExampleDesign();
    fwtest::Session s;
    s.cancelFile();
    CCyGeomProSheet sheet(kCaption, nullptr);
    EXPECT_FALSE(sheet.doSave());
    // The first dialog starts in the data folder with the pattern; the pattern is not kept.
    ASSERT_EQ(s.files().size(), 1u);
    EXPECT_EQ(s.files()[0].request.initialName, "*.cyb");
    EXPECT_EQ(s.files()[0].request.folder, home / "data");
    EXPECT_EQ(currentDesign().dataPath, "");

    // A design without teeth or module is not saved: its loader would refuse
    // it. The user learns which field, before any file dialog.
    freshDesign();
    s.answerMessage(fw::IDOK);
    EXPECT_FALSE(sheet.doSave());
    EXPECT_EQ(s.messages().at(0).text, "齿数 Z1：请输入 1 到 100000 之间的整数。");
    EXPECT_EQ(s.files().size(), 1u) << "no file dialog for a design that cannot be saved";

    setExampleDesign();
    s.answerSave(home / "missing" / "x.cyb");
    s.answerMessage(fw::IDOK);
    EXPECT_FALSE(sheet.doSave());
    EXPECT_TRUE(s.messages().at(1).text.starts_with("不能打开文件")) << s.messages().at(1).text;
    EXPECT_EQ(currentDesign().dataPath, "") << "a failed write changes no path";
    EXPECT_EQ(sheet.m_strReportPath, "");

    // A value that is not finite never reaches a file.
    currentDesign().geom.a = currentDesign().geom.ad = currentDesign().geom.b = std::numeric_limits<double>::infinity();
    s.answerMessage(fw::IDOK);
    EXPECT_FALSE(sheet.doSave());
    EXPECT_EQ(s.messages().at(2).text, "标准齿轮中心距 ad：请输入 0.000001 到 10000000 之间的数值。");
    EXPECT_FALSE(std::filesystem::exists(data("inf.cyb")));
}

// The sheet saves only what page 1 accepts as a pair; what it refuses is
// never written (the old file stays) and the user is told the real cause.
TEST_F(GeomSheet, PairsPageOneRefusesAreNotSaved) {
    struct Case {
        const char* name;
        void (*spoil)(CyGeomRecord&);
        const char* message;
    } cases[] = {
        {"Z 20/10", [](CyGeomRecord& g) { g.z2 = 10; }, kMsgGeomTeethOrder},
        {"Z1 1000000", [](CyGeomRecord& g) { g.z1 = 1000000; }, "齿数 Z1：请输入 1 到 100000 之间的整数。"},
        {"internal 20/20", [](CyGeomRecord& g) { g.z2 = 20, g.meshType = 1; }, kMsgGeomInternalTeeth},
        {"a = 0 with ad 60", [](CyGeomRecord& g) { g.a = 0; }, "设计给定中心距 а：请输入 0.000001 到 10000000 之间的数值。"},
        // a = 1e308 (the save once said "Z1为小齿轮齿数…"): beyond its range.
        {"a = 1e308", [](CyGeomRecord& g) { g.a = 1e308, g.alphaWtDeg = 90; },
         "设计给定中心距 а：请输入 0.000001 到 10000000 之间的数值。"},
        {"αwt 90°", [](CyGeomRecord& g) { g.alphaWtDeg = 90; }, kMsgCentreDistanceTooLarge},
    };
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setExampleDesign();
        c.spoil(currentDesign().geom);
        ASSERT_TRUE(fw::writeFile(data("kept.cyb"), old));
        fwtest::Session s;
        s.expectMessage(c.message);
        CCyGeomProSheet sheet(kCaption, nullptr);
        EXPECT_FALSE(sheet.doSave());
        EXPECT_EQ(bytesOf(data("kept.cyb")), old);
        EXPECT_TRUE(s.allUsed());
    }
}

// One design, one report: a design loaded from a.v1.cyb whose page reports
// went to a.v1.cyt and that is saved as b.v2.cyb takes b.v2.cyt, with the
// sections written so far; a.v1.cyt stays as it was.
TEST_F(GeomSheet, SaveAsMovesTheReportWithTheDesign) {
    auto a = writePre("a.v1.cyb");
    ASSERT_TRUE(fw::writeFile(data("a.v1.cyt"), std::vector<std::uint8_t>{'p', 'r', 'e', '\r', '\n'}));
    fwtest::Session s;
    s.answerOpen(a);
    for (int k = 0; k < 2; ++k) s.answerMessage(fw::IDOK);  // the two "计算记录已以…" notices
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        ASSERT_TRUE(d.page(1));
        d.click(P2::kIds.report);
        ASSERT_TRUE(d.page(2));
        d.click(P3::kIds.report);
        d.click(fw::IDOK);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    ASSERT_EQ(sheet.DoModal(), fw::IDOK);
    const auto aAfterPages = bytesOf(data("a.v1.cyt"));
    ASSERT_GT(aAfterPages.size(), 5u) << "the pages wrote to the loaded design's report";
    s.answerSave(data("b.v2.cyb"));
    ASSERT_TRUE(sheet.doSave());
    EXPECT_EQ(sheet.m_strReportPath, data("b.v2.cyt").string());
    EXPECT_EQ(currentDesign().reportPath, data("b.v2.cyt").string());
    EXPECT_EQ(bytesOf(data("a.v1.cyt")), aAfterPages) << "the old report is left as it was";
    // b's report holds exactly the sections of this run, in their order.
    const auto b = bytesOf(data("b.v2.cyt"));
    EXPECT_EQ(std::vector<std::uint8_t>(aAfterPages.begin() + 5, aAfterPages.end()), b);
    const std::string text = fw::utf8FromGbk(std::string(b.begin(), b.end()));
    EXPECT_NE(text.find("小齿轮Z1几何计算报告"), std::string::npos);
    EXPECT_NE(text.find("大齿轮Z2几何计算报告"), std::string::npos);
    // Saved again under the same name: nothing is carried twice.
    s.answerSave(data("b.v2.cyb"));
    ASSERT_TRUE(sheet.doSave());
    EXPECT_EQ(bytesOf(data("b.v2.cyt")), b);
}

TEST_F(GeomSheet, CancelThenSaveTakesPageOnesEntries) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        d.type(P1::IDC_XN1, "0.4");
        d.leave();
        d.click(fw::IDCANCEL);  // page 1 is never left
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    ASSERT_EQ(sheet.DoModal(), fw::IDCANCEL);
    s.answerSave(data("kept.cyb"));
    ASSERT_TRUE(sheet.doSave());
    auto loaded = loadGeometryDesign(bytesOf(data("kept.cyb")));
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_DOUBLE_EQ(loaded->geom.xn1, 0.4);
    EXPECT_DOUBLE_EQ(loaded->geom.xn2, -0.4);
    EXPECT_EQ(loaded->geom.z1, 20);
    EXPECT_EQ(loaded->geom.title, "减速器");
}

// The chain: a preliminary design file as the preliminary step writes it,
// the sheet loads, distributes and saves it, and the rating side reads both
// records back unchanged.
TEST_F(GeomSheet, ChainFromPreliminaryDesignToTheRatingSide) {
    CyPreRecord first = examplePre();
    first.betaDeg = 12;
    first.ms = 2 / std::cos(12 * fw::kPi / 180);
    first.a = 62;
    auto pre = writePre("chain.cyb", first);
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        d.type(P1::IDC_A, "62");
        d.leave();
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_CALC);
        d.click(fw::IDOK);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    ASSERT_EQ(sheet.DoModal(), fw::IDOK);
    s.answerSave(data("chain.cyb"));
    ASSERT_TRUE(sheet.doSave());
    auto loaded = loadGeometryDesign(bytesOf(data("chain.cyb")));
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(writeCyPreRecord(loaded->pre), writeCyPreRecord(first)) << "the preliminary record passes through";
    EXPECT_EQ(loaded->geom, currentDesign().geom);
    EXPECT_EQ(loaded->geom.betaDeg, 12);
    EXPECT_DOUBLE_EQ(loaded->geom.a, 62);
    EXPECT_GT(loaded->geom.sumX, 0) << "a > ad: positive total shift";
    EXPECT_GT(loaded->geom.epsBeta, 0) << "helical pair";
    EXPECT_EQ(sheet.m_strReportPath, data("chain.cyt").string());
}

// ---- pages 2 to 4 ----

TEST_F(GeomSheet, GearPagesMirrorTheRecord) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        d.type(P1::IDC_XN1, "0");
        d.leave();
        ASSERT_TRUE(d.page(1));
        EXPECT_EQ(d.text(P2::kIds.title), "减速器--小齿轮");
        EXPECT_EQ(d.text(P2::kIds.number), "JS-100-1");
        EXPECT_EQ(d.text(P2::kIds.meshLabel), "外  啮  合");
        EXPECT_TRUE(d.readOnly(P2::kIds.z));
        d.selectText(P2::kIds.hand, "左");
        d.click(P2::kIds.calc);
        // Pinion of the example with x = 0 (hand calculation).
        std::string listing = d.text(P2::kIds.listing);
        for (const char* line : {"分度圆直径： d1=Mt×Z1 =            40.000mm\n", "齿顶高：  ha1=(ha*-χn2+yn)Mn=      2.000mm\n",
                                 "齿根高：  hf1=(han*+Cn*-χn1)Mn=    2.500mm\n", "齿顶圆直径: da1=d1+2ha1=            44.000mm\n",
                                 "齿根圆直径: df1=d1-2hf1=            35.000mm\n", "基圆直径：  db1=d1×cosαt=         37.588mm\n",
                                 "齿顶圆压力角:αat1=arc cos(db1/da1)=31.3213°\n"})
            EXPECT_NE(listing.find(line), std::string::npos) << line << "in\n" << listing;
        ASSERT_TRUE(d.page(2));
        EXPECT_EQ(d.dialog().combo(P3::kIds.hand).text(), "右") << "the gear of a left-hand pinion is right-hand";
        EXPECT_EQ(d.text(P3::kIds.title), "减速器--大齿轮");
        EXPECT_EQ(d.text(P3::kIds.number), "JS-100-2");
        // x = 0: Z′ = Z, k′ = 2.7222 gives k1 = 3 and W1 = 15.3209 mm.
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_CALC);
        std::string characteristic = d.text(P4::IDC_LISTING);
        EXPECT_NE(characteristic.find("跨测齿数:  k1=                      3\n"), std::string::npos) << characteristic;
        EXPECT_NE(characteristic.find("公法线长度:W1=W1*+ΔW1=       15.3209mm\n"), std::string::npos) << characteristic;
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_EQ(currentDesign().geom.hand, kHandLeft);
}

TEST_F(GeomSheet, InternalPairLocksBothHandLists) {
    CyPreRecord r = examplePre();
    r.meshType = kMeshInternal;
    r.a = 20;
    auto pre = writePre("ring.cyb", r);
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        EXPECT_FALSE(d.enabled(P1::IDC_EXTERNAL));
        ASSERT_TRUE(d.page(1));
        EXPECT_FALSE(d.enabled(P2::kIds.hand));
        EXPECT_EQ(d.selection(P2::kIds.hand), kHandSpur) << "an internal pair is spur: no hand in its reports";
        EXPECT_EQ(currentDesign().geom.hand, kHandSpur);
        EXPECT_EQ(d.text(P2::kIds.meshLabel), "内  啮  合");
        ASSERT_TRUE(d.page(2));
        EXPECT_FALSE(d.enabled(P3::kIds.hand));
        EXPECT_EQ(d.text(P3::kIds.title), "减速器--内齿轮");
        d.click(P3::kIds.calc);
        // Internal gear: da2 = d2 − 2·ha2 < d2 = 80, df2 = d2 + 2·hf2 > d2.
        std::string listing = d.text(P3::kIds.listing);
        EXPECT_NE(listing.find("齿顶圆直径: da2=d2-2ha2="), std::string::npos) << listing;
        EXPECT_NE(listing.find("齿根圆直径: df2=d2+2hf2)="), std::string::npos) << listing;
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
}

TEST_F(GeomSheet, MirrorFieldsNeverBlockLeavingAPage) {
    // Valid on page 1, outside the ranges the gear pages once checked.
    CyPreRecord r = examplePre();
    r.z1 = 101, r.z2 = 210, r.betaDeg = 10;
    r.ms = 2 / std::cos(10 * fw::kPi / 180);
    r.a = 0;
    auto pre = writePre("big.cyb", r);
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        d.type(P1::IDC_BETA_DEG, "-10");  // a hand of helix, in page 1's range −60..60
        d.click(P1::IDC_DISTRIBUTE);
        EXPECT_TRUE(d.page(1));
        EXPECT_EQ(d.text(P2::kIds.z), "101");
        EXPECT_EQ(d.text(P2::kIds.betaDeg), "-10");
        EXPECT_TRUE(d.page(2));
        EXPECT_TRUE(d.page(3));
        EXPECT_TRUE(d.page(1));
        d.click(fw::IDOK);
        EXPECT_TRUE(d.ended());
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    EXPECT_EQ(sheet.DoModal(), fw::IDOK);
}

TEST_F(GeomSheet, FaceWidthAndContactRatios) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.answerMessage(fw::IDOK);  // report written
    s.answerMessage(fw::IDOK);
    s.onSheet([&](fwtest::Running& d) {
        loadAndDistribute(d);
        ASSERT_TRUE(d.page(3));
        EXPECT_EQ(d.text(P4::IDC_B), "32");
        EXPECT_EQ(d.text(P4::IDC_HINT), "提示：");
        d.type(P4::IDC_B, "24");
        EXPECT_EQ(d.text(P4::IDC_HINT), "提示： 减少齿宽将影响齿轮设计能力!");
        d.leave();
        EXPECT_EQ(d.text(P4::IDC_HINT), "提示： 减少齿宽将影响齿轮设计能力!") << "leaving the field keeps the hint";
        EXPECT_DOUBLE_EQ(currentDesign().geom.b, 24);
        EXPECT_DOUBLE_EQ(currentDesign().geom.psiD, 24.0 / 40) << "ψd = b/d1";
        // The report leaves the record alone; only "计 算" stores εα and εβ.
        d.click(P4::IDC_REPORT);
        auto once = bytesOf(data("pair.cyt"));
        d.click(P4::IDC_REPORT);
        auto twice = bytesOf(data("pair.cyt"));
        ASSERT_FALSE(once.empty());
        EXPECT_EQ(twice.size(), 2 * once.size());
        EXPECT_EQ(currentDesign().geom.epsAlpha, 0);
        d.click(P4::IDC_CALC);
        EXPECT_GT(currentDesign().geom.epsAlpha, 1.5);
        EXPECT_EQ(currentDesign().geom.epsBeta, 0) << "spur pair";
        // x = 0.25 on the pinion: the listing's span count of the example.
        EXPECT_NE(d.text(P4::IDC_LISTING).find("跨测齿数:  k1="), std::string::npos);
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_EQ(s.messages().at(0).text, "计算记录已以\n" + data("pair.cyt").string() + "\n文件名输出报告！");
}

// εα and εβ computed on page 4 belong to the pair they were computed from.
// Hand values (spur, Z 20/40, mn 2, class 2): at a 60, αwt 20°, xn1 0.25,
// xn2 −0.25: εα 1.598836; after a 61 on page 1, αwt 22.438791°,
// Σx = 60·(inv αwt − inv 20°)/(2·tan 20°), xn1 = 0.25·Σx + 0.25: εα 1.476514.
TEST_F(GeomSheet, ContactRatiosOfAnEarlierPairAreNotSaved) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_CALC);
        EXPECT_NEAR(currentDesign().geom.epsAlpha, 1.598836, 1e-6);
        ASSERT_TRUE(d.page(0));
        d.type(P1::IDC_A, "61");
        d.leave();
        ASSERT_TRUE(d.page(3));
        EXPECT_EQ(d.text(P4::IDC_LISTING), kCharacteristicIntro) << "the listing of the old pair is gone";
        d.click(fw::IDOK);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    ASSERT_EQ(sheet.DoModal(), fw::IDOK);
    s.answerSave(data("design.cyb"));
    ASSERT_TRUE(sheet.doSave());
    auto file = bytesOf(data("design.cyb"));
    auto saved = loadGeometryDesign(file);
    ASSERT_TRUE(saved);
    EXPECT_NEAR(saved->geom.epsAlpha, 1.476514, 1e-6) << "saved with the pair's own contact ratio";
    EXPECT_EQ(saved->geom.epsBeta, 0);
}

TEST_F(GeomSheet, UndefinedSpanCountShowsADash) {
    auto pre = writePre("pair.cyb");
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        loadAndDistribute(d);
        // (1 + 2x/Z′)² < cos²αn for x = −0.7 on Z1 = 20: no span measurement.
        d.type(P1::IDC_XN1, "-0.7");
        d.leave();
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_CALC);
        std::string listing = d.text(P4::IDC_LISTING);
        EXPECT_NE(listing.find("跨测齿数:  k1=                      —\n"), std::string::npos) << listing;
        EXPECT_EQ(listing.find("nan"), std::string::npos) << listing;
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
}

// ---- reports of a whole run ----

TEST_F(GeomSheet, ReportSectionsOfAWholeRunMatchTheGoldenFile) {
    auto pre = writePre("pair.cyb");
    auto report = data("pair.cyt");
    fwtest::Session s;
    s.answerOpen(pre);
    s.answerSave(report);  // page 1's report dialog
    for (int i = 0; i < 4; ++i) s.answerMessage(fw::IDOK);
    s.onSheet([&](fwtest::Running& d) {
        loadAndDistribute(d);
        d.click(P1::IDC_REPORT);
        ASSERT_TRUE(d.page(1));
        d.click(P2::kIds.report);
        ASSERT_TRUE(d.page(2));
        d.click(P3::kIds.report);
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_REPORT);
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_TRUE(s.allUsed());
    // The golden file holds this external run first (then an internal one).
    auto golden = bytesOf(std::filesystem::path(KAVRIN_SOURCE_DIR) /
                          "cylindrical/tests/fixtures/geometry_sheet_report.cyt");
    auto written = bytesOf(report);
    ASSERT_FALSE(written.empty());
    ASSERT_LE(written.size(), golden.size());
    EXPECT_TRUE(std::equal(written.begin(), written.end(), golden.begin())) << "compare " << report;
    std::string rest(golden.begin() + static_cast<long>(written.size()), golden.end());
    EXPECT_TRUE(rest.starts_with(fw::gbkFromUtf8("\r\n\t***********************内啮合圆柱齿轮对")))
        << "the external run is the whole first part of the golden file";

    // The internal run on the same report: Z2 = 34, internal, a = 15, spur;
    // the pinion hobbed, the internal gear shaped with cutter 2; then the
    // whole file is the golden one.
    // ψd as the preliminary design of the first run gave it; the hand comes
    // with the design too (the pinion page of an internal pair keeps it).
    freshDesign();
    design().geom.psiD = 0.8;
    design().geom.hand = kHandSpur;
    fwtest::Session s2;
    s2.onDialog(CCygeomCutDlg::IDD, [](fwtest::Running& d) {
        d.click(CCygeomCutDlg::IDC_PINION_HOBBED);
        d.type(CCygeomCutDlg::IDC_Z02, "17");
        d.leave();
        d.type(CCygeomCutDlg::IDC_X02, "0");
        d.leave();
        d.type(CCygeomCutDlg::IDC_HA02, "1.25");
        d.leave();
        d.click(fw::IDOK);
    });
    s2.onDialog(CCyGeomCheckDlg::IDD, [](fwtest::Running& d) { d.click(fw::IDOK); });
    s2.answerSave(report);
    for (int i = 0; i < 4; ++i) s2.answerMessage(fw::IDOK);
    s2.onSheet([&](fwtest::Running& d) {
        const std::pair<int, const char*> entries[] = {{P1::IDC_TITLE, "减速器"}, {P1::IDC_NUMBER, "JS-100"},
                                                       {P1::IDC_DATE, "2024年5月6日"}, {P1::IDC_Z1, "20"},
                                                       {P1::IDC_Z2, "34"}, {P1::IDC_MN, "2"}};
        for (const auto& [id, text] : entries) {
            d.type(id, text);
            d.leave();
        }
        ASSERT_TRUE(d.click(P1::IDC_INTERNAL));
        d.type(P1::IDC_A, "15");
        d.leave();
        ASSERT_TRUE(d.click(P1::IDC_CHECK));
        d.click(P1::IDC_REPORT);
        ASSERT_TRUE(d.page(1));
        d.click(P2::kIds.report);
        ASSERT_TRUE(d.page(2));
        d.click(P3::kIds.report);
        ASSERT_TRUE(d.page(3));
        d.click(P4::IDC_REPORT);
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet internal(kCaption, nullptr);
    internal.DoModal();
    EXPECT_TRUE(s2.allUsed());
    auto whole = bytesOf(report);
    EXPECT_EQ(std::string(whole.begin(), whole.end()), std::string(golden.begin(), golden.end()))
        << "compare " << report << " with the whole golden file";
}


// Page 1's number fields and page 4's face width take exactly what their
// quantities' ranges take (the geometry record's table): at 1e300, −1e300,
// ±1e-300 and at each bound and one step beside it, a value outside is
// refused on leaving the field, naming it with the range's words.
TEST_F(GeomSheet, NumberFieldsRefuseExactlyWhatTheRecordsRangeRefuses) {
    auto pre = writePre("pair.cyb");
    struct Field {
        int page;
        int id;
        const kavrin::Quantity* q;
    } fields[] = {
        {0, P1::IDC_MN, &geom_q::kMn}, {0, P1::IDC_A, &geom_q::kA},   {0, P1::IDC_XN1, &geom_q::kXn1},
        {0, P1::IDC_XN2, &geom_q::kXn2}, {3, CCyGeomProPage4::IDC_B, &geom_q::kB},
    };
    for (const Field& f : fields) {
        const std::vector<double> probes = kavrin_test::numberProbes(*f.q);
        for (double v : probes) {
            const std::string typed = fw::formatNumber(v);
            SCOPED_TRACE(std::to_string(f.id) + " = " + typed);
            fwtest::Session s;
            s.answerOpen(pre);
            s.tolerate([](fwtest::Running& d) { d.end(fw::IDCANCEL); });
            s.onSheet([&](fwtest::Running& d) {
                loadAndDistribute(d);
                if (f.page != 0) { ASSERT_TRUE(d.page(f.page)); }
                d.type(f.id, typed);
                d.leave();
                d.end(fw::IDCANCEL);
            });
            CCyGeomProSheet sheet(kCaption, nullptr);
            sheet.DoModal();
            int refusals = 0;
            for (const auto& m : s.messages())
                if (m.text.ends_with(fw::numberBoundsText(f.q->bounds))) ++refusals;
            EXPECT_EQ(refusals > 0, !f.q->admits(v));
        }
    }
}

}  // namespace
