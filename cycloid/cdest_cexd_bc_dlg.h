// CDestCexdBcDlg: the recommended disc width bc; the caller gives the range 0.1·Rp to 0.2·Rp (template 134).
#pragma once
#include "cycloid/cex_recommend_dlg.h"

class CDestCexdBcDlg : public CexRecommendDlg {
public:
    static constexpr int IDD = 134;
    static constexpr int IDC_VALUE = 1027;
    static constexpr int IDC_SLIDER = 1028;
    static constexpr int IDC_LOW = 1029;
    static constexpr int IDC_HIGH = 1030;
    explicit CDestCexdBcDlg(fw::Window* parent = nullptr);

protected:
    double valueAt(int pos) const override;
    int positionOf(double value) const override;
};
