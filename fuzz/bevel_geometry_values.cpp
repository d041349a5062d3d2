// Values into a valid bevel geometry design, for each of the three kinds.
//
// Saved: a sound design's geometry record with fuzz-chosen values in chosen
// slots is loaded as a saved design; a refusal starts with its message and
// names a value, and what loads writes a report with no "inf", "nan" or
// number of 16 or more digits.
//
// Calculated: a sound pair's inputs with fuzz-chosen values, each taken only
// when its field's range takes it (cone_geom_ranges.h), are calculated as the
// dialog calculates them; a result the record check accepts writes a
// printable report, passes the save's check and loads again as itself.
//
// Input: one byte, the kind (mod 3) and the way (bit 2: calculated); then
// chunks of 9 bytes: a slot and its value, 8 bytes of a double (the first 4
// an int32 for the whole-number slots).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "bevel/geometry/calc/cone_geom_ranges.h"
#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cycloidal_geometry.h"
#include "bevel/geometry/calc/cycloidal_report.h"
#include "bevel/geometry/calc/spiral_geometry.h"
#include "bevel/geometry/calc/straight_geometry.h"
#include "bevel/geometry/tests/cycloidal_fixtures.h"
#include "common/calc/record_check.h"
#include "fuzz_check.h"
#include "report_text_check.h"

using namespace bevel;

