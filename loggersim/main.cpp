// corvane-loggersim: a simulated logger for Corvane, on a TCP port and/or a
// pseudo-terminal, with its state kept in a folder. See loggersim/README.md.
#include "base/TextNumbers.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/CardImageWriter.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SessionAdditions.h"
#include "loggersim/SimFault.h"
#include "loggersim/SimulatedLogger.h"
#include "loggersim/UsbDeviceTree.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using corvane::SimFault;
using corvane::SimulatedLogger;
using corvane::SimulatorOptions;

constexpr const char* kUsage
    = "usage: corvane-loggersim [--listen HOST:PORT | --no-listen] [--pty] [--state DIR]\n"
      "                         [--realtime-interval MS] [--restart-ms MS] [--passwords on|off]\n"
      "                         [--fault FAULT]... [--diag-log BYTES[,SEED]]\n"
      "                         [--reflash-restart-ms MS]\n"
      "       corvane-loggersim [--state DIR] [--add-session SCANS[,interval=TICKS][,subsecond][,running]]...\n"
      "                         [--write-card DIR]\n"
      "\n"
      "  --listen HOST:PORT      take network links there (default 127.0.0.1:4660; port 0: any)\n"
      "  --no-listen             take no network links\n"
      "  --pty                   offer a serial link on a pseudo-terminal; prints its path\n"
      "  --usb-tree DIR          with --pty: show the link as a USB logger under DIR/sys and\n"
      "                          DIR/dev, for the program's USB discovery\n"
      "  --state DIR             the logger's state folder\n"
      "                          (default $XDG_STATE_HOME/corvane/loggersim)\n"
      "  --realtime-interval MS  time between real-time messages while streaming (1000)\n"
      "  --restart-ms MS         time a reset logger takes to come back (3000)\n"
      "  --passwords on|off      switch the logger's passwords on or off (kept in the state)\n"
      "  --diag-log BYTES[,SEED] make the diagnostic log afresh: BYTES bytes of generated\n"
      "                          records (seed 1 unless given); kept in the state folder\n"
      "  --reflash-restart-ms MS how long the logger takes no link after taking new firmware\n"
      "                          (5000)\n"
      "  --fault FAULT            no-reply:TYPE, drop:TYPE, delay:TYPE:MS or error:TYPE:CODE:TEXT;\n"
      "                          TYPE a request type or *, with /N to apply N times only\n"
      "  --add-session SCANS,... add a logged session to the state folder and end; the\n"
      "                          sessions added end at the logger's clock, a minute apart\n"
      "                          (interval in 5 ms ticks, default 200; subsecond: stamps carry\n"
      "                          ticks; running: still logging)\n"
      "  --write-card DIR        write the state folder's logged sessions as a memory-card\n"
      "                          image into DIR (Log/<session>/...) and end\n"
      "\n"
      "Commands on standard input, one per line: fault FAULT, clear-faults,\n"
      "message KIND CODE TEXT, drop, quit.\n";

std::mutex outputMutex;

void Say(const std::string& line)
{
    std::lock_guard lock(outputMutex);
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void Complain(const std::string& line)
{
    std::lock_guard lock(outputMutex);
    std::fputs(("corvane-loggersim: " + line + "\n").c_str(), stderr);
}

std::filesystem::path DefaultStateFolder()
{
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state != '\0')
        return std::filesystem::path(state) / "corvane" / "loggersim";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::filesystem::path(home) / ".local" / "state" / "corvane" / "loggersim";
    return "loggersim-state";
}

template <class T> bool ParseNumber(std::string_view text, T& value)
{
    const std::optional<T> parsed = corvane::ParseWholeInteger<T>(text);
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}

