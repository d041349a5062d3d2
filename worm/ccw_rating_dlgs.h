// The small dialogs of the worm strength rating: power and speed (2023),
// life factor (2027), worm type (2031), worm-gear face width (2033) and the
// worm's heat treatment (1226).
#pragma once
#include "fw/fw.h"
#include "worm/calc/cw_records.h"
#include "worm/calc/worm_rating.h"

// Power and worm speed; OK refuses a value ≤ 0 in either.
class CCwNDlg : public fw::Dialog {
public:
    enum { IDD = 2023 };
    enum : int { IDC_POWER = 1001, IDC_N1 = 1002 };
    explicit CCwNDlg(fw::Window* parent = nullptr);
    double m_power = 0;   // kW
    double m_n1 = 0;      // r/min

protected:
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
};

// Life factor: equivalent hours and duty (a percentage); Zh on OK, when the
// two give a usable one.
class CCwZhDlg : public fw::Dialog {
public:
    enum { IDD = 2027 };
    enum : int { IDC_HOURS = 1001, IDC_DUTY = 1002 };
    explicit CCwZhDlg(fw::Window* parent = nullptr);
    double m_hours = 20000;
    double m_duty = 50;   // %
    double m_zh = 0;

protected:
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;

private:
    void OnKillfocus(int id, double& member);
    static bool accepted(int id, double v);
};

// The worm type when no design is loaded (ZA when cancelled).
class CCwZtypeDlg : public fw::Dialog {
public:
    enum { IDD = 2031 };
    enum : int { IDC_ZA = 1001, IDC_ZN = 1002, IDC_ZL = 1003, IDC_ZK = 1004, IDC_ZC = 1005 };
    explicit CCwZtypeDlg(fw::Window* parent = nullptr);
    worm::WormType m_type = worm::WormType::ZA;

protected:
    void DoDataExchange(fw::Exchange& dx) override;
};

// The worm-gear face width when no design is loaded.
class CCwproB2Dlg : public fw::Dialog {
public:
    enum { IDD = 2033 };
    enum : int { IDC_B2 = 1001 };
    explicit CCwproB2Dlg(fw::Window* parent = nullptr);
    double m_b2 = 0;   // mm

protected:
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
};

// The heat treatment of a steel worm: hardened or quenched and tempered.
class CCwStatuDlg : public fw::Dialog {
public:
    enum { IDD = 1226 };
    enum : int { IDC_HARDENED = 1001, IDC_TEMPERED = 1002 };
    explicit CCwStatuDlg(fw::Window* parent = nullptr);
    worm::rating::WormHardening m_state = worm::rating::WormHardening::Hardened;

protected:
    void DoDataExchange(fw::Exchange& dx) override;
};
