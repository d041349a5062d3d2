// ParametDlg: the table of recommended short-amplitude coefficients K1 by
// the disc's tooth count, with notes on adjusting K1 (template 150).
#pragma once
#include "fw/fw.h"

class ParametDlg : public fw::Dialog {
public:
    static constexpr int IDD = 150;
    static constexpr int IDC_TABLE = 1000;
    explicit ParametDlg(fw::Window* parent = nullptr);
    bool OnInitDialog() override;
};
