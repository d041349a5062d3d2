// The recommendation dialogs of page 1 that offer a value within a range: a
// trackbar 0 to 50 over the range, an edit for the value and the range
// labels. The caller sets the range before DoModal and reads m_value after
// IDOK. What a typed value outside the recommended range does depends on the
// dialog; one outside its quantity's range (cex_ranges.h) is refused.
#pragma once
#include <string>

#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"
#include "fw/fw.h"

class CexRecommendDlg : public fw::Dialog {
public:
    enum class OutOfRange { AskKeep, RetryCancel, WidthNote };
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
    CexRecommendDlg(int templateId, fw::Window* parent, Ids ids, const kavrin::Quantity& quantity, OutOfRange rule,
                    const char* labelFormat, const char* outOfRangeText);
    virtual double valueAt(int pos) const;
    virtual int positionOf(double value) const;
    void OnReleasedTrackbar();
    void OnKillfocusEdit();

    Ids m_ids;
    const kavrin::Quantity* m_quantity;
    OutOfRange m_rule;
    const char* m_labelFormat;
    const char* m_outOfRangeText;
};
