// The resources of the belmar deliverable: its dialog templates, strings and bitmaps.
#pragma once
#include "fw/resources.h"

namespace belmar {

// The deliverable's resource module, filled on first use.
fw::Module& module();

// One fill function per resource file of this folder; module() calls each.
// (Add a line here and one in module.cpp for every new resource file.)
void addStrings(fw::Module& m);
void addAolDialogs(fw::Module& m);
void addAolBitmaps(fw::Module& m);
void addAolMainDialog(fw::Module& m);

// The face of the cycloidal calculator's picture button (a small cycloidal pair).
inline constexpr int kAolButtonBitmap = 4299;
void addPictures(fw::Module& m);
void addBelmarLenDlg(fw::Module& m);
void addBelmarLenImgDlg(fw::Module& m);
void addBelmarArcDlg(fw::Module& m);

}  // namespace belmar
