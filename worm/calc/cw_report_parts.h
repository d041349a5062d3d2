// Pieces the geometry reports of the worm pairs share: the value formats, the
// head of a report and the sections whose lines are the same in every pair.
// Each report keeps its own value-line layout and passes it in as `Line`.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "worm/calc/cw_records.h"

namespace worm::report {

// A value line: label, symbol or formula, value.
using Line = std::function<std::string(const std::string&, const std::string&, const std::string&)>;

std::string mm(double v);            // "%.2fmm"
std::string deg(double v);           // "%.2f°"
std::string bare(double v);          // "%.2f"
std::string whole(std::int32_t v);   // "%d"

// Banner, title and number, program and date, the column heading and a rule
// of `dashes` dashes.
std::string head(const CwGeomRecord& g, const std::string& banner, const std::string& columns, int dashes);
// "2.基本设计": Z1, Z2, a, a', u, χ2.
std::string basicDesign(const CwGeomRecord& g, const Line& line);
// The worm's mn1, Px1, Pz1, αx, αn (after its axial module line).
std::string wormPitchesAndAngles(const CwGeomRecord& g, const Line& line);
// The worm's ha1, hf1, h1 and C* = `clearance`.
std::string wormHeights(const CwGeomRecord& g, const Line& line, double clearance);
// The worm's da1, df1, b1.
std::string wormDiameters(const CwGeomRecord& g, const Line& line);
// "4.蜗轮几何参数" with βm2 = `betaM2` (degrees).
std::string wheelSection(const CwGeomRecord& g, const Line& line, double betaM2);

}  // namespace worm::report
