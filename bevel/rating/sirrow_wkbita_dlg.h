// CSirrowWkbitaDlg: the face load factor for bending strength Kwβ of a bevel pair
// as built into the bevel strength rating (template 9031); plain DoModal,
// then m_value on IDOK.
#pragma once
#include "common/dialogs/face_load_table_dialog.h"

class CSirrowWkbitaDlg : public kavrin::FaceLoadTableDialog {
public:
    static constexpr int IDD = 9031;
    explicit CSirrowWkbitaDlg(fw::Window* parent = nullptr);
};
