#include "cycloid/cdest_cexd_k2_dlg.h"

CDestCexdK2Dlg::CDestCexdK2Dlg(fw::Window* parent)
    : CexRecommendDlg(IDD, parent, {IDC_VALUE, IDC_SLIDER, IDC_LOW, IDC_HIGH, 0},
                      cycloid::cex_q::kK2, OutOfRange::AskKeep, "%.3f",
                      "预定k2值超出建议范围，是否决定采用给定值?") {}
