#include "common/dialogs/application_factor_dialog.h"

#include "fw/format.h"

namespace kavrin {

ApplicationFactorDialog::ApplicationFactorDialog(const FactorDialogCopy& copy, ApplicationFactorOptions options,
                                                 fw::Window* parent)
    : FactorDialog(copy, IDC_HELP_KA, parent), m_options(options) {
    onRadios(IDC_DRIVER, 3, m_nDriver, [this] { OnRadio(KaBandSource::Driver); });
    onRadios(IDC_DRIVEN, 3, m_nDriven, [this] { OnRadio(KaBandSource::Driven); });
    onReleased(IDC_SLIDER, [this] { OnReleasedSlider(); });
}

void ApplicationFactorDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_DRIVER, m_nDriver);
    dx.radio(IDC_DRIVEN, m_nDriven);
    dx.trackbar(IDC_SLIDER, m_nPos);
    // KA is computed, never typed: shown only, so it keeps its full value.
    if (!dx.saving()) dx.number(IDC_KA, m_dKa);
}

bool ApplicationFactorDialog::OnInitDialog() {
    fw::Trackbar& t = trackbar(IDC_SLIDER);
    t.setRange(kSliderMin, kSliderMax);
    t.setTicFreq(m_options.ticFrequency);
    t.setLineSize(1);
    t.setPageSize(1);
    m_nPos = kSliderMin;
    showBounds();
    UpdateData(false);
    return true;
}

void ApplicationFactorDialog::showBounds() {
    setText(IDC_LOW, fw::format("%.2f", m_dLow));
    setText(IDC_HIGH, fw::format("%.2f", m_dHigh));
}

void ApplicationFactorDialog::OnRadio(KaBandSource source) {
    if (auto band = applicationFactorBand(m_nDriver, m_nDriven, source)) {
        m_dLow = band->low;
        m_dHigh = band->high;
    }
    showBounds();
    m_nPos = kSliderMin;
    m_dKa = m_dLow;
    UpdateData(false);
}

void ApplicationFactorDialog::OnReleasedSlider() {
    const fw::Trackbar& t = trackbar(IDC_SLIDER);
    m_nPos = t.pos();
    m_dKa = applicationFactor({.low = m_dLow, .high = m_dHigh}, m_nPos, t.rangeMin(), t.rangeMax());
    UpdateData(false);
}

}  // namespace kavrin
