#include "cylindrical/calc/preliminary_report.h"

#include "common/calc/report.h"
#include "cylindrical/calc/preliminary.h"
#include "fw/format.h"

namespace cylindrical {

std::string preliminaryReportText(const CyPreRecord& r) {
    using fw::format;
    std::string s = kavrin::reportBanner(r.meshType == kMeshInternal ? "内啮合齿轮对预定计算报告"
                                                                     : "外啮合齿轮对预定计算报告");
    s += format("\t标题:  %s\n", r.title.c_str());
    s += format("\t工作程序:  KAVRIN Ver4.00\t编号：%s\t日期： %s\n", r.number.c_str(), r.date.c_str());
    s += kavrin::reportColumnHead();
    s += format("\t传动比:                i=Z2/Z1=                                     %.2f\n", r.i);
    s += format("\t输入转速:              ni=                                          %.2f r/min\n", r.ni);
    s += format("\t输出转速:              no=ni/i=                                     %.2fr/min\n", r.no);
    s += format("\t小齿轮齿数:            Z1=                                          %d\n", r.z1);
    s += format("\t大齿轮齿数:            Z2=i×Z1=                                    %d\n", r.z2);
    s += format("\t输出扭矩:              To=9549×P/No=                               %.2fN.m\n", r.t);
    s += format("\t传动功率:              P=No×To/9549=                               %.2fkW\n", r.p);
    s += format("\t齿宽系数:              φ=                                          %.2f\n", r.phiD);
    s += format("\t取法面模数:            mn=                                          %.2fmm\n", r.mn);
    s += format("\t端面模数:              mt=Max(mf,mh)=                               %.2fmm\n", r.ms);
    s += format("\t中心距:                A=m×(Z2±Z1)/2=                             %.2fmm\n", r.a);
    s += format("\t螺旋角:                β=180×arcCos(m/mt)/π=                     %d°%d′%d″\n", r.betaDeg,
                r.betaMin, r.betaSec);
    s += format("\t负载综合系数:          对于接触强度:k1=                              %.4f\n", r.k1);
    s += format("\t                      对于弯曲强度:k2=                              %.4f\n", r.k2);
    s += format("\t弯曲许用疲劳极限:      σw=                                          %.2fN/mm^2\n", r.sigmaFP);
    s += format("\t接触许用疲劳极限:      σh=                                          %.2fN/mm^2\n", r.sigmaHP);
    return s;
}

fw::Expected<void, fw::FileError> writePreliminaryReport(const std::filesystem::path& path, const CyPreRecord& r) {
    return kavrin::writeReport(path, preliminaryReportText(r), fw::TextFileWriter::Mode::Create);
}

}  // namespace cylindrical
