#pragma once

#include "icons/function/MathFunctionLibrary.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <memory>

namespace corvane {

class CPictureEx;

// Saves a new function into the math function library (mode 1: the
// equation is shown read-only and OK, labelled "Save", writes it) or edits
// one entry of the library (mode 0: OK only ends the dialog; the library
// dialog writes). Equations take at most 100 characters, comments 90.
class CEditMathFunctionDialog : public Dialog {
public:
    static constexpr int kEditMode = 0;
    static constexpr int kSaveMode = 1;
    static constexpr std::size_t kEquationLimit = 100;
    static constexpr std::size_t kCommentLimit = 90;
    static constexpr std::uint32_t kSaveHelpContext = 131381;
    static constexpr std::uint32_t kEditHelpContext = 2091;

    // library: where mode 1 writes; unused in mode 0.
    CEditMathFunctionDialog(int mode, MathFunction function, MathFunctionLibrary* library, Window* parent = nullptr);
    ~CEditMathFunctionDialog() override;

    // The equation and comment as they stood when the dialog ended with OK.
    const MathFunction& Function() const { return function_; }
    // The library's animation, once the dialog is open.
    CPictureEx* Picture() const { return picture_.get(); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnOK() override;

private:
    void ShowSaveRefusal(std::string_view text);

    int mode_;
    MathFunction function_;
    MathFunctionLibrary* library_;
    std::unique_ptr<CPictureEx> picture_;
};

}  // namespace corvane
