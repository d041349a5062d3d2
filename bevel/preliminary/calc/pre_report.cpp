#include "bevel/preliminary/calc/pre_report.h"

#include "fw/format.h"

namespace bevel {

std::string conePreReport(const ConePreRecord& r) {
    std::string s;
    auto add = [&s](const std::string& line) { s += line; };
    std::string rule;
    for (int n = 0; n < 42; ++n) rule += "—";
    add("\n\t**************************** 圆锥齿轮预定计算报告******************************\n");
    add(fw::format("\n\t标题: %s\t编号: %s\n", r.title.c_str(), r.number.c_str()));
    add(fw::format("\t执行程序: Kavrin Ver4.00\t日期: %s\n\n", r.date.c_str()));
    add("\t项目                   符号或计算公式                                结果\n");
    add("\t" + rule + "\n");
    add(fw::format("\t法面压力角:            α=                                          %d°%d′%d″\n", r.alphaDeg,
                   r.alphaMin, r.alphaSec));
    add(fw::format("\t中点螺旋角:            βm=                                         %d°%d′%d″\n", r.betaDeg,
                   r.betaMin, r.betaSec));
    add(fw::format("\t齿顶隙系数:            c=                                           %.3f\n", r.cStar));
    add(fw::format("\t齿顶高系数:            ha*=                                         %.3f\n", r.haStar));
    add(fw::format("\t传动比:                i=                                           %.3f\n", r.i));
    add(fw::format("\t输入转速:              n1=                                          %.3fr/min\n", r.n1));
    add(fw::format("\t输出转速:              n2=                                          %.3fr/min\n", r.n2));
    add(fw::format("\t传动功率:              P=                                           %.2fkW\n", r.p));
    add(fw::format("\t输出扭矩:              T=                                           %.1fN.m\n", r.t));
    add(fw::format("\t小齿轮齿数:            Z1=                                          %u\n", r.z1));
    add(fw::format("\t大齿轮齿数:            Z2=                                          %u\n", r.z2));
    add(fw::format("\t小齿轮高变位系数:      χ1=                                          %.3f\n", r.x1));
    add(fw::format("\t大齿轮高变位系数:      χ2=                                          %.3f\n", r.x2));
    add(fw::format("\t小齿轮切向变位系数:     χτ1=                                       %.3f\n", r.xt1));
    add(fw::format("\t大齿轮切向变位系数:     χτ2=                                       %.3f\n", r.xt2));
    add(fw::format("\t工况系数:              ka=                                          %.3f\n", r.ka));
    add(fw::format("\t接触负载分布系数:      Khβ=                                         %.3f\n", r.khBeta));
    add(fw::format("\t弯曲负载分布系数:      Kwβ=                                         %.3f\n", r.kwBeta));
    add(fw::format("\t齿形系数:              yf=                                          %.3f\n", r.yf));
    const bool known = r.toothSystem >= 0 && r.toothSystem < kToothSystemCount;
    add(fw::format("\t齿形制:                                                             %s\n",
                   known ? kToothSystemNames[static_cast<std::size_t>(r.toothSystem)] : ""));
    add(fw::format("\t接触强度:              σHlim=                                      %.1fMPa\n", r.sigmaHlim));
    add(fw::format("\t弯曲强度:              σwlim=                                      %.1fMPa\n", r.sigmaFlim));
    add(fw::format("\t模数:                  mt=                                          %.3fmm\n", r.mt));
    return s;
}

}  // namespace bevel
