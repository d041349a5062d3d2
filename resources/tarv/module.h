// The resources of the tarv deliverable: its dialog templates, strings and bitmaps.
#pragma once
#include "fw/resources.h"

namespace tarv {

// The deliverable's resource module, filled on first use.
fw::Module& module();

// One fill function per resource file of this folder; module() calls each.
// (Add a line here and one in module.cpp for every new resource file.)
void addStrings(fw::Module& m);
void addContactChartTemplates(fw::Module& m);
void addContactChartBitmaps(fw::Module& m);
void addPreliminaryTemplates(fw::Module& m);
void addWormPictures(fw::Module& m);
void addOrdinaryGeometryTemplate(fw::Module& m);
void addRatingTemplates(fw::Module& m);
void addArcGeometryTemplates(fw::Module& m);

}  // namespace tarv
