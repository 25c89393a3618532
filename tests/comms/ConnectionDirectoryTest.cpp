#include "comms/ConnectionDirectory.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {
namespace connection_directory_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutI32(Bytes& bytes, std::size_t offset, std::int32_t value)
{
    auto word = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

void PutText(Bytes& bytes, std::size_t offset, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(text[i]);
}

// A file laid out by hand, field by field at the documented offsets.
Bytes Header(std::int32_t version, std::int32_t count, std::string_view last)
{
    Bytes bytes(40, 0);
    PutI32(bytes, 0, version);
    PutI32(bytes, 4, count);
    PutText(bytes, 8, last);
    return bytes;
}

void AddEntry(Bytes& file, std::string_view name, std::string_view usbPort, std::int32_t kind, std::int32_t comIndex,
    std::string_view address, std::int32_t ipPort)
{
    Bytes entry(348, 0);
    PutText(entry, 0, name);
    PutText(entry, 32, usbPort);
    PutI32(entry, 80, kind);
    PutI32(entry, 84, comIndex);
    PutText(entry, 88, address);
    PutI32(entry, 344, ipPort);
    file.insert(file.end(), entry.begin(), entry.end());
}

// Two entries; the first name holds Windows-1252 0xE9 ("é").
Bytes TwoEntryFile()
{
    Bytes file = Header(4, 2, "Pump house");
    AddEntry(file, "Caf\xE9 logger", "", 0, 0, "logger.example.net", 4660);
    AddEntry(file, "Pump house", "ttyACM0", 3, -1, "", 0);
    return file;
}

TEST(ConnectionDirectoryTest, ReadsEveryFieldAtItsOffset)
{
    ConnectionDirectory directory;
    DirectoryRead read = directory.Read(TwoEntryFile());
    ASSERT_EQ(read.status, DirectoryReadStatus::Read);
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.version, 4);
    EXPECT_EQ(directory.LastConnection(), "Pump house");
    ASSERT_EQ(directory.Entries().size(), 2u);
    const OM_DIRECTORY_ENTRY& cafe = directory.Entries()[0];
    EXPECT_EQ(cafe.name, "Caf\u00e9 logger");
    EXPECT_EQ(cafe.address, "logger.example.net");
    EXPECT_EQ(cafe.kind, 0);
    EXPECT_EQ(cafe.ipPort, 4660);
    const OM_DIRECTORY_ENTRY& pump = directory.Entries()[1];
    EXPECT_EQ(pump.usbPortName, "ttyACM0");
    EXPECT_EQ(pump.kind, 3);
    EXPECT_EQ(pump.comIndex, -1);
}

TEST(ConnectionDirectoryTest, RebuildsGoodFilesByteForByte)
{
    Bytes unusual = Header(4, 1, "");
    AddEntry(unusual, "Odd", "", 99, 1000, "10.0.0.1", 70000);
    unusual[40 + 64] = 0x5A;  // reserved bytes are kept as read
    unusual[40 + 79] = 0xA5;
    for (const Bytes& file : {TwoEntryFile(), unusual, Header(4, 0, "")}) {
        ConnectionDirectory directory;
        ASSERT_EQ(directory.Read(file).status, DirectoryReadStatus::Read);
        EXPECT_EQ(directory.Build(), file);
    }
}

TEST(ConnectionDirectoryTest, NewEntryIsWrittenWithItsDefaults)
{
    ConnectionDirectory directory;
    directory.Append(OM_DIRECTORY_ENTRY{});
    Bytes expected = Header(4, 1, "");
    AddEntry(expected, "MyLogger", "", 0, 0, "", 4660);
    EXPECT_EQ(directory.Build(), expected);
}

TEST(ConnectionDirectoryTest, TruncationKeepsWholeEntriesOrNamesTheHeaderField)
{
    const Bytes file = TwoEntryFile();
    for (std::size_t length = 1; length < file.size(); ++length) {
        SCOPED_TRACE(length);
        ConnectionDirectory directory;
        DirectoryRead read = directory.Read(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length)));
        if (length < 40) {
            EXPECT_EQ(read.status, DirectoryReadStatus::Malformed);
            EXPECT_EQ(read.error.kind, ByteErrorKind::Truncated);
            std::string field = length < 4 ? "version" : length < 8 ? "entry count" : "last connection name";
            EXPECT_EQ(read.error.field, field);
            EXPECT_EQ(read.error.offset, length < 4 ? 0u : length < 8 ? 4u : 8u);
            EXPECT_TRUE(directory.Entries().empty());
            continue;
        }
        ASSERT_EQ(read.status, DirectoryReadStatus::Read);
        std::size_t whole = (length - 40) / 348;
        EXPECT_EQ(directory.Entries().size(), whole);
        bool partial = (length - 40) % 348 != 0;
        EXPECT_EQ(static_cast<bool>(read.error), partial);
        if (partial) {
            EXPECT_EQ(read.error.offset, 40 + 348 * whole);
        }
    }
}

