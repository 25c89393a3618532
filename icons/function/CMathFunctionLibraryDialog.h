#pragma once

#include "icons/function/MathFunctionLibrary.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <vector>

namespace corvane {

class ListViewControl;

// Lists the user's math functions (equation and comment), lets the user
// pick one (Select or a double click), edit one or delete one; edits and
// deletions are written to the library at once, and a library that could
// not be written is reported. After Select the dialog holds the chosen
// function.
class CMathFunctionLibraryDialog : public Dialog {
public:
    static constexpr std::uint32_t kHelpContext = 131382;
    static constexpr int kColumnWidth = 225;

    explicit CMathFunctionLibraryDialog(MathFunctionLibrary& library, Window* parent = nullptr);

    const MathFunction& Selected() const { return selected_; }
    // The edit dialog, while it is open.
    Dialog* OpenChild() const { return child_; }

protected:
    bool OnInitDialog() override;
    // Select: with exactly one row selected, keeps it and ends with OK.
    void OnOK() override;

private:
    ListViewControl& List() const;
    // The only selected row, or -1.
    int SingleSelection() const;
    void UpdateButtons();
    void OnEdit();
    void OnDelete();
    void SaveLibrary();
    void ShowMessage(std::string_view text);

    MathFunctionLibrary& library_;
    std::vector<MathFunction> functions_;  // in list order
    MathFunction selected_;
    Dialog* child_ = nullptr;
};

}  // namespace corvane
