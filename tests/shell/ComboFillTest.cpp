#include "shell/ComboFill.h"

#include "PlatformTestSupport.h"
#include "platform/ComboBoxControl.h"
#include "platform/Dialog.h"

#include <array>

namespace corvane {
namespace combo_fill_test {
namespace {

constexpr int kCombo = 100;
constexpr std::array kComboControls = {
    ControlTemplate{ControlKind::ComboBox, kCombo, "", {10, 10, 120, 24}, control_style::kDropDownList},
};
constexpr DialogTemplate kComboDialog{9102, "Combo", 150, 60, kComboControls};

class ComboFillTest : public test::PlatformTest {
protected:
    ComboFillTest() { EXPECT_TRUE(dialog_.Create()); }

    std::vector<std::string> Items()
    {
        ComboBoxControl& combo = Combo();
        std::vector<std::string> items;
        for (int i = 0; i < combo.GetCount(); ++i)
            items.push_back(combo.GetLBText(i));
        return items;
    }
    ComboBoxControl& Combo() { return *dialog_.GetControlAs<ComboBoxControl>(kCombo); }

    Dialog dialog_{kComboDialog};
};

TEST_F(ComboFillTest, FillsFromATableOrWithNumbers)
{
    constexpr std::array<std::string_view, 4> kLetters = {"A", "B", "", "D"};
    constexpr std::array<std::string_view, 3> kUnits = {"ms", "s", "min"};
    using Strings = std::vector<std::string>;
    struct Case {
        std::span<const std::string_view> table;
        bool numbers;
        int first;
        int last;
        Strings expected;
    };
    const Case cases[] = {
        {kLetters, false, 0, 3, {"A", "B"}},
        {kLetters, false, 3, 3, {"D"}},
        {kUnits, false, 1, 2, {"s", "min"}},
        {kUnits, false, 0, 9, {"ms", "s", "min"}},
        {kUnits, false, -2, 0, {"ms"}},
        {kUnits, false, 2, 1, {}},
        {{}, true, 5, 7, {"5", "6", "7"}},
        {{}, true, -1, 1, {"-1", "0", "1"}},
        {{}, true, 7, 5, {}},
        {{}, true, 2147483646, 2147483647, {"2147483646", "2147483647"}},
    };
    for (const Case& c : cases) {
        Combo().AddString("left over");
        if (c.numbers)
            FillComboBox(Combo(), c.first, c.last);
        else
            FillComboBox(Combo(), c.table, c.first, c.last);
        EXPECT_EQ(Items(), c.expected) << c.first << ".." << c.last;
    }
}

}  // namespace
}  // namespace combo_fill_test
}  // namespace corvane
