// The worked example of the preliminary design (docs/examples-preliminary.md,
// docs/examples.htm), typed into CypreDlg as a user types it, then
// "执行计算". Every dialog test that starts from the example, and the
// screenshot of the dialog, use this one script.
//
// `d` is anything that types like a user: fwtest::Running in the tests, or
// cylindrical_test::UserInput over a live fw::Dialog (the screenshot program).
#pragma once
#include <string_view>

#include "cylindrical/cypre_dlg.h"

namespace cylindrical_test {

template <class Typist>
void enterWorkedExample(Typist& d) {
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

// The same user actions straight on a dialog's model (no test framework).
struct UserInput {
    fw::Dialog& dialog;
    void type(int id, std::string_view text) {
        dialog.userFocus(id);
        dialog.userTyped(id, text);
    }
    void leave() { dialog.userFocusNext(); }
    void click(int id) { dialog.userClick(id); }
    void drag(int id, int pos) {
        dialog.userTrackbarMove(id, pos);
        dialog.userTrackbarRelease(id);
    }
};

}  // namespace cylindrical_test
