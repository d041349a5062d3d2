// Fuzz-chosen values in a sound cycloid design: the filled design of the
// fixtures gets values the fuzzer picks (ends of their ranges, a step beside
// them, absurd magnitudes, raw bits) in any of its numeric slots. What the
// loader takes is calculated as the wizard's pages calculate it (page 1's
// load rule for η, the buttons of pages 2 and 3 with what their fields and
// dialogs take, the optimum of page 4, the rods of page 5, the strength check
// of page 6), every calculation's result lies within its quantity's range,
// the report holds no "inf", "nan" or number of 16 or more digits, and what
// the save then takes loads again. The custom designer is run the same way
// on fuzz-chosen inputs its fields take.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "cycloid/calc/cex_clearance.h"
#include "common/calc/record_check.h"
#include "cycloid/calc/cex_designer.h"
#include "cycloid/calc/cex_measurement.h"
#include "cycloid/calc/cex_parts.h"
#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_profile.h"
#include "cycloid/calc/cex_ranges.h"
#include "cycloid/calc/cex_record.h"
#include "cycloid/calc/cex_report.h"
#include "cycloid/calc/cex_strength.h"
#include "fuzz_check.h"
#include "fw/text.h"
#include "report_text_check.h"

using namespace cycloid;
namespace q = cycloid::cex_q;

namespace {

constexpr std::int64_t kTime = 1700000000;

// The fuzzer's bytes, read in order; zeros once they are used up.
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> b) : m_b(b) {}
    std::uint8_t u8() { return m_at < m_b.size() ? m_b[m_at++] : 0; }
    double f64() {
        std::uint64_t bits = 0;
        for (int k = 0; k < 8; ++k) bits |= std::uint64_t(u8()) << (8 * k);
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }

private:
    std::span<const std::uint8_t> m_b;
    std::size_t m_at = 0;
};

// A value for a slot of range b: an end, one step beside it, a point inside,
// an absurd magnitude, 0, or raw bits.
double pick(Bytes& in, const fw::Bounds& b) {
    const std::uint8_t mode = in.u8();
    const double step = 1e-9 * std::fmax(1.0, std::fmax(std::fabs(b.lower), std::fabs(b.upper)));
    switch (mode % 12) {
    case 0: return b.lower;
    case 1: return b.upper;
    case 2: return b.lower - step;
    case 3: return b.upper + step;
    case 4: return b.lower + (b.upper - b.lower) * in.u8() / 255.0;
    case 5: return b.lower + (b.upper - b.lower) * std::pow(in.u8() / 255.0, 8);
    case 6: return 1e300;
    case 7: return -1e300;
    case 8: return 1e-300;
    case 9: return 0;
    case 10: return b.upper * (1 + in.u8() / 16.0);
    default: return in.f64();
    }
}

// What a typed field takes: the picked value where its range admits it,
// else the field keeps `kept`.
double typed(Bytes& in, const kavrin::Quantity& quantity, double kept) {
    const double v = pick(in, quantity.bounds);
    return quantity.admits(v) ? v : kept;
}

void check(const std::string& text) {
    if (auto bad = kavrin_fuzz::unprintableInReport(text)) {
        std::fprintf(stderr, "unprintable: %s\n", bad->c_str());
        FUZZ_CHECK(!"a report holds what no report format can");
    }
}

bool admitted(const kavrin::Quantity& quantity, double v) { return kavrin::printable(v) && quantity.admits(v); }

