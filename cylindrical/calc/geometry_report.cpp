#include "cylindrical/calc/geometry_report.h"

#include <algorithm>
#include <cmath>

#include "common/calc/report.h"
#include "cylindrical/calc/preliminary.h"
#include "fw/format.h"

namespace cylindrical {

namespace {

using fw::format;

constexpr double kRadToDeg = 180 / 3.141592653589793;
constexpr const char* kDash = "—";

// Item and result columns of the page 2 to 4 sections (after the tab).
constexpr std::size_t kItemWidth = 14;
constexpr std::size_t kResultColumn = 67;

std::string rule(int dashes) {
    std::string s = "\t";
    for (int i = 0; i < dashes; ++i) s += kDash;
    return s + "\n";
}

// "\t" + item padded to the symbol column + symbol padded to the result
// column + value + "\n".
std::string item(std::string_view name, std::string_view symbol, const std::string& value,
                 std::size_t resultColumn = kResultColumn) {
    return '\t' + kavrin::padColumns(name, kItemWidth) + kavrin::padColumns(symbol, resultColumn - kItemWidth) +
           value + "\n";
}

// A line that starts with its own prefix: the value after at least one blank
// at the result column.
std::string prefixed(std::string_view prefix, const std::string& value, std::size_t resultColumn = kResultColumn) {
    return '\t' + kavrin::padColumns(prefix, resultColumn) + value + "\n";
}

bool internal(MeshType mesh) { return mesh == MeshType::Internal; }

std::string spanText(const std::optional<int>& k) { return k ? format("%.0f", static_cast<double>(*k)) : kDash; }
std::string lengthText(const std::optional<double>& w) { return w ? format("%.4fmm", *w) : kDash; }

std::string cutterLines(const char* head, const char* suffix, const ReportCutter& c) {
    // Labels of the three schemes differ only by their suffix ("", "1", "2").
    std::string sfx = suffix;
    std::string s = head;
    s += format("\n\t  齿数:         %s", kavrin::padColumns("Z0" + sfx + "=", 53).c_str()) + format("%d", c.z0);
    s += format("\n\t  分度圆直径:   %s", kavrin::padColumns("d0" + sfx + "=", 53).c_str()) + format("%.2f", c.d0);
    s += format("\n\t  外圆直径:     %s", kavrin::padColumns("Da0" + sfx + "=", 53).c_str()) + format("%.2f", c.da0);
    s += format("\n\t  齿顶高系数:   %s", kavrin::padColumns("h0" + sfx + "=", sfx == "1" ? 54 : 53).c_str()) +
         format("%.2f", c.ha0);
    s += format("\n\t  变位系数:     %s", kavrin::padColumns("χ0" + sfx + "=", 53).c_str()) + format("%.2f", c.x0);
    return s;
}

std::string checkLines(const PairCheckSection& c) {
    if (c.pinionNoScheme && c.gearNoScheme) return c.resultText;
    if (c.items.empty()) return kMsgNoCheck;
    std::string s;
    std::size_t rows = std::min(c.items.size(), c.results.size());
    for (std::size_t i = 0; i < rows; ++i) s += format("\t%s——%s\n", c.items[i].c_str(), c.results[i].c_str());
    if (c.commonCutter) return s + cutterLines("\n\t插齿刀方案(公用):", "", c.pinionCutter);
    if (!c.pinionNoScheme) s += cutterLines("\n\t小齿轮插齿刀方案:", "1", c.pinionCutter);
    if (!c.gearNoScheme) s += cutterLines("\n\t大(内)齿轮插齿刀方案:", "2", c.gearCutter);
    return s;
}

}  // namespace

const char* pinionHandText(int hand) {
    static constexpr const char* kTexts[] = {"左", "右", "直齿"};
    return kTexts[std::clamp(hand, 0, kHandCount - 1)];
}

const char* gearHandText(int hand) {
    static constexpr const char* kTexts[] = {"右", "左", "直齿"};
    return kTexts[std::clamp(hand, 0, kHandCount - 1)];
}

const char* meshLabel(MeshType mesh) { return internal(mesh) ? "内  啮  合" : "外  啮  合"; }

std::string gearPageTitle(const std::string& title, GearSide side, MeshType mesh) {
    if (side == GearSide::Pinion) return title + "--小齿轮";
    return title + (internal(mesh) ? "--内齿轮" : "--大齿轮");
}

std::string gearPageNumber(const std::string& number, GearSide side) {
    return number + (side == GearSide::Pinion ? "-1" : "-2");
}

std::string pairReportSection(const PairState& p, const DesignTexts& t, const PairCheckSection& check) {
    bool in = internal(p.meshType);
    std::string s = in ? "\n\t***********************内啮合圆柱齿轮对（修正）计算报告*************************\n"
                       : "\n\t***********************外啮合圆柱齿轮对（修正）计算报告*************************\n";
    s += "\t标题：" + t.title + "\n";
    s += "\t工作程序：KAVRIN Ver4.00\t图号:" + t.number + "\t日期:" + t.date + "\n\n";
    s += "\t项目            符号或计算公式                                        结果\n";
    s += rule(41);
    s += format("\t小齿轮齿数:     Z1=                                                  %d\n", p.z1);
    s += format("\t大齿轮齿数:     Z2=                                                  %d\n", p.z2);
    s += format("\t法面压力角:     αn=                                                 %d°%d′%d″\n", p.alphaN.deg,
                p.alphaN.min, p.alphaN.sec);
    s += format("\t法面模数:       mn=                                                  %.2f mm\n", p.mn);
    s += format("\t齿顶高系数:     ha*=                                                 %.2f\n", p.haStar);
    s += format("\t螺旋角:         β=                                                  %d°%d′%d″\n", p.beta.deg,
                p.beta.min, p.beta.sec);
    s += format("\t当量齿数:       Zv1=Z1/Cos＾3β=                                     %.3f\n", p.zv1);
    s += format("\t当量齿数:       Zv2=Z2/Cos＾3β=                                     %.3f\n", p.zv2);
    if (in)
        s += format("\t标准齿轮中心距: Ad=mt(Z2-Z1)/2=                                      %.3f mm\n", p.ad);
    else
        s += format("\t标准齿轮中心距: Ad=mt(Z2+Z1)/2=                                      %.3f mm\n", p.ad);
    s += format("\t啮合中心距:     A=                                                   %.3f mm\n", p.a);
    s += format("\t端面啮合角:     αwt=arcCos(Ad×Cosαt/A)=                           %.4f°\n", p.alphaWtDeg);
    s += format("\t移距系数:       yn=(A-Ad)/mn=                                        %.3f\n", p.yn);
    s += format("\t中心距变动系数: yt=(A-Ad)/mt=                                        %.3f\n", p.yt);
    if (in)
        s += format("\t总变位系数:     Σχ=(Z2-Z1)(invαwt-invαt)/2tgαn=                  %.4f\n", p.sumX);
    else
        s += format("\t总变位系数:     Σχ=(Z2+Z1)(invαwt-invαt)/2tgαn=                  %.4f\n", p.sumX);
    s += format("\t小齿轮变位系数: χn1=分配系数C1+分配系数C2×Σχ=                      %.4f\n", p.xn1);
    if (in)
        s += format("\t内齿轮变位系数: χn2=Σχ-(-χn1)=                                    %.4f\n\n", p.xn2);
    else
        s += format("\t大齿轮变位系数: χn2=Σχ-(+χn1)=                                    %.4f\n\n", p.xn2);
    s += "\t校验结果：\n";
    return s + checkLines(check);
}

std::string pinionListing(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t) {
    bool inner = internal(in.meshType);
    std::string s = " 项  目     计  算  公  式         结  果\n";
    s += "-------------------------------------------\n";
    if (!inner) {
        s += format("端面模数：   Mt=Mn/cos(β) =        %.2fmm\n", g.mt);
        s += format("齿旋向：                            %s\n", t.hand.c_str());
    }
    s += format("齿根隙系数： Cn =                   %.3f\n", in.cStar);
    s += format("分度圆直径： d1=Mt×Z1 =            %.3fmm\n", g.d);
    if (inner)
        s += format("齿顶高：  ha1=(ha*+χn2-yn)Mn=      %.3fmm\n", g.ha);
    else
        s += format("齿顶高：  ha1=(ha*-χn2+yn)Mn=      %.3fmm\n", g.ha);
    s += format("齿根高：  hf1=(han*+Cn*-χn1)Mn=    %.3fmm\n", g.hf);
    s += format("齿顶圆直径: da1=d1+2ha1=            %.3fmm\n", g.da);
    s += format("齿根圆直径: df1=d1-2hf1=            %.3fmm\n", g.df);
    if (!inner) s += format("端面压力角:αt=arctg(tgα/cosβ)= %.4f°\n", g.alphaTRad * kRadToDeg);
    if (inner)
        s += format("节圆直径： dw1=2a[Z1/(Z2-Z1)]=      %.3fmm\n", g.dw);
    else
        s += format("节圆直径： dw1=2a[Z1/(Z2+Z1)]=      %.3fmm\n", g.dw);
    s += format("基圆直径：  db1=d1×cosαt=         %.3fmm\n", g.db);
    s += format("齿顶圆压力角:αat1=arc cos(db1/da1)=%.4f°\n", g.alphaAtRad * kRadToDeg);
    return s;
}

std::string pinionReportSection(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t) {
    bool inner = internal(in.meshType);
    std::string s = "\n\t*****************************小齿轮Z1几何计算报告******************************\n";
    s += "\t标题：" + t.title + "\n";
    s += "\t工作程序: KAVRIN Ver4.00\t图号：" + t.number + "\n\n";
    s += "\t项目          符号计算公式                                         结果\n";
    s += rule(41);
    s += item("端面模数:", "mt=mn/cos(β) =", format("%.2fmm", g.mt));
    s += item("齿旋向:", "", t.hand);
    s += item("齿根隙系数:", "Cn=", format("%.3f", in.cStar));
    s += item("分度圆直径:", "d1=mt×Z1=", format("%.3fmm", g.d));
    s += item("齿顶高:", inner ? "ha1=(ha*+χn2-yn)mn=" : "ha1=(ha*-χn2+yn)mn=", format("%.3fmm", g.ha));
    s += item("齿根高:", "hf1=(ha*+c*-χn1)mn=", format("%.3fmm", g.hf));
    s += item("齿顶圆直径:", "da1=d1+2han1=", format("%.3fmm", g.da));
    s += item("齿根圆直径:", "df1=d1-2hfn1=", format("%.3fmm", g.df));
    if (!inner) s += item("端面压力角:", "αt=arctg(tgαn/cosβ)=", format("%.4f°", g.alphaTRad * kRadToDeg));
    s += item("节圆直径:", inner ? "dw1=2a[Z1/(Z2-Z1)]=" : "dw1=2a[Z1/(Z2+Z1)]=", format("%.3fmm", g.dw));
    s += item("基圆直径:", "db1=d1×cosαt=", format("%.3fmm", g.db));
    s += item("齿顶压力角:", "αat1=arc cos(db1/da1)=", format("%.3f°", g.alphaAtRad * kRadToDeg));
    return s;
}

std::string gearListing(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t) {
    bool inner = internal(in.meshType);
    std::string s = "\n工作程序:     KAVRIN V4.00\n名称：        " + t.title + "\n图号：        " + t.number + "\n\n";
    s += " 项  目     计  算  公  式         结  果\n";
    s += "--------------------------------------------\n";
    s += format("端面模数：   mt=mn/cos(β) =       %.3fmm\n", g.mt);
    if (!inner) s += format("齿旋向：                           %s\n", t.hand.c_str());
    s += format("齿根隙系数： Cn =                  %.3f\n", in.cStar);
    s += format("分度圆直径： d2=mt×Z2 =           %.3fmm\n", g.d);
    if (inner) {
        s += format("齿顶高：  ha2=(ha*-χn1-yn)mn=     %.3fmm\n", g.ha);
        s += format("齿根高: hf2=[han*+Cn*+χn2)]mn=    %.3fmm\n", g.hf);
        s += format("齿顶圆直径: da2=d2-2ha2=           %.3fmm\n", g.da);
        s += format("齿根圆直径: df2=d2+2hf2)=          %.3fmm\n", g.df);
    } else {
        s += format("齿顶高：  ha2=(ha*-χn1+yn)mn=     %.3fmm\n", g.ha);
        s += format("齿根高: hf2=[han*+Cn*-χn2)]mn=    %.3fmm\n", g.hf);
        s += format("齿顶圆直径: da2=d2+2ha2=           %.3fmm\n", g.da);
        s += format("齿根圆直径: df2=d2-2hf2)=          %.3fmm\n", g.df);
    }
    s += format("端面压力角:αt=arctg(tgα/cosβ)=  %.4f°\n", g.alphaTRad * kRadToDeg);
    if (inner)
        s += format("节圆直径： dw2=2a[Z2/(Z2-Z1)]=     %.3fmm\n", g.dw);
    else
        s += format("节圆直径： dw2=2a[Z2/(Z2+Z1)]=     %.3fmm\n", g.dw);
    s += format("基圆直径：  db2=d2×cosαt=        %.3fmm\n", g.db);
    s += format("齿顶压力角:αat2=arcCos(db2/da2)=  %.4f°\n", g.alphaAtRad * kRadToDeg);
    return s;
}

std::string gearReportSection(const PairGeometryInput& in, const GearDimensions& g, const GearPageTexts& t) {
    bool inner = internal(in.meshType);
    std::string s = inner
        ? "\n\t*******************************内齿轮Z2几何计算报告**********************************\n"
        : "\n\t*******************************大齿轮Z2几何计算报告**********************************\n";
    s += "\t标题：" + t.title + "  \n";
    s += "\t工作程序: KAVRIN Ver4.00\t图号：" + t.number + "\n\n";
    s += "\t项目          符号或计算公式                                           结果\n";
    s += rule(57);
    if (!inner) {
        s += item("端面模数:", "mt=mn/cos(β) =", format("%.2fmm", g.mt));
        s += item("齿旋向:", "", t.hand);
    }
    s += item("齿根隙系数:", "Cn=", format("%.3f", in.cStar));
    s += item("分度圆直径:", "d2=mt×Z2=", format("%.3fmm", g.d));
    if (inner) {
        s += item("齿顶高:", "ha2=(ha*-χn1-yn)mn=", format("%.3fmm", g.ha));
        s += item("齿根高:", "hf2=(ha*+c*+χn2)mn=", format("%.3fmm", g.hf));
        s += item("齿顶圆直径:", "da2=d2-2ha2=", format("%.3fmm", g.da));
        s += item("齿根圆直径:", "df2=d2+2hf2=", format("%.3fmm", g.df));
    } else {
        s += item("齿顶高:", "ha2=(ha*-χn1+yn)mn=", format("%.3fmm", g.ha));
        s += item("齿根高:", "hf2=(ha*+c*-χn2)mn=", format("%.3fmm", g.hf));
        s += item("齿顶圆直径:", "da2=d2+2ha2=", format("%.3fmm", g.da));
        s += item("齿根圆直径:", "df2=d2-2hf2=", format("%.3fmm", g.df));
    }
    s += item("端面压力角:", "αt=arctg(tgαn/cosβ)=", format("%.4f°", g.alphaTRad * kRadToDeg));
    s += item("节圆直径:", inner ? "dw2=2a[Z2/(Z2-Z1)]=" : "dw2=2a[Z2/(Z2+Z1)]=", format("%.3fmm", g.dw));
    s += item("基圆直径:", "db2=d2×cosαt=", format("%.3fmm", g.db));
    s += item("齿顶圆压力角:", "αat2=arc cos(db2/da2)=", format("%.4f°", g.alphaAtRad * kRadToDeg));
    return s;
}

std::string characteristicListing(const CharacteristicInput& in, const Characteristic& c) {
    bool inner = internal(in.pair.meshType);
    std::string s = " 项  目     计  算  公  式         结  果\n";
    s += "------------------------------------------\n";
    s += format("端面重合度:ε1=[Z1(tgαat1-tgαwt)\n        ±Z2(tgαat2-tgαwt)]/2π=  %.4f\n", c.epsAlpha);
    s += format("齿向重合度:ε2=b Sinβ/πMn=        %.4f\n", c.epsBeta);
    s += format("总重合度:  ε=ε1+ε2=              %.4f\n", c.epsGamma);
    s += "跨测齿数:  k1=                      " + spanText(c.span1.k) + "\n";
    s += "           k2=                      " + spanText(c.span2.k) + "\n";
    s += "公法线长度:W1=W1*+ΔW1=       " + lengthText(c.span1.w) + "\n";
    s += "           W2=W2*+ΔW2=       " + lengthText(c.span2.w) + "\n";
    // The pinion's addendum is that of its mesh (as its tip diameter has it).
    s += format(inner ? "分度圆弦齿高:hn1=(ha*+χn2-yn)Mn+\n   [1-Cos(π/2Zv1+2χn1tgαn/Zv1)]Mn·Zv1/2=\n %.4fmm\n"
                      : "分度圆弦齿高:hn1=(ha*-χn2+yn)Mn+\n   [1-Cos(π/2Zv1+2χn1tgαn/Zv1)]Mn·Zv1/2=\n %.4fmm\n",
                c.hn1);
    if (c.hn2)
        s += format("            hn2=(ha*-χn1+yn)Mn+\n   [1-Cos(π/2Zv2+2χn2tgαn/Zv2)]Mn·Zv2/2=\n %.4fmm\n", *c.hn2);
    if (!inner) {
        s += format("分度圆弦齿厚:\n Sn1=Mn·Zv1·Sin(π/2Zv1+2χn1tgαn/Zv1)=\n %.4fmm\n", c.sn1);
        s += format(" Sn2=Mn·Zv2·Sin(π/2Zv2+2χn2tgαn/Zv2)=\n %.4fmm\n", c.sn2.value_or(0));
    } else {
        s += format("分度圆弦齿厚:Sn1=Mn·Zv1·\n   Sin(π/2Zv1+2χn1tgαn/Zv1)=     %.4fmm\n", c.sn1);
        PinDimension pin = c.pin.value_or(PinDimension{});
        s += format("量棒直径: dp=1.65Mn=             %.3fmm\n", pin.dp);
        s += format("测量圆压力角: αmt=              %.3fmm\n", pin.alphaMRad);
        if (in.pair.z2 % 2 == 0)
            s += format("测量跨距: Mt=Mt·Z2·Cosαt/Cosαmt=  %.3fmm\n", pin.mp);
        else
            s += format("测量跨距:Mt=Cos(90/Z2)Mt·Z2·Cosαt\n          /Cosαmt=               %.3fmm\n", pin.mp);
    }
    s += format("齿宽：B= %.3fmm\n", in.b);
    return s;
}

std::string characteristicReportSection(const CharacteristicInput& in, const Characteristic& c,
                                        const DesignTexts& t) {
    bool inner = internal(in.pair.meshType);
    std::string s = inner
        ? "\n\t***************************内啮合齿轮特性参数计算报告******************************\n"
        : "\n\t***************************外啮合齿轮特性参数计算报告******************************\n";
    s += "\t标题：" + t.title + "\n";
    s += "\t工作程序:  KAVRIN Ver4.00\t图号: " + t.number + "\n\n";
    s += "\t项目          符号或计算公式                                        结果\n";
    s += rule(46);
    if (inner)
        s += format("\t端面重合度:   ε1=[Z1(tgαat1-tgαwt)-Z2(tgαat2-tgαwt)]/2π=      %.4f\n", c.epsAlpha);
    else
        s += format("\t端面重合度:   ε1=[Z1(tgαat1-tgαwt)+Z2(tgαat2-tgαwt)]/2π=      %.4f\n", c.epsAlpha);
    s += format("\t齿向重合度:   ε2=b Sinβ/π·mn=                                   %.4f\n", c.epsBeta);
    s += format("\t总重合度:     ε=ε1+ε2=                                          %.4f\n", c.epsGamma);
    s += format("\t齿宽:          B =                                                 %.3fmm\n", in.b);
    s += "\t跨测齿数:     k1=                                                  " + spanText(c.span1.k) + "\n";
    s += "\t              k2=                                                  " + spanText(c.span2.k) + "\n";
    s += "\t公法线长度:   W1=W1*+ΔW1=                                         " + lengthText(c.span1.w) + "\n";
    s += "\t              W2=W2*+ΔW2=                                         " + lengthText(c.span2.w) + "\n";
    s += prefixed(inner ? "分度圆弦齿高: hn1=(ha*+χn2-yn)mn+[1-Cos(π/2Zv1+2χn1tgαn/Zv1)]mn·Zv1/2="
                        : "分度圆弦齿高: hn1=(ha*-χn2+yn)mn+[1-Cos(π/2Zv1+2χn1tgαn/Zv1)]mn·Zv1/2=",
                  format("%.4fmm", c.hn1));
    if (c.hn2)
        s += prefixed("             hn2=(ha*-χn1+yn)mn+[1-Cos(π/2Zv2+2χn2tgαn/Zv2)]mn·Zv2/2=",
                      format("%.4fmm", *c.hn2));
    s += format("\t分度圆弦齿厚: Sn1=mn·Zv1·Sin(π/2Zv1+2χn1tgαn/Zv1)=             %.4fmm\n", c.sn1);
    if (!inner) {
        s += prefixed("             Sn2=mn·Zv2·Sin(π/2Zv2+2χn2tgαn/Zv2)=", format("%.4fmm", c.sn2.value_or(0)), 68);
        return s;
    }
    PinDimension pin = c.pin.value_or(PinDimension{});
    s += format("\t量棒直径:     dp=1.68mn=                                           %.3fmm\n", pin.dp);
    s += format("\t测量圆压力角: αmt=                                                %.3fmm\n", pin.alphaMRad);
    if (in.pair.z2 % 2 == 0)
        s += format("\t测量跨距: Mp=mt·Z2·Cosαt/Cosαmt=                           %.3fmm\n", pin.mp);
    else
        s += format("\t测量跨距: Mp=Cos(90/Z2)mt·Z2·Cosαt/Cosαmt=                 %.3fmm\n", pin.mp);
    return s;
}

fw::Expected<void, fw::FileError> appendReportSection(const std::filesystem::path& report, const std::string& utf8) {
    return kavrin::writeReport(report, utf8, fw::TextFileWriter::Mode::Append);
}

std::string pairReportOpenFailure(const std::filesystem::path& report) {
    return format("不能打开报告文件%s", report.string().c_str());
}

std::string pageReportOpenFailure(const std::filesystem::path& report) {
    return format("不能打开报告文件%s!", report.string().c_str());
}

}  // namespace cylindrical
