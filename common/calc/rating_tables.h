// The factor tables and curves the strength ratings share (cylindrical and
// bevel): the limited-life power laws with their long-life line, the
// lubricant and velocity factors, the roughness factor with its size table
// and the work hardening factor. Each rating wraps them with its own inputs,
// refusals and mask bits.
#pragma once
#include <optional>

namespace kavrin::rating {

// A life factor (ZN, YN) whose limited-life branch is the power law c·NE^e
// (e < 0). The power law holds up to its knee, the cycle number where it
// reaches 1; beyond the knee the factor follows the long-life line of the
// rating standards: log-linear in NE from 1.0 at the knee to 0.85 at 10¹⁰
// cycles, and 0.85 beyond.
double lifeFactorPowerLaw(double c, double e, double cycles);

// Bending life factor YN by material (0 quenched and tempered steel,
// 1 case-hardened or surface-hardened, 2 gas-nitrided, 3 liquid-nitrided)
// at NE > 0 cycles; nullopt for a material outside 0..3.
std::optional<double> bendingLifeFactor(int material, double cycles);

// What the factor dialogs' fields take, and the ratings with them: the
// kinematic viscosity at 50 °C of gear oils (cSt), and the fatigue limits of
// gear materials (MPa; the largest in the material tables lie well below).
inline constexpr double kViscosity50Min = 1;
inline constexpr double kViscosity50Max = 2000;
inline constexpr double kSigmaHlimMax = 2000;
inline constexpr double kSigmaFlimMax = 1500;

// σHlim classes of the lubricant and roughness dialogs: 0 (≤ 800 MPa) .. 4 (≥ 1200 MPa).
inline bool validLimitClass(int limitClass) { return limitClass >= 0 && limitClass <= 4; }

// ZL at the viscosity ν50 (cSt): the class's power law, times 1.1 (hard
// flanks) or 1.4 (quenched and tempered) with synthetic oil (lubricant 1).
// The class, lubricant and flank state must be valid.
double lubricantFactor(int limitClass, int lubricant, int flankState, double viscosity);
// Zv at the pitch-line speed v (m/s): the class's power law.
double velocityFactor(int limitClass, double v);

// The size factor f of the roughness step by the distance a (mm): 0.9286 up
// to 100, linear between the thirteen rows, 0.3 from 2000 on (NaN stays NaN).
double roughnessDistanceFactor(double a);
// ZR = c0 − c1·ln(Ra·f) of the class.
double roughnessFactor(int limitClass, double raTimesF);

// ZW: 1.2 below HB 130, 1.27704 − 0.0005926·HB up to 350, 1.0 above, for a
// hard pinion (0) against a soft gear (1); 1 for every other pairing.
double workHardeningFactor(int pinionFlank, int gearFlank, double gearHardness);

}  // namespace kavrin::rating
