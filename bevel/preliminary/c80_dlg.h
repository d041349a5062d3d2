// CC80Dlg: the chart of the tangential shift of the straight and zerol Gleason systems (template 3013);
// DoModal(u, Z1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CC80Dlg : public kavrin::RatioChartDialog {
public:
    static constexpr int IDD = 3013;
    static constexpr int IDC_H_SLIDER = 3060;
    static constexpr int IDC_V_SLIDER = 3059;
    explicit CC80Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
