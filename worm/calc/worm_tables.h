// The tables the worm calculators share: the application factor KA by the
// driving and driven machines, and the typical worm-gear materials.
#pragma once
#include <array>
#include <string>

namespace worm {

enum class DriverShock { Steady, Light, Moderate, Heavy };        // 典型原动机特性
enum class DrivenShock { Steady, Slight, Moderate, Large };       // 典型工作机特性
// KA: service-conditions table (rows driver, columns driven machine).
double applicationFactor(DriverShock driver, DrivenShock driven);

struct WormGearMaterial {
    const char* name;       // material
    const char* casting;    // 砂型 / 离心
    const char* din;
    const char* gb;         // "—" when there is none
    double sigmaHlim;       // contact fatigue limit, MPa
    double sigmaFlim;       // bending fatigue limit, MPa (also Ulim)
    double ze;              // elasticity factor
};
constexpr int kMaterialCount = 12;
// Typical worm-gear materials (bronze, cast iron), rows 1 to 12.
const std::array<WormGearMaterial, kMaterialCount>& wormGearMaterials();

}  // namespace worm
