#include "CatalogueRowCheck.h"
#include "MiscIconTestSupport.h"

#include "icons/common/FunctionIconCatalogue.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CMultiplexIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CStopIcon.h"
#include "icons/function/CTnoteIcon.h"
#include "netmodel/NetDrawing.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <functional>

namespace corvane {
namespace c_function_icon_test {
namespace {

using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
// A drop rectangle whose placed icon stands at (kX, kY).
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

struct PlacedCase {
    std::string_view what;
    std::function<CCorvaneIcon&(CNetDoc&)> place;
    // The record expected of the placed icon with the given id.
    std::function<std::vector<std::uint8_t>(std::uint16_t id)> expected;
    int bitmapId;
};

std::vector<PlacedCase> PlacedCases()
{
    using test::Place;
    return {
        {"constant", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CConstIcon>(d, kDrop, res::kBitmapConstant); },
            [](std::uint16_t id) {
                return RecordBytes().Header(90, id, 260, kX, kY, 0, 1, "Const").U16(0).U32(0).Output(2).Bytes();
            },
            res::kBitmapConstant},
        {"remote constant",
            [](CNetDoc& d) -> CCorvaneIcon& { return Place<CConstIcon>(d, kDrop, res::kBitmapRemoteConstant); },
            [](std::uint16_t id) {
                return RecordBytes().Header(90, id, 260, kX, kY, 0, 1, "Variable").U16(0x8000).U32(0).Output(2).Bytes();
            },
            res::kBitmapRemoteConstant},
        {"remote switch",
            [](CNetDoc& d) -> CCorvaneIcon& { return Place<CConstIcon>(d, kDrop, res::kBitmapRemoteSwitch); },
            [](std::uint16_t id) {
                return RecordBytes().Header(90, id, 260, kX, kY, 0, 1, "Switch").U16(0xA000).U32(1).Output(0).Bytes();
            },
            res::kBitmapRemoteSwitch},
        {"sample-rate clock", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CSampleRateClockIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(100, id, 2, kX, kY, 1, 1, "Trigger")
                    .U32(200)
                    .U32(2000)
                    .Link(0)
                    .Output(0)
                    .Bytes();
            },
            res::kBitmapSampleRateClock},
        {"stop", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CStopIcon>(d, kDrop); },
            [](std::uint16_t id) { return RecordBytes().Header(80, id, 4, kX, kY, 1, 0, "Stop").Link(0).Bytes(); },
            res::kBitmapStopExecution},
        {"multiplexer", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CMultiplexIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(108, id, 265, kX, kY, 3, 1, "Mux")
                    .Link(0)
                    .Link(2)
                    .Link(2)
                    .Output(2)
                    .Bytes();
            },
            res::kBitmapMultiplexer},
        {"text note", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CTnoteIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes().Header(76, id, 270, kX, kY, 0, 0, "Notes").U16(0).U16(0).Bytes();
            },
            res::kBitmapNoteBody},
    };
}

class FunctionIconRecords : public test::FunctionIconNetTest {};

TEST_F(FunctionIconRecords, PlacedIconsWriteTheirRecordAndLoadItBackUnchanged)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.what));
        CCorvaneIcon& icon = c.place(doc);
        ASSERT_NE(icon.UniqueId(), 0);
        EXPECT_EQ(icon.BitmapId(), c.bitmapId);
        const std::vector<std::uint8_t> saved = Saved(icon);
        EXPECT_EQ(saved, c.expected(icon.UniqueId()));

        const std::unique_ptr<CCorvaneIcon> loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), icon.ClassName());
        EXPECT_EQ(loaded->BitmapId(), c.bitmapId);
        EXPECT_EQ(loaded->Caption(), icon.Caption());
        EXPECT_EQ(Saved(*loaded), saved);
        EXPECT_EQ(loaded->EnableInput().IsActive(), icon.EnableInput().IsActive());
        EXPECT_EQ(loaded->TotalInputs(), icon.TotalInputs());
        EXPECT_EQ(loaded->OutputCount(), icon.OutputCount());
    }
}

