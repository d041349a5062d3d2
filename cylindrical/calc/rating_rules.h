// The enabling rules of the strength rating dialog as pure functions of its
// state: which force, factor and stress buttons are open, and the bending
// mask a fresh rating starts from.
#pragma once
#include <cstdint>

#include "cylindrical/calc/cy_geom_record.h"

namespace cylindrical {

// Helix angles above this (degrees) are refused; a pair at or below it with
// β > 0 is helical.
inline constexpr double kMaxHelixAngleDeg = kMaxHelixDeg;

// β typed into its field: helical for 0 < β ≤ 60 (finite); anything else is
// taken as a spur pair, and only β > 60 earns the "too large" hint.
struct HelixChoice {
    bool helical = false;
    bool tooLarge = false;
};
HelixChoice helixChoice(double betaDeg);

// The four force buttons: open once every input of the pair and its load is
// given; Fx only for a helical pair (β ≠ 0).
struct ForceButtons {
    bool ft = false, fr = false, fx = false, fn = false;
};
ForceButtons forceButtons(bool inputsComplete, double betaDeg);

// The factor buttons: open once Ft, Fr and Fn are there, and Fx too for a
// helical pair; Yβ only with β ≠ 0.
struct Forces {
    double ft = 0, fr = 0, fx = 0, fn = 0;
};
struct FactorButtons {
    bool factors = false;
    bool yBeta = false;
};
FactorButtons factorButtons(const Forces& f, bool helical, double betaDeg);

// The stress buttons of one group: "计算应力" opens when the group's mask is
// complete; while it is not, all three stay closed (the permissible stress
// and the safety factor open one after the other as they are computed).
struct StressButtons {
    bool stress = false;
    bool closeAll = true;
};
StressButtons contactStressButtons(std::uint16_t contactMask);
StressButtons bendingStressButtons(std::uint16_t bendingMask);

// The bending mask a reset starts from: a spur pair needs no Yβ (it is 1).
std::uint16_t initialBendingMask(double betaDeg, bool helical);

// "保存返回" writes a rating only: it is refused while neither safety factor
// is calculated, and while a group whose results an input change cleared
// has not been calculated again (its report lines would not belong to the
// inputs printed beside them). Wording ours.
inline constexpr const char* kMsgNothingRated = "尚未计算安全系数，请先完成接触强度或弯曲强度校核，再保存报告！";
inline constexpr const char* kMsgContactCleared = "接触强度的计算依据已改变，请重新计算至接触强度安全系数 Sh！";
inline constexpr const char* kMsgBendingCleared = "弯曲强度的计算依据已改变，请重新计算至弯曲强度安全系数 Sw！";
struct StageState {
    bool rated = false;    // the safety factor stands
    bool cleared = false;  // results were cleared by an input change and not yet calculated again
};
// nullptr when the report may be written, otherwise the refusal.
const char* reportRefusal(const StageState& contact, const StageState& bending);

}  // namespace cylindrical
