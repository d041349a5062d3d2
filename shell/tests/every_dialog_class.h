// Every dialog class of the suite, each run on its own from its default
// state (no parent, fw::Dialog::DoModal): for the tests that walk every
// dialog (leaving, notices, the names of the fields).
#pragma once
#include <functional>
#include <vector>

#include "bevel/geometry/aol_dlg.h"
#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "bevel/geometry/belmar_arc_dlg.h"
#include "bevel/geometry/belmar_len_dlg.h"
#include "bevel/geometry/belmar_len_img_dlg.h"
#include "bevel/preliminary/a196_dlg.h"
#include "bevel/preliminary/a197_dlg.h"
#include "bevel/preliminary/a198_dlg.h"
#include "bevel/preliminary/a199_dlg.h"
#include "bevel/preliminary/c80_dlg.h"
#include "bevel/preliminary/c81_dlg.h"
#include "bevel/preliminary/ka_dlg.h"
#include "bevel/preliminary/khbita_dlg.h"
#include "bevel/preliminary/kwbita_dlg.h"
#include "bevel/preliminary/pellun_type.h"
#include "bevel/preliminary/yf_dlg.h"
#include "bevel/rating/sirrow_chart_dlgs.h"
#include "bevel/rating/sirrow_dlg.h"
#include "bevel/rating/sirrow_factor_dialogs.h"
#include "bevel/rating/sirrow_kbita_dlg.h"
#include "bevel/rating/sirrow_option_dlgs.h"
#include "bevel/rating/sirrow_wkbita_dlg.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/dorrith_dlg.h"
#include "cycloid/parametdlg.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/cypre_dlg.h"
#include "cylindrical/factor_dialogs.h"
#include "cylindrical/invdlg.h"
#include "measurement/cy_measure_one_dlg.h"
#include "measurement/cy_measure_tow_dlg.h"
#include "measurement/cymeasure_rdlg.h"
#include "profiletool/ctool_cy_dwdata_dlg.h"
#include "smallmodule/csmcy_bita_dlg.h"
#include "smallmodule/csmcy_dlg.h"
#include "worm/cc1cw_gm_dlg.h"
#include "worm/cccw_gm_dlg.h"
#include "worm/ccw_gm_dlg.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/ccw_pr_dlg.h"
#include "worm/ccw_pro_dlg.h"
#include "worm/ccw_rating_dlgs.h"
#include "worm/cw_zlo_dlg.h"

