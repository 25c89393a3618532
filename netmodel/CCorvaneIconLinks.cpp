// Links between icons: finding and binding them, making and removing them,
// carrying data types and labels across them, the connection check and
// the execution-order walk.
#include "netmodel/CCorvaneIcon.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/ConnectorTypes.h"
#include "netmodel/LinkedInputIndex.h"
#include "netmodel/NetContext.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <set>

namespace corvane {
namespace {

constexpr std::uint16_t kTypeDataTag = 80;
constexpr std::uint16_t kTypeLabelSource = 17;  // its output entries hold the labels it passes on
constexpr std::string_view kCircularMessage = "A circular icon dependency has been found, Net can not be uploaded.";

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// Names that a placed icon carries until a link gives it a real one.
bool IsPlaceholderName(std::string_view name)
{
    return name.empty() || EqualsIgnoringCase(name, "Memory") || EqualsIgnoringCase(name, "Probe")
        || EqualsIgnoringCase(name, "Data Tag");
}

std::string OutputText(const OutputEntry& entry)
{
    const auto end = std::find(entry.data.begin(), entry.data.end(), std::uint8_t{0});
    return std::string(entry.data.begin(), end);
}

}  // namespace

CCorvaneIcon* CCorvaneIcon::FindIconById(std::uint16_t id) const
{
    return Owner() != nullptr ? Owner()->FindIconById(id) : nullptr;
}

bool CCorvaneIcon::HasLinkedSource(const InputLink& link) const
{
    return link.sourceId != 0 && FindIconById(link.sourceId) != nullptr;
}

std::vector<LinkedInput> CCorvaneIcon::FindLinkedInputs(int outputIndex) const
{
    std::vector<LinkedInput> found;
    if (Owner() == nullptr || header_.uniqueId == 0)
        return found;
    if (const LinkedInputIndex* index = Owner()->ActiveLinkedInputIndex()) {
        const std::span<const LinkedInput> indexed = index->Find(header_.uniqueId, outputIndex);
        found.assign(indexed.begin(), indexed.end());
        return found;
    }
    for (CCorvaneIcon* icon : Owner()->IconList()) {
        const auto check = [&](int slot) {
            const InputLink* link = icon->RecordLink(slot);
            if (link->sourceId == header_.uniqueId && link->sourceOutput == outputIndex)
                found.push_back({icon, slot});
        };
        check(kEnableSlot);
        check(kTriggerSlot);
        for (int i = 0; i < icon->TotalInputs(); ++i)
            check(i);
    }
    return found;
}

std::vector<LinkedInput> CCorvaneIcon::FindInputsLinkedToIcon() const
{
    std::vector<LinkedInput> found;
    if (Owner() == nullptr || header_.uniqueId == 0)
        return found;
    for (CCorvaneIcon* icon : Owner()->IconList()) {
        const auto check = [&](int slot) {
            if (icon->RecordLink(slot)->sourceId == header_.uniqueId)
                found.push_back({icon, slot});
        };
        check(kEnableSlot);
        check(kTriggerSlot);
        for (int i = 0; i < static_cast<int>(kMaxInputs); ++i)
            check(i);
    }
    return found;
}

void CCorvaneIcon::BindOutputLinks(int outputIndex)
{
    if (outputIndex < 0 || outputIndex >= outputCount_)
        return;
    const Point anchor = outputs_[static_cast<std::size_t>(outputIndex)].GetLinkAnchorPoint();
    for (const LinkedInput& linked : FindLinkedInputs(outputIndex))
        if (CInput* input = linked.icon->InputConnector(linked.slot); input != nullptr && input->IsActive())
            input->SetLinkEnd(anchor);
}

void CCorvaneIcon::LinkAllConnectors()
{
    const auto link = [&](int slot) {
        CInput* input = InputConnector(slot);
        const InputLink* record = RecordLink(slot);
        const CCorvaneIcon* source = FindIconById(record->sourceId);
        if (input->IsActive() && source != nullptr && record->sourceOutput < source->OutputCount())
            input->SetLinkEnd(source->Output(record->sourceOutput).GetLinkAnchorPoint());
        else
            input->SetLinkEnd({});
    };
    link(kEnableSlot);
    link(kTriggerSlot);
    for (int i = 0; i < TotalInputs(); ++i)
        link(i);
}

void CCorvaneIcon::LinkFrom(CCorvaneIcon& giver, int /*hitCode*/)
{
    const std::optional<int> slot = InputSlotOf(dragged_);
    if (!slot || !dragged_->IsActive() || *slot >= TotalInputs())
        return;
    InputLink& link = *RecordLink(*slot);
    link.sourceId = giver.UniqueId();
    const std::optional<int> output = giver.OutputIndexOf(giver.dragged_);
    if (output)
        link.sourceOutput = static_cast<std::uint8_t>(*output);
    if (!dragged_->IsTrigger())
        PropagateSourceLabels(giver, output.value_or(0));
    if (giver.dragged_ != nullptr)
        giver.dragged_->SetLinkEnd({});
    dragged_->SetLinkEnd({});

    const bool allInUse = std::all_of(inputLinks_.begin() + extraInputs_, inputLinks_.begin() + TotalInputs(),
        [](const InputLink& l) { return l.sourceId != 0; });
    if (inputCount_ < inputLimit_ && allInUse && TotalInputs() < static_cast<int>(kMaxInputs)) {
        const auto added = static_cast<std::size_t>(TotalInputs());
        ClearInputLink(inputLinks_[added]);
        if (inputCount_ > 0)
            inputs_[added].CopyShape(inputs_[added - 1]);
        else
            inputs_[added] = CInput(connector_kind::kDataInput, true, false, {}, data_type::kData, this);
        inputs_[added].SetLinkEnd({});
        inputLinks_[added].flags =
            (inputs_[added].GetDataType() & data_type::kLogic) == 0 ? kInputLinkPlainFlags : 0;
        ++inputCount_;
        LayoutConnectors();
    }
    SyncConnectorFlags(*slot);
    LinkAllConnectors();
}

void CCorvaneIcon::SyncConnectorFlags(int slot)
{
    InputLink* link = RecordLink(slot);
    CInput* input = InputConnector(slot);
    if (link == nullptr || input == nullptr)
        return;
    CCorvaneIcon* source = FindIconById(link->sourceId);
    if (source == nullptr || link->sourceOutput >= source->OutputCount())
        return;
    COutput& output = source->Output(link->sourceOutput);
    const int inputType = input->GetDataType();
    const int outputType = output.GetDataType();
    int carried = inputType & ~data_type::kUnsettled;
    if ((inputType & data_type::kAdapts) != 0) {
        carried = (outputType & ~data_type::kUnsettled) | data_type::kAdapts;
        input->SetDataType(carried);
        link->flags = (outputType & data_type::kLogic) != 0 ? 0 : kInputLinkPlainFlags;
    }
    if ((outputType & data_type::kAdapts) != 0)
        output.SetDataType(carried | data_type::kAdapts);
}

void CCorvaneIcon::DisconnectInput(int slot)
{
    if (InputLink* link = RecordLink(slot)) {
        ClearInputLink(*link);
        InputConnector(slot)->SetLinkEnd({});
    }
}

void CCorvaneIcon::DisconnectOutput(int outputIndex)
{
    for (const LinkedInput& linked : FindLinkedInputs(outputIndex)) {
        linked.icon->InputConnector(linked.slot)->SetLinkEnd({});
        ClearInputLink(*linked.icon->RecordLink(linked.slot));
    }
    if (outputIndex >= 0 && outputIndex < static_cast<int>(kMaxOutputs))
        outputs_[static_cast<std::size_t>(outputIndex)].SetLinkEnd({});
}

void CCorvaneIcon::SetOptionalConnector(ConnectorSide side, int index, bool present, bool secondOutput)
{
    const auto plainFlags = [](int type) {
        return (type & data_type::kLogic) == 0 ? kInputLinkPlainFlags : std::uint8_t{0};
    };
    if (side == ConnectorSide::Input) {
        if (index < extraInputs_ || index >= static_cast<int>(kMaxInputs))
            return;
        if (present) {
            for (int i = TotalInputs(); i <= index; ++i) {
                const auto slot = static_cast<std::size_t>(i);
                const int type = i > extraInputs_ ? inputs_[slot - 1].GetDataType() & ~data_type::kUnsettled
                                                  : data_type::kData;
                inputs_[slot] = CInput(connector_kind::kDataInput, true, false, {}, type, this);
                inputLinks_[slot] = InputLink{};
                inputLinks_[slot].flags = plainFlags(type);
            }
            inputCount_ = std::max(inputCount_, index + 1 - extraInputs_);
            hasInputTable_ = true;
        } else {
            for (int i = index; i < TotalInputs(); ++i)
                DisconnectInput(i);
            inputCount_ = std::min(inputCount_, index - extraInputs_);
        }
    } else {
        if (index < 0 || index >= static_cast<int>(kMaxOutputs))
            return;
        if (present) {
            const int base = outputCount_ > 0 ? outputs_[0].GetDataType() & ~data_type::kUnsettled : data_type::kData;
            const int type = secondOutput ? base | data_type::kUnsettled : base;
            for (int i = outputCount_; i <= index; ++i) {
                const auto slot = static_cast<std::size_t>(i);
                outputs_[slot] = COutput(connector_kind::kOutput, true, false, {}, type, this);
                outputEntries_[slot] = OutputEntry{};
                outputEntries_[slot].flags = plainFlags(type);
            }
            outputCount_ = std::max(outputCount_, index + 1);
        } else {
            for (int i = index; i < outputCount_; ++i) {
                DisconnectOutput(i);
                outputEntries_[static_cast<std::size_t>(i)] = OutputEntry{};
            }
            outputCount_ = std::min(outputCount_, index);
        }
    }
    LayoutConnectors();
}

void CCorvaneIcon::Remove()
{
    (void)RemoveFromNet();
}

std::uint16_t CCorvaneIcon::RemoveFromNet()
{
    const std::uint16_t id = header_.uniqueId;
    // Every input naming this icon is cleared, whatever output it names
    // and however many inputs of one icon it feeds.
    for (const LinkedInput& linked : FindInputsLinkedToIcon()) {
        linked.icon->InputConnector(linked.slot)->SetLinkEnd({});
        ClearInputLink(*linked.icon->RecordLink(linked.slot));
    }
    for (COutput& output : outputs_)
        output.SetLinkEnd({});
    if (Owner() != nullptr) {
        if (TypeCode() == kTypeDataTag)
            for (CCorvaneIcon* icon : Owner()->Icons())
                if (icon != this)
                    icon->OnDataTagRemoved(*this);
        Owner()->Ids().FreeId(id);
    }
    return id;
}

int CCorvaneIcon::CheckConnections(bool& isolated, bool needEnable, bool needTrigger, bool needSelect,
    int minimumLinked, bool needOutput, bool isolationAllowed) const
{
    (void)needEnable;  // a missing enable link is never reported
    isolated = true;
    int missing = 0;
    if (hasInputTable_) {
        int linked = 0;
        for (int i = extraInputs_; i < TotalInputs(); ++i)
            if (HasLinkedSource(inputLinks_[static_cast<std::size_t>(i)]))
                ++linked;
        if (linked > 0)
            isolated = false;
        if (linked < minimumLinked)
            missing |= missing_connection::kDataInput;
    }
    if (outputCount_ > 0) {
        const bool feeds = !FindLinkedInputs(0).empty() || (outputCount_ > 1 && !FindLinkedInputs(1).empty());
        if (feeds)
            isolated = false;
        else if (needOutput)
            missing |= outputs_[0].IsTrigger() ? missing_connection::kTriggerOutput : missing_connection::kDataOutput;
    }
    if (HasLinkedSource(header_.trigger))
        isolated = false;
    else if (needTrigger)
        missing |= missing_connection::kTriggerInput;
    if (extraInputs_ > 0) {
        if (HasLinkedSource(inputLinks_[0]))
            isolated = false;
        else if (needSelect)
            missing |= missing_connection::kSelectInput;
    }
    if (HasLinkedSource(header_.enable))
        isolated = false;
    if (NeverIsolated())
        isolated = false;
    if (isolated)
        return isolationAllowed ? 0 : missing_connection::kIsolated;
    return missing;
}

int CCorvaneIcon::CheckIconConnections(bool& isolated) const
{
    isolated = false;
    return 0;
}

void CCorvaneIcon::AssignExecutionOrder(NetContext& net)
{
    if (executionOrder_ != -1)
        return;
    if (visitMark_) {
        if (!IsSampleRateClock())
            net.AddMessage(kCircularMessage);
        return;
    }
    // The icons a walk step descends into: the sources of the enable and
    // trigger inputs, then of every input, that exist and are not
    // hardware channels (a sample-rate clock: its two special inputs only).
    const auto sourcesOf = [](const CCorvaneIcon& icon) {
        std::vector<CCorvaneIcon*> sources;
        const auto add = [&](const InputLink& link) {
            if (link.sourceId == 0)
                return;
            CCorvaneIcon* source = icon.FindIconById(link.sourceId);
            if (source != nullptr && !source->IsHardwareLayout())
                sources.push_back(source);
        };
        add(icon.header_.enable);
        add(icon.header_.trigger);
        if (!icon.IsSampleRateClock())
            for (const InputLink& link : icon.GetInputLinks())
                add(link);
        return sources;
    };
    struct Step {
        CCorvaneIcon* icon;
        std::vector<CCorvaneIcon*> sources;
        std::size_t next = 0;
    };
    // Depth first, without recursion so that long chains cannot exhaust
    // the stack. An icon met again while it is being visited closes a
    // cycle: every icon of the cycle is left unnumbered (the finding is
    // given once per cycle met); a sample-rate clock met again is passed
    // by quietly.
    std::vector<Step> path;
    std::set<const CCorvaneIcon*> onCycle;
    visitMark_ = true;
    path.push_back({this, sourcesOf(*this)});
    while (!path.empty()) {
        Step& step = path.back();
        if (step.next < step.sources.size()) {
            CCorvaneIcon* source = step.sources[step.next++];
            if (source->executionOrder_ != -1 || onCycle.contains(source))
                continue;
            if (source->visitMark_) {
                if (source->IsSampleRateClock())
                    continue;
                net.AddMessage(kCircularMessage);
                auto from = std::find_if(path.begin(), path.end(), [&](const Step& s) { return s.icon == source; });
                for (; from != path.end(); ++from)
                    onCycle.insert(from->icon);
                continue;
            }
            source->visitMark_ = true;
            path.push_back({source, sourcesOf(*source)});
            continue;
        }
        CCorvaneIcon* done = step.icon;
        path.pop_back();
        done->visitMark_ = false;
        if (!onCycle.contains(done))
            done->executionOrder_ = net.NextExecutionOrder();
    }
}

bool CCorvaneIcon::AdoptSourceLabels(const CCorvaneIcon& source, int outputIndex)
{
    std::string text;
    if (source.TypeCode() == kTypeLabelSource) {
        if (outputIndex >= 0 && outputIndex < source.OutputCount())
            text = OutputText(source.outputEntries_[static_cast<std::size_t>(outputIndex)]);
    } else {
        text = source.header_.name;
    }
    if (IsPlaceholderName(header_.name))
        SetName(text);
    if (text.empty() || (labelFlags_ & label_flag::kOwnLabels) != 0 || outputCount_ == 0
        || outputEntries_[0].flags == 0)
        return false;
    if ((labelFlags_ & label_flag::kKeepExisting) != 0 && outputEntries_[0].data[0] != 0)
        return false;
    for (int i = 0; i < outputCount_; ++i)
        SetOutputData(outputEntries_[static_cast<std::size_t>(i)], text);
    return true;
}

void CCorvaneIcon::PropagateSourceLabels(const CCorvaneIcon& source, int outputIndex)
{
    struct Pending {
        CCorvaneIcon* icon;
        const CCorvaneIcon* source;
        int output;
    };
    std::deque<Pending> pending{{this, &source, outputIndex}};
    std::set<const CCorvaneIcon*> visited;
    while (!pending.empty()) {
        const Pending next = pending.front();
        pending.pop_front();
        if (!visited.insert(next.icon).second)
            continue;
        if (!next.icon->AdoptSourceLabels(*next.source, next.output))
            continue;
        for (int m = 0; m < next.icon->outputCount_; ++m) {
            if (next.icon->outputEntries_[static_cast<std::size_t>(m)].flags == 0)
                continue;
            for (const LinkedInput& linked : next.icon->FindLinkedInputs(m))
                pending.push_back({linked.icon, next.icon, m});
        }
    }
}

}  // namespace corvane
