#include "platform/CommandPrompts.h"

namespace corvane {

std::string CommandPromptFromMenuText(std::string_view menuText)
{
    const std::string_view shown = menuText.substr(0, menuText.find('\t'));
    std::string prompt;
    prompt.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '&') {
            // "&&" is an ampersand; a lone "&" only marks the next letter.
            if (i + 1 < shown.size() && shown[i + 1] == '&')
                prompt.push_back(shown[++i]);
            continue;
        }
        prompt.push_back(shown[i]);
    }
    return prompt;
}

void CollectCommandPrompts(std::span<const MenuItemTemplate> items, std::map<int, std::string>& prompts)
{
    for (const MenuItemTemplate& item : items) {
        switch (item.kind) {
        case MenuItemKind::Command:
            if (item.id != 0)
                prompts.try_emplace(item.id, CommandPromptFromMenuText(item.text));
            break;
        case MenuItemKind::Popup: CollectCommandPrompts(item.items, prompts); break;
        case MenuItemKind::Separator: break;
        }
    }
}

}  // namespace corvane
