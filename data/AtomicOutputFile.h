#pragma once

#include "base/FileError.h"
#include "data/OutputSink.h"

#include <filesystem>
#include <string>

namespace corvane {

// A file written bit by bit that replaces its target only when
// committed: the bytes go to a temporary file in the target's folder, which
// Commit flushes and renames over the target. Without a commit (a failed or
// abandoned conversion) the temporary file is removed and the target is
// left as it was. Memory stays at one buffer whatever is written.
class AtomicOutputFile : public OutputSink {
public:
    AtomicOutputFile() = default;
    ~AtomicOutputFile() override;
    AtomicOutputFile(const AtomicOutputFile&) = delete;
    AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

    FileError Open(const std::filesystem::path& target);
    bool Write(std::string_view bytes) override;
    FileError Commit();
    // The first write failure, if any.
    const FileError& WriteError() const { return writeError_; }

private:
    bool FlushBuffer();
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::string buffer_;
    FileError writeError_;
};

}  // namespace corvane
