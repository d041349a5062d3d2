// The platform's classic constants, as our own: end codes, message box flags,
// sheet buttons, help commands, file dialog flags. Usable as fw::IDOK or IDOK.
#pragma once
#include <cstdint>

namespace fw::ids {

// End codes and answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDHELP = 9;
inline constexpr int IDC_STATIC = -1;  // a control nobody looks up

// Commands of the sheet's own buttons and the standard help command.
inline constexpr int ID_APPLY_NOW = 12321;
inline constexpr int ID_WIZBACK = 12323;
inline constexpr int ID_WIZNEXT = 12324;
inline constexpr int ID_WIZFINISH = 12325;
inline constexpr int ID_HELP = 57670;

// Message box buttons (low nibble) and icons.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

// Wizard buttons (PropertySheet::SetWizardButtons).
inline constexpr unsigned PSWIZB_BACK = 0x1;
inline constexpr unsigned PSWIZB_NEXT = 0x2;
inline constexpr unsigned PSWIZB_FINISH = 0x4;
inline constexpr unsigned PSWIZB_DISABLEDFINISH = 0x8;

// Help commands.
inline constexpr unsigned HH_DISPLAY_TOPIC = 0x0;
inline constexpr unsigned HH_DISPLAY_TOC = 0x1;
inline constexpr unsigned HH_HELP_CONTEXT = 0xF;

// File dialog flags.
inline constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;
inline constexpr unsigned OFN_HIDEREADONLY = 0x4;
inline constexpr unsigned OFN_PATHMUSTEXIST = 0x800;
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;

}  // namespace fw::ids

namespace fw {
using namespace fw::ids;
}
using namespace fw::ids;
