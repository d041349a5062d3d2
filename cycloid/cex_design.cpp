#include "cycloid/cex_design.h"

#include "common/calc/data_folder.h"
#include "cycloid/calc/cex_files.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"

#include <array>
#include <cstring>
#include <optional>

using namespace cycloid;

CexDesignRecord g_cexRecord;
std::string g_strCexDesignPath;
CCexyPropertySheet* g_pCexySheet = nullptr;

namespace {
std::int32_t& statusOf(int page) {
    switch (page) {
    case 1: return g_cexRecord.b1.status;
    case 2: return g_cexRecord.b2.status;
    case 3: return g_cexRecord.b3.status;
    case 4: return g_cexRecord.b4.status;
    case 5: return g_cexRecord.b5.status;
    default: return g_cexRecord.b6.status;
    }
}

constexpr std::int32_t kComplete[] = {0, kStatus1, kStatus2, kStatus3, kStatus4, kStatus5, kStatus6};
std::array<std::optional<CexDesignRecord>, 7> s_madeFrom;
std::optional<CexDesignRecord> s_lastStored;   // the record as the pages or a load left it

bool sameBlock(int page, const CexDesignRecord& a, const CexDesignRecord& b) {
    switch (page) {
    case 1: return std::memcmp(&a.b1, &b.b1, sizeof a.b1) == 0;
    case 2: return std::memcmp(&a.b2, &b.b2, sizeof a.b2) == 0;
    case 3: return std::memcmp(&a.b3, &b.b3, sizeof a.b3) == 0;
    case 4: return std::memcmp(&a.b4, &b.b4, sizeof a.b4) == 0;
    case 5: return std::memcmp(&a.b5, &b.b5, sizeof a.b5) == 0;
    default: return std::memcmp(&a.b6, &b.b6, sizeof a.b6) == 0;
    }
}

// A complete block was made from the record as it stands now.
void noteMadeFrom(int page) {
    if (page < 1 || page > 6) return;
    auto& m = s_madeFrom[static_cast<std::size_t>(page)];
    if (statusOf(page) == kComplete[page]) m = g_cexRecord;
    else m.reset();
    s_lastStored = g_cexRecord;
}
}  // namespace

const CexDesignRecord& cexMadeFrom(int page) {
    const auto& m = s_madeFrom.at(static_cast<std::size_t>(page));
    return m && sameBlock(page, *m, g_cexRecord) ? *m : g_cexRecord;   // a record given from outside a page
}

void cexMadeFromRecord() {
    s_madeFrom.fill(g_cexRecord);
    s_lastStored = g_cexRecord;
}

void cexMadeFromRecordWhereUnknown() {
    if (!s_lastStored || std::memcmp(&*s_lastStored, &g_cexRecord, sizeof g_cexRecord) != 0) {
        cexMadeFromRecord();   // the record was given from outside the pages
        return;
    }
    for (int page = 1; page <= 6; ++page) {
        auto& m = s_madeFrom[static_cast<std::size_t>(page)];
        if (!m || !sameBlock(page, *m, g_cexRecord)) m = g_cexRecord;
    }
}

StoreDecision cexStoreStep(int page, bool current) {
    if (page == 5) {
        g_cexRecord.b5.dac = g_cexRecord.b2.dac - g_cexRecord.b4.dj;
        g_cexRecord.b5.dfc = g_cexRecord.b2.dfc - g_cexRecord.b4.dj;
    }
    std::int32_t& status = statusOf(page);
    StoreDecision d = storeDecision(page, g_cexRecord, status, current);
    status = d.status;
    noteMadeFrom(page);
    if (g_pCexySheet) g_pCexySheet->SetWizardButtons(d.buttons);
    return d;
}

void cexLeaveStep(int page, bool current) {
    StoreDecision d = cexStoreStep(page, current);
    statusOf(page) = page == 5 ? d.status : leaveStatus(page, d.mask, current);
    zeroOnLeave(page, g_cexRecord);
    noteMadeFrom(page);
}

void cexRefuseField(const fw::Dialog& d, int id, std::string_view message) {
    const std::string label = fw::fieldLabel(d, id);
    fw::MessageBox(label.empty() ? std::string(message) : label + "：" + std::string(message),
                   fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

bool cexDerivedAdmitted(std::initializer_list<QuantityValue> values) {
    if (const kavrin::Quantity* q = firstRefused(values)) {
        fw::MessageBox(kavrin::resultNotTaken(*q), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

CexLoad cexLoadDesign(fw::Window* parent) {
    fw::FileDialog fd(fw::FileMode::Open, "cxd", {}, fw::OFN_FILEMUSTEXIST | fw::OFN_HIDEREADONLY,
                      "摆线设计数据文件 (*.cxd)|*.cxd|All Files (*.*)|*.*||", parent);
    fd.setTitle("《Ondrel》打开摆线设计数据文件");
    fd.setInitialFolder(kavrin::GetDefaultDir() / "data");
    fd.request().initialName = g_strCexDesignPath.empty() ? std::string("*.cxd") : g_strCexDesignPath;
    if (fd.DoModal() != fw::IDOK) return CexLoad::Cancelled;
    const std::string path = fd.GetPathName();
    if (!isDesignFileName(path)) {
        fw::MessageBox(kMsgNotCxd, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return CexLoad::Refused;
    }
    auto bytes = readDesignFileBytes(path, kCexFileBytes);
    if (!bytes) {
        fw::MessageBox(fw::format(kMsgCannotRead, path.c_str()), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return CexLoad::Refused;
    }
    auto loaded = parseDesignFile(*bytes);
    if (!loaded) {
        // "所用数据文件不包含…", and the field a hand-edited value is refused by.
        fw::MessageBox(loaded.error(), fw::MB_OK);
        return CexLoad::Refused;
    }
    if (loaded->oldFile) fw::MessageBox(kMsgOldFile, fw::MB_OK);
    g_cexRecord = loaded->record;
    cexMadeFromRecord();
    g_strCexDesignPath = path;
    if (g_cexRecord.b1.status != kStatus1) {
        fw::MessageBox(kMsgIncomplete, fw::MB_OK);
        return CexLoad::Incomplete;
    }
    return CexLoad::Loaded;
}