TEST_F(FunctionIconRecords, ConstantKindsFollowTheStoredModeWord)
{
    struct Case {
        std::uint16_t stored;
        std::uint16_t normalised;
        CConstIcon::Kind kind;
        int bitmap;
        bool enable;
    };
    const std::vector<Case> cases{
        {0x0000, 0x0000, CConstIcon::Kind::Constant, res::kBitmapConstant, false},
        {0x8000, 0x8000, CConstIcon::Kind::RemoteConstant, res::kBitmapRemoteConstant, true},
        {0xC003, 0xC003, CConstIcon::Kind::RemoteConstant, res::kBitmapRemoteConstant, true},
        {0xE000, 0xE000, CConstIcon::Kind::RemoteSwitch, res::kBitmapRemoteSwitch, true},
        {0x2001, 0x0001, CConstIcon::Kind::Constant, res::kBitmapConstant, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const auto record = RecordBytes().Header(90, 7, 260, kX, kY, 0, 1, "C").U16(c.stored).U32(0).Output(2).Bytes();
        const std::unique_ptr<CCorvaneIcon> icon = Load(record);
        ASSERT_NE(icon, nullptr);
        const auto& constant = dynamic_cast<const CConstIcon&>(*icon);
        EXPECT_EQ(constant.GetKind(), c.kind);
        EXPECT_EQ(constant.ModeWord(), c.normalised);
        EXPECT_EQ(constant.BitmapId(), c.bitmap);
        EXPECT_EQ(icon->EnableInput().IsActive(), c.enable);
    }
}

TEST_F(FunctionIconRecords, ConstantValueAndSwitchStateSurviveTheRecord)
{
    auto& constant = test::Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    constant.SetValue(-12.5F);
    auto loaded = Load(Saved(constant));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(dynamic_cast<CConstIcon&>(*loaded).Value(), -12.5F);

    auto& toggle = test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    toggle.SetSwitchHigh(false);
    loaded = Load(Saved(toggle));
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(dynamic_cast<CConstIcon&>(*loaded).SwitchHigh());
}

TEST_F(FunctionIconRecords, NoteTextIsStoredWithItsZeroAndEvenPadding)
{
    struct Case {
        std::size_t length;
        std::uint16_t recordLength;
    };
    // 250 bytes: a 0 byte (251, odd) and a pad byte; 249: the 0 byte only.
    for (const Case c : {Case{250, 74 + 252}, Case{249, 74 + 250}, Case{0, 74 + 2}, Case{1, 74 + 2}}) {
        SCOPED_TRACE(c.length);
        auto& note = test::Place<CTnoteIcon>(doc, kDrop);
        const std::string text(c.length, 'n');
        note.SetText(text);
        const auto saved = Saved(note);
        ASSERT_EQ(saved.size(), c.recordLength);
        EXPECT_EQ(saved[0] | (saved[1] << 8), c.recordLength);
        EXPECT_EQ(std::string(saved.begin() + 74, saved.begin() + 74 + static_cast<long>(c.length)), text);
        EXPECT_EQ(saved[74 + c.length], 0);
        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(dynamic_cast<CTnoteIcon&>(*loaded).Text(), text);
        EXPECT_EQ(loaded->DrawnText(), text);
    }
    auto& note = test::Place<CTnoteIcon>(doc, kDrop);
    note.SetText(std::string(300, 'x'));
    EXPECT_EQ(note.Text().size(), CTnoteIcon::kTextLimit);
}

TEST_F(FunctionIconRecords, RejectsTruncatedRecordsAtEveryLength)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.what));
        const auto saved = Saved(c.place(doc));
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            const auto type = static_cast<std::uint16_t>(saved[4] | (saved[5] << 8));
            std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, SubtypeFromRecord(saved, type));
            ASSERT_NE(icon, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, type, SubtypeFromRecord(saved, type), false).has_value())
                << "cut at " << cut;
        }
    }
}

TEST_F(FunctionIconRecords, TextNoteHasItsSmallBodyAndOutlineSegment)
{
    auto& note = test::Place<CTnoteIcon>(doc, kDrop);
    EXPECT_EQ(note.Position().Width(), kNoteBodySize.width);
    EXPECT_EQ(note.Position().Height(), kNoteBodySize.height);
    EXPECT_TRUE(note.HasOutlineSegment());
    const auto loaded = Load(Saved(note));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Position().Width(), kNoteBodySize.width);
    EXPECT_EQ(loaded->Position().Height(), kNoteBodySize.height);
}

TEST_F(FunctionIconRecords, ClockKeepsItsSelectorAfterACompiledRecordDroppedIt)
{
    auto& clock = test::Place<CSampleRateClockIcon>(doc, kDrop);
    auto compiled = clock.StoreRecord(TransferMode::Compile);
    const auto& bytes = std::get<std::vector<std::uint8_t>>(compiled);
    ASSERT_EQ(bytes.size(), 92u) << "the unconnected selector is dropped";
    EXPECT_EQ(bytes[10], 0);
    const auto loaded = Load(bytes);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->InputCount(), 1);
    EXPECT_TRUE(loaded->Input(0).IsActive());
    EXPECT_TRUE(loaded->Output(0).IsTrigger());
    EXPECT_EQ(loaded->Output(0).Kind(), connector_kind::kTriggerOutput);
    EXPECT_GT(loaded->Output(0).Position().x, 0) << "the trigger output stands on the right";
}

