// CCyGeomProPage3: the gear (or internal gear) page of the geometry sheet
// (template 1017, "大(内)齿轮几何计算"). Its hand list shows the pinion's
// stored index with the first two entries reversed.
#pragma once
#include "cylindrical/cy_geom_gear_page.h"

class CCyGeomProPage3 : public CyGeomGearPage {
public:
    static constexpr int IDD = 1017;
    static constexpr GearPageIds kIds{.title = 1077, .number = 1078, .z = 1079, .mn = 1080, .haStar = 1081,
                                      .cStar = 1082, .x = 1083, .hand = 1084, .betaDeg = 1085, .betaMin = 1086,
                                      .betaSec = 1087, .alphaDeg = 1088, .alphaMin = 1089, .alphaSec = 1090,
                                      .meshLabel = 1119, .listing = 1091, .calc = 1093, .report = 1094};
    CCyGeomProPage3();
};
