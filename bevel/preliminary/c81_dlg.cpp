#include "bevel/preliminary/c81_dlg.h"

#include "common/calc/chart_scale.h"
#include "resources/pellun/module.h"

kavrin::ChartCopy CC81Dlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 40, .top = 50, .rightMargin = 18, .bottomMargin = 77, .k = 0.26, .c = -0.02,
            .first = {kavrin::ChartAnchor::Edge::Left, 60, kavrin::ChartAnchor::Edge::Top, 48},
            .second = {kavrin::ChartAnchor::Edge::Left, 60, kavrin::ChartAnchor::Edge::Top, 65},
            .paintsFromInput = true};
}

CC81Dlg::CC81Dlg(fw::Window* parent)
    : RatioChartDialog(chartCopy(),
                       {.fraction = kavrin::chart::fractionC81, .firstFormat = "1/u=%.2f", .ofReciprocal = true,
                  .secondFormat = "Z1=%d", .bitmap = 3018},
                       parent) {}
