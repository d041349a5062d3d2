// The one range of every quantity a measurement record (CyMeasureRecord,
// all three kinds) stores, written once. The single and pair dialogs' fields
// check what is typed against these entries, the record check reads them on
// every load and before every save (measure_record_check.h), and the trials
// refuse a result outside its entry (singleResultFault, pairResultFault).
//
// The fields' own ranges hold where the dialogs have one, with their own
// messages: mn above 0 ("模数必须大于零！") and at most 100 mm ("模数不应大于
// 100mm！"), Z 1 to 100000, ha* 0.68 to 1.1, c* 0.15 to 0.45, αn 14° to 30°,
// β 0..59°, 0..59′, 0..59.9999999999″, the span deviations 0 to 10 mm, the
// pin 1.6 to 1.9·mn (1.4 to 1.7·mn on an internal gear). The module's lower
// end, the profile shifts (each gear), their sum and the computed lengths
// take the common bounds (common/calc/common_bounds.h). Every other bound
// is one no real measured gear passes:
// - a measured tip diameter or working centre distance up to a tenth of the
//   longest computed length (so that every size computed from it stays
//   inside); a dedendum, which a large shift makes negative, within ± the
//   longest length; the transverse module up to twice the largest module
//   (mn / cos β with β below 60°);
// - yt ±5;
// - a span or pin deviation of 0 means none; one that is given is at least
//   1e-6 mm (a nanometre); a pin deviation at most 1000 mm;
// - the transverse pressure angle 10° to 60° (αn 14° to 30° with β below
//   60° gives 14° to 49.2°), a tip or working pressure angle 0.001° to 89.999°;
// - the virtual tooth count 1 to 10⁶ (Z / cos³β), the span tooth count 1 to
//   100000 (and below Z), the contact ratio 0.001 to 100.
#pragma once
#include <string_view>

#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace measurement::measure_q {

using kavrin::Quantity;
namespace bound = kavrin::bounds;

// ---- results the records hold: lengths ----
inline constexpr double kLengthMin = bound::kLength.lower;
inline constexpr double kLengthMax = bound::kLength.upper;
constexpr Quantity length(std::string_view name) { return {name, "mm", {kLengthMin, kLengthMax}}; }

// ---- inputs: what the fields take ----
inline constexpr Quantity kMn{"法面模数 mn", "mm", bound::kModule};
// A measured diameter or centre distance: a tenth of the longest length.
inline constexpr fw::Bounds kMeasuredLength{kLengthMin, kLengthMax / 10};
inline constexpr Quantity kZ{"齿数 Z", "", {1, 100000}};
inline constexpr Quantity kZ1{"齿数 Z1", "", {1, 100000}};
inline constexpr Quantity kZ2{"齿数 Z2", "", {1, 100000}};
inline constexpr Quantity kDa{"几何参数（测量值或估算值） 齿顶圆直径 da", "mm", kMeasuredLength};
inline constexpr Quantity kDa1{"齿顶圆直径 da1", "mm", kMeasuredLength};
inline constexpr Quantity kDa2{"齿顶圆直径 da2", "mm", kMeasuredLength};
inline constexpr Quantity kAw{"啮合中心距 a'", "mm", kMeasuredLength};
inline constexpr Quantity kXn{"法向变位系数 xn", "", bound::kShift};
inline constexpr Quantity kXn1{"变位系数 xn1", "", bound::kShift};
inline constexpr Quantity kXn2{"变位系数 xn2", "", bound::kShift};
inline constexpr Quantity kHaStar{"齿顶高系数 ha*", "", {0.68, 1.1}};
inline constexpr Quantity kCStar{"齿顶隙系数 c*", "", {0.15, 0.45}};
inline constexpr Quantity kAlphaN{"刀具压力角 αn", "°", {14, 30}};
inline constexpr Quantity kBetaDeg{"β 度", "°", {0, 59}};
inline constexpr Quantity kBetaMin{"β 分", "′", {0, 59}};
inline constexpr Quantity kBetaSec{"β 秒", "″", {0, 59.9999999999}};
// Span deviations, entered as magnitudes; 0 is none.
inline constexpr Quantity kDWs{"上偏差 ΔWs", "mm", {1e-6, 10, true}};
inline constexpr Quantity kDWi{"下偏差 ΔWi", "mm", {1e-6, 10, true}};
// The pin: its own rule (pinRefusal, pairPinRefusal) ties it to mn; these
// are the ends that rule reaches with mn in its range.
inline constexpr Quantity kDp{"量棒直径dp", "mm", {1.4 * kMn.lower(), 1.9 * kMn.upper()}};

