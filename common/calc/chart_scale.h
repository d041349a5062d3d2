// The scales of the chart reading dialogs: where an input falls on a chart
// (as a fraction of the plot box width), the trackbar positions (0 to 200),
// the pixels of the cross-hair and the value a vertical thumb position reads.
// The chart pictures are drawn with the same functions, so a curve meets the
// cross-hair where the dialog reads its value.
#pragma once
#include <array>

namespace kavrin::chart {

constexpr int kThumbMax = 200;

// Abscissa fractions by chart (the gear ratio u = Z2/Z1, or Zv).
double fractionA196(double u);  // (u − 1)/10
double fractionA198(double u);  // (u − 1)/5
double fractionA197(double u);  // (u − 1)/8.2
double fractionA199(double u);  // (u − 1)/9
double fractionC80(double u);   // 7/6 − 7/6/(0.7·u)
double fractionC81(double u);   // 1 − 1/u
double fractionC97(double betaM);      // βm/45: the zone factor chart, βm 0..45°
double fractionZeta(double epsAlpha);  // εα − 1: the contact ratio factor chart, εα 1..2
double fractionYf(double zv);   // (1/Zv − 1/12)/(−0.0823…): 0 at Zv 12, 1 at Zv 1000

// 200 × fraction, truncated toward zero and clamped to 0..200 (a fraction
// that is not a number gives 0). Clamping comes before the conversion, so
// no input is converted out of the integer range.
int thumbOf(double fraction);

// Value read at a vertical thumb position (0 top, 200 bottom).
double valueAt(int vPos, double k, double c);
// The vertical position where a value lies (real, not clamped): the inverse of valueAt.
double positionOf(double value, double k, double c);

// Cross-hair pixels in a plot box from left to right (top to bottom).
int pixelOf(double pos, int low, int high);  // trunc(pos·(high − low)/200 + low)
// The painted input line of the charts that paint from the input: the real
// position 200 × fraction, clamped to the client width before the conversion.
int inputPixel(double fraction, int left, int right, int clientWidth);

// The chart of the tangential shift of ENIMS curved teeth, by Z1.
int bandA199(int z1);  // 0..11: ≤10, 11, 12, 13, 14, 15–17, 18–19, 20–24, 25–29, 30–34, 35–39, ≥40
// The form factor chart by βm in degrees: 0 for βm ≤ 0, then up to 15, 20,
// 25, 30, and 5 for everything above 30 (the nearest chart above 35°).
int bandYf(double betaM);

}  // namespace kavrin::chart
