// Chart pictures as SVG documents: a frame, a grid, scales and curves, placed
// with the chart dialogs' own scales (common/calc/chart_scale.h), so a curve
// meets the cross-hair where the dialog reads its value.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace chartgen {

struct Tick {
    double at;          // abscissa input or ordinate value
    std::string label;  // empty: grid line only
};

struct CurvePoint {
    double input, value;
    bool dashed = false;
};

struct Curve {
    std::vector<CurvePoint> points;
    std::string label;           // drawn beside the point labelAt
    std::size_t labelAt = 0;     // index into points
    double labelDx = 4, labelDy = -2;
};

struct Text {
    double x, y;  // pixels in the picture
    std::string text;
    int size = 12;
    bool middle = false;
};

struct ChartPicture {
    int width = 0, height = 0;
    std::function<double(double)> fraction;  // abscissa input → 0..1
    double k = 1, c = 0;                     // value = c at the bottom, c + k at the top
    std::vector<Tick> xTicks, yTicks;
    std::vector<Curve> curves;
    std::vector<Text> texts;

    double x(double input) const { return fraction(input) * width; }
    double y(double value) const { return (1 - (value - c) / k) * height; }
};

std::string svg(const ChartPicture& p);

// The pictures by resource id, for one deliverable ("pellun" or "sirrow").
struct NamedPicture {
    int id;
    ChartPicture picture;
};
std::vector<NamedPicture> pellunPictures();
std::vector<NamedPicture> sirrowPictures();
// The pictures of the cycloidal bevel sub-dialogs by resource id, as SVG text.
std::vector<std::pair<int, std::string>> belmarSvgs();
// Chart C85's curve Rp = rb/sin βp' in picture pixels (βp' 29° to 46°).
std::vector<std::pair<double, double>> c85Curve(double rb);
// The line figure of an orthogonal bevel pair beside the preliminary design.
std::string bevelPairFigure(int width, int height);
// The symbols picture of the bevel geometry calculators: an orthogonal pair
// in axial section, labelled with the report's symbols; `spiral` adds a
// plan view of a curved tooth with βm and the heel spiral angle β.
// `labels` false gives the small drawing of the picture button.
std::string bevelSymbolsFigure(int width, int height, bool spiral, bool labels);

}  // namespace chartgen
