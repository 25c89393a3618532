#pragma once

#include <string>
#include <string_view>

namespace corvane {

// For tests of the toolkit prompt sink: act, as a user would, on the prompt
// that it has open now (the toolkit's topmost modal dialog). A prompt runs
// its own loop, which goes on delivering posted messages; a test posts a
// message to one of its windows before it opens the prompt, and calls these
// from that message's handler. A prompt opened from inside a handler (the
// overwrite question of a save dialog) gets its own posted message.
//
// Nothing here is used by the program itself. Each returns false, and does
// nothing, when no prompt of the right kind is open.
namespace prompt_automation {

enum class PromptKind { None, MessageBox, FileDialog, FolderDialog, ColourDialog, FontDialog, Other };

PromptKind OpenPromptKind();
std::string OpenPromptTitle();
// A message box's text; empty for other prompts.
std::string OpenPromptText();

// A message box: presses the button of that end code (kIdOk, kIdYes...).
// The common dialogs: kIdOk confirms (as the Open, Save or OK button does),
// kIdCancel cancels.
bool PressPromptButton(int endCode);

// File dialogs: types a name into the name field.
bool TypePromptFileName(std::string_view name);
// File dialogs: selects the filter of that 1-based index.
bool SelectPromptFilter(int index);
// File dialogs: clicks the extra control of that id, when it is shown and enabled.
bool ClickPromptControl(int id);

// Saves a picture of the open prompt. A file dialog gets up to a second to
// list its folder first, so that the picture shows the files.
bool SavePromptImage(const std::string& pngPath);

}  // namespace prompt_automation

}  // namespace corvane
