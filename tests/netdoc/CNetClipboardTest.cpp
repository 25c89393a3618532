#include "netdoc/CNetClipboard.h"

#include "EditorTestSupport.h"
#include "IconIndexCheck.h"
#include "NetDocTestSupport.h"

#include "netdoc/CNetDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace c_net_clipboard_test {
namespace {

using test::GateIcon;
using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

constexpr std::uint16_t kMemoryType = 81;
constexpr std::uint16_t kMqttType = 70;
constexpr std::uint16_t kUnknownType = 0x0FFF;
constexpr std::size_t kTypeWordOffset = 4;

// The net's surroundings, made before the editor frame that shows the net
// and gone after it.
struct NetParts {
    NetParts()
    {
        factory.Register(kMemoryType, [](std::uint16_t) { return std::make_unique<SourceIcon>(kMemoryType); });
        factory.Register(kMqttType, [](std::uint16_t) { return std::make_unique<SourceIcon>(kMqttType); });
    }
    test::FakeNetServices services;
    IconFactory factory = test::TestFactory();
};

class NetClipboard : protected NetParts, public test::EditorTest {
protected:
    NetClipboard()
    {
        makeDocument = [this] { return std::make_unique<CNetDoc>(services, factory); };
    }

    CNetDoc& Net() { return dynamic_cast<CNetDoc&>(Doc()); }
    void Copy(std::initializer_list<CCorvaneIcon*> icons)
    {
        clipboard.Clear();
        for (CCorvaneIcon* icon : icons)
            ASSERT_TRUE(clipboard.CopyIcon(*icon));
    }
    const std::vector<CCorvaneIcon*>& Paste()
    {
        clipboard.Paste(View(), Net());
        return clipboard.PastedIcons();
    }
    static std::vector<std::uint16_t> TypesOf(const std::vector<CCorvaneIcon*>& icons)
    {
        std::vector<std::uint16_t> types;
        for (const CCorvaneIcon* icon : icons)
            types.push_back(icon->TypeCode());
        return types;
    }
    std::vector<std::string> MessageTexts()
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    CNetClipboard clipboard;
};

TEST_F(NetClipboard, LinkedIconsPasteLinkedWithFreshIdsOffsetOnce)
{
    auto& source = Place<SourceIcon>(Net(), test::kTestConstType, 100, 200);
    auto& relay = Place<RelayIcon>(Net(), "Relay", 1, test::kTestRelayType);
    Link(source, 0, relay, 0);
    Copy({&source, &relay});
    EXPECT_EQ(clipboard.RecordCount(), 2);

    std::vector<std::uint16_t> ids{source.UniqueId(), relay.UniqueId()};
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const std::vector<CCorvaneIcon*> pasted = Paste();
        ASSERT_EQ(pasted.size(), 2u);
        CCorvaneIcon& newSource = *pasted[0];
        CCorvaneIcon& newRelay = *pasted[1];
        for (const CCorvaneIcon* icon : pasted) {
            EXPECT_EQ(std::count(ids.begin(), ids.end(), icon->UniqueId()), 0) << "a fresh id";
            ids.push_back(icon->UniqueId());
        }
        EXPECT_EQ(newRelay.GetInputLinks()[0].sourceId, newSource.UniqueId());
        EXPECT_EQ(newRelay.Input(0).LinkEnd(), newSource.Output(0).GetLinkAnchorPoint());
        EXPECT_EQ(relay.GetInputLinks()[0].sourceId, source.UniqueId()) << "the originals keep their link";
        EXPECT_EQ(newSource.Position(), source.Position().Offset(20, 20)) << "each paste lies at the same place";
        EXPECT_EQ(newRelay.Position(), relay.Position().Offset(20, 20));
        EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&newSource, &newRelay}));
        EXPECT_TRUE(test::IconIndexMatchesObjects(Net()));
    }
    EXPECT_EQ(Net().GetObjectCount(), 6);
    EXPECT_TRUE(Net().IsModified());
}

TEST_F(NetClipboard, LinksToIconsLeftBehindAreDroppedAndGateInputsCompacted)
{
    auto& a = Place<SourceIcon>(Net(), test::kTestConstType, 100, 100);
    auto& b = Place<SourceIcon>(Net(), test::kTestConstType, 100, 200);
    auto& gate = Place<GateIcon>(Net(), 300, 100, 2, test::kTestGateType);
    auto& relay = Place<RelayIcon>(Net(), "Relay", 1, test::kTestRelayType);
    Link(a, 0, gate, 0);
    Link(b, 0, gate, 1);
    Link(a, 0, gate, kEnableSlot);
    Link(b, 0, gate, kTriggerSlot);
    Link(gate, 0, relay, 0);
    ASSERT_EQ(gate.InputCount(), 3) << "the gate grew a free input";

    Copy({&relay});
    const auto lone = Paste();
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_FALSE(lone[0]->GetInputLinks()[0].IsConnected());
    EXPECT_EQ(lone[0]->Input(0).LinkEnd(), Point{});

    Copy({&b, &gate});
    const auto pair = Paste();
    ASSERT_EQ(pair.size(), 2u);
    const CCorvaneIcon& newGate = *pair[1];
    EXPECT_FALSE(newGate.RecordLink(kEnableSlot)->IsConnected());
    EXPECT_EQ(newGate.RecordLink(kTriggerSlot)->sourceId, pair[0]->UniqueId());
    EXPECT_EQ(newGate.InputCount(), 2) << "the linked input and one free one";
    EXPECT_EQ(newGate.GetInputLinks()[0].sourceId, pair[0]->UniqueId());
    EXPECT_FALSE(newGate.GetInputLinks()[1].IsConnected());
}

