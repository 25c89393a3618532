#include "app/CFolderOptions.h"

#include "ScratchFolder.h"
#include "app/ProgramSettings.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace corvane {
namespace c_folder_options_test {
namespace {

namespace fs = std::filesystem;

TEST(PerUserTempFolderTest, ChoosesTheRuntimeFolderOrAPerUserFolderInTmp)
{
    struct Case {
        TempFolderEnvironment environment;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"/run/user/1000", "/var/tmp", "ann"}, "/run/user/1000/corvane/"},
        {{"/run/user/1000/", "", "ann"}, "/run/user/1000/corvane/"},
        {{"relative", "/var/tmp", "ann"}, "/var/tmp/corvane-ann/"},
        {{"", "", "ann"}, "/tmp/corvane-ann/"},
        {{"", "tmp", "ann"}, "/tmp/corvane-ann/"},
        {{"", "/var/tmp", "../etc"}, ""},
        {{"", "/var/tmp", ".."}, ""},
        {{"", "/var/tmp", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PerUserTempFolder(c.environment), c.expected) << c.environment.user << c.environment.runtimeDir;
}

class CFolderOptionsTest : public ::testing::Test {
protected:
    TempFolderEnvironment Environment() const { return {"", scratch_.Path().string(), "tester"}; }
    fs::path Temp() const { return scratch_.Path() / "corvane-tester"; }

