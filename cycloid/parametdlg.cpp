#include "cycloid/parametdlg.h"

#include "resources/kavrin/module.h"

ParametDlg::ParametDlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {}

bool ParametDlg::OnInitDialog() {
    auto& v = listView(IDC_TABLE);
    const char* heads[] = {"Zc:", "≤11", "13～23", "25～59", "61～87"};
    const char* row[] = {" K1:", "0.42～0.55", "0.48～0.74", "0.65～0.9", "0.75～0.9"};
    for (int k = 0; k < 5; ++k) v.insertColumn(k, heads[k], fw::Align::Center, 96);
    v.insertItem(0, row[0]);
    for (int k = 1; k < 5; ++k) v.setItemText(0, k, row[k]);
    return fw::Dialog::OnInitDialog();
}
