// The rating report of one gear of a bevel pair (UTF-8; the report writer
// turns it into code page 936 with CR LF): the banner of the pinion or the
// gear, the pair, the drive and its forces by arrangement, the load factors,
// the contact and the bending columns, and the closing line.
#pragma once
#include <optional>
#include <string>

#include "bevel/rating/calc/rating_forces.h"

namespace bevel {

struct RatingReport {
    bool gear = false;  // false: the pinion's banner
    std::string title, drawingNumber, date;
    int z1 = 0, z2 = 0;
    double alphaNDeg = 0, m = 0, betaMDeg = 0, epsAlpha = 0, epsBeta = 0, b = 0;
    double torque = 0, outputTorque = 0, n1 = 0, ftm = 0;
    DriveArrangement arrangement = DriveArrangement::Straight;
    double fr1 = 0, fr2 = 0, fx1 = 0, fx2 = 0;
    double kA = 0, kV = 0, kBeta = 0;  // the contact column's
    double zH = 0, zE = 0, zEps = 0, zN = 0, zL = 0, zV = 0, zR = 0, zW = 0;
    double sigmaH = 0, sigmaHP = 0, sH = 0;
    double yF = 0, yEps = 0, yBeta = 0, yN = 0, y0 = 0, yX = 0;
    double sigmaF = 0, sigmaFP = 0, sF = 0;
};

std::string ratingReportText(const RatingReport& r);

// A report is written only with both verdicts standing for the values it
// prints; otherwise the refusal names the safety factors still to compute.
std::optional<std::string> reportRefusal(bool contactStands, bool bendingStands);

}  // namespace bevel
