// The worm pair pictures, drawn in code as line drawings (the symbols are
// drawn over them by CCwPicDlg, from pictureLabels), and templates 2026,
// 2014 and 2017 that show them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

#include "resources/tarv/module.h"
#include "worm/cw_pic_dlg.h"

namespace tarv {

namespace {

constexpr double kPi = 3.141592653589793;

struct Rgb {
    std::uint8_t r, g, b;
};
constexpr Rgb kInk{0, 0, 0}, kCentre{0, 0, 160}, kDim{150, 30, 30}, kFill{215, 225, 240};

class Image {
public:
    Image(int w, int h) : m_w(w), m_h(h), m_px(static_cast<std::size_t>(w) * h * 4, 255) {}
    void set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= m_w || y >= m_h) return;
        std::uint8_t* p = &m_px[static_cast<std::size_t>(y * m_w + x) * 4];
        p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = 255;
    }
    // A line; `dash` > 0 draws dashes of that many pixels.
    void line(double x0, double y0, double x1, double y1, Rgb c, int dash = 0) {
        const int n = std::max(1, int(std::ceil(std::max(std::abs(x1 - x0), std::abs(y1 - y0)))));
        for (int k = 0; k <= n; ++k) {
            if (dash > 0 && (k / dash) % 2 == 1) continue;
            const double t = double(k) / n;
            set(int(std::lround(x0 + (x1 - x0) * t)), int(std::lround(y0 + (y1 - y0) * t)), c);
        }
    }
    // An arc about (cx, cy) from angle a0 to a1 (radians, y down, 0 = +x).
    void arc(double cx, double cy, double r, double a0, double a1, Rgb c, int dash = 0) {
        const int n = std::max(8, int(r * std::abs(a1 - a0)));
        for (int k = 0; k <= n; ++k) {
            if (dash > 0 && (k / dash) % 2 == 1) continue;
            const double a = a0 + (a1 - a0) * k / n;
            set(int(std::lround(cx + r * std::cos(a))), int(std::lround(cy + r * std::sin(a))), c);
        }
    }
    void circle(double cx, double cy, double r, Rgb c, int dash = 0) { arc(cx, cy, r, 0, 2 * kPi, c, dash); }
    // A dimension line with arrow heads at both ends.
    void dimension(double x0, double y0, double x1, double y1) {
        line(x0, y0, x1, y1, kDim);
        const double a = std::atan2(y1 - y0, x1 - x0);
        for (auto [x, y, d] : {std::tuple{x0, y0, a}, std::tuple{x1, y1, a + kPi}}) {
            line(x, y, x + 7 * std::cos(d + 0.35), y + 7 * std::sin(d + 0.35), kDim);
            line(x, y, x + 7 * std::cos(d - 0.35), y + 7 * std::sin(d - 0.35), kDim);
        }
    }
    void fillRect(int x0, int y0, int x1, int y1, Rgb c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) set(x, y, c);
    }
    fw::Bitmap take(int id) { return fw::Bitmap{.id = id, .width = m_w, .height = m_h, .rgba = std::move(m_px)}; }

private:
    int m_w, m_h;
    std::vector<std::uint8_t> m_px;
};

// ---- 2005: the pair in the worm's axial section and in the worm-gear's mid-plane ----
// Proportions of a pair with m 8 (pixels): d1 80, d2 240, a' 160.
constexpr int kPairW = 600, kPairH = 330;
constexpr double kM = 8, kR1 = 40, kR2 = 120, kAw = 160;
constexpr double kRa1 = kR1 + kM, kRf1 = kR1 - 1.2 * kM, kRa2 = kR2 + kM, kRf2 = kR2 - 1.2 * kM;
constexpr double kRe2 = kRa2 + kM, kRg = kAw - kRa2, kB2 = 70;
// Left view: worm axis, worm-gear centre.
constexpr double kAx = 175, kAy = 250, kGx = kAx, kGy = kAy - kAw;
// Right view: the worm's cross-section and the worm-gear rim above it.
constexpr double kCx = 460, kCy = 250;

