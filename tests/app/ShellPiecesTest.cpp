#include "ScratchFolder.h"
#include "app/CCmdLine.h"
#include "app/CRecentFileList.h"
#include "app/ComPortPresent.h"
#include "app/DesktopRegistration.h"
#include "platform/Bitmap.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>

#include <unistd.h>
#include <string>
#include <vector>

namespace corvane::test {
namespace shell_pieces_test {
namespace {

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
    ASSERT_FALSE(RegisterNetFiles(folder.Path(), "/usr/bin/corvane", {}));
    const auto entry = folder.Path() / "applications" / "corvane.desktop";
    const auto before = std::filesystem::last_write_time(entry);
    ASSERT_FALSE(RegisterNetFiles(folder.Path(), "/usr/bin/corvane", {}));
    EXPECT_EQ(std::filesystem::last_write_time(entry), before);
    EXPECT_TRUE(RegisterNetFiles({}, "/usr/bin/corvane", {}));
}

TEST(DesktopRegistration, InstallsTheProgramAndNetFileIconsTheEntryNames)
{
    ScratchFolder folder;
    ASSERT_FALSE(RegisterNetFiles(folder.Path(), "/usr/bin/corvane", {}));
    const std::string entry = ReadText(folder.Path() / "applications" / "corvane.desktop");
    EXPECT_NE(entry.find("\nIcon=corvane\n"), std::string::npos) << entry;
    const std::string mime = ReadText(folder.Path() / "mime" / "packages" / "corvane-net.xml");
    EXPECT_NE(mime.find("<icon name=\"application-x-corvane-net\"/>"), std::string::npos) << mime;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::filesystem::path sized
            = folder.Path() / "icons" / "hicolor" / (std::to_string(size) + "x" + std::to_string(size));
        for (const auto& icon :
            {sized / "apps" / "corvane.png", sized / "mimetypes" / "application-x-corvane-net.png"}) {
            const std::string png = ReadText(icon);
            const Bitmap picture
                = Bitmap::FromImageBytes(std::span(reinterpret_cast<const std::uint8_t*>(png.data()), png.size()));
            ASSERT_EQ(picture.Extent(), (Size{size, size})) << icon;
            // See-through in the corner (a picture read back is laid on white).
            EXPECT_EQ(picture.PixelAt(0, 0), (RgbColour{255, 255, 255})) << icon;
            EXPECT_NE(picture.PixelAt(size / 2, size * 3 / 4), (RgbColour{255, 255, 255})) << icon;
        }
    }
}

// A stand-in for a desktop database tool that notes its name and argument.
std::filesystem::path WriteRecordingTool(const std::filesystem::path& bin, const std::string& name,
    const std::filesystem::path& record, std::string_view body = {})
{
    const std::filesystem::path tool = bin / name;
    std::ofstream(tool) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << record.string() << "'\n" << body;
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    return tool;
}

TEST(DesktopRegistration, RunsTheDatabaseToolsFoundOnThePathForWhatChanged)
{
    ScratchFolder folder;
    const std::filesystem::path bin = folder.Path() / "bin";
    const std::filesystem::path share = folder.Path() / "share";
    const std::filesystem::path record = folder.Path() / "record.txt";
    std::filesystem::create_directories(bin);
    WriteRecordingTool(bin, "update-mime-database", record);
    WriteRecordingTool(bin, "update-desktop-database", record);
    // The empty and relative entries are passed over, never the current folder.
    const DesktopTools tools{":relative:" + (folder.Path() / "none").string() + ":" + bin.string()};

    ASSERT_FALSE(RegisterNetFiles(share, "/usr/bin/corvane", tools));
    EXPECT_EQ(ReadText(record),
        "update-mime-database " + (share / "mime").string() + "\n" + "update-desktop-database "
            + (share / "applications").string() + "\n");
    // Nothing changed: nothing to update.
    ASSERT_FALSE(RegisterNetFiles(share, "/usr/bin/corvane", tools));
    // Another program path changes only the desktop entry.
    std::filesystem::remove(record);
    ASSERT_FALSE(RegisterNetFiles(share, "/opt/corvane/corvane", tools));
    EXPECT_EQ(ReadText(record), "update-desktop-database " + (share / "applications").string() + "\n");
}

TEST(DesktopRegistration, WorksWithoutTheToolsAndEndsOneThatHangs)
{
    ScratchFolder folder;
    const std::filesystem::path bin = folder.Path() / "bin";
    std::filesystem::create_directories(bin);
    ASSERT_FALSE(RegisterNetFiles(folder.Path() / "a", "/usr/bin/corvane", {bin.string()}));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "a" / "applications" / "corvane.desktop"));

    // A tool that never ends is ended after the bound; registration goes on.
    WriteRecordingTool(bin, "update-mime-database", folder.Path() / "record.txt", "exec sleep 60\n");
    ASSERT_FALSE(
        RegisterNetFiles(folder.Path() / "b", "/usr/bin/corvane", {bin.string(), std::chrono::milliseconds(50)}));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "b" / "applications" / "corvane.desktop"));
}

}  // namespace
}  // namespace shell_pieces_test
}  // namespace corvane::test
