// Pictures 2006 and 2007 of the worm contact-factor charts, drawn in code:
// frame, scales and a labelled grid every 0.05, laid out so that the d1/a
// scale (0.25 to 0.55) and the Zρ scale (3.4 down to 2.55) meet the
// cross-hair of the chart dialogs. The curves are not drawn: no published
// points are at hand (the dialogs say so over the plot).
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/contact_chart.h"
#include "worm/cw_zlo_dlg.h"

namespace tarv {

namespace {

namespace chart = worm::chart;

struct Rgb {
    std::uint8_t r, g, b;
};
constexpr Rgb kPaper{255, 255, 255}, kInk{0, 0, 0}, kGrid{200, 200, 200};

class Image {
public:
    Image(int w, int h) : m_w(w), m_h(h), m_px(static_cast<std::size_t>(w) * h * 4, 255) {}
    void set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= m_w || y >= m_h) return;
        std::uint8_t* p = &m_px[static_cast<std::size_t>(y * m_w + x) * 4];
        p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = 255;
    }
    void hline(int x0, int x1, int y, Rgb c) {
        for (int x = x0; x <= x1; ++x) set(x, y, c);
    }
    void vline(int x, int y0, int y1, Rgb c) {
        for (int y = y0; y <= y1; ++y) set(x, y, c);
    }
    // Digits and the point in a 5 x 7 cell, one pixel apart.
    void text(int x, int y, std::string_view s, Rgb c) {
        static constexpr std::array<std::array<std::uint8_t, 7>, 11> kGlyphs{{
            {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
            {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
            {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
            {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
            {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
            {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C},
        }};
        for (char ch : s) {
            int g = ch == '.' ? 10 : ch - '0';
            if (g < 0 || g > 10) continue;
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (kGlyphs[g][row] & (0x10 >> col)) set(x + col, y + row, c);
            x += 6;
        }
    }
    std::vector<std::uint8_t> take() { return std::move(m_px); }

private:
    int m_w, m_h;
    std::vector<std::uint8_t> m_px;
};

fw::Bitmap chartPicture(int id) {
    const fw::Font font{};
    const fw::Size client = fw::toPixels(CCwZloDlg::kClientSize, font);
    const int w = client.width - chart::kPlotRightMargin - chart::kPlotLeft;
    const int h = client.height - chart::kPlotBottomMargin - chart::kPlotTop;
    const int lh = chart::channelLength(fw::toPixels(CCwZloDlg::kHorzBox, font).width());
    const int lv = chart::channelLength(fw::toPixels(CCwZloDlg::kVertBox, font).height());
    // Scale ends in picture pixels (the picture starts at the plot's corner).
    const int x0 = chart::kCrossX0 - chart::kPlotLeft, x1 = x0 + lh - 5;
    const int y0 = chart::kCrossY0 - chart::kPlotTop, y1 = y0 + lv - 5;
    Image img(w, h);
    constexpr int kD1aSteps = 6;    // 0.25 to 0.55 by 0.05
    constexpr int kZrhoSteps = 17;  // 2.55 to 3.40 by 0.05
    for (int i = 0; i <= kD1aSteps; ++i) {
        int x = x0 + static_cast<int>(std::lround(double(x1 - x0) * i / kD1aSteps));
        img.vline(x, y0, y1, (i == 0 || i == kD1aSteps) ? kInk : kGrid);
        img.vline(x, y1, y1 + 4, kInk);
        std::string label = fw::format("%.2f", 0.25 + 0.05 * i);
        img.text(x - int(label.size()) * 3, y1 + 8, label, kInk);
    }
    for (int j = 0; j <= kZrhoSteps; ++j) {
        int y = y1 - static_cast<int>(std::lround(double(y1 - y0) * j / kZrhoSteps));
        img.hline(x0, x1, y, (j == 0 || j == kZrhoSteps) ? kInk : kGrid);
        img.hline(x0 - 4, x0, y, kInk);
        std::string label = fw::format("%.2f", 2.55 + 0.05 * j);
        img.text(x0 - 8 - int(label.size()) * 6, y - 3, label, kInk);
    }
    return fw::Bitmap{.id = id, .width = w, .height = h, .rgba = img.take()};
}

}  // namespace

void addContactChartBitmaps(fw::Module& m) {
    m.addBitmap(chartPicture(CCwZloDlg1::IDB_CHART));
    m.addBitmap(chartPicture(CCwZloDlg2::IDB_CHART));
}

}  // namespace tarv
