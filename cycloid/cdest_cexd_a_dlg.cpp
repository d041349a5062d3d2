#include "cycloid/cdest_cexd_a_dlg.h"

#include "common/dialogs/quantity_field.h"
#include "cycloid/calc/cex_ranges.h"
#include "resources/kavrin/module.h"

CDestCexdADlg::CDestCexdADlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {}

void CDestCexdADlg::setChoices(double upper, double computed, double lower) {
    m_upper = upper;
    m_computed = computed;
    m_lower = lower;
    m_offeredLower = lower;
    m_choice = Choice::Computed;
}

double CDestCexdADlg::chosen() const {
    switch (m_choice) {
    case Choice::Upper: return m_upper;
    case Choice::Lower: return m_offeredLower;
    case Choice::Computed: break;
    }
    return m_computed;
}

// Each edit holds an eccentricity: within its range (cex_ranges.h).
void CDestCexdADlg::DoDataExchange(fw::Exchange& dx) {
    namespace q = cycloid::cex_q;
    dx.radio(IDC_UPPER, m_choice);
    kavrin::number(dx, IDC_UPPER_VALUE, m_upper, cycloid::givenQuantity(q::kUpperA));
    kavrin::number(dx, IDC_COMPUTED_VALUE, m_computed, cycloid::givenQuantity(q::kComputedA));
    kavrin::number(dx, IDC_LOWER_VALUE, m_lower, cycloid::givenQuantity(q::kLowerA));
}
