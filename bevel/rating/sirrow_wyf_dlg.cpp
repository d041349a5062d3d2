#include "bevel/rating/sirrow_wyf_dlg.h"

#include "resources/sirrow/module.h"

kavrin::ChartCopy CSirrowWyfDlg::chartCopy() {
    return {.module = &sirrow::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 50, .top = 60, .rightMargin = 26, .bottomMargin = 76, .k = 2.2499999999999996, .c = 1.85,
            .first = {kavrin::ChartAnchor::Edge::Right, -65, kavrin::ChartAnchor::Edge::Top, 65},
            .second = {kavrin::ChartAnchor::Edge::Right, -65, kavrin::ChartAnchor::Edge::Top, 82},
            .paintsFromInput = false};
}

CSirrowWyfDlg::CSirrowWyfDlg(fw::Window* parent) : FormFactorChartDialog(chartCopy(), kBitmaps, parent) {}
