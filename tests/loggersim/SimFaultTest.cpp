#include "loggersim/SimFault.h"

#include <gtest/gtest.h>

#include <utility>

namespace corvane {
namespace sim_fault_test {
namespace {

TEST(SimFaultTest, ReadsEveryKindOfFault)
{
    auto fault = ParseSimFault("no-reply:29");
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->kind, SimFault::Kind::NoReply);
    EXPECT_EQ(fault->requestType, 29);
    EXPECT_EQ(fault->count, -1);

    fault = ParseSimFault("drop:*/2");
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->kind, SimFault::Kind::DropLink);
    EXPECT_FALSE(fault->requestType.has_value());
    EXPECT_EQ(fault->count, 2);

    fault = ParseSimFault("delay:0x0FE0:250");
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->kind, SimFault::Kind::Delay);
    EXPECT_EQ(fault->requestType, 4064);
    EXPECT_EQ(fault->delayMs, 250u);

    fault = ParseSimFault("error:8/1:282:Scan: in progress");
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->kind, SimFault::Kind::ErrorReply);
    EXPECT_EQ(fault->code, 282);
    EXPECT_EQ(fault->text, "Scan: in progress");
    EXPECT_EQ(fault->count, 1);

    const std::pair<const char*, SimFault::Kind> downloadFaults[]
        = {{"sdl-skip-block:0x8000", SimFault::Kind::SdlSkipBlock}, {"sdl-stall:0x8000", SimFault::Kind::SdlStall}};
    for (const auto& [text, kind] : downloadFaults) {
        fault = ParseSimFault(text);
        ASSERT_TRUE(fault.has_value()) << text;
        EXPECT_EQ(fault->kind, kind) << text;
        EXPECT_EQ(fault->requestType, 0x8000) << text;
    }
}

TEST(SimFaultTest, RefusesMalformedFaults)
{
    for (const char* text :
        {"", "no-reply", "no-reply:x", "no-reply:29:5", "delay:1", "delay:1:soon", "error:1", "error:1:code:text",
            "drop:1/0", "drop:1/-3", "explode:1", "no-reply:70000", "sdl-stall:0x8000:1", "sdl-skip-block"})
        EXPECT_FALSE(ParseSimFault(text).has_value()) << text;
}

}  // namespace
}  // namespace sim_fault_test
}  // namespace corvane
