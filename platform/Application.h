#pragma once

#include "platform/ColourValue.h"
#include "platform/Message.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

class Bitmap;
class BitmapCatalog;
class BitmapTable;
class CursorCatalog;
class Clock;
class PrinterBackend;
class PromptSink;
struct PrintSetup;
class ThreadRegistry;
class Window;

// The program's host: the GUI toolkit, the UI thread's message queue and
// loop, the window handles, the timers and the thread registry. Exactly one
// exists while the program (or a test) runs; it is made first on the UI
// thread and destroyed last.
//
// Posting is thread-safe; messages to a window arrive on the UI thread in
// posting order. Everything else is for the UI thread.
class Application {
public:
    // clock: the monotonic clock of timers and waits; the steady clock when null.
    Application(std::vector<std::string> arguments, std::unique_ptr<Clock> clock = nullptr);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The running application; it must exist.
    static Application& Instance();
    static bool Exists();

    const std::vector<std::string>& Arguments() const;
    Clock& GetClock();
    ThreadRegistry& Threads();
    std::uint32_t UiThreadId() const;
    bool OnUiThread() const;

    // Message boxes, common dialogs and help go through this sink. Tests
    // install their own; null restores the program's own.
    PromptSink& Prompts();
    void SetPromptSink(PromptSink* sink);

    // The printers and the PDF writer that jobs go to. Tests install their
    // own; null restores the program's own.
    PrinterBackend& Printers();
    void SetPrinterBackend(PrinterBackend* backend);
    // The program's page set-up (where printing goes, paper, orientation).
    PrintSetup& Printing();

    // The program's pictures and cursors by resource id.
    BitmapCatalog& Bitmaps();
    CursorCatalog& Cursors();

    // The picture every window of the program shows as its icon (title
    // bars, document windows, the desktop's task list); pixels of the
    // transparent colour are see-through.
    void SetWindowIcon(const Bitmap& picture, RgbColour transparent = {255, 0, 255});

    // The wait cursor shows over every window while pushes outnumber pops
    // (see WaitCursor); a pop with none pushed does nothing, and the cursor
    // goes back when the application goes.
    void PushWaitCursor();
    void PopWaitCursor();
    int WaitCursorDepth() const;

    // Windows register themselves (see Window); any thread may test a handle.
    WindowHandle RegisterWindow(Window& window);
    void UnregisterWindow(WindowHandle handle);
    bool IsWindow(WindowHandle handle) const;

    // False, and the payload destroyed, when the window is gone.
    bool PostMessage(WindowHandle window, MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0,
        std::unique_ptr<Payload> payload = {});
    // Calls the window's handler and returns its result; from another thread
    // the call waits until the UI thread has handled it. 0 when the window is gone.
    std::intptr_t SendMessage(WindowHandle window, MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0,
        std::unique_ptr<Payload> payload = {});
    bool PostThreadMessage(std::uint32_t threadId, MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0,
        std::unique_ptr<Payload> payload = {});

    bool SetTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs);
    bool KillTimer(WindowHandle window, std::uint32_t id);

    // Runs the message loop until a quit request; returns its exit code.
    int Run();
    // Any thread. A request made during a wait or a modal dialog is kept: the
    // inner loop goes on, and the outer loop ends when control returns to it.
    void PostQuitMessage(int exitCode = 0);
    bool QuitRequested() const;

    // count rounds: each dispatches one waiting message (for that window only
    // when one is given); without a window, a round with no message waiting
    // lets the toolkit handle its events, and due timers fire. Never blocks.
    void PumpMessages(int count, WindowHandle only = {});
    // Returns once milliseconds have passed on the clock, pumping messages
    // meanwhile unless noPump; a 0 wait still pumps once. Re-entrant.
    void WaitMilliseconds(std::uint32_t milliseconds, bool noPump = false);
    // The same in whole seconds; below 1 returns at once without pumping.
    void WaitSeconds(int seconds, bool noPump = false);

    // Handles everything that is ready now (toolkit events, posted messages,
    // due timers) without blocking.
    void ProcessPending();

    // The bitmaps handed to and taken from run-time libraries by handle.
    BitmapTable& BitmapHandles();

    // The window of that handle, or null when there is none; UI thread only
    // (the window may go as soon as the UI thread runs on).
    Window* FindWindow(WindowHandle handle) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
