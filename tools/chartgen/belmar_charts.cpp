// The chart pictures of the cycloidal bevel sub-dialogs: cutter-head charts
// C85 and C86, the cutter-tilt chart grids C87 to C89, and the symbols of a
// cycloidal pair. Points are placed with the dialogs' own scales
// (bevel/geometry/calc/aol_scales.h), so a drawn curve meets the dialog's
// cross lines where the chart says.
#include <cmath>
#include <numbers>

#include "bevel/geometry/calc/aol_scales.h"
#include "bevel/geometry/calc/cutter_head_record.h"
#include "chart_svg.h"
#include "fw/format.h"

namespace chartgen {

namespace {

namespace aol = bevel::aol;
const char* kFont = "font-family=\"WenQuanYi Micro Hei,Noto Sans CJK SC,sans-serif\"";

std::string num(double v) { return fw::format("%.2f", v); }

std::string open(int w, int h) {
    std::string out = fw::format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", w, h, w, h);
    out += fw::format("<defs><clipPath id=\"box\"><rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\"/></clipPath></defs>\n",
                      w, h);
    out += fw::format("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n", w, h);
    return out;
}

std::string close(int w, int h) {
    return fw::format("<rect x=\"0.5\" y=\"0.5\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"black\"/>\n</svg>\n",
                      w - 1, h - 1);
}

std::string gridLine(double x1, double y1, double x2, double y2) {
    return fw::format("<line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"#c8c8c8\" stroke-width=\"0.6\"/>\n",
                      num(x1).c_str(), num(y1).c_str(), num(x2).c_str(), num(y2).c_str());
}

std::string text(double x, double y, const std::string& s, int size = 10, const char* anchor = "start") {
    return fw::format("<text x=\"%s\" y=\"%s\" font-size=\"%d\" %s text-anchor=\"%s\">%s</text>\n", num(x).c_str(),
                      num(y).c_str(), size, kFont, anchor, s.c_str());
}

std::string polyline(const std::vector<std::pair<double, double>>& pts, const char* colour = "black") {
    std::string out = fw::format("<polyline fill=\"none\" stroke=\"%s\" stroke-width=\"1.2\" clip-path=\"url(#box)\" points=\"",
                                 colour);
    for (const auto& [x, y] : pts) out += num(x) + "," + num(y) + " ";
    out += "\"/>\n";
    return out;
}

double rad(double deg) { return deg * std::numbers::pi / 180; }

// Inverse scales as continuous pixel positions inside each picture.
double c85X(double betaDeg) { return (betaDeg - 29) / 17 * aol::kC85Width; }
double c85Y(double rp) {
    const double lo = std::pow(50.0, 0.1), hi = std::pow(270.0, 0.1);
    return (1 - (std::pow(rp, 0.1) - lo) / (hi - lo)) * aol::kC85Height;
}
double c86X(double betaDeg) { return (betaDeg - 29.5) / 16 * aol::kC86Width; }
double c86Y(double zc) {
    const double lo = std::pow(20.0, 0.05), hi = std::pow(80.0, 0.05);
    return (1 - (std::pow(zc, 0.05) - lo) / (hi - lo)) * aol::kC86Height;
}

}  // namespace

std::vector<std::pair<double, double>> c85Curve(double rb) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i <= 170; ++i) {
        const double b = 29 + i * 0.1;
        pts.emplace_back(c85X(b), c85Y(rb / std::sin(rad(b))));
    }
    return pts;
}

std::string c85Picture() {
    const int w = aol::kC85Width, h = aol::kC85Height;
    std::string out = open(w, h);
    for (int b = 29; b <= 46; ++b) {
        out += gridLine(c85X(b), 0, c85X(b), h);
        if (b % 2 == 1 && b > 29 && b < 46) out += text(c85X(b), h - 3, fw::format("%d°", b), 9, "middle");
    }
    for (int rp : {50, 60, 70, 80, 90, 100, 120, 140, 160, 180, 200, 230, 270}) {
        out += gridLine(0, c85Y(rp), w, c85Y(rp));
        if (rp > 50 && rp < 270) out += text(2, c85Y(rp) - 2, std::to_string(rp), 9);
    }
    for (double rb : bevel::kCutterRadii) {
        auto pts = c85Curve(rb);
        out += polyline(pts);
        // The label beside the curve's right end, where the curves lie furthest apart.
        const auto& [x, y] = pts.back();
        out += text(x - 3, y - 3, fw::format("Rb=%d", static_cast<int>(rb)), 9, "end");
    }
    return out + close(w, h);
}

double c86Boundary(double betaDeg, double f) { return 2 / std::tan(rad(betaDeg)) / f; }

std::string c86Picture() {
    const int w = aol::kC86Width, h = aol::kC86Height;
    std::string out = open(w, h);
    for (double b = 29.5; b <= 45.5; b += 1) {
        out += gridLine(c86X(b), 0, c86X(b), h);
        if (static_cast<int>(b - 29.5) % 4 == 2) out += text(c86X(b), h - 3, fw::format("%.1f°", b), 9, "middle");
    }
    for (int zc : {20, 25, 30, 35, 40, 45, 50, 60, 70, 80}) {
        out += gridLine(0, c86Y(zc), w, c86Y(zc));
        if (zc > 20 && zc < 80) out += text(2, c86Y(zc) - 2, std::to_string(zc), 9);
    }
    const double fs[] = {0.055, 0.065, 0.077, 0.090, 0.110};
    for (double f : fs) {
        std::vector<std::pair<double, double>> pts;
        for (int i = 0; i <= 160; ++i) {
            const double b = 29.5 + i * 0.1;
            pts.emplace_back(c86X(b), c86Y(c86Boundary(b, f)));
        }
        out += polyline(pts);
    }
    // Each region named by its blade button, fine (high Zc) to coarse.
    struct Label { const char* text; double beta, zc; };
    const Label labels[] = {{"1号", 42, 68}, {"1、2号", 37.5, 43.6}, {"2、3号", 37.5, 36.8},
                            {"3、4号", 37.5, 31.3}, {"4、5号", 37.5, 26.2}, {"5号", 31, 22.5}};
    for (const auto& l : labels) out += text(c86X(l.beta), c86Y(l.zc) + 3, l.text, 9, "middle");
    return out + close(w, h);
}