// The filled design of the fixtures (make_cex_fixtures.py).
CexDesignRecord filled() {
    CexDesignRecord r;
    auto& b1 = r.b1;
    b1.a = 50.0 / 12, b1.bc = 15, b1.i = 11, b1.K1 = 0.5, b1.K2 = 2.5882, b1.n0 = 1500, b1.eta = 0.9, b1.P = 10;
    b1.Rp = 100, b1.Rrp = 10, b1.Tc = 630.234, b1.Zc = 11, b1.Zp = 12, b1.status = kStatus1;
    fw::copyToField(std::span<char>(b1.title.data(), b1.title.size()), "摆线针轮减速器");
    fw::copyToField(std::span<char>(b1.date.data(), b1.date.size()), "2026年12月10日");
    auto& b2 = r.b2;
    b2.dac = 188.1273, b2.dt = 5, b2.Dw = 125.7303, b2.dfc = 171.4607, b2.dDi = 80, b2.dp = 200, b2.drp = 20;
    b2.drw = 25.3695, b2.dsp = 16, b2.dsw = 17.7586, b2.ES_dw = 0.04, b2.dj = 0.103, b2.dw = 40, b2.l = 52.5;
    b2.X1 = 2, b2.X2 = 10, b2.status = kStatus2, b2.Kw = 1.35, b2.sigmaFlim = 180, b2.Sf = 4.399;
    b2.epsMax = 0.13193, b2.Qmax = 2539.34, b2.pinsLeftOut = 1, b2.Nz = 4;
    auto& b3 = r.b3;
    b3.delta = 0.113414, b3.dc = 0.19794, b3.dfEs = -0.125, b3.dj = 0.145, b3.dwl = 0.04, b3.dpt = 0.05;
    b3.DW = 125.7303, b3.status = kStatus3, b3.dR = 0.063, b3.grade = 3;
    auto& b4 = r.b4;
    b4.delta = 0.113414, b4.dc = 0.19794, b4.ds = 0.13717, b4.dj = 0.145, b4.drp = 0.375, b4.drrp = 0.52;
    b4.K1m = 0.49817, b4.status = kStatus4;
    auto& b5 = r.b5;
    b5.dac = 188.1273 - 0.145, b5.dfc = 171.4607 - 0.145, b5.Ka = -2.16521, b5.Ln = 257.9353, b5.n = 5;
    b5.phiA = 53, b5.RL = 108.122, b5.rodRadius = 10.9731, b5.Xa = 9.2018, b5.Ya = 88.1981, b5.status = kStatus5;
    auto& b6 = r.b6;
    b6.deltaMax = 0.024566, b6.Fmax = 5201.7, b6.Zn = 3, b6.SH = 1.0102, b6.SF = 1.9147, b6.status = kStatus6;
    b6.theta = 0.05565, b6.sigmaF = 94.008, b6.sigmaH = 1187.9, b6.sigmaFp = 180, b6.sigmaHp = 1200, b6.mu = 0.3;
    b6.E = 206000;
    return r;
}