// ---- results the records hold ----
inline constexpr Quantity kMt{"端面模数mt", "mm", {kMn.lower(), 2 * kMn.upper()}};
// The tip diameter as computed (the single gear's da field shows it after a trial).
inline constexpr Quantity kDaCalc{"齿顶圆直径da", "mm", kDa.bounds};
inline constexpr Quantity kD = length("分度圆直径d");
inline constexpr Quantity kHa = length("齿顶高ha");
// A dedendum may fall below zero (a shift above ha* + c*): signed.
inline constexpr Quantity kHf{"齿根高hf", "mm", {-kLengthMax, kLengthMax}};
inline constexpr Quantity kDf = length("齿根圆直径df");
inline constexpr Quantity kDb = length("基圆直径db");
inline constexpr Quantity kW = length("公法线长度W");
inline constexpr Quantity kSc = length("固定弦齿厚Sc");
inline constexpr Quantity kHc = length("固定弦齿高hc");
inline constexpr Quantity kMp = length("跨棒距Mp");
inline constexpr Quantity kA = length("未变位中心距a");
inline constexpr Quantity kZv{"当量齿数Zv", "", {1, 1e6}};
inline constexpr Quantity kKw{"跨测齿数Kw", "", {1, 100000}};
inline constexpr Quantity kAlphaT{"端面压力角αt", "°", {10, 60}};
inline constexpr Quantity kAlphaAt{"齿顶压力角αat", "°", {0.001, 89.999}};
inline constexpr Quantity kAlphaW{"啮合角α'", "°", {0.001, 89.999}};
inline constexpr Quantity kDMs{"跨棒距上偏差ΔMs", "mm", {1e-6, 1000, true}};
inline constexpr Quantity kDMi{"跨棒距下偏差ΔMi", "mm", {1e-6, 1000, true}};
inline constexpr Quantity kXnSum{"总变位系数χnΣ", "", bound::kShiftSum};
inline constexpr Quantity kYt{"中心距变动系数yt", "", {-5, 5}};
inline constexpr Quantity kEpsilon{"重合度ε", "", {0.001, 100}};

// The pair's columns of gear 1 and gear 2, named as the pair dialog shows them.
struct GearQuantities {
    Quantity d, ha, hf, da, df, db, dw, zv, alphaAt, xn, kw, w, sc, hc, mp, dMs, dMi, dWs, dWi;
};
inline constexpr GearQuantities kGear[2] = {
    {length("小齿轮分度圆直径d1"), length("小齿轮齿顶高ha1"), {"小齿轮齿根高hf1", "mm", kHf.bounds},
     {"小齿轮齿顶圆直径da1", "mm", kDa1.bounds},
     length("小齿轮齿根圆直径df1"), length("小齿轮基圆直径db1"), length("小齿轮节圆直径d1'"),
     {"小齿轮当量齿数Zv1", "", kZv.bounds}, {"小齿轮齿顶压力角αat1", "°", kAlphaAt.bounds}, kXn1,
     {"小齿轮跨测齿数Kw1", "", kKw.bounds}, length("小齿轮公法线长度W1"), length("小齿轮固定弦齿厚Sc1"),
     length("小齿轮固定弦齿高hc1"), length("小齿轮跨棒距Mp1"), {"小齿轮跨棒距上偏差ΔM1s", "mm", kDMs.bounds},
     {"小齿轮跨棒距下偏差ΔM1i", "mm", kDMi.bounds}, {"ΔWs1", "mm", kDWs.bounds},
     {"ΔWi1", "mm", kDWi.bounds}},
    {length("大齿轮分度圆直径d2"), length("大齿轮齿顶高ha2"), {"大齿轮齿根高hf2", "mm", kHf.bounds},
     {"大齿轮齿顶圆直径da2", "mm", kDa2.bounds},
     length("大齿轮齿根圆直径df2"), length("大齿轮基圆直径db2"), length("大齿轮节圆直径d2'"),
     {"大齿轮当量齿数Zv2", "", kZv.bounds}, {"大齿轮齿顶压力角αat2", "°", kAlphaAt.bounds}, kXn2,
     {"大齿轮跨测齿数Kw2", "", kKw.bounds}, length("大齿轮公法线长度W2"), length("大齿轮固定弦齿厚Sc2"),
     length("大齿轮固定弦齿高hc2"), length("大齿轮跨棒距Mp2"), {"大齿轮跨棒距上偏差ΔM2s", "mm", kDMs.bounds},
     {"大齿轮跨棒距下偏差ΔM2i", "mm", kDMi.bounds}, {"ΔWs2", "mm", kDWs.bounds},
     {"ΔWi2", "mm", kDWi.bounds}},
};

}  // namespace measurement::measure_q
