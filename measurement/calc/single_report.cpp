#include "measurement/calc/single_report.h"

#include <cmath>

#include "common/calc/report.h"
#include "fw/format.h"
#include "measurement/calc/single_measure.h"

namespace measurement {

namespace {

// Columns of the symbol and of the value, in code page 936 bytes after the tab.
constexpr std::size_t kSymbolColumn = 22;
constexpr std::size_t kValueColumn = 62;

std::string rule() {
    std::string s = "\t";
    for (int i = 0; i < 32; ++i) s += "—";
    return s + "\n";
}

std::string mm(double v, const char* fmt = "%.2fmm") { return fw::format(fmt, v); }

}  // namespace

std::string measureLine(std::string_view item, std::string_view symbol, std::string_view value) {
    // The addendum coefficient's line sits one column further right, as in
    // the suite's other reports.
    const std::size_t symbolColumn = kSymbolColumn + (item == "齿顶高系数:" ? 1 : 0);
    return '\t' + kavrin::padColumns(item, symbolColumn) + kavrin::padColumns(symbol, kValueColumn - kSymbolColumn) +
           std::string(value) + "\n";
}

std::string angleText(double degrees) {
    // Millionths of a second first, so that the noise of a computed 20°
    // (19.99999999999999°) cannot truncate to 19°59′59″.
    const double micro = std::round(std::fabs(degrees) * 3600e6);
    if (!(micro < 1e17)) return fw::format("%.3f°", degrees);
    const auto s = static_cast<long long>(micro) / 1000000;
    return fw::format("%s%lld°%lld′%lld″", degrees < 0 && s > 0 ? "-" : "", s / 3600, s / 60 % 60, s % 60);
}

std::string singleReportText(std::int32_t kind, const CyMeasureRecord& r, const CivilDate& date,
                             const std::string& checkSection) {
    const bool internal = kind == kKindSingleInternal;
    const int s = internal ? 1 : 0;
    const char* sign = internal ? "＋" : "－";
    std::string t = internal
        ? "\n\n\t*************************单个圆柱齿轮（内齿轮）测绘计算报告************************\n"
        : "\n\n\t*************************单个圆柱齿轮（外齿轮）测绘计算报告************************\n";
    t += fw::format("\t标题:  %s\n", r.title.c_str());
    t += fw::format("\t工作程序:  KAVRIN V4.00\t编号：%s\t日期：%d年%d月%d日\n", r.number.c_str(), date.year,
                    date.month, date.day);
    t += "\t项目                  符号或计算公式                            结果\n";
    t += rule();
    t += "\t1.几何参数:\n";
    t += measureLine("法面模数:", "mn=", mm(r.mn, "%.3fmm"));
    t += measureLine("螺 旋 角:", "β=", helixText({r.betaDeg, r.betaMin, r.betaSec}));
    t += measureLine("端面模数:", "mt=", mm(r.mt));
    t += measureLine("齿    数:", "Z=", fw::format("%u", r.z[s]));
    t += measureLine("齿顶高系数:", "ha*=", fw::format("%.2f", r.haStar));
    t += measureLine("齿顶隙系数:", "tC*=", fw::format("%.2f", r.cStar));
    t += measureLine("变位系数:", "χn=", fw::format("%.3f", r.xn[s]));
    t += measureLine("法面压力角:", "αn=", fw::format("%.3f°", r.alphaN));
    t += measureLine("端面压力角:", "αt=", fw::format("%.3f°", r.alphaT));
    t += measureLine("齿顶压力角:", "αat=", fw::format("%.3f°", r.alphaAt[s]));
    t += measureLine("分度圆直径:", "d=", mm(r.d[s]));
    t += measureLine("齿顶高:", "ha=", mm(r.ha[s]));
    t += measureLine("齿根高:", "hf=", mm(r.hf[s]));
    t += measureLine("齿顶圆直径:", "da=", mm(r.da[s]));
    t += measureLine("齿根圆直径:", "df=", mm(r.df[s]));
    t += measureLine("基圆直径:", "dj=", mm(r.db[s]));
    t += measureLine("当量齿数:", "Zv=", fw::format("%.3f", r.zv[s]));
    t += "\t2.测量参数:\n";
    t += measureLine("固定弦齿高:", "hc=", mm(r.hc[s]));
    t += measureLine("固定弦齿厚:", "Sc=", mm(r.sc[s]));
    t += measureLine("公法线长度:", "W=", mm(r.w[s]));
    t += measureLine("跨测齿数:", "Kw=", fw::format("%u", r.kw[s]));
    t += "\t公法线长度偏差:\n";
    t += measureLine("    下偏差:", "ΔWi=", sign + mm(r.dWi[s], "%.3fmm"));
    t += measureLine("    上偏差:", "ΔWs=", sign + mm(r.dWs[s], "%.3fmm"));
    t += measureLine("量棒直径:", "dmp=", mm(r.dp));
    t += measureLine("跨 测 距:", "Mp=", mm(r.mp[s]));
    t += "\t跨测距偏差:\n";
    t += measureLine("    下偏差:", "ΔMi=", sign + mm(r.dMi[s], "%.3fmm"));
    t += measureLine("    上偏差:", "ΔMs=", sign + mm(r.dMs[s], "%.3fmm"));
    t += "\n\t3.切齿检验:\n";
    t += checkSection;
    t += "\n\n\t——OK——\n";
    return t;
}

}  // namespace measurement
