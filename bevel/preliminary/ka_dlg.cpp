#include "bevel/preliminary/ka_dlg.h"

#include "resources/pellun/module.h"

CKaDlg::CKaDlg(fw::Window* parent)
    : ApplicationFactorDialog({.module = &pellun::module, .templateId = IDD, .helpContext = 0x20097}, {}, parent) {}
