// Templates 4023, 4024, 4028, 4029, 4030, 4018: the sub-dialogs of the
// cycloidal bevel geometry (cutter head, cutter-tilt charts, height
// modification, symbols picture). Boxes in dialog units (9 pt: 1.5 px each);
// the dialogs paint their chart pictures on their plot rectangles.
#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "resources/belmar/module.h"

namespace belmar {

namespace {

struct TiltTexts {
    int id, hSlider, vSlider, text;
    const char* caption;
    const char* second;  // the second button's text
    int secondId;
    const char* cancel;
};

fw::DialogTemplate tiltTemplate(const TiltTexts& s, int plotLeftPx) {
    using namespace fw;
    const int left = plotLeftPx * 2 / 3;
    DialogTemplate t{.id = s.id, .caption = s.caption, .font = {"宋体", 9}, .size = Size{336, 292}};
    auto& b = t.body;
    b.push_back(trackbar(s.vSlider, style::Vertical | style::NoTicks).at(left + 170, 7, 12, 256).named("δ2Max"));
    b.push_back(trackbar(s.hSlider, style::NoTicks).at(left - 4, 261, 176, 12).named("rb/h"));
    b.push_back(label("rb/h (rb: 刀盘半径)", IDC_STATIC, style::Center).at(left + 34, 275, 100, 9));
    b.push_back(label("大锥齿轮许用半锥角", IDC_STATIC).at(left + 186, 116, 80, 9));
    b.push_back(label("δ2Max", IDC_STATIC).at(left + 186, 127, 40, 9));
    b.push_back(label("", s.text, style::Sunken | style::Multiline).at(left + 186, 11, 96, 92));
    b.push_back(defButton(IDOK, "检验通过").at(left + 196, 170, 76, 15));
    b.push_back(button(s.secondId, s.second).at(left + 196, 192, 76, 15));
    b.push_back(button(IDCANCEL, s.cancel).at(left + 196, 214, 76, 15));
    b.push_back(button(CBelmarAolTiltDlg::IDC_HELP_BUTTON, "帮  助").at(left + 196, 236, 76, 15));
    return t;
}

fw::DialogTemplate entcTemplate() {
    using namespace fw;
    using D = CBelmarAolentcDlg;
    DialogTemplate t{.id = D::IDD, .caption = "《Ondrel》 Kavrin EN/TC铣刀盘参数选择", .font = {"宋体", 9},
                     .size = Size{416, 300}};
    auto& b = t.body;
    b.push_back(label("参考点锥距Rp mm").at(30, 1, 90, 9));
    b.push_back(trackbar(D::IDC_RP_SLIDER, style::Vertical | style::NoTicks).at(14, 7, 12, 204).named("参考点锥距Rp"));
    b.push_back(trackbar(D::IDC_BETA1_SLIDER, style::NoTicks).at(25, 208, 161, 12).named("初定参考点螺旋角βp'"));
    b.push_back(label("初定参考点螺旋角βp'", IDC_STATIC, style::Center).at(55, 220, 100, 9));
    b.push_back(label("假想平面齿轮齿数Zc").at(249, 32, 100, 9));
    b.push_back(trackbar(D::IDC_ZC_SLIDER, style::Vertical | style::NoTicks).at(233, 39, 12, 172).named("假想平面齿轮齿数Zc"));
    b.push_back(trackbar(D::IDC_BETA2_SLIDER, style::NoTicks).at(244, 208, 160, 12).named("刀具近似参考点螺旋角βp\""));
    b.push_back(label("刀具近似参考点螺旋角βp\"", IDC_STATIC, style::Center).at(264, 220, 120, 9));
    const char* radii[] = {"Rb=39", "Rb=44", "Rb=49", "Rb=55", "Rb=62", "Rb=70",
                           "Rb=78", "Rb=88", "Rb=98", "Rb=110", "Rb=125"};
    b.push_back(label("刀盘半径:").at(5, 233, 36, 9));
    for (int i = 0; i < D::kRadiusButtons; ++i)
        b.push_back(radio(D::IDC_RB_FIRST + i, radii[i], i == 0 ? style::Group : 0)
                        .at(42 + (i % 6) * 50, 232 + (i / 6) * 11, 50, 10));
    const char* blades[] = {"1号", "1、2号", "2、3号", "3、4号", "4、5号", "5号"};
    b.push_back(label("刀片号:").at(5, 256, 36, 9));
    for (int i = 0; i < D::kBladeButtons; ++i)
        b.push_back(radio(D::IDC_BLADE_FIRST + i, blades[i], i == 0 ? style::Group : 0).at(42 + i * 50, 255, 50, 10));
    b.push_back(label("调准Rp纵坐标线，得到与对应螺旋角标线的交点，找出交点靠近的刀盘曲线，按下对应的刀盘半径Rb按键。",
                      D::IDC_HINT, style::Sunken | style::Multiline)
                    .at(5, 269, 300, 27));
    b.push_back(defButton(IDOK, "确  定").at(312, 274, 31, 15));
    b.push_back(button(IDCANCEL, "取  消").at(346, 274, 31, 15));
    b.push_back(button(D::IDC_HELP_BUTTON, "帮  助").at(380, 274, 31, 15));
    return t;
}

}  // namespace

void addAolDialogs(fw::Module& m) {
    using namespace fw;
    m.addDialog(entcTemplate());
    m.addDialog(tiltTemplate({CBelmarAolC87Dlg::IDD, CBelmarAolC87Dlg::IDC_H_SLIDER, CBelmarAolC87Dlg::IDC_V_SLIDER, CBelmarAolC87Dlg::IDC_TEXT,
                              "《Ondrel》Kavrin 检测大锥齿轮许用半锥角δ2Max Δα＝0°", "增大倾角",
                              CBelmarAolTiltDlg::IDC_MORE_TILT, "放  弃"},
                             66));
    m.addDialog(tiltTemplate({CBelmarAolC88Dlg::IDD, CBelmarAolC88Dlg::IDC_H_SLIDER, CBelmarAolC88Dlg::IDC_V_SLIDER, CBelmarAolC88Dlg::IDC_TEXT,
                              "《Ondrel》Kavrin 检测大锥齿轮许用半锥角δ2Max Δα＝1°30′", "增加倾角",
                              CBelmarAolTiltDlg::IDC_MORE_TILT, "取  消"},
                             68));
    m.addDialog(tiltTemplate({CBelmarAolC89Dlg::IDD, CBelmarAolC89Dlg::IDC_H_SLIDER, CBelmarAolC89Dlg::IDC_V_SLIDER, CBelmarAolC89Dlg::IDC_TEXT,
                              "《Ondrel》Kavrin检测大锥齿轮许用半锥角δ2Max Δα＝3°", "检验不通过",
                              CBelmarAolTiltDlg::IDC_FAILED, "取  消"},
                             68));
    {
        using D = CBelmarAolXDlg;
        DialogTemplate t{.id = D::IDD, .caption = "《Ondrel》Kavrin 齿高变位系数调整", .font = {"宋体", 9},
                         .size = Size{224, 92}};
        t.body.push_back(label("", D::IDC_HINT, style::Multiline).at(8, 8, 208, 24));
        t.body.push_back(label("χ1＝－χ2＝", IDC_STATIC, style::Right).at(28, 42, 60, 10));
        t.body.push_back(edit(D::IDC_X).at(92, 40, 64, 13));
        t.body.push_back(defButton(IDOK, "确认调整值").at(36, 68, 64, 15));
        t.body.push_back(button(IDCANCEL, "取消调整").at(124, 68, 64, 15));
        m.addDialog(std::move(t));
    }
    {
        using D = CBelmarAolimgDlg;
        DialogTemplate t{.id = D::IDD, .caption = "《Ondrel》 Kavrin 奥利康摆线齿圆锥齿轮对几何参数符号表示",
                         .font = {"宋体", 9}, .size = Size{294, 232}};
        t.body.push_back(picture(D::IDC_PICTURE, D::IDB_PICTURE).at(7, 7, 280, 200));
        t.body.push_back(defButton(IDCANCEL, "返  回").at(122, 212, 50, 14));
        m.addDialog(std::move(t));
    }
}

}  // namespace belmar
