#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Stops the program net in the logger when its input goes HIGH. The
// record is the common header and the one input link; no fixed part.
class CStopIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 4;
    static constexpr std::uint16_t kRecordLength = 72;

    CStopIcon();
    explicit CStopIcon(const Rect& position);

    std::string_view ClassName() const override { return "CStopIcon"; }
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
};

}  // namespace corvane
