#include "shell/command_table.h"

#include <algorithm>

#include "fw/format.h"
#include "fw/registry.h"
#include "shell/calculator_commands.h"

#include "bevel/geometry/aol_dlg.h"
#include "bevel/geometry/belmar_len_dlg.h"
#include "bevel/geometry/belmar_arc_dlg.h"
#include "bevel/preliminary/pellun_type.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "cycloid/dorrith_dlg.h"
#include "cylindrical/cy_geom_pro_sheet.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/cypre_dlg.h"
#include "cylindrical/invdlg.h"
#include "measurement/cy_measure_one_dlg.h"
#include "resources/kavrin/module.h"
#include "measurement/cy_measure_tow_dlg.h"
#include "shell/update/update_check.h"
#include "profiletool/ctool_cy_dwdata_dlg.h"
#include "smallmodule/csmcy_dlg.h"
#include "worm/cc1cw_gm_dlg.h"
#include "worm/cccw_gm_dlg.h"
#include "worm/ccw_gm_dlg.h"
#include "worm/ccw_pr_dlg.h"
#include "worm/ccw_pro_dlg.h"

void calculatorNotAvailable(CKavrinView&) { fw::MessageBox(shell_text::NotAvailable, MB_OK | MB_ICONINFORMATION); }

void openHelpDocument(CKavrinView& view, const char* fileName) {
    using fw::registry::Hive;
    const char* key = "SOFTWARE\\ondrel\\kavrin\\";
    if (!fw::registry::keyExists(Hive::LocalMachine, key)) {
        fw::MessageBox("未找到软件的安装信息，无法打开文档！", MB_OK | MB_ICONSTOP);
        return;
    }
    auto folder = fw::registry::readString(Hive::LocalMachine, key, "mentloc");
    if (!folder || folder->empty() || folder->size() >= 260) {
        fw::MessageBox("未找到说明文档所在的文件夹，无法打开文档！", MB_OK | MB_ICONSTOP);
        return;
    }
    (void)view;
    std::filesystem::path dir(*folder);
    std::filesystem::path file = dir / fileName;
    // A document that is missing or cannot be shown is said so, never silence.
    if (!fw::shellOpen(file, dir))
        fw::MessageBox(fw::format("未能打开文档：\n%s\n请检查软件安装目录中的说明文档。", file.string().c_str()),
                       MB_OK | MB_ICONEXCLAMATION);
}

void runUpdateCheck(CKavrinView&) {
    kavrin::update::CheckResult r;
    {
        fw::WaitCursor wait;
        r = kavrin::update::checkForUpdate(kavrin::update::settingsFromRegistry());
    }
    unsigned icon = r.icon == kavrin::update::MessageIcon::Information   ? MB_ICONINFORMATION
                    : r.icon == kavrin::update::MessageIcon::Exclamation ? MB_ICONEXCLAMATION
                                                                         : 0u;
    fw::MessageBox(r.message, MB_OK | icon);
}

namespace {
void runCexyWizard(CKavrinView& v) { runCycloidWizard<CCexyPropertySheet>(v, kavrin::IDS_CEXY_CAPTION, g_pCexySheet); }
void help32789(CKavrinView& v) { openHelpDocument(v, "manual.htm"); }        // "Kavrin_read.chm"
void help32798(CKavrinView& v) { openHelpDocument(v, "examples.htm"); }      // "Kavrin计算实例.chm"
}  // namespace

