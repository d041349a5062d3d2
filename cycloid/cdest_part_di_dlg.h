// CDestPartDiDlg: the disc's bearing bore (template 140), rolling or sliding
// bearing, from the bores of the range the caller gives.
#pragma once
#include <vector>

#include "fw/fw.h"

class CDestPartDiDlg : public fw::Dialog {
public:
    static constexpr int IDD = 140;
    static constexpr int IDC_DIMIN = 1102;
    static constexpr int IDC_DIMAX = 1103;
    static constexpr int IDC_ROLLING = 1104;
    static constexpr int IDC_SLIDING = 1105;
    static constexpr int IDC_BORE = 1109;
    static constexpr const char* kMsgOutside = "给定的轴承孔直径超出推荐的范围，建议采用推荐值！是否继续？";

    explicit CDestPartDiDlg(fw::Window* parent = nullptr);
    void setRange(double dimin, double dimax);

    bool OnInitDialog() override;
    void OnOK() override;

    double m_dimin = 0;
    double m_dimax = 0;
    double m_Di = 0;
    int m_kind = 0;   // 0 rolling, 1 sliding

private:
    void fillList();
    void OnKind();
    void OnSelchangeBore();
    void OnKillfocusBore();
    bool takeTypedBore();
    std::vector<double> m_offered;
};
