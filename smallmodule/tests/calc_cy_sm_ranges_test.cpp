// One range per quantity of the small-module design record: every numeric
// slot the loader reads, at the absurd values and at each end of its range,
// is refused by the load exactly where its range (or its field's own rule)
// refuses it, naming the field, and the save refuses the same record in the
// same words without writing a byte. The found files are refused at load.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/tests/range_probes.h"
#include "common/calc/record_check.h"
#include "fuzz/report_text_check.h"
#include "fw/file.h"
#include "fw/format.h"
#include "smallmodule/calc/cy_sm_ranges.h"
#include "smallmodule/calc/cy_sm_record.h"
#include "smallmodule/calc/smcy_report.h"

using namespace smallmodule;
namespace q = smallmodule::sm_q;

namespace {

std::vector<std::uint8_t> fixture(const char* name) {
    auto bytes = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "smallmodule/tests/fixtures" / name);
    EXPECT_TRUE(bytes) << name;
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

CySmRecord loaded(const char* name) {
    auto r = loadCySmFile(fixture(name));
    EXPECT_TRUE(r) << name;
    return r ? *r : CySmRecord{};
}

constexpr std::size_t kHeader = 64;

// One numeric slot the loader reads: its offset in the record, whether it
// is an int32, its quantity (none for a fixed value of the basic rack or a
// list), how a value goes in, what the record check takes there, and the
// field's own message for the values its rule refuses before the range
// (empty: the range's words).
struct Slot {
    const char* name;
    std::size_t offset;
    bool integer;
    const kavrin::Quantity* q;
    std::function<void(CySmRecord&, double)> put;
    std::function<bool(const CySmRecord&, double)> admits = nullptr;   // default: q admits it
    std::function<std::string(double)> ownRule = [](double) { return std::string(); };
    // An in-range value a rule between slots refuses (a tip below the root,
    // as many teeth spanned as the gear has).
    std::function<bool(const CySmRecord&, double)> partnersHold = [](const CySmRecord&, double) { return true; };
};

#define SM_D(OFF, Q, FIELD) Slot{#FIELD, OFF, false, &(Q), [](CySmRecord& r, double v) { r.FIELD = v; }}

std::vector<Slot> slots() {
    const auto& g1 = q::kGear1;
    const auto& g2 = q::kGear2;
    auto deviationRule = [](double v) { return q::kDWs1.admits(v) ? std::string() : std::string("公法线偏差应在0～1mm之间！"); };
    auto rodRule = [](double v) { return v < 0 ? std::string("跨测距偏差的数值无效！") : std::string(); };
    auto above = [](double SmGear::*df, int gear) {
        return [=](const CySmRecord& r, double v) { return v > (gear == 1 ? r.out.g1 : r.out.g2).*df; };
    };
    auto below = [](double SmGear::*da, int gear) {
        return [=](const CySmRecord& r, double v) { return v < (gear == 1 ? r.out.g1 : r.out.g2).*da; };
    };
    std::vector<Slot> s{
        // Inputs, with the messages of their fields' own rules.
        Slot{"a'", 72, false, &q::kAw, [](CySmRecord& r, double v) { r.in.aw = r.out.aw = v; },
             [](const CySmRecord&, double v) { return v > 0 && q::kAw.admits(v); },
             [](double v) { return v > 0 ? std::string() : std::string("啮合轴距不能≤0!"); }},
        Slot{"u", 352, false, &q::kU, [](CySmRecord& r, double v) { r.in.u = r.out.u = v; }, nullptr,
             [](double) { return std::string("齿数比z2/z1应在1～10之间！"); }},
        Slot{"f", 472, false, &q::kF, [](CySmRecord& r, double v) { r.in.f = v; }, nullptr,
             [](double) { return std::string("摩擦系数f应在0～1之间！"); }},
        Slot{"β1", 80, false, &q::kBeta1, [](CySmRecord& r, double v) { r.in.beta1 = r.out.g1.beta = v; }, nullptr,
             [](double) { return std::string("螺旋角β1应在0°～90°之间！"); }},
        Slot{"Σ", 432, false, &q::kSigma, [](CySmRecord& r, double v) { r.in.sigma = v; },
             [](const CySmRecord& r, double v) {
                 return r.in.pattern == Pattern::Parallel ? v == 0 : r.in.pattern == Pattern::HelicalSum && v > 0 && v < 90;
             },
             [](double) { return std::string("轴错角Σ与安装方式不符！"); }},
        Slot{"ΔWs1", 384, false, &q::kDWs1, [](CySmRecord& r, double v) { r.dev.dWs1 = v; }, nullptr, deviationRule},
        Slot{"ΔWi1", 376, false, &q::kDWi1, [](CySmRecord& r, double v) { r.dev.dWi1 = v; }, nullptr, deviationRule},
        Slot{"ΔWs2", 400, false, &q::kDWs2, [](CySmRecord& r, double v) { r.dev.dWs2 = v; }, nullptr, deviationRule},
        Slot{"ΔWi2", 392, false, &q::kDWi2, [](CySmRecord& r, double v) { r.dev.dWi2 = v; }, nullptr, deviationRule},
        Slot{"ΔMs1", 248, false, &q::kDMs1, [](CySmRecord& r, double v) { r.dev.dMs1 = v; }, nullptr, rodRule},
        Slot{"ΔMi1", 240, false, &q::kDMi1, [](CySmRecord& r, double v) { r.dev.dMi1 = v; }, nullptr, rodRule},
        Slot{"ΔMs2", 264, false, &q::kDMs2, [](CySmRecord& r, double v) { r.dev.dMs2 = v; }, nullptr, rodRule},
        Slot{"ΔMi2", 256, false, &q::kDMi2, [](CySmRecord& r, double v) { r.dev.dMi2 = v; }, nullptr, rodRule},
        // Fixed values: the module of the list index, the basic rack, ρf.
        Slot{"mn", 320, false, &q::kMn, [](CySmRecord& r, double v) { r.in.mn = v; },
             [](const CySmRecord& r, double v) { return v == kModules[static_cast<std::size_t>(r.moduleIndex)]; },
             [](double) { return std::string("模数不是模数表中的数值！"); }},
        Slot{"α", 32, false, nullptr, [](CySmRecord& r, double v) { r.in.alpha = v; },
             [](const CySmRecord&, double v) { return v == kAlpha; },
             [](double) { return std::string("齿形角、齿顶高系数或径向间隙系数不是基本齿廓的数值！"); }},
        Slot{"ha*", 288, false, nullptr, [](CySmRecord& r, double v) { r.in.haStar = v; },
             [](const CySmRecord&, double v) { return v == kHaStar; },
             [](double) { return std::string("齿形角、齿顶高系数或径向间隙系数不是基本齿廓的数值！"); }},
        Slot{"c*", 128, false, nullptr, [](CySmRecord& r, double v) { r.in.cStar = v; },
             [](const CySmRecord&, double v) { return v == kCStar; },
             [](double) { return std::string("齿形角、齿顶高系数或径向间隙系数不是基本齿廓的数值！"); }},
        Slot{"ρf", 624, false, nullptr, [](CySmRecord& r, double v) { r.rhoF = v; },
             [](const CySmRecord& r, double v) { return std::abs(v - 0.2 * r.in.mn) <= 1e-12; },
             [](double) { return std::string("齿根圆角半径ρ应为0.2·m！"); }},
        // Results.
        SM_D(8, q::kA, out.a),
        SM_D(16, g1.alphaAt, out.g1.alphaAt), SM_D(24, g2.alphaAt, out.g2.alphaAt),
        SM_D(40, g1.alphaT, out.g1.alphaT), SM_D(48, g2.alphaT, out.g2.alphaT),
        SM_D(56, g1.alphaWt, out.g1.alphaWt), SM_D(64, g2.alphaWt, out.g2.alphaWt),
        SM_D(88, g2.beta, out.g2.beta),
        SM_D(96, g1.betaP, out.g1.betaP), SM_D(104, g2.betaP, out.g2.betaP),
        SM_D(112, g1.betaB, out.g1.betaB), SM_D(120, g2.betaB, out.g2.betaB),
        SM_D(136, g1.d, out.g1.d), SM_D(144, g2.d, out.g2.d),
        SM_D(152, g1.dw, out.g1.dw), SM_D(160, g2.dw, out.g2.dw),
        SM_D(200, g1.db, out.g1.db), SM_D(208, g2.db, out.g2.db),
        SM_D(216, q::kDmp, out.dmp),
        SM_D(224, g1.mp, out.g1.mp), SM_D(232, g2.mp, out.g2.mp),
        SM_D(336, g1.mt, out.g1.mt), SM_D(344, g2.mt, out.g2.mt),
        SM_D(360, g1.w, out.g1.w), SM_D(368, g2.w, out.g2.w),
        SM_D(408, q::kXn1, out.g1.xn), SM_D(416, q::kXn2, out.g2.xn),
        SM_D(424, q::kSumX, out.sumX),
        SM_D(448, q::kMnP, out.mnP), SM_D(456, q::kAlphaNP, out.alphaNP),
        SM_D(464, q::kB, out.b), SM_D(616, q::kEps, out.eps), SM_D(632, q::kEta, out.eta),
    };
    // The tips and roots: in range, a tip must stay above its root.
    Slot da1 = SM_D(168, g1.da, out.g1.da), da2 = SM_D(176, g2.da, out.g2.da);
    Slot df1 = SM_D(184, g1.df, out.g1.df), df2 = SM_D(192, g2.df, out.g2.df);
    da1.partnersHold = above(&SmGear::df, 1), da2.partnersHold = above(&SmGear::df, 2);
    df1.partnersHold = below(&SmGear::da, 1), df2.partnersHold = below(&SmGear::da, 2);
    // Whole numbers: fewer teeth spanned than the gear has.
    auto i32 = [](const char* name, std::size_t off, const kavrin::Quantity& qq, std::int32_t SmGear::*f, int gear) {
        return Slot{name, off, true, &qq, [=](CySmRecord& r, double v) {
                        SmGear& g = gear == 1 ? r.out.g1 : r.out.g2;
                        g.*f = static_cast<std::int32_t>(v);
                    }};
    };
    Slot z1 = i32("z1", 440, g1.z, &SmGear::z, 1), z2 = i32("z2", 444, g2.z, &SmGear::z, 2);
    Slot kw1 = i32("Kw1", 312, g1.kw, &SmGear::kw, 1), kw2 = i32("Kw2", 316, g2.kw, &SmGear::kw, 2);
    z1.partnersHold = [](const CySmRecord& r, double v) { return v > r.out.g1.kw; };
    z2.partnersHold = [](const CySmRecord& r, double v) { return v > r.out.g2.kw; };
    kw1.partnersHold = [](const CySmRecord& r, double v) { return v < r.out.g1.z; };
    kw2.partnersHold = [](const CySmRecord& r, double v) { return v < r.out.g2.z; };
    s.insert(s.end(), {da1, da2, df1, df2, z1, z2, kw1, kw2});
    return s;
}

std::vector<double> probes(const Slot& slot) {
    if (slot.integer) {
        std::vector<double> v = kavrin_test::countProbes(*slot.q);
        v.insert(v.end(), {0, -1, 2147483647.0});
        return v;
    }
    if (!slot.q) return {1e300, -1e300, 1e-300, -1e-300, 0};
    return kavrin_test::numberProbes(*slot.q);
}

std::filesystem::path freshDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path() / "smallmodule_ranges" /
                     (std::string(info->name()) + "." + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
    auto b = fw::readFile(p);
    return b ? *b : std::vector<std::uint8_t>{};
}

// Every numeric slot the loader reads, at 1e300, −1e300, ±1e-300 and at each
// end of its range with a step either side, in a saved parallel pair and a
// saved pair of two helical gears: the load takes exactly what the slot's
// range (and the rule of its field) takes, and refuses the rest naming the
// field — in the field's own words where its rule refuses the value, in the
// range's words otherwise. The save refuses the same record in the same
// words, and both old files stay as they were.
TEST(CySmRanges, LoadAndSaveRefuseExactlyWhatTheRangeRefuses) {
    const auto dir = freshDir();
    const auto data = dir / "sm.cyb", report = dir / "sm.cyt";
    ASSERT_TRUE(fw::writeFile(data, fixture("smcy_p0.cyb")));
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>(30, 0x41)));
    const auto oldData = bytesOf(data), oldReport = bytesOf(report);
    int refused = 0, taken = 0;
    for (const char* base : {"smcy_p0.cyb", "smcy_p2.cyb"}) {
        const CySmRecord good = loaded(base);
        ASSERT_FALSE(cySmRecordFault(good));
        for (const Slot& slot : slots()) {
            for (double v : probes(slot)) {
                SCOPED_TRACE(std::string(base) + ": " + slot.name + " = " + fw::formatNumber(v));
                CySmRecord r = good;
                slot.put(r, v);
                // The file as written, read back: the slot holds what was put.
                auto file = cySmFileBytes(r, 1765324800);
                if (slot.integer) {
                    std::int32_t held;
                    std::memcpy(&held, &file[kHeader + slot.offset], 4);
                    ASSERT_EQ(held, static_cast<std::int32_t>(v));
                } else {
                    double held;
                    std::memcpy(&held, &file[kHeader + slot.offset], 8);
                    ASSERT_EQ(held, v);
                }
                const bool inRange = slot.admits ? slot.admits(good, v) : slot.q->admits(v);
                const auto fault = cySmRecordFault(r);
                const auto l = loadCySmFile(file);
                if (inRange && slot.partnersHold(good, v)) {
                    ++taken;
                    EXPECT_FALSE(fault) << *fault;
                    EXPECT_TRUE(l);
                    continue;
                }
                ++refused;
                ASSERT_TRUE(fault);
                ASSERT_FALSE(l);
                // the module's list index: the file is none of ours; any other value first
                EXPECT_EQ(l.error(), cySmListFault(r) ? kMsgNotSmFile + ("\n" + *fault)
                                                                            : kavrin::refusedOnLoad(*fault));
                if (inRange) {   // a rule between slots
                    EXPECT_EQ(fault->find("请输入"), std::string::npos) << *fault;
                } else if (std::string own = slot.ownRule(v); !own.empty()) {
                    EXPECT_EQ(*fault, own);
                } else {
                    EXPECT_EQ(*fault, slot.integer ? kavrin::countRefusal(*slot.q) : kavrin::quantityRefusal(*slot.q));
                }
                auto saved = saveCySmFile(r, data, report, 1765324800);
                ASSERT_FALSE(saved);
                EXPECT_EQ(saved.error().fault, fault);
                EXPECT_EQ(saveRefusal(*saved.error().fault), *fault + "\n数据未保存。");
                ASSERT_EQ(bytesOf(data), oldData);
                ASSERT_EQ(bytesOf(report), oldReport);
            }
        }
    }
    EXPECT_GT(refused, 600);
    EXPECT_GT(taken, 300);
}

