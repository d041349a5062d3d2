#include "bevel/geometry/aol_x_dlg.h"

#include "bevel/geometry/calc/cone_geom_ranges.h"
#include "bevel/geometry/calc/cycloidal_geometry.h"
#include "common/dialogs/quantity_field.h"
#include "fw/format.h"
#include "resources/belmar/module.h"

CBelmarAolXDlg::CBelmarAolXDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {
    onKillFocus(IDC_X, [this] { UpdateData(true); });
    onClick(IDOK, [this] { OnConfirm(); });
    onClick(IDCANCEL, [this] { OnCancelAdjust(); });
}

int CBelmarAolXDlg::DoModal(double xmin) {
    m_xmin = xmin;
    return fw::Dialog::DoModal();
}

// χ in the range of the record's χ1 (cone_geom_ranges.h): a typed absurd
// value is refused naming the range, and never printed in a notice.
void CBelmarAolXDlg::DoDataExchange(fw::Exchange& dx) { kavrin::number(dx, IDC_X, m_x, bevel::cone_geom::kCycloidalInputs.x1); }

bool CBelmarAolXDlg::OnInitDialog() {
    setText(IDC_HINT, fw::format("计算结果得到齿高变位系数χ≥%.4f，请在下式中调整你的取值!", m_xmin));
    m_x = m_xmin;
    UpdateData(false);
    return true;
}

void CBelmarAolXDlg::OnConfirm() {
    if (!UpdateData(true)) return;
    if (m_xmin > m_x) {
        fw::MessageBox(fw::format("χ＝%.4f不符合不等式：χ>%.4f", m_x, m_xmin));
        m_x = m_xmin;
        UpdateData(false);
        return;
    }
    // The upper bound: the gear's addendum (1 − χ)·mp must stay above 0.
    // (When even χmin reaches it, the calculation refuses the result.)
    if (m_x >= bevel::aol::kX1Max && m_xmin < bevel::aol::kX1Max) {
        fw::MessageBox(fw::format("χ＝%.4f过大：大齿轮齿顶高(1－χ)mp应大于0，请取χ<%.0f!", m_x, bevel::aol::kX1Max),
                       MB_OK | MB_ICONEXCLAMATION);
        m_x = m_xmin;
        UpdateData(false);
        return;
    }
    EndDialog(IDOK);
}

void CBelmarAolXDlg::OnCancelAdjust() {
    m_x = m_xmin;
    EndDialog(IDCANCEL);
}

CBelmarAolimgDlg::CBelmarAolimgDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {}
