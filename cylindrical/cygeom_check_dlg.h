// CCyGeomCheckDlg: the rows of one cutting and interference check (item,
// result, solution) and the cutters used (template 1038, "《Ondrel》 Kavrin
// 齿轮副设计检验结果"). It only displays.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "cylindrical/calc/cutter_scheme.h"
#include "fw/fw.h"

class CCyGeomCheckDlg : public fw::Dialog {
public:
    static constexpr int IDD = 1038;
    static constexpr int IDC_CHECK_LIST = 1018;
    static constexpr int IDC_CUTTER1_LIST = 1020;  // left
    static constexpr int IDC_CUTTER2_LIST = 1021;  // right
    static constexpr int IDC_CUTTER1_TITLE = 1159;
    static constexpr int IDC_CUTTER2_TITLE = 1160;

    explicit CCyGeomCheckDlg(fw::Window* parent = nullptr);

    using fw::Dialog::DoModal;
    // Copies the rows (row i of each array belongs together), the scheme and
    // the mode (kCutMode*), then runs the dialog.
    virtual int DoModal(const std::vector<std::string>& items, const std::vector<std::string>& results,
                        const std::vector<std::string>& solutions, cylindrical::CutterScheme scheme,
                        std::int32_t mode);
    // The contents alone, for a run started with the plain DoModal (screenshots).
    void setContents(const std::vector<std::string>& items, const std::vector<std::string>& results,
                     const std::vector<std::string>& solutions, const cylindrical::CutterScheme& scheme,
                     std::int32_t mode);

    bool OnInitDialog() override;

private:
    void fillCheckList();
    void fillCutter(int listId, const cylindrical::Cutter& c);
    void clearCutter(int listId);

    std::vector<std::string> m_items;
    std::int32_t m_mode = 0;
    cylindrical::CutterScheme m_scheme;
    std::vector<std::string> m_solutions;
    std::vector<std::string> m_results;
};
