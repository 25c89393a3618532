#include "controls/CTreeOptionsBrowseButton.h"

#include "controls/CTreeOptionsCtrl.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/PromptSink.h"

#include <cmath>

namespace corvane {

namespace {

// Logical font heights are pixels at 96 per inch; negative for the
// character height the point size gives.
FontChoice ToChoice(const TreeOptionsFont& font)
{
    FontChoice choice;
    choice.family = font.faceName;
    if (font.height != 0)
        choice.pointSize = static_cast<int>(std::lround(std::abs(font.height) * 72.0 / 96.0));
    choice.bold = font.weight >= 600;
    choice.italic = font.italic != 0;
    return choice;
}

void FromChoice(const FontChoice& choice, TreeOptionsFont& font)
{
    font.faceName = choice.family.substr(0, 31);
    font.height = -static_cast<std::int32_t>(std::lround(choice.pointSize * 96.0 / 72.0));
    font.weight = choice.bold ? 700 : 400;
    font.italic = choice.italic ? 1 : 0;
}

}  // namespace

const TreeOptionsEditorClass& CTreeOptionsBrowseButton::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsBrowseButton", nullptr, &MakeTreeOptionsEditor<CTreeOptionsBrowseButton>};
    return kClass;
}

ButtonControl* CTreeOptionsBrowseButton::Button() const { return dynamic_cast<ButtonControl*>(GetControl()); }

int CTreeOptionsBrowseButton::GetWidth() const
{
    if (Tree() == nullptr)
        return 20;
    return Tree()->View().GetTextWidth("    ") + Tree()->View().GetTextWidth(GetCaption());
}

void CTreeOptionsBrowseButton::BrowseForColor()
{
    if (Tree() == nullptr)
        return;
    const std::optional<std::uint32_t> chosen
        = Application::Instance().Prompts().ChooseColour(Tree()->Handle(), colour_);
    if (!chosen)
        return;
    colour_ = *chosen;
    Tree()->SetColor(Tree()->GetSelectedItem(), colour_);
    Tree()->PostMessage(CTreeOptionsCtrl::kReopenEditorsMessage);
}

void CTreeOptionsBrowseButton::BrowseForFont()
{
    if (Tree() == nullptr)
        return;
    const std::optional<FontChoice> chosen
        = Application::Instance().Prompts().ChooseFont(Tree()->Handle(), ToChoice(font_));
    if (!chosen)
        return;
    FromChoice(*chosen, font_);
    Tree()->SetFont(Tree()->GetSelectedItem(), font_);
    Tree()->PostMessage(CTreeOptionsCtrl::kReopenEditorsMessage);
}

void CTreeOptionsBrowseButton::BrowseForOpaque() {}

}  // namespace corvane
