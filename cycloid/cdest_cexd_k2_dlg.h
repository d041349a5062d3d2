// CDestCexdK2Dlg: the recommended pin-diameter coefficient K2 (template 137).
#pragma once
#include "cycloid/cex_recommend_dlg.h"

class CDestCexdK2Dlg : public CexRecommendDlg {
public:
    static constexpr int IDD = 137;
    static constexpr int IDC_VALUE = 1035;
    static constexpr int IDC_SLIDER = 1036;
    static constexpr int IDC_LOW = 1037;
    static constexpr int IDC_HIGH = 1038;
    explicit CDestCexdK2Dlg(fw::Window* parent = nullptr);
};
