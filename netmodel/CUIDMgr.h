#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace corvane {

// Hands out the 16-bit ids of the icons of one open net. Ids are never
// reused while the net is open; the counter holds the highest id handed out
// or found in the loaded net. Id 0 means "no id", so it is never handed out:
// when the counter is exhausted GetNextId returns nothing and the net must
// be renumbered (RenumberIds) and the manager reset from the new ids.
class CUIDMgr {
public:
    std::optional<std::uint16_t> GetNextId();
    // Ids are not reused while the net is open.
    void FreeId(std::uint16_t /*id*/) {}
    // The counter becomes the highest of ids (0 for none).
    void ResetFromIds(std::span<const std::uint16_t> ids);
    std::uint16_t Highest() const { return counter_; }

private:
    std::uint16_t counter_ = 0;
};

}  // namespace corvane
