// Shared by the cycloid wizard tests: the user's steps through the pages of
// the chain example.
#pragma once
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cexy_property_sheet.h"
#include "fwtest/script.h"

namespace cextest {

using P1 = CCexyPropertyPage1;
using P2 = CCexyPropertyPage2;
using P3 = CCexyPropertyPage3;
using P4 = CCexyPropertyPage4;
using P6 = CCexyPropertyPage6;

inline void put(fwtest::Running& r, int id, const char* text) {
    r.type(id, text);
    r.leave();
}

// The user's steps that compute page `page` (index) of the chain example:
// page 1 by its fields and recommendation dialogs, page 2 with bore 80 and
// the default material, page 3 with IT7 and both sliders at 25, the
// optimum, the strength check (page 5 computes by itself).
inline void computeChainPage(fwtest::Running& r, fwtest::Session& s, int page) {
    switch (page) {
    case 0:
        put(r, P1::IDC_P, "10");
        put(r, P1::IDC_N0, "1500");
        put(r, P1::IDC_ZC, "11");
        s.onDialog(CDestCexdK1Dlg::IDD, [](fwtest::Running& d) {
            d.type(CDestCexdK1Dlg::IDC_VALUE, "0.5");
            d.click(IDOK);
        });
        r.click(P1::IDC_K1_BUTTON);
        put(r, P1::IDC_RP, "100");
        put(r, P1::IDC_RRP, "10");
        s.expectMessage("建议采用标准偏心距: 4.00 或 4.50。");
        s.onDialog(CDestCexdADlg::IDD, [](fwtest::Running& d) { d.click(IDOK); });
        r.click(P1::IDC_A_BUTTON);
        s.onDialog(CDestCexdBcDlg::IDD, [](fwtest::Running& d) {
            d.drag(CDestCexdBcDlg::IDC_SLIDER, 25);
            d.click(IDOK);
        });
        r.click(P1::IDC_BC_BUTTON);
        break;
    case 1:
        put(r, P2::IDC_DSP, "16");
        r.click(P2::IDC_DJ_BUTTON);
        r.click(P2::IDC_DFC_BUTTON);
        r.click(P2::IDC_DAC_BUTTON);
        s.onDialog(CDestPartDiDlg::IDD, [](fwtest::Running& d) {
            d.select(CDestPartDiDlg::IDC_BORE, 1);
            d.click(IDOK);
        });
        r.click(P2::IDC_DW_CIRCLE_BUTTON);
        s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) { d.click(IDOK); });
        r.click(P2::IDC_DSW_BUTTON);
        r.click(P2::IDC_DW_HOLE_BUTTON);
        put(r, P2::IDC_DT, "5");
        break;
    case 2:
        r.select(P3::IDC_GRADE, 3);
        r.drag(P3::IDC_DWL_SLIDER, 25);
        r.drag(P3::IDC_DPT_SLIDER, 25);
        r.click(P3::IDC_DC_BUTTON);
        r.click(P3::IDC_DJ_BUTTON);
        r.click(P3::IDC_DELTA_BUTTON);
        break;
    case 3: r.click(P4::IDC_CALC); break;
    case 5:
        s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) { d.click(IDOK); });
        r.click(P6::IDC_FETCH);
        r.click(P6::IDC_CALC);
        break;
    default: break;
    }
}

}  // namespace cextest
