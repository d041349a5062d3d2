// What the strength rating dialog tests share: a private data folder, the
// example designs and their files, and the steps that bring the dialog to
// its forces.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/cy_current_design.h"
#include "cylindrical/cy_proof_dlg.h"
#include "fw/file.h"
#include "cylindrical/tests/design_fixture.h"
#include "fwtest/script.h"

namespace proof_test {

using D = CCyProofDlg;
constexpr int kTorqueDlg = 1028;  // CCyProofTDlg
constexpr int kTorqueP = 1262, kTorqueN = 1263;

// The example pair: Z1 20, Z2 40, mn 2, αn 20°, εα 1.6, b 30, spur,
// standard centre distance 60 with αwt 20°.
inline cylindrical::CyGeomRecord exampleGeom() {
    cylindrical::CyGeomRecord g;
    g.z1 = 20;
    g.z2 = 40;
    g.hand = cylindrical::kHandSpur;
    g.mn = 2;
    g.alphaNDeg = 20;
    g.a = 60;
    g.ad = 60;
    g.alphaWtDeg = 20;
    g.xn1 = 0.25;
    g.xn2 = -0.25;
    g.haStar = 1;
    g.zv1 = 20;
    g.zv2 = 40;
    g.b = 30;
    g.epsAlpha = 1.6;
    g.epsBeta = 0;
    g.psiD = 0.75;
    g.status = cylindrical::kCyGeomStatus;
    g.title = "减速器";
    g.number = "JS-100";
    g.date = "2024年5月6日";
    return g;
}

inline cylindrical::CyPreRecord examplePre() {
    cylindrical::CyPreRecord r;
    r.z1 = 20;
    r.z2 = 40;
    r.mn = 2;
    r.ms = 2;
    r.a = 60;
    r.i = 2;
    return r;
}

// Everything a refused load must leave alone.
struct DesignSnapshot {
    std::vector<std::uint8_t> pre, geom;
    std::string data, report;
    bool operator==(const DesignSnapshot&) const = default;
};
inline DesignSnapshot snapshot() {
    using namespace cylindrical;
    const auto& d = cylindrical::currentDesign();
    return {writeCyPreRecord(d.pre), writeCyGeomRecord(d.geom), d.dataPath, d.reportPath};
}

inline std::string fileText(const std::filesystem::path& p) {
    auto r = fw::readFile(p);
    return r ? std::string(r->begin(), r->end()) : std::string();
}

class ProofTest : public cylindrical_test::DesignTest {
protected:
    ProofTest() : DesignTest("cy_proof") {}
    std::filesystem::path writeDesign(const std::string& name,
                                      const cylindrical::CyGeomRecord& g = exampleGeom()) const {
        auto p = data(name);
        EXPECT_TRUE(fw::writeFile(p, cylindrical::geometryDesignFileBytes(examplePre(), g, 1700000000)));
        return p;
    }
};

// The torque dialog answered with speed n and power P.
inline void answerTorque(fwtest::Session& s, const char* n, const char* p) {
    s.onDialog(kTorqueDlg, [n, p](fwtest::Running& t) {
        t.type(kTorqueN, n);
        t.type(kTorqueP, p);
        t.leave();
        t.click(fw::IDOK);
    });
}

// The example's inputs typed in (no file): Z1 20, Z2 40, mn 2, αn 20, εα 1.6,
// b 30, then β; each field left so its kill-focus takes it.
inline void typePair(fwtest::Running& d, const char* beta = "0") {
    d.type(D::IDC_Z1, "20");
    d.type(D::IDC_Z2, "40");
    d.type(D::IDC_MN, "2");
    d.type(D::IDC_ALPHAN, "20");
    d.type(D::IDC_EPS_ALPHA, "1.6");
    d.type(D::IDC_B, "30");
    d.type(D::IDC_BETA, beta);
    d.leave();
}

// "传递扭矩" (torque dialog scripted by answerTorque), then the forces.
inline void computeForces(fwtest::Running& d, bool helical) {
    ASSERT_TRUE(d.click(D::IDC_TORQUE));
    ASSERT_TRUE(d.click(D::IDC_CALC_FT));
    ASSERT_TRUE(d.click(D::IDC_CALC_FR));
    if (helical) {
        ASSERT_TRUE(d.click(D::IDC_CALC_FX));
    }
    ASSERT_TRUE(d.click(D::IDC_CALC_FN));
}

// Factor dialog templates and the controls the scripts use.
constexpr int kKaDlg = 1022, kFaceLoadDlg = 1023, kLimitDlg = 1024, kGradeDlg = 1025, kShiftDlg = 1027,
              kWynDlg = 1029, kWysDlg = 1031, kZeDlg = 1032, kZhwDlg = 1021, kZlDlg = 1033, kZnDlg = 1034,
              kZrDlg = 1035;
constexpr int kGradeCombo = 1217, kMounting1 = 1222, kHb = 1281, kZlClass2 = 1257, kZrClass2 = 1271,
              kSigmaHlim = 1283, kSigmaFlim = 1284, kWynMultiplier = 1249, kWynCycles = 1291;

inline void ok(fwtest::Session& s, int templateId) {
    s.onDialog(templateId, [](fwtest::Running& f) { f.click(fw::IDOK); });
}
inline void cancel(fwtest::Session& s, int templateId) {
    s.onDialog(templateId, [](fwtest::Running& f) { f.click(fw::IDCANCEL); });
}

// Every contact factor with its dialog's defaults: KA 1.0, grade 6 twice,
// hard-hard flanks mounted symmetrically, steel on steel, class 0 with
// pitting allowed and NE 1e9, synthetic oil, Ra 3.2, HB 350.
inline void queueContactFactors(fwtest::Session& s) {
    for (int id : {kKaDlg, kGradeDlg, kGradeDlg, kFaceLoadDlg, kZeDlg, kZnDlg, kZlDlg, kZrDlg, kZhwDlg}) ok(s, id);
}
inline void clickContactFactors(fwtest::Running& d) {
    for (int id : {D::IDC_H_KA, D::IDC_H_KV, D::IDC_H_KALPHA, D::IDC_H_KBETA, D::IDC_ZH_BTN, D::IDC_ZE_BTN,
                   D::IDC_ZEPS_BTN, D::IDC_ZN_BTN, D::IDC_ZL_BTN, D::IDC_ZR_BTN, D::IDC_ZW_BTN})
        ASSERT_TRUE(d.click(id)) << id;
}
inline void readyPair(fwtest::Running& d, const char* beta = "0") {
    typePair(d, beta);
    computeForces(d, std::string(beta) != "0");
}

// The bending factors of the pinion: x = xn1, zv and h as offered, NE 3e6
// of 调质钢, 渗碳钢 for YS; x 0 at zv 20 asks the undercut question (No).
inline void queueBendingFactors(fwtest::Session& s) {
    ok(s, kShiftDlg);
    ok(s, kWynDlg);
    ok(s, kWysDlg);
}
inline void clickBendingFactors(fwtest::Running& d, bool helical) {
    for (int id : {D::IDC_YFA_BTN, D::IDC_YEPS_BTN, D::IDC_YN_BTN, D::IDC_YS_BTN}) ASSERT_TRUE(d.click(id)) << id;
    if (helical) {
        ASSERT_TRUE(d.click(D::IDC_YBETA_BTN));
    }
}

// The example pair typed in and rated for contact to its safety factor SH:
// queueContactRating answers the dialogs (the torque, every contact factor's
// defaults, σHlim 1300 MPa), rateContact presses the buttons.
inline void queueContactRating(fwtest::Session& s) {
    answerTorque(s, "1450", "10");
    queueContactFactors(s);
    s.onDialog(kLimitDlg, [](fwtest::Running& f) {
        f.type(kSigmaHlim, "1300");
        f.click(fw::IDOK);
    });
}
inline void rateContact(fwtest::Running& d) {
    readyPair(d);
    clickContactFactors(d);
    for (int id : {D::IDC_SIGMAH_BTN, D::IDC_SIGMAHP_BTN, D::IDC_SH_BTN}) ASSERT_TRUE(d.click(id)) << id;
    ASSERT_NE(d.text(D::IDC_SH), "0");
}

// Texts read back with at most `digits` decimals compared as numbers.
inline double num(const fwtest::Running& d, int id) { return std::stod(d.text(id)); }

}  // namespace proof_test
