#include "cylindrical/pair_check_action.h"

#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"

using namespace cylindrical;

namespace {

ReportCutter reportCutter(const Cutter& c) { return {.z0 = c.z0, .d0 = c.d0, .da0 = c.da0, .ha0 = c.ha0, .x0 = c.x0}; }
Cutter cutterOf(const ReportCutter& c) { return {.z0 = c.z0, .d0 = c.d0, .da0 = c.da0, .ha0 = c.ha0, .x0 = c.x0}; }

}  // namespace

void runDesignedPairCheck(fw::Window* parent, const DesignedPair& pair, PairCheckState& state,
                          std::string& summaryOut) {
    if (auto q = designedPairQuantities(pair); !q) {
        summaryOut = q.error();
        return;
    }
    const int mode = pair.internal ? kCutModeInternalPair : kCutModeExternalPair;
    CCygeomCutDlg cutDlg(parent);
    const bool shaped = cutDlg.DoModal(pair.mn, mode, pair.haStar) == fw::IDOK;

    if (!shaped) {
        fw::WaitCursor wait;
        auto r = checkDesignedPairHobbed(pair);
        if (!r) {
            summaryOut = r.error();
            return;
        }
        markHobbed(state.scheme);
        state.summary = r->summary;
        state.done = true;
        summaryOut = state.summary;
        return;
    }

    const CutterScheme scheme = cutDlg.scheme();
    {
        fw::WaitCursor wait;
        auto r = checkDesignedPair(pair, scheme);
        if (!r) {
            summaryOut = r.error();
            return;
        }
        state.scheme = scheme;
        state.items = std::move(r->rows.items);
        state.results = std::move(r->rows.results);
        state.solutions = std::move(r->rows.solutions);
        state.summary = std::move(r->summary);
        state.done = true;
    }
    summaryOut = state.summary;
    CCyGeomCheckDlg checkDlg(parent);
    checkDlg.DoModal(state.items, state.results, state.solutions, state.scheme, mode);
}

PairCheckSection pairCheckSection(const PairCheckState& state) {
    if (!state.done) return {};
    return {.pinionNoScheme = state.scheme.pinionHobbed != 0,
            .gearNoScheme = state.scheme.gearHobbed != 0,
            .commonCutter = state.scheme.sameCutter != 0,
            .items = state.items,
            .results = state.results,
            .pinionCutter = reportCutter(state.scheme.cutter1),
            .gearCutter = reportCutter(state.scheme.cutter2),
            .resultText = state.summary};
}

PairCheckState pairCheckState(const PairCheckSection& section) {
    PairCheckState s;
    s.scheme.pinionHobbed = section.pinionNoScheme ? 1 : 0;
    s.scheme.gearHobbed = section.gearNoScheme ? 1 : 0;
    s.scheme.sameCutter = section.commonCutter ? 1 : 0;
    s.scheme.cutter1 = cutterOf(section.pinionCutter);
    s.scheme.cutter2 = cutterOf(section.gearCutter);
    s.items = section.items;
    s.results = section.results;
    s.summary = section.resultText;
    s.done = (section.pinionNoScheme && section.gearNoScheme) || !section.items.empty();
    return s;
}
