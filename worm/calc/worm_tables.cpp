#include "worm/calc/worm_tables.h"


namespace worm {

double applicationFactor(DriverShock driver, DrivenShock driven) {
    // Service-conditions table of the worm drive (driver rows, driven columns).
    static constexpr double kKa[4][4] = {
        {1.0, 1.25, 1.5, 1.75},
        {1.0, 1.35, 1.6, 1.85},
        {1.25, 1.5, 1.75, 2.0},
        {1.5, 1.75, 2.0, 2.25},
    };
    auto r = static_cast<unsigned>(driver), c = static_cast<unsigned>(driven);
    return kKa[r < 4 ? r : 3][c < 4 ? c : 3];
}

const std::array<WormGearMaterial, kMaterialCount>& wormGearMaterials() {
    // Typical worm-gear materials with their fatigue limits and elasticity
    // factors (cast tin, tin-nickel, tin-zinc, aluminium-iron and
    // aluminium-nickel bronzes; grey and nodular cast iron).
    static const std::array<WormGearMaterial, kMaterialCount> kRows{{
        {"铸锡青铜", "砂型", "G-CuSn12", "ZCuSn10Pb1", 265, 115, 147},
        {"铸锡青铜", "离心", "GZ-CuSn12", "ZCuSn10Pb1", 425, 190, 147},
        {"铸锡镍青铜", "砂型", "G-CuSn12Ni", "—", 310, 140, 152.2},
        {"铸锡镍青铜", "离心", "GZ-CuSn12Ni", "—", 520, 225, 152.2},
        {"铸锡鋅青铜", "砂型", "G-CuSn10Zn", "ZCuSn10Zn2", 350, 165, 152.2},
        {"铸锡鋅青铜", "离心", "GZ-CuSn10Zn", "ZCuSn10Zn2", 430, 190, 152.2},
        {"铸铝铁青铜", "砂型", "G-CuAl10Fe", "ZCuAl10Fe3", 250, 400, 164},
        {"铸铝铁青铜", "离心", "GZ-CuAl10Fe", "ZCuAl10Fe3", 265, 500, 164},
        {"铸铝镍青铜", "砂型", "G-CuAl10Ni", "—", 550, 270, 164},
        {"铸铝镍青铜", "离心", "GZ-CuAl10Ni", "—", 660, 377, 164},
        {"灰铸铁", "砂型", "GG-25", "HT250", 350, 150, 152.2},
        {"珠光体球铁", "砂型", "GGG-70", "QT700-2", 490, 628, 182},
    }};
    return kRows;
}

}  // namespace worm
