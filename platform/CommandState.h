#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// What an update handler says about one command, for the menu item, the
// toolbar button or the status pane that carries its id: whether it is
// enabled, whether it shows a check mark and, when set, its new text.
// A command that no target answers is shown disabled.
class CommandState {
public:
    explicit CommandState(int id) : id_(id) {}

    int Id() const { return id_; }

    void Enable(bool enable = true) { enabled_ = enable; }
    void SetCheck(bool check = true) { checked_ = check; }
    void SetText(std::string_view text) { text_ = std::string(text); }

    bool IsEnabled() const { return enabled_; }
    bool IsChecked() const { return checked_; }
    const std::optional<std::string>& Text() const { return text_; }

    // Whether some target answered the update (set by the routing).
    bool Answered() const { return answered_; }
    void SetAnswered(bool answered) { answered_ = answered; }

private:
    int id_;
    bool enabled_ = true;
    bool checked_ = false;
    std::optional<std::string> text_;
    bool answered_ = false;
};

}  // namespace corvane
