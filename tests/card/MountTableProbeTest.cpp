#include "card/MountTableProbe.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace corvane {
namespace mount_table_probe_test {
namespace {

using test::ScratchFolder;

// A fake mount table and sysfs block tree: disk "sdb" with partition
// "sdb1", disk "sda" with "sda2", and the card reader "mmcblk0" with
// "mmcblk0p1".
class MountTableProbeTest : public ::testing::Test {
protected:
    MountTableProbeTest()
    {
        std::filesystem::create_directories(Mount("stick"));
        std::filesystem::create_directories(Mount("with space"));
        std::filesystem::create_directories(Mount("sd"));
        Disk("sda", "0", "1000");
        Partition("sda", "sda2");
        Disk("sdb", "1", "2048");
        Partition("sdb", "sdb1");
        Disk("mmcblk0", "0", "4096");
        Partition("mmcblk0", "mmcblk0p1");
        WriteTable("/dev/sda2 / ext4 rw 0 0\n"
                   "proc /proc proc rw 0 0\n"
                   "/dev/sdb1 "
            + Mount("stick").string()
            + " vfat rw 0 0\n"
              "/dev/sdb1 "
            + Escaped(Mount("with space"))
            + " vfat rw 0 0\n"
              "/dev/mmcblk0p1 "
            + Mount("sd").string()
            + " vfat rw 0 0\n"
              "tmpfs "
            + Mount("sd").string() + "/tmp tmpfs rw 0 0\n");
    }

    std::filesystem::path Mount(const std::string& name) const
    {
        return std::filesystem::canonical(root_.Path()) / "media" / name;
    }
    std::filesystem::path Sys() const { return root_.Path() / "sys"; }
    static std::string Escaped(const std::filesystem::path& path)
    {
        std::string text;
        for (char c : path.string())
            text += c == ' ' ? std::string("\\040") : std::string(1, c);
        return text;
    }
    void Disk(const std::string& name, const char* removable, const char* size)
    {
        std::filesystem::create_directories(Sys() / "devices" / name);
        std::ofstream(Sys() / "devices" / name / "removable") << removable << "\n";
        std::ofstream(Sys() / "devices" / name / "size") << size << "\n";
        std::filesystem::create_directories(Sys() / "block");
        std::filesystem::create_directory_symlink(Sys() / "devices" / name, Sys() / "block" / name);
    }
    void Partition(const std::string& disk, const std::string& name)
    {
        std::filesystem::create_directories(Sys() / "devices" / disk / name);
        std::ofstream(Sys() / "devices" / disk / name / "partition") << "1\n";
        std::filesystem::create_directory_symlink(Sys() / "devices" / disk / name, Sys() / "block" / name);
    }
    void SetSize(const std::string& disk, const char* size)
    {
        std::ofstream(Sys() / "devices" / disk / "size") << size << "\n";
    }
    void WriteTable(const std::string& text) { std::ofstream(root_.Path() / "mounts") << text; }

    ScratchFolder root_;
    MountTableProbe probe_{root_.Path() / "mounts", Sys() / "block"};
};

TEST_F(MountTableProbeTest, FindsTheDiskOfAMountPointAndOfFoldersBelowIt)
{
    EXPECT_EQ(probe_.DiskOf(Mount("stick")), std::filesystem::canonical(Sys() / "devices" / "sdb"));
    std::filesystem::create_directories(Mount("stick") / "Log");
    EXPECT_EQ(probe_.DiskOf(Mount("stick") / "Log"), std::filesystem::canonical(Sys() / "devices" / "sdb"));
    EXPECT_EQ(probe_.DiskOf(Mount("with space")), std::filesystem::canonical(Sys() / "devices" / "sdb"));
    EXPECT_EQ(probe_.DiskOf(root_.Path()), std::filesystem::canonical(Sys() / "devices" / "sda"));
    EXPECT_EQ(probe_.DiskOf(root_.Path() / "missing"), std::nullopt);
}

TEST_F(MountTableProbeTest, TellsRemovableMediaAndWhetherTheyAreIn)
{
    EXPECT_TRUE(probe_.IsRemovable(Mount("stick")));
    EXPECT_TRUE(probe_.IsRemovable(Mount("sd")));  // card readers say 0, but an SD card is removable
    EXPECT_FALSE(probe_.IsRemovable(root_.Path()));
    EXPECT_TRUE(probe_.IsMediumPresent(Mount("stick")));
    SetSize("sdb", "0");
    EXPECT_FALSE(probe_.IsMediumPresent(Mount("stick")));
}

TEST_F(MountTableProbeTest, AFolderNotOnABlockDeviceIsNeitherRemovableNorPresent)
{
    std::filesystem::create_directories(Mount("sd") / "tmp");
    EXPECT_FALSE(probe_.IsRemovable(Mount("sd") / "tmp"));
    EXPECT_FALSE(probe_.IsMediumPresent(Mount("sd") / "tmp"));
    const MountTableProbe noTable(root_.Path() / "no-such-table", Sys() / "block");
    EXPECT_FALSE(noTable.IsRemovable(Mount("stick")));
}

}  // namespace
}  // namespace mount_table_probe_test
}  // namespace corvane