const std::vector<CalculatorCommand>& commandTable() {
    using R = RunAs;
    static const std::vector<CalculatorCommand> table = {
        // ---- Cylindrical gear pairs (Corvane) ----
        {32771, "确定齿轮对的预定参数值与最小模数值\n预定参数", "CypreDlg", "Corvane", R::ModalReport, true,
         runModalCalculator<CypreDlg>},
        {32772, "确定大小齿轮的几何参数值\n几何参数计算", "CCyGeomProSheet", "Corvane", R::GeometrySheet, true,
         runGeometrySheet<CCyGeomProSheet>},
        {32773, "齿轮对的接触与弯曲疲劳强度的校核计算\n疲劳强度校核", "CCyProofDlg", "Corvane", R::ModalReport, true,
         runModalCalculator<CCyProofDlg>},
        {32790, "根据测绘齿轮的测量值进行单个齿轮计算、校验、修正。\n单个齿轮测绘", "CCyMeasureOneDlg", "Corvane",
         R::ModalReport, true, runModalCalculator<CCyMeasureOneDlg>},
        {32791, "根据测绘齿轮的测量值进行成对齿轮计算、校验、修正。\n成对齿轮测绘", "CCYMeasureTowDlg", "Corvane",
         R::ModalReport, true, runModalCalculator<CCYMeasureTowDlg>},
        {32809, "m=0.1~1.0小模数圆柱齿轮对计算，包括平行轴与交错轴。", "CSmcyDlg", "Corvane", R::ModalReport, true,
         runModalCalculator<CSmcyDlg>},
        {32787, "渐开线函数与压力角双向速算\ninvα", "CInvdlg", "Corvane", R::ModalTool, true,
         runModalTool<CInvdlg>},
        // ---- Bevel gear pairs (Pellun, Belmar, Sirrow) ----
        {32774, "确定锥齿轮对的预定参数值与最小模数值\n预定参数", "CPellunType", "Pellun", R::ModalReport, true,
         runModalCalculator<CPellunType>},
        {32776, "确定直线齿圆锥齿轮的几何参数值\n直线齿几何计算", "CBelmarLenDlg", "Belmar", R::ModalReport, true,
         runModalCalculator<CBelmarLenDlg>},
        {32777, "确定弧线齿圆锥齿轮的几何参数值\n弧线齿几何计算", "CBelmarArcDlg", "Belmar", R::ModalReport, true,
         runModalCalculator<CBelmarArcDlg>},
        {32779, "确定奥利康摆线齿圆锥齿轮的几何参数值\n摆线齿几何计算", "CBelmarAolDlg", "Belmar", R::ModalReport,
         true, runModalCalculator<CBelmarAolDlg>},
        {32780, "圆锥齿轮对的接触与弯曲疲劳强度的校核计算\n疲劳强度校核", "CSirrowDlg", "Sirrow", R::ModalReport,
         false, calculatorNotAvailable},
        // ---- Worm drives (Tarv) ----
        {32781, "确定蜗杆蜗轮对的预定参数值与最小中心距\n预定参数", "CcwPrDlg", "Tarv", R::ModalReport, true,
         runModalCalculator<CcwPrDlg>},
        {32782, "确定普通圆柱蜗杆蜗轮的几何参数值\n普通蜗杆几何计算", "CCwGmDlg", "Tarv", R::ModalReport, true,
         runModalCalculator<CCwGmDlg>},
        {32783, "确定圆环面包络圆弧圆柱蜗杆蜗轮的几何参数值\n圆环包几何计算", "CC1cwGmDlg", "Tarv", R::ModalReport,
         true, runModalCalculator<CC1cwGmDlg>},
        {32784, "确定轴面圆弧圆柱蜗杆蜗轮的几何参数值\n轴面圆弧几何计算", "CCcwGmdlg", "Tarv", R::ModalReport, true,
         runModalCalculator<CCcwGmdlg>},
        {32785, "圆柱蜗杆的受力分析和强度计算\n强度计算", "CCwproDlg", "Tarv", R::ModalReport, true,
         runModalCalculator<CCwproDlg>},
        // ---- Cycloid drives and the CAD data tool (Kavrin) ----
        {32786, "一齿差行星摆线针轮传动优化设计", "CCexyPropertySheet", "Kavrin", R::Wizard, true, runCexyWizard},
        {32796, "一齿差摆线轮自定义参数设计并产生CAD齿廓数据", "CDorrithDlg", "Kavrin", R::ModalReport, true,
         runModalCalculator<CDorrithDlg>},
        {32800, "输出渐开线齿轮端面齿廓CAD数据", "CToolCyDwdataDlg", "Kavrin", R::ModalTool, true,
         runModalTool<CToolCyDwdataDlg>},
        // ---- Documents and the update check ----
        {32789, "打开软件界面的操作说明文档", "manual", "", R::HelpDocument, true, help32789},
        {32798, "提供计算实例参考文档", "worked examples", "", R::HelpDocument, true, help32798},
        {32802, "检查是否有更新版本", "update check", "", R::UpdateCheck, true, runUpdateCheck},
    };
    return table;
}

const CalculatorCommand* findCommand(int id) {
    const auto& t = commandTable();
    auto it = std::find_if(t.begin(), t.end(), [&](const CalculatorCommand& c) { return c.id == id; });
    return it == t.end() ? nullptr : &*it;
}
