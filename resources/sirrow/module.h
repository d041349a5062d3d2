// The resources of the sirrow deliverable: its dialog templates, strings and bitmaps.
#pragma once
#include "fw/resources.h"

namespace sirrow {

// The deliverable's resource module, filled on first use.
fw::Module& module();

// One fill function per resource file of this folder; module() calls each.
// (Add a line here and one in module.cpp for every new resource file.)
void addStrings(fw::Module& m);
void addFactorDialogs(fw::Module& m);  // factor_dialogs.cpp: the rating's shared factor dialogs
void addChartDlgs(fw::Module& m);      // chart_dlgs.cpp: the zone and contact ratio charts, their pictures
void addOptionDlgs(fw::Module& m);     // option_dlgs.cpp: arrangement, accuracy grade, cutter factor
void addSirrowDlg(fw::Module& m);      // sirrow_dlg.cpp: the rating dialog 9000
void addBevelCharts(fw::Module& m);    // bevel_charts.cpp: form factor chart, face load factors

}  // namespace sirrow
