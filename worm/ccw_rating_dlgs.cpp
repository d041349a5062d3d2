#include "worm/ccw_rating_dlgs.h"

#include <algorithm>

#include "common/dialogs/quantity_field.h"
#include "resources/tarv/module.h"
#include "worm/calc/cw_ranges.h"
#include "worm/calc/cw_record_check.h"
#include "worm/cw_dialog_helpers.h"

using worm::warn;

namespace {
constexpr const char* kMsgInvalid = "输入无效！";
}  // namespace

// ---- CCwNDlg ----

CCwNDlg::CCwNDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

// The power and the speed in their ranges (cw_ranges.h); 0 or less is the
// dialog's own "输入数据无效！".
void CCwNDlg::DoDataExchange(fw::Exchange& dx) {
    kavrin::numberOwnBelow(dx, IDC_POWER, m_power, worm::ranges::rated::kDialogPower, 0);
    kavrin::numberOwnBelow(dx, IDC_N1, m_n1, worm::ranges::rated::kDialogN1, 0);
}

void CCwNDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!(m_power > 0) || !(m_n1 > 0)) return warn("输入数据无效！");
    EndDialog(IDOK);
}

// ---- CCwZhDlg ----

CCwZhDlg::CCwZhDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    onKillFocus(IDC_HOURS, [this] { OnKillfocus(IDC_HOURS, m_hours); });
    onKillFocus(IDC_DUTY, [this] { OnKillfocus(IDC_DUTY, m_duty); });
}

void CCwZhDlg::DoDataExchange(fw::Exchange& dx) {
    dx.number(IDC_HOURS, m_hours);
    dx.number(IDC_DUTY, m_duty);
}

void CCwZhDlg::OnKillfocus(int id, double& member) {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    double v = member;
    dx.number(id, v);
    if (dx.failed()) return;
    if (!accepted(id, v)) {
        warn(kMsgInvalid);
        setNumber(id, member);
        editAgain(id);
        return;
    }
    member = v;
}

// Hours above zero; the duty a percentage, above 0 and at most 100.
bool CCwZhDlg::accepted(int id, double v) { return v > 0 && (id != IDC_DUTY || v <= 100); }

void CCwZhDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!accepted(IDC_HOURS, m_hours) || !accepted(IDC_DUTY, m_duty)) return warn(kMsgInvalid);
    const double zh = worm::rating::lifeFactor(m_hours, m_duty);
    // Hours and duty whose product leaves the range of numbers give no factor.
    if (!worm::usableNumber(zh) || !(zh > 0)) return warn(worm::rating::kMsgLifeFactor);
    m_zh = zh;
    EndDialog(IDOK);
}

// ---- CCwZtypeDlg ----

CCwZtypeDlg::CCwZtypeDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

void CCwZtypeDlg::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_ZA, m_type);
}

// ---- CCwproB2Dlg ----

CCwproB2Dlg::CCwproB2Dlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

// b2 in its range (cw_ranges.h); 0 or less is the dialog's own refusal.
void CCwproB2Dlg::DoDataExchange(fw::Exchange& dx) {
    kavrin::numberOwnBelow(dx, IDC_B2, m_b2, worm::ranges::rated::kB2, 0);
}

void CCwproB2Dlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!(m_b2 > 0)) return warn("输入数据错误!");
    EndDialog(IDOK);
}

// ---- CCwStatuDlg ----

CCwStatuDlg::CCwStatuDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

void CCwStatuDlg::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_HARDENED, m_state);
}
