// The scales of the cycloidal bevel chart dialogs: the cutter-head charts
// (Rp, βp', Zc, βp″ on trackbars 0 to 400) and the cutter-tilt charts (rb/h and
// δ2max on trackbars 0 to 200). A position computed from a value is clamped
// to the trackbar's range before it becomes an int; a value that is not
// finite gives 0.
#pragma once

namespace bevel::aol {

inline constexpr int kHeadRange = 400;
inline constexpr int kTiltRange = 200;

// x clamped to lo..hi, then truncated; NaN gives 0.
int clampedPosition(double x, int lo, int hi);

// Cutter-head charts: Rp 270 (0) to 50 (400) on the Rp^0.1 scale; βp' 29° (0)
// to 46° (400); Zc 80 (0) to 20 (400) on the Zc^0.05 scale; βp″ 29.5° (0) to
// 45.5° (400). An Rp or Zc below 0 gives 400.
int rpPosition(double rp);
int betaP1Position(double betaP1Deg);
int zcPosition(double zc);
int betaP2Position(double betaP1Deg);
// The values at a position (inverse of the scales above, for the pictures).
double rpAt(double pos);
double betaP1At(double pos);
double zcAt(double pos);
double betaP2At(double pos);

// Pixel of a position p (0..400) on an axis from `from` spanning `length` pixels.
constexpr int headPixel(int from, int p, int length) { return from + p * length / kHeadRange; }

// The two plot boxes of the cutter-head dialog, client pixels.
struct HeadFrame {
    int rightBottom = 311, rightRight = 600, leftBottom = 311, leftRight = 273;
    int rightTop = 65, rightLeft = 372, leftTop = 17, leftLeft = 44;
};
inline constexpr HeadFrame kHeadFrame{};
inline constexpr int kC85Width = 229, kC85Height = 294, kC86Width = 228, kC86Height = 246;

// Cutter-tilt charts: rb/h 3.6 (0) to 10.4 (200); δ2max δ0 (0) to δ0 + 25 (200).
inline constexpr double kRbhSpan = 6.800000000000001;  // 10.4 − 3.6 in double precision
int rbhPosition(double rbh);
int delta2Position(double delta2Deg, double delta0);
double rbhAt(int pos);
double delta2MaxAt(int pos, double delta0);

}  // namespace bevel::aol
