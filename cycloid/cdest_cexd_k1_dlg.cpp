#include "cycloid/cdest_cexd_k1_dlg.h"

CDestCexdK1Dlg::CDestCexdK1Dlg(fw::Window* parent)
    : CexRecommendDlg(IDD, parent, {IDC_VALUE, IDC_SLIDER, IDC_LOW, IDC_HIGH, 0},
                      cycloid::cex_q::kK1, OutOfRange::AskKeep, "%.2f",
                      "预定k1值超出建议范围，是否决定采用给定值？") {}
