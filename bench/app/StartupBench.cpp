// Start-up of the corvane program against a bare toolkit program that shows
// a main window, in the same run: the time from starting each process to
// its first line (the corvane program's first diagnostics line, written
// once its main window is shown; the peer's line, written at the same
// point), the two started alternately. Each runs offscreen with home,
// settings, data, cache, runtime and temporary folders of its own under
// the build folder, after one untimed start that leaves them as a user's
// second start finds them. The counters give the medians of the run and
// their ratio (corvane / bare window).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kStartBound{60};

// The folders one program runs with.
struct RunFolders {
    fs::path root;
    fs::path Home() const { return root / "home"; }
    fs::path Config() const { return root / "config"; }
    fs::path Data() const { return root / "data"; }
    fs::path Cache() const { return root / "cache"; }
    fs::path Runtime() const { return root / "runtime"; }
    fs::path Temp() const { return root / "tmp"; }
};

RunFolders MakeRunFolders(const std::string& name)
{
    RunFolders folders{fs::path(CORVANE_STARTUP_RUN_DIR) / name};
    for (const fs::path& folder :
        {folders.Home(), folders.Config(), folders.Data(), folders.Cache(), folders.Runtime(), folders.Temp()}) {
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
    }
    return folders;
}

// The parent's environment with the folders, the display and the program's
// own variables replaced.
std::vector<std::string> RunEnvironment(const RunFolders& folders)
{
    constexpr std::string_view kReplaced[] = {"HOME=", "XDG_CONFIG_HOME=", "XDG_DATA_HOME=", "XDG_CACHE_HOME=",
        "XDG_STATE_HOME=", "XDG_RUNTIME_DIR=", "TMPDIR=", "QT_QPA_PLATFORM=", "CORVANE_HOME=", "CORVANE_USB_ROOT=",
        "CORVANE_MEDIA_ROOT="};
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (std::none_of(std::begin(kReplaced), std::end(kReplaced),
                [&](std::string_view name) { return text.starts_with(name); }))
            environment.emplace_back(text);
    }
    environment.push_back("HOME=" + folders.Home().string());
    environment.push_back("XDG_CONFIG_HOME=" + folders.Config().string());
    environment.push_back("XDG_DATA_HOME=" + folders.Data().string());
    environment.push_back("XDG_CACHE_HOME=" + folders.Cache().string());
    environment.push_back("XDG_STATE_HOME=" + (folders.root / "state").string());
    environment.push_back("XDG_RUNTIME_DIR=" + folders.Runtime().string());
    environment.push_back("TMPDIR=" + folders.Temp().string());
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    return environment;
}

bool HoldsLine(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.find('\n') != std::string::npos;
}

// One start: the seconds from starting the process to the first line in
// lineFile, or an error text. The process is ended afterwards.
struct StartResult {
    double seconds = 0;
    std::string error;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

StartResult TimeFirstLine(
    const std::vector<std::string>& arguments, const std::vector<std::string>& environment, const fs::path& lineFile)
{
    std::error_code ignored;
    fs::remove(lineFile, ignored);
    fs::create_directories(lineFile.parent_path());
    const Descriptor watch(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK));
    if (watch.Get() < 0
        || ::inotify_add_watch(watch.Get(), lineFile.parent_path().c_str(), IN_MODIFY | IN_CLOSE_WRITE) < 0)
        return {0, std::string("inotify: ") + std::strerror(errno)};

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    // The toolkit's notes about the offscreen display go nowhere.
    posix_spawn_file_actions_t quiet;
    ::posix_spawn_file_actions_init(&quiet);
    ::posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return {0, "cannot start " + arguments[0] + ": " + std::strerror(spawned)};

    StartResult result;
    bool seen = false;
    while (!seen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(start + kStartBound - Clock::now());
        if (left.count() <= 0) {
            result.error = arguments[0] + " wrote no line within " + std::to_string(kStartBound.count()) + " s";
            break;
        }
        pollfd ready{watch.Get(), POLLIN, 0};
        // A short poll so that a process that ends early is noticed.
        const int polled = ::poll(&ready, 1, static_cast<int>(std::min<long>(left.count(), 200)));
        if (polled > 0) {
            alignas(inotify_event) char events[4096];
            while (::read(watch.Get(), events, sizeof events) > 0) {
            }
            if (HoldsLine(lineFile)) {
                result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
                seen = true;
            }
        } else if (int status = 0; ::waitpid(child, &status, WNOHANG) == child) {
            result.error = arguments[0] + " ended before writing its line";
            return result;
        }
    }
    ::kill(child, SIGTERM);
    int status = 0;
    (void)::waitpid(child, &status, 0);
    return result;
}

struct Program {
    std::string name;
    std::vector<std::string> arguments;
    fs::path lineFile;
    std::vector<std::string> environment;
};

Program Corvane()
{
    const RunFolders folders = MakeRunFolders("corvane");
    // The program's data folder under XDG_DATA_HOME, where its diagnostics log goes.
    return {"corvane", {CORVANE_PROGRAM_PATH}, folders.Data() / "Tarnwick" / "Corvane" / "diagnostics.txt",
        RunEnvironment(folders)};
}

Program BareWindow()
{
    const RunFolders folders = MakeRunFolders("bare-window");
    const fs::path lineFile = folders.Data() / "first-line.txt";
    return {"bare window", {CORVANE_BARE_WINDOW_PATH, lineFile.string()}, lineFile, RunEnvironment(folders)};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_StartUpAgainstBareWindow(benchmark::State& state)
{
    const Program corvane = Corvane();
    const Program bare = BareWindow();
    for (const Program* program : {&corvane, &bare}) {
        const StartResult warm = TimeFirstLine(program->arguments, program->environment, program->lineFile);
        if (!warm.error.empty()) {
            state.SkipWithError(warm.error.c_str());
            return;
        }
    }
    std::vector<double> corvaneTimes;
    std::vector<double> bareTimes;
    bool corvaneFirst = true;
    for (auto _ : state) {
        StartResult ours;
        StartResult peer;
        if (corvaneFirst) {
            ours = TimeFirstLine(corvane.arguments, corvane.environment, corvane.lineFile);
            peer = TimeFirstLine(bare.arguments, bare.environment, bare.lineFile);
        } else {
            peer = TimeFirstLine(bare.arguments, bare.environment, bare.lineFile);
            ours = TimeFirstLine(corvane.arguments, corvane.environment, corvane.lineFile);
        }
        corvaneFirst = !corvaneFirst;
        for (const StartResult* result : {&ours, &peer})
            if (!result->error.empty()) {
                state.SkipWithError(result->error.c_str());
                return;
            }
        corvaneTimes.push_back(ours.seconds);
        bareTimes.push_back(peer.seconds);
        state.SetIterationTime(ours.seconds);
    }
    const double corvaneMedian = Median(corvaneTimes);
    const double bareMedian = Median(bareTimes);
    state.counters["corvane_ms"] = corvaneMedian * 1000.0;
    state.counters["bare_window_ms"] = bareMedian * 1000.0;
    state.counters["ratio"] = corvaneMedian / bareMedian;
    std::fprintf(stderr, "start-up to the first line: corvane %.1f ms, bare window %.1f ms, ratio %.2f (%zu each)\n",
        corvaneMedian * 1000.0, bareMedian * 1000.0, corvaneMedian / bareMedian, corvaneTimes.size());
}
BENCHMARK(BM_StartUpAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
