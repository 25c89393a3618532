#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"
#include "loggersim/SimFault.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace corvane {

struct SimulatorOptions {
    std::filesystem::path stateFolder;  // must exist
    bool listen = true;                 // take network links
    std::string listenHost = "127.0.0.1";
    std::uint16_t listenPort = 0;  // 0: any free port (see Port())
    bool pty = false;              // offer a serial link on a pseudo-terminal
    std::uint32_t realTimeIntervalMs = 1000;
    // The record of requests taken (RequestTypes) keeps this many, the latest.
    std::size_t requestRecordLimit = 4096;
    // When given, switches the logger's passwords on or off at start (and
    // keeps it in the state).
    std::optional<bool> passwordsOn;
    // Called with the pseudo-terminal's device path whenever one is made: at
    // start (on the thread that starts) and after a dropped serial link (on
    // the simulator's thread).
    std::function<void(const std::string&)> onPtyPath;
    // When given, the diagnostic log is made afresh at start: this many
    // bytes generated from diagnosticLogSeed (GenerateDiagnosticLog).
    std::optional<std::size_t> diagnosticLogBytes;
    std::uint32_t diagnosticLogSeed = 1;
    // After taking new logger firmware the logger drops its links and takes
    // none for this long while it restarts.
    std::uint32_t reflashRestartMs = 5000;
    // After a reset the logger takes no links for this long, as while it
    // restarts.
    std::uint32_t restartMs = 3000;
};

// A simulated logger speaking the link protocol: on a TCP port, on a
// pseudo-terminal, or both, with its state kept in its state folder. One
// thread serves every link; requests are answered in order. Faults can be
// injected for tests. Not copyable; Stop (or the destructor) ends it.
class SimulatedLogger {
public:
    explicit SimulatedLogger(SimulatorOptions options);
    ~SimulatedLogger();
    SimulatedLogger(const SimulatedLogger&) = delete;
    SimulatedLogger& operator=(const SimulatedLogger&) = delete;

    // Loads the state and opens the listening socket and the
    // pseudo-terminal; false with StartError() when that fails.
    bool Start();
    void Stop();
    std::string StartError() const;
    // Empty, or the notice about a damaged state file found at start.
    std::string StateNotice() const;
    // Empty, or why the state could not be saved last time.
    std::string SaveError() const;

    std::uint16_t Port() const { return port_.load(); }
    std::string PtyPath() const;
    std::size_t LinkCount() const;
    LoggerState State() const;
    // The type of each request taken, in order, the latest
    // SimulatorOptions::requestRecordLimit of them (repeats of a request
    // whose reply was lost are not counted again).
    std::vector<std::uint16_t> RequestTypes() const;
    // How many times a link had no room for what was to be written, so the
    // rest waited for the reader.
    std::size_t FullLinkWrites() const;

    void InjectFault(SimFault fault);
    void ClearFaults();
    // Sends a status or error message (kind 0xE000 to 0xE021) on every link.
    void SendMessage(std::uint16_t kind, std::uint16_t code, std::string_view text);
    // Closes every link at once, as if the cable was pulled.
    void DropLinks();
    // True from a reset until the logger takes links again.
    bool Restarting() const;

private:
    struct Link;
    struct Shared;

    void Serve();
    bool OpenPty();
    void AcceptLink();
    void ReadLink(Link& link);
    void HandleFrame(Link& link, const Frame& frame);
    void Queue(Link& link, const Frame& frame, std::uint32_t delayMs = 0);
    void FlushOutputs(Link& link);
    // Writes what the pseudo-terminal has room for of link.unsent; false
    // when the link failed and was closed.
    bool WriteUnsent(Link& link);
    void TickRealTime(Link& link);
    static bool IsSessionRequest(std::uint16_t requestType);
    // The requests over the logged sessions, kept in the state folder and
    // read from it once, at the first of them.
    RequestOutcome AnswerSessionRequest(Link& link, const Frame& request);
    // The diagnostic log requests, over the log kept in the state folder
    // and read from it once.
    RequestOutcome AnswerDiagnosticRequest(const Frame& request);
    // Writes the event a carried-out request leaves in the diagnostic log.
    void NoteDiagnosticEvent(const Frame& request, const RequestOutcome& outcome);
    // Queues the next blocks of the link's session download.
    void PumpDownload(Link& link);
    void CloseLink(Link& link);
    int NextTimeoutMs() const;
    // Binds the listening socket (to the port bound before, if any); false
    // with why when that fails.
    bool OpenListener(std::string& why);
    // A reset's reply has gone and been read: every link closes and none is
    // taken until the restart time has passed.
    void BeginRestartWhenDue();
    void EndRestartWhenDue();

    SimulatorOptions options_;
    std::unique_ptr<Shared> shared_;
    std::vector<std::unique_ptr<Link>> links_;  // the server thread's
    std::atomic<std::uint16_t> port_{0};
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    bool started_ = false;
    // The server thread's: when a reset that was answered takes the links
    // down (a moment after its reply, so the reply is read first), and when
    // the logger is back.
    std::optional<std::chrono::steady_clock::time_point> restartPending_;
    std::optional<std::chrono::steady_clock::time_point> restartAt_;
    std::atomic<bool> restarting_{false};
    // How long the restart under way keeps the logger down: a reset's or a
    // reflash's time.
    std::uint32_t restartMs_ = 0;
};

}  // namespace corvane
