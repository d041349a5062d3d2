#include "worm/calc/cw_record_check.h"

#include <algorithm>
#include <cmath>

#include "fw/format.h"

namespace worm {

bool usableNumber(double v) { return std::isfinite(v) && (v == 0 || std::isnormal(v)); }

namespace {

constexpr const char* kNotANumber = "不是有效数值";
constexpr const char* kNotPositive = "应为正值";
constexpr const char* kNotAcute = "应在0°～90°之间";

// Relations the design keeps hold to rounding.
bool near(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b)); }

// The first rule a record breaks, field by field in the record's order.
class Check {
public:
    // Every number is usable.
    Check& number(const char* field, double v) {
        if (!m_fault && !usableNumber(v)) m_fault = RecordFault{field, kNotANumber};
        return *this;
    }
    Check& positive(const char* field, double v) {
        number(field, v);
        return rule(v > 0, field, kNotPositive);
    }
    // Strictly between 0° and 90°.
    Check& acute(const char* field, double v) {
        number(field, v);
        return rule(v > 0 && v < 90, field, kNotAcute);
    }
    Check& count(const char* field, std::int32_t v, std::int32_t lower, std::int32_t upper) {
        return rule(v >= lower && v <= upper, field, fw::format("应在%d～%d之间", lower, upper));
    }
    Check& rule(bool ok, const char* field, const std::string& rule) {
        if (!m_fault && !ok) m_fault = RecordFault{field, rule};
        return *this;
    }
    std::optional<RecordFault> fault() const { return m_fault; }

private:
    std::optional<RecordFault> m_fault;
};

enum Family { Ordinary, Zc1, Zc3, NoFamily };

Family familyOf(std::int32_t status) {
    switch (status) {
    case kGeomStatusOrdinary: return Ordinary;
    case kGeomStatusZc1: return Zc1;
    case kGeomStatusZc3: return Zc3;
    default: return NoFamily;
    }
}

}  // namespace

std::optional<RecordFault> checkPreRecord(const CwPreRecord& r) {
    Check c;
    c.rule(r.status == kPreStatus, "状态字", "应为301")
        .rule(validWormType(code(r.type)), "蜗杆形式", "无效")
        .positive("输入转速 n1", r.n1)
        .positive("输出转速 n2", r.n2)
        .number("传动比 u", r.u)
        .rule(r.u >= 5 && r.u <= 70, "传动比 u", "应在5～70之间")
        .positive("传递功率 P", r.p)
        .positive("输出扭矩 T", r.t)
        .positive("接触疲劳极限 σHlim", r.sigmaHlim)
        .positive("弹性系数 ZE", r.ze)
        .positive("弯曲疲劳极限 σFlim", r.sigmaFlim)
        .positive("直径系数比 d1/a", r.d1a)
        .positive("使用系数 KA", r.ka)
        .positive("接触系数 Zρ", r.zrho)
        .count("蜗杆头数 Z1", r.z1, 1, kMaxStarts)
        .count("蜗轮齿数 Z2", r.z2, 1, kMaxTeeth)
        .number("标准模数 m", r.m)
        .rule(r.m >= kModuleRange.lower && r.m <= kModuleRange.upper, "标准模数 m", "应在1～40mm之间")
        .positive("计算模数 m'", r.mCalc)
        .positive("直径系数 q", r.q)
        .positive("计算分度圆直径 d1'", r.d1Calc)
        .number("标准分度圆直径 d1", r.d1)
        .rule(r.d1 >= kDiameterRange.lower && r.d1 <= kDiameterRange.upper, "标准分度圆直径 d1",
              "应在18～400mm之间")
        .positive("中心距 a", r.a)
        .positive("蜗轮分度圆直径 d2", r.d2)
        .acute("导程角 γ", r.gamma)
        .rule(near(r.d2, r.z2 * r.m), "蜗轮分度圆直径 d2", "应等于Z2·m")
        .rule(near(r.q, r.d1 / r.m), "直径系数 q", "应等于d1/m")
        .rule(near(r.a, (r.d1 + r.d2) / 2), "中心距 a", "应等于(d1 + d2)/2");
    return c.fault();
}

