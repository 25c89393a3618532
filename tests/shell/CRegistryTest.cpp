#include "shell/CRegistry.h"

#include "ScratchFolder.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {
namespace c_registry_test {
namespace {

constexpr std::string_view kKey = "Software\\Tarnwick\\Corvane\\Test";

std::optional<SettingsValue> Stored(const SettingsStore& store, std::string_view name)
{
    return store.GetValue(kKey, name);
}

TEST(CRegistryTest, ValuesRoundTripThroughTheSettingsFile)
{
    test::ScratchFolder scratch;
    const auto path = scratch.Path() / "settings.ini";
    {
        SettingsStore store;
        (void)store.Load(path);
        CRegistry key(store, CRegistry::kCreate);
        ASSERT_TRUE(key.Open(kKey));
        EXPECT_TRUE(key["Text"].SetString("caf\xC3\xA9"));
        EXPECT_TRUE(key["Number"].SetDword(4000000000u));
        const std::array<std::uint8_t, 3> bytes = {1, 0, 0xFF};
        EXPECT_TRUE(key["Bytes"].SetBinary(bytes));
        const char multi[] = "one\0two\0";
        EXPECT_TRUE(key["List"].SetMulti(std::span<const char>(multi, sizeof multi)));
    }
    SettingsStore store;
    (void)store.Load(path);
    CRegistry key(store);
    ASSERT_TRUE(key.Open(kKey, CRegistry::kQueryValue));
    ASSERT_EQ(key.Count(), 4u);
    EXPECT_EQ(key.At(0).Name(), "Text");
    EXPECT_EQ(key.At(3).Name(), "List");
    EXPECT_EQ(key["text"].GetString(), "caf\xC3\xA9");
    EXPECT_EQ(key["Number"].GetDword(), 4000000000u);
    EXPECT_EQ(key["Number"].GetString(), "4000000000");
    EXPECT_EQ(key["Bytes"].GetBinaryBytes(), (std::vector<std::uint8_t>{1, 0, 0xFF}));
    EXPECT_EQ(key["List"].MultiStrings(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(key["List"].MultiLength(), 9u);
    EXPECT_EQ(key["List"].GetType(), CRegEntry::Type::Multi);
}

TEST(CRegistryTest, StringsAreCutTo2047BytesAtACharacterBoundary)
{
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate);
    ASSERT_TRUE(key.Open(kKey));
    (void)key["Long"].SetString(std::string(3000, 'a'));
    EXPECT_EQ(key["Long"].GetString().size(), 2047u);
    EXPECT_EQ(Stored(store, "Long")->AsString()->size(), 2047u);
    // A two-byte character straddling the limit is dropped whole.
    (void)key["Wide"].SetString(std::string(2046, 'a') + "\xC3\xA9");
    EXPECT_EQ(key["Wide"].GetString(), std::string(2046, 'a'));
    // A value stored longer (edited by hand) is cut when read in.
    ASSERT_FALSE(store.SetValue(kKey, "Edited", SettingsValue::String(std::string(5000, 'b'))));
    CRegistry again(store);
    ASSERT_TRUE(again.Open(kKey));
    EXPECT_EQ(again["Edited"].GetString().size(), 2047u);
}

TEST(CRegistryTest, GetDwordConvertsTextsAndBinaryValues)
{
    struct Case {
        SettingsValue value;
        std::uint32_t expected;
    };
    const std::vector<Case> cases = {
        {SettingsValue::String("0x1388"), 5000},
        {SettingsValue::String("  5000ms"), 5000},
        {SettingsValue::String("010"), 8},
        {SettingsValue::String("0x"), 0},
        {SettingsValue::String("-1"), 0xFFFFFFFFu},
        {SettingsValue::String("99999999999"), 0xFFFFFFFFu},
        {SettingsValue::String("text"), 0},
        {SettingsValue::Binary({0x88, 0x13, 0, 0, 0x55}), 5000},
        {SettingsValue::Binary({0x88, 0x13}), 5000},
        {SettingsValue::Binary({0xFF}), 0xFF},
        {SettingsValue::Multi({"12"}), 0},
    };
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(kKey));
    for (std::size_t i = 0; i < cases.size(); ++i)
        ASSERT_FALSE(store.SetValue(kKey, "V" + std::to_string(i), cases[i].value));
    CRegistry key(store);
    ASSERT_TRUE(key.Open(kKey));
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(key["V" + std::to_string(i)].GetDword(), cases[i].expected) << "case " << i;
}

TEST(CRegistryTest, ToIntReadsTextsAsDecimalAndNumbersAsTheyAre)
{
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate);
    ASSERT_TRUE(key.Open(kKey));
    (void)key["A"].SetString(" -42x");
    (void)key["B"].SetString("0x10");
    (void)key["C"].SetDword(7);
    (void)key["D"].SetString("99999999999");
    EXPECT_EQ(key["A"].ToInt(), -42);
    EXPECT_EQ(key["B"].ToInt(), 0);
    EXPECT_EQ(key["C"].ToInt(), 7);
    EXPECT_EQ(key["D"].ToInt(), 2147483647);
    EXPECT_EQ(key["Missing"].ToInt(), 0);
    EXPECT_FALSE(key["Missing"].Exists());
}

TEST(CRegistryTest, MultiStringsAreSizedToTheirDataAndCopiedWithinBounds)
{
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate);
    ASSERT_TRUE(key.Open(kKey));
    CRegEntry& list = key["List"];
    // Far more than the old fixed 2048 bytes.
    for (std::size_t i = 0; i < 40; ++i)
        ASSERT_TRUE(list.MultiSetAt(i, std::string(100, static_cast<char>('a' + i % 26))));
    EXPECT_EQ(list.MultiCount(), 40u);
    EXPECT_EQ(list.MultiLength(), 40u * 101u + 1u);
    EXPECT_EQ(store.GetValue(kKey, "List")->AsMulti()->size(), 40u);
    ASSERT_TRUE(list.MultiSetAt(1, "second"));
    ASSERT_TRUE(list.MultiRemoveAt(0));
    EXPECT_EQ(list.MultiGetAt(0), "second");
    EXPECT_EQ(list.MultiGetAt(99), "");
    EXPECT_FALSE(list.MultiSetAt(99, "gap"));

