#include "common/dialogs/factor_dialog.h"

namespace kavrin {

FactorDialog::FactorDialog(const FactorDialogCopy& copy, int helpButtonId, fw::Window* parent)
    : fw::Dialog(copy.module(), copy.templateId, parent), m_helpContext(copy.helpContext) {
    onClick(helpButtonId, [this] { OnHelp(); });
}

void FactorDialog::OnHelp() { WinHelp(m_helpContext, HH_HELP_CONTEXT); }

void FactorDialog::onRadios(const std::vector<int>& ids, int& index, std::function<void()> then) {
    for (std::size_t i = 0; i < ids.size(); ++i) {
        onClick(ids[i], [&index, i, then] {
            index = static_cast<int>(i);
            if (then) then();
        });
    }
}

void FactorDialog::onRadios(int first, int count, int& index, std::function<void()> then) {
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) ids.push_back(first + i);
    onRadios(ids, index, std::move(then));
}

}  // namespace kavrin
