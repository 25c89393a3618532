#include "platform/Application.h"

#include "platform/Bitmap.h"
#include "platform/BitmapCatalog.h"
#include "platform/BitmapTable.h"
#include "platform/Clock.h"
#include "platform/CursorCatalog.h"
#include "platform/MessageQueue.h"
#include "platform/PrintSetup.h"
#include "platform/PrinterBackend.h"
#include "platform/PromptSink.h"
#include "platform/ThreadRegistry.h"
#include "platform/TimerTable.h"
#include "platform/Window.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/DeferredIconStyle.h"
#include "platform/internal/FontSubstitutions.h"
#include "platform/internal/FrameWidgets.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <atomic>
#include <clocale>
#include <future>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace corvane {

namespace {

const auto kWakeEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// A message sent from another thread travels as a posted message whose
// payload carries the real message and the sender's waiting result.
constexpr MessageId kCrossThreadSend = 0xFFFF0001u;

// Posted messages handled per wake-up before the toolkit gets its turn, so a
// window that keeps posting to itself cannot starve painting and input.
constexpr int kMessagesPerWake = 64;

struct SendCall final : Payload {
    Message message;
    std::promise<std::intptr_t> result;
};

// Where posting threads send their wake-ups. Cleared (under its lock) before
// the receiving object goes, so a late post never touches a dead object.
struct WakeTarget {
    std::mutex mutex;
    QObject* target = nullptr;
    std::atomic<bool> pending{false};

    void Wake()
    {
        if (pending.exchange(true))
            return;
        std::lock_guard lock(mutex);
        if (target != nullptr)
            QCoreApplication::postEvent(target, new QEvent(kWakeEvent));
    }
};

Application* g_running = nullptr;

}  // namespace

struct Application::Impl {
    class Dispatcher final : public QObject {
    public:
        explicit Dispatcher(Impl& impl) : impl_(impl) {}
        bool event(QEvent* e) override
        {
            if (e->type() != kWakeEvent)
                return QObject::event(e);
            impl_.OnWake();
            return true;
        }

    private:
        Impl& impl_;
    };

    std::vector<std::string> arguments;
    std::vector<std::string> argvStorage;
    std::vector<char*> argv;
    int argc = 0;
    std::unique_ptr<QApplication> toolkit;

    std::unique_ptr<Clock> clock;
    std::unique_ptr<PromptSink> ownPrompts;
    PromptSink* prompts = nullptr;
    std::unique_ptr<PrinterBackend> ownPrinters;
    PrinterBackend* printers = nullptr;
    PrintSetup printing;
    ThreadRegistry threads;
    std::shared_ptr<WakeTarget> wake = std::make_shared<WakeTarget>();
    std::shared_ptr<MessageQueue> uiQueue;
    std::uint32_t uiThreadId = 0;
    std::thread::id uiThread = std::this_thread::get_id();
    std::unique_ptr<Dispatcher> dispatcher;
    std::unique_ptr<QTimer> timerTrigger;

    mutable std::mutex windowsMutex;
    std::unordered_map<std::uint32_t, Window*> windows;
    std::uint32_t nextHandle = 1;
    TimerTable timers;
    BitmapCatalog bitmaps;
    CursorCatalog cursors;
    int waitCursorDepth = 0;

    std::atomic<bool> quit{false};
    std::atomic<int> exitCode{0};
    BitmapTable bitmapHandles;

    Window* Find(WindowHandle handle) const
    {
        std::lock_guard lock(windowsMutex);
        auto it = windows.find(handle.value);
        return it == windows.end() ? nullptr : it->second;
    }

    void Dispatch(Message& message)
    {
        if (message.id == kCrossThreadSend) {
            std::unique_ptr<SendCall> call = message.TakePayload<SendCall>();
            if (!call)
                return;
            std::intptr_t result = 0;
            if (Window* window = Find(call->message.window))
                result = window->OnMessage(call->message);
            call->result.set_value(result);
            return;
        }
        if (Window* window = Find(message.window))
            window->OnMessage(message);
        // A payload the handler did not take is destroyed with the message.
    }

    bool DispatchOne(WindowHandle only)
    {
        std::optional<Message> message = uiQueue->Take(only);
        if (!message)
            return false;
        Dispatch(*message);
        return true;
    }

    void RunDueTimers()
    {
        for (const TimerTable::Fired& fired : timers.TakeDue(clock->NowMilliseconds())) {
            // An earlier handler in this round may have killed it.
            if (!timers.Has(fired.window, fired.id))
                continue;
            Message tick;
            tick.window = fired.window;
            tick.id = kTimerMessage;
            tick.wParam = fired.id;
            // A handler may run a nested loop (a modal dialog): the timers
            // due meanwhile must still fire there.
            ArmTimerTrigger();
            Dispatch(tick);
        }
        ArmTimerTrigger();
    }

