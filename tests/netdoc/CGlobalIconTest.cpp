#include "netdoc/CGlobalIcon.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace corvane {
namespace c_global_icon_test {
namespace {

// Offsets of the Program icon's record that the tests look at.
constexpr std::size_t kDescription = 72;
constexpr std::size_t kOptionFlags = 94;
constexpr std::size_t kModelWord = 96;
constexpr std::size_t kSecondVersion = 100;
constexpr std::size_t kByte104 = 104;
constexpr std::size_t kNetOptionByte = 105;
constexpr std::size_t kModuleMask = 106;
constexpr std::size_t kUpdateRate = 108;
constexpr std::size_t kByte109 = 109;
constexpr std::size_t kSavedFileName = 110;
constexpr std::size_t kTail = 174;

using Bytes = std::vector<std::uint8_t>;

std::uint16_t U16At(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

std::uint32_t U32At(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(U16At(b, at) | (U16At(b, at + 2) << 16));
}

void PutU16(Bytes& b, std::size_t at, std::uint16_t value)
{
    b.at(at) = static_cast<std::uint8_t>(value & 0xFF);
    b.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

Bytes Store(CGlobalIcon& icon)
{
    auto stored = icon.StoreRecord(TransferMode::Save);
    EXPECT_TRUE(std::holds_alternative<Bytes>(stored));
    return std::get<Bytes>(stored);
}

// A poll that found modules of the given types in the given slots; each
// module's value is 0x1000 + slot.
struct PollWith {
    PollWith(std::initializer_list<std::pair<int, std::uint8_t>> modules);
    operator const CHardwarePoll&() const { return poll; }
    CHardwarePoll poll;
};

PollWith::PollWith(std::initializer_list<std::pair<int, std::uint8_t>> modules)
{
    std::uint16_t mask = 0;
    for (const auto& [slot, type] : modules) {
        mask = static_cast<std::uint16_t>(mask | (1u << slot));
        CHardwarePoll::ModuleRecord record{};
        record[1] = static_cast<std::uint8_t>(slot);
        record[2] = type;
        record[10] = 'M';
        poll.SetModuleRecord(slot, record);
        poll.SetModuleValue(slot, static_cast<std::uint16_t>(0x1000 + slot));
    }
    poll.SetModuleMask(mask);
}

// A stored Program icon record whose tail is replaced: the fixed record of
// a new icon, the given mask at 106, the tail bytes, a pad byte when odd,
// and the length word.
Bytes RecordWithTail(std::uint16_t mask, const Bytes& tail)
{
    CGlobalIcon icon;
    Bytes bytes = Store(icon);
    bytes.resize(kTail);
    PutU16(bytes, kModuleMask, mask);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    if (bytes.size() % 2 != 0)
        bytes.push_back(0);
    PutU16(bytes, 0, static_cast<std::uint16_t>(bytes.size()));
    return bytes;
}

Bytes Text(std::string_view text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(CGlobalIconTest, PlacingSetsTheDefaultsAndTakesThePoll)
{
    const PollWith poll({{0, 0}, {3, 1}});
    CGlobalIcon icon({100, 80, 132, 112}, poll, 0x03020100, 0x01020304, 0x2A);

    EXPECT_EQ(icon.TypeCode(), CGlobalIcon::kTypeCode);
    EXPECT_EQ(icon.Caption(), "Global Settings");
    EXPECT_EQ(icon.BitmapId(), 400);
    EXPECT_FALSE(icon.IsDeletable());
    EXPECT_EQ(icon.TotalInputs(), 0);
    EXPECT_EQ(icon.OutputCount(), 0);
    EXPECT_EQ(icon.GetLoggerType(), 3);
    EXPECT_FALSE(icon.IsFrontPanelLockout());
    EXPECT_EQ(icon.GetModuleMask(), 0x0009);
    EXPECT_EQ(icon.GetModuleDescriptor(0), (ModuleDescriptor{6, 0, 60, 0x1000}));
    EXPECT_EQ(icon.GetModuleDescriptor(3), (ModuleDescriptor{6, 1, 60, 0x1003}));
    EXPECT_EQ(icon.GetModuleDescriptor(1), (ModuleDescriptor{0, 0, 60, 0x9240}));
    EXPECT_EQ(icon.GetModuleRecord(3)[10], 'M');
    EXPECT_EQ(icon.GetModuleRecord(1)[2], 0xFF);

    const Bytes bytes = Store(icon);
    EXPECT_EQ(U16At(bytes, kOptionFlags), 0x8C80);
    EXPECT_EQ(U32At(bytes, kModelWord), 0x03020100u);
    EXPECT_EQ(U32At(bytes, kSecondVersion), 0x01020304u);
    EXPECT_EQ(bytes.at(kByte104), 0);
    EXPECT_EQ(bytes.at(kNetOptionByte), 0x2A);
    EXPECT_EQ(U16At(bytes, kModuleMask), 0x0009);
    EXPECT_EQ(bytes.at(kUpdateRate), 2);
    EXPECT_EQ(bytes.at(kByte109), 4);
}

TEST(CGlobalIconTest, IsAlwaysConnected)
{
    CGlobalIcon icon;
    bool isolated = true;
    EXPECT_EQ(icon.CheckIconConnections(isolated), 0);
    EXPECT_FALSE(isolated);
}

TEST(CGlobalIconTest, CopyPollResultsTakesPresentSlotsOnly)
{
    CGlobalIcon icon;
    icon.SetModuleDescriptor(2, 0, 90, 0x1111);
    icon.SetModuleDescriptor(5, 1, 70, 0x2222);
    icon.CopyPollResults(PollWith({{2, 1}, {4, 7}}));

    EXPECT_EQ(icon.GetModuleMask(), 0x0014);
    EXPECT_EQ(icon.GetModuleDescriptor(2), (ModuleDescriptor{6, 1, 90, 0x1002}));  // word A kept
    EXPECT_EQ(icon.GetModuleDescriptor(4), (ModuleDescriptor{0, 7, 60, 0x1004}));  // no descriptor
    EXPECT_EQ(icon.GetModuleDescriptor(5), (ModuleDescriptor{6, 1, 70, 0x2222}));  // not present: untouched
    EXPECT_EQ(icon.GetModuleRecord(4)[1], 4);
}

TEST(CGlobalIconTest, SaveModeRoundTripKeepsFieldsModulesAndMarkers)
{
    CGlobalIcon icon({20, 20, 52, 52}, PollWith({{1, 0}, {6, 1}}), 0x03000102, 0x00090807, 5);
    icon.SetDescription("Pump house");
    icon.SetSavedFileName("pumps.nt3");
    icon.SetOptionFlags(0x9C90);
    icon.SetUpdateRate(7);
    icon.SetLcdMarker(0, "Start");
    icon.SetLcdMarker(1, "Stop");

    const Bytes bytes = Store(icon);
    EXPECT_EQ(U16At(bytes, 0), bytes.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes.at(kDescription))), "Pump house");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes.at(kSavedFileName))), "pumps.nt3");
    const Bytes tail(bytes.begin() + kTail, bytes.end());
    EXPECT_EQ(tail, Concat({{6, 0, 60, 0, 0x01, 0x10}, {6, 1, 60, 0, 0x06, 0x10}, Text("Start"), Text("Stop"), {0}}));

