// Small steps the worm dialogs share: the two message boxes of a refusal or
// a notice, and a number field read back on its own.
#pragma once
#include <string>

#include "fw/fw.h"

namespace worm {

inline void warn(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }
inline void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }

// The field `id` of `dlg` read alone: `v` takes the number when the text is
// one; otherwise the exchange has said so and `v` stays.
inline bool readNumberField(fw::Dialog& dlg, int id, double& v) {
    fw::Exchange dx(dlg, fw::Exchange::Direction::Save);
    double read = v;
    dx.number(id, read);
    if (dx.failed()) return false;
    v = read;
    return true;
}

}  // namespace worm
