#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

class CCorvaneIcon;
class CCorvaneObj;
class CCorvaneView;
class CNetDoc;

// The net editor's cut, copy and paste. It keeps copies of icon records in
// their saved form (each as long as its length word), never live icons and
// never the system clipboard, so what is copied is pasted into whichever
// net is open at the time. A paste makes the icons anew through the net's
// factory, gives them new ids, keeps the links between the pasted icons,
// drops every link to an icon outside them, adds them to the net and
// selects them. A paste leaves the contents, so they paste any number of
// times.
class CNetClipboard {
public:
    static constexpr int kCopyOffset = 20;  // a pasted icon lies this far right of and below its original

    // Empties the clipboard.
    void Clear();
    // Appends the icon's saved record, moved by kCopyOffset. Refuses (false)
    // an object that is not an icon, or a record that cannot be written.
    bool CopyIcon(CCorvaneObj& object);
    // Pastes every stored record into the net shown by the view. A record
    // the net may not take (the palette's one-per-net and capability rules,
    // with the palette's message) or that makes no icon is skipped; a
    // damaged record length ends the paste with what was pasted before it.
    void Paste(CCorvaneView& view, CNetDoc& doc);

    // Replaces the contents with stored records as Records() gives them and
    // their count; Paste checks every length before it reads a record.
    void Assign(std::vector<std::uint8_t> records, int recordCount);

    bool IsEmpty() const { return records_.empty(); }
    int RecordCount() const { return recordCount_; }
    std::span<const std::uint8_t> Records() const { return records_; }
    // The icons of the most recent paste, in record order (owned by the net).
    const std::vector<CCorvaneIcon*>& PastedIcons() const { return pasted_; }

private:
    // Gives the pasted icons new ids from the net, rewrites the links
    // between them, clears every other link and compacts their inputs.
    void RemapIconIds(CNetDoc& doc, std::span<CCorvaneIcon* const> icons);

    std::vector<std::uint8_t> records_;
    std::vector<CCorvaneIcon*> pasted_;
    int recordCount_ = 0;
};

}  // namespace corvane