    test::ScratchFolder scratch_;
    SettingsStore store_;
};

TEST_F(CFolderOptionsTest, WithoutStoredFoldersEveryKindOpensInTheHomeFolder)
{
    CFolderOptions options(store_, Environment());
    options.Load("/home/ann");
    EXPECT_EQ(options.MakeNetFilePath("*.nt3"), "/home/ann/*.nt3");
    EXPECT_EQ(options.MakeDownloadFilePath("a.csv"), "/home/ann/a.csv");
    EXPECT_EQ(options.MakeReflashFilePath("x"), "/home/ann/x");
    EXPECT_EQ(options.MakeModbusFilePath("x"), "/home/ann/x");
    EXPECT_EQ(options.MakeWebViewFilePath("x"), "/home/ann/x");
    EXPECT_EQ(options.MakeBackgroundImageFilePath("x"), "/home/ann/x");
    EXPECT_EQ(options.MakeDiagnosticLogFilePath("x"), "/home/ann/x");
    EXPECT_EQ(options.GetTrackViewFileFolder(), "/home/ann/");
    EXPECT_EQ(options.GetInstallationFolder(), "");
    EXPECT_EQ(store_.ValueCount(kFoldersKey), 0u) << "missing values are not written";
}

TEST_F(CFolderOptionsTest, AChosenFolderIsWrittenOnceAndLoadedNextTime)
{
    CFolderOptions options(store_, Environment());
    options.Load("/start");
    options.SetNetFileFolder("/data/Nets/a.nt3");
    ASSERT_TRUE(store_.GetValue(kFoldersKey, "NetFileFolder"));
    EXPECT_EQ(*store_.GetValue(kFoldersKey, "NetFileFolder")->AsString(), "/data/Nets/");
    // The same folder again writes nothing.
    ASSERT_FALSE(store_.DeleteValue(kFoldersKey, "NetFileFolder"));
    options.SetNetFileFolder("/data/Nets/b.nt3");
    EXPECT_FALSE(store_.GetValue(kFoldersKey, "NetFileFolder"));
    // File names are case-sensitive here: another spelling is another folder.
    options.SetNetFileFolder("/data/nets/c.nt3");
    EXPECT_EQ(*store_.GetValue(kFoldersKey, "NetFileFolder")->AsString(), "/data/nets/");
    options.SetReflashFileFolder("/fw/new.bin");
    ASSERT_FALSE(store_.SetValue(kFoldersKey, "InstallationFolder", SettingsValue::String("/opt/corvane")));

    CFolderOptions next(store_, Environment());
    next.Load("/home/bob");
    EXPECT_EQ(next.MakeNetFilePath("b.nt3"), "/data/nets/b.nt3");
    EXPECT_EQ(next.MakeReflashFilePath("x.bin"), "/fw/x.bin");
    EXPECT_EQ(next.MakeModbusFilePath("m"), "/home/bob/m");
    EXPECT_EQ(next.GetInstallationFolder(), "/opt/corvane/");
}

TEST_F(CFolderOptionsTest, CacheFoldersArePrivateAndEmptiedAtSetUp)
{
    CFolderOptions first(store_, Environment());
    ASSERT_TRUE(first.SetUpCacheFolders());
    EXPECT_EQ(first.GetTempFolder(), Temp().string() + "/");
    EXPECT_EQ(first.GetWebFileCacheFolder(), Temp().string() + "/QZL/Web/FileCache/");
    EXPECT_EQ(first.GetTrackFileCacheFolder(), Temp().string() + "/QZL/RTT/FileCache/");
    struct stat info {};
    ASSERT_EQ(::stat(Temp().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    const fs::path stale = Temp() / "QZL/Web/FileCache/stale.htm";
    fs::create_directories(stale.parent_path() / "sub");
    std::ofstream(stale) << "old";
    std::ofstream(stale.parent_path() / "sub" / ".hidden") << "old";

    CFolderOptions second(store_, Environment());
    ASSERT_TRUE(second.SetUpCacheFolders());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::is_directory(stale.parent_path())) << "made again";
    EXPECT_TRUE(fs::is_empty(stale.parent_path()));
}

TEST_F(CFolderOptionsTest, AnUnusableRuntimeFolderFallsBackToTheSharedOne)
{
    TempFolderEnvironment environment = Environment();
    environment.runtimeDir = (scratch_.Path() / "no-such-runtime").string();
    CFolderOptions options(store_, environment);
    ASSERT_TRUE(options.SetUpCacheFolders());
    EXPECT_EQ(options.GetTempFolder(), Temp().string() + "/");
}

TEST_F(CFolderOptionsTest, AnExistingTempFolderOpenToOthersIsMadePrivate)
{
    fs::create_directory(Temp());
    fs::permissions(Temp(), fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
    CFolderOptions options(store_, Environment());
    ASSERT_TRUE(options.SetUpCacheFolders());
    struct stat info {};
    ASSERT_EQ(::stat(Temp().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(CFolderOptionsTest, DontDeleteRawDataKeepsTheCaches)
{
    ASSERT_FALSE(store_.CreateKey(kAdminKey));
    ASSERT_FALSE(store_.SetValue(kAdminKey, "DontDeleteRawData", SettingsValue::Dword(1)));
    CFolderOptions first(store_, Environment());
    ASSERT_TRUE(first.SetUpCacheFolders());
    const fs::path kept = Temp() / "QZL/RTT/FileCache/kept.trk";
    std::ofstream(kept) << "data";
    CFolderOptions second(store_, Environment());
    ASSERT_TRUE(second.SetUpCacheFolders());
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_EQ(second.ClearTrackFileCache(), 0);
    EXPECT_TRUE(fs::exists(kept));
}

TEST_F(CFolderOptionsTest, ATempFolderThatIsALinkIsRefused)
{
    fs::create_directory(scratch_.Path() / "elsewhere");
    fs::create_directory_symlink(scratch_.Path() / "elsewhere", Temp());
    CFolderOptions options(store_, Environment());
    EXPECT_FALSE(options.SetUpCacheFolders());
    EXPECT_EQ(options.GetTempFolder(), "");
    EXPECT_TRUE(fs::is_empty(scratch_.Path() / "elsewhere"));
    EXPECT_FALSE(options.DeleteTempFolder((scratch_.Path() / "elsewhere").string()));
}

TEST_F(CFolderOptionsTest, DeleteTempFolderNeverLeavesTheTemporaryFolder)
{
    CFolderOptions options(store_, Environment());
    ASSERT_TRUE(options.SetUpCacheFolders());
    const fs::path outside = scratch_.Path() / "outside";
    const fs::path sibling = scratch_.Path() / "corvane-tester-evil";
    const fs::path siblingToo = scratch_.Path() / "corvane-testerx";
    for (const fs::path& folder : {outside, sibling, siblingToo}) {
        fs::create_directories(folder / "inner");
        std::ofstream(folder / "inner" / "victim.txt") << "keep";
    }
    fs::create_directory_symlink(outside, Temp() / "link");
    const std::string temp = Temp().string();
    const std::vector<std::string> refused = {
        "",
        outside.string(),
        temp + "/../outside",
        temp + "/QZL/../../outside/inner",
        temp + "/link",
        temp + "/link/inner",
        sibling.string(),
        sibling.string() + "/inner",
        siblingToo.string(),
        temp,
        temp + "/",
        temp + "/QZL/..",
        "corvane-tester/QZL",
        temp + "/missing",
    };
    for (const std::string& path : refused) {
        EXPECT_FALSE(options.DeleteTempFolder(path)) << path;
    }
    for (const fs::path& folder : {outside, sibling, siblingToo})
        EXPECT_TRUE(fs::exists(folder / "inner" / "victim.txt")) << folder;
    EXPECT_TRUE(fs::is_directory(Temp() / "QZL"));
}

TEST_F(CFolderOptionsTest, DeleteTempFolderRemovesLinksWithoutFollowingThem)
{
    CFolderOptions options(store_, Environment());
    ASSERT_TRUE(options.SetUpCacheFolders());
    const fs::path outside = scratch_.Path() / "outside";
    fs::create_directories(outside);
    std::ofstream(outside / "victim.txt") << "keep";
    const fs::path target = Temp() / "QZL/Web/FileCache/page";
    fs::create_directories(target / "deeper");
    std::ofstream(target / "deeper" / "file.htm") << "x";
    fs::create_directory_symlink(outside, target / "deeper" / "out");
    EXPECT_TRUE(options.DeleteTempFolder(target.string() + "/"));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::exists(outside / "victim.txt"));
}

}  // namespace
}  // namespace c_folder_options_test
}  // namespace corvane
