#pragma once

#include <string_view>

namespace corvane {

enum class NoticeStyle { Information, Warning, Error };

// Where helpers below the user interface send a text for the user. The
// application connects it to a message box; tests record what arrives.
// An empty caption means the program's default caption.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) = 0;
};

}  // namespace corvane
