#include "platform/WindowPlacement.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace window_placement_test {
namespace {

constexpr std::string_view kKey = "Software\\Tarnwick\\Corvane";

std::string StringValue(const SettingsStore& store, std::string_view name)
{
    const auto value = store.GetValue(kKey, name);
    return value && value->AsString() != nullptr ? *value->AsString() : std::string("<none>");
}

TEST(WindowPlacementTest, RoundTripThroughTheSettingsFile)
{
    test::ScratchFolder folder;
    const std::filesystem::path file = folder.Path() / "settings.ini";
    for (const WindowPlacement& placement :
        {WindowPlacement{{120, 90, 820, 610}, false}, WindowPlacement{{-8, -8, 1288, 1000}, true}}) {
        {
            SettingsStore store;
            (void)store.Load(file);
            ASSERT_FALSE(SaveWindowPlacement(store, kKey, placement));
        }
        SettingsStore reread;
        ASSERT_EQ(reread.Load(file).status, SettingsLoadStatus::Loaded);
        EXPECT_EQ(LoadWindowPlacement(reread, kKey), placement);
        EXPECT_EQ(StringValue(reread, "WindowPosMaximized"), placement.maximized ? "1" : "0");
        EXPECT_EQ(StringValue(reread, "WindowPosWidth"), std::to_string(placement.normal.Width()));
    }
}

struct StoredCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> values;
    WindowPlacement expected;
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }

class StoredPlacement : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredPlacement, ReadsAsTheProgramDoes)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(kKey));
    for (const auto& [name, text] : GetParam().values)
        ASSERT_FALSE(store.SetValue(kKey, name, SettingsValue::String(text)));
    EXPECT_EQ(LoadWindowPlacement(store, kKey), GetParam().expected);
}

using V = std::vector<std::pair<const char*, const char*>>;

INSTANTIATE_TEST_SUITE_P(Values, StoredPlacement,
    ::testing::Values(
        StoredCase{"Normal",
            V{{"WindowPosX", "10"}, {"WindowPosY", "20"}, {"WindowPosWidth", "300"}, {"WindowPosHeight", "200"},
                {"WindowPosMaximized", "0"}},
            {{10, 20, 310, 220}, false}},
        StoredCase{"MaximizedKeepsItsRectangle",
            V{{"WindowPosX", "10"}, {"WindowPosY", "20"}, {"WindowPosWidth", "300"}, {"WindowPosHeight", "200"},
                {"WindowPosMaximized", "1"}},
            {{10, 20, 310, 220}, true}},
        StoredCase{"MissingFlagIsNormal",
            V{{"WindowPosX", "10"}, {"WindowPosY", "20"}, {"WindowPosWidth", "300"}, {"WindowPosHeight", "200"}},
            {{10, 20, 310, 220}, false}},
        StoredCase{"MissingNumberMaximizes",
            V{{"WindowPosX", "10"}, {"WindowPosWidth", "300"}, {"WindowPosHeight", "200"}, {"WindowPosMaximized", "0"}},
            {{}, true}},
        StoredCase{"NothingStored", V{}, {{}, true}},
        StoredCase{"NumbersReadAsFarAsTheyGo",
            V{{"WindowPosX", " -12px"}, {"WindowPosY", "+7"}, {"WindowPosWidth", "640 wide"},
                {"WindowPosHeight", "480"}},
            {{-12, 7, 628, 487}, false}},
        StoredCase{"NoSizeMaximizes",
            V{{"WindowPosX", "10"}, {"WindowPosY", "20"}, {"WindowPosWidth", "wide"}, {"WindowPosHeight", "200"}},
            {{}, true}},
        StoredCase{"HugeNumbersStayInRange",
            V{{"WindowPosX", "5"}, {"WindowPosY", "-99999999999999999999"}, {"WindowPosWidth", "10"},
                {"WindowPosHeight", "10"}},
            {{5, -2147483647 - 1, 15, -2147483647 + 9}, false}},
        StoredCase{"PastTheEdgeOfTheRangeMaximizes",
            V{{"WindowPosX", "99999999999999999999"}, {"WindowPosY", "0"}, {"WindowPosWidth", "10"},
                {"WindowPosHeight", "10"}},
            {{}, true}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(WindowPlacementTest, ADwordValueIsNotAPlacement)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(kKey));
    for (const char* name : {"WindowPosX", "WindowPosY", "WindowPosWidth", "WindowPosHeight"})
        ASSERT_FALSE(store.SetValue(kKey, name, SettingsValue::Dword(100)));
    EXPECT_EQ(LoadWindowPlacement(store, kKey), (WindowPlacement{{}, true}));
}

}  // namespace
}  // namespace window_placement_test
}  // namespace corvane
