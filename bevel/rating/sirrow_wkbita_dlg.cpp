#include "bevel/rating/sirrow_wkbita_dlg.h"

#include "resources/sirrow/module.h"

CSirrowWkbitaDlg::CSirrowWkbitaDlg(fw::Window* parent)
    : FaceLoadTableDialog({.module = &sirrow::module, .templateId = IDD, .helpContext = 0x20000u + IDD}, parent) {}
