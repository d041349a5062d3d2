// Shared by the cycloidal bevel tests: the Rb 49 head of the cutter table
// and the worked pair cut with it.
#pragma once
#include "bevel/geometry/calc/cutter_head_record.h"
#include "bevel/geometry/calc/cycloidal_geometry.h"

namespace bevel {

// The Rb 49 head worked by hand from the table rules: z0 4; radius range
// (44+49)/2 to (49+55)/2; mp' = 49·0.055 = 2.695 → 2.70, 49·0.077 = 3.773 →
// 3.75, 49·0.108 = 5.292 → 5.30; ranges 49·0.045 = 2.205 → 2.20, ·0.065 =
// 3.185 → 3.20, ·0.090 = 4.41 → 4.40, ·0.130 = 6.37 → 6.35; Eb = 4·mp'/2;
// Q = 2401 + Eb²; ρa0 = 0.2·mp' = 0.54, 0.75, 1.06 → 0.55, 0.75, 1.05.
inline CutterHeadRecord rb49() {
    CutterHeadRecord r;
    r.z0 = 4;
    r.rb = 49;
    r.rbMin = 46.5;
    r.rbMax = 52;
    r.blade = {1, 3, 5};
    r.mp = {2.7, 3.75, 5.3};
    r.mMin = {2.2, 3.2, 4.4};
    r.mMax = {3.2, 4.4, 6.35};
    r.eb = {5.4, 7.5, 10.6};
    r.q = {2430.16, 2457.25, 2513.36};
    r.rhoA0 = {0.55, 0.75, 1.05};
    return r;
}

// Z1 14, Z2 35, mt 5, α 20° (EN), βm 35°, φR 0.3, ha* 1.
inline aol::Inputs workedCycloidalPair() {
    aol::Inputs in;
    in.z1 = 14;
    in.z2 = 35;
    in.mt = 5;
    in.alphaDeg = 20;
    in.betaMDeg = 35;
    in.phiR = 0.3;
    in.haStar = 1;
    return in;
}

}  // namespace bevel