// The found case: a saved parallel pair with 1e300 in the double at file
// byte 72 (the centre distance a without shift) loaded, and its report
// printed "未变位中心距 a = 1000000000000000052504…". It is refused at load
// naming the field.
TEST(CySmRanges, CentreDistance1e300IsRefusedAtLoadNamingTheField) {
    auto file = fixture("smcy_p0.cyb");
    const double huge = 1e300;
    std::memcpy(&file[72], &huge, 8);
    auto l = loadCySmFile(file);
    ASSERT_FALSE(l);
    EXPECT_EQ(l.error(), kavrin::refusedOnLoad("未变位(无间隙)轴距 a：请输入 0.001 到 10000000 之间的数值。"));
}

// The scan that found it: 1e300 and 1e-300 in every double slot of every
// saved pair of the suite, loaded, reported, calculated again as the
// dialog's 计算 does and reported, and the calculated record checked as the
// save checks it. 64 of 69 such reports once printed a number of 16 or more
// digits; now each file is refused naming its field or prints as a report
// may.
TEST(CySmRanges, NoFileOfTheScanPrintsAnAbsurdNumber) {
    int refused = 0, taken = 0;
    for (const char* base : {"smcy_p0.cyb", "smcy_p2.cyb", "smcy_p2_gap.cyb"}) {
        const auto good = fixture(base);
        for (std::size_t off = 8; off + 8 <= CySmRecord::kSize; off += 8) {
            if (off == 312 || off == 328 || off == 440 || (off >= 480 && off < 616) || off >= 640) continue;
            for (double v : {1e300, 1e-300}) {
                SCOPED_TRACE(std::string(base) + ": record byte " + std::to_string(off) + " = " + fw::formatNumber(v));
                auto file = good;
                std::memcpy(&file[kHeader + off], &v, 8);
                auto l = loadCySmFile(file);
                if (!l) {
                    ++refused;
                    EXPECT_NE(l.error().find('\n'), std::string::npos) << l.error();
                    continue;
                }
                ++taken;   // a slot not read back (the heights) or a value 0 may be
                EXPECT_FALSE(kavrin_fuzz::unprintableInReport(smallModuleReport(*l)));
                auto again = calculate(l->in);
                if (!again) continue;
                CySmRecord r = *l;
                r.out = *again;
                r.in.u = again->u, r.in.aw = again->aw, r.in.beta1 = again->g1.beta;
                EXPECT_FALSE(cySmRecordFault(r));
                EXPECT_FALSE(kavrin_fuzz::unprintableInReport(smallModuleReport(r)));
            }
        }
    }
    EXPECT_GT(refused, 250);
    EXPECT_GT(taken, 20);
}

