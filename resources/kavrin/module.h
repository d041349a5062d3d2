// The resources of the kavrin deliverable: its dialog templates, strings and bitmaps.
#pragma once
#include "fw/resources.h"

namespace kavrin {

// The deliverable's resource module, filled on first use.
fw::Module& module();

// One fill function per resource file of this folder; module() calls each.
// (Add a line here and one in module.cpp for every new resource file.)
void addStrings(fw::Module& m);
void addMenus(fw::Module& m);        // menus 128/129, accelerators 128, toolbar 128
void addBitmaps(fw::Module& m);      // icons 128/129/142, splash 102, toolbar images
void addAboutTemplate(fw::Module& m);   // dialog 100
void addCexyPage1Template(fw::Module& m);   // dialog 104
void addCexyPage2Templates(fw::Module& m);  // dialogs 105, 140, 141
void addCexyPage3And4Templates(fw::Module& m);  // dialogs 106, 107
void addCexyPageTemplates(fw::Module& m);   // dialogs 108, 143 (pages 5 and 6)
void addCexdRecommendTemplates(fw::Module& m);   // dialogs 134 to 138
void addDorrithTemplates(fw::Module& m);   // dialogs 149, 150
void addToolCyDwdataTemplate(fw::Module& m);   // dialog 151: the profile CAD data tool

// Resource ids of the main program.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_KAVRINTYPE = 129;
inline constexpr int IDI_DOCUMENT = 142;
inline constexpr int IDB_SPLASH = 102;
inline constexpr int IDB_TOOLBAR = 30128;   // the toolbar's image strip, 16 x 16 per button
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_CEXY_CAPTION = 109;
inline constexpr int IDS_APP_TITLE = 57344;

// The application icon: its name in the icon theme and its SVG picture
// (resources/kavrin/kavrin.svg).
inline constexpr const char* kAppIconName = "kavrin";
const char* appIconSvg();

}  // namespace kavrin
