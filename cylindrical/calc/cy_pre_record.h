// CyPreRecord: the preliminary-design record of a cylindrical design file,
// 376 bytes after the 64-byte header, and the file that holds it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fw/expected.h"

namespace cylindrical {

constexpr std::int32_t kCyPreStatus = 101;
constexpr std::int32_t kCyDesignKind = 2;

struct CyPreRecord {
    static constexpr std::size_t kSize = 376;

    std::int32_t z1 = 17;
    std::int32_t z2 = 17;
    std::int32_t betaMin = 0;  // stored minutes first, then degrees, then seconds
    std::int32_t betaDeg = 0;
    std::int32_t betaSec = 0;
    std::int32_t support = 0;     // 0 symmetric, 1 asymmetric, 2 cantilever
    std::int32_t hardness = 0;    // 0 below 350 HB, 1 above
    std::int32_t loadNature = 0;  // 0 steady, 1 moderate shocks, 2 heavy shocks
    std::int32_t k2Pos = 0;
    double k2Lower = 1.8;
    double k2Upper = 2.3;
    std::int32_t phiDPos = 0;
    double phiDLower = 0.8;
    double phiDUpper = 1.4;
    double i = 1.0;
    double t = 0;   // output torque, N·m
    double a = 0;   // centre distance, mm
    double ni = 0;  // input speed, r/min
    double no = 0;  // output speed, r/min
    double p = 0;   // power, kW
    double phiD = 0.8;
    double k1 = 2.0;
    double k2 = 1.8;
    std::int32_t k1Pos = 0;
    double k1Lower = 2.0;
    double k1Upper = 2.4;
    double sigmaHP = 1300;
    double sigmaFP = 450;
    double mn = 0;
    double ms = 0;
    std::int32_t meshType = 0;  // 0 external, 1 internal
    std::int32_t status = kCyPreStatus;
    std::string date;    // 20 bytes on disk
    std::string number;  // 64 bytes on disk
    std::string title;   // 64 bytes on disk

    friend bool operator==(const CyPreRecord&, const CyPreRecord&) = default;
};

// One writer and one reader; the reserved bytes are written as zeros.
std::vector<std::uint8_t> writeCyPreRecord(const CyPreRecord& r);
// nullopt when fewer than 376 bytes are given.
std::optional<CyPreRecord> readCyPreRecord(std::span<const std::uint8_t> bytes);

// Refusals of a loaded cylindrical design file.
inline constexpr const char* kMsgMeasurementFile = "所用数据文件是圆柱齿轮测绘计算数据。不适用设计更改";
inline constexpr const char* kMsgNotDesignFile = "所用数据文件不包含圆柱齿轮设计计算数据。";
inline constexpr const char* kMsgUnfinishedFile = "所载入的文件包含未完成的圆柱齿轮计算数据。";

// The design file a preliminary save writes: header (version 400, kind 2,
// "W_CYDESIGN", the time stamp) and the record.
std::vector<std::uint8_t> cyPreFileBytes(const CyPreRecord& r, std::int64_t timeStamp);

// Limits shared by the preliminary dialog's fields and the record's check.
// The helix angle of a preliminary design: 0 to 60° (what the geometry sheet,
// the next step, takes).
inline constexpr int kPreBetaMaxDeg = 60;

// The one check of a preliminary record, run by the preliminary dialog's and
// the geometry sheet's loaders and by every save that writes the record:
// every number inside its quantity's range (cy_pre_ranges.h, the ranges the
// dialog's fields take; teeth and ratio given), β at most 60° and the β that
// mn and ms give as well, Z2 ≥ Z1 (Z2 > Z1 for an internal pair), every list
// index in its list, the slider ranges ordered with their values inside.
// nullopt when sound; otherwise the first fault, naming its field.
std::optional<std::string> checkCyPreRecord(const CyPreRecord& r);
// The list indices alone (support, hardness, load nature, mesh type), the
// check's first rules: a record with one outside its list is no design of
// this kind.
std::optional<std::string> cyPreListFault(const CyPreRecord& r);
// Calculated: both modules above zero (what a preliminary save always
// holds, and what the later steps need).
bool calculatedCyPreRecord(const CyPreRecord& r);

// The bytes a save writes, after the check: a record the check refuses is
// not written (the fault names the field).
fw::Expected<std::vector<std::uint8_t>, std::string> cyPreSaveBytes(const CyPreRecord& r, std::int64_t timeStamp);

struct LoadedCyPre {
    CyPreRecord record;
    bool oldFile = false;  // the caller shows kMsgOldFile first
};
// All checks of a load before anything changes: length, header word, status,
// checkCyPreRecord and calculatedCyPreRecord; a refusal names its message. A
// file too short for its record is refused as kMsgNotDesignFile, one with a
// list index outside its list the same with the fault on a second line, a
// record with a value the check refuses by that fault (kavrin::refusedOnLoad),
// one that was never calculated as kMsgUnfinishedFile.
fw::Expected<LoadedCyPre, std::string> loadCyPreFile(std::span<const std::uint8_t> file);

}  // namespace cylindrical
