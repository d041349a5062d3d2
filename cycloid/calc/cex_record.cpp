#include "cycloid/calc/cex_record.h"

#include <cmath>
#include <filesystem>

#include "common/calc/data_file_header.h"
#include "common/calc/design_file.h"
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

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool statusOk(std::int32_t status, std::int32_t complete) { return status == 0 || status == complete; }

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

std::optional<LoadedDesign> parseDesignFile(std::span<const std::uint8_t> file) {
    if (file.size() < CexDesignRecord::kBytes) return std::nullopt;
    LoadedDesign out;
    std::int32_t first = fw::RecordReader(file).i32(0);
    // A 928-byte file is an old file whatever its first word (a stored
    // double's low half can be any value).
    out.oldFile = file.size() == CexDesignRecord::kBytes || first < kavrin::kFirstHeaderVersion;
    std::span<const std::uint8_t> body;
    if (out.oldFile) {
        body = file.first(CexDesignRecord::kBytes);
    } else {
        if (file.size() < kCexFileBytes) return std::nullopt;
        auto h = kavrin::readHeader(file);
        if (!h || h->word != kavrin::kWordCexDesign) return std::nullopt;
        body = file.subspan(kCexHeaderBytes, CexDesignRecord::kBytes);
    }
    const CexDesignRecord r = recordFromBytes(body);
    const auto& b1 = r.b1;
    const auto& b2 = r.b2;
    const auto& b3 = r.b3;
    const auto& b4 = r.b4;
    const auto& b5 = r.b5;
    const auto& b6 = r.b6;
    if (!allFinite({b1.a, b1.bc, b1.i, b1.K1, b1.K2, b1.n0, b1.eta, b1.P, b1.Rp, b1.Rrp, b1.Tc}) ||
        !allFinite({b2.dac, b2.dt, b2.Dw, b2.dfc, b2.dDi, b2.dp, b2.drp, b2.drw, b2.dsp, b2.dsw, b2.EI_dw, b2.ES_dw,
                    b2.dj, b2.dw, b2.l, b2.Kw, b2.sigmaFlim, b2.Sf, b2.epsMax, b2.Qmax}) ||
        !allFinite({b3.delta, b3.dc, b3.dfEs, b3.dj, b3.dwl, b3.dpt, b3.DW, b3.dR}) ||
        !allFinite({b4.delta, b4.dc, b4.ds, b4.dj, b4.drp, b4.drrp, b4.K1m}) ||
        !allFinite({b5.dac, b5.dfc, b5.Ka, b5.Ln, b5.phiA, b5.RL, b5.rodRadius, b5.Xa, b5.Ya}) ||
        !allFinite({b6.deltaMax, b6.Fmax, b6.SH, b6.SF, b6.theta, b6.sigmaF, b6.sigmaH, b6.sigmaFp, b6.sigmaHp,
                    b6.mu, b6.E}))
        return std::nullopt;
    if (!statusOk(b1.status, kStatus1) || !statusOk(b2.status, kStatus2) || !statusOk(b3.status, kStatus3) ||
        !statusOk(b4.status, kStatus4) || !statusOk(b5.status, kStatus5) || !statusOk(b6.status, kStatus6))
        return std::nullopt;
    if ((b1.status == kStatus1 && mask1(b1) != kFullMask1) || (b2.status == kStatus2 && mask2(b2) != kFullMask2) ||
        (b4.status == kStatus4 && mask4(b4) != kFullMask4) || (b6.status == kStatus6 && mask6(b6) != kFullMask6))
        return std::nullopt;
    bool bothZero = b1.Zc == 0 && b1.Zp == 0;
    if (!bothZero && (b1.Zc == 0xFFFFFFFFu || b1.Zp != b1.Zc + 1)) return std::nullopt;
    if (b2.X1 != 0 && b2.X1 != 2 && b2.X1 != 3) return std::nullopt;
    if (b3.grade < 0 || b3.grade > 4) return std::nullopt;
    if (b2.pinsLeftOut != 0 && b2.pinsLeftOut != 1) return std::nullopt;
    out.record = r;
    return out;
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
