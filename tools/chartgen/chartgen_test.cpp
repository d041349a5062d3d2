// The chart pictures: sized to their plot boxes, and placed on the dialogs'
// scales so that a curve is read back where it was drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "chart_svg.h"
#include "common/calc/chart_curves.h"
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
    // Sirrow: the form factor charts of template 9033 (291 × 303 dialog units
    // at 10 points: 509 × 492 px, less 50 + 26 and 60 + 76), the zone factor
    // chart (330 × 296 at 9 points, less 47 + 18 and 20 + 64) and the contact
    // ratio factor chart (356 × 323, less 74 + 30 and 25 + 99).
    std::map<int, std::pair<int, int>> sirrowBoxes = {{9003, {430, 360}}, {9024, {430, 361}}, {9026, {430, 361}}};
    for (int id = 9035; id <= 9040; ++id) sirrowBoxes[id] = {433, 356};
    auto sirrow = sirrowPictures();
    EXPECT_EQ(sirrow.size(), sirrowBoxes.size());
    for (const auto& [id, p] : sirrow) {
        ASSERT_TRUE(sirrowBoxes.count(id)) << id;
        EXPECT_EQ(std::pair(p.width, p.height), sirrowBoxes[id]) << id;
    }
}

TEST(ChartPictures, ZoneAndContactRatioCurvesMatchTheirChecks) {
    // ZH = 2√(cos βb / sin 2αt), by hand: αn 20° at βm 0 is 2/√sin 40° = 2.4946.
    struct Zh { double beta, alphaN, zh; };
    for (Zh c : {Zh{0, 20, 2.4946}, Zh{0, 22.5, 2.3784}, Zh{0, 25, 2.2851}, Zh{35, 20, 2.1307}, Zh{45, 25, 1.8277}})
        EXPECT_NEAR(kavrin::chart::zoneFactor(c.beta, c.alphaN), c.zh, 5e-5) << c.beta << " " << c.alphaN;
    // Zε = √((4 − εα)/3·(1 − εβ) + εβ/εα), √(1/εα) from εβ 1.
    struct Ze { double ea, eb, ze; };
    for (Ze c : {Ze{1, 0, 1.0}, Ze{2, 0, 0.8165}, Ze{2, 1, 0.7071}, Ze{2, 2.5, 0.7071}, Ze{1.5, 0.5, 0.8660}})
        EXPECT_NEAR(kavrin::chart::contactRatioFactor(c.ea, c.eb), c.ze, 5e-5) << c.ea << " " << c.eb;
}

TEST(ChartPictures, ZoneAndContactRatioChartsKeepTheLabelCornerFree) {
    // The dialogs write their labels at (70, height − 48) and (70, height − 32)
    // of the box, about 90 × 14 px each: no curve passes there.
    for (const auto& [id, p] : sirrowPictures()) {
        if (id != 9003 && id != 9026) continue;
        for (const Curve& c : p.curves)
            for (const CurvePoint& pt : c.points) {
                double x = p.x(pt.input), y = p.y(pt.value);
                bool inLabels = x >= 66 && x <= 170 && y >= p.height - 62 && y <= p.height - 28;
                EXPECT_FALSE(inLabels) << id << " " << c.label << " at " << pt.input;
            }
    }
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
