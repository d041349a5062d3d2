#include "bevel/geometry/aol_tilt_dlg.h"

#include "bevel/geometry/calc/aol_scales.h"
#include "fw/format.h"
#include "resources/belmar/module.h"

using namespace bevel;

TiltFamily CBelmarAolC87Dlg::family() {
    return {.templateId = IDD, .bitmap = IDB_CHART, .tilt = 0, .delta0 = 60, .hSlider = IDC_H_SLIDER,
            .vSlider = IDC_V_SLIDER, .text = IDC_TEXT, .left = 66, .top = 17, .right = 318, .bottom = 388,
            .secondButton = IDC_MORE_TILT, .secondTilt = 1.5, .prefix = "Δα= o°"};
}

TiltFamily CBelmarAolC88Dlg::family() {
    return {.templateId = IDD, .bitmap = IDB_CHART, .tilt = 1.5, .delta0 = 63, .hSlider = IDC_H_SLIDER,
            .vSlider = IDC_V_SLIDER, .text = IDC_TEXT, .left = 68, .top = 17, .right = 318, .bottom = 388,
            .secondButton = IDC_MORE_TILT, .secondTilt = 3.0, .prefix = "Δα= 1.5°"};
}

TiltFamily CBelmarAolC89Dlg::family() {
    return {.templateId = IDD, .bitmap = IDB_CHART, .tilt = 3.0, .delta0 = 65, .hSlider = IDC_H_SLIDER,
            .vSlider = IDC_V_SLIDER, .text = IDC_TEXT, .left = 68, .top = 17, .right = 320, .bottom = 388,
            .secondButton = IDC_FAILED, .secondTilt = 0, .prefix = "Δα= 3°"};
}

CBelmarAolTiltDlg::CBelmarAolTiltDlg(const TiltFamily& family, fw::Window* parent)
    : fw::Dialog(belmar::module(), family.templateId, parent), m_family(family) {
    m_left = family.left;
    m_top = family.top;
    m_right = family.right;
    m_bottom = family.bottom;
    onPaint([this](fw::Canvas& c) {
        c.drawBitmap(m_family.bitmap, {m_left, m_top}, {m_left, m_top, m_right, m_bottom});
        drawLines(c);
    });
    onReleased(family.hSlider, [this] {
        m_hPos = trackbar(m_family.hSlider).pos();
        m_rbh = aol::rbhAt(m_hPos);
        redraw(false);
    });
    onReleased(family.vSlider, [this] {
        m_vPos = trackbar(m_family.vSlider).pos();
        m_delta2Max = aol::delta2MaxAt(m_vPos, m_family.delta0);
        redraw(true);
    });
    onClick(IDOK, [this] { close(IDOK, m_family.tilt); });
    onClick(family.secondButton, [this] { close(m_family.secondButton, m_family.secondTilt); });
    onClick(IDC_HELP_BUTTON, [this] { WinHelp(HELP_CONTEXT, HH_HELP_CONTEXT); });
}

int CBelmarAolTiltDlg::DoModal(double rbh, double betaP, double delta2) {
    prepare(rbh, betaP, delta2);
    return fw::Dialog::DoModal();
}

void CBelmarAolTiltDlg::prepare(double rbh, double betaP, double delta2) {
    m_rbh = rbh;
    m_betaP = betaP;
    m_delta2 = delta2;
}

bool CBelmarAolTiltDlg::OnInitDialog() {
    for (int id : {m_family.hSlider, m_family.vSlider}) {
        trackbar(id).setRange(0, aol::kTiltRange);
        trackbar(id).setPageSize(1);
    }
    m_hPos = aol::rbhPosition(m_rbh);
    m_vPos = aol::delta2Position(m_delta2, m_family.delta0);
    trackbar(m_family.hSlider).setPos(m_hPos);
    trackbar(m_family.vSlider).setPos(m_vPos);
    setText(m_family.text, text(false));
    invalidate();
    return true;
}

std::string CBelmarAolTiltDlg::text(bool withDelta2Max) const {
    const std::string p = m_family.prefix;
    if (withDelta2Max)
        return p + fw::format("\nβp = %.2f\nrb/h = %.2f\nδ2max=%.2f\n推动纵滑标到交点\n\n当前δ2 = %.2f", m_betaP, m_rbh,
                              m_delta2Max, m_delta2);
    return p + fw::format("\nβp = %.2f\nrb/h = %.2f\n推动纵滑标到交点\n\n当前δ2 = %.2f", m_betaP, m_rbh, m_delta2);
}

void CBelmarAolTiltDlg::drawLines(fw::Canvas& c) const {
    const int x = m_left + m_hPos * (m_right - m_left) / aol::kTiltRange;
    const int y = m_top + m_vPos * (m_bottom - m_top) / aol::kTiltRange;
    c.line({x, m_bottom}, {x, m_top});
    c.line({m_left, y}, {m_right, y});
}

void CBelmarAolTiltDlg::redraw(bool withDelta2Max) {
    auto c = clientCanvas();
    c.drawBitmap(m_family.bitmap, {m_left, m_top}, {m_left, m_top, m_right, m_bottom});
    drawLines(c);
    // The text keeps its δ2max line only while the last move was the vertical one.
    setText(m_family.text, text(withDelta2Max));
}

void CBelmarAolTiltDlg::close(int code, double tilt) {
    m_tilt = tilt;
    EndDialog(code);
}
