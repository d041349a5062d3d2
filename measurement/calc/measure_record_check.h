// The one validity check of each measurement record kind, run by its loader
// and by its dialog's save before anything is written, so that what a
// dialog saves it loads again and what a loader takes its fields would have
// taken. Also the record ↔ dialog state of both kinds, used by the saves,
// the loads and the checks alike.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "measurement/calc/cy_measure_record.h"
#include "measurement/calc/pair_measure.h"
#include "measurement/calc/single_measure.h"

namespace measurement {

// A single gear as its dialog holds it after a trial or a load.
struct SingleMeasure {
    SingleInput in;             // the inputs the results belong to
    SingleResult out;
    double dWs = 0, dWi = 0;    // span deviations, magnitudes
    double dMs = 0, dMi = 0;    // pin deviations, magnitudes
    std::string title{}, number{};
    std::int64_t date = 0;      // seconds since 1970-01-01 UTC
};
// The record the single-gear save writes (kind = the gear type).
CyMeasureRecord singleRecord(const SingleMeasure& m);
// What the single-gear load takes from a record of kind 0 or 1: only the
// slot of the kind and the common fields.
SingleMeasure singleMeasure(std::int32_t kind, const CyMeasureRecord& r);

// A pair as its dialog holds it.
struct PairMeasure {
    PairInput in;
    PairResult out;
    SpanDeviations dev;
    std::string title, number;
    std::int64_t date = 0;
};
CyMeasureRecord pairRecord(const PairMeasure& m);
// Every pair column but Δyn, df1, df2, the whole depth and u, which are
// recomputed from the others.
PairMeasure pairMeasure(const CyMeasureRecord& r);

// The field rules the dialogs and the record checks share, each reading its
// quantity in measure_ranges.h: nullopt, or the field's refusal.
// mn: "模数必须大于零！" at or below 0, "模数不应大于100mm！" above 100 mm,
// the range's refusal below 0.05 mm.
std::optional<std::string> moduleRefusal(double mn);
// A measured tip diameter of quantity q: "齿顶圆直径必须大于零！" at or below 0,
// else the range's refusal.
std::optional<std::string> tipRefusal(const kavrin::Quantity& q, double da);
// A span deviation (magnitude): kMsgDeviation outside its range (0 is none).
std::optional<std::string> deviationRefusal(double v);
// A profile shift of quantity q: the range's refusal.
std::optional<std::string> shiftRefusal(const kavrin::Quantity& q, double xn);
// The working centre distance: kMsgCentreLimits at or below 0 and outside the
// band around a (centreDistanceAccepted), the range's refusal outside it.
std::optional<std::string> centreRefusal(const PairInput& in, double aw);

// The checks: every value the load takes passes its field's rule (its
// quantity's range in measure_ranges.h, finiteness, no subnormal), every
// stored result lies in its quantity's range and passes the calculation's
// own check (singleResultFault, pairResultFault). A pair's root diameters
// df1, df2, which its load recomputes but its report and the profile tool
// read as stored, are checked as stored too (range, and each on its side of
// its tip circle: rootOutsideTip). Bytes no reader takes (a pair's Δyn,
// whole depth and u, recomputed on load; the other slot of a single gear)
// are not looked at. nullopt, or what is wrong with the field named.
std::optional<std::string> singleRecordFault(std::int32_t kind, const CyMeasureRecord& r);
std::optional<std::string> pairRecordFault(const CyMeasureRecord& r);
// Their first rules alone: the gear kind and the solve mode of a single
// gear, the mesh type of a pair, outside their lists.
std::optional<std::string> singleListFault(std::int32_t kind, const CyMeasureRecord& r);
std::optional<std::string> pairListFault(const CyMeasureRecord& r);

// The refusal of a save whose record fails its check: the fault, then
// "数据未保存。".
std::string saveRefusal(const std::string& fault);
// The refusal of a load whose record holds a kind or mode outside its list:
// the loader's "使用的数据错误!" and the fault. (One with a value the check
// refuses is refused by that fault: kavrin::refusedOnLoad.)
std::string loadRefusal(const std::string& fault);

}  // namespace measurement
