#include "bevel/preliminary/a197_dlg.h"

#include "common/calc/chart_scale.h"
#include "resources/pellun/module.h"

kavrin::ChartCopy CA197Dlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 42, .top = 55, .rightMargin = 17, .bottomMargin = 72, .k = 0.2, .c = 0,
            .first = {kavrin::ChartAnchor::Edge::Left, 130, kavrin::ChartAnchor::Edge::Top, 48},
            .second = {kavrin::ChartAnchor::Edge::Left, 130, kavrin::ChartAnchor::Edge::Top, 65},
            .paintsFromInput = true};
}

CA197Dlg::CA197Dlg(fw::Window* parent)
    : RatioChartDialog(chartCopy(),
                       {.fraction = kavrin::chart::fractionA197, .firstFormat = "u=%.2f", .ofReciprocal = false,
                  .secondFormat = "Z=%d", .bitmap = 3016},
                       parent) {}
