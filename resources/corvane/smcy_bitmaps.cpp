// Bitmaps 1047, 1048, 1049 and 1051: line figures of the small-module
// mounting patterns, drawn here in code. Each shows the two gears as
// cylinders seen across their axes, their tooth traces, the axes as
// dash-dot lines and the angles as the dialog's hints name them.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "resources/corvane/module.h"
#include "smallmodule/csmcy_dlg.h"

namespace corvane {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kWidth = 240, kHeight = 180;

struct Rgb {
    std::uint8_t r, g, b;
};
constexpr Rgb kInk{20, 20, 20}, kAxis{40, 90, 170}, kTeeth{110, 110, 110},
    kMark{190, 40, 40};

struct Pt {
    double x, y;
};
Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
Pt operator*(double k, Pt a) { return {k * a.x, k * a.y}; }
Pt dir(double angle) { return {std::cos(angle), std::sin(angle)}; }

// 5 x 7 glyphs of the few characters the figures write; 'S' is Σ, 'b' is β,
// 'o' the degree sign.
std::array<std::uint8_t, 7> glyph(char ch) {
    switch (ch) {
    case 'S': return {0x1F, 0x10, 0x08, 0x04, 0x08, 0x10, 0x1F};
    case 'b': return {0x0C, 0x12, 0x12, 0x1C, 0x12, 0x1E, 0x10};
    case 'Z': return {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F};
    case '=': return {0, 0, 0x1F, 0, 0x1F, 0, 0};
    case '+': return {0, 0x04, 0x04, 0x1F, 0x04, 0x04, 0};
    case 'o': return {0x0C, 0x12, 0x12, 0x0C, 0, 0, 0};
    case '0': return {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E};
    case '1': return {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E};
    case '2': return {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F};
    case '9': return {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C};
    default: return {0, 0, 0, 0, 0, 0, 0};
    }
}

class Figure {
public:
    Figure() : m_px(static_cast<std::size_t>(kWidth * kHeight * 4), 255) {}

    void dot(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
        std::uint8_t* p = &m_px[static_cast<std::size_t>((y * kWidth + x) * 4)];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        p[3] = 255;
    }
    // A line; `dash` > 0 draws dash-dot with that dash length.
    void line(Pt a, Pt b, Rgb c, int dash = 0) {
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const int n = std::max(1, static_cast<int>(std::ceil(len)));
        for (int k = 0; k <= n; ++k) {
            if (dash > 0) {
                const int phase = k % (dash + 6);
                if (phase >= dash && phase != dash + 3) continue;
            }
            const double t = double(k) / n;
            dot(static_cast<int>(std::lround(a.x + (b.x - a.x) * t)), static_cast<int>(std::lround(a.y + (b.y - a.y) * t)), c);
        }
    }
    void arc(Pt c, double r, double from, double to, Rgb col) {
        const int n = std::max(8, static_cast<int>(std::abs(to - from) * r));
        for (int k = 0; k < n; ++k)
            line(c + r * dir(from + (to - from) * k / n), c + r * dir(from + (to - from) * (k + 1) / n), col);
    }
    void arrowHead(Pt tip, double angle, Rgb c) {
        line(tip, tip + 6.0 * dir(angle + kPi - 0.45), c);
        line(tip, tip + 6.0 * dir(angle + kPi + 0.45), c);
    }
    void text(Pt at, std::string_view s, Rgb c) {
        int x = static_cast<int>(at.x);
        const int y = static_cast<int>(at.y);
        for (char ch : s) {
            auto g = glyph(ch);
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g[static_cast<std::size_t>(row)] & (0x10 >> col)) dot(x + col, y + row, c);
            x += 6;
        }
    }
    // A gear seen across its axis: a rectangle length x diameter centred on
    // c with the axis at `axis` (radians, y down), tooth traces at helix
    // angle `helix` to the axis (0: spur), and the axis as a dash-dot line.
    void gear(Pt c, double axis, double length, double diameter, double helix) {
        const Pt a = dir(axis), n = dir(axis + kPi / 2);
        const Pt corners[] = {c + (-length / 2) * a + (-diameter / 2) * n, c + (length / 2) * a + (-diameter / 2) * n,
                              c + (length / 2) * a + (diameter / 2) * n, c + (-length / 2) * a + (diameter / 2) * n};
        for (int i = 0; i < 4; ++i) line(corners[i], corners[(i + 1) % 4], kInk);
        const double shift = diameter * std::tan(helix);
        for (double t = -length / 2 + 4; t <= length / 2 - 4; t += 7) {
            const double t1 = t + shift;
            if (t1 < -length / 2 + 1 || t1 > length / 2 - 1) continue;
            line(c + t * a + (-diameter / 2 + 1) * n, c + t1 * a + (diameter / 2 - 1) * n, kTeeth);
        }
        line(c + (-length / 2 - 18) * a, c + (length / 2 + 18) * a, kAxis, 9);
    }
    fw::Bitmap bitmap(int id) const { return {id, kWidth, kHeight, m_px, {}}; }

private:
    std::vector<std::uint8_t> m_px;
};

