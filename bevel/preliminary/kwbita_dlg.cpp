#include "bevel/preliminary/kwbita_dlg.h"

#include "resources/pellun/module.h"

CKwbitaDlg::CKwbitaDlg(fw::Window* parent)
    : FaceLoadTableDialog({.module = &pellun::module, .templateId = IDD, .helpContext = 0x20000u + IDD}, parent) {}
