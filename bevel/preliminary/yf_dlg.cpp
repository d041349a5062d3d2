#include "bevel/preliminary/yf_dlg.h"

#include "resources/pellun/module.h"

kavrin::ChartCopy CYfDlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 44, .top = 58, .rightMargin = 20, .bottomMargin = 76, .k = 2.2499999999999996, .c = 1.85,
            .first = {kavrin::ChartAnchor::Edge::Right, -65, kavrin::ChartAnchor::Edge::Top, 65},
            .second = {kavrin::ChartAnchor::Edge::Right, -65, kavrin::ChartAnchor::Edge::Top, 82},
            .paintsFromInput = false};
}

CYfDlg::CYfDlg(fw::Window* parent) : FormFactorChartDialog(chartCopy(), kBitmaps, parent) {}