class FunctionIconChecks : public test::FunctionIconNetTest {};

TEST_F(FunctionIconChecks, ConnectionFlagsFollowEachIconsRequirements)
{
    using test::Link;
    using test::Place;
    namespace mc = missing_connection;
    auto check = [](const CCorvaneIcon& icon) {
        bool isolated = false;
        return icon.CheckIconConnections(isolated);
    };

    auto& lonelyConst = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& lonelyClock = Place<CSampleRateClockIcon>(doc, kDrop);
    auto& lonelyStop = Place<CStopIcon>(doc, kDrop);
    auto& lonelyMux = Place<CMultiplexIcon>(doc, kDrop);
    auto& note = Place<CTnoteIcon>(doc, kDrop);
    EXPECT_EQ(check(lonelyConst), mc::kIsolated);
    EXPECT_EQ(check(lonelyClock), 0) << "a clock may stand alone";
    EXPECT_EQ(check(lonelyStop), mc::kIsolated);
    EXPECT_EQ(check(lonelyMux), mc::kIsolated);
    EXPECT_EQ(check(note), 0);

    auto& a = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& b = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& select = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    auto& mux = Place<CMultiplexIcon>(doc, kDrop);
    auto& stop = Place<CStopIcon>(doc, kDrop);
    Link(a, 0, mux, CMultiplexIcon::kInputA);
    EXPECT_EQ(check(mux), mc::kDataInput | mc::kSelectInput | mc::kDataOutput);
    Link(mux, 0, stop, 0);
    Link(b, 0, mux, CMultiplexIcon::kInputB);
    EXPECT_EQ(check(mux), mc::kSelectInput) << "A and B linked, no select input";
    Link(select, 0, mux, CMultiplexIcon::kSelectInput);
    EXPECT_EQ(check(mux), 0);
    EXPECT_EQ(check(a), 0);
    EXPECT_EQ(check(stop), 0) << "the Stop icon never needs an output";

    auto& halfStop = Place<CStopIcon>(doc, kDrop);
    Link(select, 0, halfStop, kEnableSlot);
    EXPECT_EQ(check(halfStop), mc::kDataInput);
}

TEST_F(FunctionIconChecks, ClockIsASampleRateClockThatCompactsToNothing)
{
    auto& clock = test::Place<CSampleRateClockIcon>(doc, kDrop);
    EXPECT_TRUE(clock.IsSampleRateClock());
    EXPECT_TRUE(clock.Compacts());
    EXPECT_EQ(clock.MinimumInputs(), 0);
    EXPECT_EQ(clock.Output(0).Kind(), connector_kind::kTriggerOutput);
}

TEST_F(FunctionIconChecks, LabelsAlreadyGivenAreKeptByConstantsAndMultiplexers)
{
    for (CCorvaneIcon* icon : std::initializer_list<CCorvaneIcon*>{
             &test::Place<CConstIcon>(doc, kDrop, res::kBitmapConstant), &test::Place<CMultiplexIcon>(doc, kDrop)}) {
        EXPECT_NE(icon->LabelFlags() & label_flag::kKeepExisting, 0) << icon->ClassName();
        const auto loaded = Load(Saved(*icon));
        ASSERT_NE(loaded, nullptr);
        EXPECT_NE(loaded->LabelFlags() & label_flag::kKeepExisting, 0) << icon->ClassName();
    }
}

// Places the icon of a palette cell, as dropping it from the palette does.
CCorvaneIcon* PlaceFromCell(CNetDoc& doc, const FunctionIconInfo& row)
{
    std::unique_ptr<CCorvaneIcon> icon;
    if (row.className == "CConstIcon")
        icon = std::make_unique<CConstIcon>(kDrop, row.bitmapId);
    else if (row.className == "CSampleRateClockIcon")
        icon = std::make_unique<CSampleRateClockIcon>(kDrop);
    else if (row.className == "CStopIcon")
        icon = std::make_unique<CStopIcon>(kDrop);
    else if (row.className == "CMultiplexIcon")
        icon = std::make_unique<CMultiplexIcon>(kDrop);
    else if (row.className == "CTnoteIcon")
        icon = std::make_unique<CTnoteIcon>(kDrop);
    if (!icon)
        return nullptr;
    CCorvaneIcon& placed = *icon;
    doc.AddObject(std::move(icon));
    placed.Layout();
    return &placed;
}

