#include "controls/CTreeOptionsEdit.h"

#include "controls/CTreeOptionsCtrl.h"
#include "controls/CTreeOptionsFileDialog.h"
#include "platform/Application.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsEdit::Class()
{
    static const TreeOptionsEditorClass kClass{"CTreeOptionsEdit", nullptr, &MakeTreeOptionsEditor<CTreeOptionsEdit>};
    return kClass;
}

EditControl* CTreeOptionsEdit::Edit() const { return dynamic_cast<EditControl*>(GetControl()); }

std::string CTreeOptionsEdit::FormatDisplayText(std::string_view text) const
{
    const std::size_t at = text.find('\r');
    if (at == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(0, at)) + "...";
}

void CTreeOptionsEdit::BrowseForFolder(const std::string& current)
{
    const WindowHandle owner = Tree() != nullptr ? Tree()->Handle() : WindowHandle{};
    const std::optional<std::string> folder
        = Application::Instance().Prompts().ChooseFolder(owner, GetFolderPrompt(), current);
    if (folder && Edit() != nullptr)
        Edit()->SetText(*folder);
}

void CTreeOptionsEdit::BrowseForFile(const std::string& current)
{
    const WindowHandle owner = Tree() != nullptr ? Tree()->Handle() : WindowHandle{};
    CTreeOptionsFileDialog dialog(owner, GetFilePrompt(), current, GetFileFilter());
    if (dialog.DoModal() == kIdOk && Edit() != nullptr)
        Edit()->SetText(dialog.GetPathName());
}

}  // namespace corvane
