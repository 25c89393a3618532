#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// One input and eight outputs, all of one connection type that the user
// chooses: data (red) or logic (green). It keeps its own name and labels:
// linking a source renames nothing.
//
// Fixed part (record offsets):
//   72 u16 data type: 1 data, 2 logic
// then the input link at 74 and eight output entries. The flags byte of
// the input link and byte 11 of each output entry say the type too: 2 for
// data, 0 for logic.
class CDataBufferIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 275;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kData = 1;
    static constexpr std::uint16_t kLogic = 2;
    static constexpr int kOutputs = 8;

    CDataBufferIcon();
    explicit CDataBufferIcon(const Rect& position);

    std::string_view ClassName() const override { return "CDataBufferIcon"; }

    std::uint16_t DataType() const { return dataType_; }
    // Remakes the input and the outputs with the type and writes it into
    // the record's link and entry flags. Links are not touched.
    void SetDataType(std::uint16_t type);
    // Removes every link of the input and of the outputs.
    void DisconnectAll();

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    bool AdoptSourceLabels(const CCorvaneIcon& source, int outputIndex) override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
    int ConnectorType() const { return dataType_ == kLogic ? data_type::kLogic : data_type::kData; }

    std::uint16_t dataType_ = kData;
};

}  // namespace corvane