TEST(ConnectionDirectoryTest, OtherVersionsAreObsoleteAndReplacedByVersionFour)
{
    for (std::int32_t version : {0, 3, 5, -1}) {
        SCOPED_TRACE(version);
        Bytes file = TwoEntryFile();
        PutI32(file, 0, version);
        ConnectionDirectory directory;
        DirectoryRead read = directory.Read(file);
        EXPECT_EQ(read.status, DirectoryReadStatus::Obsolete);
        EXPECT_EQ(read.version, version);
        EXPECT_TRUE(directory.Entries().empty());
        EXPECT_EQ(directory.Build(), Header(4, 0, ""));
    }
}

TEST(ConnectionDirectoryTest, CountIsBelievedOnlyAsFarAsTheFileGoes)
{
    struct Case {
        std::int32_t count;
        std::size_t entries;
    };
    for (Case c : {Case{5, 2}, Case{-1, 2}, Case{1, 1}, Case{0, 0}}) {
        SCOPED_TRACE(c.count);
        Bytes file = TwoEntryFile();
        PutI32(file, 4, c.count);
        ConnectionDirectory directory;
        DirectoryRead read = directory.Read(file);
        EXPECT_EQ(read.status, DirectoryReadStatus::Read);
        EXPECT_FALSE(read.error);
        EXPECT_EQ(directory.Entries().size(), c.entries);
    }
}

TEST(ConnectionDirectoryTest, TextsAreBoundedByTheirFieldsWithTheTerminatorKept)
{
    // Fields filled to their last byte read as one byte shorter.
    Bytes file = Header(4, 1, std::string(32, 'L'));
    AddEntry(file, std::string(32, 'N'), std::string(32, 'P'), 0, 0, std::string(256, 'A'), 1);
    ConnectionDirectory read;
    ASSERT_EQ(read.Read(file).status, DirectoryReadStatus::Read);
    EXPECT_EQ(read.LastConnection(), std::string(31, 'L'));
    EXPECT_EQ(read.Entries()[0].name, std::string(31, 'N'));
    EXPECT_EQ(read.Entries()[0].usbPortName, std::string(31, 'P'));
    EXPECT_EQ(read.Entries()[0].address, std::string(255, 'A'));

    // Long UTF-8 texts are cut to the field in Windows-1252 bytes.
    ConnectionDirectory written;
    written.SetLastConnection(std::string(40, 'L'));
    OM_DIRECTORY_ENTRY entry;
    entry.name = std::string(30, 'N') + "\u00e9\u00e9\u00e9";
    entry.usbPortName = std::string(40, 'P');
    entry.address = std::string(300, 'A');
    written.Append(entry);
    Bytes expected = Header(4, 1, std::string(31, 'L'));
    AddEntry(expected, std::string(30, 'N') + "\xE9", std::string(31, 'P'), 0, 0, std::string(255, 'A'), 4660);
    EXPECT_EQ(written.Build(), expected);
}

TEST(ConnectionDirectoryTest, EmptyAndMissingFilesGiveNoEntries)
{
    test::ScratchFolder folder;
    ConnectionDirectory directory;
    EXPECT_EQ(directory.Load(folder.Write("dir.bin", "")).status, DirectoryReadStatus::Empty);
    DirectoryRead missing = directory.Load(folder.Path() / "none.bin");
    EXPECT_EQ(missing.status, DirectoryReadStatus::Unreadable);
    EXPECT_EQ(missing.fileError.kind, FileErrorKind::NotFound);
    EXPECT_TRUE(directory.Entries().empty());
}

TEST(ConnectionDirectoryTest, SavedFileLoadsBackTheSameEntries)
{
    test::ScratchFolder folder;
    ConnectionDirectory saved;
    ASSERT_EQ(saved.Read(TwoEntryFile()).status, DirectoryReadStatus::Read);
    const std::filesystem::path path = folder.Path() / "dir.bin";
    ASSERT_FALSE(saved.Save(path));
    ConnectionDirectory loaded;
    ASSERT_EQ(loaded.Load(path).status, DirectoryReadStatus::Read);
    EXPECT_EQ(loaded.Entries(), saved.Entries());
    EXPECT_EQ(loaded.Build(), TwoEntryFile());
}

TEST(ConnectionDirectoryTest, EntryHelpersMatchNamesExactlyAndTakeTheFirst)
{
    ConnectionDirectory directory;
    for (auto [name, port] : {std::pair{"Tank", 1}, std::pair{"tank", 2}, std::pair{"Tank", 3}}) {
        OM_DIRECTORY_ENTRY entry;
        entry.name = name;
        entry.ipPort = port;
        directory.Append(entry);
    }
    EXPECT_EQ(directory.GetEntry("Tank")->ipPort, 1);
    EXPECT_EQ(directory.GetEntry("tank")->ipPort, 2);
    EXPECT_FALSE(directory.GetEntry("TANK"));
    EXPECT_FALSE(directory.EntryExists("Tank "));
    EXPECT_TRUE(directory.RemoveEntry("Tank"));
    EXPECT_EQ(directory.GetEntry("Tank")->ipPort, 3);
    EXPECT_FALSE(directory.RemoveEntry("Pond"));
    EXPECT_EQ(directory.Entries().size(), 2u);
}

}  // namespace
}  // namespace connection_directory_test
}  // namespace corvane