// Fuzz-chosen values in a few slots of the record.
void edit(Bytes& in, CexDesignRecord& r) {
    using namespace q;
    const int edits = in.u8() % 6;
    for (int n = 0; n < edits; ++n) {
        auto& b1 = r.b1;
        auto& b2 = r.b2;
        auto& b3 = r.b3;
        auto& b4 = r.b4;
        auto& b5 = r.b5;
        auto& b6 = r.b6;
        switch (in.u8() % 64) {
        case 0: b1.a = pick(in, kA.bounds); break;
        case 1: b1.bc = pick(in, kBc.bounds); break;
        case 2: b1.K1 = pick(in, kK1.bounds); break;
        case 3: b1.K2 = pick(in, kK2.bounds); break;
        case 4: b1.n0 = pick(in, kN0.bounds); break;
        case 5: b1.eta = pick(in, kEtaStored.bounds); break;
        case 6: b1.P = pick(in, kP.bounds); break;
        case 7: b1.Rp = pick(in, kRp.bounds); break;
        case 8: b1.Rrp = pick(in, kRrp.bounds); break;
        case 9: b1.Tc = pick(in, kTc.bounds); break;
        case 10: {
            const double z = pick(in, kZc.bounds);
            if (z >= 0 && z <= 2000) b1.Zc = static_cast<std::uint32_t>(z), b1.Zp = b1.Zc + 1, b1.i = b1.Zc;
            break;
        }
        case 11: b2.dac = pick(in, kDac.bounds); break;
        case 12: b2.dt = pick(in, kDt.bounds); break;
        case 13: b2.Dw = pick(in, kDw.bounds); break;
        case 14: b2.dfc = pick(in, kDfc.bounds); break;
        case 15: b2.dDi = pick(in, kDi.bounds); break;
        case 16: b2.dp = pick(in, kDp.bounds); break;
        case 17: b2.drp = pick(in, kDrp.bounds); break;
        case 18: b2.drw = pick(in, kDrw.bounds); break;
        case 19: b2.dsp = pick(in, kDsp.bounds); break;
        case 20: b2.dsw = pick(in, kDsw.bounds); break;
        case 21: b2.EI_dw = pick(in, kEIdw.bounds); break;
        case 22: b2.ES_dw = pick(in, kESdw.bounds); break;
        case 23: b2.dj = pick(in, kPresetDj.bounds); break;
        case 24: b2.dw = pick(in, kDwHole.bounds); break;
        case 25: b2.l = pick(in, kL.bounds); break;
        case 26: b2.Kw = pick(in, kKw.bounds); break;
        case 27: b2.sigmaFlim = pick(in, kSigmaFlim.bounds); break;
        case 28: b2.Sf = pick(in, kSf.bounds); break;
        case 29: b2.epsMax = pick(in, kEpsMax.bounds); break;
        case 30: b2.Qmax = pick(in, kQmax.bounds); break;
        case 31: b2.X1 = in.u8() % 2 ? 2 : 3; break;
        case 32: b2.pinsLeftOut = in.u8() % 2; break;
        case 33: b3.delta = pick(in, kDelta.bounds); break;
        case 34: b3.dc = pick(in, kDc.bounds); break;
        case 35: b3.dfEs = pick(in, kDfEs.bounds); break;
        case 36: b3.dj = pick(in, kDj.bounds); break;
        case 37: b3.dwl = pick(in, kDwl.bounds); break;
        case 38: b3.dpt = pick(in, kDpt.bounds); break;
        case 39: b3.DW = pick(in, kDW.bounds); break;
        case 40: b3.dR = pick(in, kDR.bounds); break;
        case 41: b4.delta = pick(in, kDelta.bounds); break;
        case 42: b4.dc = pick(in, kDc.bounds); break;
        case 43: b4.ds = pick(in, kDs.bounds); break;
        case 44: b4.dj = pick(in, kDj.bounds); break;
        case 45: b4.drp = pick(in, kDrpMod.bounds); break;
        case 46: b4.drrp = pick(in, kDrrpMod.bounds); break;
        case 47: b4.K1m = pick(in, kK1m.bounds); break;
        case 48: b5.dac = pick(in, kDacMod.bounds); break;
        case 49: b5.dfc = pick(in, kDfcMod.bounds); break;
        case 50: b5.Ka = pick(in, kKa.bounds); break;
        case 51: b5.Ln = pick(in, kLn.bounds); break;
        case 52: b5.phiA = pick(in, kPhiA.bounds); break;
        case 53: b5.RL = pick(in, kRL.bounds); break;
        case 54: b5.rodRadius = pick(in, kRt.bounds); break;
        case 55: b5.Xa = pick(in, kXa.bounds); break;
        case 56: b5.Ya = pick(in, kYa.bounds); break;
        case 57: b6.deltaMax = pick(in, kDeltaMax.bounds); break;
        case 58: b6.Fmax = pick(in, kFmax.bounds); break;
        case 59: b6.sigmaF = pick(in, kSigmaF.bounds); break;
        case 60: b6.sigmaH = pick(in, kSigmaH.bounds); break;
        case 61: b6.mu = pick(in, kMu.bounds); break;
        case 62: b6.E = pick(in, kE.bounds); break;
        default: {
            // Raw bits anywhere in the record's body but its texts (title,
            // number, date: what is typed there is printed as typed, "nan"
            // too).
            auto bytes = recordBytes(r);
            std::size_t at = (in.u8() | std::size_t(in.u8()) << 8) % (bytes.size() - 7);
            const std::size_t texts = offsetof(CexBlock1, title), textsEnd = offsetof(CexBlock1, status);
            if (at + 8 > texts && at < textsEnd) at = textsEnd;
            const double v = in.f64();
            std::memcpy(&bytes[at], &v, 8);
            r = recordFromBytes(bytes);
            break;
        }
        }
    }
}

void store(CexDesignRecord& r, int page, std::int32_t& status) { status = storeDecision(page, r, status).status; }

