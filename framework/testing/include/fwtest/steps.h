// A user's steps as a document writes them, run through the application as
// the user runs them: menu commands by the captions of their path, every
// control by its name (fwtest/by_name.h), every window, message box and file
// dialog on the way answered as the document says, and a test failure for
// any that the document does not name.
//
// One step a line (a document gives them in the first cell of each row of its
// <table class="steps">; documentSteps reads them):
//   菜单 定轴传动齿轮对 > 圆柱齿轮设计计算 > 预定计算
//   窗口“圆柱齿轮预定计算程序”      the window that has opened (a part of its caption);
//                                  every window the steps open starts with one
//   输入“输入转速 ni”= 960          type into the field, then Tab
//   选“硬度>350HB”                  a radio button or check box; 选“齿轮精度等级”= 7 an item
//   拖“齿宽系数”滑块到 20             the slider's thumb to position 20
//   按“执行计算”                     a button, or a property sheet's own button
//   翻到“小齿轮几何计算”             a tab of a property sheet
//   核对“中心距 a”= 108.9957         what a control shows: a number to the digits
//                                  written, a text as written ("…" stands for any text)
//   保存为 gear.cyb / 打开 gear.cyb  the answer to the file dialog of the step before
//                                  (a bare name lies in the folder given)
//   回答“设计数据尚未保存…”→ 是      the answer to the message box of the step before;
//                                  right after 保存为, “gear.cyb 已存在…” is the
//                                  save dialog's own question whether to replace it
//
//   fwtest::Session s;  fwtest::AppSession app;  ... start the application ...
//   fwtest::StepRunner(s, app, inst.data()).run(fwtest::documentSteps(html));
#pragma once
#include <cstddef>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fwtest/app_script.h"
#include "fwtest/script.h"

namespace fwtest {

struct Step {
    std::string verb;     // 菜单, 窗口, 输入, 选, 拖, 按, 翻到, 核对, 保存为, 打开, 回答
    std::string target;   // the name in “”, the menu path, the file name
    std::string value;    // after "=" or "→", or the slider's position
    std::string text;     // the step as written, for failure messages
};

// A text against a step's pattern, read as names are read; "…" stands for
// any text ("计算记录已以…文件名输出报告！").
bool fits(std::string_view text, std::string_view pattern);
// What a control shows against what a 核对 step writes: a number equal to
// the digits written, else a text that fits.
bool readsAs(std::string_view shown, std::string_view written);
// A menu path "A > B > C" into its captions.
std::vector<std::string> menuPath(std::string_view path);

// One step from its text; the verb is empty when the text is no step.
Step parseStep(std::string_view text);

// The steps of a document: the first cell of every row of each
// <table class="steps">, its tags dropped and its entities read.
std::vector<std::string> documentStepTexts(std::string_view html);
std::vector<Step> documentSteps(std::string_view html);

class StepRunner {
public:
    // folder: where the file dialogs' bare names lie.
    StepRunner(Session& s, AppSession& app, std::filesystem::path folder);
    // Runs every step; the test fails at the first step that cannot be done
    // as written (the windows still open are then cancelled).
    void run(const std::vector<Step>& steps);

private:
    struct MessageAnswer {
        std::size_t step;
        std::string pattern;
    };
    struct FileAnswer {
        std::size_t step;
        bool replaceAsked = false;              // the steps name the save dialog's replace question
        std::vector<std::string> namesBefore;   // the files of its folder before the step
    };

    void runWindow(Running& r);
    bool perform(Running& r, const Step& st);
    bool read(Running& r, const Step& st);
    void takeAnswers();            // the answers that follow the step just taken
    void checkAnswers();           // those queued so far all used, and nothing else asked
    void fail(const std::string& why);                     // at the step just taken
    void failAt(std::size_t step, const std::string& why);  // step: 1-based, 0 none

    Session& m_s;
    AppSession& m_app;
    std::filesystem::path m_folder;
    std::vector<Step> m_steps;
    std::size_t m_at = 0;          // the next step
    std::size_t m_lastAction = 0;  // the step whose action ran last (1-based)
    bool m_failed = false;
    std::deque<MessageAnswer> m_messages;   // the message boxes named and not yet come, in order
    std::deque<FileAnswer> m_files;         // the file dialogs likewise
    std::size_t m_messagesSeen = 0, m_filesSeen = 0;
};

}  // namespace fwtest
