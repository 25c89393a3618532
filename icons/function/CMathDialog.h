#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/common/TwoPointScaling.h"
#include "icons/math/MathCompileResult.h"

#include <optional>
#include <string>

namespace corvane {

class CMathIcon;

// The math icon's dialog: name, output units, the equation, when the
// output is computed, the sources of W, X, Y and Z with a button that
// swaps X and Y, and the helpers that write an equation: the two-point
// scaling generator, the function library and saving into the library.
// OK compiles the equation and stores code and text together (with the
// swap and the scaling points); a compile error keeps the dialog open and
// the icon unchanged. Save compiles into the dialog's own result only.
class CMathDialog final : public CIconDialog {
public:
    explicit CMathDialog(CMathIcon& icon, Window* parent = nullptr);

    // Compiles an equation (Windows-1252) as the math icon does; on failure
    // shows the "Math Equation Error" box over owner and gives nothing.
    static std::optional<MathCompileResult> CompileEquation(const std::string& equation, WindowHandle owner);

    // The dialog this one has opened (scaling, library, saving), while it is open.
    Dialog* OpenChild() const { return child_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;
    void OnOK() override;

private:
    void OnSwap();
    void OnGenerate();
    void OnLibrary();
    void OnSave();
    void SetEquationText(const std::string& text);

    CMathIcon& math_;
    std::string equation_;  // UTF-8
    int when_;              // W, X, Y, Z, any
    ScalingPoints scaling_;
    bool swapped_ = false;
    bool applied_ = false;
    MathCompileResult compiled_;
    Dialog* child_ = nullptr;
};

}  // namespace corvane
