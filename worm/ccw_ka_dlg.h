// CCwKaDlg: the service conditions of a worm drive (template 2021): the
// driving and the driven machine; OK gives the application factor KA.
#pragma once
#include "fw/fw.h"
#include "worm/calc/worm_tables.h"

class CCwKaDlg : public fw::Dialog {
public:
    enum { IDD = 2021 };
    enum : int {
        IDC_DRIVER_STEADY = 1205,   // 典型原动机特性: 平稳, 轻度冲击, 中等冲击, 严重冲击
        IDC_DRIVER_LIGHT = 1206,
        IDC_DRIVER_MODERATE = 1207,
        IDC_DRIVER_HEAVY = 1211,
        IDC_DRIVEN_STEADY = 1208,   // 典型工作机特性: 平稳, 轻微冲击, 中等冲击, 较大冲击
        IDC_DRIVEN_SLIGHT = 1212,
        IDC_DRIVEN_MODERATE = 1209,
        IDC_DRIVEN_LARGE = 1210,
    };
    explicit CCwKaDlg(fw::Window* parent = nullptr);

    worm::DriverShock m_driver = worm::DriverShock::Steady;
    worm::DrivenShock m_driven = worm::DrivenShock::Steady;
    double m_ka = 0;   // set by OK

protected:
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
};
