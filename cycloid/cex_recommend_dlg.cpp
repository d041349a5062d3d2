#include "cycloid/cex_recommend_dlg.h"

#include <cmath>

#include "common/dialogs/quantity_field.h"
#include "cycloid/cex_design.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"

using namespace cycloid;

CexRecommendDlg::CexRecommendDlg(int templateId, fw::Window* parent, Ids ids, const kavrin::Quantity& quantity,
                                 OutOfRange rule, const char* labelFormat, const char* outOfRangeText)
    : fw::Dialog(kavrin::module(), templateId, parent),
      m_ids(ids),
      m_quantity(&quantity),
      m_rule(rule),
      m_labelFormat(labelFormat),
      m_outOfRangeText(outOfRangeText) {
    onReleased(m_ids.trackbar, [this] { OnReleasedTrackbar(); });
    onKillFocus(m_ids.edit, [this] { OnKillfocusEdit(); });
}

void CexRecommendDlg::setRange(double low, double high) {
    m_low = low;
    m_high = high;
    m_value = low;
}

double CexRecommendDlg::valueAt(int pos) const { return valueFromPosition({m_low, m_high}, pos); }
int CexRecommendDlg::positionOf(double value) const { return positionFromValue({m_low, m_high}, value); }

void CexRecommendDlg::DoDataExchange(fw::Exchange& dx) {
    kavrin::number(dx, m_ids.edit, m_value, givenQuantity(*m_quantity));
    dx.trackbar(m_ids.trackbar, m_pos);
}

bool CexRecommendDlg::OnInitDialog() {
    auto& t = trackbar(m_ids.trackbar);
    t.setRange(kSliderMin, kSliderMax);
    t.setTicFreq(5);
    t.setPageSize(2);
    if (m_labelFormat) {
        setText(m_ids.lowLabel, fw::format(m_labelFormat, m_low));
        setText(m_ids.highLabel, fw::format(m_labelFormat, m_high));
    }
    if (m_ids.rangeLabel) setText(m_ids.rangeLabel, fw::format("%.2f～%.2f", m_low, m_high));
    return fw::Dialog::OnInitDialog();
}

void CexRecommendDlg::OnReleasedTrackbar() {
    m_pos = trackbar(m_ids.trackbar).pos();
    m_value = valueAt(m_pos);
    setNumber(m_ids.edit, m_value);
}

void CexRecommendDlg::OnKillfocusEdit() {
    const double oldValue = m_value;
    const int oldPos = m_pos;
    const std::string t = text(m_ids.edit);
    if (t == fw::formatNumber(m_value)) return;   // the value as shown
    auto v = fw::parseNumber(t);
    if (!v || !std::isfinite(*v)) {
        cexRefuseField(*this, m_ids.edit, fw::dx_text::NotANumber);
        editAgain(m_ids.edit);
        return;
    }
    if (*v == m_value) return;   // nothing new: no question again
    // Every value these dialogs offer is a length or coefficient of the record.
    if (!kavrin::takeInRange(*this, m_ids.edit, *v, givenQuantity(*m_quantity))) return;
    m_value = *v;
    // What the dialog offers (its bounds, shown to 15 digits) it accepts.
    if (withinBand({m_low, m_high}, m_value)) {
        m_pos = positionOf(m_value);
        trackbar(m_ids.trackbar).setPos(m_pos);
        if (m_rule == OutOfRange::AskKeep) enable(m_ids.trackbar, true);
        return;
    }
    switch (m_rule) {
    case OutOfRange::AskKeep:
        if (fw::MessageBox(m_outOfRangeText, fw::MB_YESNO | fw::MB_ICONQUESTION) == fw::IDYES) {
            enable(m_ids.trackbar, false);
        } else {
            m_value = oldValue;
            m_pos = oldPos;
            setNumber(m_ids.edit, m_value);
            trackbar(m_ids.trackbar).setPos(m_pos);
            enable(m_ids.trackbar, true);
        }
        break;
    case OutOfRange::RetryCancel:
        if (fw::MessageBox(m_outOfRangeText, fw::MB_RETRYCANCEL | fw::MB_ICONEXCLAMATION) == fw::IDCANCEL) {
            m_pos = m_value < m_low ? kSliderMin : kSliderMax;
            trackbar(m_ids.trackbar).setPos(m_pos);
        } else {
            m_value = oldValue;
            setNumber(m_ids.edit, m_value);
            editAgain(m_ids.edit);
        }
        break;
    case OutOfRange::WidthNote:
        fw::MessageBox(fw::format(m_outOfRangeText, m_low, m_high), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        m_pos = positionOf(m_value);
        trackbar(m_ids.trackbar).setPos(m_pos);
        break;
    }
}
