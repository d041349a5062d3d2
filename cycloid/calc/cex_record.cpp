#include "cycloid/calc/cex_record.h"

#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"

#include <cmath>
#include <filesystem>

#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "fw/format.h"
#include "fw/record.h"

namespace cycloid {

namespace {

// Every field is written and read at its struct offset, which the
// static_asserts of the header tie to the file layout.
#define CEX_F64(B, f) w.f64(base + offsetof(B, f), b.f)
#define CEX_I32(B, f) w.i32(base + offsetof(B, f), b.f)
#define CEX_U32(B, f) w.u32(base + offsetof(B, f), b.f)
#define CEX_RAW(B, f) w.raw(base + offsetof(B, f), std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(b.f.data()), b.f.size()))
#define RD_F64(B, f) b.f = r.f64(base + offsetof(B, f))
#define RD_I32(B, f) b.f = r.i32(base + offsetof(B, f))
#define RD_U32(B, f) b.f = r.u32(base + offsetof(B, f))
#define RD_RAW(B, f)                                                                  \
    do {                                                                              \
        auto s = r.raw(base + offsetof(B, f), b.f.size());                            \
        std::copy(s.begin(), s.end(), reinterpret_cast<std::uint8_t*>(b.f.data()));   \
    } while (0)

static_assert(cex_q::kZc.upper() == kMaxDiscTeeth && cex_q::kZp.upper() == kMaxDiscTeeth + 1);

constexpr std::size_t kOff1 = 0, kOff2 = 280, kOff3 = 496, kOff4 = 600, kOff5 = 688, kOff6 = 800;
static_assert(kOff6 + sizeof(CexBlock6) == CexDesignRecord::kBytes);
static_assert(kOff2 == kOff1 + sizeof(CexBlock1) && kOff3 == kOff2 + sizeof(CexBlock2) &&
              kOff4 == kOff3 + sizeof(CexBlock3) && kOff5 == kOff4 + sizeof(CexBlock4) &&
              kOff6 == kOff5 + sizeof(CexBlock5));

void write1(fw::RecordWriter& w, std::size_t base, const CexBlock1& b) {
    using B = CexBlock1;
    CEX_F64(B, a); CEX_F64(B, bc); CEX_F64(B, i); CEX_F64(B, K1); CEX_F64(B, K2); CEX_F64(B, n0);
    CEX_F64(B, eta); CEX_F64(B, P); CEX_F64(B, Rp); CEX_F64(B, Rrp); CEX_F64(B, Tc);
    CEX_U32(B, Zc); CEX_U32(B, Zp); CEX_RAW(B, time); CEX_RAW(B, title); CEX_RAW(B, number); CEX_RAW(B, date);
    CEX_I32(B, status); CEX_RAW(B, reserved);
}
void read1(const fw::RecordReader& r, std::size_t base, CexBlock1& b) {
    using B = CexBlock1;
    RD_F64(B, a); RD_F64(B, bc); RD_F64(B, i); RD_F64(B, K1); RD_F64(B, K2); RD_F64(B, n0);
    RD_F64(B, eta); RD_F64(B, P); RD_F64(B, Rp); RD_F64(B, Rrp); RD_F64(B, Tc);
    RD_U32(B, Zc); RD_U32(B, Zp); RD_RAW(B, time); RD_RAW(B, title); RD_RAW(B, number); RD_RAW(B, date);
    RD_I32(B, status); RD_RAW(B, reserved);
}

void write2(fw::RecordWriter& w, std::size_t base, const CexBlock2& b) {
    using B = CexBlock2;
    CEX_F64(B, dac); CEX_F64(B, dt); CEX_F64(B, Dw); CEX_F64(B, dfc); CEX_F64(B, dDi); CEX_F64(B, dp);
    CEX_F64(B, drp); CEX_F64(B, drw); CEX_F64(B, dsp); CEX_F64(B, dsw); CEX_F64(B, EI_dw); CEX_F64(B, ES_dw);
    CEX_F64(B, dj); CEX_F64(B, dw); CEX_RAW(B, reserved112); CEX_F64(B, l); CEX_I32(B, X1); CEX_I32(B, X2);
    CEX_I32(B, status); CEX_RAW(B, reserved140); CEX_F64(B, Kw); CEX_F64(B, sigmaFlim); CEX_F64(B, Sf);
    CEX_F64(B, epsMax); CEX_F64(B, Qmax); CEX_I32(B, pinsLeftOut); CEX_I32(B, Nz); CEX_RAW(B, reserved);
}
void read2(const fw::RecordReader& r, std::size_t base, CexBlock2& b) {
    using B = CexBlock2;
    RD_F64(B, dac); RD_F64(B, dt); RD_F64(B, Dw); RD_F64(B, dfc); RD_F64(B, dDi); RD_F64(B, dp);
    RD_F64(B, drp); RD_F64(B, drw); RD_F64(B, dsp); RD_F64(B, dsw); RD_F64(B, EI_dw); RD_F64(B, ES_dw);
    RD_F64(B, dj); RD_F64(B, dw); RD_RAW(B, reserved112); RD_F64(B, l); RD_I32(B, X1); RD_I32(B, X2);
    RD_I32(B, status); RD_RAW(B, reserved140); RD_F64(B, Kw); RD_F64(B, sigmaFlim); RD_F64(B, Sf);
    RD_F64(B, epsMax); RD_F64(B, Qmax); RD_I32(B, pinsLeftOut); RD_I32(B, Nz); RD_RAW(B, reserved);
}

void write3(fw::RecordWriter& w, std::size_t base, const CexBlock3& b) {
    using B = CexBlock3;
    CEX_F64(B, delta); CEX_F64(B, dc); CEX_F64(B, dfEs); CEX_F64(B, dj); CEX_F64(B, dwl); CEX_F64(B, dpt);
    CEX_F64(B, DW); CEX_I32(B, status); CEX_RAW(B, reserved60); CEX_F64(B, dR); CEX_I32(B, grade);
    CEX_I32(B, reserved76); CEX_I32(B, reserved80); CEX_RAW(B, reserved84); CEX_RAW(B, reserved);
}
void read3(const fw::RecordReader& r, std::size_t base, CexBlock3& b) {
    using B = CexBlock3;
    RD_F64(B, delta); RD_F64(B, dc); RD_F64(B, dfEs); RD_F64(B, dj); RD_F64(B, dwl); RD_F64(B, dpt);
    RD_F64(B, DW); RD_I32(B, status); RD_RAW(B, reserved60); RD_F64(B, dR); RD_I32(B, grade);
    RD_I32(B, reserved76); RD_I32(B, reserved80); RD_RAW(B, reserved84); RD_RAW(B, reserved);
}

void write4(fw::RecordWriter& w, std::size_t base, const CexBlock4& b) {
    using B = CexBlock4;
    CEX_F64(B, delta); CEX_F64(B, dc); CEX_F64(B, ds); CEX_F64(B, dj); CEX_F64(B, drp); CEX_F64(B, drrp);
    CEX_F64(B, K1m); CEX_I32(B, status); CEX_I32(B, reserved60); CEX_I32(B, reserved64); CEX_RAW(B, reserved68);
    CEX_RAW(B, reserved);
}
void read4(const fw::RecordReader& r, std::size_t base, CexBlock4& b) {
    using B = CexBlock4;
    RD_F64(B, delta); RD_F64(B, dc); RD_F64(B, ds); RD_F64(B, dj); RD_F64(B, drp); RD_F64(B, drrp);
    RD_F64(B, K1m); RD_I32(B, status); RD_I32(B, reserved60); RD_I32(B, reserved64); RD_RAW(B, reserved68);
    RD_RAW(B, reserved);
}

void write5(fw::RecordWriter& w, std::size_t base, const CexBlock5& b) {
    using B = CexBlock5;
    CEX_F64(B, dac); CEX_F64(B, dfc); CEX_F64(B, Ka); CEX_F64(B, Ln); CEX_I32(B, n); CEX_RAW(B, reserved36);
    CEX_F64(B, phiA); CEX_F64(B, RL); CEX_F64(B, rodRadius); CEX_F64(B, Xa); CEX_F64(B, Ya); CEX_I32(B, status);
    CEX_I32(B, reserved84); CEX_I32(B, reserved88); CEX_RAW(B, reserved92); CEX_RAW(B, reserved);
}
void read5(const fw::RecordReader& r, std::size_t base, CexBlock5& b) {
    using B = CexBlock5;
    RD_F64(B, dac); RD_F64(B, dfc); RD_F64(B, Ka); RD_F64(B, Ln); RD_I32(B, n); RD_RAW(B, reserved36);
    RD_F64(B, phiA); RD_F64(B, RL); RD_F64(B, rodRadius); RD_F64(B, Xa); RD_F64(B, Ya); RD_I32(B, status);
    RD_I32(B, reserved84); RD_I32(B, reserved88); RD_RAW(B, reserved92); RD_RAW(B, reserved);
}

void write6(fw::RecordWriter& w, std::size_t base, const CexBlock6& b) {
    using B = CexBlock6;
    CEX_F64(B, deltaMax); CEX_F64(B, Fmax); CEX_I32(B, Zn); CEX_RAW(B, reserved20); CEX_F64(B, SH);
    CEX_F64(B, SF); CEX_I32(B, status); CEX_RAW(B, reserved44); CEX_F64(B, theta); CEX_F64(B, sigmaF);
    CEX_F64(B, sigmaH); CEX_F64(B, sigmaFp); CEX_F64(B, sigmaHp); CEX_F64(B, mu); CEX_F64(B, E);
    CEX_RAW(B, reserved);
}
void read6(const fw::RecordReader& r, std::size_t base, CexBlock6& b) {
    using B = CexBlock6;
    RD_F64(B, deltaMax); RD_F64(B, Fmax); RD_I32(B, Zn); RD_RAW(B, reserved20); RD_F64(B, SH);
    RD_F64(B, SF); RD_I32(B, status); RD_RAW(B, reserved44); RD_F64(B, theta); RD_F64(B, sigmaF);
    RD_F64(B, sigmaH); RD_F64(B, sigmaFp); RD_F64(B, sigmaHp); RD_F64(B, mu); RD_F64(B, E);
    RD_RAW(B, reserved);
}

unsigned bits(std::initializer_list<bool> conditions) {
    unsigned m = 0, bit = 1;
    for (bool c : conditions) {
        if (c) m |= bit;
        bit <<= 1;
    }
    return m;
}

}  // namespace

std::vector<std::uint8_t> recordBytes(const CexDesignRecord& r) {
    fw::RecordWriter w(CexDesignRecord::kBytes);
    write1(w, kOff1, r.b1);
    write2(w, kOff2, r.b2);
    write3(w, kOff3, r.b3);
    write4(w, kOff4, r.b4);
    write5(w, kOff5, r.b5);
    write6(w, kOff6, r.b6);
    return w.take();
}

CexDesignRecord recordFromBytes(std::span<const std::uint8_t> bytes) {
    fw::RecordReader r(bytes.first(CexDesignRecord::kBytes));
    CexDesignRecord rec;
    read1(r, kOff1, rec.b1);
    read2(r, kOff2, rec.b2);
    read3(r, kOff3, rec.b3);
    read4(r, kOff4, rec.b4);
    read5(r, kOff5, rec.b5);
    read6(r, kOff6, rec.b6);
    return rec;
}

std::vector<std::uint8_t> designFileBytes(const CexDesignRecord& r, std::int64_t timeStamp) {
    std::vector<std::uint8_t> out = kavrin::writeHeader(kavrin::makeHeader(0, kavrin::kWordCexDesign, timeStamp));
    auto body = recordBytes(r);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

fw::Expected<LoadedDesign, std::string> parseDesignFile(std::span<const std::uint8_t> file) {
    const auto notCycloid = fw::unexpected(std::string(kMsgNotCycloid));
    if (file.size() < CexDesignRecord::kBytes) return notCycloid;
    LoadedDesign out;
    std::int32_t first = fw::RecordReader(file).i32(0);
    // A 928-byte file is an old file whatever its first word (a stored
    // double's low half can be any value).
    out.oldFile = file.size() == CexDesignRecord::kBytes || first < kavrin::kFirstHeaderVersion;
    std::span<const std::uint8_t> body;
    if (out.oldFile) {
        body = file.first(CexDesignRecord::kBytes);
    } else {
        if (file.size() < kCexFileBytes) return notCycloid;
        auto h = kavrin::readHeader(file);
        if (!h || h->word != kavrin::kWordCexDesign) return notCycloid;
        body = file.subspan(kCexHeaderBytes, CexDesignRecord::kBytes);
    }
    out.record = recordFromBytes(body);
    if (auto f = checkRecord(out.record)) {
        if (f->notThisKind) return fw::unexpected(std::string(kMsgNotCycloid) + "\n" + recordFaultText(*f));
        return fw::unexpected(kavrin::refusedOnLoad(recordFaultText(*f)));
    }
    return out;
}

namespace {
// The checks of one block, in the order of its fields; the first fault wins.
// A value outside its quantity's range is refused in the words its field
// uses ("偏心距 a：请输入 0 或 0.01 到 1000 之间的数值。").
class BlockCheck {
public:
    explicit BlockCheck(int block) : m_block(block) {}
    BlockCheck& quantity(const kavrin::Quantity& q, double v) {
        return q.admits(v) ? *this : fault(kavrin::quantityRefusal(q));
    }
    BlockCheck& count(const kavrin::Quantity& q, long long v) {
        return q.admits(static_cast<double>(v)) ? *this : fault(kavrin::countRefusal(q));
    }
    BlockCheck& rule(bool ok, const char* name, const char* rule) {
        return ok ? *this : fault(std::string(name) + " " + rule);
    }
    // An enumeration: outside its list the record is no design of ours.
    BlockCheck& listed(bool ok, const char* name, const char* rule) {
        return ok ? *this : fault(std::string(name) + " " + rule, true);
    }
    BlockCheck& holds(bool ok, const std::string& what) { return ok ? *this : fault(what); }
    BlockCheck& status(std::int32_t s, std::int32_t complete, unsigned mask, unsigned full) {
        if (s != 0 && s != complete) return fault("状态字 不是0或完成值", true);
        if (s == complete && full != 0 && mask != full) return fault("状态字 标为完成但数据不全", true);
        return *this;
    }
    std::optional<RecordFault> result() const { return m_fault; }

private:
    BlockCheck& fault(std::string what, bool notThisKind = false) {
        if (!m_fault) m_fault = RecordFault{m_block, std::move(what), notThisKind};
        return *this;
    }
    int m_block;
    std::optional<RecordFault> m_fault;
};

bool isOneOf(std::int32_t v, std::initializer_list<std::int32_t> values) {
    for (std::int32_t x : values)
        if (v == x) return true;
    return false;
}

// Every numeric slot against its range (cex_ranges.h), then the rules
// between slots, then the status word.
std::optional<RecordFault> check1(const CexBlock1& b) {
    using namespace cex_q;
    const bool noTeeth = b.Zc == 0 && b.Zp == 0;
    // The tooth counts first: the ratio follows them.
    return BlockCheck(1)
        .count(kZc, b.Zc)
        .count(kZp, b.Zp)
        .rule(noTeeth || (b.Zc != 0 && b.Zp == b.Zc + 1), "摆线轮齿数 Zc", "须为0或9至999，针齿数 Zp = Zc + 1")
        .quantity(kA, b.a)
        .quantity(kBc, b.bc)
        .quantity(kI, b.i)
        .quantity(kK1, b.K1)
        .quantity(kK2, b.K2)
        .quantity(kN0, b.n0)
        .quantity(kEtaStored, b.eta)   // page 1 replaces one outside 0.8 to 0.99 when it loads it
        .quantity(kP, b.P)
        .quantity(kRp, b.Rp)
        .quantity(kRrp, b.Rrp)
        .quantity(kTc, b.Tc)
        .rule(b.i == b.Zc, "传动比 i", "须等于摆线轮齿数 Zc")
        // Page 1 takes a complete block with an efficiency outside 0.8 to
        // 0.99 at 0.95, and its torque with it.
        .holds(b.status != kStatus1 || loadedEfficiency(b.eta) == b.eta ||
                   kTc.admits(outputTorque(b.P, b.i, loadedEfficiency(b.eta), b.n0)),
               kavrin::resultNotTaken(kTc))
        .status(b.status, kStatus1, mask1(b), kFullMask1)
        .result();
}

std::optional<RecordFault> check2(const CexBlock2& b) {
    using namespace cex_q;
    return BlockCheck(2)
        .quantity(kDac, b.dac)
        .quantity(kDt, b.dt)
        .quantity(kDw, b.Dw)
        .quantity(kDfc, b.dfc)
        .quantity(kDi, b.dDi)
        .quantity(kDp, b.dp)
        .quantity(kDrp, b.drp)
        .quantity(kDrw, b.drw)
        .quantity(kDsp, b.dsp)
        .quantity(kDsw, b.dsw)
        .quantity(kEIdw, b.EI_dw)
        .quantity(kESdw, b.ES_dw)
        .quantity(kPresetDj, b.dj)
        .quantity(kDwHole, b.dw)
        .quantity(kL, b.l)
        .listed(isOneOf(b.X1, {0, 2, 3}), "支点数 X1", "须为2或3")
        .listed(isOneOf(b.X2, {0, 6, 8, 10, 12, 16}), "柱销数 X2", "须为6、8、10、12或16")
        .quantity(kKw, b.Kw)
        .quantity(kSigmaFlim, b.sigmaFlim)
        .quantity(kSf, b.Sf)
        .quantity(kEpsMax, b.epsMax)
        .quantity(kQmax, b.Qmax)
        .listed(b.pinsLeftOut == 0 || b.pinsLeftOut == 1, "抽齿结构标志", "须为0或1")
        .rule(b.Nz >= 0 && b.Nz <= b.X2, "受力柱销数 Nz", "须在0与柱销数之间")
        .status(b.status, kStatus2, mask2(b), kFullMask2)
        .result();
}

std::optional<RecordFault> check3(const CexBlock3& b) {
    using namespace cex_q;
    return BlockCheck(3)
        .quantity(kDelta, b.delta)
        .quantity(kDc, b.dc)
        .quantity(kDfEs, b.dfEs)
        .quantity(kDj, b.dj)
        .quantity(kDwl, b.dwl)
        .quantity(kDpt, b.dpt)
        .quantity(kDW, b.DW)
        .quantity(kDR, b.dR)
        .listed(b.grade >= 0 && b.grade < kGradeCount, "公差等级", "须为IT5至IT8")
        // A complete block 3 may keep its status through later incomplete
        // edits of the page, so its mask is not asked for.
        .status(b.status, kStatus3, 0, 0)
        .result();
}

std::optional<RecordFault> check4(const CexBlock4& b) {
    using namespace cex_q;
    return BlockCheck(4)
        .quantity(kDelta, b.delta)
        .quantity(kDc, b.dc)
        .quantity(kDs, b.ds)
        .quantity(kDj, b.dj)
        .quantity(kDrpMod, b.drp)
        .quantity(kDrrpMod, b.drrp)
        .quantity(kK1m, b.K1m)
        .status(b.status, kStatus4, mask4(b), kFullMask4)
        .result();
}

std::optional<RecordFault> check5(const CexBlock5& b) {
    using namespace cex_q;
    return BlockCheck(5)
        .quantity(kDacMod, b.dac)
        .quantity(kDfcMod, b.dfc)
        .quantity(kKa, b.Ka)
        .quantity(kLn, b.Ln)
        .count(kN, b.n)
        .quantity(kPhiA, b.phiA)
        .quantity(kRL, b.RL)
        .quantity(kRt, b.rodRadius)
        .quantity(kXa, b.Xa)
        .quantity(kYa, b.Ya)
        .status(b.status, kStatus5, 0, 0)
        .result();
}

std::optional<RecordFault> check6(const CexBlock6& b) {
    using namespace cex_q;
    return BlockCheck(6)
        .quantity(kDeltaMax, b.deltaMax)
        .quantity(kFmax, b.Fmax)
        .count(kZn, b.Zn)
        .quantity(kSH, b.SH)
        .quantity(kSF, b.SF)
        .quantity(kTheta, b.theta)
        .quantity(kSigmaF, b.sigmaF)
        .quantity(kSigmaH, b.sigmaH)
        .quantity(kSigmaFp, b.sigmaFp)
        .quantity(kSigmaHp, b.sigmaHp)
        .quantity(kMu, b.mu)
        .quantity(kE, b.E)
        .status(b.status, kStatus6, mask6(b), kFullMask6)
        .result();
}

}  // namespace

std::optional<RecordFault> checkRecord(const CexDesignRecord& r) {
    if (auto f = check1(r.b1)) return f;
    if (auto f = check2(r.b2)) return f;
    if (auto f = check3(r.b3)) return f;
    if (auto f = check4(r.b4)) return f;
    if (auto f = check5(r.b5)) return f;
    return check6(r.b6);
}

namespace {
constexpr const char* kPageNames[6] = {"预定参数", "传动零件设计", "间隙和转角修形量", "优化修形量", "棒测量", "强度校验"};
}  // namespace

std::string recordFaultText(const RecordFault& f) {
    const int page = f.block >= 1 && f.block <= 6 ? f.block : 1;
    return fw::format("第%d页(%s)的%s", page, kPageNames[page - 1], f.what.c_str());
}

std::string recordFaultMessage(const RecordFault& f) {
    std::string what = recordFaultText(f);
    const std::string stop = "。";
    if (what.size() >= stop.size() && what.compare(what.size() - stop.size(), stop.size(), stop) == 0)
        what.erase(what.size() - stop.size());
    return fw::format(kMsgRecordFault, what.c_str());
}

unsigned mask1(const CexBlock1& b) {
    return bits({b.a > 0, b.bc > 0, b.i > 0, b.K1 > 0, b.K2 > 0, b.n0 > 0, b.eta > 0, b.P > 0, b.Rp > 0, b.Rrp > 0,
                 b.Tc > 0, b.Zc != 0, b.Zp != 0});
}
unsigned mask2(const CexBlock2& b) {
    return bits({b.dac > 0, b.dt > 0, b.Dw > 0, b.dfc > 0, b.dDi > 0, b.dp > 0, b.drp > 0, b.drw > 0, b.dsp > 0,
                 b.dsw > 0, b.dj > 0, b.dw > 0, b.l > 0});
}
unsigned mask3(const CexBlock3& b) {
    return bits({b.delta > 0, b.dc > 0, b.dfEs < 0, b.dj > 0, b.dwl > 0, b.dpt > 0, b.DW > 0, b.grade >= 1,
                 b.dR > 0});
}
unsigned mask4(const CexBlock4& b) {
    return bits({b.delta > 0, b.ds > 0, b.dc > 0, b.dj > 0, b.drp > 0, b.drrp > 0, b.K1m > 0});
}
unsigned mask6(const CexBlock6& b) {
    return bits({b.deltaMax > 0, b.E > 0, b.Fmax > 0, b.mu > 0, b.SF > 0, b.SH > 0, b.sigmaFp > 0, b.sigmaHp > 0,
                 b.Zn != 0, b.sigmaF > 0, b.sigmaH > 0, b.theta > 0});
}

namespace {
struct PageRule {
    std::int32_t complete;
    unsigned full;
    unsigned buttonsComplete;
    unsigned buttonsIncomplete;
};
constexpr PageRule kRules[6] = {
    {kStatus1, kFullMask1, kWizNext, 0},
    {kStatus2, kFullMask2, kWizBack | kWizNext, kWizBack},
    {kStatus3, kFullMask3, kWizBack | kWizNext, kWizBack},
    {kStatus4, kFullMask4, kWizBack | kWizNext, kWizBack},
    {kStatus5, 0, kWizBack | kWizNext, kWizBack},
    {kStatus6, kFullMask6, kWizBack | kWizFinish, kWizBack},
};

unsigned maskOf(int page, const CexDesignRecord& r) {
    switch (page) {
    case 1: return mask1(r.b1);
    case 2: return mask2(r.b2);
    case 3: return mask3(r.b3);
    case 4: return mask4(r.b4);
    case 6: return mask6(r.b6);
    default: return 0;
    }
}
}  // namespace

StoreDecision storeDecision(int page, const CexDesignRecord& r, std::int32_t currentStatus, bool current) {
    const PageRule& rule = kRules[page - 1];
    StoreDecision d;
    d.mask = maskOf(page, r);
    if (current && d.mask == rule.full) {
        d.status = rule.complete;
        d.buttons = rule.buttonsComplete;
    } else {
        // Page 3 keeps its status through incomplete edits; stale results never count.
        d.status = (page == 3 && current) ? currentStatus : 0;
        d.buttons = rule.buttonsIncomplete;
    }
    return d;
}

std::int32_t leaveStatus(int page, unsigned mask, bool current) {
    const PageRule& rule = kRules[page - 1];
    return current && mask == rule.full ? rule.complete : 0;
}

void zeroOnLeave(int page, CexDesignRecord& r) {
    switch (page) {
    case 1: r.b1.reserved = {}; break;
    case 2: r.b2.reserved = {}; break;
    case 3:
        r.b3.reserved76 = r.b3.reserved80 = 0;
        r.b3.reserved = {};
        break;
    case 4:
        r.b4.reserved60 = r.b4.reserved64 = 0;
        r.b4.reserved = {};
        break;
    case 5:
        r.b5.reserved84 = r.b5.reserved88 = 0;
        r.b5.reserved = {};
        break;
    case 6: r.b6.reserved = {}; break;
    default: break;
    }
}

std::string designFileName(const std::string& chosen) {
    return kavrin::normaliseDataName(chosen, ".cxd").path.string();
}

std::string reportFileName(const std::string& design) {
    std::filesystem::path p(design);
    std::string name = p.filename().string();
    auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return (p.parent_path() / (name + ".cxt")).string();
}

bool isDesignFileName(const std::string& path) { return kavrin::hasDataExtension(path, ".cxd"); }

}  // namespace cycloid
