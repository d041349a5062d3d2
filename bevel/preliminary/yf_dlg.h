// CYfDlg: the chart of the tooth form factor Yf0 of a bevel gear without
// tangential shift against Zv, one chart per band of βm (template 3039);
// DoModal(xFraction, βm, Zv, χ1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CYfDlg : public kavrin::FormFactorChartDialog {
public:
    static constexpr int IDD = 3039;
    static constexpr int IDC_H_SLIDER = 3075;
    static constexpr int IDC_V_SLIDER = 3076;
    // Charts by βm: 0, up to 15, 20, 25, 30, 35 (and above).
    static constexpr std::array<int, 6> kBitmaps = {3038, 3034, 3035, 3036, 3037, 3033};
    explicit CYfDlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
