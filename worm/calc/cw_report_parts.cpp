#include "worm/calc/cw_report_parts.h"

#include "fw/format.h"

namespace worm::report {

std::string mm(double v) { return fw::format("%.2fmm", v); }
std::string deg(double v) { return fw::format("%.2f°", v); }
std::string bare(double v) { return fw::format("%.2f", v); }
std::string whole(std::int32_t v) { return fw::format("%d", v); }

std::string head(const CwGeomRecord& g, const std::string& banner, const std::string& columns, int dashes) {
    std::string s = banner;
    s += fw::format("\n\t标题：%s\t编号: %s\n", g.title.c_str(), g.number.c_str());
    s += fw::format("\t执行程序：Kavrin Ver4.00\t日期：%s\n\n", g.date.c_str());
    s += columns;
    for (int i = 0; i < dashes; ++i) s += "—";
    s += "\n";
    return s;
}

std::string basicDesign(const CwGeomRecord& g, const Line& line) {
    std::string s = "\t2.基本设计:\n";
    s += line("蜗杆头数:", "Z1 =", whole(g.z1));
    s += line("蜗轮齿数:", "Z2 =", whole(g.z2));
    s += line("未变位中心距:", "a =", mm(g.a));
    s += line("啮合中心距:", "a' =", mm(g.aw));
    s += line("齿数比:", "u = Z2/Z1 =", bare(double(g.z2) / g.z1));
    s += line("蜗轮变位系数:", "χ2 =", bare(g.x2));
    return s;
}

std::string wormPitchesAndAngles(const CwGeomRecord& g, const Line& line) {
    std::string s = line("法面模数:", "mn1 =", mm(g.mn1));
    s += line("蜗杆轴向齿距:", "Px1 =", mm(g.px1));
    s += line("蜗杆螺旋线导程:", "Pz1 =", mm(g.pz1));
    s += line("蜗杆轴向压力角:", "αx =", deg(g.alphaX));
    s += line("蜗杆法向压力角:", "αn =", deg(g.alphaN));
    return s;
}

std::string wormHeights(const CwGeomRecord& g, const Line& line, double clearance) {
    std::string s = line("蜗杆齿顶高:", "ha1 =", mm(g.ha1));
    s += line("蜗杆齿根高:", "hf1 =", mm(g.hf1));
    s += line("蜗杆全齿高:", "h1 =", mm(g.h1));
    s += line("齿顶隙系数:", "C* =", bare(clearance));
    return s;
}

std::string wormDiameters(const CwGeomRecord& g, const Line& line) {
    std::string s = line("蜗杆齿顶圆直径:", "da1 =", mm(g.da1));
    s += line("蜗杆齿根圆直径:", "df1 =", mm(g.df1));
    s += line("蜗杆齿宽:", "b1 =", mm(g.b1));
    return s;
}

std::string wheelSection(const CwGeomRecord& g, const Line& line, double betaM2) {
    std::string s = "\t4.蜗轮几何参数:\n";
    s += line("蜗轮分度圆(节圆)螺旋角:", "β2 = γ’=", deg(g.gammaW));
    s += line("蜗轮中圆螺旋角:", "βm2 =", deg(betaM2));
    s += line("蜗轮分度圆(节圆)直径:", "d2 = d2’=", mm(g.d2));
    s += line("蜗轮中圆直径:", "dm2 =", mm(g.dm2));
    s += line("蜗轮齿顶高:", "ha2 =", mm(g.ha2));
    s += line("蜗轮齿根高:", "hf2 =", mm(g.hf2));
    s += line("蜗轮全齿高:", "h2 =", mm(g.h2));
    s += line("蜗轮齿顶圆(喉圆)直径:", "da2 =", mm(g.da2));
    s += line("蜗轮齿根圆直径:", "df2 =", mm(g.df2));
    s += line("蜗轮外圆直径:", "de2 =", mm(g.de2));
    s += line("蜗轮齿宽:", "b2 =", mm(g.b2));
    s += line("蜗轮齿宽(包容)角:", "θ =", deg(g.theta));
    s += line("蜗轮喉部半径:", "Rg =", mm(g.rg));
    return s;
}

}  // namespace worm::report
