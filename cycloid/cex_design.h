// The cycloid design of this process: the record the wizard's six pages
// share, the current design file, the running wizard, and the steps every
// page takes with its block (store, leave) and page 1's load.
#pragma once
#include <initializer_list>
#include <string>

#include "cycloid/calc/cex_ranges.h"
#include "cycloid/calc/cex_record.h"
#include "fw/fw.h"

class CCexyPropertySheet;

// The record; zero at start, kept for the life of the process.
extern cycloid::CexDesignRecord g_cexRecord;
// Full path of the .cxd file last loaded; empty at start.
extern std::string g_strCexDesignPath;
// The running wizard, set by whoever runs it; the store steps tell it the buttons.
extern CCexyPropertySheet* g_pCexySheet;

// Store step of page k after the page copied its values into block k:
// status word and the wizard's buttons by the block's mask. `current` is
// false while the page's results stem from other earlier values than the
// record holds now. Returns the decision (mask, status, buttons).
cycloid::StoreDecision cexStoreStep(int page, bool current = true);
// The record as it stood when page k last completed its block: what the
// block's results were made from. Where the record's block k is no longer
// the one completed then (a load, a new record), the record itself.
const cycloid::CexDesignRecord& cexMadeFrom(int page);
// Every block was made from the record as it stands (a loaded design).
void cexMadeFromRecord();
// Blocks with no note of what they were made from (a record given from
// outside a page) were made from the record as it stands. A wizard starts so.
void cexMadeFromRecordWhereUnknown();
// Leaving page k: the store step, then the status by the mask, then the
// reserved fields of block k zeroed.
void cexLeaveStep(int page, bool current = true);

// A refusal of a field's text, named as the data exchange names it
// ("功 率  p=：请输入一个数值。"), exclamation icon.
void cexRefuseField(const fw::Dialog& d, int id, std::string_view message);

// Values derived from accepted inputs: false, with kavrin::resultNotTaken of
// the first one outside its quantity's range (warning icon), when any is;
// the page then takes nothing of the input.
bool cexDerivedAdmitted(std::initializer_list<cycloid::QuantityValue> values);

// Page 1's "装入参考": the open dialog, the checks, the record replaced.
enum class CexLoad { Cancelled, Refused, Incomplete, Loaded };
CexLoad cexLoadDesign(fw::Window* parent);
