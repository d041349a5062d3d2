#include "worm/ccw_ka_dlg.h"

#include "resources/tarv/module.h"

CCwKaDlg::CCwKaDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

void CCwKaDlg::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_DRIVER_STEADY, m_driver);
    dx.radio(IDC_DRIVEN_STEADY, m_driven);
}

void CCwKaDlg::OnOK() {
    if (!UpdateData(true)) return;
    m_ka = worm::applicationFactor(m_driver, m_driven);
    EndDialog(IDOK);
}
