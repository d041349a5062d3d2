// CDestCexdADlg: the choice of the eccentricity (template 135): the upper
// standard value, the computed value or the lower standard value, each with
// its radio button and edit; the computed one is selected at the start.
#pragma once
#include "fw/fw.h"

class CDestCexdADlg : public fw::Dialog {
public:
    static constexpr int IDD = 135;
    static constexpr int IDC_UPPER = 1044;      // radio "标准上限偏心距:"
    static constexpr int IDC_COMPUTED = 1045;   // radio "计 算 偏 心 距:"
    static constexpr int IDC_LOWER = 1046;      // radio "标准下限偏心距:"
    static constexpr int IDC_UPPER_VALUE = 1047;
    static constexpr int IDC_COMPUTED_VALUE = 1048;
    static constexpr int IDC_LOWER_VALUE = 1049;

    explicit CDestCexdADlg(fw::Window* parent = nullptr);
    void setChoices(double upper, double computed, double lower);
    // The value chosen at OK.
    double chosen() const;

    void DoDataExchange(fw::Exchange& dx) override;

    double m_upper = 0;
    double m_computed = 0;
    double m_lower = 0;
    enum class Choice { Upper, Computed, Lower };   // the radios in order
    Choice m_choice = Choice::Computed;

private:
    double m_offeredLower = 0;
};
