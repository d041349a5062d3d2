#include "cycloid/cexy_property_page4.h"

#include "common/calc/data_folder.h"

#include "cycloid/cexy_property_sheet.h"
#include "fw/file.h"
#include "fw/format.h"

using namespace cycloid;

namespace {
bool sameInputs(const ModificationInputs& x, const ModificationInputs& y) {
    return x.rp == y.rp && x.rrp == y.rrp && x.K1 == y.K1 && x.a == y.a && x.delta == y.delta && x.dj == y.dj &&
           x.Zc == y.Zc && x.Zp == y.Zp;
}
}  // namespace

CCexyPropertyPage4::CCexyPropertyPage4() : CexyWizardPage(IDD, 4) {
    onClick(IDC_CALC, [this] { OnCalcOptimum(); });
    onClick(IDC_DDA, [this] { OnMakeDdaData(); });
    onClick(IDC_MDA, [this] { OnMakeMdaData(); });
}

void CCexyPropertyPage4::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // every field is read-only
    dx.number(IDC_A, m_a);
    dx.number(IDC_DELTA, m_delta);
    dx.number(IDC_DC, m_dc);
    dx.number(IDC_DS, m_ds);
    dx.number(IDC_DJ, m_dj);
    dx.number(IDC_DRP, m_drp);
    dx.number(IDC_DRRP, m_drrp);
    dx.number(IDC_K1, m_K1);
    dx.text(IDC_HINT, m_strHint);
    dx.number(IDC_RP, m_rp);
    dx.number(IDC_RRP, m_rrp);
    dx.unsignedInt(IDC_ZC, m_Zc);
    dx.unsignedInt(IDC_ZP, m_Zp);
}

bool CCexyPropertyPage4::OnInitDialog() {
    for (int id : {IDC_CALC, IDC_DDA, IDC_MDA}) enable(id, false);
    return fw::PropertyPage::OnInitDialog();
}

ModificationInputs CCexyPropertyPage4::inputs() const {
    ModificationInputs in;
    in.rp = m_rp;
    in.rrp = m_rrp;
    in.K1 = m_K1;
    in.a = m_a;
    in.delta = m_delta;
    in.dj = m_dj;
    in.Zc = m_Zc;
    in.Zp = m_Zp;
    return in;
}

bool CCexyPropertyPage4::OnSetActive() {
    const CexBlock1& b1 = g_cexRecord.b1;
    const CexBlock3& b3 = g_cexRecord.b3;
    const CexBlock4& b4 = g_cexRecord.b4;
    if (!m_hasBasis && b4.status == kStatus4) {
        // A loaded or earlier design: its results stand for the values they were made with.
        m_ds = b4.ds;
        m_drp = b4.drp;
        m_drrp = b4.drrp;
        m_K1m = b4.K1m;
        const CexBlock1& from = cexMadeFrom(4).b1;
        m_basis = {from.Rp, from.Rrp, from.K1, from.a, b4.delta, b4.dj, from.Zc, from.Zp};
        m_hasBasis = true;
    }
    m_a = b1.a;
    m_K1 = b1.K1;
    m_rp = b1.Rp;
    m_rrp = b1.Rrp;
    m_Zc = b1.Zc;
    m_Zp = b1.Zp;
    m_delta = b3.delta;
    m_dc = b3.dc;
    m_dj = b3.dj;
    if (m_hasBasis && !resultsCurrent()) {
        // Pages 1 or 3 changed what the results were computed from.
        m_ds = m_drp = m_drrp = m_K1m = 0;
        m_hasBasis = false;
    }
    enable(IDC_CALC, true);
    enable(IDC_DDA, false);
    enable(IDC_MDA, false);
    Store();
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

bool CCexyPropertyPage4::resultsCurrent() const { return m_hasBasis && sameInputs(m_basis, inputs()); }

void CCexyPropertyPage4::storeValues() {
    CexBlock4& b = g_cexRecord.b4;
    b.delta = m_delta;
    b.dc = m_dc;
    b.ds = m_ds;
    b.dj = m_dj;
    b.drp = m_drp;
    b.drrp = m_drrp;
    b.K1m = m_K1m;
}

void CCexyPropertyPage4::setHint(const std::string& text) {
    m_strHint = text;
    setText(IDC_HINT, text);
}

void CCexyPropertyPage4::OnCalcOptimum() {
    std::optional<Modification> m;
    {
        fw::WaitCursor wait;
        m = optimumModification(inputs());
    }
    if (!m) {
        fw::MessageBox(kMsgNoOptimum, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    m_drrp = m->drrp;
    m_ds = m->ds;
    m_drp = m->drp;
    m_K1m = m->K1m;
    m_basis = inputs();
    m_hasBasis = true;
    enable(IDC_DDA, true);
    enable(IDC_MDA, true);
    m_strHint = "请产生转角修形和优化修形的齿轮数据，以便用AutoCAD绘制齿廓曲线。";
    Store();
    UpdateData(false);
}

bool CCexyPropertyPage4::writePoints(bool dda) {
    const ModificationInputs in = inputs();
    std::vector<std::uint8_t> bytes = dda ? ddaFileBytes(in) : mdaFileBytes(in, m_drp, m_drrp);
    if (!pointsFinite(bytes)) {
        fw::MessageBox(kMsgNoOptimum, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    const char* ext = dda ? "DDA" : "MDA";
    const char* filter = dda ? "转角修形摆线齿廓曲线数据输出文件 (*.DDA)|*.DDA|All Files (*.*)|*.*||"
                             : "等距加移距修形摆线齿廓曲线数据输出文件 (*.MDA)|*.MDA|All Files (*.*)|*.*||";
    const std::string proposed = dda ? ddaDefaultName(g_strCexDesignPath) : mdaDefaultName(g_strCexDesignPath);
    fw::FileDialog fd(fw::FileMode::Save, ext, proposed, 0, filter, this);
    fd.setTitle(dda ? "《Ondrel》保存转角修形齿廓数据文件" : "《Ondrel》保存等距加移距修形齿廓数据文件");
    fd.setInitialFolder(kavrin::GetDefaultDir() / "data");
    if (fd.DoModal() != fw::IDOK) return false;
    bool renamed = false;
    const std::string name = dda ? ddaFileName(fd.GetPathName(), &renamed) : mdaFileName(fd.GetPathName(), &renamed);
    if (renamed)
        fw::MessageBox(dda ? "修形齿廓数据文件指定以“.DDA”格式文件存盘！" : "等距加移距修形齿廓数据文件指定以“.MDA”格式文件存盘！",
                       fw::MB_OK | fw::MB_ICONINFORMATION);
    if (!fw::writeFile(name, bytes)) {
        fw::MessageBox(fw::format(kMsgCannotWrite, name.c_str()), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    m_strHint = fw::format(dda ? "根据优化间隙传动的转角修形齿廓线数据已以%s文件输出，可用此数据在AutoCAD下生成图形。"
                               : "根据优化逼近的等距加移距修形齿廓线数据已以%s文件输出，可用此数据在AutoCAD下生成图形。",
                           name.c_str());
    Store();
    UpdateData(false);
    return true;
}

void CCexyPropertyPage4::OnMakeDdaData() { writePoints(true); }
void CCexyPropertyPage4::OnMakeMdaData() { writePoints(false); }
