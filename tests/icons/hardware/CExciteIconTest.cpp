#include "icons/hardware/CExciteIcon.h"

#include "HardwareIconTestSupport.h"

#include "icons/hardware/CVLEngIcon.h"
#include "netdoc/ExcitationCheck.h"

#include <algorithm>

namespace corvane {
namespace c_excite_icon_test {
namespace {

using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};
constexpr std::string_view kConflict = "Sensor excitation conflict between Excitation icon and Analog Input icons.";

class ExciteIcon : public test::HardwareIconNetTest {
protected:
    bool CheckReportsConflict()
    {
        std::vector<std::string> messages;
        doc.CompileNet(messages, Folder() / "out.quv", CompileMode::CheckOnly);
        return std::find(messages.begin(), messages.end(), kConflict) != messages.end();
    }
};

TEST_F(ExciteIcon, NetCheckReportsTheConflictOnlyWhenBothUsesArePresent)
{
    BuildSmallNet(doc);
    auto& input = Place<CVLEngIcon>(doc, kDrop, 1);
    auto& excite = Place<CExciteIcon>(doc, kDrop);
    EXPECT_EQ(excite.LogicWord(), CExciteIcon::kOnWhenHigh);
    EXPECT_TRUE(ExcitationCheck(doc).ExcitationIconPresent());
    EXPECT_FALSE(ExcitationCheck(doc).AnalogExcitationUsed());
    EXPECT_FALSE(CheckReportsConflict());

    input.SetExcitationTime(0x8000);  // read as negative: not in use
    EXPECT_FALSE(CheckReportsConflict());

    input.SetExcitationTime(10);
    EXPECT_TRUE(ExcitationCheck(doc).HasConflict());
    EXPECT_TRUE(CheckReportsConflict());

    const auto removed = doc.RemoveObject(excite);
    EXPECT_FALSE(CheckReportsConflict());
}

}  // namespace
}  // namespace c_excite_icon_test
}  // namespace corvane
