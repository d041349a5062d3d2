// The one validity check of each record of the worm design file. A loader
// refuses a record the check refuses (with its own "not this kind of data"
// text); a save writes none (and names the field); a calculation whose
// result the check would refuse stops, so nothing on screen, in a file or
// in a report is a value a worm drive cannot have.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "worm/calc/cw_ranges.h"
#include "worm/calc/cw_records.h"

namespace worm {

// Tooth counts: a worm has at most this many threads (the preliminary design
// starts from 1 to 6 and adds one per self-locking answer), a worm gear at
// most this many teeth (70 ratios of 10 threads, with room). The ranges of
// every stored quantity are in cw_ranges.h; these follow them.
constexpr std::int32_t kMaxStarts = static_cast<std::int32_t>(ranges::kZ1.upper());
constexpr std::int32_t kMaxTeeth = static_cast<std::int32_t>(ranges::kZ2.upper());

// A number a field can hold: finite, and zero or normal (a typed subnormal
// is refused by the number parser, so a loaded one is refused too).
bool usableNumber(double v);

// What is wrong: the field as the dialogs and reports name it, and the rule;
// for a value outside its quantity's range (not a number, not positive, or
// beyond an end), that quantity too.
struct RecordFault {
    std::string field;   // "蜗轮齿宽 b2"
    std::string rule;    // "应为正值"
    std::optional<kavrin::Quantity> range = std::nullopt;
    bool notThisKind = false;   // the status word or the worm type: no record of this kind
    std::string text() const { return field + rule; }
    bool operator==(const RecordFault&) const = default;
};

// The preliminary record as its save writes it: status 301, a worm type,
// every number usable and in its range of cw_ranges.h (speeds, powers,
// limits and factors above zero, the ratio 5 to 70, Z1 and Z2, m and d1
// inside their series), the sizes tied together as the design ties them
// (d2 = Z2·m, q = d1/m, a = (d1 + d2)/2), the lead angle between 0° and 90°.
// A value 0 or less where its range lies above 0 breaks "应为正值", any
// other value outside its range "应在<lower>～<upper><unit>之间".
std::optional<RecordFault> checkPreRecord(const CwPreRecord& r);

// The geometry record of a family (by its status word), every value in its
// range of cw_ranges.h (ranges::geom). `calculated`:
// the values the family fills only in its calculation (ZC1: dH, L2, L3)
// are checked too; a record just loaded holds zeros there. ZC1's L1 is a
// signed coordinate, in its range whether calculated or not.
std::optional<RecordFault> checkGeomRecord(const CwGeomRecord& g, bool calculated = true);

// Both records of one design: each passes its check, and the geometry
// record belongs to the preliminary one (type, Z1, Z2, m, q, d1, d2, a).
std::optional<RecordFault> checkDesign(const CwPreRecord& pre, const CwGeomRecord& geom);

// The refusal of a save: "<field><rule>，数据未保存！"
std::string saveRefusal(const RecordFault& f);
// The refusal of a load whose record the check refuses: for a status word or
// worm type outside its list the loader's own "not this kind of data" text,
// a line break and "<field><rule>！"; for a value "<field><rule>！" first
// (kavrin::refusedOnLoad).
std::string loadRefusal(std::string_view loaderText, const RecordFault& f);
// The refusal of a calculation whose result the check refuses: a value
// outside its quantity's range as every calculator words it
// (kavrin::resultNotTaken), a rule between fields "计算结果无效：<field><rule>！".
std::string resultRefusal(const RecordFault& f);

}  // namespace worm
