// CInvdlg: the angle – involute function converter (template 1036). An angle
// in degrees, minutes and seconds or in decimal degrees gives inv α; an
// involute value gives the angle back (search step 4e-6 rad).
#pragma once
#include <cstdint>

#include "fw/fw.h"

class CInvdlg : public fw::Dialog {
public:
    enum { IDD = 1036 };

    enum : int {
        IDC_DEG = 1312,
        IDC_MIN = 1313,
        IDC_SEC = 1314,
        IDC_INV = 1315,
        IDC_DECIMAL = 1246,
        IDC_TO_INV = 1316,     // invα=
        IDC_TO_ANGLE = 1317,   // α=
        IDC_CLOSE = 1,         // 结   束
    };

    explicit CInvdlg(fw::Window* parent = nullptr);

protected:
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnKillfocusDms();
    void OnKillfocusInv();
    void OnKillfocusDecimal();
    void OnBnClickedInv();
    void OnBnClickedAngle();
    // Leaving a field for "结   束" (or Escape) takes nothing over: the
    // converter closes whatever its fields hold.
    bool closing() const;
    void showSplit();

    std::int32_t m_deg = 0;
    std::int32_t m_min = 0;
    std::int32_t m_sec = 0;
    double m_inv = 0;        // involute value
    double m_decimal = 0;    // angle in decimal degrees
};
