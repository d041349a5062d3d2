// The strength rating section of a cylindrical design's report (.cyt),
// appended after the preliminary and geometry sections.
#pragma once
#include <filesystem>
#include <string>

#include "fw/expected.h"
#include "fw/file.h"

namespace cylindrical {

// The rating dialog's values as they stand; values not computed are 0 and
// print as 0.0000 (a value that is not finite prints as 0 too).
struct RatingReportData {
    int ratedGear = 0;  // 0 pinion (小齿轮), 1 gear (大齿轮)
    std::string title, drawingNo, date;  // UTF-8
    unsigned z1 = 0, z2 = 0;
    double alphaNDeg = 0, mn = 0, betaDeg = 0, epsAlpha = 0, epsBeta = 0, b = 0;
    double torque = 0, n1 = 0, u = 0;
    double ft = 0, fr = 0, fx = 0, fn = 0;
    double kA = 0, kV = 0, kHalpha = 0, kFalpha = 0, kHbeta = 0;
    double zH = 0, zE = 0, zEps = 0, zN = 0, zL = 0, zV = 0, zR = 0, zW = 0;
    double sigmaH = 0, sigmaHP = 0, sH = 0;
    double yFa = 0, yEps = 0, yBeta = 0, yN = 0, yS = 0, yX = 0;
    double sigmaF = 0, sigmaFP = 0, sF = 0;
};

// The section as UTF-8 with "\n" line breaks, from the banner to
// "\n\t     ******* 完。OK!" (no line break after it).
std::string ratingReportText(const RatingReportData& d);

// Appends the section to the report file (created when missing) in code
// page 936 with CR LF. An error of open, write or close is returned; the
// caller shows "不能打开文件%s" and keeps the dialog open.
fw::Expected<void, fw::FileError> appendRatingReport(const std::filesystem::path& report,
                                                     const RatingReportData& d);

}  // namespace cylindrical
