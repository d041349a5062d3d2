// The chart reading dialogs: a chart picture in a plot box, a horizontal
// trackbar whose thumb starts at the caller's input, a vertical one the user
// moves until the cross-hair meets a curve, and the value read off that
// vertical position when its thumb is let go. One class serves every chart;
// a ChartCopy says which deliverable, template, picture and scale.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "fw/fw.h"

namespace kavrin {

// A label anchor: the plot box edge it is measured from, plus an offset.
struct ChartAnchor {
    enum class Edge { Left, Right, Top, Bottom };
    Edge xEdge = Edge::Left;
    int dx = 0;
    Edge yEdge = Edge::Top;
    int dy = 0;
};

struct ChartCopy {
    fw::Module& (*module)() = nullptr;
    int templateId = 0;
    int hSlider = 0, vSlider = 0;  // trackbar ids
    // Plot box margins in pixels: left, top, and the distances of the right
    // and bottom edges from the client area's.
    int left = 0, top = 0, rightMargin = 0, bottomMargin = 0;
    double k = 1, c = 0;  // value = (200 − vPos)·k/200 + c
    ChartAnchor first, second;
    // The painted vertical line follows the input (not the horizontal thumb).
    bool paintsFromInput = false;
    int pageSize = 1;  // trackbar page size
};

class ChartDialog : public fw::Dialog {
public:
    std::string m_uText;    // first label
    std::string m_zText;    // second label
    double m_xFraction = 0;
    double m_value = 0;     // 0 until the vertical thumb is first let go
    int m_bottom = 0, m_right = 0, m_top = 0, m_left = 0;
    int m_rangeMin = 0, m_rangeMax = chartRange;
    int m_hPos = 0, m_vPos = 0;
    int m_bitmapId = 0;

    static constexpr int chartRange = 200;

    const ChartCopy& copy() const { return m_copy; }
    void DoDataExchange(fw::Exchange& dx) override;
    bool OnInitDialog() override;

protected:
    ChartDialog(const ChartCopy& copy, int bitmapId, fw::Window* parent);
    virtual std::string firstLabel() const { return m_uText; }

private:
    fw::Point anchor(const ChartAnchor& a) const;
    int lineX() const;  // the painted vertical line
    int thumbX() const;
    int thumbY() const;
    void drawChart(fw::Canvas& c) const;
    void OnPaint(fw::Canvas& c);
    void OnReleasedHorizontal();
    void OnReleasedVertical();

    ChartCopy m_copy;
};

// Charts over the gear ratio: DoModal(u, z1) places the input, formats the
// labels and picks the picture, then runs the dialog.
struct RatioChart {
    double (*fraction)(double u) = nullptr;
    const char* firstFormat = "u=%.2f";  // of u, or of 1/u when ofReciprocal
    bool ofReciprocal = false;
    const char* secondFormat = "Z=%d";   // of z1
    int bitmap = 0;                      // fixed picture, or
    const std::array<int, 12>* bitmapByZ1 = nullptr;  // one per band of chart::bandA199
};

class RatioChartDialog : public ChartDialog {
public:
    using fw::Dialog::DoModal;
    virtual int DoModal(double u, int z);
    // What DoModal(u, z) does before it runs the dialog.
    void prepare(double u, int z);

protected:
    RatioChartDialog(const ChartCopy& copy, const RatioChart& chart, fw::Window* parent);

private:
    RatioChart m_chart;
};

// The form factor chart: DoModal(xFraction, βm, Zv, χ1); the picture by βm
// (bands of chart::bandYf), the first label "χ1=%.2f" formatted at every drawing.
class FormFactorChartDialog : public ChartDialog {
public:
    double m_chi1 = 0;

    using fw::Dialog::DoModal;
    virtual int DoModal(double xFraction, double betaM, double zv, double chi1);
    // What DoModal(xFraction, βm, Zv, χ1) does before it runs the dialog.
    void prepare(double xFraction, double betaM, double zv, double chi1);

protected:
    FormFactorChartDialog(const ChartCopy& copy, const std::array<int, 6>& bitmapByBeta, fw::Window* parent);
    std::string firstLabel() const override;

private:
    std::array<int, 6> m_bitmaps;
};

}  // namespace kavrin

namespace kavrin {

// The template of one chart dialog (dialog units).
struct ChartTemplate {
    int id = 0;
    const char* caption = "";
    const char* heading = "";  // at 7,7, two lines
    struct Label { const char* text; int x, y; };
    std::vector<Label> axisLabels;
    int hSlider = 0;
    fw::Box hBox;
    int vSlider = 0;
    fw::Box vBox;
    fw::Size size;
    int fontPoints = 9;
    const char* okText = "确  定";
    const char* cancelText = "取  消";
    fw::Box okBox{94, 302, 50, 14};
    fw::Box cancelBox{187, 302, 50, 14};
};
fw::DialogTemplate chartTemplate(const ChartTemplate& spec);

}  // namespace kavrin
