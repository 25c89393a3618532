#pragma once

// Helpers of the statistics, buffer, scratchpad, filter and warm-up icon
// tests: placing at a known spot, the record round trip with truncation,
// and driving an icon's own dialog.

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/Control.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace corvane::test {

// A drop rectangle whose placed icon stands at (100, 200).
inline constexpr std::uint16_t kStatsX = 100;
inline constexpr std::uint16_t kStatsY = 200;
inline constexpr Rect kStatsDrop{kStatsX + 8, kStatsY + 8, kStatsX + 40, kStatsY + 40};

class StatsIconTest : public FunctionIconNetTest {
protected:
    // The saved record equals expected, loads back through the net
    // document as the same class with the same bytes, and every shorter
    // prefix is refused.
    void ExpectRecordRoundTrip(CCorvaneIcon& icon, const std::vector<std::uint8_t>& expected)
    {
        const std::vector<std::uint8_t> saved = Saved(icon);
        EXPECT_EQ(saved, expected);
        const std::unique_ptr<CCorvaneIcon> loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), icon.ClassName());
        EXPECT_EQ(loaded->BitmapId(), icon.BitmapId());
        EXPECT_EQ(loaded->TriggerInput().IsActive(), icon.TriggerInput().IsActive());
        EXPECT_EQ(loaded->EnableInput().IsActive(), icon.EnableInput().IsActive());
        EXPECT_EQ(Saved(*loaded), saved);
        const auto type = static_cast<std::uint16_t>((saved[4] | (saved[5] << 8)) & 0x0FFF);
        const std::uint16_t subtype = SubtypeFromRecord(saved, type);
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            std::unique_ptr<CCorvaneIcon> fresh = doc.CreateIcon(type, subtype);
            ASSERT_NE(fresh, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(fresh, part, type, subtype, false).has_value()) << "cut at " << cut;
        }
    }

    static int Check(const CCorvaneIcon& icon)
    {
        bool isolated = false;
        return icon.CheckIconConnections(isolated);
    }

    // Opens the icon's own dialog, lets drive act on it, and returns
    // whether it ended with OK.
    template <class DialogType> bool RunDialog(CCorvaneIcon& icon, const std::function<void(DialogType&)>& drive)
    {
        std::unique_ptr<IconDialog> made = icon.CreateIconDialog();
        auto* dialog = dynamic_cast<DialogType*>(made.get());
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return false;
        ModalDriver driver(*dialog, [&] { drive(*dialog); });
        return dialog->RunModal();
    }

    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(const Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }
    static std::string Text(const Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static bool Enabled(const Dialog& d, int id) { return d.GetControl(id)->IsEnabled(); }
    static void ChooseItem(Dialog& d, int id, int index)
    {
        d.GetControlAs<ComboBoxControl>(id)->SetCurSel(index);
        NotifyEvent event{Notification::SelectionChanged, id};
        d.Notify(event);
    }

    // The texts and captions of the message boxes shown so far.
    std::vector<std::pair<std::string, std::string>> Boxes()
    {
        std::vector<std::pair<std::string, std::string>> boxes;
        for (const auto& box : Prompts().messageBoxes)
            boxes.emplace_back(box.text, box.caption);
        return boxes;
    }
};

}  // namespace corvane::test
