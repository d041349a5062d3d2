#include "measurement/calc/pair_report.h"

#include "common/calc/report.h"
#include "fw/format.h"
#include "measurement/calc/single_measure.h"
#include "measurement/calc/single_report.h"

namespace measurement {

namespace {

// The second line of a pair: no item, the symbol one column left of the
// first line's, the value one column left too (as the other reports print them).
std::string second(std::string_view symbol, std::string_view value) {
    return "\t" + std::string(21, ' ') + kavrin::padColumns(symbol, 40) + std::string(value) + "\n";
}

std::string mm(double v, const char* fmt = "%.2fmm") { return fw::format(fmt, v); }

}  // namespace

std::string pairReportText(const CyMeasureRecord& r, const CivilDate& date, const std::string& checkSection) {
    const bool internal = r.type == 1;
    const std::string sign2 = internal ? "＋" : "－";
    const std::string sign1 = "－";
    std::string t = internal
        ? "\n\n\t********************圆柱齿轮对（内啮合）测绘计算报告**********************\n"
        : "\n\n\t********************圆柱齿轮对（外啮合）测绘计算报告**********************\n";
    t += fw::format("\t标题:  %s\n", r.title.c_str());
    t += fw::format("\t工作程序:  KAVRIN V4.00\t编号：%s\t日期：%d年%d月%d日\n", r.number.c_str(), date.year,
                    date.month, date.day);
    t += "\t项目                  符号或计算公式                            结果\n\t";
    for (int i = 0; i < 32; ++i) t += "—";
    t += "\n\t1.几何参数:\n";
    t += measureLine("法面模数:", "mn=", mm(r.mn, "%.3fmm"));
    t += measureLine("螺 旋 角:", "β=", helixText({r.betaDeg, r.betaMin, r.betaSec}));
    t += measureLine("端面模数:", "mt=", mm(r.mt));
    t += measureLine("齿    数:", "Z1=", fw::format("%u", r.z[0]));
    t += second("Z2=", fw::format("%u", r.z[1]));
    t += measureLine("齿顶高系数:", "ha*=", fw::format("%.2f", r.haStar));
    t += measureLine("齿顶隙系数:", "C*=", fw::format("%.2f", r.cStar));
    t += measureLine("变位系数:", "χn1=", fw::format("%.3f", r.xn[0]));
    t += second("χn2=", fw::format("%.3f", r.xn[1]));
    t += measureLine("法面压力角:", "αn=", angleText(r.alphaN));
    t += measureLine("端面压力角:", "αt=", angleText(r.alphaT));
    t += measureLine("齿顶压力角:", "αat1=", fw::format("%.3f°", r.alphaAt[0]));
    t += second("αat2=", fw::format("%.3f°", r.alphaAt[1]));
    t += measureLine("分度圆直径:", "d1=", mm(r.d[0]));
    t += second("d2=", mm(r.d[1]));
    t += measureLine("齿顶高:", "ha1=", mm(r.ha[0]));
    t += second("ha2=", mm(r.ha[1]));
    t += measureLine("齿根高:", "hf1=", mm(r.hf[0]));
    t += second("hf2=", mm(r.hf[1]));
    t += measureLine("齿顶圆直径:", "da1=", mm(r.da[0]));
    t += second("da2=", mm(r.da[1]));
    t += measureLine("齿根圆直径:", "df1=", mm(r.df[0]));
    t += second("df2=", mm(r.df[1]));
    t += measureLine("基圆直径:", "dj1=", mm(r.db[0]));
    t += second("dj2=", mm(r.db[1]));
    t += measureLine("当量齿数:", "Zv1=", fw::format("%.3f", r.zv[0]));
    t += second("Zv2=", fw::format("%.3f", r.zv[1]));
    t += "\n\t2.啮合特性参数:\n";
    t += measureLine("啮合轴距:", "a'=", mm(r.aw));
    t += measureLine("啮 合 角:", "α'=", angleText(r.alphaW));
    t += measureLine("节圆直径:", "d1'=", mm(r.dw[0]));
    t += second("d2'=", mm(r.dw[1]));
    t += measureLine("重合度:", "ε=", fw::format("%.3f", r.epsilon));
    t += "\n\t3.测量参数:\n";
    t += measureLine("固定弦齿高:", "hc1=", mm(r.hc[0]));
    t += second("hc2=", mm(r.hc[1]));
    t += measureLine("固定弦齿厚:", "Sc1=", mm(r.sc[0]));
    t += second("Sc2=", mm(r.sc[1]));
    t += measureLine("公法线长度:", "W1=", mm(r.w[0], "%.3fmm"));
    t += measureLine("跨测齿数:", "Kw1=", fw::format("%u", r.kw[0]));
    t += measureLine("    下偏差:", "ΔWi1=", sign1 + mm(r.dWi[0], "%.3fmm"));
    t += measureLine("    上偏差:", "ΔWs1=", sign1 + mm(r.dWs[0], "%.3fmm"));
    t += measureLine("公法线长度:", "W2=", mm(r.w[1], "%.2fmm"));
    t += measureLine("跨测齿数:", "Kw2=", fw::format("%u", r.kw[1]));
    t += measureLine("    下偏差:", "ΔWi2=", sign2 + mm(r.dWi[1], "%.3fmm"));
    t += measureLine("    上偏差:", "ΔWs2=", sign2 + mm(r.dWs[1], "%.3fmm"));
    t += measureLine("量棒直径:", "dmp=", mm(r.dp, "%.3fmm"));
    t += measureLine("跨 测 距:", "Mp1=", mm(r.mp[0], "%.3fmm"));
    t += measureLine("    下偏差:", "ΔMi1=", sign1 + mm(r.dMi[0], "%.3fmm"));
    t += measureLine("    上偏差:", "ΔMs1=", sign1 + mm(r.dMs[0], "%.3fmm"));
    t += measureLine("跨 测 距:", "Mp2=", mm(r.mp[1], "%.3fmm"));
    t += measureLine("    下偏差:", "ΔMi2=", sign2 + mm(r.dMi[1], "%.3fmm"));
    t += measureLine("    上偏差:", "ΔMs2=", sign2 + mm(r.dMs[1], "%.3fmm"));
    t += "\n\t4.切齿检验:\n";
    t += checkSection;
    t += "\n\n\t——OK——\n";
    return t;
}

}  // namespace measurement
