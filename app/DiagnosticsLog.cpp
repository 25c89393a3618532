#include "app/DiagnosticsLog.h"

#include <utility>

namespace corvane {

void DiagnosticsLog::FileCloser::operator()(std::FILE* file) const
{
    std::fclose(file);
}

DiagnosticsLog::DiagnosticsLog() : DiagnosticsLog([] { return std::time(nullptr); }) {}

DiagnosticsLog::DiagnosticsLog(TimeSource timeSource) : timeSource_(std::move(timeSource)) {}

DiagnosticsLog::~DiagnosticsLog() = default;

bool DiagnosticsLog::Open(const std::filesystem::path& path)
{
    std::lock_guard lock(mutex_);
    file_.reset(std::fopen(path.c_str(), "wb"));
    return file_ != nullptr;
}

bool DiagnosticsLog::IsOpen() const
{
    std::lock_guard lock(mutex_);
    return file_ != nullptr;
}

void DiagnosticsLog::Close()
{
    std::lock_guard lock(mutex_);
    file_.reset();
}

std::string DiagnosticsLog::Stamp(std::time_t moment)
{
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr) {
        return "0000-00-00 00:00:00  ";
    }
    char buffer[64] = {};
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S  ", &local);
    return std::string(buffer, length);
}

void DiagnosticsLog::WriteLine(std::string_view text)
{
    std::string line = Stamp(timeSource_());
    // One entry is one line: embedded line breaks would split it.
    for (const char c : text) {
        line.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    line += "\r\n";
    std::lock_guard lock(mutex_);
    if (file_) {
        // Each line goes out at once, so a program that ends abruptly
        // still leaves its last lines behind.
        std::fwrite(line.data(), 1, line.size(), file_.get());
        std::fflush(file_.get());
    }
}

void DiagnosticsLog::Flush()
{
    std::lock_guard lock(mutex_);
    if (file_) {
        std::fflush(file_.get());
    }
}

}  // namespace corvane
