// CA198Dlg: the chart of the radial shift of ENIMS curved teeth (template 3010);
// DoModal(u, Z1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CA198Dlg : public kavrin::RatioChartDialog {
public:
    static constexpr int IDD = 3010;
    static constexpr int IDC_H_SLIDER = 3058;
    static constexpr int IDC_V_SLIDER = 3057;
    explicit CA198Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
