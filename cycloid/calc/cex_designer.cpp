#include "cycloid/calc/cex_designer.h"

#include <cmath>
#include <cstring>
#include <filesystem>

#include "cycloid/calc/cex_preliminary.h"
#include "common/calc/quantity.h"
#include "cycloid/calc/cex_record.h"
#include "fw/format.h"

namespace cycloid {

double designerPinCircle(unsigned Zp, double a, double K1) { return 2 * Zp * a / K1; }
double designerPinDiameter(unsigned Zp, double dp) { return std::sin(kCexPi / Zp) * dp / 1.5; }

DesignerInputs designerStart() {
    DesignerInputs in;
    in.dp = designerPinCircle(in.Zp, in.a, in.K1);
    in.dPin = designerPinDiameter(in.Zp, in.dp);
    in.rpm = in.dp / 2;
    in.rrpm = in.dPin / 2;
    in.K1m = in.K1;
    return in;
}

std::optional<double> sideClearanceA(double dp, double a, double dPin, unsigned Zc, double drp) {
    if (drp == 0) return 0.0;
    const double beta = kCexPi / (2 * Zc);
    const double e = dp / 2 - a - drp;
    const double r = dPin * dPin - (2 * e * std::sin(beta)) * (2 * e * std::sin(beta));
    if (!(r >= 0)) return std::nullopt;
    const double h = (2 * e * std::cos(beta) - std::sqrt(r)) / 2;
    const double o2 = (e + drp) * (e + drp) + h * h - 2 * h * (e + drp) * std::cos(beta);
    if (!(o2 >= 0)) return std::nullopt;
    const double dc = 2 * std::sqrt(o2) - dPin;
    if (!std::isfinite(dc)) return std::nullopt;
    return dc;
}

std::optional<double> sideClearanceB(double dp, double a, double dPin, unsigned Zc, double drp, double drrp) {
    if (drp == 0 || drrp == 0 || drp >= drrp) return 0.0;
    const double beta = kCexPi / (2 * Zc);
    const double A = drp + dp / 2 - a;
    const double big = 2 * (drrp + dPin / 2);
    const double r = big * big - (2 * A * std::sin(beta)) * (2 * A * std::sin(beta));
    if (!(r >= 0)) return std::nullopt;
    const double h = (2 * A * std::cos(beta) - std::sqrt(r)) / 2;
    const double o2 = (A - drp) * (A - drp) + h * h - 2 * h * (A - drp) * std::cos(beta);
    if (!(o2 >= 0)) return std::nullopt;
    const double dc = 2 * std::sqrt(o2) - dPin;
    if (!std::isfinite(dc)) return std::nullopt;
    return dc;
}

DesignerDerived designerDerived(const DesignerInputs& in) {
    DesignerDerived d;
    d.rpm = in.dp / 2;
    d.rrpm = in.dPin / 2;
    d.dc = 0.0;
    switch (in.mode) {
    case 1:
        if (in.delta > 0) d.dc = in.delta * in.dp * kCexPi / 180;
        break;
    case 2:
        if (in.drrp > 0) {
            d.rrpm += in.drrp;
            d.dj = in.drrp;
            d.dc = 2 * in.drrp;
        }
        break;
    case 3:
        if (in.drp > 0) {
            d.rpm -= in.drp;
            d.dj = in.drp;
            d.dc = sideClearanceA(in.dp, in.a, in.dPin, in.Zc, in.drp);
        }
        break;
    case 4:
        if (in.drrp > 0) d.rrpm += in.drrp;
        if (in.drp > 0) d.rpm += in.drp;
        if (in.drrp > 0 && in.drp > 0) {
            d.dj = in.drrp - in.drp;
            d.dc = sideClearanceB(in.dp, in.a, in.dPin, in.Zc, in.drp, in.drrp);
        }
        break;
    default: break;
    }
    d.K1m = in.Zp * in.a / d.rpm;
    return d;
}

double designerTurn(const DesignerInputs& in) { return in.mode == 1 ? in.delta * kCexPi / 180 : 0; }

std::optional<ProfilePoint> designerPoint(const DesignerInputs& in, double phi, double tau) {
    const double K = in.K1m;
    const double s2 = 1 + K * K - 2 * K * std::cos(phi);
    if (!(s2 > 0)) return std::nullopt;
    const Profile p{in.rpm, in.rrpm, K, in.a, tau, in.Zc, in.Zp};
    const ProfilePoint q = p.at(phi);
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) return std::nullopt;
    return q;
}