namespace {

constexpr std::int64_t kTime = 1765324800;

// A cutter of the 127 mm row (band 2); the Rb 49 head is the tests' own.
const CutterRow kCutter127{9, 2, 127.0, 30, 0, 51, 102, 13.5, 38, 6};

struct Value {
    double d;
    std::int32_t n;
};
Value valueAt(const std::uint8_t* bytes) {
    Value v;
    std::memcpy(&v.d, bytes, 8);
    std::memcpy(&v.n, bytes, 4);
    return v;
}

// No "inf", "nan" or number of 16 or more digits in a report.
void printable(const std::string& text) {
    if (auto bad = kavrin_fuzz::unprintableInReport(text)) {
        std::fprintf(stderr, "unprintable report: %s\n", bad->c_str());
        std::abort();
    }
}

// A typed value its field takes.
bool takes(const kavrin::Quantity& q, double v) { return q.admits(v); }

// ---- the calculations, as the dialogs run them ----

std::optional<ConeGeomRecord> straight(const StraightInput& in, double rf) {
    const StraightCones cones = straightCones(in);
    auto r = straightGeometry(in, cones, helixOf(in));
    if (!r) return std::nullopt;
    ConeGeomRecord g;
    fillStraightRecord(g, in, *r);
    g.rf = rf;
    g.toothSystem = 0;
    return g;
}

std::optional<ConeGeomRecord> spiral(const SpiralInput& in, const CutterRow& cutter) {
    const SpiralCones cones = spiralCones(in);
    auto r = spiralGeometry(in, cones);
    if (!r) return std::nullopt;
    auto heel = heelFromCutter(in, cones.r, cones.b, cutter.d0);
    if (!heel) return std::nullopt;
    ConeGeomRecord g;
    fillSpiralRecord(g, in, *r);
    fillSpiralCutter(g, 0, cutter, *heel);
    return g;
}

struct CycloidalChoice {
    int group = 1;
    double tilt = 0;
    double x1 = -1;  // below 0: x1min
};

std::optional<ConeGeomRecord> cycloidal(const aol::Inputs& in, const CycloidalChoice& choice) {
    const CutterHeadRecord head = rb49();
    const aol::Cone c = aol::cone(in);
    auto ref = aol::referencePoint(c, head, choice.group);
    if (!ref) return std::nullopt;
    const double x = choice.x1 >= 0 ? choice.x1 : aol::x1Min(in, c, *ref, head, choice.group, choice.tilt);
    if (!std::isfinite(x) || x >= aol::kX1Max) return std::nullopt;
    const aol::Results res = aol::finish(in, c, *ref, x);
    ConeGeomRecord g;
    g.alphaDeg = 20;
    g.betaDeg = static_cast<std::int32_t>(in.betaMDeg);
    aol::fillRecord(g, in, c, *ref, res, {.cutterType = 0, .headIndex = 2, .group = choice.group, .tiltDeg = choice.tilt});
    return g;
}

StraightInput straightPair() {
    StraightInput in;
    in.z1 = 20, in.z2 = 40, in.m = 4;
    return in;
}
SpiralInput spiralPair() {
    SpiralInput in;
    in.z1 = 14, in.z2 = 39, in.m = 4.5;
    return in;
}
aol::Inputs cycloidalPair() {
    aol::Inputs in;
    in.z1 = 14, in.z2 = 35, in.mt = 5, in.alphaDeg = 20, in.betaMDeg = 35, in.phiR = 0.3, in.haStar = 1;
    return in;
}

std::optional<ConeGeomRecord> sound(ConeKind kind) {
    switch (kind) {
    case ConeKind::Straight: return straight(straightPair(), 0.12);
    case ConeKind::Spiral: return spiral(spiralPair(), kCutter127);
    case ConeKind::Cycloidal: return cycloidal(cycloidalPair(), {});
    }
    return std::nullopt;
}

std::string report(ConeKind kind, const ConeGeomRecord& g) {
    switch (kind) {
    case ConeKind::Straight: return straightReport(g);
    case ConeKind::Spiral: {
        CutterRow chosen = kCutter127;
        chosen.d0 = g.d0;
        return spiralReport(g, chosen);
    }
    case ConeKind::Cycloidal: return aol::cycloidalReport(g, rb49(), g.cutterBand);
    }
    return {};
}

// ---- the saved way ----

void setSlot(ConeGeomRecord& g, unsigned slot, Value v) {
    double* doubles[] = {&g.cStar, &g.haStar, &g.mt, &g.x1, &g.x2, &g.xt2, &g.xt1, &g.rTau, &g.zv2, &g.zv1,
                         &g.epsAlpha, &g.sBar2, &g.sBar1, &g.s2, &g.s1, &g.ak2, &g.ak1, &g.da2, &g.da1, &g.h,
                         &g.hf2, &g.hf1, &g.ha2, &g.ha1, &g.b, &g.r, &g.d2, &g.d1, &g.rf, &g.phiR, &g.hBar2,
                         &g.hBar1, &g.zp, &g.dThetaF, &g.epsBeta, &g.tilt, &g.d0, &g.mp, &g.ri, &g.rp,
                         &g.deltaF2.deg, &g.deltaF1.deg, &g.thetaF2.deg, &g.thetaF1.deg, &g.deltaA2.deg,
                         &g.deltaA1.deg, &g.thetaA2.deg, &g.thetaA1.deg, &g.delta2.deg, &g.delta1.deg,
                         &g.betaInner.deg, &g.betaOuter.deg, &g.betaP0.deg, &g.betaP.deg, &g.thetaA1.min,
                         &g.deltaF1.sec};
    std::int32_t* ints[] = {&g.alphaDeg, &g.alphaMin, &g.alphaSec, &g.betaDeg, &g.betaMin, &g.betaSec, &g.z1,
                            &g.z2, &g.taper, &g.cutterChoice, &g.cutterRow, &g.cutterBand};
    constexpr unsigned nd = std::size(doubles), ni = std::size(ints);
    slot %= nd + ni;
    if (slot < nd)
        *doubles[slot] = v.d;
    else
        *ints[slot - nd] = v.n;
}

void saved(ConeKind kind, const std::uint8_t* data, std::size_t size) {
    auto g0 = sound(kind);
    FUZZ_CHECK(g0.has_value());
    const ConePreRecord pre = preRecordForSave(zeroConePreRecord(), *g0);
    ConeGeomRecord g = *g0;
    for (std::size_t at = 1; at + 9 <= size; at += 9) setSlot(g, data[at], valueAt(data + at + 1));
    auto loaded = loadConeDesign(coneGeomFileBytes(pre, g, kTime), ConeLoad::Saved, kind);
    if (!loaded) {
        const std::string& e = loaded.error().message;
        // The message first, or a value out of its range named first.
        FUZZ_CHECK(e.rfind(kMsgConeGeomNotGeometry, 0) == 0 || e.ends_with(std::string("\n") + kavrin::kMsgRecordNotLoaded) ||
                   e.find("不宜用此方法计算") != std::string::npos);
        FUZZ_CHECK(!checkConeGeomRecord(g, kind).has_value() || e.find("不宜用此方法计算") != std::string::npos);
        return;
    }
    const std::string text = report(kind, loaded->geom);
    printable(text);
}

// ---- the calculated way ----

void calculated(ConeKind kind, const std::uint8_t* data, std::size_t size) {
    namespace q = cone_geom;
    StraightInput st = straightPair();
    double rf = 0.12;
    SpiralInput sp = spiralPair();
    CutterRow cutter = kCutter127;
    aol::Inputs cy = cycloidalPair();
    CycloidalChoice choice;
    for (std::size_t at = 1; at + 9 <= size; at += 9) {
        const Value v = valueAt(data + at + 1);
        const double d = v.d;
        const auto whole = static_cast<std::uint32_t>(v.n);
        switch (data[at] % 16) {
        case 0:
            if (takes(q::kZ1, whole)) st.z1 = whole, sp.z1 = static_cast<int>(whole), cy.z1 = static_cast<int>(whole);
            break;
        case 1:
            if (takes(q::kZ2, whole)) st.z2 = whole, sp.z2 = static_cast<int>(whole), cy.z2 = static_cast<int>(whole);
            break;
        case 2:
            if (takes(q::kMt, d)) st.m = d, sp.m = d, cy.mt = d;
            break;
        case 3:
            if (takes(q::kHaStar, d)) st.haStar = d, sp.haStar = d, cy.haStar = d;
            break;
        case 4:
            if (takes(q::kCStar, d)) st.cStar = d, sp.cStar = d;
            break;
        case 5:
            if (takes(q::kX1, d)) st.x1 = d, st.x2 = -d, sp.x1 = d, sp.x2 = -d;
            break;
        case 6:
            if (takes(q::kXt1, d)) st.xt1 = d, st.xt2 = -d, sp.xt1 = d, sp.xt2 = -d;
            break;
        case 7:
            if (takes(q::kPhiR, d)) st.phiR = d, sp.phiR = d, cy.phiR = d;
            break;
        case 8:
            if (takes(q::kB, d)) st.b = d, st.faceWidthSet = true, sp.b = d, sp.faceWidthSet = true, cy.b = d,
                                 cy.faceWidthEdited = true;
            break;
        case 9: {
            const std::int32_t deg = static_cast<std::int32_t>(whole % 31), min = static_cast<std::int32_t>((whole >> 8) % 60);
            st.alpha = {deg, min, 0}, sp.alpha = {deg, min, 0};
            break;
        }
        case 10: {
            const std::int32_t deg = static_cast<std::int32_t>(whole % 61), min = static_cast<std::int32_t>((whole >> 8) % 60);
            st.beta = {deg, min, 0}, sp.betaM = {deg, min, 0};
            cy.betaMDeg = deg + min / 60.0;
            break;
        }
        case 11:
            if (takes(q::kRf, d)) rf = d;
            break;
        case 12:
            if (takes(q::kD0, d)) cutter.d0 = d, cutter.band = 3;
            break;
        case 13:
            st.taper = static_cast<std::int32_t>(whole % 2), sp.taper = static_cast<std::int32_t>(1 + whole % 3);
            break;
        case 14:
            choice.group = static_cast<int>(whole % 3), choice.tilt = kConeTilts[(whole >> 8) % 3];
            break;
        default:
            if (std::isfinite(d) && d >= 0 && d < aol::kX1Max) choice.x1 = d;
            break;
        }
    }
    std::optional<ConeGeomRecord> g;
    switch (kind) {
    case ConeKind::Straight: g = straight(st, rf); break;
    case ConeKind::Spiral:
        if (smallModuleWithLargeHelix(sp)) return;  // the fields refuse the pair
        g = spiral(sp, cutter);
        break;
    case ConeKind::Cycloidal:
        if (!(cy.betaMDeg > 0)) return;
        g = cycloidal(cy, choice);
        break;
    }
    if (!g) return;
    // The dialog shows and saves only what the record check accepts.
    if (!checkConeGeomRecord(*g, kind)) return;
    const std::string text = report(kind, *g);
    printable(text);
    const ConePreRecord pre = preRecordForSave(zeroConePreRecord(), *g);
    FUZZ_CHECK(checkConeGeomSave(kind, pre, *g).has_value());
    auto again = loadConeDesign(coneGeomFileBytes(pre, *g, kTime), ConeLoad::Saved, kind);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(writeConeGeomRecord(again->geom) == writeConeGeomRecord(*g));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto kind = static_cast<ConeKind>(data[0] % 3);
    if (data[0] & 4)
        calculated(kind, data, size);
    else
        saved(kind, data, size);
    return 0;
}
