// The cycloidal bevel chart pictures meet the dialogs' cross lines where the
// charts say: C85's curves and C86's region boundaries, in picture pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "bevel/geometry/calc/aol_scales.h"
#include "bevel/geometry/calc/cutter_head_record.h"
#include "chart_svg.h"

namespace {

// Distance of a point from a polyline, pixels.
double distance(const std::vector<std::pair<double, double>>& pts, double x, double y) {
    double best = 1e9;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const auto [ax, ay] = pts[i - 1];
        const auto [bx, by] = pts[i];
        const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
        double t = l2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / l2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(ax + t * dx - x, ay + t * dy - y));
    }
    return best;
}

}  // namespace

TEST(BelmarCharts, C85LinesCrossOnTheCurveOfTheirHead) {
    // Rp 144.6 and βp' 37.47° lie on the Rb 88 curve (88/sin 37.47° = 144.65).
    // Positions: βp' trunc(400/17·8.47) = 199 → x = 44 + 199·229/400 = 157;
    // Rp 400 − trunc(242.6…) = 157 → y = 17 + 157·294/400 = 132 (client pixels).
    namespace aol = bevel::aol;
    const int x = aol::headPixel(44, aol::betaP1Position(37.47), aol::kC85Width);
    const int y = aol::headPixel(17, aol::rpPosition(144.6), aol::kC85Height);
    EXPECT_EQ(x, 157);
    EXPECT_EQ(y, 132);
    EXPECT_LE(distance(chartgen::c85Curve(88), x - 44, y - 17), 1.0);
    // The neighbouring heads lie well away from that crossing.
    EXPECT_GT(distance(chartgen::c85Curve(78), x - 44, y - 17), 5.0);
    EXPECT_GT(distance(chartgen::c85Curve(98), x - 44, y - 17), 5.0);
}

TEST(BelmarCharts, EveryPictureHasItsBox) {
    const std::pair<int, std::pair<int, int>> sizes[] = {
        {4021, {229, 294}}, {4022, {228, 246}}, {4025, {252, 371}}, {4026, {250, 371}}, {4027, {252, 371}}};
    const auto svgs = chartgen::belmarSvgs();
    for (const auto& [id, wh] : sizes) {
        bool found = false;
        for (const auto& [sid, text] : svgs) {
            if (sid != id) continue;
            found = true;
            const std::string head = "width=\"" + std::to_string(wh.first) + "\" height=\"" + std::to_string(wh.second) + "\"";
            EXPECT_NE(text.find(head), std::string::npos) << id;
        }
        EXPECT_TRUE(found) << id;
    }
    // C85 names every head, C86 every blade button.
    const std::string c85 = svgs[0].second, c86 = svgs[1].second;
    for (const char* rb : {"Rb=39", "Rb=88", "Rb=125"}) EXPECT_NE(c85.find(rb), std::string::npos) << rb;
    for (const char* b : {"1号", "1、2号", "2、3号", "3、4号", "4、5号", "5号"}) EXPECT_NE(c86.find(b), std::string::npos) << b;
}

