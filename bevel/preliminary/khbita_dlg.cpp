#include "bevel/preliminary/khbita_dlg.h"

#include "resources/pellun/module.h"

CKhbitaDlg::CKhbitaDlg(fw::Window* parent)
    : FaceLoadTableDialog({.module = &pellun::module, .templateId = IDD, .helpContext = 0x20000u + IDD}, parent) {}
