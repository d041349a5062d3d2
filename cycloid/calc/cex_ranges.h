// The quantities the cycloid design record (CexDesignRecord) stores, block by
// block, each with its one range; and the quantities of the custom
// tooth-profile designer's fields. The wizard's fields check a typed value
// against these entries (after the page's own rule, whose message still comes
// for the values it refuses), the pages refuse a value they would derive
// outside them, the calculations refuse a result outside them, and
// checkRecord checks every record that is loaded or about to be saved
// against them: a value is taken in all those places or in none.
//
// Ranges of the calculator itself:
// - Zc 9 to 999 and Zp 10 to 1000 (page 1; the upper end is the wizard's
//   own), i = Zc;
// - η 0.8 to 0.99 as typed (page 1's messages below and above). A stored η
//   outside that range is what page 1 replaces by 0.95 when it loads a
//   design, so the slot itself takes up to 2;
// - a 0.65 to 13 mm for the eccentricity page 1's field and button set (they
//   bring other values to these ends); a = K1·Rp/Zp from the K1 and Rp
//   buttons may lie outside it, so the slot takes 0.01 to 1000 mm;
// - the preset radial clearance Δj of page 2: above 0.02 and at most 1 mm;
// - page 3: ΔR above 0 and below 1 mm, ΔfEs above −1 and below 0 mm, Δj typed
//   0 to below 1 mm, δ typed 0 to below 1°; the tolerance grade IT5 to IT8;
// - the designer's δ, Δrrp and Δrp 0 to 1, Zc 5 to 121, Zp 6 to 122.
//
// The power, the speed, the torque and the lengths take the common bounds
// (common/calc/common_bounds.h): diameters, widths and spans the common
// lengths, radii up to half the longest (so that a diameter of twice a
// radius stays inside), the disc width bc up to a tenth of it (so that the
// pin span of 3.5 or 4·bc page 2 proposes stays inside). Our own choices,
// bounds no real cycloid drive passes:
// - forces up to 1e9 N;
// - K1 0.01 to 1 (a short-amplitude epicycloid has K1 ≤ 1), K2 0.01 to 100,
//   K'1 0.01 to 10;
// - clearances: Δc 0.0001 to 10 mm, the radial clearance of page 3 up to 2 mm
//   (what |ΔfEs|/2 + 0.02 + ΔR can give), Δwl and Δpt 0.001 to 1 mm, the
//   pin-hole deviations −1 to 1 mm, δ up to 10° from the button;
// - the modifications Δrrp and Δrp at most a pin-sleeve radius (Δrp = Δrrp −
//   Δj may be negative), the mean gap Δs up to 100 mm, deformations up to
//   100 mm;
// - the measuring point: φ 0 to 180°, the normal's slope −1e6 to 1e6,
//   coordinates within ± the longest radius, the modified disc's diameters
//   within ± the longest diameter (page 5 stores block 2's less block 4's Δj,
//   whatever their state);
// - material: μ 0.01 to 0.5, E 100 to 1e7 MPa, permissible stresses 1 to
//   10000 MPa, Kw 0.1 to 10; results: stresses up to 1e6 MPa, safety
//   factors up to 1e6, the pins' bending angle up to 90°.
// 0 stands for "not given yet" in every slot a page starts at 0 (orZero);
// a complete block holds its values above zero (its completeness mask).
#pragma once
#include <bit>
#include <cstdint>
#include <initializer_list>

#include "common/calc/common_bounds.h"
#include "common/calc/quantity.h"

namespace cycloid {

// The next double above / below x (x ≠ 0): the end of a range that the
// page's rule leaves open ("above 0.02"); it prints as x itself.
constexpr double justAbove(double x) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    return std::bit_cast<double>(x > 0 ? bits + 1 : bits - 1);
}
constexpr double justBelow(double x) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    return std::bit_cast<double>(x > 0 ? bits - 1 : bits + 1);
}

