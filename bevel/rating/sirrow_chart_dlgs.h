// The rating's own chart dialogs, on the common chart code: the zone factor
// chart (CSirrowC97Dlg) and the contact ratio factor chart (CSirrowZetaDlg).
// CSirrowDlg runs one and reads m_value on IDOK (0 when the vertical thumb
// was never let go).
#pragma once
#include <cstdint>

#include "common/dialogs/chart_dialog.h"

// Zone factor ZH read off the chart at βm: DoModal(βm).
class CSirrowC97Dlg : public kavrin::ChartDialog {
public:
    static constexpr int IDD = 9021;
    static constexpr int IDC_H_SLIDER = 8001;
    static constexpr int IDC_V_SLIDER = 8002;
    static constexpr int IDB_CHART = 9003;
    double m_dBetaM = 0;

    explicit CSirrowC97Dlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
    using fw::Dialog::DoModal;
    virtual int DoModal(double betaM);
    void prepare(double betaM);  // what DoModal(βm) does before the run
    static constexpr std::uintptr_t helpContext() { return 0x20000u + IDD; }
    void OnHelp() { WinHelp(helpContext()); }
};

// Contact ratio factor Zε read off the chart at εα (εβ shown): DoModal(εα, εβ).
class CSirrowZetaDlg : public kavrin::ChartDialog {
public:
    static constexpr int IDD = 9025;
    static constexpr int IDC_H_SLIDER = 9007;
    static constexpr int IDC_V_SLIDER = 9008;
    static constexpr int IDC_PICTURE = 9010;  // the picture control under the chart
    static constexpr int IDB_CHART = 9026;
    static constexpr int IDB_PICTURE = 9024;
    double m_dEpsAlpha = 0, m_dEpsBeta = 0;

    explicit CSirrowZetaDlg(fw::Window* parent = nullptr);
    static kavrin::ChartCopy chartCopy();
    using fw::Dialog::DoModal;
    virtual int DoModal(double epsAlpha, double epsBeta);
    void prepare(double epsAlpha, double epsBeta);
    static constexpr std::uintptr_t helpContext() { return 0x20000u + IDD; }
    void OnHelp() { WinHelp(helpContext()); }
};
