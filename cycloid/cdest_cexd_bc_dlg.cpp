#include "cycloid/cdest_cexd_bc_dlg.h"

CDestCexdBcDlg::CDestCexdBcDlg(fw::Window* parent)
    : CexRecommendDlg(IDD, parent, {IDC_VALUE, IDC_SLIDER, IDC_LOW, IDC_HIGH, 0},
                      cycloid::cex_q::kRecommendedBc, OutOfRange::WidthNote, nullptr,
                      "建议齿宽在%.1f～%.1f范围内取值！") {}

double CDestCexdBcDlg::valueAt(int pos) const { return cycloid::widthFromPosition(m_low, pos); }
int CDestCexdBcDlg::positionOf(double value) const { return cycloid::positionFromWidth(m_low, value); }
