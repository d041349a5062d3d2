// Templates 9033, 9016 and 9031 (the form factor chart and the face load
// factor dialogs as built into the rating) and the chart pictures 9035..9040,
// drawn at build time by the chart generator (tools/chartgen).
#include <string>

#include "bevel/rating/sirrow_kbita_dlg.h"
#include "bevel/rating/sirrow_wkbita_dlg.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "common/calc/chart_files.h"
#include "resources/sirrow/module.h"

#ifndef KAVRIN_CHART_DIR
#define KAVRIN_CHART_DIR "charts"
#endif

namespace sirrow {

void addBevelCharts(fw::Module& m) {
    using namespace kavrin;
    m.addDialog(chartTemplate({.id = CSirrowWyfDlg::IDD, .caption = "《Ondrel》 Kavrin 无切向变位的齿形系数",
                               .heading = "无切向变位的圆锥齿轮\n齿形系数Yf0=",
                               .axisLabels = {{"Yf0", 4, 132}, {"Zv", 243, 268}},
                               .hSlider = CSirrowWyfDlg::IDC_H_SLIDER, .hBox = {24, 260, 256, 9},
                               .vSlider = CSirrowWyfDlg::IDC_V_SLIDER, .vBox = {18, 33, 8, 227},
                               .size = {291, 303}, .fontPoints = 10, .okBox = {81, 278, 43, 13},
                               .cancelBox = {161, 278, 43, 13}}));
    m.addDialog(faceLoadTableTemplate(CSirrowKbitaDlg::IDD, FaceLoadFactor::Contact, FaceLoadBuild::Rating));
    m.addDialog(faceLoadTableTemplate(CSirrowWkbitaDlg::IDD, FaceLoadFactor::Bending, FaceLoadBuild::Rating));
    for (int id = 9035; id <= 9040; ++id)
        m.addBitmap({.id = id, .width = 433, .height = 356,
                     .file = chartFile("sirrow_" + std::to_string(id) + ".svg", KAVRIN_CHART_DIR)});
}

}  // namespace sirrow
