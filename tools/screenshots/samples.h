// Sample templates of the screenshot program (module "samples"): a dialog
// with one control of every kind, the pages of a sample sheet and of a
// sample wizard. They show how the backend draws each kind.
#pragma once
#include "fw/fw.h"

namespace samples {

enum : int {
    IDD_ALL_KINDS = 1, IDD_SHEET_P1 = 11, IDD_SHEET_P2 = 12, IDD_WIZ_P1 = 21, IDD_WIZ_P2 = 22,
    IDC_Z1 = 101, IDC_M = 102, IDC_ALPHA = 103, IDC_A = 104,
    IDC_R_POWER = 110, IDC_R_TORQUE = 111, IDC_CHECK = 112,
    IDC_GRADE = 120, IDC_FACTOR = 121, IDC_LIST = 122, IDC_VIEW = 123,
    IDC_SLIDER = 130, IDC_DATE = 131, IDC_PIC = 132, IDC_HINT = 133, IDC_CALC = 140,
    IDC_NAME = 150, IDC_NOTE = 151,
    IDB_SAMPLE = 500,
};

const fw::Module& module();

}  // namespace samples