TEST_F(NetClipboard, NothingToPasteAfterAnEmptyCopy)
{
    auto& source = Place<SourceIcon>(Net(), test::kTestConstType, 100, 200);
    View().Select(&source, false);
    auto rectangle = std::make_unique<CCorvaneObj>(Rect{10, 10, 50, 50});
    clipboard.Clear();
    EXPECT_FALSE(clipboard.CopyIcon(*rectangle)) << "only icons are copied";
    EXPECT_TRUE(Paste().empty());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Nothing to paste"});
    EXPECT_TRUE(View().Selection().empty());
    EXPECT_EQ(Net().GetObjectCount(), 1);
}

TEST_F(NetClipboard, RecordsTheNetMayNotTakeAreSkippedWithThePalettesMessage)
{
    const std::string oneMemory = "A program net may contain only one\nLog memory icon.";
    struct Case {
        const char* name;
        bool netHoldsMemory;
        std::uint8_t capability;
        std::vector<std::uint16_t> copied;
        std::vector<std::uint16_t> pasted;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"memory in the net", true, 0, {test::kTestConstType, kMemoryType, test::kTestRelayType},
            {test::kTestConstType, test::kTestRelayType}, {oneMemory}},
        {"memory twice in one paste", false, 0, {kMemoryType, kMemoryType}, {kMemoryType}, {oneMemory}},
        {"MQTT without network", false, 0, {kMqttType, test::kTestConstType}, {test::kTestConstType}, {}},
        {"MQTT with network", false, 1, {kMqttType}, {kMqttType}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View().ClearSelectionList();
        Net().DeleteObjects(true);
        Prompts().messageBoxes.clear();
        Environment().capabilityByte = c.capability;
        if (c.netHoldsMemory)
            Place<SourceIcon>(Net(), kMemoryType);
        std::vector<std::unique_ptr<CCorvaneIcon>> originals;
        clipboard.Clear();
        for (const std::uint16_t type : c.copied) {
            originals.push_back(type == test::kTestRelayType
                    ? std::unique_ptr<CCorvaneIcon>(std::make_unique<RelayIcon>("Relay", 1, type))
                    : std::make_unique<SourceIcon>(type));
            ASSERT_TRUE(clipboard.CopyIcon(*originals.back()));
        }
        EXPECT_EQ(TypesOf(Paste()), c.pasted);
        EXPECT_EQ(MessageTexts(), c.messages);
    }
}

TEST_F(NetClipboard, DamagedRecordsEndThePasteWithoutReadingPastThem)
{
    SourceIcon first(test::kTestConstType);
    RelayIcon second("Relay", 1, test::kTestRelayType);
    Copy({&first, &second});
    const std::vector<std::uint8_t> good(clipboard.Records().begin(), clipboard.Records().end());
    const std::size_t firstLength = good[0] + 256u * good[1];
    ASSERT_LT(firstLength, good.size());

    // Every truncation pastes the whole records before the cut, and only those.
    for (std::size_t size = 0; size < good.size(); ++size) {
        SCOPED_TRACE(size);
        clipboard.Assign(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(size)), 2);
        EXPECT_EQ(Paste().size(), size >= firstLength ? 1u : 0u);
    }

    // A damaged length word ends the paste; a type without a class is stepped over.
    struct Corruption {
        const char* name;
        std::size_t offset;
        std::uint16_t value;
        std::vector<std::uint16_t> pasted;
    };
    const Corruption corruptions[] = {
        {"length below the header", 0, 70, {}},
        {"odd length", 0, static_cast<std::uint16_t>(firstLength + 1), {}},
        {"length past the end", 0, static_cast<std::uint16_t>(good.size() + 2), {}},
        {"second length zero", firstLength, 0, {test::kTestConstType}},
        {"unknown type", kTypeWordOffset, kUnknownType, {test::kTestRelayType}},
    };
    for (const Corruption& c : corruptions) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> bytes = good;
        bytes[c.offset] = static_cast<std::uint8_t>(c.value);
        bytes[c.offset + 1] = static_cast<std::uint8_t>(c.value >> 8);
        clipboard.Assign(bytes, 2);
        EXPECT_EQ(TypesOf(Paste()), c.pasted);
    }
    clipboard.Assign(good, 5);
    EXPECT_EQ(Paste().size(), 2u) << "a count beyond the bytes reads no further";
}

}  // namespace
}  // namespace c_net_clipboard_test
}  // namespace corvane
