#include "common/dialogs/chart_dialog.h"

#include "common/calc/chart_scale.h"
#include "fw/format.h"

#include <string>
#include <string_view>

namespace kavrin {

ChartDialog::ChartDialog(const ChartCopy& copy, int bitmapId, fw::Window* parent)
    : fw::Dialog(copy.module(), copy.templateId, parent), m_bitmapId(bitmapId), m_copy(copy) {
    onPaint([this](fw::Canvas& c) { OnPaint(c); });
    onReleased(copy.hSlider, [this] { OnReleasedHorizontal(); });
    onReleased(copy.vSlider, [this] { OnReleasedVertical(); });
}

void ChartDialog::DoDataExchange(fw::Exchange& dx) {
    dx.trackbar(m_copy.hSlider, m_hPos);
    dx.trackbar(m_copy.vSlider, m_vPos);
}

bool ChartDialog::OnInitDialog() {
    m_rangeMax = chartRange;
    m_rangeMin = 0;
    for (int id : {m_copy.hSlider, m_copy.vSlider}) {
        trackbar(id).setRange(m_rangeMin, m_rangeMax);
        trackbar(id).setPageSize(m_copy.pageSize);
    }
    m_hPos = chart::thumbOf(m_xFraction);
    trackbar(m_copy.hSlider).setPos(m_hPos);
    trackbar(m_copy.vSlider).setPos(m_rangeMax);
    fw::Rect client = clientRect();
    m_left = m_copy.left;
    m_top = m_copy.top;
    m_right = client.width() - m_copy.rightMargin;
    m_bottom = client.height() - m_copy.bottomMargin;
    m_hPos = trackbar(m_copy.hSlider).pos();
    m_vPos = trackbar(m_copy.vSlider).pos();
    invalidate();
    return true;
}

fw::Point ChartDialog::anchor(const ChartAnchor& a) const {
    auto edge = [this](ChartAnchor::Edge e) {
        switch (e) {
        case ChartAnchor::Edge::Left: return m_left;
        case ChartAnchor::Edge::Right: return m_right;
        case ChartAnchor::Edge::Top: return m_top;
        case ChartAnchor::Edge::Bottom: return m_bottom;
        }
        return 0;
    };
    return {edge(a.xEdge) + a.dx, edge(a.yEdge) + a.dy};
}

int ChartDialog::thumbX() const { return chart::pixelOf(m_hPos, m_left, m_right); }
int ChartDialog::thumbY() const { return chart::pixelOf(m_vPos, m_top, m_bottom); }

int ChartDialog::lineX() const {
    if (!m_copy.paintsFromInput) return thumbX();
    return chart::inputPixel(m_xFraction, m_left, m_right, clientRect().width());
}

void ChartDialog::drawChart(fw::Canvas& c) const {
    c.drawBitmap(m_bitmapId, {m_left, m_top}, {m_left, m_top, m_right, m_bottom});
    c.textOut(anchor(m_copy.first), firstLabel());
    if (!m_zText.empty()) c.textOut(anchor(m_copy.second), m_zText);
}

void ChartDialog::OnPaint(fw::Canvas& c) {
    drawChart(c);
    int x = lineX(), y = thumbY();
    c.line({x, m_bottom}, {x, m_top});
    c.line({m_left, y}, {m_right, y});
}

void ChartDialog::OnReleasedHorizontal() {
    auto c = clientCanvas();
    drawChart(c);
    int y = thumbY();
    c.line({m_left, y}, {m_right, y});
    m_hPos = trackbar(m_copy.hSlider).pos();
    int x = thumbX();
    c.line({x, m_bottom}, {x, m_top});
}

void ChartDialog::OnReleasedVertical() {
    auto c = clientCanvas();
    drawChart(c);
    int x = thumbX();
    c.line({x, m_bottom}, {x, m_top});
    m_vPos = trackbar(m_copy.vSlider).pos();
    int y = thumbY();
    c.line({m_left, y}, {m_right, y});
    m_value = chart::valueAt(m_vPos, m_copy.k, m_copy.c);
}

RatioChartDialog::RatioChartDialog(const ChartCopy& copy, const RatioChart& chart, fw::Window* parent)
    : ChartDialog(copy, chart.bitmap, parent), m_chart(chart) {}

int RatioChartDialog::DoModal(double u, int z) {
    prepare(u, z);
    return fw::Dialog::DoModal();
}

void RatioChartDialog::prepare(double u, int z) {
    m_xFraction = m_chart.fraction(u);
    m_uText = fw::format(m_chart.firstFormat, m_chart.ofReciprocal ? 1 / u : u);
    m_zText = fw::format(m_chart.secondFormat, z);
    if (m_chart.bitmapByZ1) m_bitmapId = (*m_chart.bitmapByZ1)[static_cast<std::size_t>(chart::bandA199(z))];
}

FormFactorChartDialog::FormFactorChartDialog(const ChartCopy& copy, const std::array<int, 6>& bitmapByBeta,
                                             fw::Window* parent)
    : ChartDialog(copy, bitmapByBeta[0], parent), m_bitmaps(bitmapByBeta) {}

int FormFactorChartDialog::DoModal(double xFraction, double betaM, double zv, double chi1) {
    prepare(xFraction, betaM, zv, chi1);
    return fw::Dialog::DoModal();
}

void FormFactorChartDialog::prepare(double xFraction, double betaM, double zv, double chi1) {
    m_xFraction = xFraction;
    m_chi1 = chi1;
    m_zText = fw::format("Zv=%.2f", zv);
    m_bitmapId = m_bitmaps[static_cast<std::size_t>(chart::bandYf(betaM))];
}

std::string FormFactorChartDialog::firstLabel() const { return fw::format("χ1=%.2f", m_chi1); }

}  // namespace kavrin

