#include "MiscIconTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CMathIcon.h"
#include "icons/function/RegisterMathIcon.h"
#include "icons/math/CMathCompiler.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"

#include <string>
#include <vector>

namespace corvane {
namespace c_math_icon_test {
namespace {

using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};
constexpr std::size_t kTailOffset = 120;

// A math record with the given tail fields, as a placed icon writes it.
std::vector<std::uint8_t> MathRecord(std::uint16_t id, const std::vector<std::uint8_t>& tail)
{
    RecordBytes bytes;
    bytes.Header(static_cast<std::uint16_t>(kTailOffset + tail.size()), id, 273, kX, kY, 4, 1, "Math")
        .U16(0xF000)
        .U16(0xFFFF);
    for (int input = 0; input < 4; ++input)
        bytes.Link(2);
    bytes.Output(2);
    std::vector<std::uint8_t> record = bytes.Bytes();
    record.insert(record.end(), tail.begin(), tail.end());
    return record;
}

// A tail: code length, code, text length, text.
std::vector<std::uint8_t> Tail(
    std::uint16_t codeLength, std::vector<std::uint8_t> code, std::uint16_t textLength, std::string_view text)
{
    std::vector<std::uint8_t> tail{static_cast<std::uint8_t>(codeLength), static_cast<std::uint8_t>(codeLength >> 8)};
    tail.insert(tail.end(), code.begin(), code.end());
    tail.push_back(static_cast<std::uint8_t>(textLength));
    tail.push_back(static_cast<std::uint8_t>(textLength >> 8));
    tail.insert(tail.end(), text.begin(), text.end());
    tail.resize(tail.size() + (textLength - text.size()), 0);
    return tail;
}

std::vector<std::uint8_t> Compiled(std::string_view equation)
{
    MathCompileResult result;
    CMathCompiler compiler;
    EXPECT_EQ(compiler.Compile(equation, kMathFloatMode, result), kMathErrorNone) << equation;
    const auto code = result.Code();
    return {code.begin(), code.end()};
}

class MathIconRecords : public test::FunctionIconNetTest {};

TEST_F(MathIconRecords, PlacedIconWritesItsRecordAndLoadsItBackUnchanged)
{
    auto& math = test::Place<CMathIcon>(doc, kDrop);
    EXPECT_EQ(math.BitmapId(), res::kBitmapMath);
    EXPECT_EQ(math.Caption(), "Math");
    EXPECT_EQ(math.InputCount(), 4);
    EXPECT_EQ(math.OutputCount(), 1);
    EXPECT_TRUE(math.EnableInput().IsActive());
    EXPECT_FALSE(math.TriggerInput().IsActive());
    EXPECT_NE(math.LabelFlags() & label_flag::kKeepExisting, 0);
    EXPECT_TRUE(math.Scaling().IsUndefined());
    // No code and an empty text: L = 0, T = 2 (the NUL and a pad byte).
    const std::vector<std::uint8_t> saved = Saved(math);
    EXPECT_EQ(saved, MathRecord(math.UniqueId(), Tail(0, {}, 2, "")));

    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassName(), "CMathIcon");
    EXPECT_EQ(loaded->BitmapId(), res::kBitmapMath);
    EXPECT_EQ(loaded->TotalInputs(), 4);
    EXPECT_TRUE(loaded->EnableInput().IsActive());
    EXPECT_EQ(Saved(*loaded), saved);
}

TEST_F(MathIconRecords, EquationAndCodeSurviveTheRecordPaddedToEvenLengths)
{
    struct Case {
        std::string equation;
        std::uint16_t codeLength;  // stored, even
        std::uint16_t textLength;  // stored, even
    };
    const std::vector<Case> cases{
        {"", 2, 2},                            // the terminator alone and a pad byte
        {"-W", 4, 4},                          // 'W' '_' 0 and a pad byte
        {"W+1", 8, 4},                         // 'W' '#' 3F 80 00 00 '+' 0
        {std::string(99, ' ') + "X", 2, 102},  // exactly 100 characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.equation);
        auto& math = test::Place<CMathIcon>(doc, kDrop);
        const std::vector<std::uint8_t> code = Compiled(c.equation);
        math.SetCode(code);
        math.SetEquation(c.equation);
        math.SetOutputWhen(CMathIcon::kWhenY);
        const auto saved = Saved(math);
        std::vector<std::uint8_t> storedCode = code;
        storedCode.resize(c.codeLength, 0);
        auto expected = MathRecord(math.UniqueId(), Tail(c.codeLength, storedCode, c.textLength, c.equation));
        expected[72] = 0x00;
        expected[73] = 0x40;
        EXPECT_EQ(saved, expected);

        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        const auto& back = dynamic_cast<const CMathIcon&>(*loaded);
        EXPECT_EQ(back.Equation(), c.equation);
        EXPECT_EQ(back.OutputWhen(), CMathIcon::kWhenY);
        EXPECT_EQ(std::vector<std::uint8_t>(back.Code().begin(), back.Code().end()), storedCode);
        EXPECT_EQ(Saved(*loaded), saved);
    }
}

TEST_F(MathIconRecords, RefusesTailLengthsBeyondTheirFieldsAndTakesTheLargestOnes)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> tail;
        bool accepted;
        std::size_t errorOffset;
    };
    const std::vector<std::uint8_t> fullCode(128, 'W');
    const std::vector<Case> cases{
        {"code of 128 bytes", Tail(128, fullCode, 2, ""), true, 0},
        {"code of 130 bytes", Tail(130, std::vector<std::uint8_t>(130, 'W'), 2, ""), false, kTailOffset},
        {"odd code length", Tail(3, {'W', '_', 0, 0}, 2, ""), false, kTailOffset},
        {"huge code length", Tail(0xFFFE, {}, 2, ""), false, kTailOffset},
        {"text of 102 bytes", Tail(2, {'X', 0}, 102, std::string(101, 'x')), true, 0},
        {"text of 104 bytes", Tail(2, {'X', 0}, 104, std::string(103, 'x')), false, kTailOffset + 4},
        {"huge text length", Tail(2, {'X', 0}, 0xFFFE, ""), false, kTailOffset + 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto record = MathRecord(9, c.tail);
        auto icon = doc.CreateIcon(273, 0);
        ASSERT_NE(icon, nullptr);
        const auto error = doc.LoadIconFromRecord(icon, record, 273, 0, false);
        EXPECT_EQ(!error.has_value(), c.accepted);
        if (!c.accepted && error) {
            EXPECT_EQ(error->offset, c.errorOffset);
        }
    }
}

