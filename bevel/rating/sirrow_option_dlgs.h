// The option dialogs of the bevel strength rating: the drive arrangement
// (for the directions of the axial and radial forces), the accuracy grade
// (for the dynamic factor) and the cutter diameter factor Y0. CSirrowDlg runs
// one and reads its result member on IDOK.
#pragma once
#include <cstdint>

#include "fw/fw.h"

// Drive arrangement: 0 straight teeth, 1 and 2 the two hand and rotation
// pairings of curved teeth. A button click chooses; OK closes.
class CSirrowDTypeDlg : public fw::Dialog {
public:
    static constexpr int IDD = 9002;
    static constexpr int IDC_DTYPE1 = 4295;
    static constexpr int IDC_DTYPE2 = 4296;
    static constexpr int IDC_DTYPE3 = 4297;
    // Button pictures: each arrangement's up (U) and focused (F) state.
    static constexpr int IDB_DTYPE1U = 9051, IDB_DTYPE1F = 9052;
    static constexpr int IDB_DTYPE2U = 9053, IDB_DTYPE2F = 9054;
    static constexpr int IDB_DTYPE3U = 9055, IDB_DTYPE3F = 9056;
    int m_nDType = 0;

    explicit CSirrowDTypeDlg(fw::Window* parent = nullptr);
    bool OnInitDialog() override;
    static constexpr std::uintptr_t helpContext() { return 0x20000u + IDD; }
    void OnHelp() { WinHelp(helpContext()); }
};

// Accuracy grade: index 0 (grade 5) to 4 (grade 9).
class CSirrowPreciDlg : public fw::Dialog {
public:
    static constexpr int IDD = 9014;
    static constexpr int IDC_GRADE = 8000;
    int m_nPrecision = 0;

    explicit CSirrowPreciDlg(fw::Window* parent = nullptr);
    bool OnInitDialog() override;
    static constexpr std::uintptr_t helpContext() { return 0x20000u + IDD; }
    void OnHelp() { WinHelp(helpContext()); }
};

// Cutter diameter factor: DoModal(βm, b), then m_dY0.
class CSirrowY0Dlg : public fw::Dialog {
public:
    static constexpr int IDD = 9041;
    static constexpr int IDC_STRAIGHT = 9009;  // tooth type 0
    static constexpr int IDC_D0 = 9010;
    static constexpr int IDC_CURVED = 9011;    // tooth type 1
    static constexpr int IDC_RATIO = 9012;
    static constexpr int IDC_Y0 = 9013;
    static constexpr int IDC_D0_UNKNOWN = 9014;  // D0 mode 0
    static constexpr int IDC_D0_GIVEN = 9015;    // D0 mode 1

    double m_dB = 0;
    double m_dBetaM = 0;
    int m_nToothType = 0;
    double m_dD0 = 0;
    double m_dRatio = 0;
    double m_dY0 = 1.0;
    int m_nD0Mode = 0;

    explicit CSirrowY0Dlg(fw::Window* parent = nullptr);
    using fw::Dialog::DoModal;
    virtual int DoModal(double betaM, double b);
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;
    static constexpr std::uintptr_t helpContext() { return 0x20000u + IDD; }
    void OnHelp() { WinHelp(helpContext()); }

private:
    void applyRatioRule();  // the curved-tooth rule: ratio and Y0 from D0
    void show();
    void OnStraight();
    void OnCurved();
    void OnKillfocusD0();
    void OnD0Unknown();
    void OnD0Given();
};
