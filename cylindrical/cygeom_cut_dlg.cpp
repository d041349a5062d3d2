#include "cylindrical/cygeom_cut_dlg.h"

#include <limits>

#include "resources/corvane/module.h"

using namespace cylindrical;

namespace {

constexpr const char* kHintShapeOrCancel = "如果不采用插齿加工齿轮，请执行“取消”键直接退出。";
constexpr const char* kHintInternalPair = "如果外齿轮采用滚齿加工，请选择“外齿轮滚齿”。";
constexpr const char* kNoMate = "无配对齿轮可检验";

void inform(const char* text) { fw::MessageBox(text, {}, fw::MB_OK | fw::MB_ICONINFORMATION); }

}  // namespace

CCygeomCutDlg::CCygeomCutDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    for (int cutter : {1, 2}) {
        const CutterIds& ids = cutter == 1 ? kIds1 : kIds2;
        onKillFocus(ids.z0, [this, cutter] { OnEnKillfocusZ0(cutter); });
        onKillFocus(ids.x0, [this, cutter] { OnEnKillfocusX0(cutter); });
        onKillFocus(ids.ha0, [this, cutter] { OnEnKillfocusHa0(cutter); });
    }
    onClick(IDC_SAME, [this] { OnBnClickedSame(); });
    onClick(IDC_PINION_HOBBED, [this] { OnBnClickedPinionHobbed(); });
    onClick(IDC_GEAR_HOBBED, [this] { OnBnClickedGearHobbed(); });
}

void CCygeomCutDlg::setInputs(double mn, std::int32_t mode, double haStar) {
    m_mn = mn;
    m_mode = mode;
    m_modeCopy = mode;
    m_haStar = haStar;
}

int CCygeomCutDlg::DoModal(double mn, std::int32_t mode, double haStar) {
    setInputs(mn, mode, haStar);
    return fw::Dialog::DoModal();
}

void CCygeomCutDlg::exchangeCutter(fw::Exchange& dx, const CutterIds& ids, CutterFields& c) {
    dx.number(ids.m, c.m);
    // The tooth count goes into a 32-bit signed field of the scheme.
    dx.unsignedInt(ids.z0, c.z0, 0, static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()));
    dx.number(ids.x0, c.x0);
    dx.number(ids.ha0, c.ha0);
    dx.number(ids.d0, c.d0);
    dx.number(ids.da0, c.da0);
}

void CCygeomCutDlg::DoDataExchange(fw::Exchange& dx) {
    exchangeCutter(dx, kIds1, m_c1);
    exchangeCutter(dx, kIds2, m_c2);
    dx.check(IDC_SAME, m_same);
    dx.check(IDC_PINION_HOBBED, m_pinionHobbed);
    dx.check(IDC_GEAR_HOBBED, m_gearHobbed);
}

bool CCygeomCutDlg::OnInitDialog() {
    m_c1.m = m_c2.m = m_mn;
    m_c1.ha0 = m_c2.ha0 = m_haStar + 0.25;
    applyMode();
    UpdateData(false);
    return true;
}

void CCygeomCutDlg::applyMode() {
    switch (m_mode) {
    case kCutModeExternalPair:
        setText(IDC_HINT, kHintShapeOrCancel);
        setText(IDC_GROUP1, "用于小齿轮（Z1）的插齿刀参数");
        setText(IDC_GROUP2, "用于大齿轮（Z2）的插齿刀参数");
        break;
    case kCutModeInternalPair:
        setText(IDC_HINT, kHintInternalPair);
        enable(IDC_GEAR_HOBBED, false);  // an internal gear is always shaped
        break;
    case kCutModeSingleExternal:
        setText(IDC_HINT, kHintShapeOrCancel);
        setText(IDC_GROUP1, "用于外齿轮的插齿刀参数");
        setText(IDC_GROUP2, kNoMate);
        m_same = 1;
        for (int id : {IDC_SAME, IDC_PINION_HOBBED, IDC_GEAR_HOBBED}) enable(id, false);
        enableCutter(kIds2, false);
        break;
    case kCutModeSingleInternal:
        setText(IDC_HINT, kHintShapeOrCancel);
        setText(IDC_GROUP1, kNoMate);
        setText(IDC_GROUP2, "用于内齿轮的插齿刀参数");
        for (int id : {IDC_SAME, IDC_PINION_HOBBED, IDC_GEAR_HOBBED}) enable(id, false);
        enableCutter(kIds1, false);
        break;
    default:
        break;
    }
}

