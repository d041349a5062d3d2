#include "worm/cw_zlo_dlg.h"

#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/contact_chart.h"

namespace chart = worm::chart;

CCwZloDlg::CCwZloDlg(int idd, int pageSizeH, fw::Window* parent)
    : fw::Dialog(tarv::module(), idd, parent), m_pageSizeH(pageSizeH) {
    onReleased(IDC_HORZ, [this] { OnReleasedHorz(); });
    onReleased(IDC_VERT, [this] { OnReleasedVert(); });
    onPaint([this](fw::Canvas& c) { paint(c); });
}

int CCwZloDlg::DoModal(double d1a) {
    m_d1a = d1a;
    return fw::Dialog::DoModal();
}

bool CCwZloDlg::OnInitDialog() {
    m_label = fw::format("d1/a = %.3f", m_d1a);
    fw::Trackbar& h = trackbar(IDC_HORZ);
    h.setRange(0, chart::kPositions);
    h.setPageSize(m_pageSizeH);
    m_posH = chart::startPosition(m_d1a);
    h.setPos(m_posH);
    fw::Trackbar& v = trackbar(IDC_VERT);
    v.setRange(0, chart::kPositions);
    v.setPageSize(1);
    v.setTicFreq(4);
    m_posV = chart::kPositions;
    v.setPos(m_posV);
    invalidate();
    return true;
}

void CCwZloDlg::paint(fw::Canvas& c) {
    const fw::Rect client = c.clientRect();
    const fw::Rect plot{chart::kPlotLeft, chart::kPlotTop, client.right - chart::kPlotRightMargin,
                        client.bottom - chart::kPlotBottomMargin};
    const int bitmap = templateId() == int(CCwZloDlg1::IDD) ? int(CCwZloDlg1::IDB_CHART) : int(CCwZloDlg2::IDB_CHART);
    c.drawBitmap(bitmap, {plot.left, plot.top}, plot);
    c.textOut({plot.left + 30, plot.bottom - 28}, m_label);
    const int lh = chart::channelLength(trackbar(IDC_HORZ).rect().width());
    const int lv = chart::channelLength(trackbar(IDC_VERT).rect().height());
    const int x = chart::crossX(lh, m_posH);
    const int y = chart::crossY(lv, m_posV);
    c.line({x, plot.bottom}, {x, plot.top});
    c.line({plot.left, y}, {plot.right, y});
}

void CCwZloDlg::OnReleasedHorz() {
    m_posH = trackbar(IDC_HORZ).pos();
    m_d1a = chart::d1aAt(m_posH);
    invalidate();
}

void CCwZloDlg::OnReleasedVert() {
    m_posV = trackbar(IDC_VERT).pos();
    m_zrho = chart::zrhoAt(m_posV);
    invalidate();
}

std::optional<double> runContactChart(worm::WormType type, double d1a, fw::Window* parent) {
    double zrho = 0;
    if (type == worm::WormType::ZC) {
        CCwZloDlg2 dlg(parent);
        if (dlg.DoModal(d1a) != IDOK) return std::nullopt;
        zrho = dlg.m_zrho;
    } else {
        CCwZloDlg1 dlg(parent);
        if (dlg.DoModal(d1a) != IDOK) return std::nullopt;
        zrho = dlg.m_zrho;
    }
    if (!(zrho > 0)) return std::nullopt;
    return zrho;
}
