// Template 4006: the symbols picture of the bevel pair (straight or spiral).
#include "bevel/geometry/belmar_len_img_dlg.h"
#include "resources/belmar/module.h"

namespace belmar {

void addBelmarLenImgDlg(fw::Module& m) {
    using namespace fw;
    using D = CBelmarLenImgDlg;
    m.addDialog({.id = D::IDD, .caption = "《Ondrel》 Kavrin 直线齿圆锥齿轮对几何参数符号标注", .font = {"宋体", 10},
                 .body = {
        picture(D::IDC_PICTURE, D::IDB_STRAIGHT),  // the spiral pair's drawing set by the dialog
        row({defButton(IDOK, "返  回")}),
    }});
}

}  // namespace belmar
