// CC81Dlg: the chart of the tangential shift of the spiral Gleason system (template 3019);
// DoModal(u, Z1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CC81Dlg : public kavrin::RatioChartDialog {
public:
    static constexpr int IDD = 3019;
    static constexpr int IDC_H_SLIDER = 3064;
    static constexpr int IDC_V_SLIDER = 3063;
    explicit CC81Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
