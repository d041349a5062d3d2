#include "bevel/rating/calc/rating_report.h"

#include "fw/format.h"

namespace bevel {

std::optional<std::string> reportRefusal(bool contactStands, bool bendingStands) {
    if (contactStands && bendingStands) return std::nullopt;
    const char* missing = !contactStands && !bendingStands ? "接触强度安全系数Sh和弯曲强度安全系数Sw"
                          : !contactStands                 ? "接触强度安全系数Sh"
                                                           : "弯曲强度安全系数Sw";
    return fw::format("尚未按当前数据算出%s，不能输出报告。请计算后再保存！", missing);
}

std::string ratingReportText(const RatingReport& r) {
    std::string out;
    auto add = [&out](const std::string& s) { out += s; };
    add(r.gear ? "\n\t******************************** 大圆锥齿轮强度校核计算报告 *********************************\n"
               : "\n\t******************************** 小圆锥齿轮强度校核计算报告 *********************************\n");
    add(fw::format("\n\t标题:\t%s\n", r.title.c_str()));
    add(fw::format("\t工作程序: KAVRIN Ver4.00\t图号：%s\t日期：%s\n\n", r.drawingNumber.c_str(), r.date.c_str()));
    add("\t项目                     符号或计算公式                                           结果\n");
    add("\t——————————————————————————————————————————————\n");
    add("\t1.齿轮对参数:\n");
    add(fw::format("\t小齿轮齿数:              Z1=                                                     %d\n", r.z1));
    add(fw::format("\t大齿轮齿数:              Z2=                                                     %d\n", r.z2));
    add(fw::format("\t法面压力角:              αn=                                                    %.4f°\n", r.alphaNDeg));
    add(fw::format("\t模数:                    mt=                                                     %.2f mm\n", r.m));
    add(fw::format("\t螺旋角:                  βm=                                                    %.4f°\n", r.betaMDeg));
    add(fw::format("\t端面重合度:              εα=                                                   %.4f\n", r.epsAlpha));
    add(fw::format("\t齿向重合度:              εβ=                                                   %.4f\n", r.epsBeta));
    add(fw::format("\t齿宽:                    b=                                                      %.2f mm\n", r.b));
    add("\n\t2.传动参数：\n");
    add(fw::format("\t传递扭矩:                T=                                                      (输入)%.4f N.m,(输出)%.4f N.m\n",
                   r.torque, r.outputTorque));
    add(fw::format("\t小齿轮转速:              n1=                                                     %.4f r/min\n", r.n1));
    add(fw::format("\t圆周力:                  Ftm = 2000*T/(1-0.5*φR)d1=                             %.4f N\n", r.ftm));
    switch (r.arrangement) {
        case DriveArrangement::Straight:
            add(fw::format("\t径向力:                  Frm1 = Ftm*tng(αn)*cos(δ1)=                           %.4f N\n", r.fr1));
            add(fw::format("\t                        Frm2 = Ftm*tng(αn)*cos(δ2)=                            %.4f N\n", r.fr2));
            add(fw::format("\t轴向力:                  Fxm1 = Ftm*tan(αn)*sin(δ1)=                           %.4f N\n", r.fx1));
            add(fw::format("\t                        Fxm2 = Ftm*tan(αn)*sin(δ2)=                            %.4f N\n", r.fx2));
            break;
        case DriveArrangement::FirstPairing:
            add(fw::format("\t径向力:                  Frm1=Ftm*(tng(αn)*cos(δ1)-sin(βm)*sin(δ1))/cos(βm)=%.4f N\n", r.fr1));
            add(fw::format("\t                        Frm2=Ftm*(tng(αn)*cos(δ2)+sin(βm)*sin(δ2))/cos(βm)= %.4f N\n", r.fr2));
            add(fw::format("\t轴向力:                  Fxm1=Ftm*(tng(αn)*sin(δ1)+sin(βm)*cos(δ1))/cos(βm)=%.4f N\n", r.fx1));
            add(fw::format("\t                        Fxm2=Ftm*(tng(αn)*sin(δ2)-sin(βm)*cos(δ2))/cos(βm)= %.4f N\n", r.fx2));
            break;
        case DriveArrangement::SecondPairing:
            add(fw::format("\t径向力:                  Frm1=Ftm*(tng(αn)*cos(δ1)+sin(βm)*sin(δ1))/cos(βm)=%.4f N\n", r.fr1));
            add(fw::format("\t                        Frm2=Ftm*(tng(αn)*cos(δ2)-sin(βm)*sin(δ2))/cos(βm)= %.4f N\n", r.fr2));
            add(fw::format("\t轴向力:                  Fxm1=Ftm*(tng(αn)*sin(δ1)-sin(βm)*cos(δ1))/cos(βm)=%.4f N\n", r.fx1));
            add(fw::format("\t                        Fxm2=Ftm*(tng(αn)*sin(δ2)+sin(βm)*cos(δ2))/cos(βm)= %.4f N\n", r.fx2));
            break;
    }
    add("\n\t3.与齿轮负载有关的系数：\n");
    add(fw::format("\t工况系数:                Ka=                                                     %.4f\n", r.kA));
    add(fw::format("\t动荷系数:                Kv=                                                     %.4f\n", r.kV));
    add(fw::format("\t齿向载荷分布系数         Kβ=                                                     %.4f\n", r.kBeta));
    add("\n\t4.接触疲劳强度校核：\n");
    add(fw::format("\t节点区域系数:            Zh=                                                     %.4f\n", r.zH));
    add(fw::format("\t弹性系数:                Ze=                                                     %.4f\n", r.zE));
    add(fw::format("\t接触强度的重合度系数:     Zε=                                                    %.4f\n", r.zEps));
    add(fw::format("\t接触强度的寿命系数:       Zn=                                                     %.4f\n", r.zN));
    add(fw::format("\t润滑系数                 ZL=                                                     %.4f\n", r.zL));
    add(fw::format("\t速度系数:                Zv=                                                     %.4f\n", r.zV));
    add(fw::format("\t粗糙度系数:              Zr=                                                     %.4f\n", r.zR));
    add(fw::format("\t工作硬化系数:            Zw=                                                     %.4f\n", r.zW));
    add(fw::format("\t计算接触应力:            σ'Hlim=                                                %.4f MPa\n", r.sigmaH));
    add(fw::format("\t试验齿轮接触疲劳极限:     σHlim=                                                 %.4f MPa\n", r.sigmaHP));
    add(fw::format("\t接触强度安全系数:        Sh=                                                     %.4f\n", r.sH));
    add("\n\t5.弯曲疲劳强度校核：\n");
    add(fw::format("\t齿形系数:                Yf=                                                     %.4f\n", r.yF));
    add(fw::format("\t弯曲强度的重合度系数:     Yε=                                                    %.4f\n", r.yEps));
    add(fw::format("\t螺旋角系数:              Yβ=                                                    %.4f\n", r.yBeta));
    add(fw::format("\t弯曲强度的寿命系数:       Yn=                                                     %.4f\n", r.yN));
    add(fw::format("\t刀盘直径影响系数:        Y0=                                                     %.4f\n", r.y0));
    add(fw::format("\t尺寸系数:                Yx=                                                    %.4f\n", r.yX));
    add(fw::format("\t计算弯曲应力:            σ'wlim=                                                %.4f MPa\n", r.sigmaF));
    add(fw::format("\t试验齿轮弯曲疲劳极限:     σWlim=                                                 %.4f MPa\n", r.sigmaFP));
    add(fw::format("\t弯曲强度安全系数:        Sw=                                                     %.4f\n", r.sF));
    add("\n\t******* 完。OK!");
    return out;
}

}  // namespace bevel
