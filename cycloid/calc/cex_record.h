// The cycloid drive design record: six fixed-layout blocks, one per page of
// the design wizard, and the .cxd design file that holds them behind the
// common 64-byte header. The structs below have the file's layout exactly
// (little-endian, no padding the file does not have); sizes and offsets are
// checked at compile time and every field is read and written by offset.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fw/expected.h"

namespace cycloid {

// Status words of complete blocks.
constexpr std::int32_t kStatus1 = 401;
constexpr std::int32_t kStatus2 = 402;
constexpr std::int32_t kStatus3 = 403;
constexpr std::int32_t kStatus4 = 404;
constexpr std::int32_t kStatus5 = 405;
constexpr std::int32_t kStatus6 = 406;

// Block 1: preliminary mesh parameters.
struct CexBlock1 {
    double a = 0, bc = 0, i = 0, K1 = 0, K2 = 0, n0 = 0, eta = 0, P = 0, Rp = 0, Rrp = 0, Tc = 0;
    std::uint32_t Zc = 0, Zp = 0;
    std::array<std::uint8_t, 8> time{};
    std::array<char, 64> title{};
    std::array<char, 64> number{};
    std::array<char, 20> date{};
    std::int32_t status = 0;
    std::array<std::uint8_t, 24> reserved{};   // zeroed whenever page 1 is left
};

// Block 2: transmission parts.
struct CexBlock2 {
    double dac = 0, dt = 0, Dw = 0, dfc = 0, dDi = 0, dp = 0, drp = 0, drw = 0, dsp = 0, dsw = 0, EI_dw = 0,
           ES_dw = 0, dj = 0, dw = 0;
    std::array<std::uint8_t, 8> reserved112{};
    double l = 0;
    std::int32_t X1 = 0, X2 = 0, status = 0;
    std::array<std::uint8_t, 4> reserved140{};
    double Kw = 0, sigmaFlim = 0, Sf = 0, epsMax = 0, Qmax = 0;
    std::int32_t pinsLeftOut = 0, Nz = 0;
    std::array<std::uint8_t, 24> reserved{};   // zeroed whenever page 2 is left
};

// Block 3: clearances and angular modification.
struct CexBlock3 {
    double delta = 0, dc = 0, dfEs = 0, dj = 0, dwl = 0, dpt = 0, DW = 0;
    std::int32_t status = 0;
    std::array<std::uint8_t, 4> reserved60{};
    double dR = 0;
    std::int32_t grade = 0;
    std::int32_t reserved76 = 0, reserved80 = 0;   // zeroed whenever page 3 is left
    std::array<std::uint8_t, 4> reserved84{};
    std::array<std::uint8_t, 16> reserved{};       // zeroed whenever page 3 is left
};

// Block 4: optimised profile modification.
struct CexBlock4 {
    double delta = 0, dc = 0, ds = 0, dj = 0, drp = 0, drrp = 0, K1m = 0;
    std::int32_t status = 0;
    std::int32_t reserved60 = 0, reserved64 = 0;   // zeroed whenever page 4 is left
    std::array<std::uint8_t, 4> reserved68{};
    std::array<std::uint8_t, 16> reserved{};       // zeroed whenever page 4 is left
};

// Block 5: measurement over rods.
struct CexBlock5 {
    double dac = 0, dfc = 0, Ka = 0, Ln = 0;
    std::int32_t n = 0;
    std::array<std::uint8_t, 4> reserved36{};
    double phiA = 0, RL = 0, rodRadius = 0, Xa = 0, Ya = 0;
    std::int32_t status = 0;
    std::int32_t reserved84 = 0, reserved88 = 0;   // zeroed whenever page 5 is left
    std::array<std::uint8_t, 4> reserved92{};
    std::array<std::uint8_t, 16> reserved{};       // zeroed whenever page 5 is left
};

// Block 6: strength check of the mesh.
struct CexBlock6 {
    double deltaMax = 0, Fmax = 0;
    std::int32_t Zn = 0;
    std::array<std::uint8_t, 4> reserved20{};
    double SH = 0, SF = 0;
    std::int32_t status = 0;
    std::array<std::uint8_t, 4> reserved44{};
    double theta = 0, sigmaF = 0, sigmaH = 0, sigmaFp = 0, sigmaHp = 0, mu = 0, E = 0;
    std::array<std::uint8_t, 24> reserved{};   // zeroed whenever page 6 is left
};

static_assert(sizeof(CexBlock1) == 280 && offsetof(CexBlock1, Zc) == 88 && offsetof(CexBlock1, title) == 104 &&
              offsetof(CexBlock1, number) == 168 && offsetof(CexBlock1, date) == 232 &&
              offsetof(CexBlock1, status) == 252 && offsetof(CexBlock1, reserved) == 256);
static_assert(sizeof(CexBlock2) == 216 && offsetof(CexBlock2, dw) == 104 && offsetof(CexBlock2, l) == 120 &&
              offsetof(CexBlock2, X1) == 128 && offsetof(CexBlock2, status) == 136 &&
              offsetof(CexBlock2, Kw) == 144 && offsetof(CexBlock2, Qmax) == 176 &&
              offsetof(CexBlock2, pinsLeftOut) == 184 && offsetof(CexBlock2, Nz) == 188 &&
              offsetof(CexBlock2, reserved) == 192);
static_assert(sizeof(CexBlock3) == 104 && offsetof(CexBlock3, DW) == 48 && offsetof(CexBlock3, status) == 56 &&
              offsetof(CexBlock3, dR) == 64 && offsetof(CexBlock3, grade) == 72 &&
              offsetof(CexBlock3, reserved76) == 76 && offsetof(CexBlock3, reserved) == 88);
static_assert(sizeof(CexBlock4) == 88 && offsetof(CexBlock4, K1m) == 48 && offsetof(CexBlock4, status) == 56 &&
              offsetof(CexBlock4, reserved) == 72);
static_assert(sizeof(CexBlock5) == 112 && offsetof(CexBlock5, n) == 32 && offsetof(CexBlock5, phiA) == 40 &&
              offsetof(CexBlock5, Ya) == 72 && offsetof(CexBlock5, status) == 80 &&
              offsetof(CexBlock5, reserved) == 96);
static_assert(sizeof(CexBlock6) == 128 && offsetof(CexBlock6, Zn) == 16 && offsetof(CexBlock6, SH) == 24 &&
              offsetof(CexBlock6, status) == 40 && offsetof(CexBlock6, theta) == 48 &&
              offsetof(CexBlock6, E) == 96 && offsetof(CexBlock6, reserved) == 104);

struct CexDesignRecord {
    CexBlock1 b1;
    CexBlock2 b2;
    CexBlock3 b3;
    CexBlock4 b4;
    CexBlock5 b5;
    CexBlock6 b6;

