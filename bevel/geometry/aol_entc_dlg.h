// CBelmarAolentcDlg: the choice of a cycloidal bevel cutter head on two charts
// (template 4023). Chart C85 plots Rp over βp' with one curve per cutter
// radius; chart C86 Zc over βp″ with one region per blade number. The dialog
// paints both charts itself, so its cross lines lie on top of them. The user
// sets cross lines with four trackbars, then presses the cutter-radius button
// and the blade button. DoModal(Rp, βp', Zc) → IDOK or IDCANCEL; after IDOK
// m_radiusButton (0 to 10, the record of entc.ndt) and m_bladeButton (0 to 5).
#pragma once
#include <string>

#include "fw/fw.h"

class CBelmarAolentcDlg : public fw::Dialog {
public:
    static constexpr int IDD = 4023;
    static constexpr int IDB_C85 = 4021, IDB_C86 = 4022;
    static constexpr int IDC_RP_SLIDER = 4254, IDC_ZC_SLIDER = 4255, IDC_BETA1_SLIDER = 4256,
                         IDC_BETA2_SLIDER = 4257;
    static constexpr int IDC_RB_FIRST = 4258;     // 4258 to 4268: Rb = 39 … 125
    static constexpr int IDC_BLADE_FIRST = 4269;  // 4269 to 4274: 1号 … 5号
    static constexpr int IDC_HINT = 4275;
    static constexpr int IDC_HELP_BUTTON = 4304;
    static constexpr int HELP_CONTEXT = 0x20000 + 4023;
    static constexpr int kRadiusButtons = 11, kBladeButtons = 6;

    double m_zc = 0, m_betaP1 = 0, m_rp = 0;
    // The plot frame, client pixels.
    int m_rightBottom = 311, m_rightRight = 600, m_leftBottom = 311, m_leftRight = 273;
    int m_rightTop = 65, m_rightLeft = 372, m_leftTop = 17, m_leftLeft = 44;
    std::string m_zcText, m_betaText, m_rpText;
    int m_rangeMin = 0, m_rangeMax = 400;
    int m_radiusButton = -1, m_bladeButton = -1;
    int m_posBeta1 = 0, m_posBeta2 = 0, m_posZc = 0, m_posRp = 0;

    explicit CBelmarAolentcDlg(fw::Window* parent = nullptr);
    using fw::Dialog::DoModal;
    virtual int DoModal(double rp, double betaP1, double zc);
    // What DoModal(Rp, βp', Zc) does before it runs the dialog.
    void prepare(double rp, double betaP1, double zc);
    bool OnInitDialog() override;

private:
    enum Chart { kLeft = 1, kRight = 2 };
    void draw(fw::Canvas& c, int charts) const;
    void redraw(int charts);
    void OnReleasedRp();
    void OnReleasedBeta1();
    void OnReleasedBeta2();
    void OnReleasedZc();
    void OnRadius(int index);
    void OnOK() override;
};