namespace kavrin {

namespace {

// "齿形系数Yf0=" -> "齿形系数Yf0"
std::string withoutEquals(std::string t) {
    for (std::string_view end : {"=", "＝"})
        if (t.size() >= end.size() && t.compare(t.size() - end.size(), end.size(), end) == 0) t.erase(t.size() - end.size());
    return t;
}

}  // namespace

fw::DialogTemplate chartTemplate(const ChartTemplate& s) {
    using namespace fw;
    DialogTemplate t{.id = s.id, .caption = s.caption, .font = {"宋体", s.fontPoints}, .size = s.size};
    t.body.push_back(label(s.heading, IDC_STATIC, style::Multiline).at(7, 7, 200, 20));
    for (const auto& l : s.axisLabels) t.body.push_back(label(l.text).at(l.x, l.y, 40, 9));
    // The sliders are named by their axes: the horizontal one by the abscissa
    // (the last axis label), the vertical one by the value read off (the
    // ordinate's label, else the heading's last line).
    const std::string heading = s.heading;
    std::string abscissa = s.axisLabels.empty() ? std::string() : s.axisLabels.back().text;
    std::string ordinate = s.axisLabels.size() >= 2 ? s.axisLabels.front().text
                                                    : heading.substr(heading.rfind('\n') == std::string::npos ? 0 : heading.rfind('\n') + 1);
    const auto& h = s.hBox;
    const auto& v = s.vBox;
    t.body.push_back(trackbar(s.hSlider, style::NoTicks | style::TopLeft).at(h.x, h.y, h.w, h.h).named(withoutEquals(abscissa)));
    t.body.push_back(
        trackbar(s.vSlider, style::Vertical | style::NoTicks).at(v.x, v.y, v.w, v.h).named(withoutEquals(ordinate)));
    t.body.push_back(defButton(IDOK, s.okText).at(s.okBox.x, s.okBox.y, s.okBox.w, s.okBox.h));
    t.body.push_back(button(IDCANCEL, s.cancelText).at(s.cancelBox.x, s.cancelBox.y, s.cancelBox.w, s.cancelBox.h));
    return t;
}

}  // namespace kavrin