    CGlobalIcon copy;
    const auto loaded = copy.LoadRecord(bytes);
    ASSERT_TRUE(std::holds_alternative<std::size_t>(loaded));
    EXPECT_EQ(std::get<std::size_t>(loaded), bytes.size());
    EXPECT_EQ(copy.Header(), icon.Header());
    EXPECT_EQ(copy.GetDescription(), "Pump house");
    EXPECT_EQ(copy.GetSavedFileName(), "pumps.nt3");
    EXPECT_EQ(copy.GetOptionFlags(), 0x9C90);
    EXPECT_TRUE(copy.IsFrontPanelLockout());
    EXPECT_EQ(copy.GetModelWord(), 0x03000102u);
    EXPECT_EQ(copy.GetSecondVersionWord(), 0x00090807u);
    EXPECT_EQ(copy.GetNetOptionByte(), 5);
    EXPECT_EQ(copy.GetUpdateRate(), 7);
    EXPECT_EQ(copy.GetModuleMask(), 0x0042);
    for (int slot = 0; slot < CGlobalIcon::kSlotCount; ++slot)
        EXPECT_EQ(copy.GetModuleDescriptor(slot), icon.GetModuleDescriptor(slot)) << "slot " << slot;
    EXPECT_EQ(copy.GetLcdMarker(0), "Start");
    EXPECT_EQ(copy.GetLcdMarker(1), "Stop");
    EXPECT_EQ(copy.GetLcdMarker(2), "");
    EXPECT_EQ(Store(copy), bytes);
}