std::optional<RecordFault> checkGeomRecord(const CwGeomRecord& g, bool calculated) {
    const Family fam = familyOf(g.status);
    const bool zc = fam == Zc1 || fam == Zc3;
    Check c;
    c.rule(fam != NoFamily, "状态字", "应为302、30201或30203")
        .rule(zc ? g.type == WormType::ZC : validWormType(code(g.type)) && g.type != WormType::ZC, "蜗杆形式",
              "与几何计算不符")
        .count("蜗杆头数 Z1", g.z1, 1, kMaxStarts)
        .count("蜗轮齿数 Z2", g.z2, 1, kMaxTeeth)
        .positive("直径系数 q", g.q)
        .positive("蜗杆分度圆直径 d1", g.d1)
        .positive("未变位中心距 a", g.a)
        .positive("蜗轮分度圆直径 d2", g.d2)
        .acute("蜗杆分度圆柱导程角 γ", g.gamma)
        .acute("蜗杆法向压力角 αn", g.alphaN)
        .acute("蜗杆轴向压力角 αx", g.alphaX)
        .positive("啮合中心距 a'", g.aw)
        .positive("蜗杆齿宽 b1", g.b1)
        .positive("蜗轮齿宽 b2", g.b2)
        .positive("蜗杆齿顶圆直径 da1", g.da1)
        .positive("蜗轮喉圆直径 da2", g.da2)
        .positive("蜗轮外圆直径 de2", g.de2)
        .rule(g.de2 > g.da2, "蜗轮外圆直径 de2", "应大于喉圆直径da2")
        .positive("蜗杆齿根圆直径 df1", g.df1)
        .positive("蜗轮齿根圆直径 df2", g.df2)
        .positive("蜗轮中圆直径 dm2", g.dm2)
        .positive("蜗杆节圆直径 d'1", g.d1w)
        .positive("端面重合度 εa", g.epsA)
        .acute("蜗杆节圆柱导程角 γ'", g.gammaW)
        .positive("蜗杆全齿高 h1", g.h1)
        .positive("蜗轮全齿高 h2", g.h2)
        .positive("蜗杆齿顶高 ha1", g.ha1)
        .positive("蜗轮齿顶高 ha2", g.ha2)
        .positive("蜗杆齿根高 hf1", g.hf1)
        .number("蜗轮齿根高 hf2", g.hf2)   // below zero with a large profile shift
        .positive("蜗杆法面模数 mn1", g.mn1)
        .positive("蜗轮法面模数 mn2", g.mn2)
        .positive("蜗轮端面模数 ms", g.ms)
        .positive("蜗杆轴面模数 mx", g.mx)
        .positive("蜗杆轴向齿距 Px1", g.px1)
        .positive("蜗杆螺旋线导程 Pz1", g.pz1)
        .positive("蜗轮喉部半径 Rg", g.rg)
        .number("蜗轮齿宽角 θ", g.theta)
        .rule(g.theta > 0 && g.theta <= 180, "蜗轮齿宽角 θ", "应在0°～180°之间")
        .positive("蜗杆法向弦齿厚 Sn", g.sn)
        .rule(g.hand == 0 || g.hand == 1, "旋向", "无效")
        .number("蜗轮变位系数 χ2", g.x2);
    switch (fam) {
    case Ordinary:
        c.acute("蜗轮中圆螺旋角 βm2", g.betaM2)
            .positive("齿顶高系数 ha*", g.haStar)
            .positive("蜗杆法向测齿高 hcn1", g.hcn1)
            .positive("齿根圆角半径 ρf", g.rho);
        if (g.type == WormType::ZL)
            c.positive("基圆直径 db", g.db).acute("基圆柱导程角 γb", g.gammaB).positive("法向基节 Pbn", g.pbn);
        break;
    case Zc1:
        c.positive("蜗杆法面齿廓曲率半径 ρn", g.rho)
            .count("磨轮直径 ds", g.ds, 300, 700)
            .positive("磨削中心距 Au", g.au)
            .positive("磨轮轴面圆弧半径 ρ", g.rhoDisc)
            .positive("蜗杆轴向弦齿厚 Sx", g.sx);
        if (calculated)
            c.positive("对刀试棒直径 dH", g.dh)
                .positive("圆弧中心轴向座标 L1", g.arcAxial)
                .positive("圆弧中心径向座标 L2", g.arcRadial)
                .positive("圆弧中心径向座标 L3", g.l3);
        else
            c.number("对刀试棒直径 dH", g.dh)
                .number("圆弧中心轴向座标 L1", g.arcAxial)
                .number("圆弧中心径向座标 L2", g.arcRadial)
                .number("圆弧中心径向座标 L3", g.l3);
        break;
    case Zc3:
        c.acute("蜗轮中圆螺旋角 βm2", g.betaM2)
            .positive("齿顶高系数 ha*", g.haStar)
            .positive("蜗杆轴面齿廓圆弧半径 ρ", g.rho)
            .positive("蜗杆轴向弦齿厚 Sx", g.sx)
            .positive("齿廓圆弧中心轴向座标 cx", g.arcAxial)
            .positive("齿廓圆弧中心径向座标 cy", g.arcRadial);
        break;
    case NoFamily: break;
    }
    return c.fault();
}

std::optional<RecordFault> checkDesign(const CwPreRecord& pre, const CwGeomRecord& geom) {
    if (auto f = checkPreRecord(pre)) return f;
    if (auto f = checkGeomRecord(geom)) return f;
    Check c;
    c.rule(geom.type == pre.type, "蜗杆形式", "与预定计算不符")
        .rule(geom.z1 == pre.z1, "蜗杆头数 Z1", "与预定计算不符")
        .rule(geom.z2 == pre.z2, "蜗轮齿数 Z2", "与预定计算不符")
        .rule(near(geom.mx, pre.m), "蜗杆轴面模数 mx", "与预定计算不符")
        .rule(near(geom.q, pre.q), "直径系数 q", "与预定计算不符")
        .rule(near(geom.d1, pre.d1), "蜗杆分度圆直径 d1", "与预定计算不符")
        .rule(near(geom.d2, pre.d2), "蜗轮分度圆直径 d2", "与预定计算不符")
        .rule(near(geom.a, pre.a), "未变位中心距 a", "与预定计算不符")
        .rule(near(geom.gamma, pre.gamma), "蜗杆分度圆柱导程角 γ", "与预定计算不符");
    return c.fault();
}

std::string saveRefusal(const RecordFault& f) { return f.text() + "，数据未保存！"; }
std::string resultRefusal(const RecordFault& f) { return "计算结果无效：" + f.text() + "！"; }

}  // namespace worm