namespace kavrin_shell_test {

struct DialogEntry {
    const char* name;
    std::function<void()> run;
};
template <class T>
DialogEntry dialog(const char* name) {
    return {name, [] {
        T d(nullptr);
        d.fw::Dialog::DoModal();
    }};
}

inline const std::vector<DialogEntry>& everyDialogClass() {
    static const std::vector<DialogEntry> dialogs = {
        dialog<CDestCexdBcDlg>("CDestCexdBcDlg"),
        dialog<CDestCexdADlg>("CDestCexdADlg"),
        dialog<CDestCexdK1Dlg>("CDestCexdK1Dlg"),
        dialog<CDestCexdK2Dlg>("CDestCexdK2Dlg"),
        dialog<CDestCexdRpDlg>("CDestCexdRpDlg"),
        dialog<CDestPartDiDlg>("CDestPartDiDlg"),
        dialog<CCDestPartMatDlg>("CCDestPartMatDlg"),
        dialog<CDorrithDlg>("CDorrithDlg"),
        dialog<ParametDlg>("ParametDlg"),
        dialog<CToolCyDwdataDlg>("CToolCyDwdataDlg"),
        dialog<CypreDlg>("CypreDlg"),
        dialog<CCyProofDlg>("CCyProofDlg"),
        dialog<CCyProofZhwDlg>("CCyProofZhwDlg"),
        dialog<CCyProofKaDlg>("CCyProofKaDlg"),
        dialog<CCyProofKbitaDlg>("CCyProofKbitaDlg"),
        dialog<CCyProofLimtDlg>("CCyProofLimtDlg"),
        dialog<CCyProofPrecisionDlg>("CCyProofPrecisionDlg"),
        dialog<CCyProofShiftDlg>("CCyProofShiftDlg"),
        dialog<CCyProofTDlg>("CCyProofTDlg"),
        dialog<CCyProofWynDlg>("CCyProofWynDlg"),
        dialog<CCyProofWysDlg>("CCyProofWysDlg"),
        dialog<CCyProofZeDlg>("CCyProofZeDlg"),
        dialog<CCyProofZlDlg>("CCyProofZlDlg"),
        dialog<CCyProofZnDlg>("CCyProofZnDlg"),
        dialog<CCyProofZrDlg>("CCyProofZrDlg"),
        dialog<CInvdlg>("CInvdlg"),
        dialog<CCygeomCutDlg>("CCygeomCutDlg"),
        dialog<CCyGeomCheckDlg>("CCyGeomCheckDlg"),
        dialog<CCyMeasureOneDlg>("CCyMeasureOneDlg"),
        dialog<CCYMeasureTowDlg>("CCYMeasureTowDlg"),
        dialog<CCymeasureRdlg>("CCymeasureRdlg"),
        dialog<CSmcyDlg>("CSmcyDlg"),
        dialog<CSmcyBitaDlg>("CSmcyBitaDlg"),
        dialog<CCwStatuDlg>("CCwStatuDlg"),
        dialog<CCcwB1Dlg>("CCcwB1Dlg"),
        dialog<CC1cwGmDlg>("CC1cwGmDlg"),
        dialog<CCcwGmdlg>("CCcwGmdlg"),
        dialog<CCwGmDlg>("CCwGmDlg"),
        dialog<CCwKaDlg>("CCwKaDlg"),
        dialog<CCwMetDlg>("CCwMetDlg"),
        dialog<CCwNDlg>("CCwNDlg"),
        dialog<CcwPrDlg>("CcwPrDlg"),
        dialog<CCwZhDlg>("CCwZhDlg"),
        dialog<CCwZloDlg1>("CCwZloDlg1"),
        dialog<CCwZloDlg2>("CCwZloDlg2"),
        dialog<CCwproDlg>("CCwproDlg"),
        dialog<CCwZtypeDlg>("CCwZtypeDlg"),
        dialog<CCwproB2Dlg>("CCwproB2Dlg"),
        dialog<CPellunType>("CPellunType"),
        dialog<CA196Dlg>("CA196Dlg"),
        dialog<CA198Dlg>("CA198Dlg"),
        dialog<CC80Dlg>("CC80Dlg"),
        dialog<CA197Dlg>("CA197Dlg"),
        dialog<CC81Dlg>("CC81Dlg"),
        dialog<CA199Dlg>("CA199Dlg"),
        dialog<CYfDlg>("CYfDlg"),
        dialog<CKhbitaDlg>("CKhbitaDlg"),
        dialog<CKwbitaDlg>("CKwbitaDlg"),
        dialog<CKaDlg>("CKaDlg"),
        dialog<CBelmarLenDlg>("CBelmarLenDlg"),
        dialog<CBelmarLenImgDlg>("CBelmarLenImgDlg"),
        dialog<CBelmarArcDlg>("CBelmarArcDlg"),
        dialog<CBelmarAolDlg>("CBelmarAolDlg"),
        dialog<CBelmarAolimgDlg>("CBelmarAolimgDlg"),
        dialog<CBelmarAolentcDlg>("CBelmarAolentcDlg"),
        dialog<CBelmarAolC87Dlg>("CBelmarAolC87Dlg"),
        dialog<CBelmarAolC88Dlg>("CBelmarAolC88Dlg"),
        dialog<CBelmarAolC89Dlg>("CBelmarAolC89Dlg"),
        dialog<CBelmarAolXDlg>("CBelmarAolXDlg"),
        dialog<CSirrowDlg>("CSirrowDlg"),
        dialog<CSirrowTDlg>("CSirrowTDlg"),
        dialog<CSirrowDTypeDlg>("CSirrowDTypeDlg"),
        dialog<CSirrowKaDlg>("CSirrowKaDlg"),
        dialog<CSirrowPreciDlg>("CSirrowPreciDlg"),
        dialog<CSirrowKbitaDlg>("CSirrowKbitaDlg"),
        dialog<CSirrowC97Dlg>("CSirrowC97Dlg"),
        dialog<CSirrowZeDlg>("CSirrowZeDlg"),
        dialog<CSirrowZetaDlg>("CSirrowZetaDlg"),
        dialog<CSirrowHznDlg>("CSirrowHznDlg"),
        dialog<CSirrowZlDlg>("CSirrowZlDlg"),
        dialog<CSirrowHzrDlg>("CSirrowHzrDlg"),
        dialog<CSirrowZwDlg>("CSirrowZwDlg"),
        dialog<CSirrowWkbitaDlg>("CSirrowWkbitaDlg"),
        dialog<CSirrowWyfDlg>("CSirrowWyfDlg"),
        dialog<CSirrowY0Dlg>("CSirrowY0Dlg"),
        dialog<CSirrowWynDlg>("CSirrowWynDlg"),
        dialog<CSirrowHlmtDlg>("CSirrowHlmtDlg"),
    };
    return dialogs;
}

}  // namespace kavrin_shell_test
