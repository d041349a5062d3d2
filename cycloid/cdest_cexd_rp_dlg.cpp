#include "cycloid/cdest_cexd_rp_dlg.h"

CDestCexdRpDlg::CDestCexdRpDlg(fw::Window* parent)
    : CexRecommendDlg(IDD, parent, {IDC_VALUE, IDC_SLIDER, IDC_LOW, IDC_HIGH, IDC_RANGE},
                      cycloid::cex_q::kRecommendedRp, OutOfRange::RetryCancel, "%.2f",
                      "所选定的针齿分布圆半径超出推荐\n的数值范围，建议重新选定。") {}