namespace {
constexpr double kHundredthDegreeHalf = 0.017453292522222223 / 200;

struct Rod {
    double c = 0, u = 0;
};
// The rod whose centre lies on the x axis (the tooth-space axis) where the
// normal of the profile, turned by tau, meets it.
std::optional<Rod> rodAt(const DesignerInputs& in, double phi, double tau) {
    auto p = designerPoint(in, phi, tau);
    auto p2 = designerPoint(in, phi + kHundredthDegreeHalf, tau);
    if (!p || !p2) return std::nullopt;
    const double s = (p2->y - p->y) / (p2->x - p->x);
    Rod r;
    r.c = std::fabs(p->x + p->y * s);
    r.u = 2 * std::sqrt(p->y * p->y + (p->x - r.c) * (p->x - r.c));
    if (!std::isfinite(r.c) || !std::isfinite(r.u)) return std::nullopt;
    return r;
}

void f64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }
void i32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }
}  // namespace

std::optional<DesignerResult> designerCalculate(const DesignerInputs& in) {
    if (in.Zc == 0 || in.Zp == 0) return std::nullopt;
    DesignerResult r;
    if (in.mode == 3) {
        r.da = 2 * in.a + in.dp - in.dPin - 2 * in.drp;
        r.df = in.dp - 2 * in.a - in.dPin - 2 * in.drp;
    } else {
        const double m = 2 * (in.drrp - in.drp);
        r.da = 2 * in.a + in.dp - in.dPin - m;
        r.df = in.dp - 2 * in.a - in.dPin - m;
    }
    const double K = in.K1m;
    if (!(K >= 1.0 / in.Zp && K < 1)) return std::nullopt;
    const double c0 = (1 + in.Zp * K * K) / ((in.Zp + 1) * K);
    if (!(c0 >= -1 && c0 <= 1)) return std::nullopt;
    r.phi0 = std::acos(c0);
    // The rods are measured on the profile as it is cut: turned by δ in the
    // angular modification.
    const double tau = designerTurn(in);
    auto rod0 = rodAt(in, r.phi0, tau);
    if (!rod0) return std::nullopt;
    r.dm = std::ceil(rod0->u);
    if (!std::isfinite(r.dm)) return std::nullopt;
    double w = 0.007853981635;
    double phi = r.phi0 + w;
    Rod rod;
    for (r.searchSteps = 1;; ++r.searchSteps) {
        if (r.searchSteps > kDesignerSearchLimit || phi < 0 || phi > kCexPi) return std::nullopt;
        auto q = rodAt(in, phi, tau);
        if (!q) return std::nullopt;
        rod = *q;
        if (std::fabs(rod.u - r.dm) <= 0.0001) break;
        if (rod.u > r.dm) {
            w /= 2;
            phi -= w;
        } else {
            phi += w;
        }
    }
    r.phim = phi * 180 / kCexPi;
    r.RL = rod.c;
    r.Lm = 2 * r.RL * std::sin((in.Zp / 2 - 1) * kCexPi / in.Zc) + r.dm;
    // What the report and the point file print: finite and printable.
    if (!kavrin::allPrintable({r.Lm, r.da, r.df, r.dm, r.RL, r.phim, in.dc, in.dj, in.K1, in.K1m, in.rpm, in.rrpm}))
        return std::nullopt;
    return r;
}

std::optional<std::vector<std::uint8_t>> pdaFileBytes(const DesignerInputs& in, const DesignerResult& r) {
    std::vector<std::uint8_t> b(kPdaBytes, 0);
    // Block 1 layout.
    f64(b, 0, in.a);
    f64(b, 16, in.i);
    f64(b, 24, in.K1);
    f64(b, 64, in.dp / 2);
    f64(b, 72, in.dPin / 2);
    i32(b, 88, static_cast<std::int32_t>(in.Zc));
    i32(b, 92, static_cast<std::int32_t>(in.Zp));
    // Block 4 layout, by mode; the mode where block 4 keeps its status word.
    const std::size_t b4 = 280;
    switch (in.mode) {
    case 1:
        f64(b, b4 + 0, in.delta);
        f64(b, b4 + 8, in.dc);
        break;
    case 2:
        f64(b, b4 + 40, in.drrp);
        f64(b, b4 + 24, in.dj);
        f64(b, b4 + 8, in.dc);
        break;
    case 3:
        f64(b, b4 + 32, in.drp);
        f64(b, b4 + 24, in.dj);
        f64(b, b4 + 8, in.dc);
        break;
    case 4:
        f64(b, b4 + 32, in.drp);
        f64(b, b4 + 40, in.drrp);
        f64(b, b4 + 24, in.dj);
        f64(b, b4 + 8, in.dc);
        break;
    default: break;
    }
    i32(b, b4 + 56, in.mode);
    // Block 5 layout.
    const std::size_t b5 = 368;
    f64(b, b5 + 0, r.da);
    f64(b, b5 + 8, r.df);
    f64(b, b5 + 24, r.Lm);
    f64(b, b5 + 40, r.phim);
    f64(b, b5 + 48, r.RL);
    f64(b, b5 + 56, r.dm / 2);
    // The points.
    std::vector<ProfilePoint> pts(401);
    auto at = [&in](double phi, double tau) { return designerPoint(in, phi, tau); };
    if (in.mode == 1) {
        const double tau = designerTurn(in);
        const double g = 6.283185308 / in.Zc;
        const double D = tau * 2 * kCexPi / g;
        const double step = (kCexPi - D) / 199;
        std::optional<ProfilePoint> p;
        if (!(p = at(0, 0))) return std::nullopt;
        pts[0] = *p;
        for (int k = 0; k <= 198; ++k) {
            if (!(p = at(k * step, tau))) return std::nullopt;
            pts[1 + k] = *p;
        }
        if (!(p = at(kCexPi, 0))) return std::nullopt;
        pts[200] = *p;
        for (int j = 0; j <= 198; ++j) {
            if (!(p = at(2 * kCexPi - D - j * step, tau))) return std::nullopt;
            pts[399 - j] = *p;
        }
        if (!(p = at(2 * kCexPi, 0))) return std::nullopt;
        pts[400] = *p;
    } else {
        for (int k = 0; k <= 400; ++k) {
            auto p = at(k * 0.01570796327, 0);
            if (!p) return std::nullopt;
            pts[k] = *p;
        }
    }
    for (int k = 0; k <= 400; ++k) {
        f64(b, 480 + 16 * k, pts[k].x);
        f64(b, 480 + 16 * k + 8, pts[k].y);
    }
    return b;
}

