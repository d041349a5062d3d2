// CA196Dlg: the chart of the radial shift of ENIMS straight teeth (template 3006);
// DoModal(u, Z1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CA196Dlg : public kavrin::RatioChartDialog {
public:
    static constexpr int IDD = 3006;
    static constexpr int IDC_H_SLIDER = 1000;
    static constexpr int IDC_V_SLIDER = 1001;
    explicit CA196Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