namespace {

// The number value of attribute `name` in one SVG tag, NaN when it has none.
double attr(const std::string& tag, const std::string& name) {
    std::smatch m;
    if (!std::regex_search(tag, m, std::regex("\\s" + name + "=\"([-0-9.]+)\""))) return std::nan("");
    return std::stod(m[1]);
}

std::vector<std::string> tags(const std::string& svg, const std::string& element) {
    std::vector<std::string> out;
    const std::regex re("<" + element + "\\s[^>]*>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), re); it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

}  // namespace

TEST(BelmarCharts, C85HeadNamesLieOnTheirOwnCurveAndClearOfTheOthers) {
    // Each "Rb=" name is written on a white ground; no other head's curve may
    // run through that ground (it would cross the name), its own one does.
    const std::string c85 = chartgen::belmarSvgs().at(0).second;
    const std::regex re("<rect x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" width=\"([-0-9.]+)\" height=\"([-0-9.]+)\" "
                        "fill=\"white\"/>\\n<text[^>]*>Rb=(\\d+)</text>");
    int named = 0;
    for (auto it = std::sregex_iterator(c85.begin(), c85.end(), re); it != std::sregex_iterator(); ++it, ++named) {
        const auto& m = *it;
        const double x0 = std::stod(m[1]), y0 = std::stod(m[2]), x1 = x0 + std::stod(m[3]), y1 = y0 + std::stod(m[4]);
        const int own = std::stoi(m[5]);
        EXPECT_GE(x0, 0) << own;
        EXPECT_LE(x1, bevel::aol::kC85Width) << own;
        for (int rb : bevel::kCutterRadii) {
            const auto pts = chartgen::c85Curve(rb);
            bool through = false;
            for (std::size_t i = 1; i < pts.size(); ++i)
                for (double t = 0; t <= 1; t += 0.25) {
                    const double x = pts[i - 1].first + t * (pts[i].first - pts[i - 1].first);
                    const double y = pts[i - 1].second + t * (pts[i].second - pts[i - 1].second);
                    through |= x > x0 && x < x1 && y > y0 && y < y1;
                }
            EXPECT_EQ(through, rb == own) << "Rb=" << own << " ground, curve " << rb;
        }
    }
    EXPECT_EQ(named, static_cast<int>(bevel::kCutterRadii.size()));
}

TEST(BelmarCharts, FiguresAreWholeInsideTheirPictures) {
    // The line figures: every line, outline, circle and name inside the
    // picture (less `margin`: a picture button's frame hides a few pixels),
    // and no tag that repeats an attribute (the renderer then drops the
    // whole picture).
    struct Figure { const char* name; std::string svg; int w, h; double margin; };
    std::vector<Figure> figures = {
        {"3053", chartgen::bevelPairFigure(150, 110), 150, 110, 0},
        {"4004", chartgen::bevelSymbolsFigure(560, 420, false, true), 560, 420, 0},
        {"4010", chartgen::bevelSymbolsFigure(700, 420, true, true), 700, 420, 0},
        {"4018", chartgen::bevelSymbolsFigure(64, 48, false, false), 64, 48, 0},
    };
    for (const auto& [id, text] : chartgen::belmarSvgs())
        if (id == 4020) figures.push_back({"4020", text, 420, 300, 0});
        else if (id == 4299) figures.push_back({"4299", text, 96, 72, 0});
    for (int kind = 0; kind < 3; ++kind)
        figures.push_back({kind == 0 ? "dtype1" : kind == 1 ? "dtype2" : "dtype3", chartgen::arrangementFigure(kind, false),
                           96, 96, 6});
    for (const Figure& f : figures) {
        const double lo = f.margin, hiX = f.w - f.margin, hiY = f.h - f.margin;
        auto inside = [&](double x, double y) { return x >= lo - 0.01 && x <= hiX + 0.01 && y >= lo - 0.01 && y <= hiY + 0.01; };
        for (const char* element : {"line", "rect", "circle", "polygon", "text", "path"})
            for (const std::string& tag : tags(f.svg, element)) {
                std::vector<std::string> names;
                const std::regex attrRe("\\s([a-z-]+)=\"");
                for (auto it = std::sregex_iterator(tag.begin(), tag.end(), attrRe); it != std::sregex_iterator(); ++it)
                    names.push_back((*it)[1]);
                std::sort(names.begin(), names.end());
                EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << f.name << ": " << tag;
            }
        for (const std::string& tag : tags(f.svg, "line")) {
            EXPECT_TRUE(inside(attr(tag, "x1"), attr(tag, "y1"))) << f.name << ": " << tag;
            EXPECT_TRUE(inside(attr(tag, "x2"), attr(tag, "y2"))) << f.name << ": " << tag;
        }
        for (const std::string& tag : tags(f.svg, "circle")) {
            const double cx = attr(tag, "cx"), cy = attr(tag, "cy"), r = attr(tag, "r");
            EXPECT_TRUE(inside(cx - r, cy - r) && inside(cx + r, cy + r)) << f.name << ": " << tag;
        }
        for (const std::string& tag : tags(f.svg, "polygon")) {
            std::smatch m;
            ASSERT_TRUE(std::regex_search(tag, m, std::regex("points=\"([^\"]*)\"")));
            const std::string pts = m[1];
            const std::regex pair("([-0-9.]+),([-0-9.]+)");
            for (auto it = std::sregex_iterator(pts.begin(), pts.end(), pair); it != std::sregex_iterator(); ++it)
                EXPECT_TRUE(inside(std::stod((*it)[1]), std::stod((*it)[2]))) << f.name << ": " << tag;
        }
        // A name's box from its anchor: about 0.6 em a character, an em high.
        const std::regex textRe("<text ([^>]*)>([^<]*)</text>");
        for (auto it = std::sregex_iterator(f.svg.begin(), f.svg.end(), textRe); it != std::sregex_iterator(); ++it) {
            const std::string tag = ' ' + (*it)[1].str(), body = (*it)[2];
            const double x = attr(tag, "x"), y = attr(tag, "y"), size = attr(tag, "font-size");
            std::size_t chars = 0;
            for (unsigned char ch : body) chars += (ch & 0xC0) != 0x80;
            const double tw = chars * size * 0.6;
            const double left = tag.find("\"middle\"") != std::string::npos ? x - tw / 2
                                : tag.find("\"end\"") != std::string::npos  ? x - tw
                                                                            : x;
            EXPECT_TRUE(inside(left, y - size * 0.75) && inside(left + tw, y)) << f.name << ": " << body;
        }
    }
}
