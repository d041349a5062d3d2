#include "bevel/preliminary/a198_dlg.h"

#include "common/calc/chart_scale.h"
#include "resources/pellun/module.h"

kavrin::ChartCopy CA198Dlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 42, .top = 55, .rightMargin = 17, .bottomMargin = 74, .k = 0.6, .c = 0,
            .first = {kavrin::ChartAnchor::Edge::Left, 130, kavrin::ChartAnchor::Edge::Top, 48},
            .second = {kavrin::ChartAnchor::Edge::Left, 130, kavrin::ChartAnchor::Edge::Top, 65},
            .paintsFromInput = true};
}

CA198Dlg::CA198Dlg(fw::Window* parent)
    : RatioChartDialog(chartCopy(),
                       {.fraction = kavrin::chart::fractionA198, .firstFormat = "u=%.2f", .ofReciprocal = false,
                  .secondFormat = "z1=%d", .bitmap = 3012},
                       parent) {}
