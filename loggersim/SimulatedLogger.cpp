#include "loggersim/SimulatedLogger.h"

#include "base/UniqueFd.h"
#include "halvix/protocol/FdWrite.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/FrameReader.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/WakeEvent.h"
#include "loggersim/DiagnosticLogFile.h"
#include "loggersim/FlashRequests.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/NetImageFile.h"
#include "loggersim/SessionDownload.h"
#include "loggersim/SessionRequests.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <deque>
#include <optional>

namespace corvane {

namespace {

using Clock = std::chrono::steady_clock;

// A reset logger goes down this long after its reply has been written.
constexpr auto kResetReplyGrace = std::chrono::milliseconds(250);

// Writes to a network link may wait this long for room. A pseudo-terminal
// never blocks the simulator: what does not fit waits for room, and while
// nobody reads, whole frames past this backlog are dropped.
constexpr int kNetworkWriteTimeoutMs = 1000;
constexpr std::size_t kPtyBacklogBytes = 256 * 1024;
constexpr std::uint32_t kStreamId = 1;

std::int64_t HostSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace

struct SimulatedLogger::Link {
    UniqueFd fd;
    UniqueFd heldSlave;  // a pseudo-terminal's own slave end, so it never hangs up
    bool pty = false;
    bool closed = false;
    FrameReader reader;
    Frame frame;  // the request read last, its payload's room kept
    bool streaming = false;
    Clock::time_point nextTick;
    std::uint32_t ticks = 0;
    struct Answered {
        std::uint32_t requestId = 0;
        std::uint16_t requestType = 0;
        std::vector<std::uint8_t> payload;
        std::optional<Frame> reply;
    };
    std::optional<Answered> last;  // a repeat of it gets the same reply again
    struct Output {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Output> outputs;
    // Bytes taken from outputs and not written yet: the due frames of one
    // turn, gathered for one write, and on a pseudo-terminal what had no
    // room yet. They go out before anything else.
    std::vector<std::uint8_t> unsent;
    // The session download under way and the id of the request that began it.
    std::unique_ptr<SessionDownload> download;
    std::uint32_t downloadRequestId = 0;
    Frame downloadReply;  // the reply of each block, its payload's room kept
    // A fault of the download (SdlSkipBlock or SdlStall) and its data
    // blocks taken so far.
    std::optional<SimFault::Kind> downloadFault;
    std::uint32_t downloadDataBlocks = 0;
};

struct SimulatedLogger::Shared {
    mutable std::mutex mutex;
    LoggerState state;
    std::vector<SimFault> faults;
    std::vector<Frame> pendingMessages;
    bool dropRequested = false;
    std::string startError;
    std::string stateNotice;
    std::string saveError;
    std::string ptyPath;
    std::size_t linkCount = 0;
    std::deque<std::uint16_t> requestTypes;  // the latest requests taken, in order
    // The logged sessions as the state folder holds them, read at the first
    // request over them and written back whenever they change; a running
    // one is grown to the clock per request (SessionAsOf), not here.
    std::optional<std::vector<LoggedSessionPlan>> sessions;
    // The raw diagnostic log as the state folder holds it, read at the
    // first request over it and written back whenever it changes.
    std::optional<std::vector<std::uint8_t>> diagnosticLog;
    std::size_t fullLinkWrites = 0;
    // The logger firmware being received by the reflash requests.
    std::optional<PendingFirmware> firmware;
    WakeEvent wake;
    UniqueFd listener;
};

SimulatedLogger::SimulatedLogger(SimulatorOptions options)
    : options_(std::move(options)), shared_(std::make_unique<Shared>())
{}

SimulatedLogger::~SimulatedLogger() { Stop(); }

std::string SimulatedLogger::StartError() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->startError;
}

std::string SimulatedLogger::StateNotice() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->stateNotice;
}

std::string SimulatedLogger::SaveError() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->saveError;
}

std::string SimulatedLogger::PtyPath() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->ptyPath;
}

std::size_t SimulatedLogger::LinkCount() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->linkCount;
}

std::vector<std::uint16_t> SimulatedLogger::RequestTypes() const
{
    std::lock_guard lock(shared_->mutex);
    return {shared_->requestTypes.begin(), shared_->requestTypes.end()};
}

