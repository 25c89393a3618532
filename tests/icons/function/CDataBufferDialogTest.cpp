#include "icons/function/CDataBufferDialog.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CDataBufferIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_data_buffer_dialog_test {
namespace {

using test::kStatsDrop;
using test::Link;
using test::Place;

class CDataBufferDialogTest : public test::StatsIconTest {
protected:
    CDataBufferDialogTest()
        : buffer(Place<CDataBufferIcon>(doc, kStatsDrop)),
          source(Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant)), sink(Place<CStopIcon>(doc, kStatsDrop))
    {
        Link(source, 0, buffer, 0);
        Link(buffer, 3, sink, 0);
    }
    bool Run(const std::function<void(CDataBufferDialog&)>& drive)
    {
        return RunDialog<CDataBufferDialog>(buffer, drive);
    }
    bool Linked() const { return buffer.GetInputLinks()[0].IsConnected() && sink.GetInputLinks()[0].IsConnected(); }

    CDataBufferIcon& buffer;
    CConstIcon& source;
    CStopIcon& sink;
};

TEST_F(CDataBufferDialogTest, OkWithoutAChangeAsksNothingAndKeepsTheLinks)
{
    EXPECT_TRUE(Run([&](CDataBufferDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcDataBufferData), 1);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{2171});
    EXPECT_TRUE(Linked());
}

TEST_F(CDataBufferDialogTest, ChangeAnsweredNoKeepsTheDialogOpenTheLinksAndTheType)
{
    Prompts().messageBoxAnswers.push_back(kIdNo);
    EXPECT_FALSE(Run([&](CDataBufferDialog& d) {
        Click(d, res::kIdcDataBufferLogic);
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    }));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    const MessageBoxRequest& box = Prompts().messageBoxes[0];
    EXPECT_EQ(box.text,
        "Changing the icon data type will automatically disconnect this icon's input and output "
        "connections. Continue?");
    EXPECT_EQ(box.caption, "Change Icon Data Type");
    EXPECT_EQ(box.buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(buffer.DataType(), CDataBufferIcon::kData);
    EXPECT_TRUE(Linked());
}

TEST_F(CDataBufferDialogTest, ChangeAnsweredYesDisconnectsAndMarksEveryEntryLogic)
{
    Prompts().messageBoxAnswers.push_back(kIdYes);
    EXPECT_TRUE(Run([&](CDataBufferDialog& d) {
        Click(d, res::kIdcDataBufferLogic);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(buffer.DataType(), CDataBufferIcon::kLogic);
    EXPECT_FALSE(buffer.GetInputLinks()[0].IsConnected());
    EXPECT_FALSE(sink.GetInputLinks()[0].IsConnected());
    EXPECT_EQ(buffer.GetInputLinks()[0].flags, 0);
    for (const OutputEntry& entry : buffer.GetOutputEntries())
        EXPECT_EQ(entry.flags, 0);
    EXPECT_EQ(buffer.Output(7).GetDataType(), data_type::kLogic);
}

}  // namespace
}  // namespace c_data_buffer_dialog_test
}  // namespace corvane
