#include "smallmodule/calc/smcy_report.h"

#include <cmath>

#include "fw/format.h"

namespace smallmodule {

namespace {

const char* const kHeadings[] = {
    "\n\n\t********************平行轴小模数圆柱齿轮对计算报告********************\n",
    "\n\n\t***************斜齿、直齿交错轴小模数圆柱齿轮对计算报告****************\n",
    "\n\n\t*****************和角交错轴小模数圆柱斜齿轮对计算报告******************\n",
    "\n\n\t******************垂直交错轴小模数圆柱齿轮对计算报告*******************\n",
};

// Days since 1970-01-01 of a civil date and back (proleptic Gregorian).
std::int64_t daysOfCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// A deviation over rods lies below the nominal size: the record holds its
// magnitude and the row prints it with its minus ("-0.096mm"), except where
// it rounds to zero in the row's format ("0.000mm", fw::format's rule for a
// value shown as zero).
std::string belowNominal(const char* fmt, double magnitude) { return fw::format(fmt, -magnitude); }

}  // namespace

fw::Date dateOfSeconds(std::int64_t seconds) {
    std::int64_t z = (seconds >= 0 ? seconds : seconds - 86399) / 86400 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2));
    return {year, month, day};
}

std::int64_t secondsOfDate(const fw::Date& d, std::int64_t timeOfDayFrom) {
    std::int64_t tod = timeOfDayFrom % 86400;
    if (tod < 0) tod += 86400;
    return daysOfCivil(d.year, d.month, d.day) * 86400 + tod;
}

