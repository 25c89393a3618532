#include "app/ProgramSettings.h"

#include "shell/CRegistry.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace program_settings_test {
namespace {

struct Expected {
    std::string_view key;
    std::string_view name;
    std::uint32_t value;
};

// What a first start writes, in this order, and nothing else.
const std::vector<Expected> kFirstStart = {
    {kProductKey, "LoggerRetryTime", 5000},
    {kProductKey, "SocketTimeout", 5000},
    {kProductKey, "SnapToGrid", 0},
    {kAdminKey, "DontResetLoggerAfterConfigUpdate", 0},
    {kAdminKey, "DontDeleteRawData", 0},
};

TEST(ProgramSettingsTest, AFirstStartCreatesExactlyTheCreatedSettingsAsNumbers)
{
    SettingsStore store;
    const ProgramSettings settings = LoadProgramSettings(store);
    EXPECT_EQ(settings.loggerRetryTime, 5000u);
    EXPECT_EQ(settings.socketTimeout, 5000u);
    EXPECT_EQ(settings.showProduction, 0);
    EXPECT_EQ(settings.sendKeepAlivePing, 0u);

    std::vector<Expected> found;
    for (std::string_view key : {kProductKey, kAdminKey}) {
        for (std::size_t i = 0; i < store.ValueCount(key); ++i) {
            const auto value = store.ValueAt(key, i);
            ASSERT_TRUE(value);
            ASSERT_EQ(value->value.Type(), SettingsType::Dword) << value->name;
            found.push_back({key, "", *value->value.AsDword()});
            EXPECT_EQ(value->name, kFirstStart[found.size() - 1].name);
        }
    }
    ASSERT_EQ(found.size(), kFirstStart.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].key, kFirstStart[i].key);
        EXPECT_EQ(found[i].value, kFirstStart[i].value);
    }
    EXPECT_EQ(store.SubkeyCount(kProductKey), 1u) << "only Admin";
}

TEST(ProgramSettingsTest, TheDefaultsTableMatchesTheFirstStart)
{
    std::size_t created = 0;
    for (const ProgramSettingDefault& setting : kProgramSettingDefaults) {
        if (setting.created) {
            ASSERT_LT(created, kFirstStart.size());
            EXPECT_EQ(setting.name, kFirstStart[created].name);
            EXPECT_EQ(setting.defaultValue, kFirstStart[created].value);
            ++created;
        }
    }
    EXPECT_EQ(created, kFirstStart.size());
}

TEST(ProgramSettingsTest, StoredValuesAreReadAndKept)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(kAdminKey));
    ASSERT_FALSE(store.SetValue(kProductKey, "LoggerRetryTime", SettingsValue::String("0x1388")));
    ASSERT_FALSE(store.SetValue(kProductKey, "SocketTimeout", SettingsValue::Dword(20000)));
    ASSERT_FALSE(store.SetValue(kProductKey, "CommTrace", SettingsValue::Dword(1)));
    ASSERT_FALSE(store.SetValue(kProductKey, "SnapToGrid", SettingsValue::String("1")));
    ASSERT_FALSE(store.SetValue(kAdminKey, "ShowProduction", SettingsValue::Dword(1)));
    ASSERT_FALSE(store.SetValue(kAdminKey, "DontDeleteRawData", SettingsValue::Dword(1)));
    ASSERT_FALSE(store.SetValue(kAdminKey, "SendKeepAlivePing", SettingsValue::Dword(1)));
    const ProgramSettings settings = LoadProgramSettings(store);
    EXPECT_EQ(settings.loggerRetryTime, 5000u);
    EXPECT_EQ(settings.socketTimeout, 20000u);
    EXPECT_EQ(settings.commTrace, 1u);
    EXPECT_EQ(settings.snapToGrid, 1);
    EXPECT_EQ(settings.showProduction, 1);
    EXPECT_EQ(settings.dontDeleteRawData, 1);
    EXPECT_EQ(settings.sendKeepAlivePing, 1u);
    EXPECT_EQ(*store.GetValue(kProductKey, "LoggerRetryTime")->AsString(), "0x1388") << "not rewritten";
    EXPECT_TRUE(ReadDontDeleteRawData(store));
}

TEST(ProgramSettingsTest, SnapToGridAndWindowPositionAreRewritten)
{
    SettingsStore store;
    EXPECT_FALSE(ReadWindowPos(store));
    EXPECT_TRUE(SaveSnapToGrid(store, 1));
    EXPECT_EQ(*store.GetValue(kProductKey, "SnapToGrid")->AsDword(), 1u);
    EXPECT_TRUE(SaveWindowPos(store, {-8, 20, 1024, 700, true}));
    EXPECT_EQ(*store.GetValue(kProductKey, "WindowPosX")->AsString(), "-8");
    EXPECT_EQ(*store.GetValue(kProductKey, "WindowPosMaximized")->AsString(), "1");
    const auto position = ReadWindowPos(store);
    ASSERT_TRUE(position);
    EXPECT_EQ(position->x, -8);
    EXPECT_EQ(position->height, 700);
    EXPECT_TRUE(position->maximized);
}

}  // namespace
}  // namespace program_settings_test
}  // namespace corvane
