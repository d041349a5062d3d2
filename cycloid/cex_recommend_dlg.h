// The recommendation dialogs of page 1 that offer a value within a range: a
// trackbar 0 to 50 over the range, an edit for the value and the range
// labels. The caller sets the range before DoModal and reads m_value after
// IDOK. What a typed value outside the range does depends on the dialog.
#pragma once
#include <string>

#include "cycloid/calc/cex_preliminary.h"
#include "fw/fw.h"

class CexRecommendDlg : public fw::Dialog {
public:
    enum class OutOfRange { AskKeep, RetryCancel, WidthNote };
    static constexpr const char* kMsgNotPositive = "请输入一个大于0的数值。";
    struct Ids {
        int edit;
        int trackbar;
        int lowLabel;
        int highLabel;
        int rangeLabel;   // 0: none
    };

    void setRange(double low, double high);
    double m_low = 0;
    double m_high = 0;
    double m_value = 0;
    int m_pos = 0;

    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    CexRecommendDlg(int templateId, fw::Window* parent, Ids ids, OutOfRange rule, const char* labelFormat,
                    const char* outOfRangeText);
    virtual double valueAt(int pos) const;
    virtual int positionOf(double value) const;
    void OnReleasedTrackbar();
    void OnKillfocusEdit();

    Ids m_ids;
    OutOfRange m_rule;
    const char* m_labelFormat;
    const char* m_outOfRangeText;
};