std::string smallModuleReport(const CySmRecord& r) {
    const SmInput& in = r.in;
    const SmResult& o = r.out;
    const int pattern = static_cast<int>(in.pattern);
    const bool crossed = isCrossed(in.pattern);
    const fw::Date date = dateOfSeconds(r.date);
    std::string s = kHeadings[pattern >= 0 && pattern < kPatternCount ? pattern : 0];
    s += fw::format("\t标题:  %s\n", r.title.c_str());
    s += fw::format("\t工作程序:  KAVRIN V4.00\t编号：%s\t日期：%d年%d月%d日\n", r.number.c_str(), date.year, date.month, date.day);
    s += "\t项目                  符号或计算公式                           结果\n\t————————————————————————————————\n";
    s += "\t1.几何参数:\n";
    s += fw::format("\t法面模数:             Mn=                                     %.3fmm\n", in.mn);
    s += fw::format("\t螺 旋 角:             β1=                                    %.5f°\n", in.beta1);
    s += fw::format("\t                     β2=                                     %.5f°\n", o.g2.beta);
    s += fw::format("\t节圆螺旋角:           β'1=                                   %.3f°\n", o.g1.betaP);
    s += fw::format("\t                     β'2=                                    %.3f°\n", o.g2.betaP);
    s += fw::format("\t基园螺旋角:           βj1=                                   %.3f°\n", o.g1.betaB);
    s += fw::format("\t                     βj2=                                    %.3f°\n", o.g2.betaB);
    s += fw::format("\t轴 错 角:             Σ=                                     %.4f°\n", in.sigma);
    s += fw::format("\t端面模数:             Mt1=                                    %.3fmm\n", o.g1.mt);
    s += fw::format("\t                     Mt2=                                    %.3fmm\n", o.g2.mt);
    s += fw::format("\t齿顶高系数:            ha*=                                    %.2f\n", in.haStar);
    s += fw::format("\t齿顶隙系数:           C*=                                     %.2f\n", in.cStar);
    s += fw::format("\t变位系数:             χn1=                                   %.3f\n", o.g1.xn);
    s += fw::format("\t                     χn2=                                    %.3f\n", o.g2.xn);
    s += fw::format("\t总变位系数:           Σχn=                                  %.3f\n", o.sumX);
    s += fw::format("\t法面压力角:           αn=                                    %.3f°\n", in.alpha);
    s += fw::format("\t端面压力角:           αt1=                                   %.3f°\n", o.g1.alphaT);
    s += fw::format("\t                     αt2=                                   %.3f°\n", o.g2.alphaT);
    s += fw::format("\t齿顶压力角:           αat1=                                  %.3f°\n", o.g1.alphaAt);
    s += fw::format("\t                     αat2=                                   %.3f°\n", o.g2.alphaAt);
    s += fw::format("\t分度圆直径:           d1=                                     %.3fmm\n", o.g1.d);
    s += fw::format("\t                     d2=                                     %.3fmm\n", o.g2.d);
    s += fw::format("\t齿顶圆直径:           da1=                                    %.3fmm\n", o.g1.da);
    s += fw::format("\t                     da2=                                    %.3fmm\n", o.g2.da);
    s += fw::format("\t齿根圆直径:           df1=                                    %.3fmm\n", o.g1.df);
    s += fw::format("\t                     df2=                                    %.3fmm\n", o.g2.df);
    s += fw::format("\t基圆直径:             dj1=                                    %.3fmm\n", o.g1.db);
    s += fw::format("\t                     dj2=                                    %.3fmm\n", o.g2.db);
    s += fw::format("\t过渡圆角半径:         ρf=                                    %.3fmm\n", r.rhoF);
    s += "\n\t2.啮合特性参数:\n";
    s += fw::format("\t齿    数:             z1=                                     %d\n", o.g1.z);
    s += fw::format("\t                     z2=                                     %d\n", o.g2.z);
    if (crossed) {
        s += fw::format("\t无间隙轴距:           a =                                     %.5fmm\n", o.a);
        s += fw::format("\t啮合轴距:             a'=                                     %.5fmm\n", in.aw);
        s += std::abs(in.aw - o.a) < 0.001 ? "\t（实际啮合:           无侧间隙，正常啮合。）\n"
                                          : "\t（实际啮合:           有侧间隙，非正常啮合。）\n";
    } else {
        s += fw::format("\t未变位中心距:         a =                                     %.3fmm\n", o.a);
        s += fw::format("\t啮合轴距:             a'=                                     %.3fmm\n", in.aw);
    }
    s += fw::format("\t节圆端面压力角:       αt'1=                                   %.3f°\n", o.g1.alphaWt);
    s += fw::format("\t                     αt'2=                                   %.3f°\n", o.g2.alphaWt);
    s += fw::format("\t节圆直径:             d'1=                                    %.3fmm\n", o.g1.dw);
    s += fw::format("\t                     d'2=                                    %.3fmm\n", o.g2.dw);
    if (crossed) {
        s += fw::format("\t公共齿条法面模数:      Mn'=                                   %.3fmm\n", o.mnP);
        s += fw::format("\t公共齿条法面压力角:    αn'=                                  %.3f°\n", o.alphaNP);
    }
    s += fw::format("\t最小齿宽:             B=                                      %.3fmm\n", o.b);
    s += fw::format("\t齿数比:               u=                                      %.3f\n", in.u);
    s += fw::format("\t重合度:               ε=                                     %.3f\n", o.eps);
    s += fw::format("\t滑动摩擦系数:         f=                                      %.3f\n", in.f);
    s += fw::format("\t平均啮合效率:         η=                                     %.3f\n", o.eta);
    s += "\n\t3.测量参数:\n";
    s += fw::format("\t公法线长度:           W1=                                     %.3fmm\n", o.g1.w);
    s += fw::format("\t跨测齿数:             Kw1=                                    %d\n", o.g1.kw);
    s += fw::format("\t    下偏差:           ΔWi1=                                  %.3fmm\n", r.dev.dWi1);
    s += fw::format("\t    上偏差:           ΔWs1=                                  %.3fmm\n", r.dev.dWs1);
    s += fw::format("\t公法线长度:           W2=                                     %.2fmm\n", o.g2.w);
    s += fw::format("\t跨测齿数:             Kw2=                                    %d\n", o.g2.kw);
    s += fw::format("\t    下偏差:           ΔWi2=                                  %.3fmm\n", r.dev.dWi2);
    s += fw::format("\t    上偏差:           ΔWs2=                                  %.3fmm\n", r.dev.dWs2);
    s += fw::format("\t量棒直径:             dmp=                                    %.3fmm\n", o.dmp);
    s += fw::format("\t跨 测 距:             Mp1=                                    %.3fmm\n", o.g1.mp);
    s += belowNominal("\t    下偏差:           ΔMi1=                                  %.3fmm\n", r.dev.dMi1);
    s += belowNominal("\t    上偏差:           ΔMs1=                                  %.3fmm\n", r.dev.dMs1);
    s += fw::format("\t跨 测 距:             Mp2=                                    %.3fmm\n", o.g2.mp);
    s += belowNominal("\t    下偏差:           ΔMi2=                                  %.3fmm\n", r.dev.dMi2);
    s += belowNominal("\t    上偏差:           ΔMs2=                                  %.3fmm\n", r.dev.dMs2);
    return s;
}

fw::Expected<void, SmSaveFailure> saveCySmFile(const CySmRecord& r, const std::filesystem::path& data,
                                               const std::filesystem::path& report, std::int64_t timeStamp) {
    if (auto fault = cySmRecordFault(r)) return fw::unexpected(SmSaveFailure{std::move(fault), {}});
    auto done = kavrin::saveDesignAndReport(data, cySmFileBytes(r, timeStamp), report, smallModuleReport(r),
                                            fw::SaveTransaction::Mode::Replace);
    if (!done) return fw::unexpected(SmSaveFailure{std::nullopt, done.error()});
    return {};
}

}  // namespace smallmodule
