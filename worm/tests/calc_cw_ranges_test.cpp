// The one range of each stored quantity (cw_ranges.h) against the loaders
// and the saves: every numeric slot of both records, set to the absurd
// values and to each bound and a step beside it, is refused by the load
// exactly when its range refuses it (naming the field), and the save
// refuses the same record and writes nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/tests/range_probes.h"
#include "fuzz/report_text_check.h"
#include "fw/file.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_ranges.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/worm_geometry.h"
#include "worm/calc/worm_preliminary.h"
#include "worm/tests/cw_test_designs.h"

namespace fs = std::filesystem;
using namespace worm;
using kavrin::Quantity;
namespace q = worm::ranges;
namespace g = worm::ranges::geom;

namespace {

constexpr std::int64_t kTime = 1765324800;

std::vector<std::uint8_t> fixture(const char* name) { return worm::test::fixtureBytes(name); }

using worm::test::Design;

// One design of each family as its geometry step computes it, the ZI
// example among them.
std::vector<Design> designs() {
    std::vector<Design> d = worm::test::familyDesigns();
    auto zi = loadForRating(fixture("cw_example_zi.cwb"));
    if (zi && zi->geom) d.push_back({"ZI", zi->pre, *zi->geom});
    return d;
}

// The rules between values (not ranges): a value its range takes may still
// break one of them.
bool relationRule(const RecordFault& f) {
    return f.rule.rfind("应等于", 0) == 0 || f.rule == "与预定计算不符" || f.rule == "应大于喉圆直径da2";
}

template <class R>
struct Slot {
    const Quantity* qty;
    std::function<void(R&, double)> set;
    bool count = false;
};
template <class R>
Slot<R> number(const Quantity& qty, double R::*m) {
    return {&qty, [m](R& r, double v) { r.*m = v; }};
}
template <class R>
Slot<R> count(const Quantity& qty, std::int32_t R::*m) {
    return {&qty, [m](R& r, double v) { r.*m = static_cast<std::int32_t>(v); }, true};
}

std::vector<double> probes(const Quantity& qty, bool isCount) {
    return isCount ? kavrin_test::countProbes(qty) : kavrin_test::numberProbes(qty);
}

std::vector<Slot<CwPreRecord>> preSlots() {
    using P = CwPreRecord;
    return {number(q::kN1, &P::n1),       number(q::kN2, &P::n2),         number(q::kU, &P::u),
            number(q::kP, &P::p),         number(q::kT, &P::t),           number(q::kSigmaHlim, &P::sigmaHlim),
            number(q::kZe, &P::ze),       number(q::kSigmaFlim, &P::sigmaFlim), number(q::kD1a, &P::d1a),
            number(q::kKa, &P::ka),       number(q::kZrho, &P::zrho),     count(q::kZ1, &P::z1),
            count(q::kZ2, &P::z2),        number(q::kM, &P::m),           number(q::kMCalc, &P::mCalc),
            number(q::kQ, &P::q),         number(q::kD1Calc, &P::d1Calc), number(q::kD1, &P::d1),
            number(q::kA, &P::a),         number(q::kD2, &P::d2),         number(q::kGamma, &P::gamma)};
}

// The slots a family's geometry record stores (and its loader reads).
std::vector<Slot<CwGeomRecord>> geomSlots(const CwGeomRecord& rec) {
    using G = CwGeomRecord;
    std::vector<Slot<G>> s{
        count(g::kZ1, &G::z1),         count(g::kZ2, &G::z2),       number(g::kQ, &G::q),
        number(g::kD1, &G::d1),        number(g::kA, &G::a),        number(g::kD2, &G::d2),
        number(g::kGamma, &G::gamma),  number(g::kAlphaN, &G::alphaN), number(g::kAlphaX, &G::alphaX),
        number(g::kAw, &G::aw),        number(g::kB1, &G::b1),      number(g::kB2, &G::b2),
        number(g::kDa1, &G::da1),      number(g::kDa2, &G::da2),    number(g::kDe2, &G::de2),
        number(g::kDf1, &G::df1),      number(g::kDf2, &G::df2),    number(g::kDm2, &G::dm2),
        number(g::kD1w, &G::d1w),      number(g::kEpsA, &G::epsA),  number(g::kGammaW, &G::gammaW),
        number(g::kH1, &G::h1),        number(g::kH2, &G::h2),      number(g::kHa1, &G::ha1),
        number(g::kHa2, &G::ha2),      number(g::kHf1, &G::hf1),    number(g::kHf2, &G::hf2),
        number(g::kMn1, &G::mn1),      number(g::kMn2, &G::mn2),    number(g::kMs, &G::ms),
        number(g::kMx, &G::mx),        number(g::kPx1, &G::px1),    number(g::kPz1, &G::pz1),
        number(g::kRg, &G::rg),        number(g::kTheta, &G::theta), number(g::kSn, &G::sn),
        number(g::kX2, &G::x2)};
    auto add = [&](std::initializer_list<Slot<G>> more) { s.insert(s.end(), more); };
    switch (rec.status) {
    case kGeomStatusOrdinary:
        add({number(g::kBetaM2, &G::betaM2), number(g::kHaStar, &G::haStar), number(g::kHcn1, &G::hcn1),
             number(g::kRhoF, &G::rho)});
        if (rec.type == WormType::ZL)
            add({number(g::kDb, &G::db), number(g::kGammaB, &G::gammaB), number(g::kPbn, &G::pbn)});
        break;
    case kGeomStatusZc1:
        add({number(g::kRhoN, &G::rho), count(g::kDs, &G::ds), number(g::kAu, &G::au),
             number(g::kRhoDisc, &G::rhoDisc), number(g::kSx, &G::sx), number(g::kDh, &G::dh),
             number(g::kL1, &G::arcAxial), number(g::kL2, &G::arcRadial), number(g::kL3, &G::l3)});
        break;
    case kGeomStatusZc3:
        add({number(g::kBetaM2, &G::betaM2), number(g::kHaStar, &G::haStar), number(g::kRhoArc, &G::rho),
             number(g::kSx, &G::sx), number(g::kCx, &G::arcAxial), number(g::kCy, &G::arcRadial)});
        break;
    }
    return s;
}

class CwRanges : public ::testing::Test {
protected:
    void SetUp() override {
        const char* root = std::getenv("KAVRIN_TEST_TMP");
        m_dir = fs::path(root ? root : fs::temp_directory_path().string()) /
                (std::string("cw-ranges-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

// Every slot of the preliminary record: the range refuses it, so does the
// record check (naming the field), every loader and the save; the range
// takes it, so does the check, but for a rule between values.
TEST_F(CwRanges, PreliminarySlotsAreRefusedExactlyOutsideTheirRange) {
    const fs::path data = m_dir / "gear.cwb", report = m_dir / "gear.cwt";
    const CwPreRecord base = designs()[0].pre;
    ASSERT_FALSE(checkPreRecord(base));
    int refused = 0, taken = 0;
    for (const auto& slot : preSlots())
        for (double v : probes(*slot.qty, slot.count)) {
            SCOPED_TRACE(std::string(slot.qty->name) + " = " + std::to_string(v));
            CwPreRecord r = base;
            slot.set(r, v);
            const auto fault = checkPreRecord(r);
            const auto file = preliminaryFileBytes(r, kTime);
            if (!slot.qty->admits(v)) {
                ++refused;
                ASSERT_TRUE(fault);
                EXPECT_EQ(fault->field, slot.qty->name);
                EXPECT_FALSE(relationRule(*fault)) << fault->text();
                EXPECT_EQ(loadForPreliminary(file).error().text, loadRefusal(kMsgNoCalcOrGeomFull, *fault));
                for (Family f : {Family::Ordinary, Family::Zc1, Family::Zc3}) EXPECT_FALSE(loadForGeometry(file, f));
                auto saved = savePreliminaryFiles(data, r, report, "x\n", kTime);
                ASSERT_FALSE(saved);
                EXPECT_EQ(saved.error().message(), saveRefusal(*fault));
                EXPECT_NE(saved.error().message().find(slot.qty->name), std::string::npos);
                EXPECT_FALSE(fs::exists(data));
                EXPECT_FALSE(fs::exists(report));
            } else if (fault) {
                EXPECT_TRUE(relationRule(*fault)) << fault->text();
                EXPECT_FALSE(loadForPreliminary(file));
            } else {
                ++taken;
                EXPECT_TRUE(loadForPreliminary(file));
            }
        }
    EXPECT_GT(refused, 100);
    EXPECT_GT(taken, 10);
}

// Every slot of each family's geometry record, through the rating's load
// (the loader that reads it) and the geometry save.
TEST_F(CwRanges, GeometrySlotsAreRefusedExactlyOutsideTheirRange) {
    const fs::path data = m_dir / "gear.cwb", report = m_dir / "gear.cwt";
    for (const Design& d : designs()) {
        SCOPED_TRACE(d.name);
        ASSERT_FALSE(checkDesign(d.pre, d.geom));
        for (const auto& slot : geomSlots(d.geom))
            for (double v : probes(*slot.qty, slot.count)) {
                SCOPED_TRACE(std::string(slot.qty->name) + " = " + std::to_string(v));
                CwGeomRecord r = d.geom;
                slot.set(r, v);
                const auto fault = checkGeomRecord(r);
                const auto file = geometryFileBytes(d.pre, r, kTime);
                if (!slot.qty->admits(v)) {
                    ASSERT_TRUE(fault);
                    EXPECT_EQ(fault->field, slot.qty->name);
                    EXPECT_FALSE(relationRule(*fault)) << fault->text();
                    EXPECT_EQ(loadForRating(file).error().text, loadRefusal(kMsgNoCalcOrGeomHalf, *fault));
                    auto saved = saveGeometryFiles(data, d.pre, r, report, "x\n", kTime);
                    ASSERT_FALSE(saved);
                    EXPECT_EQ(saved.error().message(), saveRefusal(*fault));
                    EXPECT_FALSE(fs::exists(data));
                    EXPECT_FALSE(fs::exists(report));
                } else {
                    const auto design = checkDesign(d.pre, r);
                    if (design) {
                        EXPECT_TRUE(relationRule(*design)) << design->text();
                    }
                    EXPECT_EQ(loadForRating(file).has_value(), !design);
                }
            }
    }
}

// A refused value's message names the field and its range in the words of
// the worm checks; the old rules' texts stay as they were.
TEST(CwRangesText, RefusalsNameTheFieldAndItsRange) {
    const struct {
        const Quantity& qty;
        double v;
        const char* text;
    } cases[] = {
        {q::kN1, 1e300, "输入转速 n1应在0.000001～1000000r/min之间"},
        {q::kN1, 1e-300, "输入转速 n1应在0.000001～1000000r/min之间"},
        {q::kN1, 0, "输入转速 n1应为正值"},
        {q::kU, 4.9, "传动比 u应在5～70之间"},
        {q::kM, 1e300, "标准模数 m应在1～40mm之间"},
        {q::kD1, 17, "标准分度圆直径 d1应在18～400mm之间"},
        {q::kGamma, 90, "导程角 γ应在0°～90°之间"},
    };
    const CwPreRecord base = designs()[0].pre;
    for (const auto& c : cases) {
        CwPreRecord r = base;
        for (const auto& slot : preSlots())
            if (slot.qty == &c.qty) slot.set(r, c.v);
        const auto fault = checkPreRecord(r);
        ASSERT_TRUE(fault) << c.text;
        EXPECT_EQ(fault->text(), c.text);
    }
    const CwGeomRecord geom = designs()[0].geom;
    const struct {
        double CwGeomRecord::*m;
        double v;
        const char* text;
    } geomCases[] = {
        {&CwGeomRecord::theta, 0, "齿宽角 θ应在0°～180°之间"},
        {&CwGeomRecord::theta, 1e308, "齿宽角 θ应在0°～180°之间"},
        {&CwGeomRecord::b2, 0, "蜗轮齿宽 b2应为正值"},
        {&CwGeomRecord::b2, 1e-300, "蜗轮齿宽 b2应在0.000001～10000000mm之间"},
        {&CwGeomRecord::x2, -1e300, "蜗轮变位系数 χ2应在-5～5之间"},
        {&CwGeomRecord::gammaW, 90, "蜗杆节圆柱导程角 γ'应在0°～90°之间"},
    };
    for (const auto& c : geomCases) {
        CwGeomRecord r = geom;
        r.*c.m = c.v;
        const auto fault = checkGeomRecord(r);
        ASSERT_TRUE(fault) << c.text;
        EXPECT_EQ(fault->text(), c.text);
    }
}

// A calculation whose result the check refuses says so in the words every
// calculator uses for a value outside its quantity's range (not a number,
// not positive, beyond an end alike); a rule between fields keeps its own
// text, and a save or a load names the rule as before.
TEST(CwRangesText, ARefusedResultIsWordedAsEveryCalculatorWordsIt) {
    const CwGeomRecord geom = designs()[0].geom;
    const struct {
        double CwGeomRecord::*m;
        double v;
        std::string result;
    } cases[] = {
        {&CwGeomRecord::b2, 0, "计算结果未被采用：蜗轮齿宽 b2 应在 0.000001 到 10000000 mm 之间。请检查输入数据！"},
        {&CwGeomRecord::b2, std::nan(""), kavrin::resultNotTaken(g::kB2)},
        {&CwGeomRecord::x2, 6, "计算结果未被采用：蜗轮变位系数 χ2 应在 -5 到 5 之间。请检查输入数据！"},
        {&CwGeomRecord::de2, geom.da2 - 1, "计算结果无效：外圆直径 de2应大于喉圆直径da2！"},
    };
    for (const auto& c : cases) {
        CwGeomRecord r = geom;
        r.*c.m = c.v;
        const auto fault = checkGeomRecord(r);
        ASSERT_TRUE(fault) << c.result;
        EXPECT_EQ(resultRefusal(*fault), c.result);
        EXPECT_EQ(saveRefusal(*fault), fault->text() + "，数据未保存！");
    }
}

// The saved files of the test suite and the worked examples load and keep
// their values: the ranges refuse no real design.
TEST(CwRangesText, EveryFixtureStillLoads) {
    for (const char* name : {"cw_chain.cwb", "cw_pre.cwb", "cw_zc.cwb", "cw_example_za.cwb", "cw_example_zi.cwb"})
        EXPECT_TRUE(loadForPreliminary(fixture(name))) << name;
    auto loaded = loadForRating(fixture("cw_chain_geom.cwb"));
    EXPECT_TRUE(loaded) << (loaded ? "" : loaded.error().text);
    EXPECT_TRUE(loadForGeometry(fixture("cw_chain.cwb"), Family::Ordinary));
    EXPECT_TRUE(loadForGeometry(fixture("cw_zc.cwb"), Family::Zc1));
    EXPECT_TRUE(loadForGeometry(fixture("cw_zc.cwb"), Family::Zc3));
}

// The preliminary calculation keeps no result outside its range: inputs
// at the ends of their ranges give no centre distance that would print a
// number of 16 or more digits; the previous results stay with the dialog.
TEST(CwRangesCalc, TheCentreDistanceKeepsOnlyResultsInRange) {
    PreliminaryInput in{.type = WormType::ZA, .n1 = 1450, .n2 = 72.5, .u = 20, .p = 7.5, .t = 987.8,
                        .sigmaHlim = 265, .sigmaFlim = 115, .ze = 147, .ka = 1, .zrho = 3.06, .d1a = 0.45,
                        .z1 = 2, .z2 = 40};
    ASSERT_TRUE(centreDistance(in));
    PreliminaryInput huge = in;
    huge.t = q::kT.upper(), huge.ka = q::kKa.upper(), huge.ze = q::kZe.upper(), huge.zrho = q::kZrho.upper(),
    huge.sigmaHlim = q::kSigmaHlim.lower(), huge.n2 = q::kN2.upper();
    EXPECT_FALSE(centreDistance(huge));   // a of about 10⁸ mm
    PreliminaryInput tiny = in;
    tiny.t = q::kT.lower(), tiny.ka = q::kKa.lower(), tiny.ze = q::kZe.lower(), tiny.zrho = q::kZrho.lower(),
    tiny.sigmaHlim = q::kSigmaHlim.upper(), tiny.n2 = q::kN2.lower(), tiny.z2 = 1000;
    if (auto c = centreDistance(tiny)) {
        const CwPreRecord r = preliminaryRecord(tiny, c->result, "", "", "");
        EXPECT_FALSE(kavrin_fuzz::unprintableInReport(preliminaryReport(r)));
    }
    // Derived inputs: a torque of 10¹² N·m from a power in range is refused.
    PreliminaryInput derived = in;
    derived.t = torqueFromPower(q::kP.upper(), q::kN2.lower());
    ASSERT_TRUE(unusableInput(derived));
    EXPECT_EQ(*unusableInput(derived), q::kT.name);
    EXPECT_FALSE(unusableInput(in));
}

}  // namespace
