#include "cylindrical/cygeom_check_dlg.h"

#include <cmath>

#include "fw/format.h"
#include "resources/corvane/module.h"

using namespace cylindrical;

namespace {

const std::string& at(const std::vector<std::string>& v, std::size_t i) {
    static const std::string empty;
    return i < v.size() ? v[i] : empty;
}

// A cutter value as the list shows it; a value that is not finite (a typed
// shift of absurd size) shows a dash, never "inf" or "nan".
std::string twoDecimals(double v) { return std::isfinite(v) ? fw::format("%.2f", v) : "—"; }

}  // namespace

CCyGeomCheckDlg::CCyGeomCheckDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {}

int CCyGeomCheckDlg::DoModal(const std::vector<std::string>& items, const std::vector<std::string>& results,
                             const std::vector<std::string>& solutions, CutterScheme scheme, std::int32_t mode) {
    setContents(items, results, solutions, scheme, mode);
    return fw::Dialog::DoModal();
}

void CCyGeomCheckDlg::setContents(const std::vector<std::string>& items, const std::vector<std::string>& results,
                                  const std::vector<std::string>& solutions, const CutterScheme& scheme,
                                  std::int32_t mode) {
    m_items = items;
    m_results = results;
    m_solutions = solutions;
    m_scheme = scheme;
    m_mode = mode;
}

bool CCyGeomCheckDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    fw::ListView& check = listView(IDC_CHECK_LIST);
    check.insertColumn(0, "检验项目", fw::Align::Left, 150);
    check.insertColumn(1, "检验结果", fw::Align::Left, 250);
    check.insertColumn(2, "解决方案", fw::Align::Left, 350);
    for (int id : {IDC_CUTTER1_LIST, IDC_CUTTER2_LIST}) {
        listView(id).insertColumn(0, "参数名", fw::Align::Left, 125);
        listView(id).insertColumn(1, "参数值", fw::Align::Left, 135);
    }
    fillCheckList();

    switch (m_mode) {
    case kCutModeExternalPair:
    case kCutModeInternalPair:
        if (m_scheme.pinionHobbed) clearCutter(IDC_CUTTER1_LIST);
        else fillCutter(IDC_CUTTER1_LIST, m_scheme.cutter1);
        // The internal gear is always shaped, whatever the flag holds.
        if (m_scheme.gearHobbed && m_mode == kCutModeExternalPair) clearCutter(IDC_CUTTER2_LIST);
        else fillCutter(IDC_CUTTER2_LIST, m_scheme.cutter2);
        break;
    case kCutModeSingleExternal:
        fillCutter(IDC_CUTTER1_LIST, m_scheme.cutter1);
        setText(IDC_CUTTER1_TITLE, "外齿轮插齿刀参数:");
        clearCutter(IDC_CUTTER2_LIST);
        break;
    case kCutModeSingleInternal:
        clearCutter(IDC_CUTTER1_LIST);
        fillCutter(IDC_CUTTER2_LIST, m_scheme.cutter2);
        setText(IDC_CUTTER2_TITLE, "内齿轮插齿刀参数:");
        break;
    default:
        break;
    }
    return true;
}

void CCyGeomCheckDlg::fillCheckList() {
    fw::ListView& list = listView(IDC_CHECK_LIST);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        int row = list.insertItem(list.itemCount(), m_items[i]);
        list.setItemText(row, 1, at(m_results, i));
        list.setItemText(row, 2, at(m_solutions, i));
    }
}

void CCyGeomCheckDlg::fillCutter(int listId, const Cutter& c) {
    fw::ListView& list = listView(listId);
    auto add = [&list](const char* name, const std::string& value) {
        int row = list.insertItem(list.itemCount(), name);
        list.setItemText(row, 1, value);
    };
    add("齿数:", fw::format("%d", c.z0));
    add("分度圆直径:", twoDecimals(c.d0));
    add("外圆直径:", twoDecimals(c.da0));
    add("齿顶高系数:", twoDecimals(c.ha0));
    add("刀具变位系数:", twoDecimals(c.x0));
}

void CCyGeomCheckDlg::clearCutter(int listId) {
    listView(listId).deleteAllItems();
    enable(listId, false);
}
