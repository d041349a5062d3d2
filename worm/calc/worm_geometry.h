// Geometry of a cylindrical worm pair from its preliminary record: the start
// values of a loaded design, the working centre distance and the worm-gear
// profile shift it sets, the worm-gear values, the contact ratio, and the
// report of the ordinary pair (ZA, ZN, ZI, ZK). The arc-worm pairs use the
// shared functions too. State: a CwGeomRecord.
#pragma once
#include <string>

#include "fw/expected.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_records.h"

namespace worm::geometry {

// Boundary tests of the centre distance take values within this of a bound
// as on it (2a'/m − Z2 − q is not exact in double precision).
constexpr double kTolerance = 1e-9;
constexpr double kClearance = 0.2;   // C*, tip clearance coefficient

double toRadians(double deg);
double toDegrees(double rad);
bool within(double v, double lower, double upper);   // with kTolerance

// εa = [½·√(da2² − (d2·cos αx)²) + (1 − x2)·ms/sin αx − ½·d2·sin αx] / (π·ms·cos αx)
double contactRatio(double da2, double d2, double alphaXDeg, double x2, double ms);
// x = (2·a'/m − Z2 − q)/2
double shiftAt(double aw, double m, std::int32_t z2, double q);

// ---- the ordinary pair ----
inline constexpr const char* kMsgZcDesign =
    "所用的预定数据是圆弧圆柱蜗杆形式，\n请用“圆弧圆柱蜗杆几何计算”程序项进行！";
inline constexpr const char* kMsgLeadAngle = "蜗杆导程角不合适，请回到预定计算重新设计！";
// Our text: the face angle θ = 2·asin(b2/da1) needs b2 ≤ da1.
inline constexpr const char* kMsgFaceWidth = "蜗轮齿宽大于蜗杆齿顶圆直径，请回到预定计算重新设计！";
inline constexpr const char* kMsgCentreUnfit = "中心距调整不合适！";
inline constexpr const char* kMsgCentreTooFar = "中心距调整太大，重新调整或在预定计算中更改！";
inline constexpr const char* kMsgDe2Small = "蜗轮外圆太小！不要把外园过多调整，\n可执行计算得到外园直径。";
inline constexpr const char* kMsgDe2Large = "蜗轮外圆太大！不要把外园过多调整，\n可执行计算得到外园直径。";
inline constexpr const char* kNoteStart = "装入预定数据！如果未预定计算，请执行“预定计算”项";
inline constexpr const char* kNoteCalculate = "点击“执行计算”钮完成计算。";
inline constexpr const char* kNoteDone = "查看计算结果，注意保存数据！";
std::string noteLoaded(double m);        // "调整中心距:最少增加%.2fmm,最多不超过%.2fmm。"
std::string noteCentre(double m);        // "中心距至少加大%.2fmm，最大不超过%.2fmm。"
std::string noteAdvise(double m);        // "建议中心距调整小于%.2f,最大不要超过%.2f"

// Type text of the ordinary calculator: "阿基米德圆柱蜗杆(ZA)", ...
const char* ordinaryTypeText(WormType t);
const char* handText(std::int32_t hand);  // 0 "右", 1 "左"

// The start values of a loaded design (type rules, pressure angles, face
// widths, diameters, heights, pitches, θ, Sn, hcn1, εa; ZI base values).
// Refusals: a ZC design, γ above 45° (ZN, ZI, ZK), b2 above da1, and a
// start value the record's check refuses (resultRefusal).
fw::Expected<CwGeomRecord, Refusal> ordinaryStart(const CwPreRecord& pre);

// The centre distance field: is a' within ±0.5 of the unshifted one in x?
bool centreAccepted(const CwGeomRecord& g, double aw);

// The calculation's centre check: |a − a'| above m is refused; from 0.5·m
// on it is advised against.
enum class CentreStep { Fine, Advise, TooFar };
CentreStep centreStep(const CwGeomRecord& g);
// x2 from a', then d'1, γ', and the worm-gear values with it; εa. A result
// the record's check refuses (not finite, a length not above zero) stops
// the calculation with its text and leaves `g` as it was.
fw::Expected<void, std::string> calculateOrdinary(CwGeomRecord& g);

// An edited value of the record (θ, ρf, de2, b1) is taken only when the
// record with it passes the record's check: nullopt, or the refusal to show
// ("<field><rule>！").
std::optional<std::string> editRefusal(const CwGeomRecord& edited, bool calculated);

// The outside diameter de2 must lie strictly between these.
struct Bounds {
    double lower, upper;
};
Bounds outsideDiameterBounds(const CwGeomRecord& g);

// The report section of the ordinary calculator (UTF-8, "\n" line ends).
std::string ordinaryReport(const CwGeomRecord& g);

// A report value line: label padded to `symbolColumn`, the value from
// `valueColumn` (code page 936 columns after the tab), however wide the
// label; at least one blank between the parts.
std::string reportLine(const std::string& label, const std::string& symbol, const std::string& value,
                       std::size_t symbolColumn, std::size_t valueColumn);

}  // namespace worm::geometry
