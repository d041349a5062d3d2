// CCyProofDlg: the strength rating of one gear of a designed cylindrical
// pair (template 1020, "《Ondrel》Kavrin 圆柱齿轮强度校核计算"). It loads the
// design file of the geometry sheet, takes the torque, computes the tooth
// forces, collects the contact and bending factors through their buttons,
// rates both, and "保存返回" appends the rating to the design's report.
// The shell constructs it with no parent and, on IDOK, shows the report
// named by m_strReportPath.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "cylindrical/calc/bending_rating.h"
#include "cylindrical/calc/contact_rating.h"
#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/rating_report.h"
#include "cylindrical/calc/rating_rules.h"
#include "fw/fw.h"

class CCyProofDlg : public fw::Dialog {
public:
    static constexpr int IDD = 1020;

    // Actions.
    static constexpr int IDC_LOAD = 1127;
    static constexpr int IDC_TORQUE = 1129;
    static constexpr int IDC_CALC_FT = 1128;
    static constexpr int IDC_CALC_FR = 1141;
    static constexpr int IDC_CALC_FX = 1142;
    static constexpr int IDC_CALC_FN = 1143;
    // Contact group buttons.
    static constexpr int IDC_H_KA = 1152;
    static constexpr int IDC_H_KV = 1154;
    static constexpr int IDC_H_KALPHA = 1156;
    static constexpr int IDC_H_KBETA = 1158;
    static constexpr int IDC_ZH_BTN = 1160;
    static constexpr int IDC_ZE_BTN = 1162;
    static constexpr int IDC_ZEPS_BTN = 1164;
    static constexpr int IDC_ZN_BTN = 1166;
    static constexpr int IDC_ZL_BTN = 1168;
    static constexpr int IDC_ZR_BTN = 1172;
    static constexpr int IDC_ZW_BTN = 1174;
    static constexpr int IDC_SIGMAH_BTN = 1144;
    static constexpr int IDC_SIGMAHP_BTN = 1146;
    static constexpr int IDC_SH_BTN = 1148;
    // Bending group buttons.
    static constexpr int IDC_F_KA = 1182;
    static constexpr int IDC_F_KV = 1184;
    static constexpr int IDC_F_KALPHA = 1186;
    static constexpr int IDC_F_KBETA = 1188;
    static constexpr int IDC_YFA_BTN = 1190;
    static constexpr int IDC_YBETA_BTN = 1192;
    static constexpr int IDC_YEPS_BTN = 1194;
    static constexpr int IDC_YN_BTN = 1196;
    static constexpr int IDC_YS_BTN = 1198;
    static constexpr int IDC_SIGMAF_BTN = 1176;
    static constexpr int IDC_SIGMAFP_BTN = 1178;
    static constexpr int IDC_SF_BTN = 1180;
    static constexpr int IDC_HELP_BTN = 1204;
    static constexpr int IDC_HINT = 261;
    // Input fields.
    static constexpr int IDC_BETA = 1132;
    static constexpr int IDC_MN = 1130;
    static constexpr int IDC_ALPHAN = 1140;
    static constexpr int IDC_EPS_ALPHA = 1134;
    static constexpr int IDC_EPS_BETA = 1135;
    static constexpr int IDC_B = 1151;
    static constexpr int IDC_Z1 = 1131;
    static constexpr int IDC_Z2 = 1133;
    static constexpr int IDC_N1 = 1206;
    static constexpr int IDC_T = 1150;
    static constexpr int IDC_EXTERNAL = 1202;
    static constexpr int IDC_INTERNAL = 1203;
    static constexpr int IDC_PINION = 1327;
    static constexpr int IDC_GEAR = 1328;
    static constexpr int IDC_TITLE = 1301;
    static constexpr int IDC_DRAWING_NO = 1302;
    static constexpr int IDC_DATE = 1303;
    // Result fields.
    static constexpr int IDC_FT = 1136;
    static constexpr int IDC_FR = 1137;
    static constexpr int IDC_FX = 1138;
    static constexpr int IDC_FN = 1139;
    static constexpr int IDC_KA = 1153;
    static constexpr int IDC_KV = 1155;
    static constexpr int IDC_KHALPHA = 1157;
    static constexpr int IDC_KHBETA = 1159;
    static constexpr int IDC_ZH = 1161;
    static constexpr int IDC_ZE = 1163;
    static constexpr int IDC_ZEPS = 1165;
    static constexpr int IDC_ZN = 1167;
    static constexpr int IDC_ZL = 1169;
    static constexpr int IDC_ZV = 1171;
    static constexpr int IDC_ZR = 1173;
    static constexpr int IDC_ZW = 1175;
    static constexpr int IDC_SIGMAH = 1145;
    static constexpr int IDC_SIGMAHP = 1147;
    static constexpr int IDC_SH = 1149;
    static constexpr int IDC_SIGMAF = 1177;
    static constexpr int IDC_SIGMAFP = 1179;
    static constexpr int IDC_SF = 1181;
    static constexpr int IDC_KA_F = 1183;
    static constexpr int IDC_KV_F = 1185;
    static constexpr int IDC_KFALPHA = 1187;
    static constexpr int IDC_KFBETA = 1189;
    static constexpr int IDC_YFA = 1191;
    static constexpr int IDC_YBETA = 1193;
    static constexpr int IDC_YEPS = 1195;
    static constexpr int IDC_YN = 1197;
    static constexpr int IDC_YS = 1199;
    static constexpr int IDC_YX = 1201;

    // The input flags, in their stored order.
    enum InputFlag { FlagZ2, FlagB, FlagEpsBeta, FlagEpsAlpha, FlagN1, FlagAlphaN, FlagHelical, FlagZ1, FlagMn, FlagT,
                     kFlagCount };

