#include "cylindrical/cy_geom_pro_page2.h"

CCyGeomProPage2::CCyGeomProPage2() : CyGeomGearPage(IDD, kIds, cylindrical::GearSide::Pinion) {}
