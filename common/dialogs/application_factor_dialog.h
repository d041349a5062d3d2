// The application factor dialog: the driver and driven machine radios pick a
// band of KA, the trackbar a value in it.
#pragma once
#include "common/calc/factor_dialog_calc.h"
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

struct ApplicationFactorOptions {
    int ticFrequency = 2;   // a tick every that many positions
};

class ApplicationFactorDialog : public FactorDialog {
public:
    static constexpr int IDC_DRIVER = 1205;       // 1205..1207
    static constexpr int IDC_DRIVEN = 1208;       // 1208..1210
    static constexpr int IDC_SLIDER = 1211;
    static constexpr int IDC_KA = 1212;           // read-only
    static constexpr int IDC_HELP_KA = 1213;
    static constexpr int IDC_LOW = 1214;
    static constexpr int IDC_HIGH = 1215;
    static constexpr int kSliderMin = 0;
    static constexpr int kSliderMax = 20;

    double m_dHigh = 1.25;
    double m_dLow = 1.0;
    int m_nDriver = 0;
    int m_nDriven = 0;
    int m_nPos = 0;
    double m_dKa = 1.0;

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    ApplicationFactorDialog(const FactorDialogCopy& copy, ApplicationFactorOptions options, fw::Window* parent);

private:
    void OnRadio(KaBandSource source);
    void OnReleasedSlider();
    void showBounds();

    ApplicationFactorOptions m_options;
};

}  // namespace kavrin