    explicit CCyProofDlg(fw::Window* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;       // the report, then IDOK
    void OnCancel() override;   // asks first

    // The report the last OnOK wrote and the loaded design file (the shell reads the report).
    std::string m_strReportPath;
    std::string m_strDataPath;

    // The rating's values: the calculation's own struct, bound by the data
    // exchange and handed to the report as it stands.
    const cylindrical::RatingReportData& values() const { return m_v; }
    // The bending group's own copies of KA, Kv and KFβ.
    double bendingKA() const { return m_kAF; }
    double bendingKV() const { return m_kVF; }
    double bendingKFbeta() const { return m_kFbeta; }

    // The state of the rating: profile shifts from the geometry record, the
    // mesh type, the σHlim class the lubricant and roughness dialogs share,
    // the factors given so far (masks) and the input flags.
    double m_xn1 = 0, m_xn2 = 0;
    cylindrical::MeshType m_mesh = cylindrical::MeshType::External;
    std::int32_t m_limitClass = 4;
    std::uint16_t m_bendingMask = 0;
    std::uint16_t m_contactMask = 0;
    std::int32_t m_flags[kFlagCount] = {};
    // A stress group whose results an input change cleared and that has not
    // been calculated again to its safety factor: "保存返回" refuses.
    bool m_contactCleared = false, m_bendingCleared = false;

private:
    // The pair as loaded from a geometry file: while Z1, Z2, mn, β, αn and
    // the mesh type are unchanged, ZH takes the record's working pressure
    // angle and ZR its centre distance.
    struct LoadedPair {
        std::uint32_t z1, z2;
        double mn, beta, alphaN;
        cylindrical::MeshType mesh;
        double alphaWtDeg;
        double a;  // mm
    };
    std::optional<LoadedPair> m_loaded;
    cylindrical::RatingReportData m_v;
    double m_kAF = 0, m_kVF = 0, m_kFbeta = 0;
    bool loadedPairUnchanged() const;

    // What an input handler compares to decide whether the results are stale.
    struct InputState {
        std::uint32_t z1, z2;
        double mn, beta, alphaN, epsAlpha, epsBeta, b, n1, t;
        cylindrical::MeshType mesh;
        bool operator==(const InputState&) const = default;
    };
    InputState inputState() const;
    // After an input handler: the reset when an input changed, otherwise
    // only the enabling checks and the fields.
    void finishInput(const InputState& before);

    bool flag(InputFlag f) const { return m_flags[f] != 0; }
    void setFlag(InputFlag f, bool on) { m_flags[f] = on ? 1 : 0; }
    bool setFlagIfPositive(InputFlag f, double& v);
    void updateOverlapRatio();
    void updateRatio();
    void hint(const std::string& text);
    void show(const cylindrical::RatingMessage& m);

    // Inputs.
    void OnKillfocusMn();
    void OnKillfocusZ1();
    void OnChangeZ2();
    void OnKillfocusBeta();
    void OnKillfocusAlphaN();
    void OnKillfocusEpsAlpha();
    void OnKillfocusB();
    void OnChangeT();
    void OnChangeN1();
    void OnExternal();
    void OnInternal();
    void OnHeadChanged(int id);
    void OnSetfocusDate();

    // Loading, torque and forces.
    void OnLoad();
    void applyDesign(const cylindrical::CyGeomRecord& g);
    void OnTorque();
    void OnForceFt();
    void OnForceFr();
    void OnForceFx();
    void OnForceFn();

    // The stress stages that read a changed value: their results are cleared.
    enum class Stages { Contact, Bending, Both };
    void clearStages(Stages stages);
    void clearContactSafety();
    void clearBendingSafety();
    // Stores a factor with its bit; a changed value clears the stages reading it.
    void setFactor(double v, double& slot, std::uint16_t& mask, std::uint16_t bit, Stages stages);
    void OnRatedGear(int gear);
    // A typed field keeps the text being typed after the fields are shown again.
    void keepTyped(int id, const std::string& typed);
    // Leaving T, n1 or Z2: text that is no number (or a negative one, or Z2
    // beyond its range) is refused, naming the field.
    void OnKillfocusTyped(int id);

    // The state machine.
    void reset();
    void refresh();  // the checks, then the fields
    void checkForceButtons();
    void checkFactorButtons();
    void checkContactMask();
    void checkBendingMask();
    // The first id opens with b.stress; all of them close with b.closeAll.
    void applyStressButtons(const cylindrical::StressButtons& b, std::initializer_list<int> ids);
    void OnHelp();

    // Factor and stress actions (cy_proof_factors.cpp).
    void registerFactorActions();
    void OnApplicationFactor();
    void OnDynamicFactor();
    void OnTransverseLoadFactors();
    void OnFaceLoadFactors();
    void OnZoneFactor();
    void OnElasticityFactor();
    void OnContactRatioFactor();
    void OnContactLifeFactor();
    void OnLubricantFactors();
    void OnRoughnessFactor();
    void OnWorkHardeningFactor();
    void OnContactStress();
    void OnPermissibleContactStress();
    void OnContactSafety();
    void OnToothFormFactor();
    void OnHelixAngleFactor();
    void OnBendingContactRatioFactor();
    void OnBendingLifeFactor();
    void OnStressCorrection();
    void OnBendingStress();
    void OnPermissibleBendingStress();
    void OnBendingSafety();
    void afterContactFactor();
    void afterBendingFactor();
    double ratedVirtualTeeth() const;
    cylindrical::MeshType mesh() const;

    // The report (cy_proof_report.cpp).
    cylindrical::RatingReportData reportData() const;
};
