#pragma once

#include "platform/Bitmap.h"

#include "TestOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

// How far a drawing may stray from its reference picture: the largest
// difference of one colour channel a pixel may show and still count as
// equal, and how many pixels may differ by more (text and smooth edges move
// a little between toolkit versions).
struct PictureTolerance {
    int channel = 24;
    int differingPixels = 0;
};

// The pixels whose channels differ by more than the tolerance; -1 when the
// sizes differ.
inline int CountDifferingPixels(const Bitmap& a, const Bitmap& b, int channelTolerance)
{
    if (a.Extent() != b.Extent())
        return -1;
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            const RgbColour p = a.PixelAt(x, y);
            const RgbColour q = b.PixelAt(x, y);
            if (std::abs(p.red - q.red) > channelTolerance || std::abs(p.green - q.green) > channelTolerance
                || std::abs(p.blue - q.blue) > channelTolerance)
                ++count;
        }
    }
    return count;
}

// The folder of the committed reference pictures.
inline std::filesystem::path ReferenceFolder()
{
#ifdef CORVANE_REFERENCE_PICTURES_DIR
    return CORVANE_REFERENCE_PICTURES_DIR;
#else
    return std::filesystem::path(__FILE__).parent_path() / "reference";
#endif
}

// Compares a drawing with the reference picture of that name. A missing
// reference, or a drawing that strays too far, leaves the drawing in the
// test output folder for people to look at; a missing reference is made by
// copying it into the reference folder once it looks right.
inline ::testing::AssertionResult MatchesReference(
    const Bitmap& drawn, std::string_view name, PictureTolerance tolerance = {})
{
    const std::filesystem::path reference = ReferenceFolder() / name;
    const std::filesystem::path candidate = OutputFile(std::string(name));
    std::ifstream in(reference, std::ios::binary);
    if (!in) {
        drawn.SavePng(candidate);
        return ::testing::AssertionFailure() << "no reference picture " << reference << "; the drawing is in "
                                             << candidate << ": look at it and copy it there";
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const Bitmap expected = Bitmap::FromImageBytes(bytes);
    const int differing = CountDifferingPixels(drawn, expected, tolerance.channel);
    if (differing >= 0 && differing <= tolerance.differingPixels)
        return ::testing::AssertionSuccess();
    drawn.SavePng(candidate);
    std::ostringstream why;
    if (differing < 0)
        why << "its size differs from " << reference;
    else
        why << differing << " pixels differ from " << reference << " by more than " << tolerance.channel;
    return ::testing::AssertionFailure() << name << ": " << why.str() << "; the drawing is in " << candidate;
}

}  // namespace corvane::test