std::size_t SimulatedLogger::FullLinkWrites() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->fullLinkWrites;
}

LoggerState SimulatedLogger::State() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->state;
}

void SimulatedLogger::InjectFault(SimFault fault)
{
    std::lock_guard lock(shared_->mutex);
    shared_->faults.push_back(std::move(fault));
}

void SimulatedLogger::ClearFaults()
{
    std::lock_guard lock(shared_->mutex);
    shared_->faults.clear();
}

void SimulatedLogger::SendMessage(std::uint16_t kind, std::uint16_t code, std::string_view text)
{
    {
        std::lock_guard lock(shared_->mutex);
        const std::int64_t loggerTime = HostSeconds() + shared_->state.clockOffsetSeconds;
        shared_->pendingMessages.push_back(MakeStatusMessage(kind, code, text, loggerTime));
    }
    shared_->wake.Wake();
}

void SimulatedLogger::DropLinks()
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->dropRequested = true;
    }
    shared_->wake.Wake();
}

bool SimulatedLogger::Start()
{
    if (started_)
        return true;
    auto fail = [&](std::string why) {
        std::lock_guard lock(shared_->mutex);
        shared_->startError = std::move(why);
        return false;
    };
    if (!shared_->wake.Valid())
        return fail("cannot make a wake-up pipe: " + std::string(std::strerror(errno)));
    std::error_code folderError;
    std::filesystem::create_directories(options_.stateFolder, folderError);
    if (folderError || !std::filesystem::is_directory(options_.stateFolder))
        return fail("cannot use the state folder " + options_.stateFolder.string());
    LoadedLoggerState loaded = LoadLoggerState(options_.stateFolder);
    if (options_.passwordsOn)
        loaded.state.passwordsOn = *options_.passwordsOn ? 1 : 0;
    const FileError saved = SaveLoggerState(options_.stateFolder, loaded.state);
    LoadedNetImage net = LoadNetImage(options_.stateFolder);
    // A fresh logger's diagnostic log, or the one the options ask for.
    FileError diagnosticSaved;
    if (options_.diagnosticLogBytes)
        diagnosticSaved = SaveDiagnosticLog(
            options_.stateFolder, GenerateDiagnosticLog(options_.diagnosticLogSeed, *options_.diagnosticLogBytes));
    else if (!std::filesystem::exists(options_.stateFolder / kDiagnosticLogFileName))
        diagnosticSaved = SaveDiagnosticLog(
            options_.stateFolder, GenerateDiagnosticLog(kFreshDiagnosticLogSeed, kFreshDiagnosticLogBytes));
    if (diagnosticSaved)
        loaded.notice += (loaded.notice.empty() ? "" : " ") + diagnosticSaved.message;
    loaded.state.netImage = std::move(net.image);
    if (!net.notice.empty())
        loaded.notice += (loaded.notice.empty() ? "" : " ") + net.notice;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->state = std::move(loaded.state);
        shared_->stateNotice = std::move(loaded.notice);
        if (saved)
            shared_->saveError = saved.message;
    }

    if (options_.listen) {
        std::string why;
        if (!OpenListener(why))
            return fail(std::move(why));
    }
    if (options_.pty && !OpenPty())
        return fail("cannot make a pseudo-terminal: " + std::string(std::strerror(errno)));
    started_ = true;
    stopping_.store(false);
    thread_ = std::thread([this] { Serve(); });
    return true;
}

