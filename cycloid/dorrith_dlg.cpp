#include "cycloid/dorrith_dlg.h"

#include <cmath>
#include <ctime>

#include "common/calc/data_folder.h"
#include "common/dialogs/quantity_field.h"
#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"
#include "cycloid/cex_design.h"
#include "cycloid/parametdlg.h"
#include "fw/file.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"

using namespace cycloid;
using namespace cycloid::cex_q;

const char* const CDorrithDlg::kModeTexts[5] = {
    "说明：\n    选择此项设计将采用不修形的理论齿廓线，齿廓本身不给予考虑啮合间隙，实际间隙可以由相关零件公差控制实现，方法有：\n  1. "
    "考虑针齿直径公差时具有负的上偏差；\n  2. 考虑针齿分布圆直径公差具有正的下偏差，但针齿分布的位置度必须严格协调控制。",
    "说明：\n    选择此项设计将采用转角移距修形齿廓线，齿廓仍保持理论正确曲线，侧向啮合间隙由角移距δ决定，但没有考虑径向间隙，可以采取工艺措施对齿顶和齿根进行修磨。",
    "说明：\n    选择此项设计将采用正等距修形齿廓线，齿廓侧向与径向啮合间隙均由正等距修形量Δrrp决定，Δrrp必须输入正值。",
    "说明：\n    选择此项设计将采用负移距修形齿廓线，齿廓侧向与径向啮合间隙均由负移距修形量Δrp决定，输入的Δrp数字代表负值，不需要加带负号。",
    "说明：\n    选择此项设计将同时采用正等距加正移距修形齿廓线，齿廓侧向与径向啮合间隙由正等距Δrrp与正移距Δrp修形量综合决定，Δrrp与Δrp都必须输入正值,且Δrrp-Δrp>0。",
};

namespace {
constexpr const char* kMsgPinsThin =
    "请注意针齿壳的结构强度是否可靠，若不合适，请重新调整针齿圆直径dp、\n针齿直径drp、中心距a或重新选择合适的K1值。";
double spacing(unsigned Zp, double dp, double dPin) { return std::sin(kCexPi / Zp) * dp / dPin; }
}  // namespace

