// CCygeomCutDlg: the shaper-cutter scheme of one cutting and interference
// check (template 1037, "《Ondrel》 Kavrin 插齿刀方案"). OK means the gears
// are shaped with the cutters entered here; Cancel means they are hobbed.
#pragma once
#include <cstdint>

#include "cylindrical/calc/cutter_scheme.h"
#include "fw/fw.h"

class CCygeomCutDlg : public fw::Dialog {
public:
    static constexpr int IDD = 1037;
    // Cutter 1 (the pinion or the external gear).
    static constexpr int IDC_M1 = 1000;
    static constexpr int IDC_Z01 = 1001;
    static constexpr int IDC_X01 = 1002;
    static constexpr int IDC_HA01 = 1003;
    static constexpr int IDC_D01 = 1004;
    static constexpr int IDC_DA01 = 1005;
    // Cutter 2 (the gear or the internal gear).
    static constexpr int IDC_M2 = 1006;
    static constexpr int IDC_Z02 = 1007;
    static constexpr int IDC_X02 = 1008;
    static constexpr int IDC_HA02 = 1009;
    static constexpr int IDC_D02 = 1010;
    static constexpr int IDC_DA02 = 1011;
    static constexpr int IDC_SAME = 1012;
    static constexpr int IDC_PINION_HOBBED = 1014;
    static constexpr int IDC_HINT = 1015;
    static constexpr int IDC_GROUP1 = 1016;
    static constexpr int IDC_GROUP2 = 1017;
    static constexpr int IDC_GEAR_HOBBED = 1018;

    explicit CCygeomCutDlg(fw::Window* parent = nullptr);

    using fw::Dialog::DoModal;
    // Stores the pair's normal module, the mode (kCutMode*) and the pair's
    // addendum coefficient, then runs the dialog.
    virtual int DoModal(double mn, std::int32_t mode, double haStar);
    // The inputs alone, for a run started with the plain DoModal (screenshots).
    void setInputs(double mn, std::int32_t mode, double haStar);

    bool OnInitDialog() override;
    void DoDataExchange(fw::Exchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

    // The scheme as last read from the controls (read it after DoModal).
    cylindrical::CutterScheme scheme() const;

private:
    // One cutter's members, in the order the dialog holds them.
    struct CutterFields {
        double m = 0;
        std::uint32_t z0 = 0;
        double x0 = 0;
        double ha0 = 1.25;
        double d0 = 0;
        double da0 = 0;
    };
    struct CutterIds {
        int m, z0, x0, ha0, d0, da0;
    };
    static constexpr CutterIds kIds1{IDC_M1, IDC_Z01, IDC_X01, IDC_HA01, IDC_D01, IDC_DA01};
    static constexpr CutterIds kIds2{IDC_M2, IDC_Z02, IDC_X02, IDC_HA02, IDC_D02, IDC_DA02};

    void OnEnKillfocusZ0(int cutter);
    void OnEnKillfocusX0(int cutter);
    void OnEnKillfocusHa0(int cutter);
    void OnBnClickedSame();
    void OnBnClickedPinionHobbed();
    void OnBnClickedGearHobbed();

    CutterFields& fields(int cutter) { return cutter == 1 ? m_c1 : m_c2; }
    void exchangeCutter(fw::Exchange& dx, const CutterIds& ids, CutterFields& c);
    void enableCutter(const CutterIds& ids, bool on);
    // Cutter 1 into cutter 2 while both gears share it.
    void mirrorWhenSame(int cutter);
    void applyMode();

    double m_haStar = 0;
    std::int32_t m_mode = 0;
    std::int32_t m_modeCopy = 0;
    double m_mn = 0;
    CutterFields m_c1;
    CutterFields m_c2;
    int m_same = 0;
    int m_pinionHobbed = 0;
    int m_gearHobbed = 0;
};
