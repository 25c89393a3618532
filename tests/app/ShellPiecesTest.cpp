#include "ScratchFolder.h"
#include "app/CCmdLine.h"
#include "app/CRecentFileList.h"
#include "app/ComPortPresent.h"
#include "app/DesktopRegistration.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

TEST(CCmdLine, OptionsAndFileName)
{
    struct Case {
        std::vector<std::string> arguments;
        bool splash;
        bool script;
        std::string file;
    };
    const std::vector<Case> cases = {
        {{}, true, false, ""},
        {{"-nosplash"}, false, false, ""},
        {{"-NOSPLASH"}, true, false, ""},  // options are case-sensitive
        {{"--nosplash", "-script", "/nets/a.nt3"}, false, true, "/nets/a.nt3"},
        {{"a.nt3", "b.nt3"}, true, false, "a.nt3"},
        {{"--", "-odd.nt3"}, true, false, "-odd.nt3"},
    };
    for (const Case& c : cases) {
        CCmdLine line;
        line.Parse(c.arguments);
        EXPECT_EQ(line.ShowSplash(), c.splash);
        EXPECT_EQ(line.Script(), c.script);
        EXPECT_EQ(line.FileName(), c.file);
    }
}

TEST(CRecentFileList, ADuplicateInAnyCaseChangesNothingAndTheEleventhDropsTheOldest)
{
    CRecentFileList list("Software\\QZL\\Corvane-III  Application\\MRUnet");
    for (int index = 0; index < 10; ++index) {
        EXPECT_TRUE(list.Add("/n/" + std::to_string(index) + "%d.nt3"));
    }
    EXPECT_FALSE(list.Add("/N/3%D.NT3"));
    EXPECT_EQ(list.Slot(0), "/n/9%d.nt3");
    EXPECT_TRUE(list.Add("/n/new.nt3"));
    EXPECT_EQ(list.Slot(0), "/n/new.nt3");
    EXPECT_EQ(list.Slot(9), "/n/1%d.nt3");
    EXPECT_FALSE(list.Add(std::string(CRecentFileList::kMaxPathBytes + 1, 'x')));
    EXPECT_FALSE(list.Add(""));
}

TEST(CRecentFileList, LoadSkipsOverlongStoredPathsAndMenuShowsOnlyExistingFiles)
{
    ScratchFolder folder;
    const auto existing = folder.Write("here.nt3");
    SettingsStore store;
    const std::string key = "Software\\QZL\\Corvane-III  Application\\MRUnet";
    (void)store.CreateKey(key);
    (void)store.SetValue(key, "file0", SettingsValue::String(existing.string()));
    (void)store.SetValue(key, "file1", SettingsValue::String(std::string(600, 'y')));
    (void)store.SetValue(key, "file2", SettingsValue::String((folder.Path() / "gone.nt3").string()));
    (void)store.SetValue(key, "file9", SettingsValue::Dword(5));
    CRecentFileList list(key);
    list.Load(store);
    EXPECT_EQ(list.Slot(0), existing.string());
    EXPECT_EQ(list.Slot(1), "");
    EXPECT_EQ(list.Slot(9), "");
    EXPECT_EQ(list.MenuEntries(), std::vector<std::string>{existing.string()});
}

TEST(ComPortPresent, OpenableOrRefusedCountsAsPresentMissingAsGone)
{
    ScratchFolder folder;
    EXPECT_TRUE(ComPortPresent("/dev/null"));
    EXPECT_FALSE(ComPortPresent(folder.Path() / "ttyUSB9"));
    EXPECT_FALSE(ComPortPresent(""));
    if (::geteuid() != 0) {
        const auto locked = folder.Write("ttyLocked");
        std::filesystem::permissions(locked, std::filesystem::perms::none);
        EXPECT_TRUE(ComPortPresent(locked));  // access denied: held by someone
    }
}

TEST(DesktopRegistration, DataHomeAndExecQuoting)
{
    EXPECT_EQ(DesktopDataHome("/x/share", "/home/u"), "/x/share");
    EXPECT_EQ(DesktopDataHome("relative", "/home/u"), "/home/u/.local/share");
    EXPECT_EQ(DesktopDataHome("", ""), "");
    const std::string entry = DesktopEntryText("/opt/my \"best\" $dir/corvane");
    EXPECT_NE(entry.find("Exec=\"/opt/my \\\\\"best\\\\\" \\\\$dir/corvane\" %f\n"), std::string::npos) << entry;
}

TEST(DesktopRegistration, RewritingTheSameFilesKeepsThem)
{
    ScratchFolder folder;
    ASSERT_FALSE(RegisterNetFiles(folder.Path(), "/usr/bin/corvane"));
    const auto entry = folder.Path() / "applications" / "corvane.desktop";
    const auto before = std::filesystem::last_write_time(entry);
    ASSERT_FALSE(RegisterNetFiles(folder.Path(), "/usr/bin/corvane"));
    EXPECT_EQ(std::filesystem::last_write_time(entry), before);
    EXPECT_TRUE(RegisterNetFiles({}, "/usr/bin/corvane"));
}

}  // namespace
}  // namespace corvane::test