std::string tiltPicture(int w, int h, double delta0) {
    std::string out = open(w, h);
    for (int i = 0; i <= 17; ++i) {
        const double x = i * w / 17.0;
        out += gridLine(x, 0, x, h);
        const double rbh = 3.6 + 0.4 * i;
        if (std::abs(rbh - std::round(rbh)) < 1e-9 && i > 0 && i < 17)
            out += text(x, h - 3, fw::format("%.0f", rbh), 9, "middle");
    }
    for (int d = 0; d <= 25; ++d) {
        const double y = d * h / 25.0;
        out += gridLine(0, y, w, y);
        if (d % 5 == 0 && d > 0 && d < 25) out += text(2, y - 2, fw::format("%.0f°", delta0 + d), 9);
    }
    out += text(w - 4, 14, fw::format("δ2max %.0f°–%.0f°", delta0, delta0 + 25), 9, "end");
    return out + close(w, h);
}

std::string cycloidalPairFigure(int w, int h, bool symbols) {
    // A cycloidal pair in its axial section: pitch cones, face width, the
    // reference point P at Rp, and the symbols of the report.
    const double ox = w * 0.70, oy = h * 0.60;
    const double re = std::min(w, h) * 0.62;
    const double d1 = std::atan(14.0 / 35.0);
    auto pt = [&](double r) { return std::pair{ox - r * std::cos(d1), oy - r * std::sin(d1)}; };
    std::string out = open(w, h);
    auto line = [&](std::pair<double, double> a, std::pair<double, double> b, const char* extra = "") {
        out += fw::format("<line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"black\" stroke-width=\"1\" %s/>\n",
                          num(a.first).c_str(), num(a.second).c_str(), num(b.first).c_str(), num(b.second).c_str(),
                          extra);
    };
    const char* dash = "stroke-dasharray=\"6 2 1 2\"";
    line({6, oy}, {w - 6.0, oy}, dash);
    line({ox, 6}, {ox, h - 6.0}, dash);
    auto mir = [&](std::pair<double, double> p) { return std::pair{p.first, 2 * oy - p.second}; };
    auto mirG = [&](std::pair<double, double> p) { return std::pair{2 * ox - p.first, p.second}; };
    const double b = re * 0.3;
    auto gen = pt(re), genIn = pt(re - b), p = pt(re - 0.415 * b);
    line({ox, oy}, gen);
    line({ox, oy}, mir(gen));
    line({ox, oy}, mirG(gen));
    line(gen, {gen.first, oy});
    line(mir(gen), {gen.first, oy});
    line(gen, {ox, gen.second});
    line(mirG(gen), {ox, gen.second});
    // Tooth depth at the heel: addendum and dedendum beside the generatrix.
    const double nx = -std::sin(d1), ny = std::cos(d1);
    line({gen.first - 9 * nx, gen.second - 9 * ny}, {genIn.first - 9 * nx, genIn.second - 9 * ny});
    line({gen.first + 7 * nx, gen.second + 7 * ny}, {genIn.first + 7 * nx, genIn.second + 7 * ny});
    if (!symbols) return out + close(w, h);
    out += fw::format("<circle cx=\"%s\" cy=\"%s\" r=\"2.5\" fill=\"black\"/>\n", num(p.first).c_str(),
                      num(p.second).c_str());
    out += text(p.first - 4, p.second - 12, "P", 11);
    out += text((ox + gen.first) / 2 + 8, (oy + gen.second) / 2 - 4, "R", 11);
    out += text((ox + p.first) / 2 + 6, (oy + p.second) / 2 + 14, "Rp", 11);
    out += text((ox + genIn.first) / 2 - 20, (oy + genIn.second) / 2 + 26, "Ri", 11);
    out += text((gen.first + genIn.first) / 2 - 4, std::min(gen.second, genIn.second) - 14, "b", 11);
    out += text(gen.first - 30, gen.second - 6, "ha1", 10);
    out += text(gen.first - 30, gen.second + 14, "hf1", 10);
    out += text(gen.first + 6, (gen.second + oy) / 2, "d1, da1", 10);
    out += text(ox + 6, gen.second - 4, "d2, da2", 10);
    out += text(ox - 52, oy - 6, "δ1", 11);
    out += text(ox - 30, oy - 40, "δ2", 11);
    out += text(gen.first - 8, oy + 16, "Ak1", 10);
    out += text(ox + 6, gen.second + 30, "Ak2", 10);
    out += text(8, 18, "βm, βp, β, βi;  mt, mp;  Zc, Rb, Eb, Δα;  χ1, χ2, χτ1, χτ2;  s1, s2", 10);
    return out + close(w, h);
}


std::vector<std::pair<int, std::string>> belmarSvgs() {
    return {{4021, c85Picture()},
            {4022, c86Picture()},
            {4025, tiltPicture(318 - 66, 388 - 17, 60)},
            {4026, tiltPicture(318 - 68, 388 - 17, 63)},
            {4027, tiltPicture(320 - 68, 388 - 17, 65)},
            {4020, cycloidalPairFigure(420, 300, true)},
            {4299, cycloidalPairFigure(96, 72, false)}};
}

}  // namespace chartgen
