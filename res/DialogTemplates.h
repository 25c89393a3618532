#pragma once

#include "platform/DialogTemplate.h"

#include <span>

namespace corvane::res {

// Every dialog and page table of the program, each once.
std::span<const DialogTemplate* const> AllDialogTemplates();

// Every property sheet that lies inside a dialog, with its pages.
std::span<const ChildSheetTemplate> AllChildSheets();

}  // namespace corvane::res