// The pages' calculations on a loaded record, each result taken as the page
// takes it: a guarded calculation's result lies within its range (checked),
// a button's formula is taken only within its range (the page's guard).
void calculate(Bytes& in, CexDesignRecord& r) {
    using namespace q;
    auto& b1 = r.b1;
    auto& b2 = r.b2;
    auto& b3 = r.b3;
    auto& b4 = r.b4;
    auto& b5 = r.b5;
    auto& b6 = r.b6;
    // Page 1 takes a complete block with its load rule for η.
    if (b1.status == kStatus1 && loadedEfficiency(b1.eta) != b1.eta) {
        b1.eta = loadedEfficiency(b1.eta);
        if (b1.P > 0 && b1.n0 > 0 && b1.i > 0) b1.Tc = outputTorque(b1.P, b1.i, b1.eta, b1.n0);
        FUZZ_CHECK(admitted(kTc, b1.Tc));
    }
    check(cexReportText(r));

    // Page 2: activation, then its buttons.
    b2.dp = 2 * b1.Rp;
    b2.drp = 2 * b1.Rrp;
    if (!(b2.l > 0)) b2.l = (b2.X1 == 3 ? 4 : 3.5) * b1.bc;
    if (b2.X1 != 2 && b2.X1 != 3) b2.X1 = 2;
    b2.X2 = proposedOutputPins(b2.dp);
    if (auto dj = presetRadialClearance(b2.drp, b2.dp, b1.a); dj && admitted(givenQuantity(kPresetDj), *dj)) b2.dj = *dj;
    const double dfc = rootDiameter(b2.dp, b1.a, b2.drp, b2.dj);
    const double Dw0 = proposedPinHoleCircle(b2.dp, dfc);
    if (admitted(givenQuantity(kDfc), dfc) && admitted(givenQuantity(kDw), Dw0)) b2.dfc = dfc, b2.Dw = Dw0;
    const double dac = tipDiameter(b2.dp, b1.a, b2.drp, b2.dj);
    if (admitted(givenQuantity(kDac), dac)) b2.dac = dac;
    const auto bores = offeredBores(in.u8() % 2 ? rollingBores() : slidingBores(), 0.4 * b2.dp, 0.5 * b2.dp);
    const double Di = bores[in.u8() % bores.size()];
    FUZZ_CHECK(admitted(givenQuantity(kDi), Di));
    if (admitted(givenQuantity(kDw), (b2.dfc + Di) / 2)) b2.dDi = Di, b2.Dw = (b2.dfc + Di) / 2;
    OutputPinInputs pins{.a = b1.a, .Di = b2.dDi, .Dw = b2.Dw, .dfc = b2.dfc, .dp = b2.dp, .X2 = b2.X2, .X1 = b2.X1,
                         .Tc = b1.Tc, .bc = b1.bc, .l = b2.l};
    // The material dialog's fields.
    pins.mu = typed(in, givenQuantity(kMu), 0.3);
    pins.E = typed(in, givenQuantity(kE), 206000);
    pins.sigmaFlim = typed(in, givenQuantity(kSigmaFlim), 180);
    pins.Kw = typed(in, givenQuantity(kKw), 1.35);
    if (auto p = designOutputPins(pins)) {
        FUZZ_CHECK(admitted(kDrw, p->drw) && admitted(kDsw, p->dsw) && admitted(kQmax, p->Qmax) &&
                   admitted(kEpsMax, p->epsMax) && admitted(kSf, p->Sf) && p->Nz >= 0 && p->Nz <= b2.X2);
        b2.drw = p->drw, b2.dsw = p->dsw, b2.Qmax = p->Qmax, b2.epsMax = p->epsMax, b2.Sf = p->Sf, b2.Nz = p->Nz;
        b2.sigmaFlim = pins.sigmaFlim, b2.Kw = pins.Kw;
        // The dsw field then retyped: one pass.
        const double dsw = typed(in, givenQuantity(kDsw), b2.dsw);
        if (auto c = checkOutputPins(pins, b2.drw, dsw, b2.Qmax)) {
            FUZZ_CHECK(admitted(kQmax, c->Qmax) && admitted(kEpsMax, c->epsMax) && admitted(kSf, c->Sf));
            b2.dsw = dsw, b2.Qmax = c->Qmax, b2.epsMax = c->epsMax, b2.Sf = c->Sf, b2.Nz = c->Nz;
        }
    }
    const double dw = pinHoleDiameter(b1.a, b2.drw, b2.dp);
    if (b2.drw > 0 && admitted(givenQuantity(kDwHole), dw)) b2.dw = dw, b2.ES_dw = pinHoleUpperDeviation(dw), b2.EI_dw = 0;
    store(r, 2, b2.status);
    check(cexReportText(r));

    // Page 3: the grade, the sliders, the three buttons.
    b3.DW = b2.Dw;
    const int grade = 1 + in.u8() % 4;
    if (b2.drp <= 120 && b2.dp <= 800) {
        auto dR = lubricationClearance(b2.drp, grade);
        auto dfEs = rootDeviation(b2.dp);
        if (dR && dfEs) {
            FUZZ_CHECK(admitted(kDR, *dR) && admitted(kDfEs, *dfEs));
            b3.grade = grade, b3.dR = *dR, b3.dfEs = *dfEs;
        }
    }
    if (auto range = pinHoleToleranceRange(b2.dp)) b3.dwl = toleranceAt(*range, in.u8() % 51);
    if (auto range = pitchToleranceRange(b2.dp)) b3.dpt = toleranceAt(*range, in.u8() % 51);
    FUZZ_CHECK(admitted(kDwl, b3.dwl) && admitted(kDpt, b3.dpt));
    b3.dR = typed(in, givenQuantity(kDR), b3.dR);
    if (const double dc = sideClearance(b3.dwl, b2.dp, b3.DW, b3.dpt, b3.dR); admitted(givenQuantity(kDc), dc)) b3.dc = dc;
    if (const double dj = radialClearance(b3.dfEs, b3.dR); admitted(givenQuantity(kDj), dj)) b3.dj = dj;
    if (const double d = angularModification(b3.dc, b2.dp); admitted(givenQuantity(kDelta), d)) b3.delta = d;
    store(r, 3, b3.status);
    check(cexReportText(r));

    // Page 4: the optimum.
    const ModificationInputs mi{b1.Rp, b1.Rrp, b1.K1, b1.a, b3.delta, b3.dj, b1.Zc, b1.Zp};
    b4.delta = b3.delta, b4.dc = b3.dc, b4.dj = b3.dj;
    if (auto m = optimumModification(mi)) {
        FUZZ_CHECK(admitted(kDs, m->ds) && admitted(kDrpMod, m->drp) && admitted(kDrrpMod, m->drrp) &&
                   admitted(kK1m, m->K1m));
        b4.ds = m->ds, b4.drp = m->drp, b4.drrp = m->drrp, b4.K1m = m->K1m;
    }
    store(r, 4, b4.status);
    check(cexReportText(r));

    // Page 5: the set-up on activation, a rod typed and rounded off.
    const RodInputs ri{b1.K1, b1.Zc, b1.Zp, b1.a, b2.dp / 2, b2.drp / 2, b4.drp, b4.drrp};
    if (auto s = rodSetup(ri); s && s->n > 0) {
        FUZZ_CHECK(admitted(kPhiA, s->phi0) && admitted(kRt, s->Rt0) && admitted(kRL, s->RL) && admitted(kLn, s->Ln) &&
                   admitted(kKa, s->point.KA) && admitted(kXa, s->point.x) && admitted(kYa, s->point.y));
        b5.dac = b2.dac - b4.dj, b5.dfc = b2.dfc - b4.dj;
        b5.Ka = s->point.KA, b5.Ln = s->Ln, b5.n = static_cast<std::int32_t>(s->n), b5.phiA = s->phi0;
        b5.RL = s->RL, b5.rodRadius = s->Rt0, b5.Xa = s->point.x, b5.Ya = s->point.y;
        const double Rt = s->Rt0 * (0.85 + 0.3 * in.u8() / 255.0);
        if (admitted(givenQuantity(kRt), Rt) && std::fabs(s->Rt0 - Rt) <= 0.2 * Rt && Rt != s->Rt0)
            if (auto o = roundOffRod(ri, *s, Rt, s->n)) {
                const double phi = o->point.phi * 180 / kCexPi;
                FUZZ_CHECK(admitted(kPhiA, phi) && admitted(kRL, o->RL) && admitted(kLn, o->Ln) &&
                           admitted(kKa, o->point.KA) && admitted(kXa, o->point.x) && admitted(kYa, o->point.y));
                b5.Ka = o->point.KA, b5.Ln = o->Ln, b5.phiA = phi, b5.RL = o->RL, b5.rodRadius = Rt;
                b5.Xa = o->point.x, b5.Ya = o->point.y;
            }
        b5.status = kStatus5;
        check(cexReportText(r));
    }

    // Page 6: the material fetched or typed, then the check.
    StrengthInputs si{.K1 = b1.K1, .Zc = b1.Zc, .Zp = b1.Zp, .bc = b1.bc, .rp = b1.Rp, .rrp = b1.Rrp, .a = b1.a,
                      .dsp = b2.dsp, .Lp = b2.l, .X1 = b2.X1, .pinsLeftOut = b2.pinsLeftOut == 1, .drrp = b4.drrp,
                      .drp = b4.drp};
    si.E = typed(in, givenQuantity(kE), 206000);
    si.mu = typed(in, givenQuantity(kMu), 0.3);
    si.sigmaHp = typed(in, givenQuantity(kSigmaHp), 1200);
    si.sigmaFp = typed(in, givenQuantity(kSigmaFp), 180);
    si.To = typed(in, givenQuantity(kTc), b1.Tc);
    if (auto s = strengthCheck(si)) {
        FUZZ_CHECK(admitted(kFmax, s->fmax) && admitted(kDeltaMax, s->deltaMax) && admitted(kSigmaH, s->sigmaH) &&
                   admitted(kSH, s->SH) && admitted(kSigmaF, s->sigmaF) && admitted(kSF, s->SF) &&
                   admitted(kTheta, s->theta) && kZn.admits(s->Zn));
        b6.deltaMax = s->deltaMax, b6.Fmax = s->fmax, b6.Zn = s->Zn, b6.SH = s->SH, b6.SF = s->SF;
        b6.theta = s->theta, b6.sigmaF = s->sigmaF, b6.sigmaH = s->sigmaH;
        b6.E = si.E, b6.mu = si.mu, b6.sigmaHp = si.sigmaHp, b6.sigmaFp = si.sigmaFp;
    }
    store(r, 6, b6.status);
    check(cexReportText(r));
}

