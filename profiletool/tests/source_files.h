// The data files the profile tool's tests read: the geometry example as the
// geometry sheet saved it, designs built on its preliminary record, and the
// files that the record check of their own kind refuses.
//
// The geometry example (fuzz/corpus/profile_source/design_example.cyb,
// 776 bytes): Z1 20, Z2 40, mn 2, αn 20°, β 0, x 0, ha* 1, c* 0.25 (index 0),
// external, a = ad = 60, b 32, εα 1.6, ψd 0.8, with a sound preliminary
// record. The measured pair: measurement/tests/fixtures/pair_a61.cyb
// (Z1 20, Z2 40, mn 2, da1 44, a' 61).
#pragma once
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "cylindrical/calc/geometry_design.h"
#include "common/calc/record_check.h"
#include "fw/file.h"
#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/measure_record_check.h"

namespace profiletool_test {

// A file of the source tree; empty when it cannot be read.
inline std::vector<std::uint8_t> sourceFile(const char* path) {
    auto b = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / path);
    return b ? *b : std::vector<std::uint8_t>{};
}

inline std::vector<std::uint8_t> geometryExample() { return sourceFile("fuzz/corpus/profile_source/design_example.cyb"); }
inline std::vector<std::uint8_t> measuredPair() { return sourceFile("measurement/tests/fixtures/pair_a61.cyb"); }

// The geometry example's preliminary record, which every design file of the
// tests carries: the tool checks it as the geometry sheet does.
inline cylindrical::CyPreRecord examplePreliminary() {
    const auto file = geometryExample();
    if (file.size() < cylindrical::kGeometryFileSize) return {};
    return cylindrical::readCyPreRecord(std::span(file).subspan(64)).value_or(cylindrical::CyPreRecord{});
}

// A design file of geometry record g, saved as the sheet saves it.
inline std::vector<std::uint8_t> designFile(const cylindrical::CyGeomRecord& g, std::int64_t timeStamp = 1765324800) {
    return cylindrical::geometryDesignFileBytes(examplePreliminary(), g, timeStamp);
}

// A copy of `file` with the double at byte `offset` (from the start of the
// file: header 64 bytes, then the records) set to v.
inline std::vector<std::uint8_t> withDouble(std::vector<std::uint8_t> file, std::size_t offset, double v) {
    if (offset + 8 <= file.size()) std::memcpy(file.data() + offset, &v, 8);
    return file;
}

// Files another calculator's record check refuses, and the refusal the tool
// shows: the fault first, naming the field and its range.
struct RefusedFile {
    const char* name;
    std::vector<std::uint8_t> file;
    std::string hint;
};

inline std::vector<RefusedFile> refusedByTheirRecordChecks() {
    // Geometry record fields: 64 + 376 + offset (mn +24, yn +80, Σx +88, xn1 +96).
    return {
        {"Σx 1e300", withDouble(geometryExample(), 528, 1e300), kavrin::refusedOnLoad("总变位系数 χnΣ：请输入 -10 到 10 之间的数值。")},
        {"yn 1e300", withDouble(geometryExample(), 520, 1e300), kavrin::refusedOnLoad("法面中心距变动系数 yn：请输入 -20 到 20 之间的数值。")},
        {"xn1 6", withDouble(geometryExample(), 536, 6), kavrin::refusedOnLoad("χn1：请输入 -5 到 5 之间的数值。")},
        {"mn 1e-300", withDouble(geometryExample(), 464, 1e-300), kavrin::refusedOnLoad("法面摸数 m：请输入 0.01 到 100 之间的数值。")},
        // Measurement record: 64 + 144 is df1.
        {"measured pair df1 1000", withDouble(measuredPair(), 208, 1000),
         kavrin::refusedOnLoad("小齿轮齿根圆直径df1应在0.000001～44mm之间（小于齿顶圆直径）！")},
    };
}

}  // namespace profiletool_test
