// CSirrowWyfDlg: the form factor chart Yf0 against Zv as built into the bevel
// strength rating (template 9033, charts 9035 to 9040 by βm, its own plot
// box); DoModal(xFraction, βm, Zv, χ1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CSirrowWyfDlg : public kavrin::FormFactorChartDialog {
public:
    static constexpr int IDD = 9033;
    static constexpr int IDC_H_SLIDER = 3075;
    static constexpr int IDC_V_SLIDER = 3076;
    // Charts by βm: 0, up to 15, 20, 25, 30, 35 (and above).
    static constexpr std::array<int, 6> kBitmaps = {9035, 9036, 9037, 9038, 9039, 9040};
    explicit CSirrowWyfDlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
