// The program's pictures, drawn here in code: a gear motif for the icons and
// the splash, and the toolbar's 16 x 16 button images.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "resources/kavrin/module.h"

namespace kavrin {

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

class Image {
public:
    Image(int w, int h, Rgb bg) : m_w(w), m_h(h), m_px(static_cast<std::size_t>(w * h * 4), 255) {
        fill(0, 0, w, h, bg);
    }
    void set(int x, int y, Rgb c, double alpha = 1.0) {
        if (x < 0 || y < 0 || x >= m_w || y >= m_h) return;
        std::uint8_t* p = &m_px[static_cast<std::size_t>((y * m_w + x) * 4)];
        p[0] = static_cast<std::uint8_t>(p[0] + (c.r - p[0]) * alpha);
        p[1] = static_cast<std::uint8_t>(p[1] + (c.g - p[1]) * alpha);
        p[2] = static_cast<std::uint8_t>(p[2] + (c.b - p[2]) * alpha);
        p[3] = 255;
    }
    void fill(int x, int y, int w, int h, Rgb c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) set(i, j, c);
    }
    void frame(int x, int y, int w, int h, Rgb c) {
        for (int i = x; i < x + w; ++i) set(i, y, c), set(i, y + h - 1, c);
        for (int j = y; j < y + h; ++j) set(x, j, c), set(x + w - 1, j, c);
    }
    void line(int x0, int y0, int x1, int y1, Rgb c) {
        int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int k = 0; k <= n; ++k) {
            double t = n ? double(k) / n : 0.0;
            set(static_cast<int>(std::lround(x0 + (x1 - x0) * t)), static_cast<int>(std::lround(y0 + (y1 - y0) * t)), c);
        }
    }
    void ring(double cx, double cy, double r, double width, Rgb c) {
        for (int j = int(cy - r - width); j <= int(cy + r + width) + 1; ++j)
            for (int i = int(cx - r - width); i <= int(cx + r + width) + 1; ++i) {
                double d = std::abs(std::hypot(i + 0.5 - cx, j + 0.5 - cy) - r);
                if (d < width / 2 + 0.5) set(i, j, c, std::clamp(width / 2 + 0.5 - d, 0.0, 1.0));
            }
    }
    // A gear: `teeth` trapezoid teeth between root radius rr and tip radius rt,
    // a hub hole of radius rh; four samples a pixel for smooth edges.
    void gear(double cx, double cy, double rt, double rr, double rh, int teeth, double phase, Rgb c) {
        for (int j = int(cy - rt) - 1; j <= int(cy + rt) + 1; ++j)
            for (int i = int(cx - rt) - 1; i <= int(cx + rt) + 1; ++i) {
                int in = 0;
                for (int s = 0; s < 4; ++s) {
                    double x = i + 0.25 + 0.5 * (s & 1) - cx, y = j + 0.25 + 0.5 * (s >> 1) - cy;
                    double d = std::hypot(x, y);
                    double a = std::atan2(y, x) - phase;
                    double u = std::fmod(a * teeth / (2 * M_PI) + 1000.0, 1.0);   // position within a pitch
                    // tooth profile: flanks rising over 0.15 of the pitch, top 0.3, gap 0.4
                    double h = u < 0.15 ? u / 0.15 : u < 0.45 ? 1.0 : u < 0.6 ? (0.6 - u) / 0.15 : 0.0;
                    double r = rr + (rt - rr) * h;
                    if (d <= r && d >= rh) ++in;
                }
                if (in) set(i, j, c, in / 4.0);
            }
    }
    void text(int x, int y, std::string_view s, int scale, Rgb c);
    fw::Bitmap bitmap(int id) const { return {id, m_w, m_h, m_px, {}}; }

private:
    int m_w, m_h;
    std::vector<std::uint8_t> m_px;
};

// 5 x 7 capitals and digits for the splash lettering.
std::array<std::uint8_t, 7> glyph(char ch) {
    switch (ch) {
    case 'K': return {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11};
    case 'A': return {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11};
    case 'V': return {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04};
    case 'R': return {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11};
    case 'I': return {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E};
    case 'N': return {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11};
    case '4': return {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02};
    case '0': return {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E};
    case '.': return {0, 0, 0, 0, 0, 0x0C, 0x0C};
    default: return {0, 0, 0, 0, 0, 0, 0};
    }
}

void Image::text(int x, int y, std::string_view s, int scale, Rgb c) {
    for (char ch : s) {
        auto g = glyph(ch);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g[static_cast<std::size_t>(row)] & (0x10 >> col)) fill(x + col * scale, y + row * scale, scale, scale, c);
        x += 6 * scale;
    }
}

constexpr Rgb kSteel{70, 90, 120}, kBrass{200, 150, 40}, kWhite{255, 255, 255}, kInk{30, 30, 30};
constexpr Rgb kPaper{250, 250, 245}, kBlue{40, 90, 170}, kGrey{150, 150, 150}, kYellow{230, 190, 60};

