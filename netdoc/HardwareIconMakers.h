#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace corvane {

class CCorvaneIcon;

// The makers of the icons the net view places after a hardware query, by
// placing id (400 the Program icon, 401 and up the logger's and the bus
// modules' channels). The icon libraries register them; the view decides
// rows, order and the duplicate rule's timing.
class HardwareIconMakers {
public:
    struct Entry {
        // The icon at the rectangle for a module address (-3 to -1: the
        // logger itself) and channel, or null.
        std::function<std::unique_ptr<CCorvaneIcon>(const Rect& position, int module, int channel)> make;
        // True when an icon already in the net stands for the same thing
        // (the same class, and where it matters the same module and channel).
        std::function<bool(const CCorvaneIcon& existing, int module, int channel)> isSame;
    };

    void Register(std::uint32_t id, Entry entry) { entries_[id] = std::move(entry); }
    const Entry* Find(std::uint32_t id) const
    {
        const auto found = entries_.find(id);
        return found != entries_.end() ? &found->second : nullptr;
    }

private:
    std::map<std::uint32_t, Entry> entries_;
};

}  // namespace corvane
