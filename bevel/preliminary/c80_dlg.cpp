#include "bevel/preliminary/c80_dlg.h"

#include "common/calc/chart_scale.h"
#include "resources/pellun/module.h"

kavrin::ChartCopy CC80Dlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 42, .top = 55, .rightMargin = 17, .bottomMargin = 73, .k = 0.12, .c = -0.01,
            .first = {kavrin::ChartAnchor::Edge::Left, 60, kavrin::ChartAnchor::Edge::Top, 48},
            .second = {kavrin::ChartAnchor::Edge::Left, 60, kavrin::ChartAnchor::Edge::Top, 65},
            .paintsFromInput = true};
}

CC80Dlg::CC80Dlg(fw::Window* parent)
    : RatioChartDialog(chartCopy(),
                       {.fraction = kavrin::chart::fractionC80, .firstFormat = "1/u=%.2f", .ofReciprocal = true,
                  .secondFormat = "Z1=%d", .bitmap = 3014},
                       parent) {}
