// Templates 3006, 3010, 3017, 3020, 3013, 3019, 3039: the chart reading dialogs.
#include "bevel/preliminary/a196_dlg.h"
#include "bevel/preliminary/a197_dlg.h"
#include "bevel/preliminary/a198_dlg.h"
#include "bevel/preliminary/a199_dlg.h"
#include "bevel/preliminary/c80_dlg.h"
#include "bevel/preliminary/c81_dlg.h"
#include "bevel/preliminary/yf_dlg.h"
#include "resources/pellun/module.h"

namespace pellun {

void addChartDlgs(fw::Module& m) {
    using kavrin::chartTemplate;
    const char* enims = "《Ondrel》 Kavrin 埃尼姆斯齿制高变位系数选择";
    m.addDialog(chartTemplate({.id = CA196Dlg::IDD, .caption = enims,
                               .heading = "直线齿埃尼姆斯齿制(Σ＝90°)\n高变位系数:χ1",
                               .axisLabels = {{"u=Z2/Z1", 277, 289}},
                               .hSlider = CA196Dlg::IDC_H_SLIDER, .hBox = {24, 281, 298, 9},
                               .vSlider = CA196Dlg::IDC_V_SLIDER, .vBox = {17, 34, 9, 248},
                               .size = {329, 323}, .okText = "确定", .cancelText = "取消"}));
    m.addDialog(chartTemplate({.id = CA198Dlg::IDD, .caption = enims,
                               .heading = "弧齿埃尼姆斯齿制(Σ＝90°)\n高变位系数:χ1",
                               .axisLabels = {{"u=Z2/Z1", 277, 289}},
                               .hSlider = CA198Dlg::IDC_H_SLIDER, .hBox = {23, 279, 300, 9},
                               .vSlider = CA198Dlg::IDC_V_SLIDER, .vBox = {15, 32, 9, 247},
                               .size = {329, 323}}));
    m.addDialog(chartTemplate({.id = CA197Dlg::IDD, .caption = "《Ondrel》 Kavrin 直齿埃尼姆斯齿制圆锥齿轮切向变位系数",
                               .heading = "直线齿埃尼姆斯齿制(Σ＝90°)\n切向变位系数:χτ1",
                               .axisLabels = {{"u=Z2/Z1", 277, 290}},
                               .hSlider = CA197Dlg::IDC_H_SLIDER, .hBox = {23, 281, 300, 9},
                               .vSlider = CA197Dlg::IDC_V_SLIDER, .vBox = {17, 31, 9, 249},
                               .size = {329, 323}, .okText = "确   定"}));
    m.addDialog(chartTemplate({.id = CA199Dlg::IDD, .caption = "《Ondrel》 Kavrin 弧齿埃尼姆斯圆锥齿轮切向变位系数",
                               .heading = "弧线齿埃尼姆斯齿制(Σ＝90°βm=35°)\n切向变位系数:χτ1",
                               .axisLabels = {{"u=Z2/Z1", 277, 289}},
                               .hSlider = CA199Dlg::IDC_H_SLIDER, .hBox = {22, 281, 301, 9},
                               .vSlider = CA199Dlg::IDC_V_SLIDER, .vBox = {17, 32, 9, 249},
                               .size = {329, 323}}));
    m.addDialog(chartTemplate({.id = CC80Dlg::IDD,
                               .caption = "《Ondrel》 Kavrin  直齿或零度弧齿格利森齿圆锥齿轮切向变位系数",
                               .heading = "直线齿、零度弧齿格利森齿制(α＝20°)\n切向变位系数:χτ1",
                               .axisLabels = {{"1/u=Z1/Z2", 270, 290}},
                               .hSlider = CC80Dlg::IDC_H_SLIDER, .hBox = {23, 281, 301, 9},
                               .vSlider = CC80Dlg::IDC_V_SLIDER, .vBox = {14, 31, 9, 249},
                               .size = {331, 323}}));
    m.addDialog(chartTemplate({.id = CC81Dlg::IDD, .caption = "《Ondrel》 Kavrin 非零度弧齿格利森圆锥齿轮切向变位系数",
                               .heading = "非零度弧齿格利森齿制\n切向变位系数:χt1",
                               .axisLabels = {{"1/u=Z1/Z2", 270, 289}},
                               .hSlider = CC81Dlg::IDC_H_SLIDER, .hBox = {22, 279, 302, 9},
                               .vSlider = CC81Dlg::IDC_V_SLIDER, .vBox = {17, 29, 9, 248},
                               .size = {330, 323}}));
    m.addDialog(chartTemplate({.id = CYfDlg::IDD, .caption = "《Ondrel》 Kavrin 无切向变位的齿形系数",
                               .heading = "无切向变位的圆锥齿轮\n齿形系数Yf0=",
                               .axisLabels = {{"Yf0", 7, 141}, {"Zv", 282, 288}},
                               .hSlider = CYfDlg::IDC_H_SLIDER, .hBox = {24, 279, 300, 9},
                               .vSlider = CYfDlg::IDC_V_SLIDER, .vBox = {19, 33, 9, 247},
                               .size = {331, 325}, .okBox = {94, 304, 50, 14}, .cancelBox = {187, 304, 50, 14}}));
}

}  // namespace pellun
