// The two records of a worm design data file (.cwb): CwPreRecord, the
// 320-byte preliminary record, and CwGeomRecord, the 576-byte geometry
// record. One writer and one reader each; every byte written is defined
// (fields a family does not use and the reserved gaps are zeros).
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace worm {

// Worm type codes as stored (and used as a subscript for names, radios and
// charts): 0 ZA, 1 ZN, 2 involute (ZL / ZI), 3 ZK, 4 ZC.
enum class WormType : std::int32_t { ZA = 0, ZN = 1, ZL = 2, ZK = 3, ZC = 4 };
constexpr int kWormTypeCount = 5;
constexpr bool validWormType(std::int32_t code) { return code >= 0 && code < kWormTypeCount; }
constexpr int code(WormType t) { return static_cast<int>(t); }

// Status words of a completed record.
constexpr std::int32_t kPreStatus = 301;
constexpr std::int32_t kGeomStatusOrdinary = 302;
constexpr std::int32_t kGeomStatusZc1 = 30201;
constexpr std::int32_t kGeomStatusZc3 = 30203;

// Fixed text widths (bytes on disk, terminating zero included).
constexpr std::size_t kTextWidth = 64;
constexpr std::size_t kDateWidth = 20;

struct CwPreRecord {
    static constexpr std::size_t kSize = 320;

    std::int32_t status = kPreStatus;
    WormType type = WormType::ZA;
    double n1 = 0;        // input (worm) speed, r/min
    double n2 = 0;        // output speed, r/min
    double u = 5.0;       // ratio Z2/Z1
    double p = 0;         // power, kW
    double t = 0;         // output torque, N·m
    double sigmaHlim = 0; // MPa
    double ze = 0;        // elasticity factor
    double sigmaFlim = 0; // MPa
    double d1a = 0.3;     // d1/a
    double ka = 0;        // application factor
    double zrho = 0;      // contact factor Zρ
    std::int32_t z1 = 1;
    std::int32_t z2 = 28;
    double m = 0;         // chosen standard axial module, mm
    double mCalc = 0;     // computed module m', mm
    double q = 0;         // diameter factor
    double d1Calc = 0;    // computed worm diameter d1', mm
    double d1 = 0;        // chosen standard worm diameter, mm
    double a = 0;         // centre distance, mm
    double d2 = 0;        // worm-gear reference diameter, mm
    double gamma = 0;     // lead angle, degrees
    std::string title;    // UTF-8 in memory, 64 GBK bytes on disk
    std::string number;
    std::string date;     // 20 bytes on disk

    bool operator==(const CwPreRecord&) const = default;
};

struct CwGeomRecord {
    static constexpr std::size_t kSize = 576;

    WormType type = WormType::ZA;
    std::int32_t z1 = 0, z2 = 0;
    double q = 0, d1 = 0, a = 0, d2 = 0, gamma = 0;
    double alphaN = 0, alphaX = 0;
    double aw = 0;        // working centre distance a'
    double b1 = 0, b2 = 0;
    double betaM2 = 0;    // worm-gear helix angle at the mean circle (ordinary, ZC3)
    double da1 = 0, da2 = 0;
    double db = 0;        // involute worm base diameter (ordinary type 2)
    double de2 = 0, df1 = 0, df2 = 0, dm2 = 0;
    double d1w = 0;       // worm pitch diameter d'1
    double epsA = 0;      // εa
    double gammaB = 0;    // base lead angle γb (ordinary type 2)
    double gammaW = 0;    // pitch-cylinder lead angle γ'
    double haStar = 0;    // ha* (ordinary, ZC3)
    double h1 = 0, h2 = 0, ha1 = 0, ha2 = 0;
    double hcn1 = 0;      // ordinary only
    double hf1 = 0, hf2 = 0;
    double rho = 0;       // ρf, ZC1 ρn, ZC3 ρ
    double mn1 = 0, mn2 = 0, ms = 0, mx = 0;
    double pbn = 0;       // ordinary type 2
    double px1 = 0, pz1 = 0, rg = 0, theta = 0, sn = 0;
    std::int32_t hand = 0;  // 0 right, 1 left
    double x2 = 0;
    std::int32_t ds = 0;  // ZC1 grinding-disc diameter, mm
    double au = 0;        // ZC1 grinding centre distance
    double dh = 0;        // ZC1 setting test bar
    double l3 = 0;        // ZC1
    double rhoDisc = 0;   // ZC1 grinding-disc arc radius
    double sx = 0;        // ZC1, ZC3
    double arcRadial = 0; // ZC1 L2, ZC3 cy
    double arcAxial = 0;  // ZC1 L1, ZC3 cx
    std::int32_t status = kGeomStatusOrdinary;
    std::string date, title, number;

    bool operator==(const CwGeomRecord&) const = default;
};

// Writers: exactly kSize bytes. The geometry writer writes the fields of the
// record's family (by its status word) and zeros for the others.
std::vector<std::uint8_t> writeCwPreRecord(const CwPreRecord& r);
std::vector<std::uint8_t> writeCwGeomRecord(const CwGeomRecord& r);

// Readers: nullopt when fewer than kSize bytes are given or the worm type is
// not a valid code (it would be used as a subscript).
std::optional<CwPreRecord> readCwPreRecord(std::span<const std::uint8_t> bytes);
std::optional<CwGeomRecord> readCwGeomRecord(std::span<const std::uint8_t> bytes);

}  // namespace worm
