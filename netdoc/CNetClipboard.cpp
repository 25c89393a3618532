#include "netdoc/CNetClipboard.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/IconRecordHeader.h"
#include "netmodel/PaletteCells.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

namespace {

constexpr std::string_view kNothingToPaste = "Nothing to paste";

// An icon's id in the copied records and the id it was given when pasted.
struct CIconIdPair {
    std::uint16_t newId = 0;
    std::uint16_t oldId = 0;
};

// The new id of a copied icon, or 0 for an id outside the copied icons.
std::uint16_t NewIdOf(std::span<const CIconIdPair> pairs, std::uint16_t oldId)
{
    const auto found
        = std::find_if(pairs.begin(), pairs.end(), [oldId](const CIconIdPair& pair) { return pair.oldId == oldId; });
    return found != pairs.end() ? found->newId : 0;
}

void ShowMessage(const CCorvaneView& view, std::string text)
{
    MessageBoxRequest request;
    request.owner = view.Handle();
    request.text = std::move(text);
    Application::Instance().Prompts().ShowMessageBox(request);
}

// A coordinate word moved by the copy offset, held at the word's end.
std::uint16_t Shifted(std::uint16_t value)
{
    return static_cast<std::uint16_t>(std::min<int>(value + CNetClipboard::kCopyOffset, 0xFFFF));
}

// Icons that grow a free input as they are linked (the logic gates) keep
// their linked inputs first after a paste, and no more free ones than
// linking would have left: one, or as many as the icon needs.
void CompactInputs(CCorvaneIcon& icon)
{
    if (!icon.Compacts() || icon.InputLimit() <= 0)
        return;
    const int first = icon.ExtraInputCount();
    int kept = first;
    for (int slot = first; slot < icon.TotalInputs(); ++slot) {
        const InputLink link = *icon.RecordLink(slot);
        if (!link.IsConnected())
            continue;
        if (slot != kept) {
            *icon.RecordLink(kept) = link;
            ClearInputLink(*icon.RecordLink(slot));
        }
        ++kept;
    }
    const int linked = kept - first;
    const int free = linked < icon.InputLimit() ? 1 : 0;
    const int wanted = std::max(linked + free, icon.MinimumInputs());
    if (wanted < icon.InputCount())
        icon.SetOptionalConnector(ConnectorSide::Input, first + wanted, false, false);
    icon.LinkAllConnectors();
}

// Whether a stored record's icon may join the net: the palette's rules of
// the cell that places its type, where one one-per-net icon pasted just
// before counts as well. Tells the user why not, as the palette does.
bool MayPaste(const CCorvaneView& view, const CNetDoc& doc, std::span<const std::unique_ptr<CCorvaneIcon>> pasted,
    std::uint16_t typeCode)
{
    const int cell = PaletteCellForType(typeCode);
    if (cell < 0)
        return true;
    const EditorEnvironment& environment = view.Environment();
    PaletteVerdict verdict
        = CheckPaletteRule(doc, cell, environment.LoggerCapabilityByte(), environment.PolledConfigWord());
    if (verdict.allowed && !OneOnlyDisplayName(typeCode).empty()
        && std::any_of(
            pasted.begin(), pasted.end(), [typeCode](const auto& icon) { return icon->TypeCode() == typeCode; }))
        verdict = {false, OneOnlyMessage(typeCode)};
    if (!verdict.allowed && !verdict.message.empty())
        ShowMessage(view, verdict.message);
    return verdict.allowed;
}

}  // namespace

void CNetClipboard::Clear()
{
    records_.clear();
    recordCount_ = 0;
    pasted_.clear();
}

void CNetClipboard::Assign(std::vector<std::uint8_t> records, int recordCount)
{
    records_ = std::move(records);
    recordCount_ = recordCount;
    pasted_.clear();
}

