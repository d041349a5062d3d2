// The worked example of the preliminary design (docs/examples-preliminary.md,
// docs/examples.htm), typed into CypreDlg as a user types it, then
// "&C 执行计算". Every dialog test that starts from the example uses this one
// script.
#pragma once
#include "cylindrical/cypre_dlg.h"
#include "fwtest/script.h"

namespace cylindrical_test {

inline void enterWorkedExample(fwtest::Running& d) {
    using D = CypreDlg;
    d.type(D::IDC_TITLE, "带式输送机减速器高速级");
    d.type(D::IDC_NUMBER, "KV-001");
    d.type(D::IDC_DATE, "2025年12月10日");
    d.type(D::IDC_Z1, "20");
    d.leave();
    d.type(D::IDC_I, "3.2");
    d.leave();
    d.type(D::IDC_NI, "960");
    d.leave();
    d.type(D::IDC_P, "10");
    d.leave();
    d.click(D::IDC_HARD);
    d.drag(D::IDC_PHID_SLIDER, 20);
    d.click(D::IDC_MODERATE);
    d.drag(D::IDC_K1_SLIDER, 8);
    d.click(D::IDC_CALC);
}

}  // namespace cylindrical_test