fw::Bitmap pairPicture() {
    Image img(kPairW, kPairH);
    // Left: the worm in its axial section, threads between df1 and da1.
    const double x0 = kAx - 130, x1 = kAx + 130, pitch = kPi * kM * 1.25;
    img.line(x0 - 10, kAy, x1 + 10, kAy, kCentre, 6);   // worm axis
    for (double sgn : {-1.0, 1.0}) {
        img.line(x0, kAy + sgn * kRf1, x1, kAy + sgn * kRf1, kInk);
        img.line(x0, kAy + sgn * kR1, x1, kAy + sgn * kR1, kCentre, 4);
        for (double x = x0; x + pitch <= x1 + 0.5; x += pitch) {
            const double a = x + pitch * 0.15, b = x + pitch * 0.35, c = x + pitch * 0.65, d = x + pitch * 0.85;
            img.line(a, kAy + sgn * kRf1, b, kAy + sgn * kRa1, kInk);
            img.line(b, kAy + sgn * kRa1, c, kAy + sgn * kRa1, kInk);
            img.line(c, kAy + sgn * kRa1, d, kAy + sgn * kRf1, kInk);
        }
    }
    img.line(x0, kAy - kRf1, x0, kAy + kRf1, kInk);
    img.line(x1, kAy - kRf1, x1, kAy + kRf1, kInk);
    // The worm-gear in its mid-plane: tip, reference and root circles.
    const double from = kPi / 2 - 0.62, to = kPi / 2 + 0.62;
    img.arc(kGx, kGy, kRa2, from, to, kInk);
    img.arc(kGx, kGy, kR2, from, to, kCentre, 4);
    img.arc(kGx, kGy, kRf2, from, to, kInk);
    img.line(kGx - 8, kGy, kGx + 8, kGy, kCentre);
    img.line(kGx, kGy - 8, kGx, kGy + 8, kCentre);
    // a' between the axes; d1, da1, df1 at the worm's left end; b1 below.
    img.dimension(kGx + 150, kGy, kGx + 150, kAy);
    img.line(kGx + 8, kGy, kGx + 156, kGy, kDim, 3);
    img.line(x1 + 12, kAy, kGx + 156, kAy, kDim, 3);
    img.dimension(x0 - 16, kAy - kR1, x0 - 16, kAy + kR1);
    img.dimension(x0 - 30, kAy - kRa1, x0 - 30, kAy + kRa1);
    img.dimension(x0 + 12, kAy - kRf1, x0 + 12, kAy + kRf1);
    img.dimension(x0, kAy + kRa1 + 16, x1, kAy + kRa1 + 16);
    // Right: the worm's cross-section and the worm-gear rim: throat radius
    // Rg about the worm axis, face width b2 within the face angle θ.
    img.circle(kCx, kCy, kRa1, kInk);
    img.circle(kCx, kCy, kR1, kCentre, 4);
    img.circle(kCx, kCy, kRf1, kInk);
    img.line(kCx - kRa1 - 12, kCy, kCx + kRa1 + 12, kCy, kCentre, 6);
    img.line(kCx, kCy + kRa1 + 12, kCx, kGy - 10, kCentre, 6);
    const double half = std::asin((kB2 / 2) / kRa1);   // θ/2 from b2 and da1
    const double up = -kPi / 2;
    img.arc(kCx, kCy, kRg, up - half, up + half, kInk);
    const double topY = kGy + 40;
    for (double sgn : {-1.0, 1.0}) {
        const double ex = kCx + sgn * kRg * std::sin(half), ey = kCy - kRg * std::cos(half);
        const double t = (kB2 / 2 - kRg * std::sin(half)) / std::sin(half);
        const double cx = ex + sgn * t * std::sin(half), cy = ey - t * std::cos(half);
        img.line(ex, ey, cx, cy, kInk);                       // flank within θ
        img.line(cx, cy, cx, topY, kInk);                     // rim side
        img.line(kCx, kCy, kCx + sgn * 95 * std::sin(half), kCy - 95 * std::cos(half), kDim, 3);  // θ
    }
    img.line(kCx - kB2 / 2, topY, kCx + kB2 / 2, topY, kInk);
    img.arc(kCx, kCy, 80, up - half, up + half, kDim);       // θ arc
    img.dimension(kCx - kB2 / 2, topY - 14, kCx + kB2 / 2, topY - 14);   // b2
    img.dimension(kCx, kCy, kCx - kRg * std::sin(0.5), kCy - kRg * std::cos(0.5));  // Rg
    // da2 and de2 from the worm-gear axis (the dashed line at its height).
    img.line(kCx - 70, kGy, kCx + 110, kGy, kCentre, 6);
    img.dimension(kCx + 70, kGy, kCx + 70, kCy - kRg);
    img.dimension(kCx + 96, kGy, kCx + 96, kGy + kRe2 - 58);
    img.line(kCx + kB2 / 2, kGy + kRe2 - 58, kCx + 100, kGy + kRe2 - 58, kDim, 3);
    img.dimension(kCx - 60, kGy, kCx - 60, kCy - kRg - 1.2 * kM - kM);  // d2 (to the reference line)
    return img.take(CCwPicDlg::IDB_PAIR);
}