bool SimulatedLogger::OpenListener(std::string& why)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* addresses = nullptr;
    // After a restart the logger comes back on the port it had.
    const std::uint16_t wanted = port_.load() != 0 ? port_.load() : options_.listenPort;
    const std::string port = std::to_string(wanted);
    const int lookup = ::getaddrinfo(options_.listenHost.c_str(), port.c_str(), &hints, &addresses);
    if (lookup != 0) {
        why = "cannot find " + options_.listenHost + ": " + ::gai_strerror(lookup);
        return false;
    }
    std::string reason = "no address";
    for (addrinfo* address = addresses; address != nullptr && !shared_->listener.Valid();
         address = address->ai_next) {
        UniqueFd fd(::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        const int reuse = 1;
        if (fd.Valid())
            (void)::setsockopt(fd.Get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        if (!fd.Valid() || ::bind(fd.Get(), address->ai_addr, address->ai_addrlen) != 0
            || ::listen(fd.Get(), 4) != 0) {
            reason = std::strerror(errno);
            continue;
        }
        sockaddr_storage bound{};
        socklen_t size = sizeof bound;
        if (::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&bound), &size) == 0) {
            const std::uint16_t boundPort = bound.ss_family == AF_INET6
                ? ntohs(reinterpret_cast<const sockaddr_in6*>(&bound)->sin6_port)
                : ntohs(reinterpret_cast<const sockaddr_in*>(&bound)->sin_port);
            port_.store(boundPort);
        }
        shared_->listener = std::move(fd);
    }
    ::freeaddrinfo(addresses);
    if (!shared_->listener.Valid()) {
        why = "cannot listen on " + options_.listenHost + ":" + port + ": " + reason;
        return false;
    }
    return true;
}

void SimulatedLogger::Stop()
{
    if (!started_)
        return;
    stopping_.store(true);
    shared_->wake.Wake();
    if (thread_.joinable())
        thread_.join();
    links_.clear();
    shared_->listener.Reset();
    std::lock_guard lock(shared_->mutex);
    shared_->linkCount = 0;
    started_ = false;
}

bool SimulatedLogger::OpenPty()
{
    UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!master.Valid() || ::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0)
        return false;
    char name[128] = {};
    if (::ptsname_r(master.Get(), name, sizeof name) != 0)
        return false;
    UniqueFd slave(::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!slave.Valid())
        return false;
    // Raw from the start: no echo of our own replies, no line editing.
    termios line{};
    if (::tcgetattr(slave.Get(), &line) == 0) {
        ::cfmakeraw(&line);
        ::tcsetattr(slave.Get(), TCSANOW, &line);
    }
    auto link = std::make_unique<Link>();
    link->fd = std::move(master);
    link->heldSlave = std::move(slave);
    link->pty = true;
    links_.push_back(std::move(link));
    {
        std::lock_guard lock(shared_->mutex);
        shared_->ptyPath = name;
        shared_->linkCount = links_.size();
    }
    if (options_.onPtyPath)
        options_.onPtyPath(name);
    return true;
}