    static constexpr std::size_t kBytes = 280 + 216 + 104 + 88 + 112 + 128;   // 928
};

// File layout.
constexpr std::size_t kCexHeaderBytes = 64;
constexpr std::size_t kCexFileBytes = kCexHeaderBytes + CexDesignRecord::kBytes;   // 992
constexpr std::size_t kCexBlockOffsets[6] = {64, 344, 560, 664, 752, 864};
static_assert(kCexFileBytes == 992 && kCexBlockOffsets[5] + sizeof(CexBlock6) == kCexFileBytes);

// The six blocks back to back (928 bytes) and back.
std::vector<std::uint8_t> recordBytes(const CexDesignRecord& r);
CexDesignRecord recordFromBytes(std::span<const std::uint8_t> bytes);   // needs 928 bytes

// The saved file: header (version 400, "W_CEXDESIGN", the time), then the blocks.
std::vector<std::uint8_t> designFileBytes(const CexDesignRecord& r, std::int64_t timeStamp);

// The largest cycloid-disc tooth count the wizard takes (typed on page 1 or
// loaded); the pin count is one more (cex_q::kZc, kZp).
constexpr std::uint32_t kMaxDiscTeeth = 999;

// What is wrong with a record: the page whose block holds it and the field
// and rule in words (e.g. "输出扭矩 Tc 不是有限的数值").
struct RecordFault {
    int block = 0;   // 1 to 6
    std::string what;
    bool notThisKind = false;   // a status word or an enumeration outside its list
};
// The one validity check of the record, run by the load on what it read and
// by the save on what it is about to write: every number within its
// quantity's range (cex_ranges.h; NaN and the infinities never), the rules
// between slots (Zp = Zc + 1, i = Zc, Nz up to X2), status words 0 or
// complete, a complete block full, enumerations (supports, output pins,
// grade, the pins-left-out flag) known.
std::optional<RecordFault> checkRecord(const CexDesignRecord& r);
// The fault with its page: "第1页(预定参数)的偏心距 a：请输入 0 或 0.01 到 1000 之间的数值。"
std::string recordFaultText(const RecordFault& f);
// The save's refusal for a fault.
std::string recordFaultMessage(const RecordFault& f);

// A file read back: the record, and whether it was an old file without header.
struct LoadedDesign {
    CexDesignRecord record;
    bool oldFile = false;
};
// A loaded file: length and header word, then checkRecord. A refusal is
// the message to show: kMsgNotCycloid (with the fault and its page on a
// second line for a status word or an enumeration outside its list), or for
// a value the check refuses that fault with its page first
// (kavrin::refusedOnLoad). Nothing may change.
fw::Expected<LoadedDesign, std::string> parseDesignFile(std::span<const std::uint8_t> file);

// ---- Completeness of the blocks (bit n set when the value passes). ----
unsigned mask1(const CexBlock1& b);
unsigned mask2(const CexBlock2& b);
unsigned mask3(const CexBlock3& b);
unsigned mask4(const CexBlock4& b);
unsigned mask6(const CexBlock6& b);
constexpr unsigned kFullMask1 = 0x1FFF, kFullMask2 = 0x1FFF, kFullMask3 = 0x1FF, kFullMask4 = 0x7F,
                   kFullMask6 = 0xFFF;

// Wizard button flags of the sheet.
constexpr unsigned kWizBack = 1, kWizNext = 2, kWizFinish = 4, kWizDisabledFinish = 8;

// What a store step decides for page k (1 to 6) from the block's mask.
// `current` is false when the page's results were computed from earlier
// values than the record holds now: the block then counts as incomplete.
struct StoreDecision {
    std::int32_t status = 0;
    unsigned buttons = 0;
    unsigned mask = 0;
};
StoreDecision storeDecision(int page, const CexDesignRecord& r, std::int32_t currentStatus, bool current = true);
// The status a block gets when its page is left.
std::int32_t leaveStatus(int page, unsigned mask, bool current = true);
// Zeroes the reserved fields of block k that leaving page k clears.
void zeroOnLeave(int page, CexDesignRecord& r);

// ---- Names of the saved files. ----
// The design file: the name as chosen when its file name holds ".cxd" after
// its first character; otherwise the part from its last '.' replaced, or
// ".cxd" appended. Folders are never changed.
std::string designFileName(const std::string& chosen);
// The report: the design file's name up to its last '.' plus ".cxt".
std::string reportFileName(const std::string& design);
// The load's name test: ".cxd" after the first character of the file name.
bool isDesignFileName(const std::string& path);

// ---- Messages. ----
inline constexpr const char* kMsgNotCxd = "所指定的文件不是规定的*.cxd格式！";
inline constexpr const char* kMsgCannotRead = "无法打开%s文件读取数据！";
inline constexpr const char* kMsgOldFile = "注意：所用数据文件为旧版本兼容文件，若保留它，请另存计算结果!";
inline constexpr const char* kMsgNotCycloid = "所用数据文件不包含摆线齿形优化设计算数据。";
inline constexpr const char* kMsgIncomplete = "载入的文件数据不包含已完成的计算数据！";
inline constexpr const char* kMsgAskIncompleteSave = "未完整确定所有有效数据，是(Yes)否(No)就此保存数据？";
inline constexpr const char* kMsgSaveNames = "将以%s文件保存数据，以%s文件输出报告。";
inline constexpr const char* kMsgReportError = "报告文件存取错误！";
inline constexpr const char* kMsgRecordFault = "设计数据有误，未保存：%s。";

}  // namespace cycloid