std::string pdaFileName(const std::string& chosen, bool* renamed) {
    std::filesystem::path p(chosen);
    std::string name = p.filename().string();
    const bool has = name.find(".PDA", 1) != std::string::npos;
    if (renamed) *renamed = !has;
    if (has) return chosen;
    auto dot = name.find('.', 1);
    name = dot == std::string::npos ? name + ".PDA" : name.substr(0, dot) + ".PDA";
    return (p.parent_path() / name).string();
}

std::string designerReportText(const DesignerInputs& in, const DesignerResult& r, const LocalTime& t) {
    std::string s;
    s += "\n\n\t**************************摆线轮自定义设计计算报告***************************\n\n";
    s += fw::format("\t\t执行程序:Dorrith V2.0\t\t完成时间:%d年%d月%d日%d时\n", t.year, t.month, t.day, t.hour);
    s += "\t项目                       符号及算式                              结果\n";
    s += "\t————————————————————————————————————————\n";
    const char* ddrrp = "\t正等距量:                  ΔRrp =                                 %.3f mm\n";
    switch (in.mode) {
    case 1:
        s += "\t修形方式:                                                          角移距修形齿廓\n";
        s += fw::format("\t角移距量:                  δ =                                    %.3f °\n", in.delta);
        break;
    case 2:
        s += "\t修形方式:                                                          正等距修形齿廓\n";
        s += fw::format(ddrrp, in.drrp);
        break;
    case 3:
        s += "\t修形方式:                                                          负移距修形齿廓\n";
        s += fw::format("\t负移距量:                  ΔRp =                                  -%.3fmm\n", in.drp);
        break;
    case 4:
        s += "\t修形方式:                                                          正等距加正移距修形齿廓\n";
        s += fw::format("\t正移距量:                  ΔRp =                                  %.3f mm\n", in.drp);
        s += fw::format(ddrrp, in.drrp);
        break;
    default: s += "\t修形方式:                                                          无修形的理论齿廓\n"; break;
    }
    s += fw::format("\t摆线轮齿数:                Zc =                                    %d \n", static_cast<int>(in.Zc));
    s += fw::format("\t针齿数:                    Zp =                                    %d\n", static_cast<int>(in.Zp));
    s += fw::format("\t传动比:                    i =                                     %.3f\n", in.i);
    s += fw::format("\t针齿圆直径:                dp =                                    %.3f mm\n", in.dp);
    s += fw::format("\t针齿直径:                  drp =                                   %.3f mm\n", in.dPin);
    s += fw::format("\t短幅系数:                  K1 =                                    %.3f\n", in.K1);
    s += fw::format("\t偏心距:                    a=                                      %.3f mm\n", in.a);
    if (in.dcAvailable)
        s += fw::format("\t侧向间隙:                  Δc =                                   %.4f mm\n", in.dc);
    else
        s += "\t侧向间隙:                  Δc =                                   — mm\n";
    s += fw::format("\t径向间隙:                  Δj =                                   %.4f mm\n", in.dj);
    s += fw::format("\t齿顶圆直径:                da =                                    %.3f mm \n", r.da);
    s += fw::format("\t齿根圆直径:                df =                                    %.3f mm \n", r.df);
    s += fw::format("\t量棒直径:                  dm =                                    %.2f mm\n", r.dm);
    s += fw::format("\t测量跨距:                  Lm =                                    %.3f mm\n", r.Lm);
    s += fw::format("\t量棒中心圆半径:            RL =                                    %.3f mm\n", r.RL);
    return s;
}

}  // namespace cycloid
