// The resources of the corvane deliverable: its dialog templates, strings and bitmaps.
#pragma once
#include "fw/resources.h"

namespace corvane {

// The deliverable's resource module, filled on first use.
fw::Module& module();

// One fill function per resource file of this folder; module() calls each.
// (Add a line here and one in module.cpp for every new resource file.)
void addStrings(fw::Module& m);
void addCypreTemplate(fw::Module& m);  // cypre_dlg.cpp: the preliminary design (1000)
void addInvTemplate(fw::Module& m);    // invdlg.cpp: the involute converter (1036)
void addCyGeomPages(fw::Module& m);  // cy_geom_pages.cpp: the geometry sheet's pages
void addCygeomCheckDlgs(fw::Module& m);  // cygeom_check_dlgs.cpp: cutter scheme and check results
void addFactorDialogs(fw::Module& m);  // factor_dialogs.cpp: the strength rating's factor dialogs
void addCyProofDlg(fw::Module& m);  // cy_proof_dlg.cpp: the strength rating dialog (1020)
void addMeasureTemplates(fw::Module& m);  // measure_dlgs.cpp: the measurement dialogs (1041)
void addSmcyDlg(fw::Module& m);  // smcy_dlg.cpp: the small-module pair (1046) and its helix split (1053)
void addSmcyBitmaps(fw::Module& m);  // smcy_bitmaps.cpp: the mounting-pattern pictures (1047 to 1051)

}  // namespace corvane
