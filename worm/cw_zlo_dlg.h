// CCwZloDlg1 / CCwZloDlg2: the contact-factor charts (templates 2028 and
// 2029). The caller passes d1/a; the user moves the vertical trackbar until
// the cross-hair meets the chart curve and confirms; the caller takes Zρ
// after IDOK when it is above zero (it stays 0 until the vertical trackbar
// has been released once). One design, two templates and pictures.
#pragma once
#include <optional>
#include <string>

#include "fw/fw.h"
#include "worm/calc/cw_records.h"

class CCwZloDlg : public fw::Dialog {
public:
    // Control ids of templates 2028 and 2029.
    enum : int {
        IDC_HORZ = 1049,     // d1/a trackbar
        IDC_VERT = 1050,     // Zρ trackbar
        IDC_NOTE = 1051,     // note over the plot while the curves are missing
    };
    // Fixed boxes of the templates (dialog units); the pictures are drawn to
    // the channels of these trackbars.
    static constexpr fw::Size kClientSize{400, 320};
    static constexpr fw::Box kHorzBox{66, 250, 302, 20};
    static constexpr fw::Box kVertBox{10, 22, 20, 196};

    // Stores d1/a, formats "d1/a = %.3f" with it and runs the dialog:
    // IDOK (1) or IDCANCEL (2).
    virtual int DoModal(double d1a);
    using fw::Dialog::DoModal;

    double m_d1a = 0;    // as passed (shown as "d1/a = %.3f"), changed by the horizontal trackbar
    double m_zrho = 0;   // set by a release of the vertical trackbar

protected:
    CCwZloDlg(int idd, int pageSizeH, fw::Window* parent);
    bool OnInitDialog() override;

private:
    void paint(fw::Canvas& c);
    void OnReleasedHorz();
    void OnReleasedVert();

    int m_pageSizeH;
    std::string m_label;  // "d1/a = %.3f" of the passed value
    int m_posH = 0;
    int m_posV = 0;
};

// ZA, ZN, ZL and ZK worms: template 2028, picture 2006.
class CCwZloDlg1 : public CCwZloDlg {
public:
    enum { IDD = 2028, IDB_CHART = 2006 };
    explicit CCwZloDlg1(fw::Window* parent = nullptr) : CCwZloDlg(IDD, 2, parent) {}
};

// ZC worms: template 2029, picture 2007.
class CCwZloDlg2 : public CCwZloDlg {
public:
    enum { IDD = 2029, IDB_CHART = 2007 };
    explicit CCwZloDlg2(fw::Window* parent = nullptr) : CCwZloDlg(IDD, 1, parent) {}
};

// The chart that fits a worm type: Zρ after OK, or nothing (Cancel, or OK
// with the vertical trackbar never released).
std::optional<double> runContactChart(worm::WormType type, double d1a, fw::Window* parent);
