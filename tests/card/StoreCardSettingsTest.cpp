#include "card/StoreCardSettings.h"

#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

namespace corvane {
namespace store_card_settings_test {
namespace {

class StoreCardSettingsTest : public ::testing::Test {
protected:
    StoreCardSettingsTest() { EXPECT_FALSE(store_.CreateKey(kCardSettingsKey)); }
    void Set(const char* name, SettingsValue value)
    {
        EXPECT_FALSE(store_.SetValue(kCardSettingsKey, name, std::move(value)));
    }

    SettingsStore store_;
    StoreCardSettings settings_{store_, "/home/ann/.local/share/Tarnwick/Corvane"};
};

TEST_F(StoreCardSettingsTest, MissingValuesReadAsUnset)
{
    EXPECT_EQ(settings_.Drive(), "");
    EXPECT_EQ(settings_.OutputSplitLimit(), 0u);
}

TEST_F(StoreCardSettingsTest, ReadsTheMountPointAndTheSplitLimitEachTime)
{
    Set("DriveLetter", SettingsValue::String("/media/card"));
    Set("OutputFileSizeLimit", SettingsValue::Dword(65536));
    EXPECT_EQ(settings_.Drive(), "/media/card");
    EXPECT_EQ(settings_.OutputSplitLimit(), 0u);  // splitting is off
    Set("LimitOutputFileSize", SettingsValue::Dword(1));
    EXPECT_EQ(settings_.OutputSplitLimit(), 65536u);
    Set("driveletter", SettingsValue::String("/media/other"));
    EXPECT_EQ(settings_.Drive(), "/media/other");
}

TEST_F(StoreCardSettingsTest, ValuesOfAnotherTypeReadAsUnset)
{
    Set("DriveLetter", SettingsValue::Dword(5));
    Set("LimitOutputFileSize", SettingsValue::String("1"));
    Set("OutputFileSizeLimit", SettingsValue::Dword(4096));
    EXPECT_EQ(settings_.Drive(), "");
    EXPECT_EQ(settings_.OutputSplitLimit(), 0u);
}

}  // namespace
}  // namespace store_card_settings_test
}  // namespace corvane