    // With the steady clock a toolkit timer wakes the loop when the next
    // timer is due; a manual clock wakes it whenever the test advances it.
    void ArmTimerTrigger()
    {
        if (!timerTrigger)
            return;
        const std::optional<std::uint64_t> due = timers.NextDue();
        if (!due || clock->IsManual()) {
            timerTrigger->stop();
            return;
        }
        const std::uint64_t now = clock->NowMilliseconds();
        const std::uint64_t delay = *due > now ? *due - now : 0;
        timerTrigger->start(static_cast<int>(std::min<std::uint64_t>(delay, 0x7FFFFFFF)));
    }

    void OnWake()
    {
        wake->pending = false;
        int handled = 0;
        while (handled < kMessagesPerWake && DispatchOne({}))
            ++handled;
        RunDueTimers();
        if (!uiQueue->Empty())
            wake->Wake();
    }
};

Application::Application(std::vector<std::string> arguments, std::unique_ptr<Clock> clock)
    : impl_(std::make_unique<Impl>())
{
    if (g_running != nullptr)
        throw std::logic_error("only one Application may exist at a time");
    Impl& d = *impl_;
    d.arguments = std::move(arguments);
    d.argvStorage = d.arguments.empty() ? std::vector<std::string>{"corvane"} : d.arguments;
    for (std::string& argument : d.argvStorage)
        d.argv.push_back(argument.data());
    d.argv.push_back(nullptr);
    d.argc = static_cast<int>(d.argvStorage.size());
    if (QCoreApplication::instance() == nullptr)
        d.toolkit = std::make_unique<QApplication>(d.argc, d.argv.data());
    QGuiApplication::setQuitOnLastWindowClosed(false);
    internal::RegisterFontSubstitutions();
    internal::DeferredIconStyle::Install();
    // Numbers in files and on the wire are formatted in the C locale; the
    // toolkit sets the user's locale at start-up.
    std::setlocale(LC_NUMERIC, "C");

    d.clock = clock ? std::move(clock) : std::make_unique<SteadyClock>();
    d.ownPrompts = MakeToolkitPromptSink();
    d.prompts = d.ownPrompts.get();
    d.ownPrinters = MakeToolkitPrinterBackend();
    d.printers = d.ownPrinters.get();
    d.dispatcher = std::make_unique<Impl::Dispatcher>(d);
    {
        std::lock_guard lock(d.wake->mutex);
        d.wake->target = d.dispatcher.get();
    }
    d.uiQueue = std::make_shared<MessageQueue>([wake = d.wake] { wake->Wake(); });
    d.uiThreadId = d.threads.Add(d.uiQueue);
    d.timerTrigger = std::make_unique<QTimer>();
    d.timerTrigger->setSingleShot(true);
    QObject::connect(d.timerTrigger.get(), &QTimer::timeout, [&d] { d.RunDueTimers(); });
    d.clock->SetAdvanceListener([wake = d.wake] { wake->Wake(); });
    g_running = this;
}

Application::~Application()
{
    Impl& d = *impl_;
    d.clock->SetAdvanceListener({});
    {
        std::lock_guard lock(d.wake->mutex);
        d.wake->target = nullptr;
    }
    d.threads.Remove(d.uiThreadId);
    d.uiQueue->Close();  // undelivered payloads are destroyed here
    d.timerTrigger.reset();
    if (d.waitCursorDepth > 0) {
        d.waitCursorDepth = 1;
        PopWaitCursor();
    }
    d.dispatcher.reset();
    // Pictures drawn on threads of their own use the toolkit's fonts.
    d.bitmaps.FinishMakingAhead();
    d.toolkit.reset();
    g_running = nullptr;
}

Application& Application::Instance()
{
    if (g_running == nullptr)
        throw std::logic_error("no Application exists");
    return *g_running;
}

bool Application::Exists() { return g_running != nullptr; }

const std::vector<std::string>& Application::Arguments() const { return impl_->arguments; }
Clock& Application::GetClock() { return *impl_->clock; }
ThreadRegistry& Application::Threads() { return impl_->threads; }
PromptSink& Application::Prompts() { return *impl_->prompts; }
void Application::SetPromptSink(PromptSink* sink) { impl_->prompts = sink != nullptr ? sink : impl_->ownPrompts.get(); }
PrinterBackend& Application::Printers() { return *impl_->printers; }
void Application::SetPrinterBackend(PrinterBackend* backend)
{
    impl_->printers = backend != nullptr ? backend : impl_->ownPrinters.get();
}
PrintSetup& Application::Printing() { return impl_->printing; }
std::uint32_t Application::UiThreadId() const { return impl_->uiThreadId; }
bool Application::OnUiThread() const { return std::this_thread::get_id() == impl_->uiThread; }

BitmapCatalog& Application::Bitmaps() { return impl_->bitmaps; }
CursorCatalog& Application::Cursors() { return impl_->cursors; }

