#include "icons/function/CLCDtextIcon.h"

#include "MiscIconTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace clc_dtext_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};
constexpr std::uint8_t kNone = 255;

class LcdTextIcon : public test::FunctionIconNetTest {
protected:
    CLCDtextIcon& PlaceLatched() { return Place<CLCDtextIcon>(doc, kDrop, res::kBitmapLcdLatched); }
    CLCDtextIcon& PlaceConditional() { return Place<CLCDtextIcon>(doc, kDrop, res::kBitmapLcdConditional); }
    // A message with one insert on each given line.
    static LcdMessageContext Message(const CLCDtextIcon& icon, std::string text, std::array<int, 3> inserts)
    {
        LcdMessageContext context = icon.MakeEditContext();
        context.message = std::move(text);
        context.lineInserts = inserts;
        return context;
    }
    static std::string Tail(const std::vector<std::uint8_t>& record, std::size_t from)
    {
        return std::string(record.begin() + static_cast<long>(from), record.end());
    }
};

std::vector<std::uint8_t> PlacedLatched(std::uint16_t id)
{
    return RecordBytes()
        .Header(122, id, 64, kX, kY, 2, 0, "LCD Msg-Latched")
        .U16(1)
        .U8(kNone).U8(kNone).U8(kNone).U8(kNone)
        .Link(2)
        .Link(2)
        .Zeros(2)
        .Text("SELECT = Clear Msg  ")
        .Zeros(1 + 4 + 1)
        .Bytes();
}

std::vector<std::uint8_t> PlacedConditional(std::uint16_t id)
{
    return RecordBytes()
        .Header(120, id, 64, kX, kY, 4, 0, "LCD Msg-Conditional")
        .U16(0)
        .U8(kNone).U8(kNone).U8(kNone).U8(kNone)
        .Link(0)
        .Link(2)
        .Link(2)
        .Link(2)
        .Zeros(3 + 6 + 1)
        .Bytes();
}

TEST_F(LcdTextIcon, PlacedMessagesWriteTheirRecordAndLoadItBackUnchanged)
{
    struct Case {
        bool latched;
        std::vector<std::uint8_t> (*expected)(std::uint16_t);
        int bitmap;
        std::uint32_t help;
    };
    for (const Case& c : {Case{true, PlacedLatched, res::kBitmapLcdLatched, 131413},
             Case{false, PlacedConditional, res::kBitmapLcdConditional, 131418}}) {
        SCOPED_TRACE(c.latched ? "latched" : "conditional");
        CLCDtextIcon& icon = c.latched ? PlaceLatched() : PlaceConditional();
        EXPECT_EQ(icon.BitmapId(), c.bitmap);
        EXPECT_EQ(icon.HelpContext(), c.help);
        EXPECT_EQ(icon.Preview(), CLCDtextIcon::kSamplePreview);
        EXPECT_EQ(icon.TriggerInput().IsActive(), c.latched);
        EXPECT_TRUE(icon.EnableInput().IsActive());
        EXPECT_EQ(icon.ExtraInputCount(), c.latched ? 0 : 1);
        EXPECT_EQ(icon.InputCount(), c.latched ? 2 : 3);
        const auto saved = Saved(icon);
        EXPECT_EQ(saved, c.expected(icon.UniqueId()));

        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        const auto& lcd = dynamic_cast<const CLCDtextIcon&>(*loaded);
        EXPECT_EQ(lcd.IsLatched(), c.latched);
        EXPECT_EQ(lcd.BitmapId(), c.bitmap);
        EXPECT_EQ(lcd.Caption(), icon.Caption());
        EXPECT_EQ(loaded->TriggerInput().IsActive(), c.latched);
        EXPECT_EQ(loaded->ExtraInputCount(), icon.ExtraInputCount());
        EXPECT_EQ(loaded->InputCount(), icon.InputCount());
        EXPECT_EQ(Saved(*loaded), saved);
    }
}

TEST_F(LcdTextIcon, RejectsTruncatedRecordsAtEveryLength)
{
    for (CLCDtextIcon* icon : {&PlaceLatched(), &PlaceConditional()}) {
        const auto saved = Saved(*icon);
        const std::uint16_t subtype = SubtypeFromRecord(saved, 64);
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            std::unique_ptr<CCorvaneIcon> loaded = doc.CreateIcon(64, subtype);
            ASSERT_NE(loaded, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(loaded, part, 64, subtype, false).has_value()) << "cut at " << cut;
        }
    }
}

TEST_F(LcdTextIcon, RefusesACorruptedFieldAtItsOffset)
{
    struct Case {
        std::string what;
        std::size_t at;
        std::uint8_t value;
        RecordErrorKind kind;
        std::size_t offset;
        std::string field;
    };
    const std::vector<Case> cases{
        {"input count of a conditional message", 10, 3, RecordErrorKind::BadCount, 10, "input count"},
        {"insert of the select input", 74, 0, RecordErrorKind::BadValue, 74, "insert map"},
        {"insert of a missing input", 76, 4, RecordErrorKind::BadValue, 76, "insert map"},
        {"unused map byte", 77, 7, RecordErrorKind::BadValue, 77, "insert map"},
    };
    const auto saved = Saved(PlaceConditional());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = saved;
        bytes.at(c.at) = c.value;
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(64, 0);
        const auto error = doc.LoadIconFromRecord(icon, bytes, 64, 0, false);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind, c.kind);
        EXPECT_EQ(error->offset, c.offset);
        EXPECT_EQ(error->field, c.field);
    }
}

