#pragma once

#include "netdoc/CNetDoc.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// The data-tag lists of a Memory, Probe or MQTT icon, kept apart from any
// dialog so that the net check and the records use them without one:
// - the net list: every Data Tag icon of the net as last collected;
// - the selected list: the chosen tags in their chosen order;
// - the available list: the net's tags that are not selected;
// - the stored ids: the tag ids the icon's record holds, at most Capacity().
// The net list is always handed in by the caller (CNetDoc::CollectDataTagIcons).
class DataTagLists {
public:
    using TagList = std::vector<DataTagInfo>;

    // Tags a Memory or Probe icon can hold; the MQTT icon counts them in
    // one byte and holds one fewer.
    static constexpr std::size_t kMaxTags = 256;
    static constexpr std::size_t kMaxMqttTags = 255;

    explicit DataTagLists(std::size_t capacity = kMaxTags);

    std::size_t Capacity() const { return capacity_; }
    const TagList& Net() const { return net_; }
    const TagList& Available() const { return available_; }
    const TagList& Selected() const { return selected_; }
    const std::vector<std::uint32_t>& StoredIds() const { return storedIds_; }

    // Replaces the net list by a fresh collection of the net's tags.
    void RefreshNet(TagList net);
    // The record's ids as read: they become the stored ids and the selected
    // list (ids only, names empty until the lists are next built). Returns
    // false, changing nothing, when there are more than Capacity().
    bool SetStoredIds(std::span<const std::uint32_t> ids);
    // The lists as the dialog's two list boxes hold them on OK.
    void SetAvailable(TagList available) { available_ = std::move(available); }
    void SetSelected(TagList selected) { selected_ = std::move(selected); }

    // The net check's turn for the icon's bit (1 memory, 2 probe, 4 MQTT):
    // refresh the net list, take the tags marked with the bit, build the
    // lists and store the selection.
    void UpdateTagLists(int bit, TagList net);
    // Appends every net tag whose assignment bits hold the bit (with the bit
    // cleared in the copy) unless its id is already selected or the
    // selection is full.
    void TakeAssigned(int bit);
    // The lists as a dialog shows them: names of the selected tags from the
    // net, selected tags no longer in the net dropped, available = the net's
    // tags that are not selected.
    void BuildDialogLists(TagList net);
    // At the dialog's opening: available tags that hold the bit move to the
    // end of the selected list (walking available from its last entry), as
    // far as the selection has room.
    void TakeAssignedFromAvailable(int bit);
    // The stored ids become the selected tags that are in the net list, in
    // order, compacted and at most Capacity().
    void StoreAssignedTags();

    // The tag picker page's activation (bit 0x0008 FTP, 0x0010 e-mail):
    // the net list is refreshed; lists already filled are pruned and take
    // the net's new tags (those marked with the bit, the bit cleared in the
    // net list, to the selection as far as it has room, the others to
    // available); empty lists are built from the stored ids, then the
    // marked tags, then the rest. The selection is stored and put in the
    // stored ids' order. Returns the stored ids that named no selected tag.
    std::vector<std::uint32_t> RefreshForPicker(int bit, TagList net);
    // Both lists against the net list: tags no longer in it leave, names
    // follow it.
    void PruneBothLists();
    // The net's tags in neither list, in net order, appended as above.
    void AppendUnlistedTags(int bit);
    // Fills both lists from the stored ids and the net list (the lists
    // must be empty).
    void FillFromStoredIds(int bit);
    // The selection rebuilt in stored-id order; returns the stored ids
    // that name no selected tag (they are dropped).
    std::vector<std::uint32_t> OrderSelectedByStoredIds();

    // A Data Tag icon was deleted: its id leaves every list and the stored
    // ids. Returns whether anything changed.
    bool RemoveTag(std::uint32_t tagId);

    bool IsSelected(std::uint32_t tagId) const;
    // Whether count more tags fit into the selection.
    bool HasRoomFor(std::size_t count) const;

private:
    void PruneSelected();
    void FillAvailable();

    std::size_t capacity_;
    TagList net_;
    TagList available_;
    TagList selected_;
    std::vector<std::uint32_t> storedIds_;
};

}  // namespace corvane
