#include "shell/StatusHelpers.h"

#include "shell/StatusSink.h"
#include "platform/MdiFrame.h"

namespace corvane {

void SetStatusText(StatusSink& status, std::string_view text) { status.SetStatusText(text); }

void SetStatusMessage(StatusSink& status, std::string_view text) { status.SetStatusMessage(text); }

void ShowProgress(StatusSink& status, int position)
{
    if (status.HasProgress())
        status.SetProgressPos(position);
    else
        status.CreateProgress();
}

void SetProgressRange(StatusSink& status, std::uint16_t upper)
{
    if (status.HasProgress())
        status.SetProgressRange(upper);
}

void RunProgressAnimation(StatusSink& status, bool on)
{
    if (on)
        status.StartProgressAnimation();
    else
        status.StopProgressAnimation();
}

void SetStatusProgress(StatusSink& status, std::string_view text, bool on)
{
    ShowProgress(status, on ? 1 : 0);
    SetProgressRange(status, 100);
    RunProgressAnimation(status, on);
    SetStatusMessage(status, text);
}

View* GetActiveView(Window* mainWindow)
{
    auto* frame = dynamic_cast<MdiFrame*>(mainWindow);
    return frame != nullptr ? frame->ActiveView() : nullptr;
}

Document* GetActiveDocument(Window* mainWindow)
{
    auto* frame = dynamic_cast<MdiFrame*>(mainWindow);
    return frame != nullptr ? frame->ActiveDocument() : nullptr;
}

}  // namespace corvane
