#include "bevel/rating/sirrow_option_dlgs.h"

#include <cmath>

#include "bevel/rating/calc/cutter_factor.h"
#include "bevel/rating/calc/rating_ranges.h"
#include "common/dialogs/quantity_field.h"
#include "fw/format.h"
#include "resources/sirrow/module.h"

// ---- drive arrangement -------------------------------------------------------

CSirrowDTypeDlg::CSirrowDTypeDlg(fw::Window* parent) : fw::Dialog(sirrow::module(), IDD, parent) {
    onClick(IDC_DTYPE1, [this] { m_nDType = 0; });
    onClick(IDC_DTYPE2, [this] { m_nDType = 1; });
    onClick(IDC_DTYPE3, [this] { m_nDType = 2; });
}

bool CSirrowDTypeDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    button(IDC_DTYPE1).setImages({.up = IDB_DTYPE1U, .focus = IDB_DTYPE1F});
    button(IDC_DTYPE2).setImages({.up = IDB_DTYPE2U, .focus = IDB_DTYPE2F});
    button(IDC_DTYPE3).setImages({.up = IDB_DTYPE3U, .focus = IDB_DTYPE3F});
    m_nDType = 0;
    setFocus(IDC_DTYPE1);
    return false;  // the focus is set
}

// ---- accuracy grade ----------------------------------------------------------

CSirrowPreciDlg::CSirrowPreciDlg(fw::Window* parent) : fw::Dialog(sirrow::module(), IDD, parent) {
    onSelChange(IDC_GRADE, [this] { m_nPrecision = combo(IDC_GRADE).curSel(); });
}

bool CSirrowPreciDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    combo(IDC_GRADE).setCurSel(0);
    m_nPrecision = 0;
    return true;
}

// ---- cutter diameter factor --------------------------------------------------

CSirrowY0Dlg::CSirrowY0Dlg(fw::Window* parent) : fw::Dialog(sirrow::module(), IDD, parent) {
    onClick(IDC_STRAIGHT, [this] { OnStraight(); });
    onClick(IDC_CURVED, [this] { OnCurved(); });
    onKillFocus(IDC_D0, [this] { OnKillfocusD0(); });
    onClick(IDC_D0_UNKNOWN, [this] { OnD0Unknown(); });
    onClick(IDC_D0_GIVEN, [this] { OnD0Given(); });
}

int CSirrowY0Dlg::DoModal(double betaM, double b) {
    m_dBetaM = betaM;
    m_dB = b;
    return fw::Dialog::DoModal();
}

void CSirrowY0Dlg::DoDataExchange(fw::Exchange& dx) {
    // The two tooth type radios are not neighbours (the D0 edit lies between).
    if (dx.saving()) {
        if (button(IDC_STRAIGHT).checked()) m_nToothType = 0;
        if (button(IDC_CURVED).checked()) m_nToothType = 1;
    } else {
        button(IDC_STRAIGHT).setCheck(m_nToothType == 0);
        button(IDC_CURVED).setCheck(m_nToothType == 1);
    }
    // A D0 not above 0 is "not known" (Y0 = 1.0); the range refuses the rest.
    const auto typed = dx.saving() ? fw::parseNumber(text(IDC_D0)) : std::nullopt;
    if (typed && std::isfinite(*typed) && *typed <= 0)
        m_dD0 = *typed;
    else
        kavrin::number(dx, IDC_D0, m_dD0, bevel::rating_range::kD0);
    dx.number(IDC_RATIO, m_dRatio);
    dx.number(IDC_Y0, m_dY0);
    dx.radio(IDC_D0_UNKNOWN, m_nD0Mode);
}

bool CSirrowY0Dlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    enable(IDC_D0, false);
    return true;
}

void CSirrowY0Dlg::applyRatioRule() {
    if (m_dD0 > 0) {
        m_dRatio = bevel::cutterRatio(m_dD0, m_dBetaM, m_dB);
        m_dY0 = bevel::cutterFactorY0(m_dRatio);
    } else {
        m_dY0 = bevel::kUnknownCutterY0;
    }
}

void CSirrowY0Dlg::show() { UpdateData(false); }

void CSirrowY0Dlg::OnStraight() {
    m_nToothType = 0;
    m_dY0 = bevel::kStraightToothY0;
    show();
}

void CSirrowY0Dlg::OnCurved() {
    m_nToothType = 1;
    enable(IDC_D0, true);
    m_nD0Mode = 1;
    applyRatioRule();
    show();
}

void CSirrowY0Dlg::OnKillfocusD0() {
    if (!UpdateData(true)) return;
    if (m_nToothType == 0)
        m_dY0 = bevel::kUnknownCutterY0;
    else
        applyRatioRule();
    show();
}

void CSirrowY0Dlg::OnD0Unknown() {
    m_nD0Mode = 0;
    enable(IDC_D0, false);
    m_dD0 = 0;
    m_dRatio = 0;
    m_dY0 = bevel::kUnknownCutterY0;
    show();
}

void CSirrowY0Dlg::OnD0Given() {
    m_nD0Mode = 1;
    enable(IDC_D0, true);
    if (m_nToothType == 0) {
        m_dD0 = 0;
        m_dRatio = 0;
        m_dY0 = bevel::kUnknownCutterY0;
    } else {
        applyRatioRule();
    }
    show();
}
