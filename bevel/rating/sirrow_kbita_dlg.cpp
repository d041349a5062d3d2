#include "bevel/rating/sirrow_kbita_dlg.h"

#include "resources/sirrow/module.h"

CSirrowKbitaDlg::CSirrowKbitaDlg(fw::Window* parent)
    : FaceLoadTableDialog({.module = &sirrow::module, .templateId = IDD, .helpContext = 0x20000u + IDD}, parent) {}
