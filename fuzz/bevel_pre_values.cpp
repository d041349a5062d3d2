// Values into a valid bevel preliminary record: the example design with
// fuzz-chosen values in chosen slots is saved, loaded, sized as the dialog
// sizes it (shifts, form factor, module, each from its formula or a chart
// read at a chosen position) and reported. A refused load names its value;
// what the sizing leaves passes the record check (the save writes it), and
// no report prints "inf", "nan" or a number of 16 or more digits.
//
// Input: one byte, the position (0 to 200) the charts are read at; then
// chunks of 9 bytes: a slot (mod the slot count) and its value, 8 bytes of
// a double (the first 4 an int32 for the whole-number slots).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "bevel/preliminary/calc/cone_pre_record.h"
#include "bevel/preliminary/calc/pre_report.h"
#include "bevel/preliminary/calc/sizing.h"
#include "common/calc/record_check.h"
#include "fuzz_check.h"
#include "report_text_check.h"

using namespace bevel;

namespace {

// The worked example of the preliminary design (system 4, every input given).
ConePreRecord example() {
    ConePreRecord r;
    r.mask = kMaskComplete;
    r.betaDeg = 35;
    r.cStar = 0.188, r.haStar = 0.85, r.mt = 3.696582;
    r.toothSystem = 4;
    r.z1 = 20, r.z2 = 50;
    r.n1 = 1450, r.n2 = 580, r.i = 2.5;
    r.t = 500, r.p = 500.0 * 580 / 9549;
    r.yf = 2.5, r.sigmaHlim = 1500, r.sigmaFlim = 480;
    r.x1 = 0.3276, r.x2 = -0.3276, r.xt1 = 0.045, r.xt2 = -0.045;
    r.ka = 1.25, r.khBeta = 1.5, r.kwBeta = 1.35;
    r.date = "2025年12月10日", r.number = "KV-B01", r.title = "电动葫芦弧齿锥齿轮副";
    return r;
}

void setSlot(ConePreRecord& r, unsigned slot, const std::uint8_t* bytes) {
    double d;
    std::int32_t n;
    std::memcpy(&d, bytes, 8);
    std::memcpy(&n, bytes, 4);
    switch (slot % 36) {
    case 0: r.mask = n; break;
    case 1: r.alphaDeg = n; break;
    case 2: r.alphaMin = n; break;
    case 3: r.alphaSec = n; break;
    case 4: r.betaDeg = n; break;
    case 5: r.betaMin = n; break;
    case 6: r.betaSec = n; break;
    case 7: r.cStar = d; break;
    case 8: r.haStar = d; break;
    case 9: r.mt = d; break;
    case 10: r.toothSystem = n; break;
    case 11: r.z1 = static_cast<std::uint32_t>(n); break;
    case 12: r.z2 = static_cast<std::uint32_t>(n); break;
    case 13: r.n1 = d; break;
    case 14: r.n2 = d; break;
    case 15: r.i = d; break;
    case 16: r.p = d; break;
    case 17: r.t = d; break;
    case 18: r.yf = d; break;
    case 19: r.sigmaHlim = d; break;
    case 20: r.sigmaFlim = d; break;
    case 21: r.x1 = d; break;
    case 22: r.x2 = d; break;
    case 23: r.xt2 = d; break;
    case 24: r.xt1 = d; break;
    case 25: r.ka = d; break;
    case 26: r.khBeta = d; break;
    case 27: r.kwBeta = d; break;
    // A whole design from the values typed: the tooth system, the teeth
    // and the ratio that follows them, a speed and its pair.
    case 28: r.toothSystem = static_cast<int>(static_cast<std::uint32_t>(n) % kToothSystemCount); break;
    case 29: r.z1 = static_cast<std::uint32_t>(n) % 1001, r.i = r.z1 ? double(r.z2) / r.z1 : 0; break;
    case 30: r.z2 = static_cast<std::uint32_t>(n) % 1001, r.i = r.z1 ? double(r.z2) / r.z1 : 0; break;
    case 31: r.n1 = d, r.n2 = r.i > 0 ? d / r.i : r.n2; break;
    case 32: r.t = d, r.p = d * r.n2 / 9549; break;
    case 33: r.x1 = d, r.x2 = -d; break;
    case 34: r.xt1 = d, r.xt2 = -d; break;
    default: r.mask &= ~n; break;  // inputs not given
    }
}

// The value a chart reads at vertical position p: (200 − p)·k/200 + c.
double chart(int p, double k, double c) { return (200 - p) * k / 200 + c; }

// The sizing steps of the dialog, each kept only when its result is in range.
void sizeAsTheDialogDoes(ConePreRecord& r, int p) {
    const double beta = r.betaDegrees();
    Shift radial = radialShift(r.toothSystem, r.i, beta);
    if (!(radial.ratioChecked && !ratioValid(r.i)) && !(r.toothSystem == 6 && !helixValidForSystem6(beta))) {
        const double x1 = radial.source == ShiftSource::Formula ? radial.value : chart(p, 0.985, 0);
        if (cone_pre::kX1.admits(x1)) r.x1 = x1, r.x2 = -x1, r.mask |= kBitX;
    }
    Shift tangential = tangentialShift(r.toothSystem, r.i, beta);
    if (!(tangential.ratioChecked && !ratioValid(r.i))) {
        const double xt1 = tangential.source == ShiftSource::Formula ? tangential.value : chart(p, 0.26, -0.02);
        if (cone_pre::kXt1.admits(xt1)) r.xt1 = xt1, r.xt2 = -xt1, r.mask |= kBitXt;
    }
    const VirtualTeeth v = virtualTeeth(r.z1, r.i, beta);
    if (std::isfinite(v.zv) && std::isfinite(v.fraction) && virtualTeethEnough(v.zv)) {
        const double yf = formFactor(chart(p, 2.2499999999999996, 1.85), r.xt1);
        if (cone_pre::kYf.admits(yf)) r.yf = yf;
    }
    ModuleInputs in{.system = r.toothSystem, .z1 = r.z1, .i = r.i, .t = r.t, .ka = r.ka, .khBeta = r.khBeta,
                    .kwBeta = r.kwBeta, .sigmaHlim = r.sigmaHlim, .sigmaFlim = r.sigmaFlim, .yf = r.yf};
    if (auto m = moduleStep(in, r.cStar)) r.mt = m->module.mt, r.cStar = m->cStar;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int p = data[0] % 201;
    ConePreRecord r = example();
    for (std::size_t at = 1; at + 9 <= size; at += 9) setSlot(r, data[at], data + at + 1);
    auto loaded = loadConePreFile(conePreFileBytes(r, 1765324800));
    if (!loaded) {
        const std::string& e = loaded.error();
        FUZZ_CHECK(e.rfind(kMsgConeUnfinished, 0) == 0 || e.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded));
        // Anything but a wrong status names its value.
        FUZZ_CHECK(r.status != kConePreStatus || e.find("：") != std::string::npos);
        return 0;
    }
    ConePreRecord sized = loaded->record;
    FUZZ_CHECK(!kavrin_fuzz::unprintableInReport(conePreReport(sized)));
    sizeAsTheDialogDoes(sized, p);
    // What the sizing leaves, the save writes and the load takes again.
    FUZZ_CHECK(plausibleConePreRecord(sized));
    FUZZ_CHECK(loadConePreFile(conePreFileBytes(sized, 1765324800)).has_value());
    FUZZ_CHECK(!kavrin_fuzz::unprintableInReport(conePreReport(sized)));
    return 0;
}
