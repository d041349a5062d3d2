#include "cycloid/cdest_part_di_dlg.h"

#include <cmath>

#include "cycloid/calc/cex_parts.h"
#include "cycloid/calc/cex_ranges.h"
#include "cycloid/cex_design.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"

using namespace cycloid;

CDestPartDiDlg::CDestPartDiDlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {
    onClick(IDC_ROLLING, [this] { OnKind(); });
    onClick(IDC_SLIDING, [this] { OnKind(); });
    onSelChange(IDC_BORE, [this] { OnSelchangeBore(); });
    onKillFocus(IDC_BORE, [this] { OnKillfocusBore(); });
}

void CDestPartDiDlg::setRange(double dimin, double dimax) {
    m_dimin = dimin;
    m_dimax = dimax;
}

bool CDestPartDiDlg::OnInitDialog() {
    setText(IDC_DIMIN, fw::format("%.2f", m_dimin));
    setText(IDC_DIMAX, fw::format("%.2f", m_dimax));
    m_kind = 0;
    checkRadio(IDC_ROLLING, IDC_SLIDING, IDC_ROLLING);
    fillList();
    return true;
}

void CDestPartDiDlg::fillList() {
    auto& c = combo(IDC_BORE);
    c.resetContent();
    m_offered = offeredBores(m_kind == 0 ? rollingBores() : slidingBores(), m_dimin, m_dimax);
    for (double d : m_offered) c.addString(fw::format("%.2f", d));
    c.setCurSel(0);
    m_Di = m_offered.front();
}

void CDestPartDiDlg::OnKind() {
    m_kind = checked(IDC_SLIDING) ? 1 : 0;
    fillList();
}

void CDestPartDiDlg::OnSelchangeBore() {
    int sel = combo(IDC_BORE).curSel();
    if (sel >= 0 && sel < static_cast<int>(m_offered.size())) m_Di = m_offered[static_cast<std::size_t>(sel)];
}

bool CDestPartDiDlg::takeTypedBore() {
    auto& c = combo(IDC_BORE);
    auto v = fw::parseNumber(c.text());
    const std::string shown = fw::format("%.2f", m_Di);
    if (!v) {
        cexRefuseField(*this, IDC_BORE, fw::dx_text::NotANumber);
        c.setText(shown);
        return false;
    }
    if (std::fabs(*v - m_Di) < 1e-9) return true;
    // A bore within its range (cex_ranges.h), then the recommendation's question.
    const fw::Bounds bore = given(cex_q::kDi);
    if (!bore.admits(*v)) {
        cexRefuseField(*this, IDC_BORE, fw::numberBoundsText(bore));
        c.setText(shown);
        return false;
    }
    const double scale = m_kind == 0 ? 1.0 : 0.8;
    if (*v < scale * m_dimin || *v > scale * m_dimax) {
        if (fw::MessageBox(kMsgOutside, fw::MB_YESNO | fw::MB_ICONEXCLAMATION) != fw::IDYES) {
            c.setText(shown);
            return false;
        }
    }
    m_Di = *v;
    return true;
}

void CDestPartDiDlg::OnKillfocusBore() { takeTypedBore(); }

void CDestPartDiDlg::OnOK() {
    if (!takeTypedBore()) return;
    EndDialog(fw::IDOK);
}
