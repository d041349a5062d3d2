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
    for (double rb : bevel::kCutterRadii) out += polyline(c85Curve(rb));
    // Each head's name written on its own curve near the right frame, where
    // the curves lie furthest apart, on a white ground that breaks the curve
    // (and the grid) under it; the neighbouring curves pass clear of it.
    for (double rb : bevel::kCutterRadii) {
        const auto pts = c85Curve(rb);
        const std::string label = fw::format("Rb=%d", static_cast<int>(rb));
        const double tw = label.size() * 9 * 0.58 + 2, right = w - 3, mid = right - tw / 2;
        double y = pts.back().second;
        for (const auto& [px, py] : pts)
            if (px <= mid) y = py;
        out += fw::format("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"9\" fill=\"white\"/>\n",
                          num(right - tw).c_str(), num(y - 4.5).c_str(), num(tw).c_str());
        out += text(right - 1, y + 3.3, label, 9, "end");
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
    // A cycloidal pair in its axial section: pitch cones, the equal-height
    // tooth between heel and toe, the reference point P at Rp, and the
    // symbols of the report on their dimension lines. The whole pair (gear
    // included) lies inside the picture.
    using P = std::pair<double, double>;
    const double d1 = std::atan(14.0 / 35.0);
    const double c = std::cos(d1), s = std::sin(d1);
    const double left = symbols ? 80 : 5, right = symbols ? 44 : 5, top = symbols ? 84 : 6;
    const double re = std::min((w - left - right) / (2 * c), (h - top - (symbols ? 80 : 6)) / (2 * s));
    const double ox = left + re * c, oy = symbols ? top + re * s : h / 2.0;  // apex O
    std::string out = open(w, h);
    auto line = [&](P a, P b, const char* extra = "") {
        out += fw::format("<line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"black\" stroke-width=\"1\" %s/>\n",
                          num(a.first).c_str(), num(a.second).c_str(), num(b.first).c_str(), num(b.second).c_str(),
                          extra);
    };
    auto add = [](P a, P d, double k) { return P{a.first + k * d.first, a.second + k * d.second}; };
    const char* dash = "stroke-dasharray=\"6 2 1 2\"";
    const char* thin = "stroke-dasharray=\"3 3\"";
    const P o{ox, oy};
    const P t{c, s};     // along the upper generatrix, toward the apex
    const P n{s, -c};    // its normal, away from the pinion axis
    auto pt = [&](double r) { return P{ox - r * c, oy - r * s}; };
    auto mir = [&](P p) { return P{p.first, 2 * oy - p.second}; };    // about the pinion axis
    auto mirG = [&](P p) { return P{2 * ox - p.first, p.second}; };   // about the gear axis
    line({symbols ? 8.0 : 2.0, oy}, {w - (symbols ? 8.0 : 2.0), oy}, dash);
    line({ox, symbols ? 28.0 : 2.0}, {ox, h - (symbols ? 8.0 : 2.0)}, dash);
    const double b = re * 0.3, ha = std::max(2.5, re * 0.045), hf = std::max(3.0, re * 0.055);
    const P gen = pt(re), genIn = pt(re - b), p = pt(re - 0.415 * b);
    // Pitch cones and the back of each member.
    line(o, gen);
    line(o, mir(gen));
    line(o, mirG(gen));
    line(gen, mir(gen));
    line(gen, mirG(gen));
    // The tooth on the common generatrix: tip and root parallel to it (equal
    // height), closed by the heel and toe back cones.
    const P tipH = add(gen, n, ha), rootH = add(gen, n, -hf), tipT = add(genIn, n, ha), rootT = add(genIn, n, -hf);
    line(tipH, tipT);
    line(rootH, rootT);
    line(tipH, rootH);
    line(tipT, rootT);
    if (!symbols) return out + close(w, h);
    auto label = [&](P at, const std::string& s1, int size = 11) { out += text(at.first, at.second, s1, size, "middle"); };
    // A name written on its dimension line, on a white ground that breaks the line.
    auto onLine = [&](P at, const std::string& s1) {
        const double tw = s1.size() * 10 * 0.58 + 2;
        out += fw::format("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"11\" fill=\"white\"/>\n",
                          num(at.first - tw / 2).c_str(), num(at.second - 5.5).c_str(), num(tw).c_str());
        out += text(at.first, at.second + 3.6, s1, 10, "middle");
    };
    // A dimension line with small arrows at both ends.
    auto dim = [&](P a, P z) {
        line(a, z);
        const double ang = std::atan2(z.second - a.second, z.first - a.first);
        for (auto [q, d] : {std::pair{a, ang}, std::pair{z, ang + std::numbers::pi}})
            for (double side : {0.35, -0.35})
                line(q, {q.first + 6 * std::cos(d + side), q.second + 6 * std::sin(d + side)});
    };
    auto arc = [&](double r, double a0, double a1) {  // about the apex, angles from the +x axis, y down
        out += fw::format("<path d=\"M %s %s A %s %s 0 0 %d %s %s\" fill=\"none\" stroke=\"black\" stroke-width=\"0.8\"/>\n",
                          num(ox + r * std::cos(a0)).c_str(), num(oy + r * std::sin(a0)).c_str(), num(r).c_str(),
                          num(r).c_str(), a1 > a0 ? 1 : 0, num(ox + r * std::cos(a1)).c_str(),
                          num(oy + r * std::sin(a1)).c_str());
    };
    const double pi = std::numbers::pi;
    // The reference point P on the pitch line, named below the tooth's root.
    out += fw::format("<circle cx=\"%s\" cy=\"%s\" r=\"2.5\" fill=\"black\"/>\n", num(p.first).c_str(),
                      num(p.second).c_str());
    label(add(p, n, -hf - 11), "P");
    // R, Rp and Ri from the apex along the lower generatrix, outside the
    // pinion, each name on its own line.
    const P m{s, c};  // normal of the lower generatrix, away from the pinion axis
    auto lower = [&](double r) { return P{ox - r * c, oy + r * s}; };
    const double radii[3] = {re, re - 0.415 * b, re - b};
    const char* names[3] = {"R", "Rp", "Ri"};
    const double at[3] = {0.72, 0.52, 0.32};
    for (int k = 0; k < 3; ++k) {
        const double off = 14 + 16 * k;
        const P from = add(o, m, off), to = add(lower(radii[k]), m, off);
        line(add(lower(radii[k]), m, 3), add(to, m, 3), thin);
        dim(from, to);
        onLine({from.first + (to.first - from.first) * at[k], from.second + (to.second - from.second) * at[k]},
               names[k]);
    }
    line(add(o, m, 3), add(o, m, 14 + 32 + 3), thin);
    // Face width b beside the tooth's tip, on the gear's side.
    const P bFrom = add(tipH, n, 10), bTo = add(tipT, n, 10);
    line(add(tipH, n, 2), add(bFrom, n, 3), thin);
    line(add(tipT, n, 2), add(bTo, n, 3), thin);
    dim(bFrom, bTo);
    label(add(P{(bFrom.first + bTo.first) / 2, (bFrom.second + bTo.second) / 2}, n, 5), "b");
    // Addendum and dedendum beside the heel, left of the back cone.
    label({gen.first - 18, gen.second - 3}, "ha1", 10);
    label({gen.first - 18, gen.second + 14}, "hf1", 10);
    // Diameters of the pinion left of its back, of the gear above its back.
    const double x1 = gen.first - 32, x2 = gen.first - 52;
    line({gen.first - 2, gen.second}, {x1 - 3, gen.second}, thin);
    line({gen.first - 2, 2 * oy - gen.second}, {x1 - 3, 2 * oy - gen.second}, thin);
    line({tipH.first - 2, tipH.second}, {x2 - 3, tipH.second}, thin);
    line({tipH.first - 2, 2 * oy - tipH.second}, {x2 - 3, 2 * oy - tipH.second}, thin);
    dim({x1, gen.second}, {x1, 2 * oy - gen.second});
    dim({x2, tipH.second}, {x2, 2 * oy - tipH.second});
    onLine({x1, oy + 22}, "d1");
    onLine({x2, oy - 22}, "da1");
    const P tip2 = add(gen, n, -ha);  // the gear's tip at the heel
    const double y2 = gen.second - 30, y3 = gen.second - 46;
    line({gen.first, gen.second - 2}, {gen.first, y2 - 3}, thin);
    line({mirG(gen).first, gen.second - 2}, {mirG(gen).first, y2 - 3}, thin);
    line({tip2.first, tip2.second + 2}, {tip2.first, y3 - 3}, thin);
    line({2 * ox - tip2.first, tip2.second + 2}, {2 * ox - tip2.first, y3 - 3}, thin);
    dim({gen.first, y2}, {mirG(gen).first, y2});
    dim({tip2.first, y3}, {2 * ox - tip2.first, y3});
    onLine({ox + re * 0.45, y2}, "d2");
    onLine({ox + re * 0.45, y3}, "da2");
    // Cone heights: the apex to each member's crown at the heel.
    const double yk = 2 * oy - tipH.second + 48;
    line({tipH.first, 2 * oy - tipH.second + 2}, {tipH.first, yk + 3}, thin);
    line({ox, yk - 3}, {ox, yk + 3});
    dim({tipH.first, yk}, {ox, yk});
    onLine({(tipH.first + ox) / 2, yk}, "Ak1");
    const double xk = mirG(gen).first + 16;
    line({2 * ox - tip2.first + 2, tip2.second}, {xk + 3, tip2.second}, thin);
    line({ox + 2, oy}, {xk + 3, oy}, thin);
    dim({xk, tip2.second}, {xk, oy});
    onLine({xk, (tip2.second + oy) / 2}, "Ak2");
    // Pitch angles at the apex: δ1 from the pinion axis, δ2 from the gear axis.
    const double r1 = re * 0.42, r2 = re * 0.24;
    arc(r1, pi, pi + d1);
    arc(r2, pi + d1, 1.5 * pi);
    label(add(o, P{-std::cos(d1 / 2), -std::sin(d1 / 2)}, r1 + 14), "δ1");
    label(add(o, P{-std::cos((d1 + pi / 2) / 2), -std::sin((d1 + pi / 2) / 2)}, r2 + 14), "δ2");
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
