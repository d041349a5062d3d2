#include "resources/kavrin/module.h"
#include "shell/command_table.h"

namespace kavrin {

void addStrings(fw::Module& m) {
    m.addString(IDR_MAINFRAME, "《Ondrel》Kavrin V4.00");
    m.addString(IDS_APP_TITLE, "Kavrin");
    m.addString(IDS_CEXY_CAPTION, "《Ondrel》Kavrin 一齿差行星摆线针轮传动计算");
    m.addString(IDR_KAVRINTYPE,
                "\nKAVRIN\nKAVRIN\nKAVRIN 报告文件 (*.cyt;*.tng;*.cwt;*.cxt)\n.cyt;*.tng;*.cwt;*.cxt\n"
                "KAVRIN.Document\nKAVRIN Document");
    m.addString(57345, "就绪");   // the status bar's idle message

    // Status-bar indicators.
    m.addString(59137, "大写");
    m.addString(59138, "数字");
    m.addString(59139, "滚动");

    // Prompts of the framework's commands (status-bar line, then tool-tip).
    m.addString(57600, "建立新的报告窗口\n新建");
    m.addString(57601, "打开已有的计算报告\n打开");
    m.addString(57602, "关闭当前报告\n关闭");
    m.addString(57603, "保存对当前报告的修改\n保存");
    m.addString(57604, "用新的名称保存当前报告\n另存为");
    m.addString(57606, "改变打印机及打印选项\n打印设置");
    m.addString(57607, "打印当前报告\n打印");
    m.addString(57609, "按页显示打印的效果\n打印预览");
    for (int id = 57616; id <= 57619; ++id) m.addString(id, "打开这个报告");
    m.addString(57665, "退出程序；提示保存报告\n退出");
    m.addString(57643, "撤消最后一次操作\n撤消");
    m.addString(57635, "剪切选定内容并放到剪贴板上\n剪切");
    m.addString(57634, "复制选定内容并放到剪贴板上\n复制");
    m.addString(57637, "插入剪贴板内容\n粘贴");
    m.addString(59392, "显示或隐藏工具栏\n显隐工具栏");
    m.addString(59393, "显示或隐藏状态栏\n显隐状态栏");
    m.addString(57648, "为当前报告打开另一个窗口\n新建窗口");
    m.addString(57650, "层叠排列窗口\n层叠窗口");
    m.addString(57651, "以互不重叠的方式平铺窗口\n平铺窗口");
    m.addString(57649, "将图标排列在窗口底部\n排列图标");
    m.addString(57667, "列出帮助主题\n帮助主题");
    m.addString(57664, "显示程序信息、版本号与版权\n关于");
    m.addString(57669, "显示所点按钮、菜单或窗口的帮助\n帮助");
    m.addString(57670, "显示帮助\n帮助");
    m.addString(57680, "切换到下一个窗格\n下一窗格");
    m.addString(57681, "切换到上一个窗格\n上一窗格");

    // Prompts of the calculator commands: from the view's command table.
    for (const CalculatorCommand& c : commandTable()) m.addString(c.id, c.prompt);
}

}  // namespace kavrin
