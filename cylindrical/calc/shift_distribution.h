// The pair correction page of the geometry sheet: the basic data of the pair,
// the standard and working centre distance, the working pressure angle, the
// centre-distance modification coefficients and the profile shifts with
// their split between pinion and gear.
//
// Each rule takes the page's values and returns them updated together with
// what the page shows; a refused rule returns the values it was given.
#pragma once
#include <optional>
#include <string>

#include "common/calc/angle_split.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/preliminary.h"

namespace cylindrical {

// Texts of the result line (control 1035) and the warning box.
inline constexpr const char* kMsgTeethOrder = "Z1为小齿轮齿数，应小于或等于Z2，\n且齿数与模数不应为零！";
inline constexpr const char* kMsgUpdateShifts = "请操作“更新设计数据”钮，\n以重新确定修正值";
inline constexpr const char* kMsgBasicsFirst = "请先确定基本参数，再调整中心距！";
inline constexpr const char* kMsgCheckShifts = "请操作“检验数据”钮，\n以检验修正值";
inline constexpr const char* kMsgCheckResult = "请操作“检验数据”钮，\n以检验修正结果";
inline constexpr const char* kMsgLoadPreliminary = "请先装入预定计算数据！";
inline constexpr const char* kMsgOverCorrection = " 中心距过修正，将造成严重齿廓干涉！";
inline constexpr const char* kCaptionWarning = "KAVRIN 警告";
// The design centre distance itself is wrong (wording ours).
inline constexpr const char* kMsgCentreDistancePositive = "设计给定中心距 a 必须大于零！";

// |Σx| below the threshold counts as 0: "更新设计数据" and the mesh radios
// use the fine one, a change of the design centre distance the coarse one.
constexpr double kSumXZeroButton = 1e-6;
constexpr double kSumXZeroCentre = 1e-4;

constexpr double kTwentyDegRad = 0.3490658503988659;

// Ratio class 0 to 4 by u = Z2/Z1 (bands 1–1.2, –1.6, –2.2, –3.0, above);
// nullopt unless Z1 ≠ 0 and Z2 ≥ Z1 and u ≥ 1 (the class then keeps its
// previous value).
std::optional<int> ratioClass(int z1, int z2);

// xn1 = C2·Σx + C1 by ratio class; a class outside 0..4 uses its nearest row.
struct ShiftSplit {
    double c1 = 0;
    double c2 = 0;
};
ShiftSplit shiftSplit(int ratioClass);

// ad = (Z1 + Z2)·mt/2 external, (Z2 − Z1)·mt/2 internal.
double standardCentreDistance(int z1, int z2, double mt, MeshType mesh);

// αt = atan(tan αn / cos β), radians.
double transversePressureAngle(double alphaNRad, double betaRad);

// Whole degrees, minutes and seconds of an angle by truncation.
kavrin::AngleTriple truncateToTriple(double degrees);

// The values of the page (lengths in mm).
struct PairState {
    int z1 = 0;
    int z2 = 0;
    kavrin::AngleTriple beta;
    double betaRad = 0;
    double zv1 = 0;
    double zv2 = 0;
    double mn = 0;
    double mt = 0;
    kavrin::AngleTriple alphaN{20, 0, 0};
    double alphaNRad = kTwentyDegRad;
    kavrin::AngleTriple alphaT{20, 0, 0};
    double alphaTRad = kTwentyDegRad;
    double haStar = 1.0;
    double ad = 0;
    double a = 0;
    double yn = 0;
    double yt = 0;
    double alphaWtRad = kTwentyDegRad;
    double alphaWtDeg = 20.0;
    double sumX = 0;
    double xn1 = 0;
    double xn2 = 0;
    MeshType meshType = MeshType::External;
    int ratioClass = 0;
};

// What a rule leaves behind.
struct PairUpdate {
    PairState state;
    std::optional<std::string> resultText;  // for control 1035: "" clears it, nullopt leaves it
    std::optional<std::string> warning;     // a message box with kCaptionWarning
    bool shiftsChanged = false;             // shifts reset or distributed again: a past check is stale
    // The value that started the rule is not taken: the page keeps its
    // previous values and shows that value again in its field.
    bool refused = false;
};

enum class GearSide { Pinion, Gear };

// Z1 (Pinion) or Z2 (Gear) changed: that gear's Zv, then the tooth-count rule.
PairUpdate teethChanged(const PairState& s, GearSide changed);
// β changed (also after loading a preliminary design). |β| above 60° is
// refused (kMsgHelixTooLarge).
PairUpdate helixChanged(const PairState& s);
// αn changed: αt and the working pressure angle. An αn of 0° or above 30° is
// refused (kMsgPressureAngleRange).
PairUpdate pressureAngleChanged(const PairState& s);
// mn left its field.
PairUpdate moduleChanged(const PairState& s);
// "外啮合" / "内啮合" clicked: then the distribution with kSumXZeroButton.
PairUpdate externalMeshChosen(const PairState& s);
PairUpdate internalMeshChosen(const PairState& s);
// "更新设计数据" (threshold kSumXZeroButton). Refused without basic data
// (kMsgBasicsFirst), for a ≤ 0 (kMsgCentreDistancePositive), for a too
// small (the over-correction warning) and for a so large that αwt reaches
// 90° (kMsgCentreDistanceTooLarge).
PairUpdate distribute(const PairState& s, double zeroThreshold = kSumXZeroButton);
// a left its field (threshold kSumXZeroCentre).
PairUpdate centreDistanceChanged(const PairState& s);
// xn1 / xn2 typed by hand: the other shift from Σx.
PairUpdate pinionShiftEdited(const PairState& s);
PairUpdate gearShiftEdited(const PairState& s);

// The test of leaving the page: Z1, Z2, mn and ad all non-zero; otherwise
// the page shows kMsgLoadPreliminary and stays.
bool pairComplete(const PairState& s);
// Every real value of the pair finite (what the page may show and store).
bool finitePair(const PairState& s);
// nullopt when every value the page stores lies inside its quantity's range
// (cy_geom_ranges.h); otherwise kMsgCalcError for a value that is not
// finite, or the result refusal naming the first value outside its range.
std::optional<std::string> pairRangeFault(const PairState& s);

}  // namespace cylindrical
