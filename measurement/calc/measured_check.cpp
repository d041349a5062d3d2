#include "measurement/calc/measured_check.h"

#include <cmath>

#include "common/calc/involute.h"
#include "fw/format.h"
#include "measurement/calc/single_report.h"

namespace measurement {

using cylindrical::CutterScheme;
using cylindrical::Outcome;
using cylindrical::PairQuantities;

namespace {

fw::Unexpected<std::string> refuse(const char* msg) { return fw::unexpected(std::string(msg)); }

class Rows {
public:
    explicit Rows(CheckRun& r) : m_r(r) {}
    void row(const char* item, std::string result, std::string solution) {
        m_r.items.emplace_back(item);
        m_r.results.push_back(std::move(result));
        m_r.solutions.push_back(std::move(solution));
    }
    void row(const char* item, const Outcome& o, std::string fail, std::string failSolution, std::string pass,
             std::string passSolution = cylindrical::kSolutionOk) {
        if (o.passed()) row(item, std::move(pass), std::move(passSolution));
        else row(item, std::move(fail), std::move(failSolution));
    }
    void hint(const std::string& text) { m_r.hint += text; }
    void hint(const Outcome& o, const std::string& fail, const std::string& pass) { hint(o.passed() ? pass : fail); }
    void line(const std::string& text) {
        m_r.reportLines.push_back(text);
        m_r.hint += text;
    }

private:
    CheckRun& m_r;
};

std::string sa1(const Outcome& tip) { return fw::format("齿顶厚: Sa1 = %.2f mm; ", tip.value); }
std::string pinionSa1(const Outcome& tip) { return fw::format("小齿轮齿顶厚: Sa1 = %.2f mm; ", tip.value); }

std::string cutterLines(const cylindrical::Cutter& c, const char* fmt) {
    std::string t;
    t += measureLine("插齿刀齿数:", "Z0=", fw::format("%d", c.z0));
    t += measureLine("插齿刀齿顶圆直径:", "da0=", fw::format(fmt, c.da0));
    t += measureLine("插齿刀分度圆直径:", "d0=", fw::format(fmt, c.d0));
    t += measureLine("插齿刀齿顶高系数:", "h0=", fw::format(fmt, c.ha0));
    t += measureLine("插齿刀变位系数:", "χ0=", fw::format(fmt, c.x0));
    return t;
}

}  // namespace

void apply(CheckState& s, CheckRun run) {
    s.hint = std::move(run.hint);
    s.shapedRun = run.shaped;
    s.scheme.pinionHobbed = run.scheme.pinionHobbed;
    s.scheme.gearHobbed = run.scheme.gearHobbed;
    if (run.shaped) {
        s.scheme.cutter1 = run.scheme.cutter1;
        s.scheme.cutter2 = run.scheme.cutter2;
        s.scheme.sameCutter = run.scheme.sameCutter;
        s.items = std::move(run.items);
        s.results = std::move(run.results);
        s.solutions = std::move(run.solutions);
    } else {
        s.reportLines = std::move(run.reportLines);
    }
}

// ---- single gear ----

fw::Expected<CheckRun, std::string> checkSingleShaped(const SingleCheckInput& in, const CutterScheme& dialogScheme) {
    if (in.z <= 0 || !(in.mn > 0)) return refuse(kMsgIncomplete);
    if (!(in.da > in.db) || !(in.db > 0))
        return refuse(in.type == GearType::External ? cylindrical::kMsgTip1InsideBase
                                                    : cylindrical::kMsgTipInternalInsideBase);
    const double alphaAt = std::acos(in.db / in.da);
    CheckRun run;
    run.shaped = true;
    run.scheme = dialogScheme;  // the other cutter is not the gear's; the dialog's is kept
    run.scheme.pinionHobbed = run.scheme.gearHobbed = 0;
    Rows b(run);
    if (in.type == GearType::External) {
        const cylindrical::Cutter& c = dialogScheme.cutter1;
        if (!cylindrical::cutterUsable(c)) return refuse(cylindrical::kMsgNoValidCutter);
        const Outcome under = cylindrical::undercutShaped(
            {.z = in.z, .alphaT = in.alphaT, .xn = in.xn, .z0 = c.z0, .ha0 = c.ha0});
        b.row("1.根切校验:", under, "齿轮插齿根切", fw::format("增加变位系数至%.2f,或增加齿数", under.value),
              "齿轮无根切");
        b.hint(under, fw::format("齿轮插齿根切!变位系数增加到%.2f才能避免根切", under.value), "齿轮无根切!");
        const Outcome tip = cylindrical::tipThickness({.z = in.z, .mn = in.mn, .xn = in.xn, .alphaN = in.alphaN,
                                                       .alphaT = in.alphaT, .da = in.da, .alphaAt = alphaAt});
        b.row("2.齿顶厚校验:", tip, sa1(tip) + "齿轮齿顶过薄!", "减少变位系数、减少齿高系数", sa1(tip));
        b.hint(sa1(tip));
        if (!tip.passed()) b.hint(" ——齿轮齿顶过薄! ");
        return run;
    }
    const cylindrical::Cutter& c = dialogScheme.cutter2;
    if (!cylindrical::cutterUsable(c)) return refuse(cylindrical::kMsgNoValidCutter);
    if (c.z0 >= in.z) return refuse(cylindrical::kMsgCutterTeethInternal);
    // inv αw0 = 2·(xn − x02)·tan αn/(Z − z02) + inv αn.
    auto aw0 = cylindrical::cutterWorkingAngleInternal(
        {.z = in.z, .xn = in.xn, .z0 = c.z0, .x0 = c.x0, .alphaN = in.alphaN, .alphaT = in.alphaN},
        kavrin::kInvStepFine);
    if (!aw0) return refuse(cylindrical::kMsgCutterNoWorkingAngle);
    auto aa0 = cylindrical::cutterTipAngle(c, in.alphaT);
    if (!aa0) return refuse(cylindrical::kMsgCutter2TipInsideBase);
    const double a0 = 0.5 * in.mn * (in.z - c.z0) * std::cos(in.alphaN) / std::cos(*aw0);
    const cylindrical::InternalMesh m{.z = c.z0, .ra = c.da0 / 2, .alphaA = *aa0, .zInternal = in.z,
                                      .raInternal = in.da / 2, .alphaAInternal = alphaAt, .alphaW = *aw0, .a = a0};
    const Outcome inv = cylindrical::involuteInterference(m);
    b.row("1.渐开线干涉校验:", inv, "内齿轮插齿时渐开线干涉，发生范成顶切", "增大齿形角、增大变位系数,增加刀具齿数",
          "内齿轮插齿时无渐开线干涉", "OK!");
    b.hint(inv, "刀具渐开线干涉，内齿轮插齿发生范成顶切!", "无刀具渐开线干涉!");
    const Outcome overlap = cylindrical::profileOverlap(m);
    b.row("2.齿廓重迭干涉校验:", overlap, "内齿轮与插齿刀发生重迭干涉", "减少齿顶高、增大插齿传动比、加大内齿轮变位系数",
          "内齿轮无插齿重迭干涉");
    b.hint(overlap, "插齿齿廓重迭干涉，内齿轮发生范成顶切!", "无插齿齿廓重迭干涉!");
    const Outcome radial = cylindrical::radialInterference(m);
    b.row("3.径向干涉校验:", radial, "内齿轮插齿径向进刀顶切", "减少齿顶高、增大插齿传动比、加大内齿轮变位系数",
          "内齿轮无插齿径向干涉");
    b.hint(radial, "内齿轮插齿径向进刀顶切!", "内齿轮无径向顶切!");
    return run;
}

fw::Expected<CheckRun, std::string> checkSingleHobbed(const SingleCheckInput& in) {
    CheckRun run;
    cylindrical::markHobbed(run.scheme);
    Rows b(run);
    if (in.type == GearType::Internal) {
        b.line(kMsgNoCutterInternal);
        return run;
    }
    if (in.z <= 0 || !(in.mn > 0)) return refuse(kMsgIncomplete);
    if (!(in.da > in.db) || !(in.db > 0)) return refuse(cylindrical::kMsgTip1InsideBase);
    // The rack's undercut limit in the transverse section of a helical gear.
    const Outcome under = cylindrical::undercutHobbed(
        {.z = in.z, .alpha = in.alphaT, .haStar = in.haStar, .xn = in.xn, .beta = in.beta});
    b.line(under.passed() ? std::string("滚齿无根切  ——OK!")
                          : fw::format("齿轮滚齿根切!变位系数增加至%.2f才能避免根切", under.value));
    const Outcome tip = cylindrical::tipThickness({.z = in.z, .mn = in.mn, .xn = in.xn, .alphaN = in.alphaN,
                                                   .alphaT = in.alphaT, .da = in.da,
                                                   .alphaAt = std::acos(in.db / in.da)});
    b.line(fw::format("小齿轮齿顶厚: Sa1 = %.2f mm", tip.value) + (tip.passed() ? "——OK!" : "——齿顶过薄!"));
    return run;
}

std::string singleCheckSection(const CheckState& s, GearType type) {
    if (!s.done()) return kNoCheckLine;
    const bool external = type == GearType::External;
    const bool hobbed = (external ? s.scheme.pinionHobbed : s.scheme.gearHobbed) != 0;
    std::string t;
    if (!hobbed) {
        if (s.items.empty()) return kNoCheckLine;
        for (std::size_t i = 0; i < s.items.size(); ++i)
            t += fw::format("\t    %s——%s\n", s.items[i].c_str(), s.results[i].c_str());
        t += "\n\t4.插齿刀参数方案:\n";
        t += cutterLines(external ? s.scheme.cutter1 : s.scheme.cutter2, "%.3fmm");
        return t;
    }
    if (s.reportLines.empty()) return kNoCheckLine;
    for (std::size_t i = 0; i < s.reportLines.size() && (external || i == 0); ++i)
        t += fw::format("\t    %s\n", s.reportLines[i].c_str());
    return t;
}

// ---- gear pair ----

fw::Expected<CheckRun, std::string> checkPairShaped(const PairQuantities& p, const CutterScheme& scheme) {
    CheckRun run;
    run.shaped = true;
    run.scheme = scheme;
    Rows b(run);
    const bool hob1 = scheme.pinionHobbed != 0, hob2 = scheme.gearHobbed != 0;
    auto underSolution = [](const Outcome& o) { return fw::format("增加变位系数至%.2f、增加齿数", o.value); };
    if (!p.internal) {
        auto v = cylindrical::checkExternal(p, scheme, kavrin::kInvStepGeometry);
        if (!v) return fw::unexpected(v.error());
        b.row("1.根切校验:", v->undercut1, hob1 ? "小齿轮滚齿根切" : "小齿轮插齿根切", underSolution(v->undercut1),
              hob1 ? "小齿轮无根切!" : "小齿轮无根切");
        b.hint(v->undercut1,
               fw::format(hob1 ? "小齿轮滚齿根切!变位系数增加到%.2f才能避免根切" : "小齿轮插齿根切! 变位系数增加到%.2f才能避免根切",
                          v->undercut1.value),
               hob1 ? "小齿轮无根切！ " : "小齿轮无根切! ");
        b.row("", v->undercut2, hob2 ? "大齿轮滚齿根切" : "大齿轮插齿根切", underSolution(v->undercut2), "大齿轮无根切");
        b.hint(v->undercut2,
               fw::format(hob2 ? "大齿轮滚齿根切!变位系数增加到%.2f才能避免根切" : "大齿轮插齿根切!变位系数增加到%.2f才能避免根切",
                          v->undercut2.value),
               hob2 ? "大齿轮无根切!" : "大齿轮无根切! ");
        b.row("2.齿顶厚校验:", v->tip, pinionSa1(v->tip) + "小齿轮齿顶过薄", "减少变位系数、减少齿高系数", pinionSa1(v->tip));
        b.hint(pinionSa1(v->tip));
        if (!v->tip.passed()) b.hint("小齿轮齿顶过薄! ");
        b.row("3.过度曲线干涉校验:", v->fillet1, "小齿轮齿根过渡线与大齿轮齿顶干涉",
              hob1 ? "减少小齿轮变位系数绝对值" : "减少小齿轮变位系数绝对值、建议采用滚齿加工",
              hob1 ? "小齿轮齿根过渡线无干涉" : "小齿轮齿根过渡线与大齿轮齿顶无干涉");
        b.hint(v->fillet1, "小齿轮齿根过渡线与大齿轮齿顶干涉!", "小齿轮齿根过渡线无干涉!");
        b.row("", v->fillet2, "大齿轮齿根过渡线与小齿轮齿顶干涉",
              hob2 ? "减少大齿轮变位系数绝对值" : "减少大齿轮变位系数绝对值、建议采用滚齿加工",
              "大齿轮齿根过渡线与小齿轮齿顶无干涉");
        b.hint(v->fillet2, "大齿轮齿根过渡线与小齿轮齿顶干涉!", "大齿轮齿根过渡线无干涉!");
        return run;
    }
    auto v = cylindrical::checkInternal(p, scheme, kavrin::kInvStepGeometry);
    if (!v) return fw::unexpected(v.error());
    b.row("1.根切校验:", v->undercut1, hob1 ? "小齿轮滚齿根切" : "小齿轮插齿根切", underSolution(v->undercut1),
          "小齿轮无根切");
    b.hint(v->undercut1,
           fw::format(hob1 ? "小齿轮滚齿根切!变位系数增加到%.2f才能避免根切" : "小齿轮插齿根切! 变位系数增加到%.2f才能避免根切",
                      v->undercut1.value),
           "小齿轮无根切!");
    b.row("2.轮齿顶厚校验:", v->tip, pinionSa1(v->tip) + "小齿轮齿顶过薄", "减少变位系数、减少齿高系数", pinionSa1(v->tip));
    b.hint(pinionSa1(v->tip));
    if (!v->tip.passed()) b.hint("  ——小齿轮齿顶过薄!");
    b.row("3.过度曲线干涉校验:", v->filletInternal, "内齿轮齿根过渡线与小齿轮齿顶干涉",
          "增大内齿轮变位系数、减少齿顶高、内齿轮插齿传动比与中心距接近齿轮对", "内齿轮齿根过渡线与小齿轮齿顶无干涉");
    b.hint(v->filletInternal, "内齿轮齿根过渡线与小齿轮齿顶干涉!", "内齿轮齿根过渡线无干涉!");
    b.row("", v->filletPinion, "小齿轮齿根过渡线与内齿轮齿顶干涉", "减少小齿轮变位系数绝对值、减少齿顶高",
          "小齿轮齿根过渡线与内齿轮齿顶无干涉");
    b.hint(v->filletPinion, "小齿轮齿根过渡线与内齿轮齿顶干涉!", "小齿轮齿根过渡线无干涉!");
    b.row("4.渐开线干涉校验:", v->involutePair, "内外齿轮啮合发生渐开线干涉", "增大齿形角、增大变位系数,减小传动比",
          "无渐开线干涉");
    b.hint(v->involutePair, "发生渐开线干涉!", "无渐开线干涉!");
    b.row("", v->involuteCutter, "内齿轮插齿时渐开线干涉，发生范成顶切", "增大齿形角、增大变位系数,增加刀具齿数",
          "内齿轮插齿时无渐开线干涉", "OK!");
    b.hint(v->involuteCutter, "刀具渐开线干涉，内齿轮插齿发生范成顶切!", "无刀具渐开线干涉!");
    b.row("5.齿廓重迭干涉校验:", v->overlapPair, "内齿轮与小齿轮发生重迭干涉",
          "减少齿顶高、增大传动比、加大内齿轮变位系数、减少小齿轮变位系数", "内齿轮与小齿轮无重迭干涉");
    b.hint(v->overlapPair, "内齿轮与小齿轮发生重迭干涉!", "无重迭干涉!");
    b.row("", v->overlapCutter, "内齿轮与插齿刀发生重迭干涉", "减少齿顶高、增大插齿传动比、加大内齿轮变位系数",
          "内齿轮无插齿重迭干涉");
    b.hint(v->overlapCutter, "插齿齿廓重迭干涉，内齿轮发生范成顶切!", "无插齿齿廓重迭干涉!");
    b.row("6.径向干涉校验:", v->radialPair, "内齿轮和小齿轮径向干涉",
          "减少齿顶高、增大传动比、加大内齿轮变位系数、减少小齿轮变位系数", "内齿轮和小齿轮无径向干涉");
    b.hint(v->radialPair, "内齿轮和小齿轮径向干涉!", "无径向干涉!");
    b.row("", v->radialCutter, "内齿轮插齿径向进刀顶切", "减少齿顶高、增大插齿传动比、加大内齿轮变位系数",
          "内齿轮无插齿径向干涉");
    b.hint(v->radialCutter, "内齿轮插齿径向进刀顶切!", "内齿轮无径向顶切!");
    return run;
}

fw::Expected<CheckRun, std::string> checkPairHobbed(const PairQuantities& p) {
    CheckRun run;
    cylindrical::markHobbed(run.scheme);
    Rows b(run);
    auto tipLine = [](const Outcome& tip) {
        return fw::format("小齿轮齿顶厚: Sa1 = %.2f mm", tip.value) + (tip.passed() ? "——OK!" : "——小齿轮齿顶过薄!");
    };
    if (p.internal) {
        const Outcome under = cylindrical::pinionUndercutHobbed(p);
        b.line(under.passed() ? std::string("小齿轮无根切 ——OK")
                              : fw::format("小齿轮滚齿根切,变位系数增加到%.2f才能避免根切;", under.value));
        b.line(tipLine(cylindrical::pinionTipThickness(p)));
        b.line("没有选择插齿刀参数，故未做齿廓干涉校验，请注意重新校验!");
        return run;
    }
    auto v = cylindrical::checkExternal(p, run.scheme, kavrin::kInvStepGeometry);  // both hobbed: no inverse
    if (!v) return fw::unexpected(v.error());
    b.line(v->undercut1.passed() ? std::string("小齿轮无根切 ——OK!")
                                 : fw::format("小齿轮滚齿根切!变位系数增加到%.2f才能避免根切;", v->undercut1.value));
    if (v->undercut2.passed()) {
        b.line("大齿轮无根切 ——OK!");
    } else {
        // The report line keeps its own wording; the hint names the gear.
        run.reportLines.push_back(fw::format("打齿轮滚齿根切!变位系数增加到%.2f才能避免根切;", v->undercut2.value));
        b.hint(fw::format("大齿轮滚齿根切!变位系数增加到%.2f才能避免根切;", v->undercut2.value));
    }
    b.line(tipLine(v->tip));
    b.line(v->fillet1.passed() ? "小齿轮齿根过渡线无干涉 ——OK!" : "小齿轮齿根过渡线与大齿轮齿顶干涉!");
    b.line(v->fillet2.passed() ? "大齿轮齿根过渡线无干涉 ——OK!" : "大齿轮齿根过渡线与小齿轮齿顶干涉!");
    b.line("若齿轮插齿加工，请选用插齿刀参数再做校验!");
    return run;
}

std::string pairCheckSection(const CheckState& s, bool internal) {
    const char* none = "\t    没有进行切齿检验计算。\n";
    if (!s.done()) return none;
    const bool hob1 = s.scheme.pinionHobbed != 0;
    const bool hob2 = internal ? false : s.scheme.gearHobbed != 0;
    std::string t;
    if (s.shapedRun) {
        for (std::size_t i = 0; i < s.items.size(); ++i)
            t += fw::format("\t    %s——%s\n", s.items[i].c_str(), s.results[i].c_str());
    } else {
        for (const std::string& l : s.reportLines) t += fw::format("\t    %s\n", l.c_str());
    }
    if (t.empty()) return none;
    if (s.shapedRun && (!hob1 || !hob2)) {
        t += "\n\t5.插齿刀参数方案:\n";
        if (!hob1) t += "\n\t1).小齿轮插齿刀:\n" + cutterLines(s.scheme.cutter1, "%.2fmm");
        if (!hob2) t += std::string(internal ? "\n\t2).内齿轮插齿刀参数方案:\n" : "\n\t2).大齿轮插齿刀:\n") +
                        cutterLines(s.scheme.cutter2, "%.2fmm");
    }
    return t;
}

}  // namespace measurement
