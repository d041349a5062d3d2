// CToolCyDwdataDlg: the involute profile CAD data tool (template 151). It
// reads a cylindrical data file of any of its three kinds (designed pair,
// measured gear or pair, small-module pair) and writes the transverse tooth
// profile of one gear, with root fillet and process shrinkage, as a .cyd
// point file for CAD. The shell runs it modally and loads nothing after it.
#pragma once
#include <cstdint>
#include <string>

#include "fw/fw.h"
#include "measurement/calc/profile_data.h"
#include "profiletool/calc/profile_source.h"

class CToolCyDwdataDlg : public fw::Dialog {
public:
    enum { IDD = 151 };
    enum : int {
        IDC_PATH = 1035,
        IDC_BROWSE = 1037,     // 查找
        IDC_READ = 1038,       // 读取
        IDC_CSTAR = 1039,
        IDC_FILLET = 1040,     // rp, mm
        IDC_SHRINKAGE = 1041,  // λ, percent
        IDC_HINT = 1042,
        IDC_Z1 = 1043,         // 小齿轮 Z1
        IDC_Z2 = 1044,         // 大齿轮 Z2
        IDC_HELP = 3,          // 帮助
    };

    explicit CToolCyDwdataDlg(fw::Window* parent = nullptr);

    bool OnInitDialog() override;

    // State a test may read.
    const profiletool::ProfileSource& source() const { return m_source; }
    int gearChoice() const { return m_gearChoice; }
    const std::string& outputPath() const { return m_outputPath; }

protected:
    void DoDataExchange(fw::Exchange& dx) override;

private:
    void OnBnClickedBrowse();
    void OnEnKillfocusPath();
    void OnBnClickedRead();
    void OnZChoice(int choice);
    void OnEnKillfocusFillet();
    void OnEnKillfocusShrinkage();
    void OnBnClickedOk();
    void OnBnClickedHelp();
    void checkPath();
    void enableAfterRead(bool on);   // 确定, rp and λ
    void setHint(const std::string& text);

    std::int32_t m_gearKind = 0;      // 0 external, 1 internal
    std::int32_t m_gearChoice = 0;    // 0 pinion, 1 gear
    profiletool::ProfileSource m_source;
    bool m_read = false;              // a file has been read
    std::string m_outputPath;
    std::string m_inputPath;
    std::string m_hint;
    double m_cStar = 0;
    double m_rp = 0;                  // root fillet radius, mm
    double m_lambda = 0;              // shrinkage, percent
    std::int32_t m_zChoice = 0;
    std::string m_headerWord;
};
