// The common ground of the factor dialogs of the strength ratings: which
// deliverable a built copy belongs to (resource module, template, help
// context) and the help button and radio handling every one of them has.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "fw/fw.h"

namespace kavrin {

// Where one copy of a factor dialog is built: the module that holds its
// template, the template id and the context number its help button asks for.
struct FactorDialogCopy {
    fw::Module& (*module)() = nullptr;
    int templateId = 0;
    std::uintptr_t helpContext = 0;
};

// Help button id of the factor dialogs (the application factor dialog has its own).
inline constexpr int IDC_FACTOR_HELP = 3;

class FactorDialog : public fw::Dialog {
public:
    std::uintptr_t helpContext() const { return m_helpContext; }

protected:
    FactorDialog(const FactorDialogCopy& copy, int helpButtonId, fw::Window* parent);

    // Each radio of ids stores its position in the list into index, then
    // runs then (when given).
    void onRadios(const std::vector<int>& ids, int& index, std::function<void()> then = {});
    // Consecutive radio ids first .. first + count − 1.
    void onRadios(int first, int count, int& index, std::function<void()> then = {});

private:
    void OnHelp();
    std::uintptr_t m_helpContext;
};

}  // namespace kavrin
