#include "worm/calc/contact_chart.h"

#include <algorithm>
#include <cmath>

namespace worm::chart {

int startPosition(double d1a) {
    double v = kPositions * (d1a - kD1aLow) / kD1aSpan;
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, 0.0, double(kPositions)));
}

double zrhoAt(int posV) { return kZrhoLow + (kPositions - posV) * kZrhoSpan / kPositions; }

double d1aAt(int posH) { return kD1aLow + posH * kD1aSpan / kPositions; }

int channelLength(int boxPixels) { return std::max(boxPixels - 2 * kChannelInset, 5); }

int crossX(int channelH, int posH) { return (channelH - 5) * posH / kPositions + kCrossX0; }

int crossY(int channelV, int posV) { return (channelV - 5) * posV / kPositions + kCrossY0; }

}  // namespace worm::chart
