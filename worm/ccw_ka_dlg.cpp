#include "worm/ccw_ka_dlg.h"

#include "resources/tarv/module.h"

CCwKaDlg::CCwKaDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

void CCwKaDlg::DoDataExchange(fw::Exchange& dx) {
    int driver = static_cast<int>(m_driver), driven = static_cast<int>(m_driven);
    dx.radio(IDC_DRIVER_STEADY, driver);
    dx.radio(IDC_DRIVEN_STEADY, driven);
    if (dx.saving()) {
        m_driver = static_cast<worm::DriverShock>(driver < 0 ? 0 : driver);
        m_driven = static_cast<worm::DrivenShock>(driven < 0 ? 0 : driven);
    }
}

void CCwKaDlg::OnOK() {
    if (!UpdateData(true)) return;
    m_ka = worm::applicationFactor(m_driver, m_driven);
    EndDialog(IDOK);
}