// The picture button's face: a small worm under a worm-gear arc.
fw::Bitmap pairButtonFace() {
    Image img(48, 32);
    img.arc(24, -40, 60, kPi / 2 - 0.4, kPi / 2 + 0.4, kInk);
    img.arc(24, -40, 54, kPi / 2 - 0.4, kPi / 2 + 0.4, kCentre, 2);
    img.line(4, 22, 44, 22, kInk);
    img.line(4, 29, 44, 29, kInk);
    for (int x = 6; x < 42; x += 6) {
        img.line(x, 22, x + 2, 18, kInk);
        img.line(x + 2, 18, x + 4, 22, kInk);
    }
    return img.take(CCwPicDlg::IDB_PAIR_BUTTON);
}

const std::vector<PictureLabel> kPairLabels{
    {{int(kGx) + 156, int(kGy + kAw / 2) - 6}, "a'"},
    {{8, int(kAy) - 30}, "da1"},
    {{22, int(kAy) + 8}, "d1"},
    {{62, int(kAy) - 6}, "df1"},
    {{int(kAx) - 6, int(kAy + kRa1) + 20}, "b1"},
    {{int(kGx) - 14, int(kGy + kR2) - 18}, "d2"},
    {{int(kCx) + 74, int(kGy) + 50}, "da2/2"},
    {{int(kCx) + 100, int(kGy) + 20}, "de2/2"},
    {{int(kCx) - 56, int(kGy) + 50}, "d2/2"},
    {{int(kCx) - 8, int(kGy) + 22}, "b2"},
    {{int(kCx) + 18, int(kCy) - 100}, "θ"},
    {{int(kCx) - 36, int(kCy) - 30}, "Rg"},
};

// ---- 2003 and 2004: one arc-flank thread ----
// The thread between root and tip: each flank a concave arc of radius r
// whose centre lies on the flank's outward normal at the reference line, at
// the pressure angle `angle` (so above the reference line, beyond the flank).
constexpr int kProfW = 480, kProfH = 300;
constexpr double kPScale = 9;                          // pixels per mm
constexpr double kPR1 = 25, kPHa = 5, kPHf = 5.8;     // d1/2, ha1, hf1 (mm) of a typical pair
constexpr double kPAxisY = 292;                        // the worm axis
constexpr double kThreadX = 180;                       // the thread's middle
double py(double r) { return kPAxisY - r * kPScale + (kPR1 - 12) * kPScale; }   // radius (mm) → y

