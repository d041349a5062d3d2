#include "resources/kavrin/module.h"

namespace kavrin {

namespace {
using fw::MenuItem;
MenuItem item(int id, std::string text) { return {id, std::move(text), {}}; }
MenuItem sep() { return {0, "", {}}; }
MenuItem popup(std::string text, std::vector<MenuItem> children) { return {0, std::move(text), std::move(children)}; }

MenuItem viewMenu() { return popup("查看(&V)", {item(59392, "工具栏(&T)"), item(59393, "状态栏(&S)")}); }
}  // namespace

void addMenus(fw::Module& m) {
    // No report open.
    m.addMenu({IDR_MAINFRAME,
               {popup("文件(&F)", {item(57600, "新建(&N)\tCtrl+N"), item(57601, "打开(&O)...\tCtrl+O"), sep(),
                                  item(57606, "打印设置(&R)..."), sep(), item(57616, "最近文件"), sep(),
                                  item(57665, "退出(&X)")}),
                viewMenu(),
                popup("帮助(&H)", {item(57667, "帮助主题(&H)"), sep(), item(57664, "关于 Kavrin(&A)...")})}});

    // A report open: the main menu.
    m.addMenu({IDR_KAVRINTYPE,
               {popup("文件(&F)", {item(57600, "新建(&N)\tCtrl+N"), item(57601, "打开(&O)...\tCtrl+O"),
                                  item(57602, "关闭(&C)"), item(57603, "保存修改(&S)\tCtrl+S"),
                                  item(57604, "另存为(&A)..."), sep(), item(57607, "打印报告(&P)...\tCtrl+P"),
                                  item(57609, "打印预览(&V)"), item(57606, "打印设置(&R)..."), sep(),
                                  item(57616, "最近文件"), sep(), item(57665, "退出(&X)")}),
                popup("编辑(&E)", {item(57643, "撤消(&U)\tCtrl+Z"), sep(), item(57635, "剪切(&T)\tCtrl+X"),
                                  item(57634, "复制(&C)\tCtrl+C"), item(57637, "粘贴(&P)\tCtrl+V")}),
                viewMenu(),
                popup("定轴传动齿轮对(&K)",
                      {popup("圆柱齿轮设计计算", {item(32771, "预定计算......."), item(32772, "几何计算......"),
                                                 item(32773, "强度校核......")}),
                       popup("圆柱齿轮测绘计算", {item(32790, "单个齿轮测绘计算......"),
                                                 item(32791, "成对齿轮测绘计算......")}),
                       popup("小模数齿轮计算", {item(32809, "小模数渐开线圆柱齿轮对")}), sep(),
                       popup("圆锥齿轮设计计算",
                             {item(32774, "预定计算......"),
                              popup("几何计算", {item(32776, "直线齿......"), item(32777, "弧齿......"),
                                                 item(32779, "奥利康摆线齿......")}),
                              item(32780, "强度校核......")})}),
                popup("蜗杆传动(&C)",
                      {popup("圆柱蜗杆设计计算",
                             {item(32781, "预定计算......"),
                              popup("几何计算", {item(32782, "普通圆柱蜗杆......"),
                                                 item(32783, "圆环面包络圆弧圆柱蜗杆(ZC1)......"),
                                                 item(32784, "轴面圆弧圆柱蜗杆(ZC3)......")}),
                              item(32785, "强度校核......")})}),
                popup("动轴传动齿轮对(&X)",
                      {popup("一齿差行星摆线传动", {item(32786, "一齿差行星摆线传动优化设计......"),
                                                   item(32796, "一齿差行星摆线轮自定义设计......")})}),
                popup("工具(&T)", {item(32787, "渐开线函数速算......"), item(32800, "渐开线端面齿廓CAD数据......")}),
                popup("窗口(&W)", {item(57648, "新建窗口(&N)"), item(57650, "层叠(&C)"), item(57651, "平铺(&T)"),
                                  item(57649, "排列图标(&A)")}),
                popup("帮助(&H)", {item(57667, "帮助主题(&H)"), item(32789, "说明书(&m)..."),
                                  item(32798, "计算实例参考(&D)..."), item(57664, "关于 Kavrin(&A)..."), sep(),
                                  item(32802, "检测版本更新...")})}});

    m.addAccelerators({IDR_MAINFRAME,
                       {{57600, "Ctrl+N"}, {57601, "Ctrl+O"}, {57603, "Ctrl+S"}, {57607, "Ctrl+P"},
                        {57643, "Ctrl+Z"}, {57643, "Alt+Backspace"}, {57635, "Ctrl+X"}, {57635, "Shift+Delete"},
                        {57634, "Ctrl+C"}, {57634, "Ctrl+Insert"}, {57637, "Ctrl+V"}, {57637, "Shift+Insert"},
                        {57680, "F6"}, {57681, "Shift+F6"}, {57670, "F1"}, {57669, "Shift+F1"}}});

    m.addToolbar({IDR_MAINFRAME, IDB_TOOLBAR,
                  {57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57609, 57607, 0, 57664, 57669}});
}

}  // namespace kavrin
