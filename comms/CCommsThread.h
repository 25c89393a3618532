#pragma once

#include "platform/WorkerThread.h"

#include <chrono>
#include <cstdint>
#include <memory>

namespace corvane {

class Application;
class CConnectionDetails;
class CommLog;
class MainFramePoster;

// The thread that takes the messages a logger sends of its own accord. The
// communications library posts each as kUnsolicitedMessage with a
// CReplyMessage; the thread logs it, updates the logger-enabled flag of
// the connection state and passes the rest on by posted messages:
//
//   status          log; logger enabled or halted (when it changes),
//                   memory card in or out
//   fatal error     log; a notice for the main frame and a library log line
//                   (not for code 3840)
//   run-time error  log; a library log line
//   real-time items a RealTimeDataBlock for the main frame
//   test result     to the registered window (kCommsRegisterWindowMessage)
//
// Everything else, and a message too short for its kind, is dropped.
//
// It is created suspended: give ThreadId() to the library, then Resume.
// What it is given must outlive it; the owner stops it first.
class CCommsThread {
public:
    static constexpr std::chrono::milliseconds kStopBound{3000};

    CCommsThread(Application& app, CConnectionDetails& connection, CommLog& commLog, MainFramePoster& mainFrame);
    // Stops the thread within kStopBound.
    ~CCommsThread();
    CCommsThread(const CCommsThread&) = delete;
    CCommsThread& operator=(const CCommsThread&) = delete;

    std::uint32_t ThreadId() const { return thread_.ThreadId(); }
    void Resume() { thread_.Resume(); }
    bool Running() const { return thread_.Running(); }
    // Posts quit and waits up to bound for the thread to end; messages
    // posted earlier are handled first, later ones are refused.
    WorkerThread::StopResult Stop(std::chrono::milliseconds bound = kStopBound) { return thread_.Stop(bound); }

private:
    class Receiver;
    // Shared with the thread, so a thread left running after a stop that
    // timed out never reaches a destroyed object.
    std::shared_ptr<Receiver> receiver_;
    WorkerThread thread_;
};

}  // namespace corvane
