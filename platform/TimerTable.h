#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

// The per-window timers of the UI thread: which are set, and when each is
// due next. A due timer fires once however late it is taken, then is due
// again one interval after that moment (no bursts to catch up).
class TimerTable {
public:
    struct Fired {
        WindowHandle window;
        std::uint32_t id = 0;
    };

    // Sets or resets the window's timer id; the first tick is one interval from now.
    void Set(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs, std::uint64_t now);
    bool Kill(WindowHandle window, std::uint32_t id);
    void KillAll(WindowHandle window);
    bool Has(WindowHandle window, std::uint32_t id) const;

    std::optional<std::uint64_t> NextDue() const;
    // The timers due at now, earliest first, each rescheduled.
    std::vector<Fired> TakeDue(std::uint64_t now);

private:
    struct Entry {
        WindowHandle window;
        std::uint32_t id = 0;
        std::uint32_t interval = 0;
        std::uint64_t due = 0;
    };
    std::vector<Entry> entries_;
};

}  // namespace corvane
