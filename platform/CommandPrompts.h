#pragma once

#include "platform/MenuTemplate.h"

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The prompt of a command, as a toolbar button's tooltip and the status
// bar show it: the text of its menu item without the mnemonic marks ("&",
// where "&&" stands for one ampersand) and without the shortcut after a tab.
std::string CommandPromptFromMenuText(std::string_view menuText);

// Adds the prompt of every command of the items (popups searched through)
// to prompts; a command already there keeps the prompt it has.
void CollectCommandPrompts(std::span<const MenuItemTemplate> items, std::map<int, std::string>& prompts);

}  // namespace corvane
