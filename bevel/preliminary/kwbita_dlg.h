// CKwbitaDlg: the face load factor for bending strength Kwβ of a bevel pair
// (template 3049); plain DoModal, then m_value on IDOK.
#pragma once
#include "common/dialogs/face_load_table_dialog.h"

class CKwbitaDlg : public kavrin::FaceLoadTableDialog {
public:
    static constexpr int IDD = 3049;
    explicit CKwbitaDlg(fw::Window* parent = nullptr);
};
