#pragma once

#include "platform/Event.h"
#include "platform/WorkerThread.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class Application;

// The thread that does the slow work on the memory card: it deletes a
// session's files (kCardDeleteSessionMessage), and renders a session into
// comma- or tab-separated text, optionally split into parts, or joins its
// "HEADER" and data files into one raw file (kCardStartJobMessage). It
// reports to the window given with kCardSetNotifyWindowMessage (messages in
// CardMessages.h). One message is handled at a time; a job posted while
// another runs waits its turn.
//
// The cancel event, once set, ends the running job at its next block or
// file and every queued job at its start, until it is cleared.
//
// It is created suspended; Resume starts it. Stop sets the cancel event, so
// the running job ends at its next block and the queued ones at their
// start, and waits within a bound; a thread still busy then is left to
// finish on its own (never killed), and what it uses stays alive until it
// does.
class CCardManagerWorkerThread {
public:
    static constexpr std::chrono::milliseconds kStopBound{3000};
    // How a report reaches the notify window; called on the worker thread.
    // A report that cannot be delivered is destroyed with its payload.
    using ReportPoster
        = std::function<bool(WindowHandle, MessageId, std::uintptr_t, std::intptr_t, std::unique_ptr<Payload>)>;

    // Reports go through the application's PostMessage unless poster is given.
    explicit CCardManagerWorkerThread(Application& app, ReportPoster poster = {});
    ~CCardManagerWorkerThread();
    CCardManagerWorkerThread(const CCardManagerWorkerThread&) = delete;
    CCardManagerWorkerThread& operator=(const CCardManagerWorkerThread&) = delete;

    std::uint32_t ThreadId() const { return thread_.ThreadId(); }
    void Resume() { thread_.Resume(); }
    bool Running() const { return thread_.Running(); }
    WorkerThread::StopResult Stop(std::chrono::milliseconds bound = kStopBound);
    Event& CancelEvent();

    // The name of part index of a split output: "data.csv", 3 gives
    // "data-000003.csv".
    static std::filesystem::path MakeSplitName(const std::filesystem::path& path, int index);
    // Keeps block up to and including its last line feed and moves the rest
    // to carry (all of it when there is no line feed).
    static void CutAtLastLine(std::string& block, std::string& carry);
    // The copy job takes "HEADER" and the data files ("XXXXXXXX.vrd"), any
    // case; everything else in a session folder is excluded.
    static bool IsExcluded(std::string_view fileName);

private:
    class Jobs;
    std::shared_ptr<Jobs> jobs_;
    WorkerThread thread_;
};

}  // namespace corvane
