#include "common/dialogs/face_load_dialog.h"

namespace kavrin {

FaceLoadDialog::FaceLoadDialog(const FactorDialogCopy& copy, fw::Window* parent)
    : FactorDialog(copy, IDC_FACTOR_HELP, parent) {
    onRadios(IDC_FLANKS, 2, m_nFlanks, [this] { UpdateData(false); });
    onRadios(IDC_MOUNTING, 4, m_nMounting, [this] { UpdateData(false); });
}

void FaceLoadDialog::DoDataExchange(fw::Exchange& dx) {
    dx.radio(IDC_FLANKS, m_nFlanks);
    dx.radio(IDC_MOUNTING, m_nMounting);
}

}  // namespace kavrin
