#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace corvane {

// The program's diagnostics file: one line per event, each stamped with the
// local time "YYYY-MM-DD HH:MM:SS  " and ended with CR LF.
class DiagnosticsLog {
public:
    using TimeSource = std::function<std::time_t()>;

    DiagnosticsLog();
    explicit DiagnosticsLog(TimeSource timeSource);
    ~DiagnosticsLog();
    DiagnosticsLog(const DiagnosticsLog&) = delete;
    DiagnosticsLog& operator=(const DiagnosticsLog&) = delete;

    // Creates (truncating) the file; false when it cannot be created. Lines
    // written while no file is open are dropped.
    bool Open(const std::filesystem::path& path);
    bool IsOpen() const;
    void Close();
    void WriteLine(std::string_view text);
    void Flush();

    // The stamp of one moment in local time, formatted without shared state.
    static std::string Stamp(std::time_t moment);

private:
    struct FileCloser {
        void operator()(std::FILE* file) const;
    };
    TimeSource timeSource_;
    mutable std::mutex mutex_;
    std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace corvane