// Σ = 0: two gears on parallel axes, helices of opposite hand.
fw::Bitmap parallel() {
    Figure f;
    const double beta = 15 * kPi / 180;
    f.gear({120, 55}, 0, 120, 44, beta);
    f.gear({120, 118}, 0, 120, 78, -beta);
    f.text({8, 48}, "Z1", kInk);
    f.text({8, 114}, "Z2", kInk);
    f.text({92, 4}, "S=0o", kMark);
    f.text({186, 4}, "b1=b2", kMark);
    return f.bitmap(CSmcyDlg::IDB_PARALLEL);
}

// Crossed axes with a helical pinion and a spur gear: Σ = β1.
fw::Bitmap helicalSpur() {
    Figure f;
    const double sigma = 16 * kPi / 180;
    const Pt c{120, 92};
    f.gear(c, 0, 150, 70, 0);                  // Z2, spur, seen from above
    f.gear(c, -sigma, 110, 34, sigma);         // Z1 in front, its traces parallel to Z2's
    f.arc(c, 62, -sigma, 0, kMark);
    f.text({186, 72}, "S=b1", kMark);
    f.text({8, 20}, "Z1", kInk);
    f.text({8, 160}, "Z2", kInk);
    f.text({150, 160}, "b2=0", kMark);
    return f.bitmap(CSmcyDlg::IDB_HELICAL_SPUR);
}

// Crossed axes with two helical gears: Σ = β1 + β2.
fw::Bitmap helicalSum() {
    Figure f;
    const double b1 = 24 * kPi / 180, b2 = 16 * kPi / 180;
    const Pt c{120, 92};
    f.gear(c, b2, 150, 70, -b2);               // Z2, axis turned by β2 one way
    f.gear(c, -b1, 110, 34, b1);               // Z1, axis turned by β1 the other way
    f.line(c + (-90.0) * dir(0), c + 90.0 * dir(0), kMark, 4);   // the common tooth direction's normal
    f.arc(c, 66, -b1, 0, kMark);
    f.arc(c, 74, 0, b2, kMark);
    f.text({196, 50}, "b1", kMark);
    f.text({196, 112}, "b2", kMark);
    f.text({150, 4}, "S=b1+b2", kMark);
    f.text({8, 20}, "Z1", kInk);
    f.text({8, 160}, "Z2", kInk);
    return f.bitmap(CSmcyDlg::IDB_HELICAL_SUM);
}

// Perpendicular axes, Σ = 90°, with the sense of rotation of both gears.
fw::Bitmap perpendicular() {
    Figure f;
    const double b = 45 * kPi / 180;
    const Pt c{120, 92};
    f.gear(c, 0, 150, 62, -b);                 // Z2 horizontal
    f.gear(c, kPi / 2, 140, 30, b);            // Z1 vertical, in front
    f.arc(c, 50, -kPi / 2, 0, kMark);
    f.text({160, 30}, "S=90o", kMark);
    f.text({132, 4}, "Z1", kInk);
    f.text({8, 100}, "Z2", kInk);
    // Rotation arrows: around Z1's axis (top) and around Z2's axis (right).
    const Pt r1{120, 14}, r2{214, 92};
    f.arc(r1, 12, kPi * 0.15, kPi * 0.85, kInk);
    f.arrowHead(r1 + 12.0 * dir(kPi * 0.85), kPi * 0.85 + kPi / 2, kInk);
    f.arc(r2, 12, kPi * 0.65, kPi * 1.35, kInk);
    f.arrowHead(r2 + 12.0 * dir(kPi * 0.65), kPi * 0.65 - kPi / 2, kInk);
    return f.bitmap(CSmcyDlg::IDB_PERPENDICULAR);
}

}  // namespace

void addSmcyBitmaps(fw::Module& m) {
    m.addBitmap(parallel());
    m.addBitmap(helicalSpur());
    m.addBitmap(helicalSum());
    m.addBitmap(perpendicular());
}

}  // namespace corvane
