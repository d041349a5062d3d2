// CAboutDlg: 关于 Kavrin (template 100).
#pragma once
#include "fw/fw.h"

class CAboutDlg : public fw::Dialog {
public:
    enum { IDD = 100 };
    explicit CAboutDlg(fw::Window* parent = nullptr);
};
