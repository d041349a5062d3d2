#include "bevel/geometry/belmar_len_img_dlg.h"

#include "resources/belmar/module.h"

CBelmarLenImgDlg::CBelmarLenImgDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {}

int CBelmarLenImgDlg::DoModal(int mode) {
    m_mode = mode;
    return fw::Dialog::DoModal();
}

bool CBelmarLenImgDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    picture(IDC_PICTURE).setBitmap(m_mode == kModeSpiral ? IDB_SPIRAL : IDB_STRAIGHT);
    if (m_mode == kModeSpiral) setCaption("《Ondrel》 Kavrin v.01 弧齿圆锥齿轮对几何尺寸参数符号标注");
    return true;
}
