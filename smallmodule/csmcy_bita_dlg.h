// CSmcyBitaDlg: how to split the axis angle of two helical gears into their
// helix angles (template 1053): equal angles, the automatic split, or the
// pinion's pitch helix angle chosen by the user between Σ/2 and Σ.
#pragma once
#include <cstdint>

#include "fw/fw.h"

class CSmcyBitaDlg : public fw::Dialog {
public:
    enum { IDD = 1053 };
    enum : int {
        IDC_OPTION_EQUAL = 1253,
        IDC_OPTION_AUTO = 1248,
        IDC_OPTION_USER = 1249,
        IDC_BETAP1 = 1250,
        IDC_LOWER = 1251,
        IDC_UPPER = 1252,
        IDC_BETAP2 = 1254,
    };

    explicit CSmcyBitaDlg(fw::Window* parent = nullptr);

    // Bounds Σ/2 and Σ (degrees), then the dialog; IDOK or IDCANCEL.
    int DoModal(double sigma);
    using fw::Dialog::DoModal;

    std::int32_t m_option = 0;   // 0 equal, 1 automatic, 2 the user's β'1
    double m_betaP1 = 0;
    double m_lower = 0;
    double m_upper = 0;
    double m_betaP2 = 0;

    bool OnInitDialog() override;

protected:
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnOption(int option);
    void OnEnKillfocusBetaP1();
};
