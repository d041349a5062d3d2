#include "bevel/geometry/calc/cycloidal_report.h"

#include "common/calc/angle_split.h"
#include "fw/format.h"

namespace bevel::aol {

namespace {

// An angle rounded to the places its format shows, then split.
std::string dms(const char* fmt, const kavrin::AngleDms& a, int secondPlaces = 1) {
    const kavrin::AngleDms r = kavrin::roundDms(a, secondPlaces);
    return fw::format(fmt, r.deg, r.min, r.sec);
}

}  // namespace

std::string cycloidalReport(const ConeGeomRecord& g, const CutterHeadRecord& head, int group) {
    const auto k = static_cast<std::size_t>(group < 0 ? 0 : group > 2 ? 2 : group);
    std::string s;
    s += "\n\t*************************** 奥利康圆锥齿轮几何计算报告******************************\n";
    s += fw::format("\n\t标题: %s\t编号: %s\n", g.title.c_str(), g.number.c_str());
    s += fw::format("\t执行程序: Kavrin Ver4.00\t日期: %s\n\n", g.date.c_str());
    s += "\t项目                     符号或计算公式                                结果\n";
    s += "\t————————————————————————————————————————————\n";
    s += fw::format("\t齿数:                    Z1= (预定)                                   %d\n", g.z1);
    s += fw::format("\t                        Z2= (预定)                                    %d\n", g.z2);
    s += fw::format("\t端面模数:                mt= (预定)                                   %.3fmm\n", g.mt);
    s += fw::format("\t参考点模数:              mp=                                          %.3fmm\n", g.mp);
    s += fw::format("\t齿形角:                  α= (预定)                                   %d°%d′%d″\n", g.alphaDeg,
                    g.alphaMin, g.alphaSec);
    s += fw::format("\t齿顶高系数:              ha*= (预定)                                  %.3f\n", g.haStar);
    s += fw::format("\t齿宽系数:                φR= (预定)                                  %.3f\n", g.phiR);
    s += dms("\t分锥角:                  δ1=arctg(Z1/Z2)=                            %2.0f°%2.0f′%2.1f″\n", g.delta1);
    s += dms("\t                        δ2＝90°-δ1=                                %2.0f°%2.0f′%2.1f″\n", g.delta2);
    s += fw::format("\t分度圆直径:              d1= m·Z1=                                   %.3fmm\n", g.d1);
    s += fw::format("\t                        d2= m Z2=                                    %.3fmm\n", g.d2);
    s += fw::format("\t锥距:                    R= d1/2sin(δ1)=                             %.3fmm\n", g.r);
    s += fw::format("\t齿宽:                    b= φR·R=                                   %.3f\n", g.b);
    s += fw::format("\t假想平面齿轮齿数:        Zc= Z2/sin(δ2)=                              %.3f\n", g.zp);
    s += fw::format("\t参考点锥距:              Rp= R-0.415b=                                %.3fmm\n", g.rp);
    s += fw::format("\t小端锥距:                Ri= R-b=                                     %.3fmm\n", g.ri);
    s += fw::format("\t中点螺旋角:              βm= (预定,程序调整)                          %d°%d′%d″\n", g.betaDeg,
                    g.betaMin, g.betaSec);
    s += dms("\t初定参考点点螺旋角:       βp'= 0.914(βm+6)°=                        %.0f°%.0f′%.2f″\n", g.betaP0, 2);
    s += fw::format("\t刀盘名义直径:            rb= (程序选定)                                %.0fmm\n", head.rb);
    s += fw::format("\t刀片组数:                Zω= (程序选定)                               %d\n", head.z0);
    s += fw::format("\t刀片号:                  (程序选定)                                   %.0f/%d\n", head.rb,
                    head.blade[k]);
    s += fw::format("\t刀具参考点模数名义值:     mp'= (程序选定)                              %.2fmm\n", head.mp[k]);
    s += fw::format("\t使用加工范围:                                                         %.2f～%.2fmm\n",
                    head.mMin[k], head.mMax[k]);
    s += fw::format("\t刀盘滚动圆半径:          Ebω= (程序选定)                              %.1fmm\n", head.eb[k]);
    s += fw::format("\t銑刀轴倾角:              Δα= (程序调整)                              %.2f°\n", g.tilt);
    s += fw::format("\t参考点法面模数:          mp= (程序计算)                                %.3fmm\n", g.mp);
    s += dms("\t参考点螺旋角:            βp= (程序选定)                               %2.0f°%2.0f′%2.1f″\n", g.betaP);
    s += fw::format("\t高变位系数:              χ1= (程序调整)                               %.3f\n", g.x1);
    s += fw::format("\t                        χ2＝(程序调整)                               %.3f\n", g.x2);
    s += fw::format("\t切向变位系数:            χτ1＝(程序调整)                             %.3f\n", g.xt1);
    s += fw::format("\t                        χτ2= (程序调整)                             %.3f\n", g.xt2);
    s += fw::format("\t全齿高:                  h= 2.15mp+0.35=                              %.3fmm\n", g.h);
    s += fw::format("\t齿顶高:                  ha1= (1.0+χ1) mp=                           %.3fmm\n", g.ha1);
    s += fw::format("\t                        ha2= (1.0+χ2) mp=                            %.3fmm\n", g.ha2);
    s += fw::format("\t齿根高:                  hf1= h-ha1=                                  %.3fmm\n", g.hf1);
    s += fw::format("\t                        hf2= h-ha2=                                  %.3fmm\n", g.hf2);
    s += fw::format("\t齿顶圆直径:              da1= d1+2ha1 cos(δ1)=                       %.3fmm\n", g.da1);
    s += fw::format("\t                        da2= d2+2ha2 cos(δ2)=                        %.3fmm\n", g.da2);
    s += fw::format("\t外锥高:                  Ak1= R·cos(δ1)-ha1·sin(δ1)=              %.3fmm\n", g.ak1);
    s += fw::format("\t                        Ak2= R·cos(δ2)-ha2·sin(δ2)=               %.3fmm\n", g.ak2);
    s += dms("\t大端螺旋角:              β= (程序计算)                                %2.0f°%2.0f′%2.1f″\n", g.betaOuter);
    s += dms("\t小端螺旋角:              βi= (程序计算)                               %2.0f°%2.0f′%2.1f″\n", g.betaInner);
    s += fw::format("\t端面重合度:              εα= (程序计算)                              %.3f\n", g.epsAlpha);
    s += fw::format("\t齿向重合度:              εβ= (程序计算)                              %.3f\n", g.epsBeta);
    s += fw::format("\t弧齿厚:                  s1= (程序计算)                               %.3fmm\n", g.s1);
    s += fw::format("\t                        s2= (程序计算)                                %.3fmm\n", g.s2);
    return s;
}

}  // namespace bevel::aol
