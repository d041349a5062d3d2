// The factor dialogs of the cylindrical strength rating. The rating dialog
// constructs one on its stack, runs DoModal (or the class's overload) and
// reads the public members on IDOK. Behaviour and members are those of the
// shared dialogs in common/dialogs/; these are the Corvane copies.
#pragma once
#include "common/dialogs/accuracy_grade_dialog.h"
#include "common/dialogs/application_factor_dialog.h"
#include "common/dialogs/bending_life_dialog.h"
#include "common/dialogs/contact_life_dialog.h"
#include "common/dialogs/elasticity_dialog.h"
#include "common/dialogs/face_load_dialog.h"
#include "common/dialogs/form_factor_options_dialog.h"
#include "common/dialogs/limit_strength_dialog.h"
#include "common/dialogs/lubricant_dialog.h"
#include "common/dialogs/roughness_dialog.h"
#include "common/dialogs/stress_correction_dialog.h"
#include "common/dialogs/torque_dialog.h"
#include "common/dialogs/work_hardening_dialog.h"

// Application factor KA: m_dKa (band m_dLow..m_dHigh, m_nDriver, m_nDriven, m_nPos).
class CCyProofKaDlg : public kavrin::ApplicationFactorDialog {
public:
    static constexpr int IDD = 1022;
    explicit CCyProofKaDlg(fw::Window* parent = nullptr);
};

// Face load options: m_nFlanks, m_nMounting.
class CCyProofKbitaDlg : public kavrin::FaceLoadDialog {
public:
    static constexpr int IDD = 1023;
    explicit CCyProofKbitaDlg(fw::Window* parent = nullptr);
};

// Limit strength: DoModal(mode); m_dSigmaHlim, m_dSigmaFlim.
class CCyProofLimtDlg : public kavrin::LimitStrengthDialog {
public:
    static constexpr int IDD = 1024;
    explicit CCyProofLimtDlg(fw::Window* parent = nullptr);
};

// Accuracy grade: DoModal(hint); m_nGrade (0 for grade 3 … 7 for grade 10).
class CCyProofPrecisionDlg : public kavrin::AccuracyGradeDialog {
public:
    static constexpr int IDD = 1025;
    explicit CCyProofPrecisionDlg(fw::Window* parent = nullptr);
};

// Form factor options: DoModal(zv, gear, xn1, xn2); m_nGear, m_dX, m_dZv, m_dDepth.
class CCyProofShiftDlg : public kavrin::FormFactorOptionsDialog {
public:
    static constexpr int IDD = 1027;
    explicit CCyProofShiftDlg(fw::Window* parent = nullptr);
};

// Torque: m_dN (r/min), m_dP (kW).
class CCyProofTDlg : public kavrin::TorqueDialog {
public:
    static constexpr int IDD = 1028;
    explicit CCyProofTDlg(fw::Window* parent = nullptr);
};

// Bending life: m_nMaterial, m_dNe.
class CCyProofWynDlg : public kavrin::BendingLifeDialog {
public:
    static constexpr int IDD = 1029;
    explicit CCyProofWynDlg(fw::Window* parent = nullptr);
};

// Stress correction: DoModal(zv, gear, xn1, xn2); m_nMaterial, m_nGear, m_dX, m_dZv.
class CCyProofWysDlg : public kavrin::StressCorrectionDialog {
public:
    static constexpr int IDD = 1031;
    explicit CCyProofWysDlg(fw::Window* parent = nullptr);
};

// Elasticity: m_nPair, m_dE1, m_dE2, m_dNu1, m_dNu2.
class CCyProofZeDlg : public kavrin::ElasticityDialog {
public:
    static constexpr int IDD = 1032;
    explicit CCyProofZeDlg(fw::Window* parent = nullptr);
};

// Work hardening: m_nPinion, m_nGear, m_dHb.
class CCyProofZhwDlg : public kavrin::WorkHardeningDialog {
public:
    static constexpr int IDD = 1021;
    explicit CCyProofZhwDlg(fw::Window* parent = nullptr);
};

// Lubricant: DoModal(limit class); m_nLubricant, m_nFlanks, m_nClass, m_dNu50.
class CCyProofZlDlg : public kavrin::LubricantDialog {
public:
    static constexpr int IDD = 1033;
    explicit CCyProofZlDlg(fw::Window* parent = nullptr);
};

// Contact life: m_nMaterial, m_nPitting, m_dNe.
class CCyProofZnDlg : public kavrin::ContactLifeDialog {
public:
    static constexpr int IDD = 1034;
    explicit CCyProofZnDlg(fw::Window* parent = nullptr);
};

// Roughness: DoModal(limit class); m_nClass, m_dRa.
class CCyProofZrDlg : public kavrin::RoughnessDialog {
public:
    static constexpr int IDD = 1035;
    explicit CCyProofZrDlg(fw::Window* parent = nullptr);
};