namespace cex_q {

using kavrin::Quantity;

namespace bound = kavrin::bounds;

inline constexpr double kMinLength = bound::kLength.lower;     // mm
inline constexpr double kMaxDiameter = bound::kLength.upper;   // mm
inline constexpr double kMaxRadius = kMaxDiameter / 2;
inline constexpr fw::Bounds kDiameter{kMinLength, kMaxDiameter, true};
inline constexpr fw::Bounds kRadius{kMinLength, kMaxRadius, true};

// ---- Block 1: preliminary mesh parameters (page 1) ----
inline constexpr Quantity kA{"偏心距 a", "mm", {0.01, 1000, true}};
inline constexpr Quantity kBc{"齿 宽 bc", "mm", {kMinLength, kMaxDiameter / 10, true}};
inline constexpr Quantity kI{"传动比 i", "", {9, 999, true}};
inline constexpr Quantity kK1{"短幅系数 K1", "", {0.01, 1, true}};
inline constexpr Quantity kK2{"针径系数 K2", "", {0.01, 100, true}};
inline constexpr Quantity kN0{"输入转速 n0", "r/min", bound::orZero(bound::kSpeed)};
inline constexpr Quantity kEta{"预定传动效率 η", "", {0.8, 0.99}};          // typed
inline constexpr Quantity kEtaStored{"传动效率 η", "", {0.01, 2, true}};   // stored
inline constexpr Quantity kP{"功 率 p", "kW", bound::orZero(bound::kPower)};
inline constexpr Quantity kRp{"针齿圆半径Rp", "mm", kRadius};
inline constexpr Quantity kRrp{"针齿套半径Rrp", "mm", kRadius};
inline constexpr Quantity kTc{"输出扭矩 Tc", "N·m", bound::orZero(bound::kTorque)};
inline constexpr Quantity kZc{"摆线轮齿数 Zc", "", {9, 999, true}};
inline constexpr Quantity kZp{"针齿数 Zp", "", {10, 1000, true}};
// The recommendation dialogs' fields for bc and Rp, and the eccentricity
// dialog's three, under their own labels.
inline constexpr Quantity kRecommendedBc{"齿宽 bc", "mm", kBc.bounds};
inline constexpr Quantity kRecommendedRp{"针齿中心圆半径 Rp", "mm", kRp.bounds};
inline constexpr Quantity kUpperA{"标准上限偏心距", "mm", kA.bounds};
inline constexpr Quantity kComputedA{"计 算 偏 心 距", "mm", kA.bounds};
inline constexpr Quantity kLowerA{"标准下限偏心距", "mm", kA.bounds};
// The a field and a button keep a within 0.65 to 13 mm (kMinEccentricity,
// kMaxEccentricity of cex_preliminary.h).

// ---- Block 2: transmission parts (page 2) ----
inline constexpr Quantity kDac{"齿顶圆直径 dac", "mm", kDiameter};
inline constexpr Quantity kDt{"隔离环厚度δt", "mm", kDiameter};
inline constexpr Quantity kDw{"中心圆直径 Dw", "mm", kDiameter};
inline constexpr Quantity kDfc{"齿根圆直径 dfc", "mm", kDiameter};
inline constexpr Quantity kDi{"轴承孔内径Di", "mm", kDiameter};
inline constexpr Quantity kDp{"针齿圆直径 dp", "mm", kDiameter};
inline constexpr Quantity kDrp{"针齿套外径 drp", "mm", kDiameter};
inline constexpr Quantity kDrw{"柱销套外径drw", "mm", kDiameter};
inline constexpr Quantity kDsp{"针齿销直径 dsp", "mm", kDiameter};
inline constexpr Quantity kDsw{"柱销直径 dsw", "mm", kDiameter};
inline constexpr Quantity kEIdw{"柱销孔下偏差 EI_dw", "mm", {-1, 1}};
inline constexpr Quantity kESdw{"柱销孔上偏差 ES_dw", "mm", {-1, 1}};
inline constexpr Quantity kPresetDj{"预定径向间隙 Δj", "mm", {justAbove(0.02), 1, true}};
inline constexpr Quantity kDwHole{"柱销孔直径 dw", "mm", kDiameter};
inline constexpr Quantity kL{"支点跨距 L", "mm", kDiameter};
inline constexpr Quantity kKw{"弯曲负载影响系数 Kw", "", {0.1, 10, true}};
// The permissible bending stress of the material dialog: σflim of the output
// pins (block 2) and σFp of the pins (block 6) take the same field.
inline constexpr fw::Bounds kStrength{1, 10000, true};   // MPa
inline constexpr Quantity kSigmaFlim{"柱销抗弯疲劳强度 σflim", "MPa", kStrength};
inline constexpr Quantity kSafety{"安全系数", "", {0, 1e6}};
inline constexpr Quantity kSf{"柱销弯曲安全系数 Sf", "", kSafety.bounds};
inline constexpr Quantity kEpsMax{"柱销最大变形量 εmax", "mm", {0, 100}};
inline constexpr Quantity kQmax{"柱销最大受力 Qmax", "N", {0, 1e9}};

// ---- Block 3: clearances and angular modification (page 3) ----
inline constexpr Quantity kDelta{"转角修形量 δ", "°", {0, 10}};
inline constexpr Quantity kTypedDelta{"转角修形量 δ", "°", {0, justBelow(1)}};
inline constexpr Quantity kDc{"侧间隙Δc", "mm", {0.0001, 10, true}};
inline constexpr Quantity kDfEs{"齿根圆直径上偏差 ΔfEs", "mm", {justAbove(-1), -0.001, true}};
inline constexpr Quantity kDj{"径向间隙 Δj", "mm", {0, 2}};
inline constexpr Quantity kTypedDj{"径向间隙 Δj", "mm", {0, justBelow(1)}};
inline constexpr Quantity kDwl{"销孔组作用位置度公差 Δwl", "mm", {0.001, 1, true}};
inline constexpr Quantity kDpt{"摆线齿周节差公差 Δpt", "mm", {0.001, 1, true}};
inline constexpr Quantity kDW{"销孔分布圆直径 DW", "mm", kDiameter};
inline constexpr Quantity kDR{"考虑润滑啮合间隙 ΔR", "mm", {0.001, justBelow(1), true}};
inline constexpr int kGradeCount = 5;   // "选择:", IT5 … IT8

// ---- Block 4: optimised profile modification (page 4) ----
// δ, Δc and Δj are those of block 3.
inline constexpr Quantity kDs{"修形齿廓平均差距 Δs", "mm", {0, 100}};
inline constexpr Quantity kDrpMod{"正移距修形量 Δrp", "mm", {-kMaxRadius, kMaxRadius}};
inline constexpr Quantity kDrrpMod{"正等距修形量 Δrrp", "mm", {0, kMaxRadius}};
inline constexpr Quantity kK1m{"修正短幅系数 K'1", "", {0.01, 10, true}};

// ---- Block 5: measurement over rods (page 5) ----
inline constexpr Quantity kDacMod{"修形齿顶圆直径 dac", "mm", {-kMaxDiameter, kMaxDiameter}};
inline constexpr Quantity kDfcMod{"修形齿根圆直径 dfc", "mm", {-kMaxDiameter, kMaxDiameter}};
inline constexpr Quantity kKa{"法线斜率 KA", "", {-1e6, 1e6}};
inline constexpr Quantity kLn{"测量跨距 Ln", "mm", kDiameter};
inline constexpr Quantity kN{"跨测齿数 n", "", {3, 999, true}};
inline constexpr Quantity kPhiA{"测量点 φ", "°", {0, 180}};
inline constexpr Quantity kRL{"量棒中心圆半径 RL", "mm", kRadius};
inline constexpr Quantity kRt{"量棒半径 Rt", "mm", kRadius};
inline constexpr Quantity kXa{"测点横坐标 x", "mm", {-kMaxRadius, kMaxRadius}};
inline constexpr Quantity kYa{"测点纵坐标 y", "mm", {-kMaxRadius, kMaxRadius}};
// The span's deviations, shown only (not stored): ES above −Δj and at most 0
// (the page's rule), EI below ES and not below −10 mm (ours; the table's
// largest is −0.23 mm).
inline constexpr Quantity kSpanES{"上偏差 ES", "mm", {-2, 0}};
inline constexpr Quantity kSpanEI{"下偏差 EI", "mm", {-10, 0}};

// ---- Block 6: strength check (page 6) ----
inline constexpr Quantity kDeltaMax{"最大变形量 δmax", "mm", {0, 100}};
inline constexpr Quantity kFmax{"最大作用力 fmax", "N", {0, 1e9}};
inline constexpr Quantity kZn{"啮合齿数 Zn", "", {0, 1000}};
inline constexpr Quantity kSH{"接触强度安全系数 SH", "", kSafety.bounds};
inline constexpr Quantity kSF{"弯曲强度安全系数 SF", "", kSafety.bounds};
inline constexpr Quantity kTheta{"针齿销弯曲变形转角 θ", "°", {0, 90}};
inline constexpr Quantity kSigmaF{"啮合副弯曲应力幅 σF", "MPa", {0, 1e6}};
inline constexpr Quantity kSigmaH{"啮合副接触应力幅 σH", "MPa", {0, 1e6}};
inline constexpr Quantity kSigmaFp{"许用弯曲应力 σFp", "MPa", kStrength};
inline constexpr Quantity kSigmaHp{"许用接触应力 σHp", "MPa", kStrength};
// Page 6's output torque field: block 1's Tc, typed again.
inline constexpr Quantity kTo{"输出扭矩 To", "N·m", kTc.bounds};
// The material dialog's two permissible stresses (σflim or σFp, σHp).
inline constexpr Quantity kMaterialSigmaF{"许用弯曲应力 [σf]", "MPa", kStrength};
inline constexpr Quantity kMaterialSigmaH{"许用接触应力 [σh]", "MPa", kStrength};
inline constexpr Quantity kMu{"泊桑比 μ", "", {0.01, 0.5, true}};
inline constexpr Quantity kE{"弹性模量 E", "MPa", {100, 1e7, true}};

// ---- The custom tooth-profile designer (no record is read back) ----
inline constexpr Quantity kDesignerDelta{"角移距 δ", "°", {0, 1}};
inline constexpr Quantity kDesignerDrrp{"正等距 Δrrp", "mm", {0, 1}};
inline constexpr Quantity kDesignerDrp{"径向移距 Δrp", "mm", {0, 1}};
inline constexpr Quantity kDesignerZc{"摆线轮齿数 Zc", "", {5, 121}};
inline constexpr Quantity kDesignerZp{"针齿数 Zp", "", {6, 122}};
inline constexpr Quantity kDesignerDp{"针齿分布圆直径 dp", "mm", {kMinLength, kMaxDiameter}};
inline constexpr Quantity kDesignerDPin{"针齿直径 drp", "mm", {kMinLength, kMaxDiameter}};
inline constexpr Quantity kDesignerA{"偏心距 a", "mm", kA.bounds};

}  // namespace cex_q

// A quantity's range without its "not given yet" 0: what a field whose page
// refuses 0 takes, and what a calculation must give.
constexpr fw::Bounds given(const kavrin::Quantity& q) { return {q.lower(), q.upper(), false}; }
constexpr kavrin::Quantity givenQuantity(kavrin::Quantity q) {
    q.bounds.orZero = false;
    return q;
}

// A result its quantity admits: finite, printable and in range (0 is a
// result only where the range holds it).
struct QuantityValue {
    const kavrin::Quantity* q;
    double v;
};
inline const kavrin::Quantity* firstRefused(std::initializer_list<QuantityValue> values) {
    for (const auto& qv : values)
        if (!kavrin::printable(qv.v) || !qv.q->admits(qv.v)) return qv.q;
    return nullptr;
}
inline bool allAdmitted(std::initializer_list<QuantityValue> values) {
    for (const auto& qv : values)
        if (!kavrin::printable(qv.v) || !qv.q->admits(qv.v)) return false;
    return true;
}

}  // namespace cycloid