TEST(CGlobalIconTest, NetWithoutModulesOrMarkersHasAOneByteTail)
{
    CGlobalIcon icon({20, 20, 52, 52}, CHardwarePoll{}, 0, 0, 0);
    const Bytes bytes = Store(icon);
    // The 174-byte record, the end byte, and the pad byte that makes it even.
    ASSERT_EQ(bytes.size(), kTail + 2);
    EXPECT_EQ(U16At(bytes, 0), kTail + 2);
    EXPECT_EQ(bytes.at(kTail), 0);
    EXPECT_EQ(U16At(bytes, kModuleMask), 0);
}

TEST(CGlobalIconTest, TextsAreCutToTheirFields)
{
    CGlobalIcon icon;
    icon.SetDescription("A description of 27 chars!!");
    icon.SetSavedFileName(std::string(70, 'f') + ".nt3");
    icon.SetLcdMarker(3, "A marker of twenty-four");
    icon.SetLcdMarker(32, "outside");
    EXPECT_EQ(icon.GetDescription(), "A description of 27 ");
    EXPECT_EQ(icon.GetSavedFileName(), std::string(63, 'f'));
    EXPECT_EQ(icon.GetLcdMarker(3), "A marker of twenty-");
    EXPECT_EQ(icon.GetLcdMarker(32), "");

    const Bytes bytes = Store(icon);
    EXPECT_EQ(bytes.at(kDescription + 20), 0);
    EXPECT_EQ(bytes.at(kDescription + 21), 0);
    EXPECT_EQ(bytes.at(kSavedFileName + 62), 'f');
    EXPECT_EQ(bytes.at(kSavedFileName + 63), 0);
}

TEST(CGlobalIconTest, ReadingCutsALongDescriptionTo20)
{
    Bytes bytes = RecordWithTail(0, {0});
    for (std::size_t i = 0; i < 21; ++i)
        bytes.at(kDescription + i) = 'd';
    CGlobalIcon icon;
    ASSERT_TRUE(std::holds_alternative<std::size_t>(icon.LoadRecord(bytes)));
    EXPECT_EQ(icon.GetDescription(), std::string(20, 'd'));
}

TEST(CGlobalIconTest, ReadingCutsALongMarkerTo19AndSkipsTheWholeText)
{
    const Bytes bytes = RecordWithTail(0, Concat({Text("Twenty-six characters long"), Text("next"), {0}}));
    CGlobalIcon icon;
    const auto loaded = icon.LoadRecord(bytes);
    ASSERT_TRUE(std::holds_alternative<std::size_t>(loaded));
    EXPECT_EQ(std::get<std::size_t>(loaded), bytes.size());
    EXPECT_EQ(icon.GetLcdMarker(0), "Twenty-six characte");
    EXPECT_EQ(icon.GetLcdMarker(1), "next");
    EXPECT_EQ(icon.GetOptionFlags() & CGlobalIcon::kLcdMarkersPresent, CGlobalIcon::kLcdMarkersPresent);
}

TEST(CGlobalIconTest, ModuleOfAnotherTypeIsLeftOutAndItsMaskBitCleared)
{
    CGlobalIcon icon({20, 20, 52, 52}, PollWith({{1, 0}, {2, 7}, {4, 1}}), 0, 0, 0);
    EXPECT_EQ(icon.GetModuleMask(), 0x0016);

    const Bytes bytes = Store(icon);
    EXPECT_EQ(U16At(bytes, kModuleMask), 0x0012);
    EXPECT_EQ(Bytes(bytes.begin() + kTail, bytes.end()),
        Concat({{6, 0, 60, 0, 0x01, 0x10}, {6, 1, 60, 0, 0x04, 0x10}, {0, 0}}));

    CGlobalIcon copy;
    ASSERT_TRUE(std::holds_alternative<std::size_t>(copy.LoadRecord(bytes)));
    EXPECT_EQ(copy.GetModuleMask(), 0x0012);
    EXPECT_EQ(copy.GetModuleDescriptor(4), (ModuleDescriptor{6, 1, 60, 0x1004}));
}

