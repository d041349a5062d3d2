// CKhbitaDlg: the face load factor for contact strength KHβ of a bevel pair
// (template 3047); plain DoModal, then m_value on IDOK.
#pragma once
#include "common/dialogs/face_load_table_dialog.h"

class CKhbitaDlg : public kavrin::FaceLoadTableDialog {
public:
    static constexpr int IDD = 3047;
    explicit CKhbitaDlg(fw::Window* parent = nullptr);
};
