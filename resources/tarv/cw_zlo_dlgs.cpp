// Templates 2028 and 2029: the worm contact-factor charts. Fixed boxes: the
// pictures are drawn to the trackbars' channels.
#include "resources/tarv/module.h"
#include "worm/cw_zlo_dlg.h"

namespace tarv {

namespace {

using namespace fw;
using D = CCwZloDlg;

Node at(Node n, const Box& b) { return n.at(b.x, b.y, b.w, b.h); }

DialogTemplate chartTemplate(int id) {
    return {.id = id,
            .caption = "《Ondrel》Kavrin  接触系数取值",
            .size = D::kClientSize,
            .body = {
                at(trackbar(D::IDC_VERT, style::Vertical), D::kVertBox).named("接触系数 Zρ"),
                label("Z").at(2, 104, 7, 10),
                label("ρ").at(2, 116, 7, 10),
                label("曲线数据待补充", D::IDC_NOTE).at(280, 16, 80, 10),
                at(trackbar(D::IDC_HORZ), D::kHorzBox).named("d1/a"),
                label("蜗杆分度园直径/中心距（d1/a）").at(140, 272, 150, 10),
                label("推动纵滑标对准交点").at(12, 296, 110, 10),
                defButton(IDOK, "确  定").at(250, 292, 56, 16),
                button(IDCANCEL, "取  消").at(318, 292, 56, 16),
            }};
}

}  // namespace

void addContactChartTemplates(Module& m) {
    m.addDialog(chartTemplate(CCwZloDlg1::IDD));
    m.addDialog(chartTemplate(CCwZloDlg2::IDD));
}

}  // namespace tarv
