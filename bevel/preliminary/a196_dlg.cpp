#include "bevel/preliminary/a196_dlg.h"

#include "common/calc/chart_scale.h"
#include "resources/pellun/module.h"

kavrin::ChartCopy CA196Dlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 44, .top = 58, .rightMargin = 20, .bottomMargin = 70, .k = 0.985, .c = 0,
            .first = {kavrin::ChartAnchor::Edge::Left, 70, kavrin::ChartAnchor::Edge::Bottom, -48},
            .second = {kavrin::ChartAnchor::Edge::Left, 70, kavrin::ChartAnchor::Edge::Bottom, -65},
            .paintsFromInput = false};
}

CA196Dlg::CA196Dlg(fw::Window* parent)
    : RatioChartDialog(chartCopy(),
                       {.fraction = kavrin::chart::fractionA196, .firstFormat = "u=%.2f", .ofReciprocal = false,
                  .secondFormat = "Z=%d", .bitmap = 3009},
                       parent) {}
