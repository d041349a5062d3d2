#include "chart_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <optional>

#include "common/calc/chart_curves.h"
#include "common/calc/chart_scale.h"
#include "fw/format.h"

namespace chartgen {

namespace {

const char* kFont = "font-family=\"WenQuanYi Micro Hei,Noto Sans CJK SC,sans-serif\"";

std::string num(double v) { return fw::format("%.2f", v); }

std::string escape(const std::string& s) {
    std::string out;
    for (char ch : s) {
        if (ch == '<') out += "&lt;";
        else if (ch == '>') out += "&gt;";
        else if (ch == '&') out += "&amp;";
        else out += ch;
    }
    return out;
}

std::string text(double x, double y, const std::string& t, int size, bool middle = false) {
    return fw::format("<text x=\"%s\" y=\"%s\" font-size=\"%d\" %s%s>%s</text>\n", num(x).c_str(), num(y).c_str(), size,
                      kFont, middle ? " text-anchor=\"middle\"" : "", escape(t).c_str());
}

void polyline(std::string& out, const std::vector<std::pair<double, double>>& pts, bool dashed) {
    if (pts.size() < 2) return;
    out += "<polyline fill=\"none\" stroke=\"black\" stroke-width=\"1.2\" clip-path=\"url(#box)\"";
    if (dashed) out += " stroke-dasharray=\"4 3\"";
    out += " points=\"";
    for (const auto& [x, y] : pts) out += num(x) + "," + num(y) + " ";
    out += "\"/>\n";
}

}  // namespace

namespace {

// A label's box in picture pixels, from an estimate of its advance: Latin,
// digits and Greek about 0.58 of the font size, CJK one full em.
struct Box {
    double x0, y0, x1, y1;
    bool overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
    bool inside(double w, double h) const { return x0 >= 1 && y0 >= 1 && x1 <= w - 1 && y1 <= h - 1; }
};

double textWidth(const std::string& t, int size) {
    double em = 0;
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        std::uint32_t cp = n == 1 ? c : c & (0xFF >> (n + 1));
        for (std::size_t k = 1; k < n && i + k < t.size(); ++k) cp = cp << 6 | (static_cast<unsigned char>(t[i + k]) & 0x3F);
        em += cp >= 0x2E80 ? 1.0 : 0.58;
        i += n;
    }
    return em * size;
}

// The box of a text whose baseline starts at (x, y) (anchor start).
Box textBox(double x, double y, const std::string& t, int size) {
    return {x - 1, y - size * 0.8, x + textWidth(t, size) + 1, y + size * 0.22};
}

// A label on a white ground, so that neither grid nor curve runs through it.
std::string labelOnWhite(const Box& b, const std::string& t, int size) {
    return fw::format("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" fill=\"white\"/>\n", num(b.x0).c_str(),
                      num(b.y0).c_str(), num(b.x1 - b.x0).c_str(), num(b.y1 - b.y0).c_str()) +
           text(b.x0 + 1, b.y1 - size * 0.22, t, size);
}

}  // namespace

