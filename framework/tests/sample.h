// A sample dialog for the framework's own tests (not a product dialog): one
// control of each kind, handlers that log what they get.
#pragma once
#include <string>
#include <vector>

#include "fw/fw.h"

namespace sample {

enum : int {
    IDD_SAMPLE = 100, IDD_NESTED = 101,
    IDC_X = 10, IDC_N = 11, IDC_NAME = 12, IDC_DIGITS = 13, IDC_RESULT = 14, IDC_CODE = 15,
    IDC_HINT = 20,
    IDC_R0 = 30, IDC_R1 = 31, IDC_R2 = 32, IDC_BOX1 = 33, IDC_BOX2 = 36, IDC_S0 = 34, IDC_S1 = 35,
    IDC_CHECK = 40, IDC_LIST = 50, IDC_EDITABLE = 51, IDC_LISTBOX = 55, IDC_VIEW = 60,
    IDC_SLIDER = 70, IDC_DATE = 80, IDC_PIC = 85,
    IDC_CALC = 90, IDC_NESTED = 91, IDC_SAVE = 92, IDC_SCRIBBLE = 93,
    IDB_CHART = 500, IDB_OTHER = 501,
    IDC_NESTED_VALUE = 10,
};

const fw::Module& module();

class SampleDlg : public fw::Dialog {
public:
    explicit SampleDlg(fw::Window* parent = nullptr);
    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;

    double m_x = 5;
    int m_n = 17;
    std::string m_name;
    char m_code[8] = {};
    int m_mode = 0;
    int m_second = 0;
    int m_check = 0;
    int m_pick = 1;
    std::string m_editable = "0.25";
    int m_pos = 0;
    fw::Date m_date{2024, 5, 6};
    bool m_saved = false;
    std::filesystem::path m_savedPath;
    double m_nestedValue = 0;
    // "kill 10", "click 90", "change 10" ... in the order delivered.
    std::vector<std::string> log;
    bool refuseEmptyN = false;   // kill-focus of IDC_N refuses an empty field with a message box
    bool askBigN = false;        // kill-focus of IDC_N asks whether to go on with n > 100 (No: edit again)

private:
    void note(const char* what, int id) { log.push_back(std::string(what) + " " + std::to_string(id)); }
    void OnCancel() override;
    void onSave();
    void onNested();
};

// A dialog opened from SampleDlg: one number, OK/Cancel.
class NestedDlg : public fw::Dialog {
public:
    explicit NestedDlg(fw::Window* parent) : fw::Dialog(sample::module(), IDD_NESTED, parent) {}
    void DoDataExchange(fw::Exchange& dx) override { dx.number(IDC_NESTED_VALUE, m_value, 0, 10); }
    double m_value = 1;
};

}  // namespace sample
