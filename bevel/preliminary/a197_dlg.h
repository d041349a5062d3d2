// CA197Dlg: the chart of the tangential shift of ENIMS straight teeth (template 3017);
// DoModal(u, Z1), then m_value on IDOK.
#pragma once
#include "common/dialogs/chart_dialog.h"

class CA197Dlg : public kavrin::RatioChartDialog {
public:
    static constexpr int IDD = 3017;
    static constexpr int IDC_H_SLIDER = 3062;
    static constexpr int IDC_V_SLIDER = 3061;
    explicit CA197Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
};