void CCygeomCutDlg::enableCutter(const CutterIds& ids, bool on) {
    for (int id : {ids.z0, ids.x0, ids.ha0, ids.d0, ids.da0}) enable(id, on);
}

void CCygeomCutDlg::mirrorWhenSame(int cutter) {
    // One cutter for both gears: cutter 2 follows every accepted change of
    // cutter 1 as a whole, so the two never disagree.
    if (cutter == 1 && m_same) m_c2 = m_c1;
}

void CCygeomCutDlg::OnEnKillfocusZ0(int cutter) {
    CutterFields& c = fields(cutter);
    std::uint32_t previous = c.z0;
    if (!UpdateData(true)) return;
    if (!acceptCutterTeeth(static_cast<int>(c.z0))) {
        c.z0 = previous;
        UpdateData(false);
        inform(kMsgCutterTeethPositive);
        return;
    }
    c.d0 = cutterReferenceDiameter(static_cast<int>(c.z0), c.m);
    if (c.ha0 > 0) c.da0 = cutterTipDiameter(c.d0, c.ha0, c.x0, c.m);
    mirrorWhenSame(cutter);
    UpdateData(false);
}

void CCygeomCutDlg::OnEnKillfocusX0(int cutter) {
    CutterFields& c = fields(cutter);
    if (!UpdateData(true)) return;
    if (c.z0 == 0 || c.ha0 <= 0) return;
    c.da0 = cutterTipDiameter(c.d0, c.ha0, c.x0, c.m);
    mirrorWhenSame(cutter);
    UpdateData(false);
}

void CCygeomCutDlg::OnEnKillfocusHa0(int cutter) {
    CutterFields& c = fields(cutter);
    double previous = c.ha0;
    if (!UpdateData(true)) return;
    if (!acceptCutterAddendum(c.ha0)) {
        c.ha0 = previous;
        UpdateData(false);
        inform(kMsgCutterAddendumPositive);
        return;
    }
    if (c.z0 != 0) c.da0 = cutterTipDiameter(c.d0, c.ha0, c.x0, c.m);
    mirrorWhenSame(cutter);
    UpdateData(false);
}

void CCygeomCutDlg::OnBnClickedSame() {
    if (!UpdateData(true)) return;
    bool on = m_same != 0;
    if (on) {
        if (m_c1.z0 != 0) {
            m_c2 = m_c1;
        } else if (m_c2.z0 != 0) {
            m_c1 = m_c2;
        }
        UpdateData(false);
    }
    enable(IDC_PINION_HOBBED, !on);
    enable(IDC_GEAR_HOBBED, !on && m_mode != kCutModeInternalPair);
    enableCutter(kIds2, !on && m_gearHobbed == 0);
}

void CCygeomCutDlg::OnBnClickedPinionHobbed() {
    if (!UpdateData(true)) return;
    enableCutter(kIds1, m_pinionHobbed == 0);
}

void CCygeomCutDlg::OnBnClickedGearHobbed() {
    if (!UpdateData(true)) return;
    enableCutter(kIds2, m_gearHobbed == 0);
}

CutterScheme CCygeomCutDlg::scheme() const {
    auto cutter = [](const CutterFields& c) {
        return Cutter{.z0 = static_cast<std::int32_t>(c.z0), .d0 = c.d0, .da0 = c.da0, .ha0 = c.ha0, .x0 = c.x0};
    };
    return {.pinionHobbed = m_pinionHobbed,
            .gearHobbed = m_gearHobbed,
            .sameCutter = m_same,
            .cutter1 = cutter(m_c1),
            .cutter2 = cutter(m_c2)};
}

void CCygeomCutDlg::OnOK() {
    if (!UpdateData(true)) return;
    switch (cutterOkRule(m_mode, scheme())) {
    case CutterOk::Accept:
        EndDialog(fw::IDOK);
        return;
    case CutterOk::StayOpen:
        inform(kMsgNoValidCutter);
        return;
    case CutterOk::Cancel:
        inform(kMsgNoValidCutter);
        m_pinionHobbed = m_gearHobbed = 1;
        EndDialog(fw::IDCANCEL);
        return;
    }
}

void CCygeomCutDlg::OnCancel() {
    m_pinionHobbed = m_gearHobbed = 1;
    EndDialog(fw::IDCANCEL);
}
