#include "shell/CFileChildDialog.h"

#include "PlatformTestSupport.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace c_file_child_dialog_test {
namespace {

using CFileChildDialogTest = test::PlatformTest;

CFileChildDialog::Options SaveOptions(bool showMode, bool showErase, int eraseFlag)
{
    CFileChildDialog::Options options;
    options.showMode = showMode;
    options.showErase = showErase;
    options.eraseFlag = eraseFlag;
    options.defaultExtension = "csv";
    options.fileName = "/data/run.csv";
    options.filter = "Data files (*.csv)|*.csv||";
    options.overwritePrompt = true;
    return options;
}

TEST_F(CFileChildDialogTest, OffersTheOptionsAndReportsTheUsersChoice)
{
    FileDialogResult answer;
    answer.paths = {"/data/out/run 2.csv"};
    answer.extraChecks = {{res::kIdcFileNameDateTime, 0}, {res::kIdcFileNameCounter, 1}, {res::kIdcFileEraseAfter, 1}};
    Prompts().fileDialogAnswers.push_back(answer);
    CFileChildDialog dialog(SaveOptions(true, true, 0));
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    const FileDialogRequest& request = Prompts().fileDialogs[0];
    EXPECT_FALSE(request.open);
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.defaultExtension, "csv");
    ASSERT_EQ(request.extraControls.size(), 4u);
    EXPECT_EQ(request.extraControls[1].text, "Date && Time:  yyymmdd_HHMMSS");
    EXPECT_EQ(request.extraControls[3].text, "ERASE ALL data after  successful transfer");
    EXPECT_EQ(request.extraChecks.at(res::kIdcFileNameDateTime), 1) << "date and time first";
    EXPECT_EQ(request.extraChecks.at(res::kIdcFileEraseAfter), 0);
    EXPECT_TRUE(request.extraVisible.at(res::kIdcFileNameCounter));
    EXPECT_EQ(dialog.GetPathName(), "/data/out/run 2.csv");
    EXPECT_EQ(dialog.GetFileExt(), "csv");
    EXPECT_EQ(dialog.NamingMode(), 1);
    EXPECT_EQ(dialog.EraseFlag(), 1);
}

TEST_F(CFileChildDialogTest, WithBothOptionsOffHidesThemAndReportsNoNamingMode)
{
    FileDialogResult answer;
    answer.paths = {"/data/.hidden"};
    Prompts().fileDialogAnswers.push_back(answer);
    CFileChildDialog dialog(SaveOptions(false, false, 1));
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    const FileDialogRequest& request = Prompts().fileDialogs.at(0);
    for (const int id : {res::kIdcFileAppendLabel, res::kIdcFileNameDateTime, res::kIdcFileNameCounter,
             res::kIdcFileEraseAfter})
        EXPECT_FALSE(request.extraVisible.at(id)) << id;
    EXPECT_EQ(request.extraChecks.at(res::kIdcFileEraseAfter), 1) << "the caller's erase setting";
    EXPECT_EQ(dialog.NamingMode(), -1);
    EXPECT_EQ(dialog.EraseFlag(), 1);
    EXPECT_EQ(dialog.GetFileExt(), "");
}

TEST_F(CFileChildDialogTest, CancelReportsCancel)
{
    CFileChildDialog dialog(SaveOptions(true, true, 0));
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_EQ(dialog.GetPathName(), "");
    EXPECT_EQ(dialog.NamingMode(), 0);
}

}  // namespace
}  // namespace c_file_child_dialog_test
}  // namespace corvane
