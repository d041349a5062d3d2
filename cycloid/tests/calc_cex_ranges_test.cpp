// One range per quantity of the cycloid design record: every numeric slot
// the loader reads, at the absurd values and at each end of its range, is
// refused by the load exactly where its range refuses it, and the save's
// check refuses the same record in the same words. The found files are
// refused at load, naming the field.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "cex_test_support.h"
#include "common/calc/record_check.h"
#include "common/tests/range_probes.h"
#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"
#include "cycloid/calc/cex_record.h"
#include "cycloid/calc/cex_report.h"
#include "fuzz/report_text_check.h"
#include "fw/format.h"

using namespace cycloid;
using namespace cextest;
namespace q = cycloid::cex_q;

namespace {

// One numeric slot of the record: its block, file offset and size, its
// quantity, whether it holds a whole number, how a value goes in (keeping
// the rules between slots, Zp = Zc + 1 and i = Zc, where the value allows;
// it gives back what the slot then holds), and whether the value lets those
// rules hold (else another slot's refusal may come first).
struct Slot {
    const char* name;
    int block;
    std::size_t offset;   // in the file
    std::size_t size;
    const kavrin::Quantity* q;
    bool integer;
    std::function<double(CexDesignRecord&, double)> put;
    std::function<bool(double)> partnersHold = [](double) { return true; };
};

constexpr std::size_t at(int block, std::size_t offsetInBlock) { return kCexBlockOffsets[block - 1] + offsetInBlock; }

#define CEX_D(N, F, Q)                                                                                        \
    Slot {                                                                                                    \
        #F " (block " #N ")", N, at(N, offsetof(CexBlock##N, F)), 8, &Q, false,                               \
            [](CexDesignRecord& r, double v) { return r.b##N.F = v; }                                         \
    }
#define CEX_I(N, F, Q)                                                                                        \
    Slot {                                                                                                    \
        #F " (block " #N ")", N, at(N, offsetof(CexBlock##N, F)), 4, &Q, true,                                \
            [](CexDesignRecord& r, double v) { return double(r.b##N.F = static_cast<std::int32_t>(v)); }      \
    }

// A count as the file holds it: a u32 of what an i64 wraps to.
std::uint32_t asU32(double v) { return static_cast<std::uint32_t>(static_cast<std::int64_t>(v)); }
bool wholeCount(double v) { return v == std::floor(v) && v >= 0 && v <= UINT32_MAX; }

std::vector<Slot> slots() {
    return {
        CEX_D(1, a, q::kA), CEX_D(1, bc, q::kBc),
        Slot{"i (block 1)", 1, at(1, offsetof(CexBlock1, i)), 8, &q::kI, false,
             [](CexDesignRecord& r, double v) {
                 if (wholeCount(v)) r.b1.Zc = asU32(v), r.b1.Zp = r.b1.Zc ? r.b1.Zc + 1 : 0;
                 return r.b1.i = v;
             },
             [](double v) { return wholeCount(v); }},
        CEX_D(1, K1, q::kK1), CEX_D(1, K2, q::kK2), CEX_D(1, n0, q::kN0), CEX_D(1, eta, q::kEtaStored),
        CEX_D(1, P, q::kP), CEX_D(1, Rp, q::kRp), CEX_D(1, Rrp, q::kRrp), CEX_D(1, Tc, q::kTc),
        Slot{"Zc (block 1)", 1, at(1, offsetof(CexBlock1, Zc)), 4, &q::kZc, true,
             [](CexDesignRecord& r, double v) {
                 r.b1.Zc = asU32(v), r.b1.Zp = r.b1.Zc ? r.b1.Zc + 1 : 0, r.b1.i = r.b1.Zc;
                 return double(r.b1.Zc);
             }},
        Slot{"Zp (block 1)", 1, at(1, offsetof(CexBlock1, Zp)), 4, &q::kZp, true,
             [](CexDesignRecord& r, double v) {
                 r.b1.Zp = asU32(v), r.b1.Zc = r.b1.Zp ? r.b1.Zp - 1 : 0, r.b1.i = r.b1.Zc;
                 return double(r.b1.Zp);
             },
             [](double v) { return v == 0 || q::kZc.admits(v - 1); }},
        CEX_D(2, dac, q::kDac), CEX_D(2, dt, q::kDt), CEX_D(2, Dw, q::kDw), CEX_D(2, dfc, q::kDfc),
        CEX_D(2, dDi, q::kDi), CEX_D(2, dp, q::kDp), CEX_D(2, drp, q::kDrp), CEX_D(2, drw, q::kDrw),
        CEX_D(2, dsp, q::kDsp), CEX_D(2, dsw, q::kDsw), CEX_D(2, EI_dw, q::kEIdw), CEX_D(2, ES_dw, q::kESdw),
        CEX_D(2, dj, q::kPresetDj), CEX_D(2, dw, q::kDwHole), CEX_D(2, l, q::kL), CEX_D(2, Kw, q::kKw),
        CEX_D(2, sigmaFlim, q::kSigmaFlim), CEX_D(2, Sf, q::kSf), CEX_D(2, epsMax, q::kEpsMax),
        CEX_D(2, Qmax, q::kQmax),
        CEX_D(3, delta, q::kDelta), CEX_D(3, dc, q::kDc), CEX_D(3, dfEs, q::kDfEs), CEX_D(3, dj, q::kDj),
        CEX_D(3, dwl, q::kDwl), CEX_D(3, dpt, q::kDpt), CEX_D(3, DW, q::kDW), CEX_D(3, dR, q::kDR),
        CEX_D(4, delta, q::kDelta), CEX_D(4, dc, q::kDc), CEX_D(4, ds, q::kDs), CEX_D(4, dj, q::kDj),
        CEX_D(4, drp, q::kDrpMod), CEX_D(4, drrp, q::kDrrpMod), CEX_D(4, K1m, q::kK1m),
        CEX_D(5, dac, q::kDacMod), CEX_D(5, dfc, q::kDfcMod), CEX_D(5, Ka, q::kKa), CEX_D(5, Ln, q::kLn),
        CEX_I(5, n, q::kN), CEX_D(5, phiA, q::kPhiA), CEX_D(5, RL, q::kRL), CEX_D(5, rodRadius, q::kRt),
        CEX_D(5, Xa, q::kXa), CEX_D(5, Ya, q::kYa),
        CEX_D(6, deltaMax, q::kDeltaMax), CEX_D(6, Fmax, q::kFmax), CEX_I(6, Zn, q::kZn), CEX_D(6, SH, q::kSH),
        CEX_D(6, SF, q::kSF), CEX_D(6, theta, q::kTheta), CEX_D(6, sigmaF, q::kSigmaF),
        CEX_D(6, sigmaH, q::kSigmaH), CEX_D(6, sigmaFp, q::kSigmaFp), CEX_D(6, sigmaHp, q::kSigmaHp),
        CEX_D(6, mu, q::kMu), CEX_D(6, E, q::kE),
    };
}

void setStatus(CexDesignRecord& r, int block, std::int32_t s) {
    std::int32_t* words[] = {&r.b1.status, &r.b2.status, &r.b3.status, &r.b4.status, &r.b5.status, &r.b6.status};
    *words[block - 1] = s;
}

std::vector<double> probes(const Slot& slot) {
    if (!slot.integer) return kavrin_test::numberProbes(*slot.q);
    std::vector<double> v = kavrin_test::countProbes(*slot.q);
    v.insert(v.end(), {0, -1, double(INT32_MAX)});
    return v;
}

// Every numeric slot the loader reads, at 1e300, −1e300, ±1e-300 and at each
// end of its range with a step either side: in a block marked incomplete
// (so that its completeness does not speak) the load takes exactly what the
// slot's range takes, and refuses the rest naming the block and the field
// with the range's words; the save's check refuses the same record alike.
TEST(CexRanges, LoadAndSaveRefuseExactlyWhatTheRangeRefuses) {
    for (const Slot& slot : slots()) {
        for (double v : probes(slot)) {
            SCOPED_TRACE(std::string(slot.name) + " = " + fw::formatNumber(v));
            CexDesignRecord r = filledRecord();
            setStatus(r, slot.block, 0);
            const double held = slot.put(r, v);
            const bool admitted = slot.q->admits(held) && slot.partnersHold(v);
            const auto fault = checkRecord(r);
            const auto loaded = parseDesignFile(designFileBytes(r, 0));
            const auto headerless = parseDesignFile(recordBytes(r));
            if (admitted) {
                EXPECT_FALSE(fault) << fault->what;
                EXPECT_TRUE(loaded) << loaded.error();
                EXPECT_TRUE(headerless);
                continue;
            }
            ASSERT_TRUE(fault);
            ASSERT_FALSE(loaded);
            EXPECT_FALSE(headerless);
            EXPECT_EQ(fault->block, slot.block);
            EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad(recordFaultText(*fault)));
            if (!slot.partnersHold(v)) continue;   // i not a count, or Zc of this Zp refused first
            EXPECT_EQ(fault->what, slot.integer ? kavrin::countRefusal(*slot.q) : kavrin::quantityRefusal(*slot.q));
            // The save refuses it in the same words, naming the page.
            EXPECT_EQ(recordFaultMessage(*fault), "设计数据有误，未保存：" + recordFaultText(*fault));
        }
    }
}

// The table's slots are the file's: each at the offset the layout gives it,
// and with the status words, texts, enumerations and reserved bytes they
// cover every byte of the record, so no numeric slot is left out.
TEST(CexRanges, TheSlotsCoverTheRecord) {
    std::vector<int> covered(kCexFileBytes, 0);
    for (const Slot& slot : slots()) {
        CexDesignRecord r = filledRecord();
        slot.put(r, 12);
        auto bytes = designFileBytes(r, 0);
        if (slot.integer) {
            std::int32_t v;
            std::memcpy(&v, &bytes[slot.offset], 4);
            EXPECT_EQ(v, 12) << slot.name;
        } else {
            double v;
            std::memcpy(&v, &bytes[slot.offset], 8);
            EXPECT_EQ(v, 12) << slot.name;
        }
        for (std::size_t k = 0; k < slot.size; ++k) ++covered[slot.offset + k];
    }
#define CEX_OTHER(N, F) {at(N, offsetof(CexBlock##N, F)), sizeof(CexBlock##N::F)}
    const std::pair<std::size_t, std::size_t> others[] = {
        {0, kCexHeaderBytes},
        CEX_OTHER(1, time), CEX_OTHER(1, title), CEX_OTHER(1, number), CEX_OTHER(1, date), CEX_OTHER(1, status),
        CEX_OTHER(1, reserved),
        CEX_OTHER(2, reserved112), CEX_OTHER(2, X1), CEX_OTHER(2, X2), CEX_OTHER(2, status), CEX_OTHER(2, reserved140),
        CEX_OTHER(2, pinsLeftOut), CEX_OTHER(2, Nz), CEX_OTHER(2, reserved),
        CEX_OTHER(3, status), CEX_OTHER(3, reserved60), CEX_OTHER(3, grade), CEX_OTHER(3, reserved76),
        CEX_OTHER(3, reserved80), CEX_OTHER(3, reserved84), CEX_OTHER(3, reserved),
        CEX_OTHER(4, status), CEX_OTHER(4, reserved60), CEX_OTHER(4, reserved64), CEX_OTHER(4, reserved68),
        CEX_OTHER(4, reserved),
        CEX_OTHER(5, reserved36), CEX_OTHER(5, status), CEX_OTHER(5, reserved84), CEX_OTHER(5, reserved88),
        CEX_OTHER(5, reserved92), CEX_OTHER(5, reserved),
        CEX_OTHER(6, reserved20), CEX_OTHER(6, status), CEX_OTHER(6, reserved44), CEX_OTHER(6, reserved),
    };
#undef CEX_OTHER
    for (auto [offset, size] : others)
        for (std::size_t k = 0; k < size; ++k) ++covered[offset + k];
    for (std::size_t k = 0; k < covered.size(); ++k) EXPECT_EQ(covered[k], 1) << "file byte " << k;
}

// The found cases. A design file with a = 1e300 once loaded, calculated and
// printed "偏心距 a= 1000…" in its report; so did 80 of 104 variants with
// 1e300 or 1e-300 in one double slot each. Every such file is refused at
// load naming the field, or what it holds prints as a report may.
TEST(CexRanges, TheFoundFilesAreRefusedAtLoadNamingTheField) {
    const auto good = fileBytes(fixture("cex_filled.cxd"));
    auto a = good;
    putF64(a, 64 + 0, 1e300);
    auto loaded = parseDesignFile(a);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error(), kavrin::refusedOnLoad("第1页(预定参数)的偏心距 a：请输入 0 或 0.01 到 1000 之间的数值。"));

    int refused = 0, taken = 0;
    for (const Slot& slot : slots()) {
        if (slot.integer || slot.q == &q::kZc || slot.q == &q::kZp) continue;
        for (double v : {1e300, 1e-300}) {
            SCOPED_TRACE(std::string(slot.name) + " = " + fw::formatNumber(v));
            auto file = good;
            putF64(file, slot.offset, v);
            auto l = parseDesignFile(file);
            if (!l) {
                ++refused;
                EXPECT_NE(l.error().find(std::string(slot.q->name) + "："), std::string::npos) << l.error();
                continue;
            }
            ++taken;
            EXPECT_FALSE(kavrin_fuzz::unprintableInReport(cexReportText(l->record)));
        }
    }
    EXPECT_GT(refused, 60);
    EXPECT_GT(taken, 10);   // 1e-300 where 0 is a value of the slot (a clearance, a result)
}

// A complete block 1 whose efficiency page 1 replaces by 0.95 when it loads
// it gives the torque of that efficiency: within its range, or the file is
// refused.
TEST(CexRanges, TheTorqueOfAReplacedEfficiencyLiesInItsRange) {
    CexDesignRecord r = filledRecord();
    r.b1.eta = 1.2;   // taken, and replaced on page 1
    EXPECT_TRUE(parseDesignFile(designFileBytes(r, 0)));
    r.b1.P = 100000, r.b1.n0 = 0.001;   // 9549·100000·11·0.95/0.001 N·m
    auto l = parseDesignFile(designFileBytes(r, 0));
    ASSERT_FALSE(l);
    EXPECT_NE(l.error().find(kavrin::resultNotTaken(q::kTc)), std::string::npos);
    r.b1.eta = 0.9;   // kept as it is: the stored torque stands
    EXPECT_TRUE(parseDesignFile(designFileBytes(r, 0)));
}

}  // namespace
