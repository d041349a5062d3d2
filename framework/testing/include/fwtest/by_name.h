// Finding what a test acts on by what the window shows, as a user or a
// screen reader finds it: a control by its accessible name
// (fw::controlNames), its caption or label, or its caption after the
// caption of its group; a property sheet's tab and own buttons; a message
// box's answer; a menu item by the captions of its path.
//
//   int calc = fwtest::controlNamed(d.dialog(), "执行计算", fwtest::Role::Press);   // "&C 执行计算"
//   int cmd = fwtest::menuCommand(*frame->currentMenu(), {"定轴传动齿轮对", "圆柱齿轮设计计算", "预定计算"});
//
// Names compare as a reader reads them (readingOf): what the window
// shows for an access key ("&C ", "(&K)") and a menu item's accelerator
// ("\tCtrl+N") may be left out, and blanks, line ends, colons and "=" and
// the dots after a menu item or a long caption do not count; a Cyrillic letter that looks like
// a Latin one reads as that one.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "fw/fw.h"

namespace fwtest {

// The form two names are compared in.
std::string readingOf(std::string_view text);

// Whether a caption (a button's, a menu item's: "&C 执行计算", "预定计算......",
// "是(&Y)") is what `written` calls it.
bool sameName(std::string_view caption, std::string_view written);

// What a step does with a control, and so which kinds of control it may name.
enum class Role {
    Any,
    Press,    // push button
    Choose,   // radio button, check box, combo box, list box
    Type,     // edit, editable combo box, date picker
    Slide,    // trackbar
    Read,     // anything that shows a text
};

// Every way the window names control c of d, in reading form: its
// accessible name, its caption with and without the access key, its label,
// each after its group's caption; a slider's name also without its range.
std::vector<std::string> readingsOf(const fw::Dialog& d, const fw::Control& c);

// The controls of d that `name` names in `role`; several when the name
// does not tell them apart.
std::vector<const fw::Control*> controlsNamed(const fw::Dialog& d, std::string_view name, Role role = Role::Any);

// The id of the one control `name` names; 0 when none or several (the
// test fails, listing what the window holds).
int controlNamed(const fw::Dialog& d, std::string_view name, Role role = Role::Any);

// The accessible names of d's controls, for a failure message.
std::string namesIn(const fw::Dialog& d);

// The sheet's own button (确定, 取消, 下一步 …) called name, 0 when none;
// the tab called name, -1 when none.
int sheetButtonNamed(const fw::PropertySheet& s, std::string_view name);
int pageNamed(const fw::PropertySheet& s, std::string_view name);

// The answer among `answers` (a message box's buttons) called word ("是",
// "确定"); 0 when none.
int answerNamed(const std::vector<int>& answers, std::string_view word);

// The command of the item reached through path, the captions from the menu
// bar down ("定轴传动齿轮对", "圆柱齿轮设计计算", "预定计算"); 0 when none.
int menuCommand(const fw::Menu& menu, const std::vector<std::string>& path);

}  // namespace fwtest
