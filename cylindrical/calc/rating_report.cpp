#include "cylindrical/calc/rating_report.h"

#include <cmath>

#include "fw/format.h"

namespace cylindrical {

namespace {

// A value as the report prints it: what is not finite prints as 0.
double v(double x) { return std::isfinite(x) ? x : 0.0; }

}  // namespace

std::string ratingReportText(const RatingReportData& d) {
    std::string text = d.ratedGear == 1
        ? "\n\t****************************  大齿轮强度校核计算报告  *******************************\n"
        : "\n\t****************************  小齿轮强度校核计算报告  *******************************\n";
    text += fw::format("\n\t标题:%s\n\n", d.title.c_str());
    text += fw::format("\t工作程序：KAVRIN Ver4.00\t图号：%s   日期：%s）\n\n", d.drawingNo.c_str(), d.date.c_str());
    text += "\t项目                    符号或计算公式                    结果\n";
    text += "\t————————————————————————————————————————\n";
    text += "\t1.齿轮对参数：\n";
    text += fw::format("\t小齿轮齿数:               Z1=                              %u\n", d.z1);
    text += fw::format("\t大齿轮齿数:               Z2=                              %u\n", d.z2);
    text += fw::format("\t法面压力角:               αn=                             %.4f°\n", v(d.alphaNDeg));
    text += fw::format("\t法面模数:                 mn=                              %.2f mm\n", v(d.mn));
    text += fw::format("\t螺旋角:                   β=                              %.4f°\n", v(d.betaDeg));
    text += fw::format("\t端面重合度:               εα=                            %.4f\n", v(d.epsAlpha));
    text += fw::format("\t齿向重合度:               εβ=                            %.4f\n", v(d.epsBeta));
    text += fw::format("\t齿宽:                     b=                               %.2f mm\n\n", v(d.b));
    text += "\t2.传动参数：\n";
    text += fw::format("\t传递扭矩:                 T=                               %.4f N.m\n", v(d.torque));
    text += fw::format("\t小齿轮转速:               n1=                              %.4f r/min\n", v(d.n1));
    text += fw::format("\t传动比                    i=Z2/Z1=                         %.4f\n", v(d.u));
    text += fw::format("\t圆周力:                   Ft=2000T·Cos(β)/(Z1·mn)=      %.4f N\n", v(d.ft));
    text += fw::format("\t径向力:                   Fr=Ft·tg(αn)/cos(β)=          %.4f N\n", v(d.fr));
    text += fw::format("\t轴向力:                   Fx=Ft·tg(β)=                   %.4f N\n", v(d.fx));
    text += fw::format("\t法向力:                   Fn=Ft/[Cos(αn)Cos(β)]=         %.4f N\n\n", v(d.fn));
    text += "\t3.与齿轮负载有关的系数：\n";
    text += fw::format("\t工况系数:                 Ka=                              %.4f\n", v(d.kA));
    text += fw::format("\t动荷系数:                 Kv=                              %.4f\n", v(d.kV));
    text += fw::format("\t接触强度的端面载荷分布系数:Khα=                            %.4f\n", v(d.kHalpha));
    text += fw::format("\t弯曲强度的端面载荷分布系数:Kfα=                            %.4f\n", v(d.kFalpha));
    text += fw::format("\t齿向载荷分布系数:         Kβ=                              %.4f\n\n", v(d.kHbeta));
    text += "\t4.接触疲劳强度校核:\n";
    text += fw::format("\t节点区域系数:             Zh=                              %.4f\n", v(d.zH));
    text += fw::format("\t弹性系数:                 Ze=                              %.4f\n", v(d.zE));
    text += fw::format("\t接触强度的重合度系数:      Zε=                             %.4f\n", v(d.zEps));
    text += fw::format("\t接触强度的寿命系数:        Zn=                              %.4f\n", v(d.zN));
    text += fw::format("\t润滑系数:                 ZL=                              %.4f\n", v(d.zL));
    text += fw::format("\t速度系数:                 Zv=                              %.4f\n", v(d.zV));
    text += fw::format("\t光洁度系数:               Zr=                              %.4f\n", v(d.zR));
    text += fw::format("\t工作硬化系数:             Zw=                              %.4f\n", v(d.zW));
    text += fw::format("\t计算接触应力:             σ'hlim=                         %.4f MPa\n", v(d.sigmaH));
    text += fw::format("\t试验齿轮接触疲劳极限:      σHlim=                          %.4f MPa\n", v(d.sigmaHP));
    text += fw::format("\t接触强度安全系数:         Sh=                              %.4f\n\n", v(d.sH));
    text += "\t5.弯曲疲劳强度校核：\n";
    text += fw::format("\t齿形系数:                 Yf=                              %.4f\n", v(d.yFa));
    text += fw::format("\t弯曲强度的重合度系数:      Yε=                             %.4f\n", v(d.yEps));
    text += fw::format("\t螺旋角系数:               Yβ=                             %.4f\n", v(d.yBeta));
    text += fw::format("\t弯曲强度的寿命系数:        Yn=                              %.4f\n", v(d.yN));
    text += fw::format("\t应力集中系数:             Ys=                              %.4f\n", v(d.yS));
    text += fw::format("\t尺寸系数:                 Yx=                              %.4f\n", v(d.yX));
    text += fw::format("\t计算弯曲应力:             σ'wlim=                         %.4f MPa\n", v(d.sigmaF));
    text += fw::format("\t试验齿轮弯曲疲劳极限:      σWlim=                          %.4f MPa\n", v(d.sigmaFP));
    text += fw::format("\t弯曲强度安全系数:         Sw=                              %.4f\n", v(d.sF));
    text += "\n\t     ******* 完。OK!";
    return text;
}

fw::Expected<void, fw::FileError> appendRatingReport(const std::filesystem::path& report,
                                                     const RatingReportData& d) {
    auto writer = fw::TextFileWriter::open(report, fw::TextFileWriter::Mode::Append);
    if (!writer) return fw::unexpected(writer.error());
    writer->write(ratingReportText(d));
    return writer->close();
}

}  // namespace cylindrical
