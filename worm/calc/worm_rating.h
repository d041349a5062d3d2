// Force analysis and strength rating of a cylindrical worm drive: sliding
// speed and friction, efficiency, forces, the contact and bending safety of
// the worm-gear teeth and the stiffness of the worm. No windows here.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "fw/expected.h"
#include "worm/calc/cw_ranges.h"
#include "worm/calc/cw_records.h"

namespace worm::rating {

constexpr double kTorqueFactor = 9550.0;    // T = 9550·N/n, N·m from kW and r/min
constexpr double kSteelModulus = 206000.0;  // E of a steel worm, MPa
constexpr int kTrackbarPositions = 50;

enum class Drive { Worm = 0, WormGear = 1 };         // 蜗杆主动 / 蜗轮主动
enum class WormPosition { Above = 0, Below = 1 };    // 蜗杆上置 / 蜗杆下置
enum class Bearings { Sliding = 0, Rolling = 1 };    // 滑动轴承 / 滚动轴承
enum class WormHardening { Hardened = 0, QuenchedTempered = 1 };  // 淬火处理 / 调质处理

struct Range {
    double lower, upper;
    // low + (high − low)·pos/50: the value at a trackbar position.
    double at(int pos) const { return lower + (upper - lower) * pos / kTrackbarPositions; }
};

// Sliding speed at the pitch cylinder, m/s: π·d'1·n1/60000/cos γ'.
double slidingSpeed(double d1w, double n1, double gammaWDeg);

// Friction angle from the sliding speed (table of friction angles of a
// bronze worm gear on a hardened steel worm, 13 points from 0.01 to
// 15 m/s): ρ of the band v(k) < v ≤ v(k+1) with the range ρ(k+1) to ρ(k);
// above 15 m/s 0.83 (0.83 to 1.17); at or below 0.01 m/s the first band.
struct Friction {
    double rho;
    Range range;
};
Friction frictionAt(double v);
// The ρ trackbar position of ρ within its range (0 to 50).
int positionOf(double value, const Range& r);

// η1 of the screw pair: tan γ'/tan(γ' + ρ) with the worm driving,
// tan(γ' − ρ)/tan γ' with the worm gear driving; nullopt when there is none
// in 0 < η1 ≤ 1: the worm gear driving a self-locking pair (γ' ≤ ρ), or the
// worm driving with γ' + ρ at 90° or above. efficiencyRefusal names which.
std::optional<double> screwEfficiency(Drive d, double gammaWDeg, double rhoDeg);
const char* efficiencyRefusal(Drive d);
// η1's trackbar range: η1 ± 0.05, inside 0 < η1 ≤ 1 (the low end η1/2 when
// η1 − 0.05 ≤ 0, the high end at most 1).
Range screwEfficiencyRange(double eta1);
Range bearingRange(Bearings b);        // η2
Range splashRange(WormPosition p);     // η3

// Torques: worm drives T1 = 9550·N/n1, T2 = T1·η·u; worm gear drives
// T1 = 9550·η·N/n1, T2 = u·T1/η.
struct Torques {
    double t1, t2;
};
Torques torques(Drive d, double power, double n1, double eta, double u);
// Forces from the torques (N): Ft1 = Fx2 = 2000·T1/d'1, Ft2 = Fx1 =
// 2000·T2/dm2, Fr1 = Fr2 = Fx1·tan αx.
struct Forces {
    double ft1, ft2, fx1, fx2, fr1, fr2;
};
Forces forces(const Torques& t, double d1w, double dm2, double alphaXDeg);

double lifeFactor(double hours, double dutyPercent);     // Zh = (2.5·10⁶/(Lh·q))^(1/6)
double speedFactor(double n1, double u);                 // Zn = (1/(1 + (n1/u)/8))^0.125
double contactStress(double t2, double ka, double aw, double ze, double zrho);  // √(1000·T2·KA/a'³)·ZE·Zρ
double bendingSafety(double u, double ft2, double ka, double m, double b2);     // U/(Ft2·KA/(m·b2))
double rootInertia(double df);                           // π·df⁴/64
double deflectionLimit(WormHardening h, double m);       // 0.004·m or 0.01·m
// The span L as its field takes it: 0 or less (or no number) "输入数据无效!",
// above 0 outside ranges::kSpan "跨距 L应在1～100000mm之间！"; nullopt for a
// span the stiffness takes.
std::optional<std::string> spanRefusal(double span);
// S' = δlim/(F·L³/(48·E·I)), F = √(Ft1² + Ft2²); refused with
// spanRefusal's text for a span its field refuses.
fw::Expected<double, std::string> stiffnessSafety(double ft1, double ft2, double span, double e, double inertia,
                                                  double deltaLim);
// The remark on S' appended to the hint.
const char* stiffnessRemark(double sPrime);

// ---- texts ----
inline constexpr const char* kMsgSelfLocking = "蜗轮主动时蜗杆副自锁，不能反向传动！";
// Our text: the worm driving, γ' + ρ reaches 90° and tan(γ' + ρ) turns.
inline constexpr const char* kMsgLeadPlusFriction =
    "蜗杆节圆柱导程角γ'与当量摩擦角ρ之和达到90°，蜗杆主动时的效率无法计算，请检查γ'！";
inline constexpr const char* kMsgSpan = "输入数据无效!";
// Our text: the life factor of hours and duty that give none.
inline constexpr const char* kMsgLifeFactor = "由所给的Lh和q算不出寿命系数Zh，请检查输入！";
inline constexpr const char* kHintStart = "先装入数据，然后对各激活的控件机型操作";
inline constexpr const char* kHintStresses = "点击“计算接触应力”和“许用接触应力”按钮，计算接触应力和许用接触应力。";
inline constexpr const char* kHintContactSafety = "点击“接触安全系数”按钮，计算接触安全系数。";
inline constexpr const char* kHintBendingSafety = "点击“弯曲安全系数”按钮，计算弯曲安全系数";
inline constexpr const char* kHintStiffness = "点击“刚度安全系数”按钮，计算刚度安全系数";
inline constexpr const char* kHintRedo = "重新计算速度、作用力、确定传动效率合强度校核。";

// ---- stage masks ----
enum InputBit : unsigned {
    kInD1w = 1, kInDm2 = 2, kInGammaW = 4, kInAlphaN = 8, kInAlphaX = 16, kInU = 32, kInAw = 64, kInM = 128,
    kInPower = 256, kInN1 = 512, kStageSpeed = 1024, kStageEfficiency = 2048, kStageForces = 4096,
};
constexpr unsigned kInputsComplete = 1023;
enum RatingBit : unsigned {
    kRZe = 1, kRZh = 2, kRZn = 4, kRZrho = 8, kRKa = 16, kRSigmaH = 32, kRSigmaHp = 64, kRSh = 128, kRU = 256,
    kRSpan = 512, kRE = 1024, kRI = 2048, kRDeltaLim = 4096,
};
constexpr unsigned kRatingComplete = 8191;
enum ForceBit : unsigned { kFT1 = 1, kFFt1 = 2, kFFt2 = 4, kFFx1 = 8, kFFx2 = 16, kFFr1 = 32, kFFr2 = 64 };
constexpr unsigned kForcesComplete = 127;

// ---- what each stage reads ----
// Every quantity of the rating, one bit each: the ten inputs and the three
// stages of the first mask (bits 0 to 12 as in that mask), the seven forces
// (the force mask from bit 13), the thirteen values of the rating mask (from
// bit 20), the two safety factors that have no bit of their own, and the
// efficiency choices (the ρ and η trackbars and the bearing and position
// radios), which nothing marks done.
enum class Quantity : unsigned {
    D1w, Dm2, GammaW, AlphaN, AlphaX, U, Aw, M, Power, N1,
    Speed, Efficiency, Forces,
    T1, Ft1, Ft2, Fx1, Fx2, Fr1, Fr2,
    Ze, Zh, Zn, Zrho, Ka, SigmaH, SigmaHp, Sh, Ulim, Span, E, I, DeltaLim,
    Sw, SPrime,
    EtaChoice,
    Count,
};
using Quantities = std::uint64_t;
constexpr Quantities bit(Quantity q) { return Quantities{1} << static_cast<unsigned>(q); }
constexpr Quantities kForceBits = 0x7Full << static_cast<unsigned>(Quantity::T1);
constexpr Quantities kRatingBits = 0x1FFFull << static_cast<unsigned>(Quantity::Ze);
// Every quantity the report prints, done: what the report save needs.
constexpr Quantities kReportReady = (bit(Quantity::SPrime) << 1) - 1;
// The three masks of a set of quantities (inputs, forces, results).
constexpr unsigned inputMask(Quantities q) { return static_cast<unsigned>(q & 0x1FFF); }
constexpr unsigned forceMask(Quantities q) { return static_cast<unsigned>((q & kForceBits) >> 13); }
constexpr unsigned ratingMask(Quantities q) { return static_cast<unsigned>((q & kRatingBits) >> 20); }

// The quantities computed from `q` (with a design loaded the worm's moment
// of inertia takes the geometry record's df1 and Zρ the preliminary record's
// d1/a; without one they take d'1, m and a'). Direct readers only.
Quantities readersOf(Quantity q, bool loaded);
// Everything computed from `changed`, directly or through other quantities
// (the changed quantities themselves excluded): what a change makes stale.
Quantities staleAfter(Quantities changed, bool loaded);

// The input fields and the quantity of the records whose range each takes
// (cw_ranges.h: d'1, dm2, γ', αn, αx, a' and m of the geometry record, u, P
// and n1 of the preliminary one, and the span L); nullptr for the other
// quantities.
const kavrin::Quantity* inputRange(Quantity field);
// A typed value ≤ 0 only leaves the field's bit unset; one above 0 outside
// its range is refused as the records' check would refuse it, with this
// text ("蜗杆节圆柱导程角 γ'应在0°～90°之间！").
std::optional<std::string> inputRefusal(Quantity field, double v);

// What the masks enable.
struct Enabling {
    bool speed = false, efficiency = false, forces = false, factors = false;
    bool stresses = false, contactSafety = false, bendingSafety = false, stiffnessSafety = false;
    const char* hint = "";   // the furthest rating stage reached
};
Enabling enabling(unsigned inputs, unsigned rating);

// ---- report ----
struct RatingValues {
    WormType type = WormType::ZA;
    std::string title, number, date;
    double d1w = 0, dm2 = 0, gammaW = 0, alphaN = 0, alphaX = 0, aw = 0, u = 0, m = 0;
    double power = 0, n1 = 0, t1 = 0;
    Forces f{};
    double v = 0, rho = 0, eta = 0;
    double ze = 0, zh = 0, zn = 0, sigmaHlim = 0, zrho = 0, ka = 0, sigmaH = 0, sigmaHp = 0, sh = 0;
    double ulim = 0, sw = 0;
    double span = 0, e = 0, inertia = 0, deltaLim = 0, sPrime = 0;
};
std::string ratingReport(const RatingValues& r);

}  // namespace worm::rating
