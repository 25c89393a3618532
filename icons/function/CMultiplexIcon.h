#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Passes input A to its output while the select input is low and input B
// while it is high. Inputs: 0 the select input, 1 input A, 2 input B. The
// record is the common header, three input links and one output entry.
class CMultiplexIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 265;
    static constexpr std::uint16_t kRecordLength = 72;
    static constexpr int kSelectInput = 0;
    static constexpr int kInputA = 1;
    static constexpr int kInputB = 2;

    CMultiplexIcon();
    explicit CMultiplexIcon(const Rect& position);

    std::string_view ClassName() const override { return "CMultiplexIcon"; }
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
};

}  // namespace corvane
