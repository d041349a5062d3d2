// CDestCexdK1Dlg: the recommended short-amplitude coefficient K1 (template 136).
#pragma once
#include "cycloid/cex_recommend_dlg.h"

class CDestCexdK1Dlg : public CexRecommendDlg {
public:
    static constexpr int IDD = 136;
    static constexpr int IDC_VALUE = 1031;
    static constexpr int IDC_SLIDER = 1032;
    static constexpr int IDC_LOW = 1033;
    static constexpr int IDC_HIGH = 1034;
    explicit CDestCexdK1Dlg(fw::Window* parent = nullptr);
};
