#pragma once

#include "icons/reporting/DataTagLists.h"
#include "icons/reporting/TransferSettings.h"
#include "netdoc/NetIconRoles.h"
#include "netmodel/CCorvaneIcon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CNetDoc;

// Sends data-tag data files to the logger's file-transfer server when its
// trigger input fires: the data, format, content and base filename of its
// settings, the server directory and transfer mode, and the data tags
// chosen on the tag picker page. It draws 32 x 64, has no data inputs and
// is numbered with the large icons.
//
// Fixed part (record offsets), then the output entry at 78 and the tail:
//   72 u16 option word (see TransferSettings); 0x2000 (passive) when placed
//   74 u16 t, the number of tag ids in the tail (at most 256)
//   76 u16 15 once the icon's settings were confirmed, 0 when placed
// Tail: t tag ids (u32 each); the base filename, NUL-terminated, at most
// 45 bytes; the server directory, NUL-terminated, at most 45 bytes, and one
// 0 byte when the directory and its NUL are of odd length. An empty
// directory is stored as "/".
class CFTPIcon : public CCorvaneIcon, public TagListRole {
public:
    static constexpr std::uint16_t kTypeCode = 68;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr std::uint16_t kPlacedOptions = 0x2000;
    static constexpr std::uint16_t kConfirmedMarker = 15;
    static constexpr int kAssignmentBit = 0x0008;
    static constexpr std::size_t kTextLimit = 45;
    static constexpr std::string_view kRootDirectory = "/";

    // For the loader.
    CFTPIcon();
    // Placing from the palette.
    explicit CFTPIcon(const Rect& position);

    std::string_view ClassName() const override { return "CFTPIcon"; }

    std::uint16_t OptionWord() const { return options_; }
    void SetOptionWord(std::uint16_t options) { options_ = options; }
    // The word at offset 76.
    std::uint16_t ConfirmedMarker() const { return marker_; }
    void SetConfirmedMarker(std::uint16_t marker) { marker_ = marker; }
    TransferSettings& Settings() { return settings_; }
    const TransferSettings& Settings() const { return settings_; }
    DataTagLists& Lists() { return lists_; }
    const DataTagLists& Lists() const { return lists_; }
    const std::vector<std::uint32_t>& TagIds() const { return lists_.StoredIds(); }
    // Text block 0 the base filename, 1 the server directory (Windows-1252).
    const std::string& SelectTextBlock(int block) const;
    // Stores a UTF-8 text into a block, cut at 45 bytes; an empty
    // directory becomes "/".
    void SetTextBlock(int block, std::string_view utf8);
    // The net document holding the icon, or null while it is in none.
    CNetDoc* NetDocument() const;

    // TagListRole: the net check's turn for the icon's bit.
    void UpdateTagLists(int bit) override;
    void OnDataTagRemoved(const CCorvaneIcon& tag) override;

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    // The "File Transfer Protocol (FTP)" dialog.
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void BuildConnectors() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t options_ = kPlacedOptions;
    std::uint16_t tagCount_ = 0;
    std::uint16_t marker_ = 0;
    TransferSettings settings_;
    std::string directory_;
    DataTagLists lists_;
};

}  // namespace corvane