fw::Bitmap icon(int id, Rgb gear, Rgb bg, bool page) {
    Image im(32, 32, bg);
    if (page) {
        im.fill(5, 2, 22, 28, kPaper);
        im.frame(5, 2, 22, 28, kGrey);
        for (int y = 8; y < 28; y += 4) im.line(8, y, 23, y, kGrey);
        im.gear(21, 22, 9, 6.5, 2.5, 10, 0.2, gear);
    } else {
        im.gear(16, 16, 15, 11, 4, 12, 0.1, gear);
        im.ring(16, 16, 7.5, 1.5, kWhite);
    }
    return im.bitmap(id);
}

fw::Bitmap splash() {
    Image im(520, 320, {20, 40, 70});
    for (int y = 0; y < 320; ++y)   // deep blue fading to slate
        for (int x = 0; x < 520; ++x) im.set(x, y, {static_cast<std::uint8_t>(20 + y / 8), static_cast<std::uint8_t>(40 + y / 6), static_cast<std::uint8_t>(70 + y / 5)});
    im.gear(130, 150, 95, 80, 22, 24, 0.0, {190, 200, 215});
    im.ring(130, 150, 50, 4, {120, 140, 170});
    im.gear(250, 228, 52, 39, 12, 12, M_PI / 12, kBrass);   // meshes with the large gear
    im.gear(245, 70, 34, 24, 9, 8, 0.3, {150, 170, 195});
    im.text(300, 120, "KAVRIN", 6, kWhite);
    im.text(300, 185, "V4.00", 4, kYellow);
    im.fill(300, 172, 200, 3, kYellow);
    return im.bitmap(IDB_SPLASH);
}

// The toolbar strip: one 16 x 16 image per button, in toolbar order.
fw::Bitmap toolbarStrip() {
    const int n = 10;
    Image im(16 * n, 16, {192, 192, 192});
    auto page = [&](int x0, int x, int y) {
        im.fill(x0 + x, y, 9, 12, kWhite);
        im.frame(x0 + x, y, 9, 12, kInk);
    };
    int x0 = 0;
    page(x0, 3, 2);                                          // new
    im.line(x0 + 9, 2, x0 + 11, 4, kInk);
    x0 += 16;                                                // open: a folder
    im.fill(x0 + 1, 5, 14, 9, kYellow);
    im.frame(x0 + 1, 5, 14, 9, kInk);
    im.fill(x0 + 2, 3, 5, 2, kYellow);
    x0 += 16;                                                // save: a disk
    im.fill(x0 + 2, 2, 12, 12, kBlue);
    im.fill(x0 + 4, 2, 8, 5, kWhite);
    im.fill(x0 + 5, 10, 6, 4, kGrey);
    x0 += 16;                                                // cut: scissors
    im.ring(x0 + 5, 12, 2, 1, kInk);
    im.ring(x0 + 11, 12, 2, 1, kInk);
    im.line(x0 + 6, 10, x0 + 10, 2, kInk);
    im.line(x0 + 10, 10, x0 + 6, 2, kInk);
    x0 += 16;                                                // copy: two pages
    page(x0, 1, 1);
    page(x0, 6, 4);
    x0 += 16;                                                // paste: a clipboard
    im.fill(x0 + 2, 3, 10, 12, {160, 110, 60});
    im.fill(x0 + 5, 2, 4, 2, kGrey);
    page(x0, 6, 6);
    x0 += 16;                                                // preview: page and lens
    page(x0, 2, 1);
    im.ring(x0 + 9, 9, 3, 1.2, kBlue);
    im.line(x0 + 11, 11, x0 + 14, 14, kInk);
    x0 += 16;                                                // print: a printer
    im.fill(x0 + 4, 1, 8, 6, kWhite);
    im.frame(x0 + 4, 1, 8, 6, kInk);
    im.fill(x0 + 1, 7, 14, 6, kGrey);
    im.frame(x0 + 1, 7, 14, 6, kInk);
    x0 += 16;                                                // about: a small gear
    im.gear(x0 + 8, 8, 7.5, 5.5, 2, 8, 0.0, kSteel);
    x0 += 16;                                                // context help: arrow and mark
    im.line(x0 + 1, 1, x0 + 1, 11, kInk);
    im.line(x0 + 1, 1, x0 + 8, 8, kInk);
    im.line(x0 + 1, 11, x0 + 4, 8, kInk);
    im.ring(x0 + 12, 5, 2.5, 1.2, kBlue);
    im.fill(x0 + 12, 9, 1, 3, kBlue);
    im.fill(x0 + 12, 13, 1, 2, kBlue);
    return im.bitmap(IDB_TOOLBAR);
}

}  // namespace

void addBitmaps(fw::Module& m) {
    m.addBitmap(icon(IDR_MAINFRAME, kSteel, kWhite, false));    // the program
    m.addBitmap(icon(IDR_KAVRINTYPE, kBrass, kWhite, true));    // a report window
    m.addBitmap(icon(IDI_DOCUMENT, kBlue, kWhite, true));       // report files
    m.addBitmap(splash());
    m.addBitmap(toolbarStrip());
}

}  // namespace kavrin
