#include "icons/function/CMathFunctionLibraryDialog.h"

#include "icons/function/CEditMathFunctionDialog.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/Control.h"
#include "platform/ImageList.h"
#include "platform/ListViewControl.h"
#include "platform/PromptSink.h"
#include "res/MathLibraryDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kLibraryCaption = "Math Library";
constexpr std::string_view kEmptyText = "No User Defined Functions";
constexpr std::string_view kSaveFailedText = "Unable to save the Math Function Library.";
constexpr std::string_view kDeleteText = "Are you sure you want to permanently delete the\nselected function?";
constexpr std::string_view kDeleteCaption = "Confirm Function Deletion";
constexpr int kImageWidth = 20;
constexpr int kImageHeight = 18;
constexpr int kEquationColumn = 0;
constexpr int kCommentColumn = 1;

}  // namespace

CMathFunctionLibraryDialog::CMathFunctionLibraryDialog(MathFunctionLibrary& library, Window* parent)
    : Dialog(res::kMathLibraryDialog, parent), library_(library)
{
    On(Notification::SelectionChanged, res::kIdcMathLibraryList, [this](NotifyEvent&) { UpdateButtons(); });
    On(Notification::DoubleClicked, res::kIdcMathLibraryList, [this](NotifyEvent&) { OnOK(); });
    On(Notification::Clicked, res::kIdcMathLibraryEdit, [this](NotifyEvent&) { OnEdit(); });
    On(Notification::Clicked, res::kIdcMathLibraryDelete, [this](NotifyEvent&) { OnDelete(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpContext); });
}

ListViewControl& CMathFunctionLibraryDialog::List() const
{
    return *GetControlAs<ListViewControl>(res::kIdcMathLibraryList);
}

bool CMathFunctionLibraryDialog::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    ListViewControl& list = List();
    list.InsertColumn(kEquationColumn, "Equation", kColumnWidth);
    list.InsertColumn(kCommentColumn, "Comment", kColumnWidth);
    ImageList images(kImageWidth, kImageHeight);
    images.Add(Application::Instance().Bitmaps().Get(res::kBitmapMathLibrary));
    list.SetImageList(images);
    functions_ = library_.Load().value_or(std::vector<MathFunction>{});
    for (const MathFunction& function : functions_) {
        const int row = list.InsertItem(list.GetItemCount(), function.equation, 0);
        list.SetItemText(row, kCommentColumn, function.comment);
    }
    UpdateButtons();
    if (functions_.empty())
        ShowMessage(kEmptyText);
    return result;
}

int CMathFunctionLibraryDialog::SingleSelection() const
{
    return List().GetSelectedCount() == 1 ? List().GetSelectedItem() : -1;
}

void CMathFunctionLibraryDialog::UpdateButtons()
{
    const int selected = List().GetSelectedCount();
    GetControl(kIdOk)->Enable(selected == 1);
    GetControl(res::kIdcMathLibraryEdit)->Enable(selected > 0);
    GetControl(res::kIdcMathLibraryDelete)->Enable(selected > 0);
}

void CMathFunctionLibraryDialog::OnOK()
{
    const int row = SingleSelection();
    if (row < 0 || static_cast<std::size_t>(row) >= functions_.size())
        return;
    selected_ = functions_[static_cast<std::size_t>(row)];
    EndDialog(kIdOk);
}

void CMathFunctionLibraryDialog::OnEdit()
{
    const int row = SingleSelection();
    if (row < 0 || static_cast<std::size_t>(row) >= functions_.size())
        return;
    CEditMathFunctionDialog edit(
        CEditMathFunctionDialog::kEditMode, functions_[static_cast<std::size_t>(row)], nullptr, this);
    child_ = &edit;
    const int end = edit.DoModal();
    child_ = nullptr;
    if (end != kIdOk)
        return;
    functions_[static_cast<std::size_t>(row)] = edit.Function();
    List().SetItemText(row, kEquationColumn, edit.Function().equation);
    List().SetItemText(row, kCommentColumn, edit.Function().comment);
    SaveLibrary();
}

void CMathFunctionLibraryDialog::OnDelete()
{
    const int row = SingleSelection();
    if (row < 0 || static_cast<std::size_t>(row) >= functions_.size())
        return;
    const int answer = Application::Instance().Prompts().ShowMessageBox({Handle(), std::string(kDeleteText),
        std::string(kDeleteCaption), MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question});
    if (answer != kIdYes)
        return;
    functions_.erase(functions_.begin() + row);
    List().DeleteItem(row);
    UpdateButtons();
    SaveLibrary();
}

void CMathFunctionLibraryDialog::SaveLibrary()
{
    if (!library_.Rewrite(functions_))
        ShowMessage(kSaveFailedText);
}

void CMathFunctionLibraryDialog::ShowMessage(std::string_view text)
{
    Application::Instance().Prompts().ShowMessageBox({Handle(), std::string(text), std::string(kLibraryCaption),
        MessageBoxButtons::Ok, MessageBoxIcon::Warning});
}

}  // namespace corvane
