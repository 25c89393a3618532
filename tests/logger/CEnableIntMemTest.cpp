#include "logger/CEnableIntMem.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "platform/ButtonControl.h"
#include "res/LoggerStatusIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace c_enable_int_mem_test {
namespace {

using EnableIntMem = test::PlatformTest;

TEST_F(EnableIntMem, TellsTheFreeSpaceAndOffersAppendOnlyWhileThereIsSome)
{
    const struct {
        std::uint32_t size;
        std::uint32_t used;
        const char* text;
        bool append;
    } cases[] = {
        {4096, 1000,
            "Internal memory size is 4096 KBytes and has 3096 KBytes free. Erase the memory before enabling the "
            "logger, "
            "or append to the data already stored?",
            true},
        {4096, 4096, "Internal memory size is 4096 KBytes and the memory is full.", false},
    };
    for (const auto& c : cases) {
        CEnableIntMem dialog(c.size, c.used);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.GetControl(res::kIdcEnableMemoryText)->GetText(), c.text);
        EXPECT_EQ(dialog.HasFreeSpace(), c.append);
        EXPECT_EQ(dialog.GetControl(res::kIdcEnableAppend)->IsEnabled(), c.append);
        EXPECT_TRUE(dialog.GetControl(res::kIdcEnableErase)->IsEnabled());
        EXPECT_TRUE(dialog.GetControl(kIdCancel)->IsEnabled());
        EXPECT_TRUE(
            dialog.SaveImage(test::OutputFile(c.append ? "CEnableIntMem.png" : "CEnableIntMem-full.png").string()));
    }
}

TEST_F(EnableIntMem, EachButtonEndsTheDialogWithItsChoice)
{
    const struct {
        int button;
        int endCode;
        int choice;
    } cases[] = {
        {res::kIdcEnableAppend, kIdOk, CEnableIntMem::kAppend},
        {res::kIdcEnableErase, kIdOk, CEnableIntMem::kErase},
        {kIdCancel, kIdCancel, CEnableIntMem::kCancelled},
    };
    for (const auto& c : cases) {
        CEnableIntMem dialog(8192, 10);
        test::ModalDriver driver(dialog, [&] { dialog.GetControlAs<ButtonControl>(c.button)->Click(); });
        EXPECT_EQ(dialog.DoModal(), c.endCode) << c.button;
        EXPECT_EQ(dialog.GetChoice(), c.choice) << c.button;
    }
}

}  // namespace
}  // namespace c_enable_int_mem_test
}  // namespace corvane
