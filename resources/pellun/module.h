// The resources of the pellun deliverable: its dialog templates, strings and bitmaps.
#pragma once
#include "fw/resources.h"

namespace pellun {

// The deliverable's resource module, filled on first use.
fw::Module& module();

// One fill function per resource file of this folder; module() calls each.
// (Add a line here and one in module.cpp for every new resource file.)
void addStrings(fw::Module& m);
void addKaDlg(fw::Module& m);  // ka_dlg.cpp: the application factor dialog
void addChartDlgs(fw::Module& m);     // chart_dlgs.cpp: the chart reading dialogs
void addFaceLoadDlgs(fw::Module& m);  // face_load_dlgs.cpp: KHβ and Kwβ
void addCharts(fw::Module& m);        // charts.cpp: the chart pictures
void addPellunType(fw::Module& m);    // pellun_type.cpp: the preliminary design

}  // namespace pellun
