// CCyGeomProPage2: the pinion page of the geometry sheet (template 1014,
// "小齿轮几何计算").
#pragma once
#include "cylindrical/cy_geom_gear_page.h"

class CCyGeomProPage2 : public CyGeomGearPage {
public:
    static constexpr int IDD = 1014;
    static constexpr GearPageIds kIds{.title = 1059, .number = 1060, .z = 1061, .mn = 1062, .haStar = 1066,
                                      .cStar = 1067, .x = 1063, .hand = 1075, .betaDeg = 1065, .betaMin = 1064,
                                      .betaSec = 1068, .alphaDeg = 1070, .alphaMin = 1069, .alphaSec = 1071,
                                      .meshLabel = 1120, .listing = 1076, .calc = 1073, .report = 1074};
    CCyGeomProPage2();
};