void Application::PushWaitCursor()
{
    if (impl_->waitCursorDepth++ == 0 && qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void Application::PopWaitCursor()
{
    if (impl_->waitCursorDepth == 0)
        return;
    if (--impl_->waitCursorDepth == 0 && qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

int Application::WaitCursorDepth() const { return impl_->waitCursorDepth; }

WindowHandle Application::RegisterWindow(Window& window)
{
    std::lock_guard lock(impl_->windowsMutex);
    const WindowHandle handle{impl_->nextHandle++};
    impl_->windows.emplace(handle.value, &window);
    return handle;
}

void Application::UnregisterWindow(WindowHandle handle)
{
    {
        std::lock_guard lock(impl_->windowsMutex);
        impl_->windows.erase(handle.value);
    }
    impl_->timers.KillAll(handle);
}

bool Application::IsWindow(WindowHandle handle) const { return impl_->Find(handle) != nullptr; }

Window* Application::FindWindow(WindowHandle handle) const { return impl_->Find(handle); }

bool Application::PostMessage(
    WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam, std::unique_ptr<Payload> payload)
{
    if (!IsWindow(window))
        return false;  // the payload is destroyed on return
    Message message;
    message.window = window;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    message.payload = std::move(payload);
    return impl_->uiQueue->Post(std::move(message));
}

std::intptr_t Application::SendMessage(
    WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam, std::unique_ptr<Payload> payload)
{
    Message message;
    message.window = window;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    message.payload = std::move(payload);
    if (OnUiThread()) {
        Window* target = impl_->Find(window);
        return target != nullptr ? target->OnMessage(message) : 0;
    }
    auto call = std::make_unique<SendCall>();
    call->message = std::move(message);
    std::future<std::intptr_t> result = call->result.get_future();
    Message carrier;
    carrier.window = window;
    carrier.id = kCrossThreadSend;
    carrier.payload = std::move(call);
    if (!impl_->uiQueue->Post(std::move(carrier)))
        return 0;
    try {
        return result.get();
    } catch (const std::future_error&) {
        return 0;  // dropped undelivered: the application is closing
    }
}

bool Application::PostThreadMessage(
    std::uint32_t threadId, MessageId id, std::uintptr_t wParam, std::intptr_t lParam, std::unique_ptr<Payload> payload)
{
    Message message;
    message.id = id;
    message.wParam = wParam;
    message.lParam = lParam;
    message.payload = std::move(payload);
    return impl_->threads.Post(threadId, std::move(message));
}

bool Application::SetTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs)
{
    if (!IsWindow(window))
        return false;
    impl_->timers.Set(window, id, intervalMs, impl_->clock->NowMilliseconds());
    impl_->ArmTimerTrigger();
    return true;
}

bool Application::KillTimer(WindowHandle window, std::uint32_t id)
{
    const bool killed = impl_->timers.Kill(window, id);
    impl_->ArmTimerTrigger();
    return killed;
}

int Application::Run()
{
    while (!impl_->quit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return impl_->exitCode;
}

void Application::PostQuitMessage(int exitCode)
{
    impl_->exitCode = exitCode;
    impl_->quit = true;
    impl_->wake->Wake();
}

bool Application::QuitRequested() const { return impl_->quit; }

void Application::PumpMessages(int count, WindowHandle only)
{
    for (int round = 0; round < count; ++round) {
        if (only) {
            impl_->DispatchOne(only);
            continue;
        }
        // One waiting message is the round's work; only when none waits
        // does the toolkit get its turn, so a round never runs a whole batch.
        if (!impl_->DispatchOne({}))
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        impl_->RunDueTimers();
    }
}

void Application::WaitMilliseconds(std::uint32_t milliseconds, bool noPump)
{
    Clock& clock = *impl_->clock;
    const std::uint64_t start = clock.NowMilliseconds();
    for (;;) {
        if (!noPump)
            PumpMessages(1);
        const std::uint64_t elapsed = clock.NowMilliseconds() - start;
        if (elapsed >= milliseconds)
            return;
        const std::uint64_t remaining = milliseconds - elapsed;
        if (noPump) {
            // A manual clock only moves when another thread advances it.
            std::this_thread::sleep_for(std::chrono::milliseconds(clock.IsManual() ? 1 : remaining));
        } else if (impl_->uiQueue->Empty()) {
            // Sleep until something arrives or the wait is over, instead of spinning.
            QTimer deadline;
            deadline.setSingleShot(true);
            if (!clock.IsManual())
                deadline.start(static_cast<int>(remaining));
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
}

void Application::WaitSeconds(int seconds, bool noPump)
{
    if (seconds < 1)
        return;
    WaitMilliseconds(static_cast<std::uint32_t>(seconds) * 1000u, noPump);
}

void Application::ProcessPending()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Bounded, so a window that posts to itself on every message cannot hold us here.
    for (int handled = 0; handled < 10000 && impl_->DispatchOne({}); ++handled) {}
    impl_->RunDueTimers();
}

BitmapTable& Application::BitmapHandles() { return impl_->bitmapHandles; }

void Application::SetWindowIcon(const Bitmap& picture, RgbColour transparent)
{
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(TransparentImage(picture.Data().image, transparent))));
}

}  // namespace corvane
