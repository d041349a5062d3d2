#include "worm/calc/cw_record_check.h"

#include <algorithm>
#include <cmath>

#include "common/calc/record_check.h"
#include "fw/format.h"

namespace worm {

bool usableNumber(double v) { return std::isfinite(v) && (v == 0 || std::isnormal(v)); }

namespace {

constexpr const char* kNotANumber = "不是有效数值";
constexpr const char* kNotPositive = "应为正值";

// Relations the design keeps hold to rounding.
bool near(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b)); }

using kavrin::Quantity;

// The first rule a record breaks, field by field in the record's order.
class Check {
public:
    // A usable number in q's range.
    Check& within(const Quantity& q, double v) {
        range(usableNumber(v), q, kNotANumber);
        return range(q.admits(v), q, ranges::rangeRule(q));
    }
    // The same, where 0 or less is refused first as not positive.
    Check& positive(const Quantity& q, double v) {
        range(usableNumber(v), q, kNotANumber);
        range(v > 0, q, kNotPositive);
        return within(q, v);
    }
    Check& count(const Quantity& q, std::int32_t v) { return range(q.admits(v), q, ranges::rangeRule(q)); }
    Check& rule(bool ok, std::string_view field, const std::string& rule) {
        if (!m_fault && !ok) m_fault = RecordFault{std::string(field), rule};
        return *this;
    }
    // The status word or an enumeration: outside its list the record is
    // none of this kind.
    Check& listed(bool ok, std::string_view field, const std::string& rule) {
        if (!m_fault && !ok) m_fault = RecordFault{std::string(field), rule, std::nullopt, true};
        return *this;
    }
    std::optional<RecordFault> fault() const { return m_fault; }

private:
    // A rule of q's range.
    Check& range(bool ok, const Quantity& q, const std::string& rule) {
        if (!m_fault && !ok) m_fault = RecordFault{std::string(q.name), rule, q};
        return *this;
    }
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
    namespace q = ranges;
    Check c;
    c.listed(r.status == kPreStatus, "状态字", "应为301")
        .listed(validWormType(code(r.type)), "蜗杆形式", "无效")
        .positive(q::kN1, r.n1)
        .positive(q::kN2, r.n2)
        .within(q::kU, r.u)
        .positive(q::kP, r.p)
        .positive(q::kT, r.t)
        .positive(q::kSigmaHlim, r.sigmaHlim)
        .positive(q::kZe, r.ze)
        .positive(q::kSigmaFlim, r.sigmaFlim)
        .positive(q::kD1a, r.d1a)
        .positive(q::kKa, r.ka)
        .positive(q::kZrho, r.zrho)
        .count(q::kZ1, r.z1)
        .count(q::kZ2, r.z2)
        .within(q::kM, r.m)
        .positive(q::kMCalc, r.mCalc)
        .positive(q::kQ, r.q)
        .positive(q::kD1Calc, r.d1Calc)
        .within(q::kD1, r.d1)
        .positive(q::kA, r.a)
        .positive(q::kD2, r.d2)
        .within(q::kGamma, r.gamma)
        .rule(near(r.d2, r.z2 * r.m), "蜗轮分度圆直径 d2", "应等于Z2·m")
        .rule(near(r.q, r.d1 / r.m), "直径系数 q", "应等于d1/m")
        .rule(near(r.a, (r.d1 + r.d2) / 2), "中心距 a", "应等于(d1 + d2)/2");
    return c.fault();
}

std::optional<RecordFault> checkGeomRecord(const CwGeomRecord& g, bool calculated) {
    namespace q = ranges::geom;
    const Family fam = familyOf(g.status);
    const bool zc = fam == Zc1 || fam == Zc3;
    Check c;
    c.listed(fam != NoFamily, "状态字", "应为302、30201或30203")
        .listed(zc ? g.type == WormType::ZC : validWormType(code(g.type)) && g.type != WormType::ZC, "蜗杆形式",
                "与几何计算不符")
        .count(q::kZ1, g.z1)
        .count(q::kZ2, g.z2)
        .positive(q::kQ, g.q)
        .positive(q::kD1, g.d1)
        .positive(q::kA, g.a)
        .positive(q::kD2, g.d2)
        .within(q::kGamma, g.gamma)
        .within(q::kAlphaN, g.alphaN)
        .within(q::kAlphaX, g.alphaX)
        .positive(q::kAw, g.aw)
        .positive(q::kB1, g.b1)
        .positive(q::kB2, g.b2)
        .positive(q::kDa1, g.da1)
        .positive(q::kDa2, g.da2)
        .positive(q::kDe2, g.de2)
        .rule(g.de2 > g.da2, q::kDe2.name, "应大于喉圆直径da2")
        .positive(q::kDf1, g.df1)
        .positive(q::kDf2, g.df2)
        .positive(q::kDm2, g.dm2)
        .positive(q::kD1w, g.d1w)
        .positive(q::kEpsA, g.epsA)
        .within(q::kGammaW, g.gammaW)
        .positive(q::kH1, g.h1)
        .positive(q::kH2, g.h2)
        .positive(q::kHa1, g.ha1)
        .positive(q::kHa2, g.ha2)
        .positive(q::kHf1, g.hf1)
        .within(q::kHf2, g.hf2)   // below zero with a large profile shift
        .positive(q::kMn1, g.mn1)
        .positive(q::kMn2, g.mn2)
        .positive(q::kMs, g.ms)
        .positive(q::kMx, g.mx)
        .positive(q::kPx1, g.px1)
        .positive(q::kPz1, g.pz1)
        .positive(q::kRg, g.rg)
        .within(q::kTheta, g.theta)
        .positive(q::kSn, g.sn)
        .rule(g.hand == 0 || g.hand == 1, "旋向", "无效")
        .within(q::kX2, g.x2);
    switch (fam) {
    case Ordinary:
        c.within(q::kBetaM2, g.betaM2)
            .positive(q::kHaStar, g.haStar)
            .positive(q::kHcn1, g.hcn1)
            .positive(q::kRhoF, g.rho);
        if (g.type == WormType::ZL)
            c.positive(q::kDb, g.db).within(q::kGammaB, g.gammaB).positive(q::kPbn, g.pbn);
        break;
    case Zc1:
        c.positive(q::kRhoN, g.rho)
            .count(q::kDs, g.ds)
            .positive(q::kAu, g.au)
            .positive(q::kRhoDisc, g.rhoDisc)
            .positive(q::kSx, g.sx);
        if (calculated)
            c.positive(q::kDh, g.dh).positive(q::kL2, g.arcRadial).positive(q::kL3, g.l3);
        else
            c.within(q::notCalculated(q::kDh), g.dh)
                .within(q::notCalculated(q::kL2), g.arcRadial)
                .within(q::notCalculated(q::kL3), g.l3);
        c.within(q::kL1, g.arcAxial);   // a signed coordinate, loaded or calculated
        break;
    case Zc3:
        c.within(q::kBetaM2, g.betaM2)
            .positive(q::kHaStar, g.haStar)
            .positive(q::kRhoArc, g.rho)
            .positive(q::kSx, g.sx)
            .positive(q::kCx, g.arcAxial)
            .positive(q::kCy, g.arcRadial);
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
std::string loadRefusal(std::string_view loaderText, const RecordFault& f) {
    if (f.notThisKind) return std::string(loaderText) + "\n" + f.text() + "！";
    return kavrin::refusedOnLoad(f.text() + "！");
}
std::string resultRefusal(const RecordFault& f) {
    return f.range ? kavrin::resultNotTaken(*f.range) : "计算结果无效：" + f.text() + "！";
}

}  // namespace worm
