#pragma once

#include "icons/reporting/CBigDataIcon.h"

namespace corvane {

// Chooses the data tags the logger writes to its log memory. A trigger input, no
// data inputs or outputs; nothing need be connected.
class CBigRamIcon : public CBigDataIcon {
public:
    static constexpr std::uint16_t kTypeCode = 81;
    static constexpr int kAssignmentBit = 1;

    CBigRamIcon();
    explicit CBigRamIcon(const Rect& position);

    std::string_view ClassName() const override { return "CBigRamIcon"; }

    int AssignmentBit() const override { return kAssignmentBit; }
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    int CheckIconConnections(bool& isolated) const override;

private:
    void Init();
};

}  // namespace corvane
