#include "worm/ccw_met_dlg.h"

#include <algorithm>

#include "resources/tarv/module.h"

CCwMetDlg::CCwMetDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {}

void CCwMetDlg::DoDataExchange(fw::Exchange& dx) {
    dx.radio(kRowIds[0], m_row);
    if (dx.saving()) m_row = std::clamp(m_row, 0, worm::kMaterialCount - 1);
}
