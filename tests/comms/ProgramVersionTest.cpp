#include "comms/ProgramVersion.h"

#include <gtest/gtest.h>

namespace corvane {
namespace program_version_test {
namespace {

TEST(ProgramVersionTest, PacksFourNumbersOneBytePerNumber)
{
    struct Case {
        std::string_view text;
        std::optional<std::uint32_t> packed;
    };
    const Case cases[] = {
        {"1.2.3.4", 0x01020304u},
        {"5.17.0.255", 0x051100FFu},
        {"255.255.255.255", 0xFFFFFFFFu},
        {"0.0.0.0", 0u},
        {"007.1.1.1", 0x07010101u},
        {"1.2.3", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1.2.3.256", std::nullopt},
        {"1..3.4", std::nullopt},
        {"1.2.3.4 ", std::nullopt},
        {"a.b.c.d", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PackFileVersion(c.text), c.packed) << "text '" << c.text << "'";
}

}  // namespace
}  // namespace program_version_test
}  // namespace corvane
