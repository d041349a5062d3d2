// The scales of the worm contact-factor charts: d1/a from 0.25 to 0.55 on
// the horizontal trackbar, Zρ from 3.4 (top) to 2.55 (bottom) on the
// vertical one, both with positions 0 to 50, and where the cross-hair lies.
#pragma once

namespace worm::chart {

constexpr int kPositions = 50;
constexpr double kD1aLow = 0.25;
constexpr double kD1aSpan = 0.30000000000000004;  // 0.55 − 0.25 in double precision
constexpr double kZrhoLow = 2.55;
constexpr double kZrhoSpan = 0.8500000000000001;  // 3.4 − 2.55 in double precision

// Plot rectangle of the chart dialogs in client pixels: left 55, top 12,
// right = client width − 15, bottom = client height − 110.
constexpr int kPlotLeft = 55;
constexpr int kPlotTop = 12;
constexpr int kPlotRightMargin = 15;
constexpr int kPlotBottomMargin = 110;
// The cross-hair starts at x = 107 and y = 42 (client pixels).
constexpr int kCrossX0 = 107;
constexpr int kCrossY0 = 42;
// A trackbar's channel runs inside its box, this many pixels in from each end.
constexpr int kChannelInset = 8;

// Starting position of the horizontal trackbar for a passed d1/a: clamped
// into 0..50 before it becomes an integer (NaN starts at 0).
int startPosition(double d1a);
// Zρ at a vertical position (3.4 at 0, 2.55 at 50).
double zrhoAt(int posV);
// d1/a at a horizontal position (0.25 at 0, 0.55 at 50).
double d1aAt(int posH);
// Channel length of a trackbar whose box is `boxPixels` long.
int channelLength(int boxPixels);
// Cross-hair lines (integer pixels: products first, then the division).
int crossX(int channelH, int posH);
int crossY(int channelV, int posV);

}  // namespace worm::chart