    CRegEntry& small = key["Small"];
    const char data[] = "ab\0cd\0";
    (void)small.SetMulti(std::span<const char>(data, sizeof data));
    std::array<char, 6> exact{};
    EXPECT_EQ(small.GetMulti(exact), 6u);
    EXPECT_EQ(std::string(exact.data(), 6), std::string("ab\0cd\0", 6));
    // "ab" fits, "cd" is cut to "c", and the closing NUL always fits.
    std::array<char, 5> cut{};
    EXPECT_EQ(small.GetMulti(cut), 5u);
    EXPECT_EQ(std::string(cut.data(), 5), std::string("ab\0c\0", 5));
    std::array<char, 1> tiny{'#'};
    EXPECT_EQ(small.GetMulti(tiny), 1u);
    EXPECT_EQ(tiny[0], '\0');
    std::array<char, 4> none{'#', '#', '#', '#'};
    EXPECT_EQ(key["Absent"].GetMulti(none), 1u);
    EXPECT_EQ(none[0], '\0');
}

TEST(CRegistryTest, SetMultiParsesNulSeparatedDataWithoutReadingPastIt)
{
    struct Case {
        std::string data;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {std::string("a\0b\0\0", 5), {"a", "b"}},
        {std::string("a\0\0b\0\0", 6), {"a", "", "b"}},
        {std::string("abc", 3), {"abc"}},  // no closing NUL: stops at the length
        {std::string("\0", 1), {""}},
        {std::string(), {}},
    };
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate);
    ASSERT_TRUE(key.Open(kKey));
    for (const Case& c : cases) {
        (void)key["M"].SetMulti(std::span<const char>(c.data.data(), c.data.size()));
        EXPECT_EQ(key["M"].MultiStrings(), c.expected) << c.data.size();
    }
}

TEST(CRegistryTest, OpeningAnotherKeyDropsTheCachedEntries)
{
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate);
    ASSERT_TRUE(key.Open(kKey));
    (void)key["Only"].SetDword(1);
    ASSERT_TRUE(key.Open("Software\\Tarnwick\\Other"));
    EXPECT_EQ(key.Count(), 0u);
    EXPECT_FALSE(key["Only"].Exists());
    // Reopening the same key (any case) keeps them.
    ASSERT_TRUE(key.Open("software\\tarnwick\\OTHER"));
    EXPECT_EQ(key.Count(), 1u);
}

TEST(CRegistryTest, AMissingKeyYieldsNoEntriesAndSkipsWrites)
{
    SettingsStore store;
    CRegistry key(store);
    EXPECT_FALSE(key.Open(kKey));
    EXPECT_FALSE(key["Value"].SetDword(3));
    EXPECT_TRUE(key["Value"].Exists()) << "the cache takes the value anyway";
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_FALSE(CRegistry::KeyExists(store, kKey));
}

TEST(CRegistryTest, AKeyOpenedForReadingOnlyWritesNothing)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(kKey));
    CRegistry key(store);
    ASSERT_TRUE(key.Open(kKey, CRegistry::kQueryValue));
    EXPECT_FALSE(key["Value"].SetString("x"));
    EXPECT_FALSE(Stored(store, "Value"));
}

TEST(CRegistryTest, AutoOpenWritesAndRefreshOnReadSeesOtherWriters)
{
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate | CRegistry::kAutoOpen | CRegistry::kRefreshOnRead);
    ASSERT_TRUE(key.Open(kKey));
    EXPECT_FALSE(key.IsOpen()) << "closed between accesses";
    EXPECT_TRUE(key["Value"].SetDword(1));
    EXPECT_FALSE(key.IsOpen());
    ASSERT_FALSE(store.SetValue(kKey, "Value", SettingsValue::Dword(2)));
    EXPECT_EQ(key["Value"].GetDword(), 2u);
}

TEST(CRegistryTest, DeleteKeyRemovesTheKeyWithItsSubkeys)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(std::string(kKey) + "\\Child\\Grandchild"));
    CRegistry key(store);
    ASSERT_TRUE(key.Open(kKey));
    EXPECT_TRUE(key.SubKeyExists("Child"));
    EXPECT_TRUE(key.DeleteKey());
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_TRUE(store.KeyExists("Software\\Tarnwick\\Corvane"));
}

TEST(CRegistryTest, DeleteRemovesOneValueAndEmptyBinaryChangesNothing)
{
    SettingsStore store;
    CRegistry key(store, CRegistry::kCreate);
    ASSERT_TRUE(key.Open(kKey));
    (void)key["Gone"].SetDword(1);
    EXPECT_TRUE(key["Gone"].Delete());
    EXPECT_FALSE(Stored(store, "Gone"));
    EXPECT_FALSE(key["Bin"].SetBinary({}));
    EXPECT_FALSE(key["Bin"].Exists());
    std::array<std::uint8_t, 2> out{};
    EXPECT_EQ(key["Bin"].GetBinary(out), 0u);
}

}  // namespace
}  // namespace c_registry_test
}  // namespace corvane