void SimulatedLogger::AcceptLink()
{
    UniqueFd fd(::accept4(shared_->listener.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!fd.Valid() || Restarting())
        return;
    const int noDelay = 1;
    (void)::setsockopt(fd.Get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    auto link = std::make_unique<Link>();
    link->fd = std::move(fd);
    links_.push_back(std::move(link));
}

void SimulatedLogger::CloseLink(Link& link)
{
    link.fd.Reset();
    link.heldSlave.Reset();
    link.closed = true;
}

void SimulatedLogger::Queue(Link& link, const Frame& frame, std::uint32_t delayMs)
{
    if (link.closed || frame.payload.size() > kMaxFramePayload)
        return;
    if (link.pty && !link.unsent.empty()) {
        std::size_t backlog = link.unsent.size();
        for (const Link::Output& output : link.outputs)
            backlog += output.bytes.size();
        if (backlog + kFrameOverhead + frame.payload.size() > kPtyBacklogBytes)
            return;
    }
    // A frame due now with nothing queued before it joins the bytes of the
    // next write at once.
    if (delayMs == 0 && link.outputs.empty()) {
        AppendFrame(frame, link.unsent);
        return;
    }
    std::optional<std::vector<std::uint8_t>> bytes = EncodeFrame(frame);
    if (bytes)
        link.outputs.push_back({Clock::now() + std::chrono::milliseconds(delayMs), std::move(*bytes)});
}

void SimulatedLogger::FlushOutputs(Link& link)
{
    if (link.closed)
        return;
    // Due outputs go in the order they were queued, gathered behind what
    // already waits into one write; later ones wait.
    if (!link.outputs.empty()) {
        const auto now = Clock::now();
        auto due = std::stable_partition(
            link.outputs.begin(), link.outputs.end(), [now](const Link::Output& output) { return output.due <= now; });
        for (auto output = link.outputs.begin(); output != due; ++output)
            link.unsent.insert(link.unsent.end(), output->bytes.begin(), output->bytes.end());
        link.outputs.erase(link.outputs.begin(), due);
    }
    if (link.unsent.empty())
        return;
    if (link.pty) {
        WriteUnsent(link);
        return;
    }
    if (WriteAllBytes(link.fd.Get(), link.unsent, kNetworkWriteTimeoutMs) != WriteResult::Done)
        CloseLink(link);
    link.unsent.clear();
}

bool SimulatedLogger::WriteUnsent(Link& link)
{
    std::size_t written = 0;
    while (written < link.unsent.size()) {
        const ssize_t count = ::write(link.fd.Get(), link.unsent.data() + written, link.unsent.size() - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            std::lock_guard lock(shared_->mutex);
            ++shared_->fullLinkWrites;
            break;
        }
        CloseLink(link);
        return false;
    }
    link.unsent.erase(link.unsent.begin(), link.unsent.begin() + static_cast<std::ptrdiff_t>(written));
    return true;
}

void SimulatedLogger::TickRealTime(Link& link)
{
    if (!link.streaming || link.closed)
        return;
    const auto now = Clock::now();
    if (now < link.nextTick)
        return;
    const auto interval = std::chrono::milliseconds(std::max<std::uint32_t>(options_.realTimeIntervalMs, 1));
    link.nextTick = std::max(link.nextTick + interval, now);
    ++link.ticks;
    Frame message;
    {
        std::lock_guard lock(shared_->mutex);
        const auto wallClock = std::chrono::system_clock::now().time_since_epoch();
        const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(wallClock).count() % 1000;
        const RealTimeItem items[] = {
            {1, shared_->state.temperatureC},
            {2, shared_->state.supplyVolts},
            {3, static_cast<float>(link.ticks)},
        };
        message = MakeRealTimeMessage(kStreamId, HostSeconds() + shared_->state.clockOffsetSeconds,
            static_cast<std::uint16_t>(milliseconds / 5), items);
    }
    Queue(link, message);
}

void SimulatedLogger::HandleFrame(Link& link, const Frame& frame)
{
    // A logger about to restart takes nothing more.
    if (frame.kind != FrameKind::Request || link.closed || restartPending_ || restartAt_)
        return;
    // A request sent again after a lost reply gets the same reply again and
    // is not carried out twice.
    if (link.last && link.last->reply && link.last->requestId == frame.requestId
        && link.last->requestType == frame.requestType && link.last->payload == frame.payload) {
        Queue(link, *link.last->reply);
        return;
    }
    // The record of the request answered last is written over in place,
    // its payload's room kept from one request to the next.
    if (!link.last)
        link.last.emplace();
    link.last->requestId = frame.requestId;
    link.last->requestType = frame.requestType;
    link.last->payload.assign(frame.payload.begin(), frame.payload.end());
    link.last->reply.reset();

    std::optional<SimFault> fault;
    RequestOutcome outcome;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->requestTypes.push_back(frame.requestType);
        while (shared_->requestTypes.size() > options_.requestRecordLimit)
            shared_->requestTypes.pop_front();
        auto& faults = shared_->faults;
        const auto found = std::find_if(faults.begin(), faults.end(), [&](const SimFault& candidate) {
            return !candidate.requestType || *candidate.requestType == frame.requestType;
        });
        if (found != faults.end() && found->skip > 0) {
            --found->skip;
        } else if (found != faults.end()) {
            fault = *found;
            if (found->count > 0 && --found->count == 0)
                faults.erase(found);
        }
        const bool answers = !fault || fault->kind == SimFault::Kind::Delay
            || fault->kind == SimFault::Kind::SdlSkipBlock || fault->kind == SimFault::Kind::SdlStall;
        if (answers) {
            if (IsSessionRequest(frame.requestType))
                outcome = AnswerSessionRequest(link, frame);
            else if (frame.requestType == kRequestDbFGet || frame.requestType == kRequestQuvDbFCtl)
                outcome = AnswerDiagnosticRequest(frame);
            else if (IsFlashRequest(frame.requestType))
                outcome = AnswerFlashRequest(shared_->firmware, shared_->state, frame);
            else
                outcome = HandleRequest(shared_->state, frame, HostSeconds());
            NoteDiagnosticEvent(frame, outcome);
            if (frame.requestType == kRequestFlashExec && outcome.reply && !outcome.reply->error)
                outcome.restart = true;
            const bool started = frame.requestType == kRequestSdlStart && outcome.reply && !outcome.reply->error;
            if (fault && fault->kind != SimFault::Kind::Delay && started)
                link.downloadFault = fault->kind;
            if (outcome.stateChanged) {
                const FileError saved = SaveLoggerState(options_.stateFolder, shared_->state);
                shared_->saveError = saved ? saved.message : std::string();
            }
            // A net or an erase the logger could not keep is not reported
            // as done.
            FileError stored;
            if (outcome.netChanged)
                stored = SaveNetImage(options_.stateFolder, shared_->state.netImage);
            if (outcome.sessionsErased) {
                stored = SaveLoggedSessions(options_.stateFolder, {});
                if (!stored)
                    shared_->sessions.emplace();
            }
            if (stored) {
                shared_->saveError = stored.message;
                outcome.reply = MakeErrorReply(frame, kSimErrorStorage, "The logger could not store its memory");
            }
        }
    }
    if (fault && fault->kind == SimFault::Kind::NoReply)
        return;
    if (fault && fault->kind == SimFault::Kind::DropLink) {
        CloseLink(link);
        return;
    }
    if (fault && fault->kind == SimFault::Kind::ErrorReply) {
        link.last->reply = MakeErrorReply(frame, fault->code, fault->text);
        Queue(link, *link.last->reply);
        return;
    }
    const std::uint32_t delayMs = fault ? fault->delayMs : 0;
    if (outcome.streaming) {
        link.streaming = *outcome.streaming;
        link.nextTick = Clock::now() + std::chrono::milliseconds(delayMs + options_.realTimeIntervalMs);
    }
    for (const Frame& message : outcome.messages)
        for (const auto& other : links_)
            Queue(*other, message, other.get() == &link ? delayMs : 0);
    if (outcome.reply) {
        link.last->reply = std::move(outcome.reply);
        Queue(link, *link.last->reply, delayMs);
    }
    if (outcome.restart) {
        FlushOutputs(link);
        restartPending_ = Clock::now() + kResetReplyGrace;
        restartMs_ = frame.requestType == kRequestFlashExec ? options_.reflashRestartMs : options_.restartMs;
        restarting_.store(true);
    }
}

bool SimulatedLogger::Restarting() const { return restarting_.load(); }

void SimulatedLogger::BeginRestartWhenDue()
{
    if (!restartPending_ || Clock::now() < *restartPending_)
        return;
    restartPending_.reset();
    // The listener goes first, so that whoever sees its link close finds
    // the logger taking no new one.
    shared_->listener.Reset();
    for (const auto& link : links_)
        CloseLink(*link);
    restartAt_ = Clock::now() + std::chrono::milliseconds(restartMs_);
}

void SimulatedLogger::EndRestartWhenDue()
{
    if (!restartAt_ || Clock::now() < *restartAt_)
        return;
    std::string why;
    if (options_.listen && !OpenListener(why)) {
        // The port is taken meanwhile: the logger tries again a second later.
        restartAt_ = Clock::now() + std::chrono::seconds(1);
        return;
    }
    restartAt_.reset();
    restarting_.store(false);
}

RequestOutcome SimulatedLogger::AnswerDiagnosticRequest(const Frame& request)
{
    if (!shared_->diagnosticLog) {
        LoadedDiagnosticLog loaded = LoadDiagnosticLog(options_.stateFolder);
        if (loaded.error) {
            shared_->saveError = loaded.error.message;
            return RefuseRequest(request, kSimErrorStorage, "The logger could not read its diagnostic log");
        }
        shared_->diagnosticLog = std::move(loaded.bytes);
    }
    bool logChanged = false;
    RequestOutcome outcome = AnswerDiagnosticLogRequest(shared_->state, *shared_->diagnosticLog, request,
        HostSeconds() + shared_->state.clockOffsetSeconds, logChanged);
    if (logChanged) {
        if (const FileError saved = SaveDiagnosticLog(options_.stateFolder, *shared_->diagnosticLog)) {
            shared_->saveError = saved.message;
            shared_->diagnosticLog.reset();
            return RefuseRequest(request, kSimErrorStorage, "The logger could not store its diagnostic log");
        }
    }
    return outcome;
}

void SimulatedLogger::NoteDiagnosticEvent(const Frame& request, const RequestOutcome& outcome)
{
    // Only what the logger did: a stop of a stopped logger leaves nothing.
    if (!outcome.reply || outcome.reply->error || (request.requestType == kRequestRun && !outcome.stateChanged))
        return;
    const std::string text = DiagnosticEventText(request);
    if (text.empty())
        return;
    if (!shared_->diagnosticLog) {
        LoadedDiagnosticLog loaded = LoadDiagnosticLog(options_.stateFolder);
        if (loaded.error)
            return;
        shared_->diagnosticLog = std::move(loaded.bytes);
    }
    AppendDiagnosticEvent(*shared_->diagnosticLog, HostSeconds() + shared_->state.clockOffsetSeconds, 0, text);
    if (const FileError saved = SaveDiagnosticLog(options_.stateFolder, *shared_->diagnosticLog))
        shared_->saveError = saved.message;
}

bool SimulatedLogger::IsSessionRequest(std::uint16_t requestType)
{
    return requestType == kRequestListSessions || requestType == kRequestEraseSession || requestType == kRequestSdlStart
        || requestType == kRequestSdlError;
}

RequestOutcome SimulatedLogger::AnswerSessionRequest(Link& link, const Frame& request)
{
    if (request.requestType == kRequestSdlError)
        return AnswerSdlError(request, link.download);
    if (!shared_->sessions) {
        LoadedLoggedSessions loaded = LoadLoggedSessions(options_.stateFolder);
        if (!loaded.error.empty()) {
            shared_->saveError = loaded.error;
            return RefuseRequest(request, kSimErrorStorage, "The logger could not read its sessions");
        }
        shared_->sessions = std::move(loaded.sessions);
    }
    std::vector<LoggedSessionPlan>& kept = *shared_->sessions;
    if (request.requestType == kRequestListSessions || request.requestType == kRequestSdlStart) {
        // A running session is listed and sent as far as the clock has gone.
        const std::int64_t loggerSeconds = HostSeconds() + shared_->state.clockOffsetSeconds;
        std::vector<LoggedSessionPlan> asOfClock;
        asOfClock.reserve(kept.size());
        for (const LoggedSessionPlan& plan : kept)
            asOfClock.push_back(SessionAsOf(plan, loggerSeconds));
        if (request.requestType == kRequestListSessions)
            return AnswerListSessions(shared_->state, asOfClock, request);
        RequestOutcome outcome = AnswerSdlStart(shared_->state, asOfClock, request, link.download);
        if (!outcome.reply->error) {
            link.downloadRequestId = request.requestId;
            link.downloadFault.reset();
            link.downloadDataBlocks = 0;
        }
        return outcome;
    }
    // The erase is kept only once the state folder holds the list without it.
    std::vector<LoggedSessionPlan> remaining = kept;
    RequestOutcome outcome = AnswerEraseSession(remaining, request);
    if (!outcome.reply->error) {
        if (const FileError saved = SaveLoggedSessions(options_.stateFolder, remaining)) {
            shared_->saveError = saved.message;
            return RefuseRequest(request, kSimErrorStorage, "The logger could not store its memory");
        }
        kept = std::move(remaining);
    }
    return outcome;
}

void SimulatedLogger::PumpDownload(Link& link)
{
    // A turn's worth of blocks at a time, which the flush sends in one
    // write, and only once what was queued has gone, so a session of any
    // size streams without piling up. A network link takes about 256 KiB a
    // turn; a pseudo-terminal's turn stays well inside its backlog.
    constexpr int kNetworkBlocksPerTurn = 256;
    constexpr int kPtyBlocksPerTurn = 64;
    static_assert(kPtyBlocksPerTurn * (kFrameOverhead + kSdlOffsetSize + kSdlBlockSize) < kPtyBacklogBytes);
    if (!link.download || link.closed || !link.outputs.empty() || !link.unsent.empty())
        return;
    const int blocksPerTurn = link.pty ? kPtyBlocksPerTurn : kNetworkBlocksPerTurn;
    Frame& reply = link.downloadReply;
    reply.kind = FrameKind::Reply;
    reply.requestId = link.downloadRequestId;
    for (int i = 0; i < blocksPerTurn; ++i) {
        const std::optional<std::uint16_t> replyType = link.download->Next(reply.payload);
        if (!replyType) {
            link.download.reset();
            return;
        }
        if (link.downloadFault && *replyType == kReplySdlData && !reply.payload.empty()) {
            const std::uint32_t index = link.downloadDataBlocks++;
            if (*link.downloadFault == SimFault::Kind::SdlSkipBlock && index == 1)
                continue;
            if (*link.downloadFault == SimFault::Kind::SdlStall && index >= 1) {
                link.download.reset();
                return;
            }
        }
        reply.requestType = *replyType;
        Queue(link, reply);
    }
}

void SimulatedLogger::ReadLink(Link& link)
{
    std::uint8_t chunk[4096];
    const ssize_t count = ::read(link.fd.Get(), chunk, sizeof chunk);
    if (count > 0) {
        link.reader.Feed(std::span(chunk, static_cast<std::size_t>(count)));
        while (!link.closed && link.reader.Next(link.frame))
            HandleFrame(link, link.frame);
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    // A pseudo-terminal keeps its own slave end open, so an end of input
    // there is momentary; a network link has gone.
    if (!link.pty)
        CloseLink(link);
}


int SimulatedLogger::NextTimeoutMs() const
{
    std::optional<Clock::time_point> next = restartAt_ ? restartAt_ : restartPending_;
    for (const auto& link : links_) {
        // A link with bytes waiting for room is woken by poll, not by time.
        if (link->unsent.empty())
            for (const Link::Output& output : link->outputs)
                next = next ? std::min(*next, output.due) : output.due;
        if (link->streaming)
            next = next ? std::min(*next, link->nextTick) : link->nextTick;
        if (link->download && link->outputs.empty() && link->unsent.empty())
            return 0;
    }
    if (!next)
        return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, 60000));
}