bool CNetClipboard::CopyIcon(CCorvaneObj& object)
{
    auto* icon = dynamic_cast<CCorvaneIcon*>(&object);
    if (icon == nullptr)
        return false;
    icon->SyncRecordPosition();
    auto stored = icon->StoreRecord(TransferMode::Save);
    auto* record = std::get_if<std::vector<std::uint8_t>>(&stored);
    if (record == nullptr || record->size() < kIconRecordHeaderSize)
        return false;
    ByteReader reader(*record);
    (void)reader.Seek(kIconXOffset, "x");
    const std::uint16_t x = reader.U16LE("x");
    const std::uint16_t y = reader.U16LE("y");
    ByteWriter writer(*record);
    (void)writer.Seek(kIconXOffset, "x");
    (void)writer.U16LE(Shifted(x), "x");
    (void)writer.U16LE(Shifted(y), "y");
    if (reader.Failed() || writer.Failed())
        return false;
    records_.insert(records_.end(), record->begin(), record->end());
    ++recordCount_;
    return true;
}

void CNetClipboard::Paste(CCorvaneView& view, CNetDoc& doc)
{
    view.ClearSelectionList();
    pasted_.clear();
    if (records_.empty()) {
        ShowMessage(view, std::string(kNothingToPaste));
        return;
    }

    // Each record: u16 length (even, at least the header, within what is
    // left) at offset 0, the type word (low 12 bits the type code) at 4.
    std::vector<std::unique_ptr<CCorvaneIcon>> made;
    std::size_t offset = 0;
    for (int n = 0; n < recordCount_ && offset < records_.size(); ++n) {
        const std::span<const std::uint8_t> rest = std::span<const std::uint8_t>(records_).subspan(offset);
        ByteReader reader(rest);
        const std::uint16_t length = reader.U16LE("record length");
        (void)reader.Seek(kIconTypeWordOffset, "type word");
        const std::uint16_t typeWord = reader.U16LE("type word");
        if (reader.Failed() || length < kIconRecordHeaderSize || length % 2 != 0 || length > rest.size())
            break;
        const std::span<const std::uint8_t> record = rest.first(length);
        offset += length;

        const auto typeCode = static_cast<std::uint16_t>(typeWord & kIconTypeCodeMask);
        const std::uint16_t subtype = SubtypeFromRecord(record, typeCode);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(typeCode, subtype);
        if (icon == nullptr || !MayPaste(view, doc, made, typeCode))
            continue;
        if (doc.LoadIconFromRecord(icon, record, typeCode, subtype, false) || icon == nullptr)
            continue;
        made.push_back(std::move(icon));
    }

    std::vector<CCorvaneIcon*> icons;
    for (const auto& icon : made) {
        icon->SetPositionFromRecord();
        icon->LinkAllConnectors();
        icons.push_back(icon.get());
    }
    RemapIconIds(doc, icons);
    for (auto& icon : made) {
        auto& added = static_cast<CCorvaneIcon&>(doc.AddObject(std::move(icon)));
        pasted_.push_back(&added);
    }
    // In the net now, the pasted icons find each other: their link ends follow.
    for (CCorvaneIcon* icon : pasted_) {
        icon->LayoutConnectors();
        view.Select(icon, true);
    }
    if (!pasted_.empty())
        doc.SetModified(true);
    view.Invalidate(true);
}

void CNetClipboard::RemapIconIds(CNetDoc& doc, std::span<CCorvaneIcon* const> icons)
{
    std::vector<CIconIdPair> pairs;
    pairs.reserve(icons.size());
    for (CCorvaneIcon* icon : icons) {
        CIconIdPair pair;
        pair.oldId = icon->UniqueId();
        pair.newId = doc.TakeNextIconId();
        icon->SetUniqueId(pair.newId);
        pairs.push_back(pair);
    }
    for (CCorvaneIcon* icon : icons) {
        const auto remap = [&](int slot) {
            InputLink& link = *icon->RecordLink(slot);
            if (!link.IsConnected())
                return;
            link.sourceId = NewIdOf(pairs, link.sourceId);
            if (!link.IsConnected())
                icon->DisconnectInput(slot);
        };
        remap(kEnableSlot);
        remap(kTriggerSlot);
        for (int slot = 0; slot < icon->TotalInputs(); ++slot)
            remap(slot);
        icon->LinkAllConnectors();
        CompactInputs(*icon);
    }
}

}  // namespace corvane