TEST_F(MathIconRecords, TextWithoutItsNulIsCutToTheEquationLimit)
{
    const auto loaded = Load(MathRecord(9, Tail(2, {'X', 0}, 102, std::string(102, 'x'))));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(dynamic_cast<const CMathIcon&>(*loaded).Equation(), std::string(100, 'x'));
}

TEST_F(MathIconRecords, RejectsTruncatedRecordsAtEveryLength)
{
    auto& math = test::Place<CMathIcon>(doc, kDrop);
    math.SetCode(Compiled("W+1"));
    math.SetEquation("W+1");
    const auto saved = Saved(math);
    for (std::size_t cut = 0; cut < saved.size(); ++cut) {
        const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
        auto icon = doc.CreateIcon(273, 0);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, 273, 0, false).has_value()) << "cut at " << cut;
    }
}

TEST_F(MathIconRecords, StoredInputCountIsAlwaysFour)
{
    auto record = MathRecord(9, Tail(2, {'X', 0}, 2, ""));
    record[10] = 2;
    const auto loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->TotalInputs(), 4);
    EXPECT_EQ(Saved(*loaded)[10], 4);
}

TEST_F(MathIconRecords, IconsOfTheFactoryReachTheLibraryStoreOnlyWhenRegisteredWithIt)
{
    EXPECT_EQ(dynamic_cast<CMathIcon&>(*doc.CreateIcon(273, 0)).LibraryStore(), nullptr);
    SettingsStore store;
    IconFactory withLibrary = test::FunctionIconFactory();
    RegisterMathIcon(withLibrary, store);
    const auto icon = withLibrary.Create(273, 0);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(dynamic_cast<CMathIcon&>(*icon).LibraryStore(), &store);
}

