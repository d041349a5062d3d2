// Templates 9021 and 9025: the rating's own chart dialogs, and the chart
// pictures they draw. Each picture is an
// SVG drawing made at build time by the chart generator (tools/chartgen),
// sized exactly to the plot box of its dialog.
#include <string>

#include "bevel/rating/sirrow_chart_dlgs.h"
#include "common/calc/chart_files.h"
#include "resources/sirrow/module.h"

#ifndef KAVRIN_CHART_DIR
#define KAVRIN_CHART_DIR "charts"
#endif

namespace sirrow {

namespace {

fw::Bitmap chart(int id, int width, int height) {
    return {.id = id, .width = width, .height = height,
            .file = kavrin::chartFile("sirrow_" + std::to_string(id) + ".svg", KAVRIN_CHART_DIR)};
}

}  // namespace

void addChartDlgs(fw::Module& m) {
    using namespace kavrin;
    // Zone factor: 330 × 296 dialog units = 495 × 444 px; box 47..477 × 20..380.
    m.addDialog(chartTemplate({.id = CSirrowC97Dlg::IDD, .caption = "《Ondrel》Kavrin 节点区域系数",
                               .heading = "",
                               .axisLabels = {{"ZH", 4, 8}, {"βm", 312, 262}},
                               .hSlider = CSirrowC97Dlg::IDC_H_SLIDER, .hBox = {27, 255, 296, 9},
                               .vSlider = CSirrowC97Dlg::IDC_V_SLIDER, .vBox = {20, 9, 9, 248},
                               .size = {330, 296}, .okBox = {94, 276, 50, 14}, .cancelBox = {187, 276, 50, 14}}));
    // Contact ratio factor: 356 × 323 dialog units = 534 × 485 px; box 74..504 × 25..386.
    fw::DialogTemplate zeta =
        chartTemplate({.id = CSirrowZetaDlg::IDD, .caption = "《Ondrel》Kavrin 接触强度重合度系数",
                       .heading = "",
                       .axisLabels = {{"Zε", 30, 12}, {"εα", 338, 266}},
                       .hSlider = CSirrowZetaDlg::IDC_H_SLIDER, .hBox = {45, 261, 296, 9},
                       .vSlider = CSirrowZetaDlg::IDC_V_SLIDER, .vBox = {38, 12, 9, 249},
                       .size = {356, 323}, .okBox = {104, 298, 50, 14}, .cancelBox = {201, 298, 50, 14}});
    // The picture control holds the same chart under the painted one; it stays
    // hidden so that it never covers the cross-hair.
    zeta.body.insert(zeta.body.begin(), fw::picture(CSirrowZetaDlg::IDC_PICTURE, CSirrowZetaDlg::IDB_PICTURE, fw::style::Hidden).at(49, 17, 287, 241));
    m.addDialog(std::move(zeta));

    m.addBitmap(chart(CSirrowC97Dlg::IDB_CHART, 430, 360));
    m.addBitmap(chart(CSirrowZetaDlg::IDB_CHART, 430, 361));
    m.addBitmap(chart(CSirrowZetaDlg::IDB_PICTURE, 430, 361));
}

}  // namespace sirrow