void wizard(Bytes& in) {
    CexDesignRecord r = filled();
    edit(in, r);
    const auto file = in.u8() % 8 ? designFileBytes(r, kTime) : recordBytes(r);
    auto loaded = parseDesignFile(file);
    if (!loaded) {
        FUZZ_CHECK(loaded.error().rfind(kMsgNotCycloid, 0) == 0 || loaded.error().ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded));
        return;
    }
    CexDesignRecord design = loaded->record;
    check(cexReportText(design));
    calculate(in, design);
    // What the pages leave the save takes, and it loads again as it was.
    if (auto fault = checkRecord(design)) {
        std::fprintf(stderr, "the save refuses: %s\n", recordFaultText(*fault).c_str());
        FUZZ_CHECK(!"a calculated design the save refuses");
    }
    auto again = parseDesignFile(designFileBytes(design, kTime));
    FUZZ_CHECK(again && recordBytes(again->record) == recordBytes(design));
}

// The custom designer with the inputs its fields take.
void designer(Bytes& in) {
    using namespace q;
    DesignerInputs d = designerStart();
    d.mode = in.u8() % 5;
    const double zc = pick(in, kDesignerZc.bounds);
    if (kDesignerZc.admits(zc)) {
        d.Zc = static_cast<unsigned>(zc) | 1u;   // an even count is raised to the next odd one
        d.Zp = d.Zc + 1;
        d.i = d.Zc;
    }
    d.a = typed(in, kDesignerA, d.a);
    d.dp = typed(in, kDesignerDp, designerPinCircle(d.Zp, d.a, d.K1));
    d.dPin = typed(in, kDesignerDPin, d.dPin);
    d.K1 = 2 * d.Zp * d.a / d.dp;
    d.delta = typed(in, kDesignerDelta, 0);
    d.drrp = typed(in, kDesignerDrrp, 0);
    d.drp = typed(in, kDesignerDrp, 0);
    if (d.mode == 4 && !(d.drrp - d.drp > 0)) d.drp = 0;   // the refusal of Δrrp − Δrp ≤ 0
    const DesignerDerived dd = designerDerived(d);
    d.rpm = dd.rpm, d.rrpm = dd.rrpm, d.K1m = dd.K1m, d.dj = dd.dj;
    d.dcAvailable = dd.dc.has_value();
    d.dc = dd.dc.value_or(0);
    auto r = designerCalculate(d);
    if (!r) return;
    check(designerReportText(d, *r, {2026, 1, 2, 3}));
    if (auto pda = pdaFileBytes(d, *r)) FUZZ_CHECK(pda->size() == kPdaBytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in({data, size});
    wizard(in);
    designer(in);
    return 0;
}
