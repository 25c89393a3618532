#include "icons/function/CMathDialog.h"

#include "base/Cp1252.h"
#include "icons/common/CEqnDlg.h"
#include "icons/function/CEditMathFunctionDialog.h"
#include "icons/function/CMathFunctionLibraryDialog.h"
#include "icons/function/CMathIcon.h"
#include "icons/function/MathFunctionLibrary.h"
#include "icons/math/CMathCompiler.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/MathDialog.h"
#include "res/ResourceIds.h"

#include <array>
#include <cstdio>

namespace corvane {
namespace {

// The output-when radio buttons in order and the mask each writes.
constexpr std::array kWhenMasks{CMathIcon::kWhenW, CMathIcon::kWhenX, CMathIcon::kWhenY, CMathIcon::kWhenZ,
    CMathIcon::kWhenAny};
constexpr int kWhenAnyIndex = 4;

int WhenIndex(std::uint16_t mask)
{
    if (mask == CMathIcon::kWhenW)
        return 0;
    if ((mask & 0xF000) == CMathIcon::kWhenX)
        return 1;
    if (mask == CMathIcon::kWhenY)
        return 2;
    if (mask == CMathIcon::kWhenZ)
        return 3;
    return kWhenAnyIndex;
}

}  // namespace

CMathDialog::CMathDialog(CMathIcon& icon, Window* parent)
    : CIconDialog(res::kMathDialog, icon, 0, parent),
      math_(icon),
      equation_(Cp1252ToUtf8(icon.Equation())),
      when_(WhenIndex(icon.OutputWhen())),
      scaling_(icon.Scaling())
{
    SetSections(true, false, true);
    ShowOptionalConnector(1, true, 1);
    ShowOptionalInput3(true, true, 2);
    ShowOptionalInput4(true, true, 3);
    On(Notification::Clicked, res::kIdcMathSwap, [this](NotifyEvent&) { OnSwap(); });
    On(Notification::Clicked, res::kIdcMathGenerate, [this](NotifyEvent&) { OnGenerate(); });
    On(Notification::Clicked, res::kIdcMathLibrary, [this](NotifyEvent&) { OnLibrary(); });
    On(Notification::Clicked, res::kIdcMathSave, [this](NotifyEvent&) { OnSave(); });
}

std::optional<MathCompileResult> CMathDialog::CompileEquation(const std::string& equation, WindowHandle owner)
{
    MathCompileResult result;
    CMathCompiler compiler;
    if (compiler.Compile(equation, kMathFloatMode, result) == kMathErrorNone)
        return result;
    std::string text = "Invalid Expression: " + Cp1252ToUtf8(std::string_view(equation).substr(result.errorPosition));
    if (result.tokenName.data() != nullptr)
        text += " in function: " + std::string(result.tokenName);
    Application::Instance().Prompts().ShowMessageBox(
        {owner, text, "Math Equation Error", MessageBoxButtons::Ok, MessageBoxIcon::Error});
    return std::nullopt;
}

bool CMathDialog::OnInitDialog()
{
    if (auto* equation = GetControlAs<EditControl>(res::kIdcMathEquation))
        equation->SetLimitText(kMathEquationLimit);
    const bool result = CIconDialog::OnInitDialog();
    // Without a settings store there is no library to show or write.
    const bool library = math_.LibraryStore() != nullptr;
    GetControl(res::kIdcMathLibrary)->Enable(library);
    GetControl(res::kIdcMathSave)->Enable(library);
    return result;
}

void CMathDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcMathEquation, equation_, kMathEquationLimit);
    DdxRadio(exchange, res::kIdcMathWhenW, when_);
    CIconDialog::DoDataExchange(exchange);
}

bool CMathDialog::ValidateFields()
{
    const auto result = CompileEquation(Utf8ToCp1252(equation_, kMathEquationLimit), Handle());
    if (!result)
        return false;
    compiled_ = *result;
    return true;
}

void CMathDialog::ApplyToIcon()
{
    math_.SetCode(compiled_.Code());
    const int when = when_ >= 0 && when_ < static_cast<int>(kWhenMasks.size()) ? when_ : kWhenAnyIndex;
    math_.SetOutputWhen(kWhenMasks.at(static_cast<std::size_t>(when)));
    math_.SetEquation(Utf8ToCp1252(equation_, kMathEquationLimit));
    if (swapped_)
        math_.SwapInputsXY();
    math_.SetScaling(scaling_);
    applied_ = true;
}

void CMathDialog::OnOK()
{
    CIconDialog::OnOK();
    if (!applied_)
        return;
    bool isolated = false;
    math_.CheckEquationInputs(isolated);
}

void CMathDialog::OnSwap()
{
    swapped_ = !swapped_;
    Control* x = GetControl(CIconDialog::kIdcInput2);
    Control* y = GetControl(CIconDialog::kIdcInput3);
    const std::string shownX = x->GetText();
    x->SetText(y->GetText());
    y->SetText(shownX);
}

void CMathDialog::SetEquationText(const std::string& text)
{
    GetControl(res::kIdcMathEquation)->SetText(text);
}

void CMathDialog::OnGenerate()
{
    CEqnDlg generator(CEqnDlg::kMathMode, scaling_, this);
    child_ = &generator;
    const int end = generator.DoModal();
    child_ = nullptr;
    if (end != kIdOk)
        return;
    scaling_ = generator.Points();
    char text[64];
    std::snprintf(text, sizeof text, "(%.6g * w) + %.6g ", static_cast<double>(generator.Scale()),
        static_cast<double>(generator.Offset()));
    SetEquationText(text);
}

void CMathDialog::OnLibrary()
{
    if (math_.LibraryStore() == nullptr)
        return;
    MathFunctionLibrary library(*math_.LibraryStore());
    CMathFunctionLibraryDialog dialog(library, this);
    child_ = &dialog;
    const int end = dialog.DoModal();
    child_ = nullptr;
    if (end == kIdOk)
        SetEquationText(dialog.Selected().equation);
}

void CMathDialog::OnSave()
{
    if (math_.LibraryStore() == nullptr)
        return;
    const std::string equation = GetControl(res::kIdcMathEquation)->GetText();
    if (!CompileEquation(Utf8ToCp1252(equation), Handle()))
        return;
    MathFunctionLibrary library(*math_.LibraryStore());
    CEditMathFunctionDialog save(CEditMathFunctionDialog::kSaveMode, {equation, {}}, &library, this);
    child_ = &save;
    save.DoModal();
    child_ = nullptr;
}

}  // namespace corvane
