#include "icons/function/CEditMathFunctionDialog.h"

#include "controls/CPictureEx.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PictureControl.h"
#include "platform/PromptSink.h"
#include "res/Animations.h"
#include "res/EditMathFunctionDialog.h"
#include "res/ResourceIds.h"

#include <utility>

namespace corvane {
namespace {

constexpr std::string_view kSaveCaption = "Save Math Function";
constexpr std::string_view kLibraryFullText
    = "The maximum number of 80 Functions\nhas already been reached.\n\nUnable to Save Function.";
constexpr std::string_view kNoEquationText = "No equation is specified";
constexpr std::string_view kWriteFailedText = "Unable to write the function into the Math Function Library.";

}  // namespace

CEditMathFunctionDialog::CEditMathFunctionDialog(
    int mode, MathFunction function, MathFunctionLibrary* library, Window* parent)
    : Dialog(res::kEditMathFunctionDialog, parent), mode_(mode), function_(std::move(function)), library_(library)
{
    On(Notification::Clicked, kIdHelp, [this](NotifyEvent&) {
        Application::Instance().Prompts().ShowHelp(
            Handle(), mode_ == kSaveMode ? kSaveHelpContext : kEditHelpContext);
    });
}

CEditMathFunctionDialog::~CEditMathFunctionDialog() = default;

bool CEditMathFunctionDialog::OnInitDialog()
{
    if (auto* equation = GetControlAs<EditControl>(res::kIdcMathFunctionEquation)) {
        equation->SetLimitText(kEquationLimit);
        equation->SetReadOnly(mode_ == kSaveMode);
    }
    if (auto* comment = GetControlAs<EditControl>(res::kIdcMathFunctionComment))
        comment->SetLimitText(kCommentLimit);
    // The picture plays the library's animation.
    if (auto* picture = GetControlAs<PictureControl>(res::kIdcMathFunctionPicture)) {
        picture_ = std::make_unique<CPictureEx>(*picture);
        if (picture_->Load(res::MakeAnimation(res::kAnimationMathLibrary)))
            picture_->Draw();
    }
    if (mode_ == kSaveMode) {
        SetCaption(kSaveCaption);
        GetControl(kIdOk)->SetText("Save");
    }
    return Dialog::OnInitDialog();
}

void CEditMathFunctionDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcMathFunctionEquation, function_.equation, kEquationLimit);
    DdxText(exchange, res::kIdcMathFunctionComment, function_.comment, kCommentLimit);
}

void CEditMathFunctionDialog::ShowSaveRefusal(std::string_view text)
{
    Application::Instance().Prompts().ShowMessageBox(
        {Handle(), std::string(text), std::string(kSaveCaption), MessageBoxButtons::Ok, MessageBoxIcon::Warning});
}

void CEditMathFunctionDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    if (mode_ == kSaveMode) {
        if (library_ == nullptr) {
            ShowSaveRefusal(kWriteFailedText);
            return;
        }
        switch (library_->Add(function_)) {
        case MathFunctionLibrary::AddResult::Added: break;
        case MathFunctionLibrary::AddResult::Full: ShowSaveRefusal(kLibraryFullText); return;
        case MathFunctionLibrary::AddResult::NoEquation: ShowSaveRefusal(kNoEquationText); return;
        case MathFunctionLibrary::AddResult::WriteFailed: ShowSaveRefusal(kWriteFailedText); return;
        }
    }
    EndDialog(kIdOk);
}

}  // namespace corvane
