// CSirrowKbitaDlg: the face load factor for contact strength KHβ of a bevel pair
// as built into the bevel strength rating (template 9016); plain DoModal,
// then m_value on IDOK.
#pragma once
#include "common/dialogs/face_load_table_dialog.h"

class CSirrowKbitaDlg : public kavrin::FaceLoadTableDialog {
public:
    static constexpr int IDD = 9016;
    explicit CSirrowKbitaDlg(fw::Window* parent = nullptr);
};
