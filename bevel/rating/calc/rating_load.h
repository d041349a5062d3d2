// What the bevel strength rating takes from a bevel design file (.cng): the
// pair's geometry entries from the preliminary and geometry records, checked
// whole before anything is handed back, and the completion mask of the
// geometry and load entries that enables the forces step.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/preliminary/calc/cone_pre_record.h"
#include "bevel/rating/calc/rating_factors.h"

namespace bevel {

// The preliminary and the geometry record together (344 + 888 bytes).
inline constexpr std::size_t kRatingRecordBytes = 1232;

// The geometry entries of the rating dialog (angles in decimal degrees).
struct RatingEntries {
    double alphaN = 0, betaM = 0, m = 0;
    int z1 = 0, z2 = 0;
    double x1 = 0, x2 = 0, xt1 = 0, xt2 = 0;
    double epsAlpha = 0, epsBeta = 0;
    double b = 0, r = 0, phiR = 0;
    double delta1 = 0, delta2 = 0;
    std::string date, number, title;
};

struct LoadedRatingDesign {
    RatingEntries entries;
    bool oldFile = false;  // no header: the caller shows the old-file notice first
    ConePreRecord pre;     // the records the entries came from, as read
    ConeGeomRecord geom;
};

// The messages of a refused load.
inline constexpr const char* kMsgNotConeData = "所用数据文件不包含圆锥齿轮设计计算数据。";
inline constexpr const char* kMsgNoConeGeometry = "载入的数据不包含锥齿轮几何计算或根本不是锥齿轮计算!";
inline constexpr const char* kMsgSpiralContact = "齿向重合度或螺旋角数值非法!";

// All or nothing, as a geometry step loads a saved design: a file of another
// header word; one shorter than the header (when it has one) and both
// records (a preliminary-only design); statuses other than 201 and 202;
// βm and εβ not both above 0 or both 0 (kMsgSpiralContact); a
// preliminary record that its own check refuses (checkConePreRecord), a
// geometry record that the check of its tooth system's kind refuses
// (checkConeGeomRecord); then the entries as their edits take them
// (entriesRefusal). A list, mask or status outside its list gets
// kMsgNoConeGeometry, a line break and the fault; a record or an entry
// refused for a value gets the refusal, which names the value, first
// (kavrin::refusedOnLoad).
fw::Expected<LoadedRatingDesign, RatingNotice> loadRatingDesign(std::span<const std::uint8_t> file);

// Completion mask bits (the forces button needs all thirteen).
namespace entry_bit {
inline constexpr std::uint32_t m = 0x1, z1 = 0x2, z2 = 0x4, alphaN = 0x8, b = 0x10, epsAlpha = 0x20,
                               spiral = 0x40, phiR = 0x80, r = 0x100, delta1 = 0x200, delta2 = 0x400,
                               torque = 0x800, n1 = 0x1000;
inline constexpr std::uint32_t kComplete = 0x1fff;
}  // namespace entry_bit

// βm and εβ agree: both above 0, or both 0 (βm below 90°, εβ not negative).
bool spiralEntriesAgree(double betaM, double epsBeta);
// The mask of the entries: each bit is set when its entry is given (not 0)
// and in its range (rating_ranges.h); the spiral bit when βm and εβ are in
// their ranges and agree. The edits set and clear the bits by it, and a load
// demands every geometry bit, so what a load takes a typed entry takes too.
std::uint32_t completionMask(const RatingEntries& e, double torque, double n1);
// The first geometry entry a load cannot take, as its field would refuse it
// ("大端模数 m：请输入 0.05 到 100 之间的数值。"): out of its range, or 0 where
// the pair needs it; βm and εβ that disagree get kMsgSpiralContact. nullopt
// when every geometry bit of the mask is set.
std::optional<std::string> entriesRefusal(const RatingEntries& e);
// Every number of the entries in its range, and every bit but torque and n1 set.
bool entriesComplete(const RatingEntries& e);

}  // namespace bevel
