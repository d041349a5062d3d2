// CA199Dlg: the chart of the tangential shift of ENIMS curved teeth, one chart per band of Z1 (template 3020);
// DoModal(u, Z1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CA199Dlg : public kavrin::RatioChartDialog {
public:
    static constexpr int IDD = 3020;
    static constexpr int IDC_H_SLIDER = 3067;
    static constexpr int IDC_V_SLIDER = 3068;
    explicit CA199Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
