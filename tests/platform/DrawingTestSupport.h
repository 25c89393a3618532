#pragma once

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace corvane::test {

inline constexpr RgbColour kWhite{255, 255, 255};
inline constexpr RgbColour kBlack{0, 0, 0};
inline constexpr RgbColour kRed{255, 0, 0};
inline constexpr RgbColour kBlue{0, 0, 255};
inline constexpr RgbColour kMagenta{255, 0, 255};

// A picture whose pixels all differ from their neighbours, so that a
// combining mix that goes wrong shows.
inline Bitmap Patterned(int width, int height)
{
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y,
                {static_cast<std::uint8_t>(x * 37 + y * 11), static_cast<std::uint8_t>(y * 53 + 7),
                    static_cast<std::uint8_t>((x * y * 5) ^ 0x5A)});
    return picture;
}

// Where two bitmaps differ, for a readable failure; empty when they match.
inline std::string Differences(const Bitmap& a, const Bitmap& b)
{
    if (a.Extent() != b.Extent())
        return "sizes differ";
    std::ostringstream out;
    int count = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelAt(x, y) != b.PixelAt(x, y) && count++ < 5)
                out << "(" << x << "," << y << ") ";
    if (count > 0)
        out << count << " pixels differ";
    return out.str();
}

// The pixels of one colour.
inline std::set<std::pair<int, int>> PixelsOf(const Bitmap& picture, RgbColour colour)
{
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.PixelAt(x, y) == colour)
                found.insert({x, y});
    return found;
}

// The bounding box of the pixels that are not of one colour.
inline Rect InkBox(const Bitmap& picture, RgbColour background)
{
    Rect box;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.PixelAt(x, y) != background)
                box = box.United({x, y, x + 1, y + 1});
    return box;
}

}  // namespace corvane::test
