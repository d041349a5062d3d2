#include "bevel/rating/sirrow_chart_dlgs.h"

#include "common/calc/chart_scale.h"
#include "fw/format.h"
#include "resources/sirrow/module.h"

using kavrin::ChartAnchor;

kavrin::ChartCopy CSirrowC97Dlg::chartCopy() {
    // ZH = 1.7 + 0.9·(200 − p)/200.
    return {.module = &sirrow::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 47, .top = 20, .rightMargin = 18, .bottomMargin = 64, .k = 0.9, .c = 1.7,
            .first = {ChartAnchor::Edge::Left, 70, ChartAnchor::Edge::Bottom, -48},
            .second = {ChartAnchor::Edge::Left, 70, ChartAnchor::Edge::Bottom, -32},
            .paintsFromInput = false, .pageSize = 2};
}

CSirrowC97Dlg::CSirrowC97Dlg(fw::Window* parent) : ChartDialog(chartCopy(), IDB_CHART, parent) {}

int CSirrowC97Dlg::DoModal(double betaM) {
    prepare(betaM);
    return fw::Dialog::DoModal();
}

void CSirrowC97Dlg::prepare(double betaM) {
    m_dBetaM = betaM;
    m_xFraction = kavrin::chart::fractionC97(betaM);
    m_uText = fw::format("βm=%.2f°", betaM);
    m_zText.clear();
}

kavrin::ChartCopy CSirrowZetaDlg::chartCopy() {
    // Zε = 0.7 + 0.3·(200 − p)/200.
    return {.module = &sirrow::module, .templateId = IDD, .hSlider = IDC_H_SLIDER, .vSlider = IDC_V_SLIDER,
            .left = 74, .top = 25, .rightMargin = 30, .bottomMargin = 99, .k = 0.3, .c = 0.7,
            .first = {ChartAnchor::Edge::Left, 70, ChartAnchor::Edge::Bottom, -48},
            .second = {ChartAnchor::Edge::Left, 70, ChartAnchor::Edge::Bottom, -32},
            .paintsFromInput = false, .pageSize = 2};
}

CSirrowZetaDlg::CSirrowZetaDlg(fw::Window* parent) : ChartDialog(chartCopy(), IDB_CHART, parent) {}

int CSirrowZetaDlg::DoModal(double epsAlpha, double epsBeta) {
    prepare(epsAlpha, epsBeta);
    return fw::Dialog::DoModal();
}

void CSirrowZetaDlg::prepare(double epsAlpha, double epsBeta) {
    m_dEpsAlpha = epsAlpha;
    m_dEpsBeta = epsBeta;
    m_xFraction = kavrin::chart::fractionZeta(epsAlpha);
    m_uText = fw::format("εα=%.2f", epsAlpha);
    m_zText = fw::format("εβ=%.2f", epsBeta);
}