struct ArcCentre {
    double x, y;
};
// The centre of the right flank's arc: on the flank's outward normal at the
// reference line, at the pressure angle, beyond the flank.
ArcCentre rightCentre(double half, double r, double angle) {
    return {kThreadX + half + r * std::cos(angle), py(kPR1) - r * std::sin(angle)};
}
// The axial dimension from the thread's middle to the arc centre runs this
// far above the tip line, clear of it; its name sits above it.
constexpr double kAxialDimAbove = 16;
ArcCentre arcThread(Image& img, double half, double r, double angle, double ha, double hf) {
    const double yRef = py(kPR1), yTip = py(kPR1 + ha), yRoot = py(kPR1 - hf);
    ArcCentre right{};
    double tipX[2] = {}, rootX[2] = {};
    for (int side = 0; side < 2; ++side) {
        const double sgn = side == 0 ? -1 : 1;
        const ArcCentre c{kThreadX + sgn * (half + r * std::cos(angle)), yRef - r * std::sin(angle)};
        if (sgn > 0) right = c;
        // Flank points between root and tip: x on the circle, on the thread's side.
        for (int y = int(yTip); y <= int(yRoot); ++y) {
            const double dy = y - c.y;
            if (std::abs(dy) > r) continue;
            const double x = c.x - sgn * std::sqrt(r * r - dy * dy);
            img.set(int(std::lround(x)), y, kInk);
            if (y == int(yTip)) tipX[side] = x;
            if (y == int(yRoot)) rootX[side] = x;
        }
        img.line(kThreadX + sgn * half, yRef, c.x, c.y, kDim, 4);   // the radius to the centre
        img.line(c.x - 5, c.y, c.x + 5, c.y, kCentre);
        img.line(c.x, c.y - 5, c.x, c.y + 5, kCentre);
    }
    img.line(tipX[0], yTip, tipX[1], yTip, kInk);                  // the thread's tip
    img.line(20, yRoot, rootX[0], yRoot, kInk);                    // root on both sides
    img.line(rootX[1], yRoot, kProfW - 20, yRoot, kInk);
    img.line(20, yRef, kProfW - 20, yRef, kCentre, 6);            // reference line
    img.line(20, yTip, kProfW - 20, yTip, kCentre, 3);            // tip line
    img.line(kThreadX, yTip - 20, kThreadX, kPAxisY, kCentre, 6); // the thread's middle
    img.line(10, kPAxisY, kProfW - 10, kPAxisY, kCentre, 8);      // the worm axis
    img.dimension(kThreadX - half, yRef + 14, kThreadX + half, yRef + 14);   // thickness
    return right;
}

// The arc centre's axial distance from the thread's middle, above the tip
// line with extension lines, and its radial distance from the worm axis.
void axialAndRadial(Image& img, ArcCentre c, double ha) {
    const double y = py(kPR1 + ha) - kAxialDimAbove;
    img.line(c.x, c.y - 4, c.x, y - 4, kDim, 2);
    img.dimension(kThreadX, y, c.x, y);
    img.dimension(c.x + 14, c.y, c.x + 14, kPAxisY);
}

constexpr double kZc1Half = 6.16 / 2 * kPScale, kZc1R = 28.2 * kPScale / 3, kZc1Angle = 23 * kPi / 180;
constexpr double kZc3Half = 6.28 / 2 * kPScale, kZc3R = 25 * kPScale / 3, kZc3Angle = 23 * kPi / 180;

// Where the names of the arc radius, the axial and the radial dimension go:
// the radius named just below the middle of its line, the axial name centred
// above its line, the radial one beside its line halfway down (top-left corners).
struct CentreLabels {
    fw::Point radius, axial, radial;
};
CentreLabels centreLabels(double half, double r, double angle, double ha) {
    const ArcCentre c = rightCentre(half, r, angle);
    const double x0 = kThreadX + half, y0 = py(kPR1);
    const double mx = (x0 + c.x) / 2 + 8, my = y0 + (c.y - y0) * (mx - x0) / (c.x - x0);
    return {{int(mx), int(my) + 4},
            {int((kThreadX + c.x) / 2) - 6, int(py(kPR1 + ha) - kAxialDimAbove) - 17},
            {int(c.x) + 20, int((c.y + kPAxisY) / 2) - 7}};
}

