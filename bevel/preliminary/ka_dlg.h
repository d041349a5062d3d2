// CKaDlg: the application factor dialog as built into Pellun (template 3052),
// run by the bevel preliminary design's "工况系数KA" button; read m_dKa on IDOK.
#pragma once
#include "common/dialogs/application_factor_dialog.h"

class CKaDlg : public kavrin::ApplicationFactorDialog {
public:
    static constexpr int IDD = 3052;
    explicit CKaDlg(fw::Window* parent = nullptr);
};