class MathIconChecks : public test::FunctionIconNetTest {};

TEST_F(MathIconChecks, WarnsOnceForTheFirstUsedVariableWithoutASource)
{
    struct Case {
        std::string equation;
        std::vector<int> linked;  // inputs with a source
        std::string warning;      // empty: none
    };
    const std::string unconnected = "Math Equation contains the variable %, but the % input is not connected.";
    const auto warning = [&](char v) {
        std::string text = unconnected;
        for (char& c : text)
            if (c == '%')
                c = v;
        return text;
    };
    const std::vector<Case> cases{
        {"EXP(W)", {0}, ""},
        {"ZERO(W)", {0}, ""},
        {"zero(w) + exp(w)", {0}, ""},
        {"W + X", {0}, warning('X')},
        {"w * y", {}, warning('W')},
        {"SQRT(X^2 + Y^2)", {1}, warning('Y')},
        {"z", {0, 1, 2}, warning('Z')},
        {"W + X + Y + Z", {0, 1, 2, 3}, ""},
        {"10", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.equation);
        Prompts().messageBoxes.clear();
        auto& math = test::Place<CMathIcon>(doc, kDrop);
        math.SetEquation(c.equation);
        for (const int input : c.linked)
            test::Link(test::Place<CConstIcon>(doc, kDrop, res::kBitmapConstant), 0, math, input);
        bool isolated = false;
        math.CheckIconConnections(isolated);
        if (c.warning.empty()) {
            EXPECT_TRUE(Prompts().messageBoxes.empty());
            continue;
        }
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.warning);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Math Icon");
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);
    }
}

TEST_F(MathIconChecks, NeedsOneLinkedInputAndItsOutput)
{
    auto& math = test::Place<CMathIcon>(doc, kDrop);
    auto& next = test::Place<CMathIcon>(doc, kDrop);
    test::Link(math, 0, next, 0);
    bool isolated = false;
    EXPECT_EQ(math.CheckIconConnections(isolated), missing_connection::kDataInput);
    test::Link(test::Place<CConstIcon>(doc, kDrop, res::kBitmapConstant), 0, math, 3);
    EXPECT_EQ(math.CheckIconConnections(isolated), 0);
}

TEST_F(MathIconChecks, InputsHaveTheHitCodesOfWXYZAndTheOutputItsOwn)
{
    auto& math = test::Place<CMathIcon>(doc, kDrop);
    auto& source = test::Place<CConstIcon>(doc, Rect{300, 300, 332, 332}, res::kBitmapConstant);
    for (int input = 0; input < 4; ++input)
        EXPECT_EQ(math.HitTestConnect(math.Input(input).HotRect().Centre(), nullptr, &source.Output(0), &source),
            27 + input);
    auto& next = test::Place<CMathIcon>(doc, Rect{500, 100, 532, 132});
    EXPECT_EQ(math.HitTestConnect(math.Output(0).HotRect().Centre(), nullptr, &next.Input(0), &next),
        connector_hit::kOutput);
}

TEST_F(MathIconChecks, SwappingMovesTheLinksOfXAndYWithTheirEnds)
{
    auto& math = test::Place<CMathIcon>(doc, kDrop);
    auto& first = test::Place<CConstIcon>(doc, Rect{20, 20, 52, 52}, res::kBitmapConstant);
    auto& second = test::Place<CConstIcon>(doc, Rect{20, 300, 52, 332}, res::kBitmapConstant);
    test::Link(first, 0, math, 1);
    test::Link(second, 0, math, 2);
    math.SwapInputsXY();
    EXPECT_EQ(math.GetInputLinks()[1].sourceId, second.UniqueId());
    EXPECT_EQ(math.GetInputLinks()[2].sourceId, first.UniqueId());
    EXPECT_EQ(math.Input(1).LinkEnd(), second.Output(0).GetLinkAnchorPoint());
    EXPECT_EQ(math.Input(2).LinkEnd(), first.Output(0).GetLinkAnchorPoint());
}

}  // namespace
}  // namespace c_math_icon_test
}  // namespace corvane
