#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

class Document;
class StatusSink;
class View;
class Window;

// Progress and messages in the main frame's status bar, for any part of the
// program that holds the frame's StatusSink. UI thread only.

// Pane 0.
void SetStatusText(StatusSink& status, std::string_view text);
// Pane 1.
void SetStatusMessage(StatusSink& status, std::string_view text);

// With a bar: records and shows the position. Without one: makes the bar
// (range 0..10, at 0); the position given is not applied then.
void ShowProgress(StatusSink& status, int position);
// Range 0..upper when the bar exists; nothing otherwise.
void SetProgressRange(StatusSink& status, std::uint16_t upper);
// On: the bar advances on the frame's progress timer. Off: the timer stops
// and the bar goes once the caller is back in the message loop.
void RunProgressAnimation(StatusSink& status, bool on);
// The usual one-call form at the start (on) and end (off) of an operation:
// ShowProgress(on ? 1 : 0), SetProgressRange(100), RunProgressAnimation(on),
// then the text in pane 1.
void SetStatusProgress(StatusSink& status, std::string_view text, bool on);

// The active view of the main window's active child frame, and its document;
// null when the main window is not a frame or nothing is active.
View* GetActiveView(Window* mainWindow);
Document* GetActiveDocument(Window* mainWindow);

}  // namespace corvane
