#include "netmodel/CaptionLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace caption_layout_test {
namespace {

// Every character 6 wide, every line 10 tall.
Size MeasureFixed(std::size_t /*caption*/, std::string_view line) { return {6 * static_cast<int>(line.size()), 10}; }

// The rules every layout keeps: nothing left of 0 or above 0, no caption
// over an icon or over another caption.
void ExpectClear(std::span<const CaptionRequest> requests, std::span<const PlacedCaption> placed)
{
    ASSERT_EQ(placed.size(), requests.size());
    for (std::size_t n = 0; n < placed.size(); ++n) {
        const Rect& rect = placed[n].rect;
        if (requests[n].text.empty())
            continue;
        EXPECT_GE(rect.left, 0) << "caption " << n;
        EXPECT_GE(rect.top, 0) << "caption " << n;
        for (std::size_t other = 0; other < requests.size(); ++other) {
            EXPECT_FALSE(rect.Intersects(requests[other].icon)) << "caption " << n << " covers icon " << other;
            if (other != n) {
                EXPECT_FALSE(rect.Intersects(placed[other].rect)) << "caption " << n << " covers caption " << other;
            }
        }
    }
}

struct Expected {
    Rect rect;
    std::vector<std::string> lines;
};

struct LayoutCase {
    const char* name;
    std::vector<CaptionRequest> requests;
    std::vector<Expected> expected;
};

CaptionRequest Under(Rect icon, std::string_view text)
{
    return {icon, {icon.left + icon.Width() / 2, icon.bottom + 2}, text};
}

TEST(CaptionLayout, PlacesCaptionsClearOfEdgesIconsAndEachOther)
{
    const std::vector<LayoutCase> cases{
        {"a wide caption at the left edge starts at 0", {Under({4, 20, 36, 52}, "Global Settings")},
            {{{0, 54, 90, 64}, {"Global Settings"}}}},
        {"a caption above the top comes down to 0", {{{10, -40, 42, -8}, {26, -6}, "Alarm"}},
            {{{11, 0, 41, 10}, {"Alarm"}}}},
        {"an unbreakable caption a little in the way moves aside",
            {Under({100, 20, 132, 52}, "ABCDEFGHIJKL"), Under({177, 20, 209, 52}, "MNOPQRSTUVWX")},
            {{{80, 54, 152, 64}, {"ABCDEFGHIJKL"}}, {{160, 54, 232, 64}, {"MNOPQRSTUVWX"}}}},
        {"an unbreakable caption far in the way moves below its neighbour's",
            {Under({100, 20, 132, 52}, "ABCDEFGHIJKL"), Under({150, 20, 182, 52}, "MNOPQRSTUVWX")},
            {{{80, 54, 152, 64}, {"ABCDEFGHIJKL"}}, {{130, 65, 202, 75}, {"MNOPQRSTUVWX"}}}},
        {"a caption too long for the gap breaks between its words",
            {Under({100, 20, 132, 52}, "Freq Out"), Under({160, 20, 192, 52}, "Digital Outputs")},
            {{{92, 54, 140, 64}, {"Freq Out"}}, {{155, 54, 197, 74}, {"Digital", "Outputs"}}}},
        {"a row of close icons keeps its captions apart",
            {Under({110, 20, 142, 52}, "Vexa-2 Freq Out 1"), Under({200, 20, 232, 52}, "Vexa-2 Freq Out 2"),
                Under({290, 20, 322, 52}, "Vexa-2 Freq Out 3"), Under({380, 20, 412, 52}, "Vexa-2 Freq Out 4")},
            {{{75, 54, 177, 64}, {"Vexa-2 Freq Out 1"}}, {{186, 54, 246, 74}, {"Vexa-2", "Freq Out 2"}},
                {{255, 54, 357, 64}, {"Vexa-2 Freq Out 3"}}, {{366, 54, 426, 74}, {"Vexa-2", "Freq Out 4"}}}},
        {"a caption with no room under its icon moves beside the icon below, never under it",
            {Under({20, 20, 52, 84}, "Analog A"), Under({20, 90, 52, 154}, "")},
            {{{60, 86, 108, 96}, {"Analog A"}}, {{}, {}}}},
    };
    for (const LayoutCase& test : cases) {
        SCOPED_TRACE(test.name);
        const std::vector<PlacedCaption> placed = CaptionLayout::Place(test.requests, MeasureFixed);
        ExpectClear(test.requests, placed);
        ASSERT_EQ(placed.size(), test.expected.size());
        for (std::size_t n = 0; n < placed.size(); ++n) {
            EXPECT_EQ(placed[n].rect, test.expected[n].rect) << "caption " << n;
            EXPECT_EQ(placed[n].lines, test.expected[n].lines) << "caption " << n;
        }
    }
}

TEST(CaptionLayout, KeepsAFullNetOfCloseIconsClear)
{
    // Five hundred icons 50 apart across and 46 apart down, their captions
    // wider than the gaps and only some of them breakable.
    std::vector<std::string> texts;
    std::vector<CaptionRequest> requests;
    for (int row = 0; row < 25; ++row)
        for (int column = 0; column < 20; ++column)
            texts.push_back((row + column) % 3 == 0 ? "Channel " + std::to_string(row * 20 + column) + " Input"
                                                    : "Sensor" + std::to_string(row * 20 + column));
    for (int row = 0; row < 25; ++row)
        for (int column = 0; column < 20; ++column)
            requests.push_back(Under(Rect{5 + 50 * column, 10 + 46 * row, 37 + 50 * column, 42 + 46 * row},
                texts[static_cast<std::size_t>(row * 20 + column)]));
    const std::vector<PlacedCaption> placed = CaptionLayout::Place(requests, MeasureFixed);
    ExpectClear(requests, placed);
    for (std::size_t n = 0; n < placed.size(); ++n) {
        std::string joined;
        for (const std::string& line : placed[n].lines)
            joined += (joined.empty() ? "" : " ") + line;
        EXPECT_EQ(joined, texts[n]);
        EXPECT_EQ(placed[n].rect.Height(), 10 * static_cast<int>(placed[n].lines.size()));
    }
}

}  // namespace
}  // namespace caption_layout_test
}  // namespace corvane