std::string svg(const ChartPicture& p) {
    const int w = p.width, h = p.height;
    std::string out = fw::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", w, h, w, h);
    out += fw::format("<defs><clipPath id=\"box\"><rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\"/></clipPath></defs>\n",
                      w, h);
    out += fw::format("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n", w, h);
    for (const Tick& t : p.xTicks) {
        double x = p.x(t.at);
        out += fw::format("<line x1=\"%s\" y1=\"0\" x2=\"%s\" y2=\"%d\" stroke=\"#c8c8c8\" stroke-width=\"0.6\"/>\n",
                          num(x).c_str(), num(x).c_str(), h);
    }
    for (const Tick& t : p.yTicks) {
        double y = p.y(t.at);
        out += fw::format("<line x1=\"0\" y1=\"%s\" x2=\"%d\" y2=\"%s\" stroke=\"#c8c8c8\" stroke-width=\"0.6\"/>\n",
                          num(y).c_str(), w, num(y).c_str());
    }
    for (const Curve& c : p.curves) {
        std::vector<std::pair<double, double>> run;
        bool dashed = !c.points.empty() && c.points.front().dashed;
        for (const CurvePoint& pt : c.points) {
            std::pair<double, double> xy{p.x(pt.input), p.y(pt.value)};
            if (pt.dashed != dashed) {
                run.push_back(xy);  // the runs meet at this point
                polyline(out, run, dashed);
                run.clear();
                dashed = pt.dashed;
            }
            run.push_back(xy);
        }
        polyline(out, run, dashed);
    }

    // The labels over the curves, each where no other label is: the free
    // texts first, the scale labels (a label that would run into one already
    // placed is left out, the ends of the abscissa first), then the curves'.
    std::vector<Box> taken;
    for (const Text& t : p.texts) {
        const double tw = textWidth(t.text, t.size);
        taken.push_back(textBox(t.middle ? t.x - tw / 2 : t.x, t.y, t.text, t.size));
    }
    std::vector<std::size_t> order(p.xTicks.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_partition(order.begin(), order.end(), [&](std::size_t i) {
        const double x = p.x(p.xTicks[i].at);
        return x < 12 || x > w - 12;
    });
    for (std::size_t i : order) {
        const Tick& t = p.xTicks[i];
        if (t.label.empty()) continue;
        const double x = p.x(t.at), tw = textWidth(t.label, 10);
        // The labels at the frame stay inside the picture.
        const double left = x < 12 ? x + 2 : x > w - 12 ? x - 2 - tw : x - tw / 2;
        const Box b = textBox(left, h - 3, t.label, 10);
        if (std::any_of(taken.begin(), taken.end(), [&](const Box& o) { return o.overlaps(b); })) continue;
        taken.push_back(b);
        out += labelOnWhite(b, t.label, 10);
    }
    for (const Tick& t : p.yTicks) {
        const double y = p.y(t.at);
        // Labels too near the bottom would run into the abscissa's.
        if (t.label.empty() || y >= h - 14) continue;
        const Box b = textBox(3, y - 2, t.label, 10);
        if (std::any_of(taken.begin(), taken.end(), [&](const Box& o) { return o.overlaps(b); })) continue;
        taken.push_back(b);
        out += labelOnWhite(b, t.label, 10);
    }
    for (const Curve& c : p.curves) {
        if (c.label.empty() || c.labelAt >= c.points.size()) continue;
        const int size = 9;
        const double tw = textWidth(c.label, size);
        auto boxAt = [&](std::size_t i, bool onLine) {
            const double x = p.x(c.points[i].input), y = p.y(c.points[i].value);
            return onLine ? textBox(x - tw / 2, y + size * 0.3, c.label, size)
                          : textBox(x + c.labelDx, y + c.labelDy, c.label, size);
        };
        auto free = [&](const Box& b) {
            return b.inside(w, h) && std::none_of(taken.begin(), taken.end(), [&](const Box& o) { return o.overlaps(b); });
        };
        // Where the curve's own place is taken or outside, the label slides
        // along its curve, first beside it, then written on it.
        std::optional<Box> placed;
        const auto n = static_cast<std::ptrdiff_t>(c.points.size());
        for (bool onLine : {false, true}) {
            for (std::ptrdiff_t k = 0; k < n && !placed; ++k) {
                for (std::ptrdiff_t i : {static_cast<std::ptrdiff_t>(c.labelAt) + k, static_cast<std::ptrdiff_t>(c.labelAt) - k}) {
                    if (i < 0 || i >= n) continue;
                    const Box b = boxAt(static_cast<std::size_t>(i), onLine);
                    if (free(b)) {
                        placed = b;
                        break;
                    }
                }
            }
            if (placed) break;
        }
        const Box b = placed ? *placed : boxAt(c.labelAt, false);
        taken.push_back(b);
        out += labelOnWhite(b, c.label, size);
    }
    for (const Text& t : p.texts) out += text(t.x, t.y, t.text, t.size, t.middle);
    out += fw::format("<rect x=\"0.5\" y=\"0.5\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"black\"/>\n", w - 1,
                      h - 1);
    out += "</svg>\n";
    return out;
}

namespace {

using namespace kavrin::chart;

std::vector<Tick> valueTicks(double from, double to, double step, int every, const char* fmt) {
    std::vector<Tick> ticks;
    int n = 0;
    for (double v = from; v <= to + 1e-9; v += step, ++n)
        ticks.push_back({v, n % every == 0 ? fw::format(fmt, v) : std::string()});
    return ticks;
}

std::vector<Tick> ratioTicks(double from, double to) {
    std::vector<Tick> ticks;
    for (double u = from; u <= to + 1e-9; u += 1) ticks.push_back({u, fw::format("%g", u)});
    return ticks;
}

ChartPicture ratioChart(int w, int h, double (*fraction)(double), double k, double c) {
    ChartPicture p;
    p.width = w;
    p.height = h;
    p.fraction = fraction;
    p.k = k;
    p.c = c;
    return p;
}

Curve sampled(double from, double to, int steps, const std::function<double(double)>& f) {
    Curve c;
    for (int n = 0; n <= steps; ++n) {
        double u = from + (to - from) * n / steps;
        c.points.push_back({u, f(u)});
    }
    return c;
}

// 3009: ENIMS straight teeth, radial shift against u 1..11.
ChartPicture enimsStraightRadialChart() {
    ChartPicture p = ratioChart(430, 357, fractionA196, 0.985, 0);
    p.xTicks = ratioTicks(1, 11);
    p.yTicks = valueTicks(0, 0.9, 0.05, 2, "%.1f");
    for (int z1 : {12, 13, 14, 15, 16, 18, 20, 25, 30, 40}) {
        Curve c = sampled(1, 11, 100, [z1](double u) { return enimsStraightRadial(u, z1); });
        c.label = fw::format("z1=%d", z1);
        c.labelAt = 90;
        c.labelDy = -3;
        p.curves.push_back(c);
    }
    p.texts.push_back({215, 16, "χ1 = 2(1 − 1/u²)/√z1", 12, true});
    return p;
}

// 3012: ENIMS curved teeth (βm 35°), radial shift from the published table.
ChartPicture enimsCurvedRadialChart() {
    ChartPicture p = ratioChart(435, 356, fractionA198, 0.6, 0);
    p.xTicks = ratioTicks(1, 6);
    p.yTicks = valueTicks(0, 0.6, 0.05, 2, "%.1f");
    for (const auto& row : kEnimsCurvedRadial) {
        Curve c;
        for (std::size_t n = 0; n < row.x1.size(); ++n)
            if (row.x1[n] >= 0) c.points.push_back({kEnimsCurvedRatios[n], row.x1[n]});
        c.label = fw::format("z1=%d", row.z1);
        c.labelAt = c.points.size() >= 2 ? c.points.size() - 2 : 0;  // at u 5
        c.labelDx = 6;
        p.curves.push_back(c);
    }
    p.texts.push_back({300, 16, "βm=35°", 12, true});
    return p;
}

// 3016: ENIMS straight teeth, tangential shift against u 1..9.2.
ChartPicture enimsStraightTangentialChart() {
    ChartPicture p = ratioChart(435, 358, fractionA197, 0.2, 0);
    p.xTicks = ratioTicks(1, 9);
    p.yTicks = valueTicks(0, 0.2, 0.01, 5, "%.2f");
    Curve c = sampled(1, 9.2, 164, enimsStraightTangential);
    c.label = "χτ1 = 0.03 + 0.008(u − 2.5)";
    c.labelAt = 100;
    c.labelDx = -60;
    c.labelDy = -8;
    p.curves.push_back(c);
    return p;
}

// 3021..3032: ENIMS curved teeth, tangential shift, one chart per Z1 band.
ChartPicture enimsCurvedTangentialChart(const std::string& band) {
    ChartPicture p = ratioChart(435, 358, fractionA199, 0.3, 0);
    p.xTicks = ratioTicks(1, 10);
    p.yTicks = valueTicks(0, 0.3, 0.01, 5, "%.2f");
    Curve c = sampled(1, 10, 180, enimsCurvedTangential);
    c.label = "χτ1 = 0.11 + 0.01(u − 2.5)";
    c.labelAt = 60;
    c.labelDx = -20;
    c.labelDy = -10;
    p.curves.push_back(c);
    p.texts.push_back({215, 16, band, 12, true});
    return p;
}

// 3014, 3018: Gleason tangential shift: scales only.
ChartPicture gleasonChart(int w, int h, double (*fraction)(double), double k, double c, double rFrom, double rTo) {
    ChartPicture p = ratioChart(w, h, fraction, k, c);
    for (double r = rFrom; r >= rTo - 1e-9; r -= 0.1) p.xTicks.push_back({1 / r, fw::format("%.1f", r)});
    p.yTicks = valueTicks(c, c + k, 0.01, 2, "%.2f");
    p.texts.push_back({static_cast<double>(w) / 2, static_cast<double>(h) / 2 - 20, "曲线数据待补充", 14, true});
    return p;
}

// 3033..3038 (and 9035..9040): Yf0 against Zv 12..1000 on a 1/Zv scale.
ChartPicture formFactorChart(int w, int h, const std::string& caption) {
    ChartPicture p;
    p.width = w;
    p.height = h;
    p.fraction = fractionYf;
    p.k = 2.2499999999999996;
    p.c = 1.85;
    for (int zv : {12, 13, 14, 15, 16, 17, 18, 20, 22, 25, 30, 35, 40, 50, 60, 80, 100, 150, 200, 400, 1000}) {
        bool labelled = zv <= 18 || zv == 20 || zv == 25 || zv == 30 || zv == 40 || zv == 60 || zv == 100 ||
                        zv == 200 || zv == 1000;
        p.xTicks.push_back({static_cast<double>(zv), labelled ? fw::format("%d", zv) : std::string()});
    }
    p.yTicks = valueTicks(1.9, 4.1, 0.1, 2, "%.1f");
    for (int tenth = -5; tenth <= 10; ++tenth) {
        double x = tenth / 10.0;
        Curve c;
        for (int n = 0; n <= 200; ++n) {
            double f = n / 200.0;
            double zv = 1 / (0.08333333333333333 - 0.08233333333333333 * f);
            auto y = formFactorAtTip(zv, x);
            if (!y) continue;
            c.points.push_back({zv, *y, undercut(zv, x) || pointedTip(zv, x)});
        }
        c.label = fw::format("%.1f", x);
        c.labelAt = c.points.size() > 60 ? 60 : 0;  // Zv about 17, where the curves spread
        c.labelDx = 2;
        c.labelDy = -2;
        p.curves.push_back(c);
    }
    p.texts.push_back({static_cast<double>(w) / 2, 16, caption, 12, true});
    p.texts.push_back({p.x(17.2), 40, "χ", 11});
    return p;
}

// 9003: zone factor ZH against βm 0..45°, one curve per αn.
ChartPicture zoneFactorChart() {
    ChartPicture p;
    p.width = 430;
    p.height = 360;
    p.fraction = fractionC97;
    p.k = 0.9;
    p.c = 1.7;
    for (int b = 0; b <= 45; b += 5) p.xTicks.push_back({static_cast<double>(b), fw::format("%d°", b)});
    p.yTicks = valueTicks(1.7, 2.6, 0.05, 2, "%.1f");
    for (double an : {20.0, 22.5, 25.0}) {
        Curve c = sampled(0, 45, 90, [an](double b) { return zoneFactor(b, an); });
        c.label = fw::format("αn=%g°", an);
        c.labelAt = 60;  // βm 30°
        c.labelDy = -4;
        p.curves.push_back(c);
    }
    p.texts.push_back({300, 18, "ZH = 2√(cos βb / sin 2αt)", 12, true});
    p.texts.push_back({300, 34, "x1 + x2 = 0", 11, true});
    return p;
}

// 9026 (and 9024): contact ratio factor Zε against εα 1..2, one curve per εβ.
ChartPicture contactRatioChart() {
    ChartPicture p;
    p.width = 430;
    p.height = 361;
    p.fraction = fractionZeta;
    p.k = 0.3;
    p.c = 0.7;
    for (int n = 0; n <= 10; ++n) p.xTicks.push_back({1 + n / 10.0, n % 2 == 0 ? fw::format("%.1f", 1 + n / 10.0) : ""});
    p.yTicks = valueTicks(0.7, 1.0, 0.02, 5, "%.1f");
    for (double eb : {0.0, 0.2, 0.4, 0.6, 0.8, 1.0}) {
        Curve c = sampled(1, 2, 100, [eb](double ea) { return contactRatioFactor(ea, eb); });
        c.label = eb < 1 ? fw::format("εβ=%.1f", eb) : "εβ≥1";
        c.labelAt = 92;
        c.labelDx = -44;
        c.labelDy = -3;
        p.curves.push_back(c);
    }
    p.texts.push_back({280, 18, "Zε = √((4 − εα)(1 − εβ)/3 + εβ/εα)", 12, true});
    return p;
}

}  // namespace

// The drive arrangement buttons: a bevel pair on perpendicular shafts, the
// pinion driving from the left, its axial (towards the large end) and radial
// (towards the centre) forces drawn as arrows; kind 0 straight teeth, 1 and 2
// the two hand and rotation pairings. A focused copy has a heavier frame.
// The button's frame and padding hide a few pixels at each side, so the
// drawing keeps within 8..88.
std::string arrangementFigure(int kind, bool focused) {
    const int w = 96, h = 96;
    std::string out = fw::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", w, h, w, h);
    out += fw::format("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n", w, h);
    auto line = [&](double x1, double y1, double x2, double y2, const char* extra = "") {
        out += fw::format("<line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"black\" stroke-width=\"1\" %s/>\n",
                          num(x1).c_str(), num(y1).c_str(), num(x2).c_str(), num(y2).c_str(), extra);
    };
    // An arrow head at (x, y) pointing along angle a (drawn, not a marker).
    auto head = [&](double x, double y, double a) {
        const double l = 5, s = 0.45;
        out += fw::format("<polygon points=\"%s,%s %s,%s %s,%s\" fill=\"black\"/>\n", num(x).c_str(), num(y).c_str(),
                          num(x - l * std::cos(a - s)).c_str(), num(y - l * std::sin(a - s)).c_str(),
                          num(x - l * std::cos(a + s)).c_str(), num(y - l * std::sin(a + s)).c_str());
    };
    const double pi = std::numbers::pi;
    const char* dash = "stroke-dasharray=\"6 2 1 2\"";
    // Apex O at (52, 58), a 1:2 pair: the cone distance 32/cos δ1 ends at the
    // pinion's heel x 20 (radius 16); the toe at 0.6 of it.
    line(8, 58, 88, 58, dash);  // pinion axis
    line(52, 6, 52, 70, dash);  // gear axis
    // Pinion: the frustum between toe and heel, its shaft to the left.
    out += "<rect x=\"10\" y=\"54\" width=\"10\" height=\"8\" fill=\"#f4f4f4\" stroke=\"black\"/>\n";
    out += "<polygon points=\"20,42 32.8,48.4 32.8,67.6 20,74\" fill=\"#e8e8e8\" stroke=\"black\"/>\n";
    // Gear: the frustum above the common generatrix, its rim and hub.
    out += "<rect x=\"46\" y=\"10\" width=\"12\" height=\"26\" fill=\"#f4f4f4\" stroke=\"black\"/>\n";
    out += "<rect x=\"20\" y=\"36\" width=\"64\" height=\"6\" fill=\"#d4d4d4\" stroke=\"black\"/>\n";
    out += "<polygon points=\"20,42 84,42 71.2,48.4 32.8,48.4\" fill=\"#d4d4d4\" stroke=\"black\"/>\n";
    // Teeth: straight, or slanted one way or the other.
    for (int n = 0; n < 4; ++n) {
        const double y = 52 + n * 4;
        const double slant = kind == 0 ? 0 : (kind == 1 ? 2.5 : -2.5);
        line(22, y - slant, 31, y + slant);
    }
    // Rotation of the pinion: an arc about its shaft, direction by kind.
    if (kind == 2) {
        out += "<path d=\"M15,66 A5,10 0 0 1 15,50\" fill=\"none\" stroke=\"black\"/>\n";
        head(15.5, 50, -0.15);
    } else {
        out += "<path d=\"M15,50 A5,10 0 0 0 15,66\" fill=\"none\" stroke=\"black\"/>\n";
        head(15.5, 66, 0.15);
    }
    // Forces on the pinion, under it: radial towards its axis (up), axial
    // towards the large end (left).
    line(27, 90, 27, 79);
    head(27, 77, -pi / 2);
    out += text(16, 90, "Fr", 8);
    line(47, 84, 35, 84);
    head(33, 84, pi);
    out += text(49, 87, "Fx", 8);
    if (kind > 0) out += text(8, 18, kind == 1 ? "右" : "左", 10);
    if (focused)
        out += fw::format("<rect x=\"1\" y=\"1\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"#0060c0\" "
                          "stroke-width=\"2\"/>\n", w - 2, h - 2);
    out += "</svg>\n";
    return out;
}

namespace {

const char* kBetaCaptions[6] = {"βm=0°", "0°<βm≤15°", "15°<βm≤20°", "20°<βm≤25°", "25°<βm≤30°", "30°<βm≤35°"};

}  // namespace

std::vector<NamedPicture> pellunPictures() {
    std::vector<NamedPicture> out;
    out.push_back({3009, enimsStraightRadialChart()});
    out.push_back({3012, enimsCurvedRadialChart()});
    out.push_back({3016, enimsStraightTangentialChart()});
    const char* bands[12] = {"Z1≤10", "Z1=11", "Z1=12", "Z1=13", "Z1=14", "Z1=15～17",
                             "Z1=18～19", "Z1=20～24", "Z1=25～29", "Z1=30～34", "Z1=35～39", "Z1≥40"};
    const int ids[12] = {3032, 3022, 3023, 3024, 3025, 3026, 3027, 3028, 3029, 3030, 3031, 3021};
    for (int n = 0; n < 12; ++n) out.push_back({ids[n], enimsCurvedTangentialChart(bands[n])});
    out.push_back({3014, gleasonChart(438, 357, fractionC80, 0.12, -0.01, 0.7, 0.1)});
    out.push_back({3018, gleasonChart(437, 358, fractionC81, 0.26, -0.02, 1.0, 0.1)});
    const int yf[6] = {3038, 3034, 3035, 3036, 3037, 3033};
    for (int n = 0; n < 6; ++n) out.push_back({yf[n], formFactorChart(433, 354, kBetaCaptions[n])});
    return out;
}

std::vector<NamedPicture> sirrowPictures() {
    std::vector<NamedPicture> out;
    for (int n = 0; n < 6; ++n) out.push_back({9035 + n, formFactorChart(433, 356, kBetaCaptions[n])});
    out.push_back({9003, zoneFactorChart()});
    out.push_back({9024, contactRatioChart()});
    out.push_back({9026, contactRatioChart()});
    return out;
}

std::string bevelPairFigure(int w, int h) {
    // An orthogonal 1:2 pair in axial section, the whole of both members
    // inside the picture: apex O, pinion axis horizontal, gear axis vertical;
    // the cone distance Re and the face width b measured along the pinion's
    // lower generatrix, outside it, the pitch angles at the apex.
    using P = std::pair<double, double>;
    const double d1 = std::atan(1 / 2.0);
    const double c = std::cos(d1), s = std::sin(d1);
    const double re = std::min((w - 12) / (2 * c), (h - 40) / (2 * s));
    const double ox = 6 + re * c, oy = 6 + re * s + 6;  // apex O
    auto pt = [&](double r) { return P{ox - r * c, oy - r * s}; };
    auto add = [](P a, P d, double k) { return P{a.first + k * d.first, a.second + k * d.second}; };
    std::string out = fw::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", w, h, w, h);
    out += fw::format("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n", w, h);
    auto line = [&](P a, P b, const char* extra = "") {
        out += fw::format("<line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"black\" stroke-width=\"1\" %s/>\n",
                          num(a.first).c_str(), num(a.second).c_str(), num(b.first).c_str(), num(b.second).c_str(),
                          extra);
    };
    auto dim = [&](P a, P z) {
        line(a, z);
        const double ang = std::atan2(z.second - a.second, z.first - a.first);
        for (auto [q, d] : {std::pair{a, ang}, std::pair{z, ang + std::numbers::pi}})
            for (double side : {0.4, -0.4})
                line(q, {q.first + 4 * std::cos(d + side), q.second + 4 * std::sin(d + side)});
    };
    auto onLine = [&](P at, const std::string& t) {
        const double tw = textWidth(t, 10);
        out += fw::format("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"11\" fill=\"white\"/>\n",
                          num(at.first - tw / 2 - 1).c_str(), num(at.second - 5.5).c_str(), num(tw + 2).c_str());
        out += text(at.first, at.second + 3.6, t, 10, true);
    };
    auto arc = [&](double r, double a0, double a1) {  // about the apex, y down
        out += fw::format("<path d=\"M %s %s A %s %s 0 0 1 %s %s\" fill=\"none\" stroke=\"black\" stroke-width=\"0.8\"/>\n",
                          num(ox + r * std::cos(a0)).c_str(), num(oy + r * std::sin(a0)).c_str(), num(r).c_str(),
                          num(r).c_str(), num(ox + r * std::cos(a1)).c_str(), num(oy + r * std::sin(a1)).c_str());
    };
    const char* dash = "stroke-dasharray=\"6 2 1 2\"";
    const char* thin = "stroke-dasharray=\"2 2\"";
    const P o{ox, oy};
    line({2, oy}, {w - 2.0, oy}, dash);  // pinion axis
    line({ox, 2}, {ox, h - 2.0}, dash);  // gear axis
    const P gen = pt(re), mir{gen.first, 2 * oy - gen.second}, mirG{2 * ox - gen.first, gen.second};
    for (P e : {gen, mir, mirG}) line(o, e);
    line(gen, mir);   // the pinion's back
    line(gen, mirG);  // the gear's back
    // Along the lower generatrix (direction toward the heel u, outward normal m).
    const double b = re * 0.3;
    const P u{-c, s}, m{s, c};
    auto lower = [&](double r) { return add(o, u, r); };
    const P heel = lower(re), toe = lower(re - b);
    line(add(heel, m, 2), add(heel, m, 19), thin);
    line(add(toe, m, 2), add(toe, m, 9), thin);
    line(add(o, m, 2), add(o, m, 19), thin);
    dim(add(toe, m, 7), add(heel, m, 7));
    dim(add(o, m, 17), add(heel, m, 17));
    onLine(add(lower(re - b / 2), m, 7), "b");
    onLine(add(lower(re * 0.5), m, 17), "Re");
    // Pitch angles: δ1 from the pinion axis, δ2 from the gear axis.
    const double pi = std::numbers::pi;
    arc(re * 0.42, pi, pi + d1);
    arc(re * 0.2, pi + d1, 1.5 * pi);
    const P l1 = add(o, P{-std::cos(d1 / 2), -std::sin(d1 / 2)}, re * 0.42 + 11);
    const P l2 = add(o, P{-std::cos((d1 + pi / 2) / 2), -std::sin((d1 + pi / 2) / 2)}, re * 0.2 + 9);
    out += text(l1.first, l1.second + 3.5, "δ1", 10, true);
    out += text(l2.first, l2.second + 3.5, "δ2", 10, true);
    out += "</svg>\n";
    return out;
}

std::string bevelSymbolsFigure(int w, int h, bool spiral, bool labels) {
    using P = std::pair<double, double>;
    const double d1 = std::atan(1 / 2.0);  // a 1:2 pair
    // The section spans 2·R·cos δ1 across and 2·R·sin δ1 up and down; the
    // plan view of the spiral picture takes the right third.
    const double span = spiral ? w * 0.62 : w * 1.0;
    const double margin = labels ? std::max(40.0, h * 0.14) : 3.0;
    const double re = std::min((span - 2 * margin) / (2 * std::cos(d1)), (h - 2 * margin) / (2 * std::sin(d1) + 0.25));
    const double ox = margin + re * std::cos(d1) + (labels ? margin * 0.4 : 0), oy = h / 2.0 + re * 0.08;  // apex O
    const double bw = re * 0.30;              // face width
    const double ha = re * 0.06, hf = re * 0.075;  // addendum, dedendum (drawn)
    const int fs = labels ? std::max(11, h / 32) : 0;
    std::string out = fw::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", w, h, w, h);
    out += fw::format("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n", w, h);
    auto line = [&](P a, P b, const char* extra = "") {
        out += fw::format("<line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"black\" stroke-width=\"%s\" %s/>\n",
                          num(a.first).c_str(), num(a.second).c_str(), num(b.first).c_str(), num(b.second).c_str(),
                          labels ? "1" : "1.5", extra);
    };
    auto label = [&](P at, const char* t) {
        if (labels) out += text(at.first, at.second, t, fs, true);
    };
    const char* dash = "stroke-dasharray=\"8 3 2 3\"";
    const char* thin = "stroke-dasharray=\"3 3\"";
    const P o{ox, oy};
    auto along = [&](double ang, double r) { return P{ox - r * std::cos(ang), oy - r * std::sin(ang)}; };
    auto add = [](P a, P b, double k) { return P{a.first + k * b.first, a.second + k * b.second}; };
    // Axes: pinion horizontal, gear vertical.
    line({4, oy}, {w - 4.0, oy}, dash);
    line({ox, 4}, {ox, h - 4.0}, dash);
    // Pitch cones and their outer circles (radii d1/2 and d2/2).
    const P pitch = along(d1, re);
    const P below{pitch.first, 2 * oy - pitch.second};
    const P other{2 * ox - pitch.first, pitch.second};
    for (P end : {pitch, below, other}) line(o, end, thin);
    line(pitch, below);
    line(pitch, other);
    // The tooth at the common generatrix: outer (heel) and inner (toe) ends on
    // the back cones, tip and root lines running to the apex.
    const P n{std::sin(d1), -std::cos(d1)};  // unit normal, away from the pinion axis
    const P tip1 = add(pitch, n, ha), root1 = add(pitch, n, -hf);   // pinion
    const P tip2 = add(pitch, n, -ha), root2 = add(pitch, n, hf);   // gear
    const double k = (re - bw) / re;
    auto toApex = [&](P p) { return P{ox + (p.first - ox) * k, oy + (p.second - oy) * k}; };
    line(root2, root1);                        // heel back cone
    line(toApex(root2), toApex(root1));        // toe back cone
    for (P p : {tip1, root1, tip2, root2}) {
        line(p, toApex(p));
        line(toApex(p), o, thin);
    }
    // Tip circles of both members at the heel.
    line(tip1, {tip1.first, 2 * oy - tip1.second}, thin);
    line(tip2, {2 * ox - tip2.first, tip2.second}, thin);
    if (labels) {
        const double g = fs * 1.3;
        const P t{std::cos(d1), std::sin(d1)};  // along the generatrix, toward the apex
        // A dimension line with arrow heads, and a name written on it on a
        // white ground that breaks the line.
        auto dim = [&](P a, P z) {
            line(a, z);
            const double ang = std::atan2(z.second - a.second, z.first - a.first);
            for (auto [q, d] : {std::pair{a, ang}, std::pair{z, ang + std::numbers::pi}})
                for (double side : {0.35, -0.35})
                    line(q, {q.first + 7 * std::cos(d + side), q.second + 7 * std::sin(d + side)});
        };
        auto onLine = [&](P at, const std::string& t) {
            const double tw = textWidth(t, fs);
            out += fw::format("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" fill=\"white\"/>\n",
                              num(at.first - tw / 2 - 1).c_str(), num(at.second - fs * 0.55).c_str(),
                              num(tw + 2).c_str(), num(fs * 1.1).c_str());
            out += text(at.first, at.second + fs * 0.36, t, fs, true);
        };
        // Diameters of the pinion (left of its heel, clear of the heights'
        // names) and of the gear (above, from extension lines).
        const double xd = tip1.first - 2.9 * g;
        dim({xd, pitch.second}, {xd, below.second});
        onLine({xd, oy + g * 1.6}, "d1");
        dim({xd - g, tip1.second}, {xd - g, 2 * oy - tip1.second});
        onLine({xd - g, oy - g * 1.6}, "da1");
        const double yd = tip2.second - 1.6 * g;
        line({pitch.first, pitch.second - 2}, {pitch.first, yd + g - 4}, thin);
        line({other.first, other.second - 2}, {other.first, yd - 4}, thin);
        line({tip2.first, tip2.second - 2}, {tip2.first, yd - 4}, thin);
        dim({pitch.first, yd + g}, {other.first, yd + g});
        onLine({ox + re * 0.45, yd + g}, "d2");
        dim({tip2.first, yd}, {2 * ox - tip2.first, yd});
        onLine({ox - re * 0.45, yd}, "da2");
        // The cone distance from the apex along the gear's far generatrix,
        // outside its cone, where nothing else is drawn.
        {
            const P away{std::sin(d1), std::cos(d1)};  // away from the gear axis
            const P from = add(o, away, g), to = add(other, away, g);
            line(add(o, away, 3), add(o, away, g + 4), thin);
            line(add(other, away, 3), add(other, away, g + 4), thin);
            dim(from, to);
            onLine({(from.first + to.first) / 2, (from.second + to.second) / 2}, "R");
        }
        // Face width along the generatrix; the heights at the heel.
        label(add(along(d1, re - bw / 2), n, -hf - g * 0.9), "b");
        label(add(add(tip1, t, -g * 0.2), n, g * 0.6), "ha");
        label(add(add(root1, t, -g * 0.9), n, 0), "hf");
        label(add(add(pitch, t, -g * 1.5), n, g * 0.1), "h");
        // Angles at the apex and at the toe.
        label({ox - re * 0.22, oy - fs * 0.3}, "δ1");
        label({ox + fs * 1.2, oy - re * 0.22}, "δ2");
        label(add(along(d1 + 0.10, re * 0.36), n, 0), "δa");
        label(add(along(d1 - 0.14, re * 0.36), n, 0), "δf");
        // θa beside the tip line a little toward the apex, where the gap to
        // the gear's diameter lines above has opened.
        label(add(add(toApex(tip1), t, g * 2.2), n, g * 0.5), "θa");
        label(add(toApex(root1), n, -g * 0.9), "θf");
        // Outer cone height Ak1: from the apex to the pinion's crown at the heel.
        const double yk = oy + re * std::sin(d1) + g;
        line({tip1.first, 2 * oy - tip1.second + 2}, {tip1.first, yk + 4}, thin);
        dim({tip1.first, yk}, {ox, yk});
        onLine({(tip1.first + ox) / 2, yk}, "Ak1");
    }
    if (spiral) {
        // Plan view of one curved tooth on the gear's pitch plane.
        const double cx = w * 0.80, cy = h * 0.50, rr = std::min(w * 0.16, h * 0.30);
        out += fw::format("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"none\" stroke=\"black\" %s/>\n",
                          num(cx).c_str(), num(cy).c_str(), num(rr).c_str(), thin);
        out += fw::format("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"none\" stroke=\"black\" %s/>\n",
                          num(cx).c_str(), num(cy).c_str(), num(rr * 0.65).c_str(), thin);
        out += fw::format("<path d=\"M %s %s Q %s %s %s %s\" fill=\"none\" stroke=\"black\" stroke-width=\"2\"/>\n",
                          num(cx + rr * 0.65).c_str(), num(cy).c_str(), num(cx + rr * 0.95).c_str(),
                          num(cy - rr * 0.05).c_str(), num(cx + rr * 0.90).c_str(), num(cy - rr * 0.42).c_str());
        // The spiral angle at the mean circle (βm) and at the heel (β): each
        // between the radius and the tooth's tangent where the tooth crosses it.
        out += fw::format("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"none\" stroke=\"black\" "
                          "stroke-width=\"0.6\" stroke-dasharray=\"1 3\"/>\n",
                          num(cx).c_str(), num(cy).c_str(), num(rr * 0.825).c_str());
        const P q0{cx + rr * 0.65, cy}, q1{cx + rr * 0.95, cy - rr * 0.05}, q2{cx + rr * 0.90, cy - rr * 0.42};
        auto bez = [&](double u) {
            const double a = (1 - u) * (1 - u), b2 = 2 * u * (1 - u), c2 = u * u;
            return P{a * q0.first + b2 * q1.first + c2 * q2.first, a * q0.second + b2 * q1.second + c2 * q2.second};
        };
        auto tangent = [&](double u) {
            const P d{2 * (1 - u) * (q1.first - q0.first) + 2 * u * (q2.first - q1.first),
                      2 * (1 - u) * (q1.second - q0.second) + 2 * u * (q2.second - q1.second)};
            const double l = std::hypot(d.first, d.second);
            return P{d.first / l, d.second / l};
        };
        double lo = 0, hi = 1;  // the tooth's parameter at the mean radius
        for (int it = 0; it < 40; ++it) {
            const double mid = (lo + hi) / 2;
            const P q = bez(mid);
            (std::hypot(q.first - cx, q.second - cy) < rr * 0.825 ? lo : hi) = mid;
        }
        for (auto [u, name] : {std::pair{lo, "βm"}, std::pair{1.0, "β"}}) {
            const P q = bez(u), d = tangent(u);
            const double r = std::hypot(q.first - cx, q.second - cy);
            const P radial{(q.first - cx) / r, (q.second - cy) / r};
            line({cx, cy}, add(q, radial, rr * 0.18), thin);
            line(add(q, d, -rr * 0.22), add(q, d, rr * 0.22));
            // A small arc in the angle between the radius (outward) and the
            // tangent (toward the heel), the name beyond it.
            const double a0 = std::atan2(radial.second, radial.first), a1 = std::atan2(d.second, d.first);
            const double ra = rr * 0.13;
            double sweep = a1 - a0;
            while (sweep > std::numbers::pi) sweep -= 2 * std::numbers::pi;
            while (sweep <= -std::numbers::pi) sweep += 2 * std::numbers::pi;
            out += fw::format("<path d=\"M %s %s A %s %s 0 0 %d %s %s\" fill=\"none\" stroke=\"black\"/>\n",
                              num(q.first + ra * std::cos(a0)).c_str(), num(q.second + ra * std::sin(a0)).c_str(),
                              num(ra).c_str(), num(ra).c_str(), sweep > 0 ? 1 : 0,
                              num(q.first + ra * std::cos(a1)).c_str(), num(q.second + ra * std::sin(a1)).c_str());
            const P bis{radial.first + d.first, radial.second + d.second};
            const double bl = std::hypot(bis.first, bis.second);
            label(add(add(q, {bis.first / bl, bis.second / bl}, rr * 0.13 + fs * 0.9), {0, 1}, fs * 0.35), name);
        }
    }
    out += "</svg>\n";
    return out;
}

}  // namespace chartgen
