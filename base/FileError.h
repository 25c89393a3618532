#pragma once

#include <string>

namespace corvane {

// Why reading or writing a whole file failed.
enum class FileErrorKind {
    None,
    NotFound,  // the file does not exist
    TooLarge,  // the file holds more bytes than the caller accepts
    Failed,    // any other failure of the system (see systemError)
};

// The failure of a whole-file read or write: its kind, the errno of the
// failed call (0 when no call failed) and a message for the user that names
// the step, the path and the system's text.
struct [[nodiscard]] FileError {
    FileErrorKind kind = FileErrorKind::None;
    int systemError = 0;
    std::string message;

    explicit operator bool() const { return kind != FileErrorKind::None; }
};

}  // namespace corvane
