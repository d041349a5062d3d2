#include "cycloid/calc/cex_report.h"

#include <span>

#include "fw/format.h"
#include "fw/text.h"

namespace cycloid {

namespace {

template <std::size_t N>
std::string fieldText(const std::array<char, N>& f) {
    return fw::readField(std::span<const char>(f.data(), f.size()));
}

}  // namespace

std::string cexReportText(const CexDesignRecord& r) {
    const auto& b1 = r.b1;
    const auto& b2 = r.b2;
    const auto& b3 = r.b3;
    const auto& b4 = r.b4;
    const auto& b5 = r.b5;
    const auto& b6 = r.b6;
    std::string s;
    auto add = [&s](const std::string& line) { s += line; };
    add("\n\n\t*****************************摆线优化设计计算报告*****************************\n\n");
    add(fw::format("\t执行程序:Kavrin Ver4.00\t\t执行日期:%s\n", fieldText(b1.date).c_str()));
    add(fw::format("\t标题: %s\t编号: %s\n\n", fieldText(b1.title).c_str(), fieldText(b1.number).c_str()));
    add("\t项目                       符号或计算公式                         结果\n");
    std::string rule = "\t";
    for (int k = 0; k < 41; ++k) rule += "—";
    add(rule + "\n");

    if (b1.status == kStatus1) {
        add("\t1. 摆线针轮啮合预定参数:\n");
        add(fw::format("\t传动功率:                  P=                                      %.2f kW\n", b1.P));
        add(fw::format("\t传动比:                    i =                                     %.2f\n", b1.i));
        add(fw::format("\t输出扭矩:                  T =                                     %.2f N.m\n", b1.Tc));
        add(fw::format("\t传动效率:                  η =                                    %.3f\n", b1.eta));
        add(fw::format("\t短幅系数:                  K1 =                                    %.3f\n", b1.K1));
        add(fw::format("\t针径系数:                  K2 =                                    %.3f\n", b1.K2));
        add(fw::format("\t偏心距:                    a=                                      %.2f mm\n", b1.a));
        add(fw::format("\t针齿中心圆半径:            Rp =                                    %.2f mm\n", b1.Rp));
        add(fw::format("\t针齿套半径:                Rrp =                                   %.2f mm\n", b1.Rrp));
        add(fw::format("\t针齿数:                    Zp =                                    %d \n", static_cast<int>(b1.Zp)));
        add(fw::format("\t摆线轮齿数:                Zc =                                    %d\n\n", static_cast<int>(b1.Zc)));
    } else {
        add("\t1. 摆线针轮啮合预定参数:没有保存数据或数据格式不正确！\n\n");
    }

    if (b2.status == kStatus2) {
        add("\t2. 主要另部件基本尺寸与受力:\n");
        add(fw::format("\t摆线轮齿顶圆直径:          dac =                                   %.4f mm\n", b2.dac));
        add(fw::format("\t摆线轮齿根圆直径:          dfc =                                   %.4f mm\n", b2.dfc));
        add(fw::format("\t摆线轮轴承孔直径:          dDi =                                   %.2f mm\n", b2.dDi));
        add(fw::format("\t摆线轮齿宽:                bc =                                    %.2f mm\n", b1.bc));
        add(fw::format("\t摆线轮柱销孔分布圆直径:     Dw =                                    %.2f mm\n", b2.Dw));
        add(fw::format("\t摆线轮柱销孔直径:          dw =                                    %.2f mm\n", b2.dw));
        add(fw::format("\t摆线轮柱销孔直径公差:       下偏差 EI_dw =                          %.3f mm\n", b2.EI_dw));
        add(fw::format("\t                          上偏差 ES_dw =                           %.3f mm\n", b2.ES_dw));
        add(fw::format("\t柱销套直径:                drw =                                   %.2f mm\n", b2.drw));
        add(fw::format("\t柱销直径:                  dsw =                                   %.2f mm\n", b2.dsw));
        add(fw::format("\t柱销数:                    X2 =                                    %d\n", b2.X2));
        add(fw::format("\t受力柱销数:                Nz =                                    %d\n", b2.Nz));
        add(fw::format("\t柱销上最大受力:            Qmax =                                  %.2f N\n", b2.Qmax));
        add(fw::format("\t柱销最大变形量:            εmax =                                 %.3fmm\n", b2.epsMax));
        add(fw::format("\t柱销弯曲安全系数:          Sf =                                    %.3f\n", b2.Sf));
        add(fw::format("\t针齿分布圆直径:            dp =                                    %.2f mm\n", b2.dp));
        add(fw::format("\t针齿套直径:                drp =                                   %.2f mm\n", b2.drp));
        add(fw::format("\t针齿销直径:                dsp =                                   %.2f mm\n", b2.dsp));
        add(fw::format("\t针齿销支点数:              X1 =                                    %d\n", b2.X1));
        add(fw::format("\t隔离环厚:                  δt =                                   %.2f mm\n", b2.dt));
        add(fw::format("\t针齿销支距:                l =                                     %.2f mm\n\n", b2.l));
        add("\t3. 输出机构部件材料性能指标:\n");
        add(fw::format("\t柱销抗弯疲劳强度:          σflim=                                  %.1f MPa\n", b2.sigmaFlim));
        add(fw::format("\t弯曲负载影响系数:          Kw=                                     %.1f\n\n", b2.Kw));
    } else {
        add("\t2. 主要另部件基本尺寸与受力:没有保存数据或数据格式不正确！\n\n");
        add("\t3. 输出机构材料性能指标:没有保存数据或数据格式不正确！\n\n");
    }

    if (b3.status == kStatus3) {
        add("\t4. 角修正有关参数：\n");
        add(fw::format("\t各公差的选用等级:          IT:                                     %d \n", b3.grade + 4));
        add(fw::format("\t考虑润滑所需啮合间隙:       ΔR=                                    %.4f mm\n", b3.dR));
        add(fw::format("\t齿根圆直径上偏差:          ΔfEs=                                   %.4f mm\n", b3.dfEs));
        add(fw::format("\t销孔组作用位置公差:         Δwl=                                   %.4f mm\n", b3.dwl));
        add(fw::format("\t摆线齿周节差公差:          Δpt=                                    %.4f mm\n", b3.dpt));
        add(fw::format("\t侧间隙:                    Δc=                                    %.4f mm\n", b3.dc));
        add(fw::format("\t径向间隙:                  Δj=                                    %.4f mm\n", b3.dj));
        add(fw::format("\t角修正移距量:              δ=                                     %.4f °\n\n", b3.delta));
    } else {
        add("\t4. 角修正有关参数:没有保存数据或数据格式不正确！\n\n");
    }

    if (b4.status == kStatus4) {
        add("\t5. 优化移距量（δ=0.0）:\n");
        add(fw::format("\t正等距修形量:              Δrrp=                                  %.4f mm\n", b4.drrp));
        add(fw::format("\t正移距修形量:              Δrp=                                   %.4fmm\n", b4.drp));
        add(fw::format("\t修形齿廓平均差距:          Δs=                                     %.4f mm\n", b4.ds));
        add(fw::format("\t修正短幅系数:              K'1=                                    %.4f MPa\n\n", b4.K1m));
    } else {
        add("\t5. 优化移距量:没有保存数据或数据格式不正确！\n\n");
    }
    if (b3.status != kStatus3) add("\n\n");

    if (b5.status == kStatus5) {
        add("\t6. 公法线检测数据:\n");
        add(fw::format("\t测量点传动角位移:          φa=                                     %.3f °\n", b5.phiA));
        add("\t测量点座标:\n");
        add(fw::format("\t                          Xa=                                     %.4f mm\n", b5.Xa));
        add(fw::format("\t                          Ya=                                     %.4f mm\n", b5.Ya));
        add(fw::format("\t测量圆棒直径:              dt=                                     %.2f mm\n", 2 * b5.rodRadius));
        add(fw::format("\t跨测齿数:                  n=                                      %d \n", b5.n));
        add(fw::format("\t量棒中心圆半径:            RL=                                     %.4f mm\n", b5.RL));
        add(fw::format("\t测量跨距:                  Ln=                                     %.4f mm\n", b5.Ln));
        add(fw::format("\t法线斜率:                  Ka=                                     %.4f mm\n", b5.Ka));
        add(fw::format("\t修形齿根圆直径:            dfc=                                    %.4f mm\n", b5.dfc));
        add(fw::format("\t修形齿顶圆直径:            dac=                                    %.4f mm\n\n", b5.dac));
    } else {
        add("\t6. 公法线检测数据:没有保存数据或数据格式不正确！\n\n");
    }

    if (b6.status == kStatus6) {
        add("\t7. 啮合副强度校核:\n");
        add(fw::format("\t针齿最大作用力:            Fmax=                                   %.2f N\n", b6.Fmax));
        add(fw::format("\t针齿销最大变形量:          δmax=                                   %.2f mm\n", b6.deltaMax));
        add(fw::format("\t针齿销弯曲变形转角:         θ=                                     %.2f °\n", b6.theta));
        if (b2.pinsLeftOut == 1) add("\t采取抽齿设计方案:\n");
        add(fw::format("\t啮合齿数:                  Zn=                                     %d \n", b6.Zn));
        add(fw::format("\t接触应力幅:                σH=                                    %.2f MPa\n", b6.sigmaH));
        add(fw::format("\t弯曲应力幅:                σF=                                    %.2f MPa\n", b6.sigmaF));
        add(fw::format("\t接触安全系数:              SH=                                     %.2f \n", b6.SH));
        add(fw::format("\t弯曲安全系数:              SF=                                     %.2f \n\n", b6.SF));
        add("\t8. 啮合副材料性能指标:\n");
        add(fw::format("\t材料接触疲劳极限:          σHp=                                    %.2f MPa\n", b6.sigmaHp));
        add(fw::format("\t材料接触疲劳极限:          σFp=                                    %.2f MPa\n", b6.sigmaFp));
        add(fw::format("\t材料弹性模量:              E=                                      %.2f MPa\n", b6.E));
        add(fw::format("\t材料泊桑比:                μ=                                     %.2f \n", b6.mu));
    } else {
        add("\t7. 啮合副强度校核:没有保存数据或数据格式不正确！\n\n");
        add("\t8. 啮合副材料性能指标:没有保存数据或数据格式不正确！\n\n");
    }
    add("\n\t......完！OK!......\n");
    return s;
}

}  // namespace cycloid
