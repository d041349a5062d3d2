// CCwPicDlg: the pictures of a worm pair, dimensioned with the report's
// symbols: the pair (template 2026, bitmap 2005), the ZC1 thread in the
// normal section (2014, 2003) and the ZC3 thread in the axial section
// (2017, 2004). The drawing is a generated bitmap; the symbols are drawn
// over it.
#pragma once
#include <string>
#include <vector>

#include "fw/fw.h"

class CCwPicDlg : public fw::Dialog {
public:
    enum : int { IDD_PAIR = 2026, IDD_ZC1 = 2014, IDD_ZC3 = 2017 };
    enum : int { IDB_PAIR = 2005, IDB_ZC1 = 2003, IDB_ZC3 = 2004 };
    enum : int { IDB_PAIR_BUTTON = 2008 };   // face of the geometry dialogs' picture button
    static constexpr fw::Point kPictureAt{10, 10};

    CCwPicDlg(int idd, fw::Window* parent = nullptr);

    static int bitmapOf(int idd);

private:
    void paint(fw::Canvas& c);
};

// A symbol placed on a picture (picture pixels).
struct PictureLabel {
    fw::Point at;
    std::string text;
};
// The symbols of a picture (defined with the pictures).
const std::vector<PictureLabel>& pictureLabels(int bitmap);