TEST_F(LcdTextIcon, NumberAndStateInsertsSurviveTheRecord)
{
    CLCDtextIcon& lcd = PlaceConditional();
    auto& number = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    auto& state = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    Link(number, 0, lcd, 1);
    Link(state, 0, lcd, 2);
    EXPECT_TRUE(lcd.IsDataInput(1));
    EXPECT_FALSE(lcd.IsDataInput(2));
    LcdMessageContext context = Message(lcd, "T=^1 C\r\nDoor ^2\r\n100% done\r\n", {1, 2, -1});
    context.inputTexts[1] = {"xx", "x"};
    context.inputTexts[2] = {"shut", "open"};
    lcd.ApplyEditContext(context);
    EXPECT_EQ(lcd.InsertMap(), (std::array<std::uint8_t, 4>{1, 2, kNone, kNone}));

    const auto saved = Saved(lcd);
    const std::size_t tail = 78 + 4 * 8;
    EXPECT_EQ(Tail(saved, tail),
        std::string("T=%3.1f C\0Door %s\0" "100%% done\0xx\0x\0shut\0open\0\0\0", 46));
    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    const auto& back = dynamic_cast<const CLCDtextIcon&>(*loaded);
    EXPECT_EQ(back.Message(), "T=^1 C\r\nDoor ^2\r\n100% done\r\n");
    EXPECT_EQ(back.Preview(), back.Message());
    EXPECT_EQ(back.LineTexts(0), (LcdInsertTexts{"##", "#"})) << "a number's patterns come from its format";
    EXPECT_EQ(back.LineTexts(1), (LcdInsertTexts{"shut", "open"}));
    EXPECT_EQ(back.InsertMap(), lcd.InsertMap());
    // Only the lengths of a number's patterns count: the record keeps its
    // meaning, and a record written from a loaded icon loads unchanged.
    const auto resaved = Saved(*loaded);
    auto expected = saved;
    std::copy_n("##\0#", 4, expected.begin() + static_cast<long>(tail + 29));
    EXPECT_EQ(resaved, expected);
    const auto reloaded = Load(resaved);
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(Saved(*reloaded), resaved);
    const LcdMessageContext edit = back.MakeEditContext();
    EXPECT_EQ(edit.lineInserts, (std::array<int, 3>{1, 2, -1}));
    EXPECT_EQ(edit.inputTexts[2], (LcdInsertTexts{"shut", "open"}));
}

TEST_F(LcdTextIcon, SavingDropsTheInsertOfAnUnlinkedInput)
{
    CLCDtextIcon& lcd = PlaceLatched();
    auto& number = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    Link(number, 0, lcd, 1);
    LcdMessageContext context = Message(lcd, "top\r\nvalue ^1!\r\n", {-1, 1, -1});
    context.inputTexts[1] = {"xxx", ""};
    lcd.ApplyEditContext(context);
    EXPECT_EQ(Tail(Saved(lcd), 78 + 16),
        std::string("top\0value %3.0f!\0SELECT = Clear Msg  \0\0\0xxx\0\0", 46));

    lcd.DisconnectInput(1);
    const auto saved = Saved(lcd);
    EXPECT_EQ(saved[75], kNone) << "line 1 has no insert";
    EXPECT_EQ(lcd.InsertMap()[1], kNone);
    EXPECT_EQ(Tail(saved, 78 + 16), std::string("top\0value !\0SELECT = Clear Msg  \0\0\0\0\0", 38))
        << "its marker, texts and format are gone";
}

TEST_F(LcdTextIcon, BlankNumberFormatIsToldWhenSaving)
{
    CLCDtextIcon& lcd = PlaceConditional();
    Link(Place<CConstIcon>(doc, kDrop, res::kBitmapConstant), 0, lcd, 3);
    lcd.ApplyEditContext(Message(lcd, "n=^3\r\n\r\n\r\n", {3, -1, -1}));
    const auto saved = Saved(lcd);
    EXPECT_EQ(Tail(saved, 78 + 32).substr(0, 8), std::string("n=%1.0f\0", 8));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "The format for LCD Msg-Conditional input #3 was left blank");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Warning");
}

TEST_F(LcdTextIcon, ConnectionFlagsFollowTheVariant)
{
    namespace mc = missing_connection;
    const auto check = [](const CCorvaneIcon& icon) {
        bool isolated = false;
        return icon.CheckIconConnections(isolated);
    };
    CLCDtextIcon& latched = PlaceLatched();
    CLCDtextIcon& conditional = PlaceConditional();
    EXPECT_EQ(check(latched), mc::kIsolated);
    EXPECT_EQ(check(conditional), mc::kIsolated);
    auto& number = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    Link(number, 0, latched, 0);
    Link(number, 0, conditional, 1);
    EXPECT_EQ(check(latched), mc::kTriggerInput);
    EXPECT_EQ(check(conditional), 0) << "the conditional message needs nothing";
    Link(Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, latched, kTriggerSlot);
    EXPECT_EQ(check(latched), 0);
}

TEST_F(LcdTextIcon, InputsTakeTheKindOfTheirSource)
{
    CLCDtextIcon& lcd = PlaceConditional();
    EXPECT_EQ(lcd.Input(0).GetDataType(), data_type::kLogic) << "the select input";
    EXPECT_EQ(lcd.Input(1).GetDataType(), data_type::kData | data_type::kAdapts);
    Link(Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, lcd, 3);
    lcd.BuildConnectors();
    EXPECT_EQ(lcd.Input(3).GetDataType(), data_type::kLogic | data_type::kAdapts);
    EXPECT_FALSE(lcd.IsDataInput(3));
}

}  // namespace
}  // namespace clc_dtext_icon_test
}  // namespace corvane