TEST_F(FunctionIconChecks, PlacedIconsMatchTheirCatalogueRows)
{
    int matched = 0;
    for (const FunctionIconInfo& row : FunctionIconCatalogue()) {
        CCorvaneIcon* icon = PlaceFromCell(doc, row);
        if (icon == nullptr)
            continue;
        ++matched;
        SCOPED_TRACE(std::string(row.tooltip));
        EXPECT_EQ(icon->ClassName(), row.className);
        // The note draws its own small picture, not its palette cell's.
        EXPECT_EQ(icon->BitmapId(), row.typeCode == CTnoteIcon::kTypeCode ? res::kBitmapNoteBody : row.bitmapId);
        test::ExpectIconMatchesRow(*icon, row);

        // The checks, alone and once something feeds the enable input.
        test::ExpectChecksFollowRow(*icon, row);
        if (icon->EnableInput().IsActive()) {
            test::Link(test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, *icon, kEnableSlot);
            test::ExpectChecksFollowRow(*icon, row);
        }
    }
    EXPECT_EQ(matched, 7);
}

class FunctionIconNet : public test::FunctionIconNetTest {};

TEST_F(FunctionIconNet, AClockMetAgainThroughItsOwnLoopIsPassedQuietly)
{
    using test::Link;
    using test::Place;
    PlaceProgram(doc);
    auto& always = Place<CSampleRateClockIcon>(doc, kDrop);
    auto& gated = Place<CSampleRateClockIcon>(doc, kDrop);
    auto& mux = Place<CMultiplexIcon>(doc, kDrop);
    auto& a = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& b = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& stop = Place<CStopIcon>(doc, kDrop);
    Link(a, 0, mux, CMultiplexIcon::kInputA);
    Link(b, 0, mux, CMultiplexIcon::kInputB);
    Link(gated, 0, mux, CMultiplexIcon::kSelectInput);
    Link(mux, 0, gated, kEnableSlot);
    Link(mux, 0, stop, 0);
    (void)always;

    std::vector<std::string> messages;
    EXPECT_TRUE(doc.CompileNet(messages, Folder() / "net.quv", CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty()) << messages.front();
    const auto& order = doc.OrderedList();
    EXPECT_EQ(order.size(), 7u) << "every icon is numbered";
    const auto at
        = [&](const CCorvaneIcon& icon) { return std::find(order.begin(), order.end(), &icon) - order.begin(); };
    EXPECT_LT(at(mux), at(gated)) << "the clock's enable source comes first";
}

TEST_F(FunctionIconNet, APlacedNetOfTheseIconsCompiles)
{
    using test::Link;
    using test::Place;
    PlaceProgram(doc);
    auto& mux = Place<CMultiplexIcon>(doc, kDrop);
    auto& stop = Place<CStopIcon>(doc, kDrop);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    auto& constant = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& remote = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteConstant);
    auto& toggle = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    Place<CTnoteIcon>(doc, kDrop).SetText("Mux demo");
    Link(constant, 0, mux, CMultiplexIcon::kInputA);
    Link(remote, 0, mux, CMultiplexIcon::kInputB);
    Link(toggle, 0, mux, CMultiplexIcon::kSelectInput);
    Link(toggle, 0, remote, kEnableSlot);
    Link(mux, 0, stop, 0);
    Link(toggle, 0, clock, 0);

    std::vector<std::string> messages;
    const auto out = Folder() / "net.quv";
    EXPECT_TRUE(doc.CompileNet(messages, out, CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_TRUE(std::filesystem::exists(out));

    const auto& order = doc.OrderedList();
    const auto at
        = [&](const CCorvaneIcon& icon) { return std::find(order.begin(), order.end(), &icon) - order.begin(); };
    EXPECT_EQ(static_cast<std::size_t>(at(clock)), 1u) << "clocks come right after the Program icon";
    EXPECT_LT(at(toggle), at(remote));
    EXPECT_LT(at(remote), at(mux));
    EXPECT_LT(at(mux), at(stop));

    messages.clear();
    doc.CompileNet(messages, out, CompileMode::CheckOnly);
    for (const std::string& line : messages)
        EXPECT_EQ(line.find("Icon"), std::string::npos) << line;
}

}  // namespace
}  // namespace c_function_icon_test
}  // namespace corvane
