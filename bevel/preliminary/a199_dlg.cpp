#include "bevel/preliminary/a199_dlg.h"

#include "common/calc/chart_scale.h"
#include "resources/pellun/module.h"

namespace {
// Charts by the bands of kavrin::chart::bandA199: Z1 ≤ 10, 11, 12, 13, 14,
// 15–17, 18–19, 20–24, 25–29, 30–34, 35–39, ≥ 40.
constexpr std::array<int, 12> kBitmaps = {3032, 3022, 3023, 3024, 3025, 3026, 3027, 3028, 3029, 3030, 3031, 3021};
}  // namespace

kavrin::ChartCopy CA199Dlg::chartCopy() {
    return {.module = &pellun::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 42, .top = 55, .rightMargin = 17, .bottomMargin = 72, .k = 0.3, .c = 0,
            .first = {kavrin::ChartAnchor::Edge::Right, -130, kavrin::ChartAnchor::Edge::Bottom, -68},
            .second = {kavrin::ChartAnchor::Edge::Right, -130, kavrin::ChartAnchor::Edge::Bottom, -85},
            .paintsFromInput = false};
}

CA199Dlg::CA199Dlg(fw::Window* parent)
    : RatioChartDialog(chartCopy(),
                       {.fraction = kavrin::chart::fractionA199, .firstFormat = "u=%.2f", .ofReciprocal = false,
                  .secondFormat = "Z1=%d", .bitmapByZ1 = &kBitmaps},
                       parent) {}
