#include "icons/reporting/DataTagLists.h"

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

bool HasId(const DataTagLists::TagList& list, std::uint32_t tagId)
{
    return std::any_of(list.begin(), list.end(), [tagId](const DataTagInfo& tag) { return tag.tagId == tagId; });
}

}  // namespace

DataTagLists::DataTagLists(std::size_t capacity) : capacity_(std::min(capacity, kMaxTags)) {}

void DataTagLists::RefreshNet(TagList net)
{
    net_ = std::move(net);
}

bool DataTagLists::SetStoredIds(std::span<const std::uint32_t> ids)
{
    if (ids.size() > capacity_)
        return false;
    storedIds_.assign(ids.begin(), ids.end());
    selected_.clear();
    for (const std::uint32_t id : ids) {
        // Icon ids are 16-bit: a larger id can name no Data Tag icon and is
        // dropped with the other missing tags when the lists are next built.
        if (id <= 0xFFFF)
            selected_.push_back({std::string(), static_cast<std::uint16_t>(id), 0});
    }
    return true;
}

void DataTagLists::UpdateTagLists(int bit, TagList net)
{
    RefreshNet(std::move(net));
    TakeAssigned(bit);
    PruneSelected();
    FillAvailable();
    StoreAssignedTags();
}

void DataTagLists::TakeAssigned(int bit)
{
    for (const DataTagInfo& tag : net_) {
        if ((tag.assignmentBits & bit) == 0 || IsSelected(tag.tagId) || !HasRoomFor(1))
            continue;
        DataTagInfo copy = tag;
        copy.assignmentBits = static_cast<std::uint16_t>(copy.assignmentBits & ~bit);
        selected_.push_back(std::move(copy));
    }
}

void DataTagLists::BuildDialogLists(TagList net)
{
    RefreshNet(std::move(net));
    PruneSelected();
    FillAvailable();
}

void DataTagLists::PruneSelected()
{
    for (auto it = selected_.rbegin(); it != selected_.rend();) {
        const auto found = std::find_if(
            net_.begin(), net_.end(), [&](const DataTagInfo& tag) { return tag.tagId == it->tagId; });
        if (found != net_.end()) {
            it->name = found->name;
            ++it;
        } else {
            it = std::make_reverse_iterator(selected_.erase(std::next(it).base()));
        }
    }
}

void DataTagLists::FillAvailable()
{
    available_.clear();
    for (const DataTagInfo& tag : net_)
        if (!IsSelected(tag.tagId))
            available_.push_back(tag);
}

void DataTagLists::TakeAssignedFromAvailable(int bit)
{
    for (std::size_t i = available_.size(); i-- > 0;) {
        if ((available_[i].assignmentBits & bit) == 0 || !HasRoomFor(1))
            continue;
        selected_.push_back(available_[i]);
        available_.erase(available_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void DataTagLists::StoreAssignedTags()
{
    storedIds_.clear();
    for (const DataTagInfo& tag : selected_) {
        if (storedIds_.size() >= capacity_)
            break;
        if (HasId(net_, tag.tagId))
            storedIds_.push_back(tag.tagId);
    }
}

std::vector<std::uint32_t> DataTagLists::RefreshForPicker(int bit, TagList net)
{
    RefreshNet(std::move(net));
    if (!available_.empty() || !selected_.empty()) {
        PruneBothLists();
        AppendUnlistedTags(bit);
    } else {
        FillFromStoredIds(bit);
    }
    StoreAssignedTags();
    return OrderSelectedByStoredIds();
}

void DataTagLists::PruneBothLists()
{
    PruneSelected();
    std::erase_if(available_, [this](DataTagInfo& tag) {
        const auto found = std::find_if(
            net_.begin(), net_.end(), [&](const DataTagInfo& netTag) { return netTag.tagId == tag.tagId; });
        if (found == net_.end())
            return true;
        tag.name = found->name;
        return false;
    });
}

void DataTagLists::AppendUnlistedTags(int bit)
{
    for (DataTagInfo& tag : net_) {
        if (IsSelected(tag.tagId) || HasId(available_, tag.tagId))
            continue;
        if ((tag.assignmentBits & bit) != 0 && HasRoomFor(1)) {
            tag.assignmentBits = static_cast<std::uint16_t>(tag.assignmentBits & ~bit);
            selected_.push_back(tag);
        } else {
            available_.push_back(tag);
        }
    }
}

void DataTagLists::FillFromStoredIds(int bit)
{
    selected_.clear();
    available_.clear();
    for (const std::uint32_t id : storedIds_) {
        const auto found
            = std::find_if(net_.begin(), net_.end(), [id](const DataTagInfo& tag) { return tag.tagId == id; });
        if (found != net_.end() && !IsSelected(id) && HasRoomFor(1))
            selected_.push_back(*found);
    }
    AppendUnlistedTags(bit);
}

std::vector<std::uint32_t> DataTagLists::OrderSelectedByStoredIds()
{
    TagList ordered;
    std::vector<std::uint32_t> missing;
    for (const std::uint32_t id : storedIds_) {
        const auto found = std::find_if(
            selected_.begin(), selected_.end(), [id](const DataTagInfo& tag) { return tag.tagId == id; });
        if (found == selected_.end())
            missing.push_back(id);
        else
            ordered.push_back(*found);
    }
    selected_ = std::move(ordered);
    return missing;
}

bool DataTagLists::RemoveTag(std::uint32_t tagId)
{
    const auto matches = [tagId](const DataTagInfo& tag) { return tag.tagId == tagId; };
    std::size_t removed = std::erase_if(net_, matches);
    removed += std::erase_if(available_, matches);
    removed += std::erase_if(selected_, matches);
    removed += std::erase(storedIds_, tagId);
    return removed != 0;
}

bool DataTagLists::IsSelected(std::uint32_t tagId) const
{
    return HasId(selected_, tagId);
}

bool DataTagLists::HasRoomFor(std::size_t count) const
{
    return selected_.size() <= capacity_ && count <= capacity_ - selected_.size();
}

}  // namespace corvane
