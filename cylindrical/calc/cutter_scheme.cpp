#include "cylindrical/calc/cutter_scheme.h"

namespace cylindrical {

double cutterReferenceDiameter(int z0, double m) { return z0 * m; }

double cutterTipDiameter(double d0, double ha0, double x0, double m) {
    return d0 + 2 * (ha0 + x0) * m;
}

ShapedGears shapedGears(int mode, const CutterScheme& s) {
    switch (mode) {
    case kCutModeInternalPair:
        return {.byCutter1 = s.pinionHobbed == 0, .byCutter2 = true};
    case kCutModeSingleExternal:
        return {.byCutter1 = true, .byCutter2 = false};
    case kCutModeSingleInternal:
        return {.byCutter1 = false, .byCutter2 = true};
    default:
        return {.byCutter1 = s.pinionHobbed == 0, .byCutter2 = s.gearHobbed == 0};
    }
}

CutterOk cutterOkRule(int mode, const CutterScheme& s) {
    bool usable1 = cutterUsable(s.cutter1);
    bool usable2 = cutterUsable(s.cutter2);
    if (!usable1 && !usable2) return CutterOk::Cancel;
    ShapedGears shaped = shapedGears(mode, s);
    if ((shaped.byCutter1 && !usable1) || (shaped.byCutter2 && !usable2)) return CutterOk::StayOpen;
    return CutterOk::Accept;
}

void markHobbed(CutterScheme& s) {
    s.pinionHobbed = 1;
    s.gearHobbed = 1;
}

}  // namespace cylindrical