// One command line from standard input; false for "quit".
bool RunCommand(SimulatedLogger& logger, std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    const std::size_t space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    if (word.empty())
        return true;
    if (word == "quit")
        return false;
    if (word == "drop") {
        logger.DropLinks();
    } else if (word == "clear-faults") {
        logger.ClearFaults();
    } else if (word == "fault") {
        const auto fault = corvane::ParseSimFault(rest);
        if (!fault) {
            Complain("bad fault: " + std::string(rest));
            return true;
        }
        logger.InjectFault(*fault);
    } else if (word == "message") {
        const std::size_t first = rest.find(' ');
        const std::size_t second = first == std::string_view::npos ? first : rest.find(' ', first + 1);
        std::uint16_t kind = 0;
        std::uint16_t code = 0;
        if (first == std::string_view::npos || !ParseNumber(rest.substr(0, first), kind)
            || !ParseNumber(rest.substr(first + 1, second - first - 1), code)) {
            Complain("bad message: " + std::string(rest));
            return true;
        }
        logger.SendMessage(kind, code, second == std::string_view::npos ? std::string_view() : rest.substr(second + 1));
    } else {
        Complain("unknown command: " + std::string(word));
        return true;
    }
    Say("ok " + std::string(word));
    return true;
}

// Adds the sessions to the state folder, or writes its sessions as a card
// image; 0 on success.
int RunSessionCommands(const std::filesystem::path& stateFolder, const std::vector<std::string_view>& additions,
    const std::optional<std::filesystem::path>& cardFolder)
{
    const corvane::LoadedLoggerState unit = corvane::LoadLoggerState(stateFolder);
    if (!unit.notice.empty())
        Complain(unit.notice);
    corvane::LoadedLoggedSessions loaded = corvane::LoadLoggedSessions(stateFolder);
    if (!loaded.error.empty()) {
        Complain(loaded.error);
        return 1;
    }
    // The logger's clock: the sessions added have just been logged, and a
    // running session is taken as far as the clock has gone.
    const std::int64_t loggerSeconds = static_cast<std::int64_t>(std::time(nullptr)) + unit.state.clockOffsetSeconds;
    std::vector<corvane::LoggedSessionPlan> plans;
    for (std::string_view addition : additions) {
        std::optional<corvane::LoggedSessionPlan> plan = corvane::ParseSessionAddition(addition);
        if (!plan) {
            Complain("bad session: " + std::string(addition));
            return 2;
        }
        plans.push_back(std::move(*plan));
    }
    if (!additions.empty()) {
        if (const std::string refusal = corvane::AddSessionsEndingAt(loaded.sessions, plans, loggerSeconds);
            !refusal.empty()) {
            Complain(refusal);
            return 2;
        }
        std::error_code ignored;
        std::filesystem::create_directories(stateFolder, ignored);
        if (const corvane::FileError error = corvane::SaveLoggedSessions(stateFolder, loaded.sessions)) {
            Complain(error.message);
            return 1;
        }
        Say("sessions " + std::to_string(loaded.sessions.size()));
    }
    if (!cardFolder)
        return 0;
    const corvane::CardImageWriter writer(*cardFolder);
    for (const corvane::LoggedSessionPlan& plan : loaded.sessions) {
        corvane::LoggedSessionGenerator session(unit.state, corvane::SessionAsOf(plan, loggerSeconds));
        if (const std::string error = writer.WriteSession(session); !error.empty()) {
            Complain(error);
            return 1;
        }
    }
    Say("card " + cardFolder->string());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    SimulatorOptions options;
    options.listenPort = 4660;
    options.stateFolder = DefaultStateFolder();
    std::vector<SimFault> faults;
    std::vector<std::string_view> sessionAdditions;
    std::optional<std::filesystem::path> cardFolder;
    std::optional<std::filesystem::path> usbTree;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (argument == "--pty") {
            options.pty = true;
        } else if (argument == "--usb-tree" && hasValue) {
            usbTree = std::string(arguments[++i]);
        } else if (argument == "--no-listen") {
            options.listen = false;
        } else if (argument == "--listen" && hasValue) {
            const std::string_view value = arguments[++i];
            const std::size_t colon = value.rfind(':');
            if (colon == std::string_view::npos || !ParseNumber(value.substr(colon + 1), options.listenPort)) {
                Complain("--listen needs HOST:PORT");
                return 2;
            }
            options.listen = true;
            options.listenHost = std::string(value.substr(0, colon));
        } else if (argument == "--state" && hasValue) {
            options.stateFolder = std::string(arguments[++i]);
        } else if (argument == "--realtime-interval" && hasValue) {
            if (!ParseNumber(arguments[++i], options.realTimeIntervalMs)) {
                Complain("--realtime-interval needs milliseconds");
                return 2;
            }
        } else if (argument == "--reflash-restart-ms" && hasValue) {
            if (!ParseNumber(arguments[++i], options.reflashRestartMs)) {
                Complain("--reflash-restart-ms needs milliseconds");
                return 2;
            }
        } else if (argument == "--restart-ms" && hasValue) {
            if (!ParseNumber(arguments[++i], options.restartMs)) {
                Complain("--restart-ms needs milliseconds");
                return 2;
            }
        } else if (argument == "--passwords" && hasValue) {
            const std::string_view value = arguments[++i];
            if (value != "on" && value != "off") {
                Complain("--passwords needs on or off");
                return 2;
            }
            options.passwordsOn = value == "on";
        } else if (argument == "--diag-log" && hasValue) {
            const std::string_view value = arguments[++i];
            const std::size_t comma = value.find(',');
            std::size_t bytes = 0;
            std::uint32_t seed = 1;
            if (!ParseNumber(value.substr(0, comma), bytes)
                || (comma != std::string_view::npos && !ParseNumber(value.substr(comma + 1), seed))) {
                Complain("--diag-log needs BYTES[,SEED]");
                return 2;
            }
            options.diagnosticLogBytes = bytes;
            options.diagnosticLogSeed = seed;
        } else if (argument == "--add-session" && hasValue) {
            sessionAdditions.push_back(arguments[++i]);
        } else if (argument == "--write-card" && hasValue) {
            cardFolder = std::string(arguments[++i]);
        } else if (argument == "--fault" && hasValue) {
            const auto fault = corvane::ParseSimFault(arguments[++i]);
            if (!fault) {
                Complain("bad fault: " + std::string(arguments[i]));
                return 2;
            }
            faults.push_back(*fault);
        } else {
            Complain("unknown argument: " + std::string(argument));
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (!sessionAdditions.empty() || cardFolder)
        return RunSessionCommands(options.stateFolder, sessionAdditions, cardFolder);
    if (!options.listen && !options.pty) {
        Complain("nothing to serve: give --listen or --pty");
        return 2;
    }

    // SIGINT and SIGTERM end the program through a descriptor; every
    // thread started from here on inherits the blocked mask.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    signal(SIGPIPE, SIG_IGN);
    const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);

    if (usbTree && !options.pty) {
        Complain("--usb-tree needs --pty");
        return 2;
    }
    options.onPtyPath = [&usbTree](const std::string& path) {
        Say("pty " + path);
        if (!usbTree)
            return;
        const corvane::UsbDeviceTree tree{*usbTree, "LOGGERSIM"};
        if (const std::string error = tree.Write(path); !error.empty())
            Complain(error);
        else
            Say("usb-tree " + usbTree->string());
    };
    SimulatedLogger logger(options);
    for (SimFault& fault : faults)
        logger.InjectFault(std::move(fault));
    if (!logger.Start()) {
        Complain(logger.StartError());
        return 1;
    }
    if (!logger.StateNotice().empty())
        Complain(logger.StateNotice());
    if (!logger.SaveError().empty())
        Complain(logger.SaveError());
    if (options.listen)
        Say("listening " + options.listenHost + ":" + std::to_string(logger.Port()));
    Say("state " + options.stateFolder.string());

    std::string pending;
    bool readInput = true;
    for (;;) {
        pollfd entries[2] = {{signalFd, POLLIN, 0}, {readInput ? STDIN_FILENO : -1, POLLIN, 0}};
        if (::poll(entries, 2, -1) < 0)
            continue;
        if ((entries[0].revents & POLLIN) != 0)
            break;
        if ((entries[1].revents & (POLLIN | POLLHUP)) == 0)
            continue;
        char chunk[512];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) {
            readInput = false;  // no more commands; serve until a signal
            continue;
        }
        pending.append(chunk, static_cast<std::size_t>(count));
        bool quit = false;
        for (std::size_t end = pending.find('\n'); end != std::string::npos && !quit; end = pending.find('\n')) {
            quit = !RunCommand(logger, std::string_view(pending).substr(0, end));
            pending.erase(0, end + 1);
        }
        if (quit)
            break;
    }
    logger.Stop();
    if (signalFd >= 0)
        ::close(signalFd);
    return 0;
}