void SimulatedLogger::Serve()
{
    // Kept across turns, so a turn makes no allocation of its own.
    std::vector<Frame> messages;
    std::vector<pollfd> entries;
    std::optional<std::size_t> linkCountShown;
    while (!stopping_.load()) {
        messages.clear();
        bool drop = false;
        {
            std::lock_guard lock(shared_->mutex);
            messages.swap(shared_->pendingMessages);
            drop = std::exchange(shared_->dropRequested, false);
        }
        EndRestartWhenDue();
        for (const auto& link : links_) {
            if (drop)
                CloseLink(*link);
            for (const Frame& message : messages)
                Queue(*link, message);
            FlushOutputs(*link);
            TickRealTime(*link);
            PumpDownload(*link);
            FlushOutputs(*link);
        }
        BeginRestartWhenDue();
        std::erase_if(links_, [](const auto& link) { return link->closed; });
        // A dropped serial link comes back as a new pseudo-terminal (after
        // a reset or a reflash, once the logger has restarted).
        if (options_.pty && !restartAt_
            && std::none_of(links_.begin(), links_.end(), [](const auto& link) { return link->pty; }))
            OpenPty();
        if (linkCountShown != links_.size()) {
            std::lock_guard lock(shared_->mutex);
            shared_->linkCount = links_.size();
            linkCountShown = links_.size();
        }

        entries.clear();
        entries.push_back({shared_->wake.Fd(), POLLIN, 0});
        if (shared_->listener.Valid())
            entries.push_back({shared_->listener.Get(), POLLIN, 0});
        const std::size_t firstLink = entries.size();
        for (const auto& link : links_) {
            const auto events = static_cast<short>(link->unsent.empty() ? POLLIN : POLLIN | POLLOUT);
            entries.push_back({link->fd.Get(), events, 0});
        }
        const int ready = ::poll(entries.data(), entries.size(), NextTimeoutMs());
        if (ready < 0)
            continue;
        if ((entries[0].revents & POLLIN) != 0)
            shared_->wake.Drain();
        if (shared_->listener.Valid() && (entries[1].revents & POLLIN) != 0)
            AcceptLink();
        for (std::size_t i = firstLink; i < entries.size() && i - firstLink < links_.size(); ++i)
            if ((entries[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0)
                ReadLink(*links_[i - firstLink]);
    }
}

}  // namespace corvane
