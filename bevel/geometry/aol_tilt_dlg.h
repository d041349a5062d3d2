// The cutter-tilt check charts of the cycloidal bevel gears (templates 4024,
// 4028, 4029): a chart of the permissible gear pitch angle δ2max over rb/h
// for one cutter tilt Δα, a cross-hair on two trackbars, and buttons that
// pass the check, ask for more tilt, or fail it. One class; TiltFamily says
// how the three differ. DoModal(rb/h, βp, δ2) returns 1, 3, 4285 or 2
// (cancel, Δα untouched). The dialog paints the chart itself, under its cross-hair.
#pragma once
#include <string>

#include "fw/fw.h"

struct TiltFamily {
    int templateId = 0;
    int bitmap = 0;
    double tilt = 0;          // Δα of the pass button, degrees
    double delta0 = 0;        // δ2max at the top of the chart
    int hSlider = 0, vSlider = 0, text = 0;
    int left = 0, top = 0, right = 0, bottom = 0;  // plot rectangle, client pixels
    int secondButton = 0;     // 3 (more tilt) or 4285 (failed)
    double secondTilt = 0;    // Δα the second button sets
    const char* prefix = "";  // first line of the text
};

class CBelmarAolTiltDlg : public fw::Dialog {
public:
    static constexpr int IDC_HELP_BUTTON = 4303;
    static constexpr int IDC_FAILED = 4285;
    static constexpr int IDC_MORE_TILT = 3;
    static constexpr int HELP_CONTEXT = 0x20000 + 4024;

    double m_rbh = 0, m_betaP = 0, m_delta2 = 0;
    double m_delta2Max = 0;  // 0 until the vertical trackbar is let go
    double m_tilt = 0;       // Δα, set by the closing buttons
    int m_hPos = 0, m_vPos = 0;
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;

    using fw::Dialog::DoModal;
    virtual int DoModal(double rbh, double betaP, double delta2);
    // What DoModal(rb/h, βp, δ2) does before it runs the dialog.
    void prepare(double rbh, double betaP, double delta2);
    bool OnInitDialog() override;
    const TiltFamily& family() const { return m_family; }

protected:
    CBelmarAolTiltDlg(const TiltFamily& family, fw::Window* parent);

private:
    std::string text(bool withDelta2Max) const;
    void drawLines(fw::Canvas& c) const;
    void redraw(bool withDelta2Max);
    void close(int code, double tilt);
    TiltFamily m_family;
};

class CBelmarAolC87Dlg : public CBelmarAolTiltDlg {
public:
    static constexpr int IDD = 4024, IDB_CHART = 4025;
    static constexpr int IDC_H_SLIDER = 4276, IDC_V_SLIDER = 4277, IDC_TEXT = 4278;
    static TiltFamily family();
    explicit CBelmarAolC87Dlg(fw::Window* parent = nullptr) : CBelmarAolTiltDlg(family(), parent) {}
};

class CBelmarAolC88Dlg : public CBelmarAolTiltDlg {
public:
    static constexpr int IDD = 4028, IDB_CHART = 4026;
    static constexpr int IDC_H_SLIDER = 4279, IDC_V_SLIDER = 4280, IDC_TEXT = 4281;
    static TiltFamily family();
    explicit CBelmarAolC88Dlg(fw::Window* parent = nullptr) : CBelmarAolTiltDlg(family(), parent) {}
};

class CBelmarAolC89Dlg : public CBelmarAolTiltDlg {
public:
    static constexpr int IDD = 4029, IDB_CHART = 4027;
    static constexpr int IDC_H_SLIDER = 4283, IDC_V_SLIDER = 4282, IDC_TEXT = 4284;
    static TiltFamily family();
    explicit CBelmarAolC89Dlg(fw::Window* parent = nullptr) : CBelmarAolTiltDlg(family(), parent) {}
};