fw::Bitmap zc1Profile() {
    Image img(kProfW, kProfH);
    const ArcCentre c = arcThread(img, kZc1Half, kZc1R, kZc1Angle, kPHa, kPHf);
    axialAndRadial(img, c, kPHa);                              // L1 (axial, schematic), L2 from the worm axis
    img.dimension(40, py(kPR1), 40, py(kPR1 + kPHa));          // ha1
    img.dimension(60, py(kPR1), 60, py(kPR1 - kPHf));          // hf1
    return img.take(CCwPicDlg::IDB_ZC1);
}

const CentreLabels kZc1Centre = centreLabels(kZc1Half, kZc1R, kZc1Angle, kPHa);
const std::vector<PictureLabel> kZc1Labels{
    {{int(kThreadX) - 10, int(py(kPR1)) + 18}, "Sn"}, {{14, int(py(kPR1 + kPHa / 2)) - 6}, "ha1"},
    {{64, int(py(kPR1 - kPHf / 2)) - 6}, "hf1"},       {{420, int(py(kPR1 + kPHa)) - 16}, "da1"},
    {{420, int(py(kPR1 - kPHf)) + 4}, "df1"},          {{420, int(py(kPR1)) + 4}, "d1"},
    {kZc1Centre.radius, "ρn"},                         {kZc1Centre.axial, "L1"},
    {kZc1Centre.radial, "L2"},                         {{196, int(py(kPR1)) - 18}, "αn"},
};

fw::Bitmap zc3Profile() {
    Image img(kProfW, kProfH);
    const ArcCentre c = arcThread(img, kZc3Half, kZc3R, kZc3Angle, kPHa, 6);
    axialAndRadial(img, c, kPHa);                              // cx, and cy from the worm axis
    return img.take(CCwPicDlg::IDB_ZC3);
}

const CentreLabels kZc3Centre = centreLabels(kZc3Half, kZc3R, kZc3Angle, kPHa);
const std::vector<PictureLabel> kZc3Labels{
    {{int(kThreadX) - 10, int(py(kPR1)) + 18}, "Sx"}, {kZc3Centre.radius, "ρ"},
    {kZc3Centre.axial, "cx"},                        {kZc3Centre.radial, "cy"},
    {{196, int(py(kPR1)) - 18}, "αx"},               {{420, int(py(kPR1)) + 4}, "d1"},
};

}  // namespace

void addWormPictures(fw::Module& m) {
    m.addBitmap(zc1Profile());
    m.addBitmap(zc3Profile());
    m.addDialog({.id = CCwPicDlg::IDD_ZC1,
                 .caption = "《Ondrel》Kavrin  Zc1圆弧圆柱蜗杆法面齿廓",
                 .size = fw::Size{334, 232},
                 .body = {fw::defButton(IDOK, "OK").at(266, 212, 56, 15)}});
    m.addDialog({.id = CCwPicDlg::IDD_ZC3,
                 .caption = "《Ondrel》Kavrin  Zc3圆弧圆柱蜗杆轴面齿廓",
                 .size = fw::Size{334, 232},
                 .body = {fw::defButton(IDOK, "关  闭").at(266, 212, 56, 15)}});
    m.addBitmap(pairPicture());
    m.addBitmap(pairButtonFace());
    m.addDialog({.id = CCwPicDlg::IDD_PAIR,
                 .caption = "《Ondrel》Kavrin  普通圆柱蜗轮蜗杆图示",
                 .size = fw::Size{420, 250},
                 .body = {fw::defButton(IDOK, "关  闭").at(352, 230, 56, 15)}});
}

}  // namespace tarv

const std::vector<PictureLabel>& pictureLabels(int bitmap) {
    static const std::vector<PictureLabel> kNone;
    if (bitmap == CCwPicDlg::IDB_PAIR) return tarv::kPairLabels;
    if (bitmap == CCwPicDlg::IDB_ZC1) return tarv::kZc1Labels;
    if (bitmap == CCwPicDlg::IDB_ZC3) return tarv::kZc3Labels;
    return kNone;
}
