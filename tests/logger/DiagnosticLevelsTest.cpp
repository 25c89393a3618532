#include "logger/DiagnosticLevels.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace diagnostic_levels_test {
namespace {

using Levels = DiagnosticLevels::Levels;

TEST(DiagnosticLevels, SetAllLeavesTheSwitchCategoriesAboveErrors)
{
    Levels start{};
    start[0] = 1;  // "stdout -> Log" enabled
    start[15] = 0;
    start[3] = 2;
    const struct {
        std::uint8_t level;
        std::uint8_t category0;
        std::uint8_t category15;
    } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 1, 0}, {3, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int{c.level});
        Levels levels = start;
        DiagnosticLevels::SetAll(levels, c.level);
        for (std::size_t category = 0; category < levels.size(); ++category) {
            if (category == 0)
                EXPECT_EQ(levels[category], c.category0);
            else if (category == 15)
                EXPECT_EQ(levels[category], c.category15);
            else
                EXPECT_EQ(levels[category], c.level) << category;
        }
    }
}

TEST(DiagnosticLevels, AvailabilityAndShownCategoriesFollowTheProductionSetting)
{
    // Without production: the always string; with it, the production ones too.
    std::string available;
    std::string availableInProduction;
    std::string shown;
    std::string shownInProduction;
    for (std::size_t category = 0; category < DiagnosticLevels::kCategoryCount; ++category) {
        available += DiagnosticLevels::IsAvailable(category, false) ? 'y' : 'n';
        availableInProduction += DiagnosticLevels::IsAvailable(category, true) ? 'y' : 'n';
        shown += DiagnosticLevels::IsShown(category, false) ? 'y' : 'n';
        shownInProduction += DiagnosticLevels::IsShown(category, true) ? 'y' : 'n';
    }
    EXPECT_EQ(available, "nynnyyyyyyyyyyynyyyynnnnnnnnyyyy");
    EXPECT_EQ(availableInProduction, "yyyyyyyyyyyyyyyyyyyynnnnnnnnyyyy");
    EXPECT_EQ(shown, available);
    EXPECT_EQ(shownInProduction, availableInProduction);
    EXPECT_FALSE(DiagnosticLevels::IsAvailable(DiagnosticLevels::kCategoryCount, true));
    EXPECT_EQ(DiagnosticLevels::Label(2), "HW Test");
    EXPECT_EQ(DiagnosticLevels::Label(20), "Diag-11");
    EXPECT_EQ(DiagnosticLevels::Label(31), "Diag-00");
}

}  // namespace
}  // namespace diagnostic_levels_test
}  // namespace corvane
