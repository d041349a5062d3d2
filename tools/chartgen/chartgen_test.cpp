// The chart pictures: sized to their plot boxes, and placed on the dialogs'
// scales so that a curve is read back where it was drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "chart_svg.h"
#include "common/calc/chart_scale.h"

using namespace chartgen;

namespace {

TEST(ChartPictures, EachPictureHasItsPlotBoxSize) {
    // Plot boxes of the templates (client size less the margins).
    std::map<int, std::pair<int, int>> boxes = {{3009, {430, 357}}, {3012, {435, 356}}, {3016, {435, 358}},
                                                {3014, {438, 357}}, {3018, {437, 358}}};
    for (int id = 3021; id <= 3032; ++id) boxes[id] = {435, 358};
    for (int id = 3033; id <= 3038; ++id) boxes[id] = {433, 354};
    auto pictures = pellunPictures();
    EXPECT_EQ(pictures.size(), boxes.size());
    for (const auto& [id, p] : pictures) {
        ASSERT_TRUE(boxes.count(id)) << id;
        EXPECT_EQ(p.width, boxes[id].first) << id;
        EXPECT_EQ(p.height, boxes[id].second) << id;
        std::string doc = svg(p);
        EXPECT_NE(doc.find("width=\"" + std::to_string(p.width) + "\" height=\"" + std::to_string(p.height) + "\""),
                  std::string::npos)
            << id;
    }
    for (const auto& [id, p] : sirrowPictures()) EXPECT_EQ(std::pair(p.width, p.height), (std::pair{433, 356})) << id;
}

// The value the dialog reads with the thumb at the drawn pixel's position.
double readBack(const ChartPicture& p, double pixelY) {
    int vPos = static_cast<int>(std::lround(pixelY * kavrin::chart::kThumbMax / p.height));
    return kavrin::chart::valueAt(vPos, p.k, p.c);
}

TEST(ChartPictures, FormFactorCurveOfZeroShiftReadsBackTheTable) {
    auto pictures = pellunPictures();
    const ChartPicture* yf = nullptr;
    for (const auto& [id, p] : pictures)
        if (id == 3033) yf = &p;
    ASSERT_NE(yf, nullptr);
    const Curve& x0 = yf->curves.at(5);  // x = −0.5 … 1.0: the sixth is x = 0
    EXPECT_EQ(x0.label, "0.0");
    // Published YFa for x = 0: 2.97, 2.80, 2.52, 2.40, 2.18 at Zv 17, 20, 30, 40, 100.
    struct Case { double zv, yfa; };
    for (Case c : {Case{17, 2.97}, Case{20, 2.80}, Case{30, 2.52}, Case{40, 2.40}, Case{100, 2.18}}) {
        // The drawn polyline between its two points around Zv.
        const auto& pts = x0.points;
        for (std::size_t n = 1; n < pts.size(); ++n) {
            if (pts[n - 1].input <= c.zv && pts[n].input >= c.zv) {
                double x = yf->x(c.zv), x0p = yf->x(pts[n - 1].input), x1p = yf->x(pts[n].input);
                double t = (x - x0p) / (x1p - x0p);
                double y = yf->y(pts[n - 1].value) + t * (yf->y(pts[n].value) - yf->y(pts[n - 1].value));
                double step = yf->k / kavrin::chart::kThumbMax;
                EXPECT_NEAR(readBack(*yf, y), c.yfa, 0.02 + step) << c.zv;
                break;
            }
        }
    }
}

TEST(ChartPictures, CurvePointsReadBackWithinAThumbStep) {
    for (const auto& [id, p] : pellunPictures()) {
        double step = p.k / kavrin::chart::kThumbMax;
        for (const Curve& c : p.curves)
            for (const CurvePoint& pt : c.points) {
                double y = p.y(pt.value);
                if (y < 0 || y > p.height) continue;  // outside the chart: clipped at the frame
                EXPECT_NEAR(readBack(p, y), pt.value, step / 2 + 1e-9) << id << " " << c.label;
            }
    }
}

}  // namespace