CDorrithDlg::CDorrithDlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {
    for (int id = IDC_MODE0; id <= IDC_MODE4; ++id) onClick(id, [this] { OnMode(); });
    onKillFocus(IDC_DELTA, [this] { OnKillfocusDelta(); });
    onKillFocus(IDC_DRRP, [this] { OnKillfocusDrrp(); });
    onKillFocus(IDC_DRP, [this] { OnKillfocusDrp(); });
    onKillFocus(IDC_ZC, [this] { OnKillfocusZc(); });
    onKillFocus(IDC_ZP, [this] { OnKillfocusZp(); });
    onKillFocus(IDC_DP, [this] { OnKillfocusDp(); });
    onKillFocus(IDC_DPIN, [this] { OnKillfocusDPin(); });
    onKillFocus(IDC_A, [this] { OnKillfocusA(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDC_EXPORT, [this] { OnMakePdaData(); });
    onClick(IDC_PARAMS, [this] { OnParams(); });
    startValues();
}

// The fields' ranges are the designer's quantities (cex_ranges.h); a pin
// circle, pin diameter or eccentricity of 0 or less goes on to its handler,
// which takes it as not given.
void CDorrithDlg::DoDataExchange(fw::Exchange& dx) {
    auto count = [](const kavrin::Quantity& q) { return static_cast<unsigned>(q.lower()); };
    auto upTo = [](const kavrin::Quantity& q) { return static_cast<unsigned>(q.upper()); };
    dx.radio(IDC_MODE0, m_mode);
    kavrin::number(dx, IDC_DELTA, m_delta, kDesignerDelta);
    kavrin::number(dx, IDC_DRRP, m_drrp, kDesignerDrrp);
    kavrin::number(dx, IDC_DRP, m_drp, kDesignerDrp);
    dx.unsignedInt(IDC_ZC, m_Zc, count(kDesignerZc), upTo(kDesignerZc));
    dx.unsignedInt(IDC_ZP, m_Zp, count(kDesignerZp), upTo(kDesignerZp));
    kavrin::numberOwnBelow(dx, IDC_DP, m_dp, kDesignerDp, 0);
    kavrin::numberOwnBelow(dx, IDC_DPIN, m_dPin, kDesignerDPin, 0);
    kavrin::numberOwnBelow(dx, IDC_A, m_a, kDesignerA, 0);
    if (dx.saving()) return;   // the results are shown only
    dx.number(IDC_I, m_i, 5, 121);
    dx.number(IDC_K1, m_K1);
    dx.number(IDC_DJ, m_dj);
    dx.number(IDC_RL, m_RL);
    dx.number(IDC_LM, m_Lm);
    dx.number(IDC_DM, m_dm);
    dx.number(IDC_DA, m_da);
    dx.number(IDC_DF, m_df);
    dx.text(IDC_HINT, m_strHint);
    if (m_dcAvailable)
        dx.number(IDC_DC, m_dc);
    else
        setText(IDC_DC, "—");
}

void CDorrithDlg::startValues() {
    DesignerInputs s = designerStart();
    m_Zc = s.Zc;
    m_Zp = s.Zp;
    m_K1 = s.K1;
    m_a = s.a;
    m_i = s.i;
    m_dp = s.dp;
    m_dPin = s.dPin;
    m_rpm = m_dp / 2;
    m_rrpm = m_dPin / 2;
    m_K1m = m_K1;
    m_delta = m_drrp = m_drp = m_dc = m_dj = 0;
    m_RL = m_Lm = m_dm = m_da = m_df = m_phim = 0;
    m_dcAvailable = true;
    m_calculated = m_exported = false;
    m_bits = 0;
}

bool CDorrithDlg::OnInitDialog() {
    m_strHint = kModeTexts[0];
    m_bits = 1 | 2 | 4;
    m_calculated = false;
    m_phim = 0;
    for (int id : {IDC_DELTA, IDC_DRRP, IDC_DRP, IDC_CALC, IDC_EXPORT, fw::IDOK}) enable(id, false);
    return fw::Dialog::OnInitDialog();
}

DesignerInputs CDorrithDlg::inputs() const {
    DesignerInputs in;
    in.mode = static_cast<int>(m_mode);
    in.delta = m_delta;
    in.drrp = m_drrp;
    in.drp = m_drp;
    in.dc = m_dcAvailable ? m_dc : 0;
    in.dcAvailable = m_dcAvailable;
    in.dj = m_dj;
    in.Zc = m_Zc;
    in.Zp = m_Zp;
    in.i = m_i;
    in.dp = m_dp;
    in.dPin = m_dPin;
    in.a = m_a;
    in.K1 = m_K1;
    in.rpm = m_rpm;
    in.rrpm = m_rrpm;
    in.K1m = m_K1m;
    return in;
}

void CDorrithDlg::setSideClearance(std::optional<double> dc) {
    m_dcAvailable = dc.has_value();
    m_dc = dc.value_or(0);   // an unavailable clearance is stored as 0 and shown as "—"
}

void CDorrithDlg::OnMode() {
    int mode = 0;
    for (int id = IDC_MODE0; id <= IDC_MODE4; ++id)
        if (checked(id)) mode = id - IDC_MODE0;
    startValues();
    m_mode = static_cast<Mode>(mode);
    m_strHint = kModeTexts[mode];
    for (int id : {IDC_DELTA, IDC_DRRP, IDC_DRP, IDC_CALC, IDC_EXPORT, fw::IDOK}) enable(id, false);
    static constexpr int notNeeded[5] = {1 | 2 | 4, 2 | 4, 1 | 4, 1 | 2, 1};
    m_bits = notNeeded[mode];
    if (mode == 1) enable(IDC_DELTA, true);
    if (mode == 2 || mode == 4) enable(IDC_DRRP, true);
    if (mode == 3 || mode == 4) enable(IDC_DRP, true);
    UpdateData(false);
}

// After every input: the mode's bits, everything the inputs give (modified
// radii, K1′, Δj, Δc) computed afresh, the results cleared; "计  算" when
// all inputs are there, export and finish only after a new calculation.
void CDorrithDlg::update() {
    auto bit = [this](int b, bool on) { m_bits = on ? (m_bits | b) : (m_bits & ~b); };
    switch (m_mode) {
    case Mode::Theoretical: m_bits |= 1 | 2 | 4; break;
    case Mode::Angular:
        m_bits |= 2 | 4;
        bit(1, m_delta > 0);
        break;
    case Mode::Equidistant:
        m_bits |= 1 | 4;
        bit(2, m_drrp > 0);
        break;
    case Mode::NegativeShift:
        m_bits |= 1 | 2;
        bit(4, m_drp > 0);
        break;
    case Mode::EquidistantAndShift:
        m_bits |= 1;
        bit(2, m_drrp > 0);
        bit(4, m_drp > 0);
        break;
    }
    const DesignerDerived d = designerDerived(inputs());
    m_rpm = d.rpm;
    m_rrpm = d.rrpm;
    m_K1m = d.K1m;
    m_dj = d.dj;
    setSideClearance(d.dc);
    bit(8, m_Zc >= 5);
    bit(0x10, m_Zp >= 6);
    bit(0x20, m_dp > 0);
    bit(0x40, m_dPin > 0);
    bit(0x80, m_a > 0);
    m_RL = m_Lm = m_dm = m_da = m_df = m_phim = 0;
    m_result = {};
    m_calculated = false;
    m_exported = false;
    enable(IDC_CALC, m_bits == 255);
    enable(IDC_EXPORT, false);
    enable(fw::IDOK, false);
    UpdateData(false);
}

void CDorrithDlg::OnKillfocusDelta() {
    const auto before = m_delta;
    if (!UpdateData(true) || m_delta == before) return;   // leaving an unchanged field does nothing
    update();
}

// Equidistant modification and shift together: the radial clearance
// Δrrp − Δrp must stay positive, else the field just edited (`edited`, its
// bit) is cleared with the refusal.
bool CDorrithDlg::positiveRadialClearance(double& edited, int bit, const char* refusal) {
    if (m_drrp - m_drp > 0) return true;
    fw::MessageBox(refusal, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    edited = 0;
    m_bits &= ~bit;
    return false;
}

void CDorrithDlg::OnKillfocusDrrp() {
    const auto before = m_drrp;
    if (!UpdateData(true) || m_drrp == before) return;   // leaving an unchanged field does nothing
    if (m_drrp > 0 && m_dPin > 0 && m_dp > 0) {
        if (m_mode == Mode::EquidistantAndShift && m_drp > 0 &&
            !positiveRadialClearance(m_drrp, 2, "修形齿廓将造成径向配合过盈，修形应保证Δrrp-Δrp>0")) {
            update();
            return;
        }
        m_bits |= 2;
    }
    update();
}

void CDorrithDlg::OnKillfocusDrp() {
    const auto before = m_drp;
    if (!UpdateData(true) || m_drp == before) return;   // leaving an unchanged field does nothing
    if (m_drp > 0 && m_dPin > 0 && m_dp > 0) {
        if (m_mode == Mode::EquidistantAndShift && m_drrp > 0 &&
            !positiveRadialClearance(m_drp, 4, "修形齿廓将造成径向配合过盈，修形量应保证Δrrp-Δrp>0")) {
            update();
            return;
        }
        m_bits |= 4;
    }
    update();
}

void CDorrithDlg::OnKillfocusZc() {
    const auto before = m_Zc, beforeZp = m_Zp;
    if (!UpdateData(true) || m_Zc == before) return;   // leaving an unchanged field does nothing
    m_strHint = kModeTexts[static_cast<int>(m_mode)];
    if (m_Zc > 87) m_strHint += "\n    注意：建议摆线轮齿数不要大于87，否则很难保证机构传动能力和经济性。";
    if (m_Zc % 2 == 0) {
        fw::MessageBox("本程序只是用一齿差行星摆线传动，摆线轮齿数调整为奇数。", fw::MB_OK | fw::MB_ICONINFORMATION);
        m_Zc += 1;
    }
    // The pin circle follows the counts: within its range, or the count is not taken.
    if (!cexDerivedAdmitted({{&kDesignerDp, designerPinCircle(m_Zc + 1, m_a, m_K1)}})) {
        m_Zc = before;
        m_Zp = beforeZp;
        UpdateData(false);
        return;
    }
    m_Zp = m_Zc + 1;
    m_bits |= 8 | 0x10;
    m_dp = 2 * m_a * m_Zp / m_K1;
    m_i = m_Zc;
    update();
}

void CDorrithDlg::OnKillfocusZp() {
    const auto before = m_Zp, beforeZc = m_Zc;
    if (!UpdateData(true) || m_Zp == before) return;   // leaving an unchanged field does nothing
    m_strHint = kModeTexts[static_cast<int>(m_mode)];
    if (m_Zp > 88) m_strHint += "\n    注意：建议针齿数不要大于88，否则很难保证机构传动能力和经济性。";
    if (m_Zp % 2 == 1) {
        fw::MessageBox("本程序只是用一齿差行星摆线传动，针齿数调整为偶数。", fw::MB_OK | fw::MB_ICONINFORMATION);
        m_Zp += 1;
    }
    if (!cexDerivedAdmitted({{&kDesignerDp, designerPinCircle(m_Zp, m_a, m_K1)}})) {
        m_Zp = before;
        m_Zc = beforeZc;
        UpdateData(false);
        return;
    }
    m_Zc = m_Zp - 1;
    m_bits |= 8 | 0x10;
    m_dp = 2 * m_a * m_Zp / m_K1;
    m_i = m_Zc;
    update();
}

void CDorrithDlg::OnKillfocusDp() {
    const double oldDp = m_dp;
    if (!UpdateData(true) || m_dp == oldDp) return;   // leaving an unchanged field does nothing
    if (m_dp > 0) {
        const double k1 = 2 * m_Zp * m_a / m_dp;
        const double T = spacing(m_Zp, m_dp, m_dPin);
        const char* refusal = nullptr;
        if (k1 >= 1 || T < 1.5)
            refusal = "影响短幅系数K1取值太大，或影响针齿分布太密，未调整其它参数为适宜值之前不宜减小针齿圆直径！";
        else if (k1 < 0.4)
            refusal = "影响短幅系数K1取值太小，未调整其它参数为适宜值之前不宜增大针齿圆直径！";
        if (refusal) {
            fw::MessageBox(refusal, fw::MB_OK | fw::MB_ICONEXCLAMATION);
            m_dp = oldDp;
        } else {
            m_K1 = k1;
            m_bits |= 0x20;
        }
    } else {
        m_dp = 0;   // not given (what 0 or less stands for)
        m_bits &= ~0x20;
    }
    update();
}

void CDorrithDlg::OnKillfocusDPin() {
    const auto before = m_dPin;
    if (!UpdateData(true) || m_dPin == before) return;   // leaving an unchanged field does nothing
    if (m_dPin > 0) {
        if (spacing(m_Zp, m_dp, m_dPin) < 1.5)
            fw::MessageBox("请注意针齿可的结构强度是否可靠，若不合适，请重新调整针齿圆直径dp、\n针齿直径drp、中心距a或重新选择合适的K1值。",
                           fw::MB_OK | fw::MB_ICONINFORMATION);
        m_bits |= 0x40;
    } else {
        m_dPin = 0;   // not given
    }
    update();
}

void CDorrithDlg::OnKillfocusA() {
    const auto before = m_a;
    if (!UpdateData(true) || m_a == before) return;   // leaving an unchanged field does nothing
    if (m_a > 0) {
        if (m_dp > 0) m_K1 = 2 * m_a * m_Zp / m_dp;   // no pin circle yet: K1 stays
        if (m_dPin > 0 && spacing(m_Zp, m_dp, m_dPin) < 1.5)
            fw::MessageBox(kMsgPinsThin, fw::MB_OK | fw::MB_ICONINFORMATION);
        m_bits |= 0x20 | 0x80;
    } else {
        m_a = 0;   // not given
        m_bits &= ~(0x20 | 0x80);
    }
    update();
}

void CDorrithDlg::OnCalc() {
    auto r = designerCalculate(inputs());
    if (!r) {
        fw::MessageBox(kMsgCalcError, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    m_result = *r;
    m_da = r->da;
    m_df = r->df;
    m_dm = r->dm;
    m_phim = r->phim;
    m_RL = r->RL;
    m_Lm = r->Lm;
    m_calculated = true;
    enable(IDC_EXPORT, true);
    UpdateData(false);
}

void CDorrithDlg::OnParams() {
    ParametDlg dlg(this);
    dlg.DoModal();
}

void CDorrithDlg::OnMakePdaData() {
    if (!m_calculated) return;
    auto bytes = pdaFileBytes(inputs(), m_result);
    if (!bytes) {
        fw::MessageBox(kMsgCalcError, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    fw::FileDialog fd(fw::FileMode::Save, "PDA", {}, 0,
                      "自定义设计摆线齿廓曲线数据输出文件 (*.PDA)|*.PDA|All Files (*.*)|*.*||", this);
    fd.setTitle("《Ondrel》保存自定义摆线齿廓数据文件");
    fd.setInitialFolder(kavrin::GetDefaultDir() / "data");
    if (fd.DoModal() != fw::IDOK) return;
    bool renamed = false;
    const std::string name = pdaFileName(fd.GetPathName(), &renamed);
    if (renamed)
        fw::MessageBox("自定义设计摆线齿廓数据文件指定以“.PDA”格式文件存盘！", fw::MB_OK | fw::MB_ICONINFORMATION);
    if (!fw::writeFile(name, *bytes)) {
        fw::MessageBox(fw::format("无法打开或创建%s文件保存数据！", name.c_str()), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    m_strDataPath = name;
    m_strHint = fw::format("    说明：\n    根据你设计的摆线齿廓线数据已以%s文件输出，可用此数据在AutoCAD下生成图形。", name.c_str());
    m_exported = true;
    enable(fw::IDOK, true);
    UpdateData(false);
}

void CDorrithDlg::OnOK() {
    if (!m_calculated || !m_exported) return;   // the report follows an export of the same data
    if (!UpdateData(true)) return;
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    const std::string text =
        designerReportText(inputs(), m_result, {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour});
    fw::FileDialog fd(fw::FileMode::Save, "cxt", m_strReportPath, fw::OFN_HIDEREADONLY | fw::OFN_OVERWRITEPROMPT,
                      "自定义设计摆线齿廓报告文件 (*.cxt)|*.cxt|All Files (*.*)|*.*||", this);
    fd.setTitle("《Ondrel》保存自定义摆线齿廓报告文件");
    fd.setInitialFolder(kavrin::GetDefaultDir() / "data");
    if (fd.DoModal() != fw::IDOK) return;   // nothing written, the dialog stays
    const std::string path = fd.GetPathName();
    const std::string gbk = fw::gbkFileText(text);
    if (path.empty() ||
        !fw::writeFile(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(gbk.data()), gbk.size()))) {
        fw::MessageBox(kMsgReportError, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    m_strReportPath = path;
    fw::MessageBox(fw::format("报告文件已存为%s！", path.c_str()), fw::MB_OK | fw::MB_ICONEXCLAMATION);
    EndDialog(fw::IDOK);
}
