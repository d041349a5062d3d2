// The data files the profile CAD tool turns into point data: a pair designed
// by the geometry sheet ("W_CYDESIGN"), a measured gear or pair
// ("W_CYMEASURE", kinds 0 to 2) or a small-module pair ("W_CYSMDESIGN").
// A read keeps, per gear, the values the profile step uses; it is filled
// whole by each accepted read and left as it was by a refused one.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "fw/expected.h"
#include "measurement/calc/profile_data.h"

namespace profiletool {

enum class SourceKind { Design, Measurement, SmallModule };

// One gear as the profile step needs it (lengths mm, angles degrees).
struct GearValues {
    std::int32_t z = 0;
    double d = 0, da = 0, df = 0, db = 0;
    double xn = 0;
    double alphaT = 0;   // transverse pressure angle
    double beta = 0;     // reference helix angle
    bool operator==(const GearValues&) const = default;
};

struct ProfileSource {
    SourceKind kind = SourceKind::Design;
    std::int32_t gearKind = 0;          // 0 external, 1 internal (the pair's mesh or the single gear)
    double cStar = 0;
    double mn = 0;
    std::array<GearValues, 2> gears{};  // pinion Z1, gear Z2
    bool operator==(const ProfileSource&) const = default;
};

// The largest file the tool reads: header, preliminary and geometry record.
constexpr std::size_t kMaxSourceBytes = 64 + 376 + 336;

// Hints of the tool (shown in its hint text, not in message boxes).
inline constexpr const char* kHintNotCyb = "应选用渐开线齿轮几何计算数据文件*.cyb";
inline constexpr const char* kHintNotFound = "渐开线齿轮几何计算数据文件:\n%s\n未能找到";
inline constexpr const char* kHintOldVersion = "此数据文件产生于过时的较旧版本，请重新进行编辑并保存数据！";
inline constexpr const char* kHintNoGeometry = "所用的数据文件不包括或未完成几何计算!";
inline constexpr const char* kHintUnfinished = "所用的数据文件未完成几何计算!";
inline constexpr const char* kHintBadMesh = "不能识别齿轮内、外啮合形式，恐怕所用的数据有误或\n是较旧版本产生的数据!";
inline constexpr const char* kHintChooseGear = "请指定要生成齿廓数据的大、小齿轮（Z1或Z2)选择项。\n";
inline constexpr const char* kHintConfirm =
    "请确认或编辑“齿根圆角半径”与工艺“收缩率”（线性收缩率）后，点击“确定”产生绘图数据。";

// Which controls a refused read leaves disabled.
enum class Disable {
    ReadOkFilletShrinkage,   // 读取, 确定, rp and λ
    ReadOk,                  // 读取 and 确定
    OkFilletShrinkage,       // 确定, rp and λ (读取 stays)
};
struct ReadRefusal {
    std::string hint;
    Disable disable = Disable::OkFilletShrinkage;
};

struct ReadResult {
    ProfileSource source;
    std::string hint;         // what the file holds (the confirm hint is added by the caller)
    bool z1Enabled = true;
    bool z2Enabled = true;
    std::int32_t zChoice = 0; // 0 pinion, 1 gear
};

// The check of what a read takes, for the gears the file offers: mn above
// zero and at most measurement::kModuleMax, every value finite and no
// subnormal, tooth counts above zero, the diameters and αt positive, β
// within ±90°, the root circle below the tip circle (above it on the
// internal gear of an internal pair). nullopt, or the hint naming what is
// wrong.
std::optional<std::string> profileSourceFault(const ProfileSource& s, bool pinion, bool gear);
inline constexpr const char* kHintBadModule = "数据文件中的模数无效：模数应大于0并不大于100mm！";
inline constexpr const char* kHintBadValues = "数据文件中的齿轮数据无效(齿数、直径或压力角)，不能生成齿廓数据！";

// Every check before anything is taken: header, version, word, kind, the
// records' length, status and mesh, then the own loader of the file's kind
// with its record checks (a design through the geometry sheet's loader,
// both records checked; a measured gear or pair and a small-module pair
// through theirs), then profileSourceFault. A refusal by a loader shows its
// words, naming the field and its range.
fw::Expected<ReadResult, ReadRefusal> readProfileSource(std::span<const std::uint8_t> file);

// The path rules of the browse and path edit: .cyb (case ignored), existing.
// nullopt: 读取 may be enabled; otherwise the hint to show.
std::optional<std::string> checkSourcePath(const std::filesystem::path& p);

// rp and λ.
struct FilletRange {
    double lower = 0, upper = 0;
};
FilletRange filletRange(double mn);                        // 0.2·mn to 0.38·mn
// rp inside the closed range; a bound typed as the message prints it
// (0.2·3 is 0.6000000000000001 in doubles) is inside.
bool filletAccepted(double rp, double mn);
double defaultFillet(const ProfileSource& s);             // 0.25·mn, 0.2·mn for a small-module pair
// 0.25·mn, at most kShrinkageDefaultMax: the λ field refuses 3 and more,
// which 0.25·mn reaches at mn 12.
inline constexpr double kShrinkageDefaultMax = 2.5;
double defaultShrinkage(const ProfileSource& s);
std::string filletRangeMessage(const FilletRange& r);     // "齿根过渡圆角半径不应＜%.3fmm或大于%.3fmm"
inline constexpr const char* kMsgShrinkage = "工艺收缩率不宜≥3，也不能＜0，\n请考虑采用适当的工艺和材料。";
bool shrinkageAccepted(double lambda);                    // 0 ≤ λ < 3

// The point record of the chosen gear (0 pinion, 1 gear); nullopt when the
// data hold no profile.
inline constexpr const char* kMsgConversionFailed = "数据转换失败，未明确选定的齿轮几何计算数据或选定的数据无效！";
std::optional<measurement::ProfileDataRecord> toolProfile(const ProfileSource& s, int gearChoice, double rp,
                                                          double lambda);

// The save name: a name not ending in ".cyd" loses its trailing dots and
// gets ".cyd" appended (gear.dat → gear.dat.cyd).
inline constexpr const char* kMsgCydName = "为在CAD中识别文件，必须用“.cyd”扩展名命名文件";
struct CydName {
    std::filesystem::path path;
    bool changed = false;
};
CydName cydName(const std::filesystem::path& chosen);

}  // namespace profiletool
