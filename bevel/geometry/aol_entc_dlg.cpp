#include "bevel/geometry/aol_entc_dlg.h"

#include "bevel/geometry/calc/aol_scales.h"
#include "fw/format.h"
#include "resources/belmar/module.h"

using namespace bevel;

CBelmarAolentcDlg::CBelmarAolentcDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {
    onPaint([this](fw::Canvas& c) { draw(c, kLeft | kRight); });
    onReleased(IDC_RP_SLIDER, [this] { OnReleasedRp(); });
    onReleased(IDC_BETA1_SLIDER, [this] { OnReleasedBeta1(); });
    onReleased(IDC_BETA2_SLIDER, [this] { OnReleasedBeta2(); });
    onReleased(IDC_ZC_SLIDER, [this] { OnReleasedZc(); });
    for (int i = 0; i < kRadiusButtons; ++i) onClick(IDC_RB_FIRST + i, [this, i] { OnRadius(i); });
    for (int i = 0; i < kBladeButtons; ++i) onClick(IDC_BLADE_FIRST + i, [this, i] { m_bladeButton = i; });
    onClick(IDC_HELP_BUTTON, [this] { WinHelp(HELP_CONTEXT, HH_HELP_CONTEXT); });
}

int CBelmarAolentcDlg::DoModal(double rp, double betaP1, double zc) {
    prepare(rp, betaP1, zc);
    return fw::Dialog::DoModal();
}

void CBelmarAolentcDlg::prepare(double rp, double betaP1, double zc) {
    m_rp = rp;
    m_betaP1 = betaP1;
    m_zc = zc;
    m_zcText = fw::format("Zc=%.2f", zc);
    m_betaText = fw::format("βp’=%.2f", betaP1);
    m_rpText = fw::format("Rp=%.2f", rp);
}

bool CBelmarAolentcDlg::OnInitDialog() {
    for (int id : {IDC_RP_SLIDER, IDC_ZC_SLIDER, IDC_BETA1_SLIDER, IDC_BETA2_SLIDER}) {
        trackbar(id).setRange(m_rangeMin, m_rangeMax);
        trackbar(id).setPageSize(1);
    }
    m_posRp = aol::rpPosition(m_rp);
    m_posBeta1 = aol::betaP1Position(m_betaP1);
    m_posZc = aol::zcPosition(m_zc);
    m_posBeta2 = aol::betaP2Position(m_betaP1);
    trackbar(IDC_RP_SLIDER).setPos(m_posRp);
    trackbar(IDC_BETA1_SLIDER).setPos(m_posBeta1);
    trackbar(IDC_ZC_SLIDER).setPos(m_posZc);
    trackbar(IDC_BETA2_SLIDER).setPos(m_posBeta2);
    invalidate();
    return true;
}

void CBelmarAolentcDlg::draw(fw::Canvas& c, int charts) const {
    if (charts & kLeft)
        c.drawBitmap(IDB_C85, {m_leftLeft, m_leftTop}, {m_leftLeft, m_leftTop, m_leftRight, m_leftBottom});
    if (charts & kRight)
        c.drawBitmap(IDB_C86, {m_rightLeft, m_rightTop}, {m_rightLeft, m_rightTop, m_rightRight, m_rightBottom});
    c.textOut({164, 35}, m_betaText);
    c.textOut({164, 52}, m_rpText);
    c.textOut({472, 85}, m_zcText);
    const int xb1 = aol::headPixel(m_leftLeft, m_posBeta1, aol::kC85Width);
    c.line({xb1, m_leftBottom}, {xb1, m_leftTop});
    const int yrp = aol::headPixel(m_leftTop, m_posRp, aol::kC85Height);
    c.line({m_leftLeft, yrp}, {m_leftRight, yrp});
    const int xb2 = aol::headPixel(m_rightLeft, m_posBeta2, aol::kC86Width);
    c.line({xb2, m_rightBottom}, {xb2, m_rightTop});
    const int yzc = aol::headPixel(m_rightTop, m_posZc, aol::kC86Height);
    c.line({m_rightLeft, yzc}, {m_rightRight, yzc});
}

void CBelmarAolentcDlg::redraw(int charts) {
    auto c = clientCanvas();
    draw(c, charts);
}

void CBelmarAolentcDlg::OnReleasedRp() {
    m_posRp = trackbar(IDC_RP_SLIDER).pos();
    redraw(kLeft);
    setText(IDC_HINT, "调准Rp坐标线，得到与对应螺旋角标线的交点，找出交点靠近的刀盘曲线，按下对应的刀盘半径Rb按键。");
}

void CBelmarAolentcDlg::OnReleasedBeta1() {
    if (m_radiusButton < 0) {
        setText(IDC_HINT, "请先正确选择Rb按键!");
        return;
    }
    m_posBeta1 = trackbar(IDC_BETA1_SLIDER).pos();
    m_posBeta2 = m_posBeta1;
    trackbar(IDC_BETA2_SLIDER).setPos(m_posBeta2);
    redraw(kLeft | kRight);
    setText(IDC_HINT, "调准βp’坐标线到交点处后，得到铣刀近似参考点螺旋角，找到右图中与Zc坐标线的交点，根据交点所在的区域，"
                      "按下对应的刀片号按键。");
}

void CBelmarAolentcDlg::OnReleasedBeta2() {
    if (m_radiusButton < 0) {
        setText(IDC_HINT, "请先正确选择Rb按键并调整βp’到交点!");
        return;
    }
    m_posBeta2 = trackbar(IDC_BETA2_SLIDER).pos();
    m_posBeta1 = m_posBeta2;
    trackbar(IDC_BETA1_SLIDER).setPos(m_posBeta1);
    redraw(kRight);
    setText(IDC_HINT, "找到与Zc标线的交点所在曲线划出的区间，按下与该区间对应的刀片号按键。");
}

void CBelmarAolentcDlg::OnReleasedZc() {
    if (m_radiusButton < 0) {
        setText(IDC_HINT, "请先正确选择Rb按键并调整βp’到交点!");
        return;
    }
    m_posZc = trackbar(IDC_ZC_SLIDER).pos();
    redraw(kRight);
    setText(IDC_HINT, "找到与βp”标线的交点所在曲线划出的区间，按下与该区间对应的刀片号按键。");
}

void CBelmarAolentcDlg::OnRadius(int index) {
    m_radiusButton = index;
    setText(IDC_HINT, "检查并调准βp’坐标线到刀盘曲线与Rp标线的交点，右图的βp”滑标将与之联动。");
    invalidate();
}

void CBelmarAolentcDlg::OnOK() {
    if (m_radiusButton < 0 || m_bladeButton < 0) {
        setText(IDC_HINT, "没有完全选定刀盘参数!");
        return;
    }
    EndDialog(IDOK);
}
