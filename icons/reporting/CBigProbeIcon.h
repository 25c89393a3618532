#pragma once

#include "icons/reporting/CBigDataIcon.h"

namespace corvane {

// Chooses the data tags the logger offers as probe points. A trigger input, no
// data inputs or outputs; nothing need be connected.
class CBigProbeIcon : public CBigDataIcon {
public:
    static constexpr std::uint16_t kTypeCode = 82;
    static constexpr int kAssignmentBit = 2;

    CBigProbeIcon();
    explicit CBigProbeIcon(const Rect& position);

    std::string_view ClassName() const override { return "CBigProbeIcon"; }

    int AssignmentBit() const override { return kAssignmentBit; }
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    int CheckIconConnections(bool& isolated) const override;

private:
    void Init();
};

}  // namespace corvane
