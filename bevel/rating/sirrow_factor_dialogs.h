// The factor dialogs the bevel strength rating shares with the cylindrical
// one, as built into Sirrow. CSirrowDlg constructs one, runs it and reads the
// public members on IDOK (members as in common/dialogs/).
#pragma once
#include "common/dialogs/application_factor_dialog.h"
#include "common/dialogs/bending_life_dialog.h"
#include "common/dialogs/contact_life_dialog.h"
#include "common/dialogs/elasticity_dialog.h"
#include "common/dialogs/limit_strength_dialog.h"
#include "common/dialogs/lubricant_dialog.h"
#include "common/dialogs/roughness_dialog.h"
#include "common/dialogs/torque_dialog.h"
#include "common/dialogs/work_hardening_dialog.h"

// Application factor KA (a tick at every trackbar position): m_dKa.
class CSirrowKaDlg : public kavrin::ApplicationFactorDialog {
public:
    static constexpr int IDD = 9011;
    explicit CSirrowKaDlg(fw::Window* parent = nullptr);
};

// Limit strength: DoModal(mode), 0 contact, 1 bending; m_dSigmaHlim, m_dSigmaFlim.
class CSirrowHlmtDlg : public kavrin::LimitStrengthDialog {
public:
    static constexpr int IDD = 9044;
    explicit CSirrowHlmtDlg(fw::Window* parent = nullptr);
};

// Contact life: m_nMaterial, m_nPitting, m_dNe (NL).
class CSirrowHznDlg : public kavrin::ContactLifeDialog {
public:
    static constexpr int IDD = 9027;
    explicit CSirrowHznDlg(fw::Window* parent = nullptr);
};

// Roughness: DoModal(limit class); m_nClass, m_dRa. Ra ≤ 0 is refused with
// a box naming the default, under the application's title.
class CSirrowHzrDlg : public kavrin::RoughnessDialog {
public:
    static constexpr int IDD = 9029;
    explicit CSirrowHzrDlg(fw::Window* parent = nullptr);
};

// Elasticity (fields checked on leaving them): m_dE1, m_dE2, m_dNu1, m_dNu2.
class CSirrowZeDlg : public kavrin::ElasticityDialog {
public:
    static constexpr int IDD = 9022;
    explicit CSirrowZeDlg(fw::Window* parent = nullptr);
};

// Lubricant (no viscosity check): DoModal(limit class); m_nLubricant,
// m_nClass, m_nFlanks, m_dNu50.
class CSirrowZlDlg : public kavrin::LubricantDialog {
public:
    static constexpr int IDD = 9028;
    explicit CSirrowZlDlg(fw::Window* parent = nullptr);
};

// Work hardening: m_nPinion, m_nGear, m_dHb.
class CSirrowZwDlg : public kavrin::WorkHardeningDialog {
public:
    static constexpr int IDD = 9030;
    explicit CSirrowZwDlg(fw::Window* parent = nullptr);
};

// Torque: DoModal(n1) opens with the pinion speed; m_dN, m_dP.
class CSirrowTDlg : public kavrin::TorqueDialog {
public:
    static constexpr int IDD = 9001;
    explicit CSirrowTDlg(fw::Window* parent = nullptr);
    using fw::Dialog::DoModal;
    virtual int DoModal(double n);
};

// Bending life (editable cycles box, "10^6" at first): m_nMaterial, m_dNe.
class CSirrowWynDlg : public kavrin::BendingLifeDialog {
public:
    static constexpr int IDD = 9042;
    explicit CSirrowWynDlg(fw::Window* parent = nullptr);
};

namespace sirrow {
// The cycles box of CSirrowWynDlg.
kavrin::BendingLifeOptions bendingLifeOptions();
}  // namespace sirrow
