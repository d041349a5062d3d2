#include "cylindrical/cy_geom_pro_page3.h"

CCyGeomProPage3::CCyGeomProPage3() : CyGeomGearPage(IDD, kIds, cylindrical::GearSide::Gear) {}
