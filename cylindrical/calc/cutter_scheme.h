// The shaper-cutter scheme of one cutting and interference check, and the
// rules of the cutter dialog that need no window: the cutter's diameters,
// the field refusals and what OK does in each of the four modes.
#pragma once
#include <cstdint>

namespace cylindrical {

// Cutter dialog modes: a designed or measured pair (external, internal) and
// a single measured gear (external, internal).
constexpr int kCutModeExternalPair = 0;
constexpr int kCutModeInternalPair = 1;
constexpr int kCutModeSingleExternal = 2;
constexpr int kCutModeSingleInternal = 3;

// Refusals of the cutter dialog (information icon).
inline constexpr const char* kMsgCutterTeethPositive = "齿数必须是大于0的整数";
inline constexpr const char* kMsgCutterAddendumPositive = "齿顶高系数必须是大于0.0，一般为1.25";
inline constexpr const char* kMsgNoValidCutter = "未选定刀具有效参数！";

// One shaper cutter; the module is the pair's normal module.
struct Cutter {
    std::int32_t z0 = 0;  // teeth
    double d0 = 0;        // reference diameter, mm
    double da0 = 0;       // tip diameter, mm
    double ha0 = 0;       // addendum coefficient ha0*
    double x0 = 0;        // profile shift coefficient
    friend bool operator==(const Cutter&, const Cutter&) = default;
};

// Cutter 1 cuts the pinion (or the single external gear), cutter 2 the gear
// (or the internal gear). The flags are 0 or 1.
struct CutterScheme {
    std::int32_t pinionHobbed = 0;
    std::int32_t gearHobbed = 0;
    std::int32_t sameCutter = 0;
    Cutter cutter1;
    Cutter cutter2;
    friend bool operator==(const CutterScheme&, const CutterScheme&) = default;
};

// d0 = z0·m.
double cutterReferenceDiameter(int z0, double m);
// da0 = d0 + 2·(ha0* + x0)·m.
double cutterTipDiameter(double d0, double ha0, double x0, double m);

// Field rules: a tooth count of 0 is refused (kMsgCutterTeethPositive), an
// addendum coefficient ≤ 0 too (kMsgCutterAddendumPositive); the field then
// gets its previous value back.
constexpr bool acceptCutterTeeth(int z0) { return z0 != 0; }
constexpr bool acceptCutterAddendum(double ha0) { return ha0 > 0; }

// A cutter the check can use: z0 > 0 and ha0* > 0.
constexpr bool cutterUsable(const Cutter& c) { return c.z0 > 0 && c.ha0 > 0; }

// Which gears of the mode are shaped, so need a usable cutter: in a pair a
// gear not ticked hobbed (the internal gear always); a single gear always.
// An unknown mode is taken as an external pair.
struct ShapedGears {
    bool byCutter1 = false;
    bool byCutter2 = false;
};
ShapedGears shapedGears(int mode, const CutterScheme& s);

// What OK does: accept when every shaped gear has a usable cutter (and at
// least one cutter is usable); with no usable cutter at all show
// kMsgNoValidCutter and end as cancelled; with a shaped gear whose cutter is
// not usable while another is, show kMsgNoValidCutter and stay open.
enum class CutterOk { Accept, StayOpen, Cancel };
CutterOk cutterOkRule(int mode, const CutterScheme& s);

// Cancel (and an OK that counts as cancelled): both gears hobbed.
void markHobbed(CutterScheme& s);

}  // namespace cylindrical
