#pragma once

// Small icon classes that exercise the icon base the way real icon
// classes do, and a net context that records what the walk asks for.

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/NetContext.h"
#include "netmodel/RecordTransfer.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// An icon with one data output, a u32 fixed-part field and a text tail.
class SourceIcon : public CCorvaneIcon {
public:
    explicit SourceIcon(std::uint16_t typeCode = 40, int x = 100, int y = 100)
    {
        SetName("Source");
        InitIcon(x, y, 0, 1, typeCode, false, false, false);
    }
    std::uint32_t value = 0x11223344;
    std::string tail;

    void BuildConnectors() override { CreateConnectors(false, data_type::kData, false, false); }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer& t) override { t.U32(value, "value"); }
    std::size_t TransferTail(RecordTransfer& t) override { return t.NetString(tail, 40, false, "tail"); }
};

// An And-like gate: data inputs that compact, at least two, growing up to
// six; a one-byte fixed part so that records come out odd before padding.
class GateIcon : public CCorvaneIcon {
public:
    explicit GateIcon(int x = 300, int y = 100, int inputs = 2, std::uint16_t typeCode = 50)
    {
        SetName("And");
        InitIcon(x, y, inputs, 1, typeCode, true, true, false);
        SetCompaction(true);
        SetMinimumInputs(2);
        SetInputLimit(6);
    }
    std::uint8_t mode = 0;

    void BuildConnectors() override
    {
        CreateConnectors(true, data_type::kLogic, false, false);
        CreateConnectors(false, data_type::kLogic, false, false);
    }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer& t) override { t.U8(mode, "mode"); }
    int CheckIconConnections(bool& isolated) const override
    {
        return CheckConnections(isolated, false, false, false, 2, true, false);
    }
};

// A sample-rate clock stand-in: compacts with minimum 0.
class ClockIcon : public CCorvaneIcon {
public:
    explicit ClockIcon(int x = 20, int y = 20)
    {
        SetName("Clock");
        InitIcon(x, y, 1, 1, 2, true, true, false);
        SetCompaction(true);
        SetMinimumInputs(0);
    }
    void BuildConnectors() override
    {
        CreateConnectors(true, data_type::kLogic, false, false);
        CreateConnectors(false, data_type::kLogic, false, false);
    }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer& t) override { t.Zeros(8, "periods"); }
    bool IsSampleRateClock() const override { return true; }
};

// A type-273 icon: four data inputs, a fixed part of four bytes.
class MathLikeIcon : public CCorvaneIcon {
public:
    MathLikeIcon()
    {
        SetName("Math");
        InitIcon(200, 200, 4, 1, 273, false, false, false);
    }
    void BuildConnectors() override
    {
        CreateConnectors(true, data_type::kData, false, false);
        CreateConnectors(false, data_type::kData, false, false);
    }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer& t) override { t.Zeros(4, "math"); }
};

// A relay of data: one input, one output whose label it takes from its source.
class RelayIcon : public CCorvaneIcon {
public:
    explicit RelayIcon(std::string_view name = "Memory", int inputs = 1, std::uint16_t typeCode = 60)
    {
        SetName(name);
        InitIcon(400, 100, inputs, 1, typeCode, false, false, false);
    }
    void BuildConnectors() override
    {
        CreateConnectors(true, data_type::kData, false, false);
        CreateConnectors(false, data_type::kData, false, false);
    }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer&) override {}
};

// A data tag and an icon that keeps a list of data tags.
class TagIcon : public SourceIcon {
public:
    TagIcon() : SourceIcon(80) {}
};

class TagListIcon : public RelayIcon {
public:
    TagListIcon() : RelayIcon("List") {}
    std::vector<std::uint16_t> tags;
    void OnDataTagRemoved(const CCorvaneIcon& tag) override
    {
        const auto found = std::find(tags.begin(), tags.end(), tag.UniqueId());
        if (found != tags.end())
            tags.erase(found);
    }
};

// Records the numbers and findings of an execution-order walk.
class RecordingNet final : public NetContext {
public:
    int counter = 0;
    std::vector<std::string> messages;
    int NextExecutionOrder() override { return ++counter; }
    void AddMessage(std::string_view text) override { messages.emplace_back(text); }
};

// Adds an icon to a document and lays it out there (taking its id).
template <class Icon, class... Args> Icon& Place(CCorvaneDoc& doc, Args&&... args)
{
    auto icon = std::make_unique<Icon>(std::forward<Args>(args)...);
    Icon& placed = *icon;
    doc.AddObject(std::move(icon));
    placed.Layout();
    return placed;
}

// Links output `output` of giver to input slot `slot` of receiver, as the
// connection tool does.
inline void Link(CCorvaneIcon& giver, int output, CCorvaneIcon& receiver, int slot)
{
    giver.SetDraggedConnector(&giver.Output(output));
    receiver.SetDraggedConnector(receiver.InputConnector(slot));
    receiver.LinkFrom(giver, 0);
}

}  // namespace corvane::test
