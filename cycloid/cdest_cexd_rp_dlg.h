// CDestCexdRpDlg: the recommended pin-circle radius Rp (template 138).
#pragma once
#include "cycloid/cex_recommend_dlg.h"

class CDestCexdRpDlg : public CexRecommendDlg {
public:
    static constexpr int IDD = 138;
    static constexpr int IDC_VALUE = 1039;
    static constexpr int IDC_SLIDER = 1041;
    static constexpr int IDC_LOW = 1042;
    static constexpr int IDC_HIGH = 1043;
    static constexpr int IDC_RANGE = 1040;
    explicit CDestCexdRpDlg(fw::Window* parent = nullptr);
};
