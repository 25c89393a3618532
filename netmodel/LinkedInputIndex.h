#pragma once

#include "netmodel/CCorvaneIcon.h"

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace corvane {

class CCorvaneDoc;

// The inputs of a document's icons keyed by the output that feeds them,
// gathered in one pass over the icons. While it lives, FindLinkedInputs of
// the document's icons answers from it instead of walking every icon, so a
// pass that asks each icon what its outputs feed (the connection check)
// takes time linear in the number of icons. Nothing may link, unlink, add
// or remove icons of the document while it lives.
class LinkedInputIndex {
public:
    explicit LinkedInputIndex(CCorvaneDoc& doc);
    // The document's icons walk the net again (or answer from the index
    // that was in force before this one).
    ~LinkedInputIndex();
    LinkedInputIndex(const LinkedInputIndex&) = delete;
    LinkedInputIndex& operator=(const LinkedInputIndex&) = delete;

    // The inputs that output outputIndex of the icons with sourceId feeds,
    // in the order FindLinkedInputs walks them: icons in list order, and of
    // each its enable, its trigger, then its inputs in turn.
    std::span<const LinkedInput> Find(std::uint16_t sourceId, int outputIndex) const;

private:
    CCorvaneDoc& doc_;
    const LinkedInputIndex* previous_ = nullptr;
    // Keyed by the source id in the upper bits and the output below.
    std::unordered_map<std::uint32_t, std::vector<LinkedInput>> inputs_;
};

}  // namespace corvane
