#pragma once

#include "netmodel/CCorvaneIcon.h"

#include <cstdint>
#include <vector>

namespace corvane {

// An icon of a known type whose class this program does not have yet. It
// keeps its stored record as it is and writes it back byte for byte (with
// its id, type word, position, name and special-input links as they are
// now), is drawn as a plain box, and never passes the net checks.
class COpaqueIcon final : public CCorvaneIcon {
public:
    explicit COpaqueIcon(std::uint16_t typeCode);

    std::string_view ClassName() const override { return "COpaqueIcon"; }
    std::uint16_t StoredTypeCode() const { return typeCode_; }
    const std::vector<std::uint8_t>& StoredRecord() const { return record_; }

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    std::variant<std::vector<std::uint8_t>, RecordError> StoreRecord(TransferMode mode) override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    void Draw(DeviceContext& dc, BitmapCatalog& pictures) override;
    // No dialog knows its fields.
    bool HasProperties() const override { return false; }

private:
    std::uint16_t typeCode_;
    std::vector<std::uint8_t> record_;
};

}  // namespace corvane