TEST(CGlobalIconTest, ZeroInADescriptorsPlaceEndsTheTail)
{
    // Slots 0 and 1 present; slot 0 has its descriptor, then the end byte.
    const Bytes bytes = RecordWithTail(0x0003, {6, 1, 10, 0, 20, 0, 0});
    CGlobalIcon icon;
    const auto loaded = icon.LoadRecord(bytes);
    ASSERT_TRUE(std::holds_alternative<std::size_t>(loaded));
    EXPECT_EQ(std::get<std::size_t>(loaded), bytes.size());
    EXPECT_EQ(icon.GetModuleDescriptor(0), (ModuleDescriptor{6, 1, 10, 20}));
    EXPECT_EQ(icon.GetModuleDescriptor(1), ModuleDescriptor{});
    EXPECT_EQ(icon.GetLcdMarker(0), "");
}

TEST(CGlobalIconTest, RefusesDescriptorLengthsOtherThanZeroAndSix)
{
    for (const int length : {1, 5, 7, 12, int{'S'}, 0xFF}) {
        const Bytes descriptor{static_cast<std::uint8_t>(length), 0, 60, 0, 0, 0};
        const Bytes bytes = RecordWithTail(0x0001, Concat({descriptor, Text("Start"), {0}}));
        CGlobalIcon icon;
        const auto loaded = icon.LoadRecord(bytes);
        ASSERT_TRUE(std::holds_alternative<RecordError>(loaded)) << "length " << length;
        const RecordError& error = std::get<RecordError>(loaded);
        EXPECT_EQ(error.kind, RecordErrorKind::BadLength);
        EXPECT_EQ(error.offset, kTail);
        EXPECT_EQ(error.field, "module descriptor length");
    }
}

TEST(CGlobalIconTest, KeepsThirtyTwoMarkersAndRefusesMore)
{
    CGlobalIcon icon;
    for (int slot = 0; slot < CGlobalIcon::kMarkerCount; ++slot)
        icon.SetLcdMarker(slot, "m" + std::to_string(slot));
    icon.SetOptionFlags(icon.GetOptionFlags() | CGlobalIcon::kLcdMarkersPresent);  // as reading sets it
    const Bytes bytes = Store(icon);
    CGlobalIcon copy;
    ASSERT_TRUE(std::holds_alternative<std::size_t>(copy.LoadRecord(bytes)));
    EXPECT_EQ(copy.GetLcdMarker(31), "m31");
    EXPECT_EQ(Store(copy), bytes);

    Bytes tail;
    for (int i = 0; i <= CGlobalIcon::kMarkerCount; ++i)
        tail = Concat({tail, Text("x")});
    tail.push_back(0);
    const auto loaded = copy.LoadRecord(RecordWithTail(0, tail));
    ASSERT_TRUE(std::holds_alternative<RecordError>(loaded));
    EXPECT_EQ(std::get<RecordError>(loaded).kind, RecordErrorKind::BadCount);
    EXPECT_EQ(std::get<RecordError>(loaded).offset, kTail + 2 * CGlobalIcon::kMarkerCount);
}

TEST(CGlobalIconTest, RefusesTruncationAtEveryLength)
{
    // Two markers of different parity, so that the cuts in the tail fall on
    // even and odd offsets alike.
    for (const std::string marker : {"ab", "abc"}) {
        CGlobalIcon icon({20, 20, 52, 52}, PollWith({{0, 0}}), 0, 0, 0);
        icon.SetLcdMarker(0, marker);
        const Bytes good = Store(icon);
        const std::size_t content = kTail + 6 + marker.size() + 1 + 1;  // before any pad byte
        ASSERT_EQ(good.size(), content + content % 2);

        for (std::size_t n = 0; n < content; ++n) {
            // Cut, with the length word saying the cut length where it fits.
            Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
            if (n >= 2)
                PutU16(cut, 0, static_cast<std::uint16_t>(n));
            CGlobalIcon copy;
            const auto loaded = copy.LoadRecord(cut);
            ASSERT_TRUE(std::holds_alternative<RecordError>(loaded)) << marker << " cut at " << n;
            EXPECT_LE(std::get<RecordError>(loaded).offset, n);
        }
    }
}

}  // namespace
}  // namespace c_global_icon_test
}  // namespace corvane
