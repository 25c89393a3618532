#include "loggersim/NetImageFile.h"

#include "base/AtomicFile.h"
#include "tests/loggersim/TestNetImage.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace net_image_file_test {
namespace {

using test::MakeTestNetImage;
using test::ScratchFolder;

TEST(NetImageFileTest, AGoodImagePassesAndEveryTruncationFailsOnLength)
{
    const auto image = MakeTestNetImage(260);
    EXPECT_EQ(CheckNetImage(image), NetImageCheck::Good);
    for (std::size_t length = 0; length < image.size(); ++length)
        EXPECT_EQ(CheckNetImage(std::span(image).first(length)), NetImageCheck::BadLength) << length;
}

TEST(NetImageFileTest, OneCorruptedFieldFailsItsCheck)
{
    const auto image = MakeTestNetImage(260);
    const struct {
        std::size_t offset;
        NetImageCheck expected;
    } cases[] = {
        {0, NetImageCheck::BadLength},
        {3, NetImageCheck::BadLength},
        {4, NetImageCheck::BadCrc},
        {kSimNetNameOffset, NetImageCheck::BadCrc},
        {200, NetImageCheck::BadCrc},
        {256, NetImageCheck::BadCrc},
        {259, NetImageCheck::BadCrc},
    };
    for (const auto& c : cases) {
        auto corrupted = image;
        corrupted[c.offset] ^= 0x04;
        EXPECT_EQ(CheckNetImage(corrupted), c.expected) << c.offset;
    }
}

TEST(NetImageFileTest, AnImageOverTheLimitFailsOnLength)
{
    EXPECT_EQ(CheckNetImage(MakeTestNetImage(kSimNetMaxSize)), NetImageCheck::Good);
    EXPECT_EQ(CheckNetImage(MakeTestNetImage(kSimNetMaxSize + 1)), NetImageCheck::BadLength);
}

TEST(NetImageFileTest, NameAndDescriptionComeFromTheProgramRecord)
{
    const auto image = MakeTestNetImage(120, "Twenty Characters Ok", "Up to twenty-one bytes");
    EXPECT_EQ(NetImageName(image), "Twenty Characters Ok");
    EXPECT_EQ(NetImageDescription(image), "Up to twenty-one bytes");
    // An image too short for a field gives an empty text.
    EXPECT_EQ(NetImageName(std::span(image).first(kSimNetNameOffset + kSimNetNameSize - 1)), "");
    EXPECT_EQ(NetImageDescription(std::span(image).first(kSimNetDescriptionOffset + 1)), "");
}

TEST(NetImageFileTest, ASavedNetLoadsAgainAndAMissingOneIsNoNet)
{
    ScratchFolder folder;
    LoadedNetImage none = LoadNetImage(folder.Path());
    EXPECT_TRUE(none.image.empty());
    EXPECT_TRUE(none.notice.empty());
    const auto image = MakeTestNetImage(5000);
    ASSERT_FALSE(SaveNetImage(folder.Path(), image));
    const LoadedNetImage loaded = LoadNetImage(folder.Path());
    EXPECT_EQ(loaded.image, image);
    EXPECT_TRUE(loaded.notice.empty());
}

TEST(NetImageFileTest, ADamagedNetFileIsReportedAndNotTaken)
{
    ScratchFolder folder;
    auto image = MakeTestNetImage(400);
    image[150] ^= 1;
    ASSERT_FALSE(WriteFileAtomically(folder.Path() / kNetImageFileName, image));
    const LoadedNetImage loaded = LoadNetImage(folder.Path());
    EXPECT_TRUE(loaded.image.empty());
    EXPECT_NE(loaded.notice.find(kNetImageFileName), std::string::npos) << loaded.notice;
}

}  // namespace
}  // namespace net_image_file_test
}  // namespace corvane
