// CCwMetDlg: the typical worm-gear materials (template 2022), twelve rows;
// OK gives the row's contact and bending limits and elasticity factor.
#pragma once
#include <array>

#include "fw/fw.h"
#include "worm/calc/worm_tables.h"

class CCwMetDlg : public fw::Dialog {
public:
    enum { IDD = 2022 };
    // The row radios, rows 1 to 12.
    static constexpr std::array<int, worm::kMaterialCount> kRowIds{1045, 1053, 1054, 1055, 1056, 1057,
                                                                  1058, 1059, 1061, 1062, 1063, 1064};
    explicit CCwMetDlg(fw::Window* parent = nullptr);

    int m_row = 0;   // 0-based; the dialog starts on row 1
    const worm::WormGearMaterial& material() const { return worm::wormGearMaterials().at(std::size_t(m_row)); }

protected:
    void DoDataExchange(fw::Exchange& dx) override;
};
