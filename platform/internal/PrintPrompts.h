#pragma once

#include "platform/PromptSink.h"

#include <optional>

class QWidget;

namespace corvane::internal {

// The toolkit's page set-up and print dialogs of the prompt sink, modal over a widget (or none).
std::optional<PrintSetup> RunPageSetupPrompt(QWidget* over, const PrintPromptRequest& request);
std::optional<PrintSetup> RunPrintPrompt(QWidget* over, const PrintPromptRequest& request);

}  // namespace corvane::internal
