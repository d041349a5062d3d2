// The face load factor dialogs of bevel gears: a table of six columns
// (mounting) by three rows (shaft-support rigidity), one combo box a column.
// A column button enables its column's list; selecting a value in it sets
// m_value. The value tables live in the templates (faceLoadTableTemplate).
#pragma once
#include "common/dialogs/factor_dialog.h"

namespace kavrin {

class FaceLoadTableDialog : public fw::Dialog {
public:
    static constexpr int IDC_FIRST_COLUMN = 1002;  // 1002..1007
    static constexpr int IDC_FIRST_LIST = 3088;    // 3088..3093
    static constexpr int kColumns = 6;

    double m_value = 0;

    std::uintptr_t helpContext() const { return m_helpContext; }
    bool OnInitDialog() override;

protected:
    FaceLoadTableDialog(const FactorDialogCopy& copy, fw::Window* parent);

private:
    void OnColumn(int k);
    void OnSelChange(int k);
    std::uintptr_t m_helpContext;
};

// The templates: contact (KHβ) or bending (Kwβ), as built into the bevel
// preliminary design or into the bevel strength rating (its texts differ).
enum class FaceLoadFactor { Contact, Bending };
enum class FaceLoadBuild { Preliminary, Rating };
fw::DialogTemplate faceLoadTableTemplate(int id, FaceLoadFactor factor, FaceLoadBuild build);

}  // namespace kavrin
