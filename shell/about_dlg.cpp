#include "shell/about_dlg.h"

#include "resources/kavrin/module.h"

CAboutDlg::CAboutDlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {}
