// The dimensions that every bevel geometry kind writes into the geometry
// record alike: virtual teeth, transverse contact ratio, the root, face and
// tip angles and cone lengths, the heights and the cone itself.
#pragma once
#include "bevel/geometry/calc/cone_geom_record.h"
#include "common/calc/angle_split.h"

namespace bevel {

// Result: any calculation result with these members (angles in radians).
template <class Result>
void fillConeDimensions(ConeGeomRecord& g, const Result& r) {
    using kavrin::splitRadiansDms;
    g.zv1 = r.zv1;
    g.zv2 = r.zv2;
    g.epsAlpha = r.epsAlpha;
    g.deltaF1 = splitRadiansDms(r.deltaF1);
    g.deltaF2 = splitRadiansDms(r.deltaF2);
    g.thetaF1 = splitRadiansDms(r.thetaF1);
    g.thetaF2 = splitRadiansDms(r.thetaF2);
    g.deltaA1 = splitRadiansDms(r.deltaA1);
    g.deltaA2 = splitRadiansDms(r.deltaA2);
    g.thetaA1 = splitRadiansDms(r.thetaA1);
    g.thetaA2 = splitRadiansDms(r.thetaA2);
    g.ak1 = r.ak1;
    g.ak2 = r.ak2;
    g.da1 = r.da1;
    g.da2 = r.da2;
    g.h = r.h;
    g.hf1 = r.hf1;
    g.hf2 = r.hf2;
    g.ha1 = r.ha1;
    g.ha2 = r.ha2;
    g.b = r.cones.b;
    g.r = r.cones.r;
    g.d1 = r.cones.d1;
    g.d2 = r.cones.d2;
}

}  // namespace bevel
