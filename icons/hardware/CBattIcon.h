#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

// The logger's two supply voltages as numeric outputs: output 0 the
// internal supply ("Int Vdc"), output 1 the external supply ("Ext Vdc").
// No fixed part: the record is the header and the two output entries.
// Placed from the logger's hardware; the user cannot delete it.
class CBattIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 17;
    static constexpr std::uint16_t kRecordLength = 72;

    CBattIcon();
    explicit CBattIcon(const Rect& position);

    std::string_view ClassName() const override { return "CBattIcon"; }

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
};

}  // namespace corvane