// The calculation's guard behind the bounds: a result outside its range is
// no result, named as the calculation names it, and the shift edit refuses a
// typed shift outside its field's range in the field's words.
TEST(CySmRanges, ResultsOutsideTheirRangesAreNoResults) {
    const CySmRecord p0 = loaded("smcy_p0.cyb");
    SmResult r = p0.out;
    r.a = 1e300;
    auto f = resultFault(p0.in, r);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->message, kavrin::resultNotTaken(q::kA));
    EXPECT_TRUE(f->undefined);   // the shown results stay
    r = p0.out;
    r.eps = 1e-300;
    ASSERT_TRUE(resultFault(p0.in, r));
    EXPECT_EQ(resultFault(p0.in, r)->message, "计算结果未被采用：重合度 ε 应在 0.01 到 1000 之间。请检查输入数据！");
    // A typed shift outside ±5 is never taken, whatever the tip would be.
    for (double typed : {5.0 + 1e-9, 5.5, 1e300}) {
        auto e = editShift(p0.in, p0.out, ShiftEdit::Xn1, typed);
        EXPECT_FALSE(e) << typed;
    }
    auto e = editShift(p0.in, p0.out, ShiftEdit::Xn2, -5.5);
    ASSERT_FALSE(e);
    auto kept = editShift(p0.in, p0.out, ShiftEdit::Xn1, 0.3);
    EXPECT_TRUE(kept);
}

}  // namespace
