#include "platform/SettingsStore.h"

#include "tests/platform/SettingsPrinters.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace corvane {
namespace settings_store_test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCorvane = "Software\\Tarnwick\\Corvane";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (test::OutputFolder() / "settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ / "settings.ini";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    static std::string Contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const fs::path& path, std::string_view text) { std::ofstream(path, std::ios::binary) << text; }
    // What a fresh store reads back from the file.
    SettingsKey Reloaded() const
    {
        SettingsStore other;
        const SettingsLoadReport report = other.Load(path_);
        EXPECT_EQ(report.status, SettingsLoadStatus::Loaded) << report.message;
        return other.Root();
    }

    fs::path folder_;
    fs::path path_;
};

// Lowers the largest file size this process may write, so that a save
// fails half-way with EFBIG as it would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(SettingsStoreTest, KeepsTypedValuesInOrderAndReplacesInPlace)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey(kCorvane));
    const SettingsNamedValue values[] = {
        {"Title", SettingsValue::String("Corvane")},
        {"Mask", SettingsValue::Binary({1, 2, 3})},
        {"LoggerRetryTime", SettingsValue::Dword(5000)},
        {"Recent", SettingsValue::Multi({"a.net", "b.net"})},
    };
    for (const SettingsNamedValue& named : values)
        ASSERT_FALSE(store.SetValue(kCorvane, named.name, named.value));

    const std::uint32_t registryTypes[] = {1, 3, 4, 7};
    ASSERT_EQ(store.ValueCount(kCorvane), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(store.ValueAt(kCorvane, i), values[i]) << i;
        EXPECT_EQ(static_cast<std::uint32_t>(store.GetValue(kCorvane, values[i].name)->Type()), registryTypes[i]);
    }
    EXPECT_EQ(store.ValueAt(kCorvane, std::size(values)), std::nullopt);

    // A new type and value at the old position, under the first spelling.
    ASSERT_FALSE(store.SetValue(kCorvane, "MASK", SettingsValue::String("now text")));
    EXPECT_EQ(store.ValueAt(kCorvane, 1), (SettingsNamedValue{"Mask", SettingsValue::String("now text")}));
    EXPECT_EQ(store.ValueCount(kCorvane), std::size(values));
}

TEST_F(SettingsStoreTest, NamesIgnoreAsciiCaseAndKeepTheirFirstSpelling)
{
    SettingsStore store;
    ASSERT_FALSE(store.CreateKey("Software\\Tarnwick"));
    ASSERT_FALSE(store.CreateKey("SOFTWARE\\tarnwick\\Corvane"));
    ASSERT_FALSE(store.SetValue("software\\TARNWICK\\corvane", "SocketTimeout", SettingsValue::Dword(5000)));

    EXPECT_EQ(store.SubkeyCount(""), 1u);
    EXPECT_EQ(store.SubkeyNameAt("", 0), "Software");
    EXPECT_EQ(store.SubkeyNameAt("software", 0), "Tarnwick");
    EXPECT_EQ(store.GetValue(kCorvane, "SOCKETtimeout"), SettingsValue::Dword(5000));
    EXPECT_TRUE(store.KeyExists("sOfTwArE\\tarnWICK\\CORVANE"));
    EXPECT_TRUE(store.SubkeyExists("software", "TARNWICK\\corvane"));
    EXPECT_FALSE(store.SubkeyExists("software", ""));
    EXPECT_FALSE(store.SubkeyExists("Missing", "Tarnwick"));
    ASSERT_FALSE(store.DeleteValue(kCorvane, "sockettimeout"));
    EXPECT_EQ(store.ValueCount(kCorvane), 0u);
}

TEST_F(SettingsStoreTest, ListsSubkeysByPositionInCreationOrder)
{
    SettingsStore store;
    for (const char* path : {"Root\\Zeta", "Root\\Alpha\\Inner", "Root\\Mid", "Root\\alpha"})
        ASSERT_FALSE(store.CreateKey(path)) << path;
    const std::vector<std::string> expected = {"Zeta", "Alpha", "Mid"};
    ASSERT_EQ(store.SubkeyCount("Root"), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(store.SubkeyNameAt("Root", i), expected[i]);
    EXPECT_EQ(store.SubkeyNameAt("Root", expected.size()), std::nullopt);
    EXPECT_EQ(store.SubkeyCount("Missing"), 0u);
    EXPECT_EQ(store.SubkeyNameAt("Missing", 0), std::nullopt);
    EXPECT_EQ(store.ValueCount("Missing"), 0u);
    EXPECT_EQ(store.ValueAt("Missing", 0), std::nullopt);
}

TEST_F(SettingsStoreTest, DeletesAKeyWithEverythingBelowIt)
{
    SettingsStore store;
    ASSERT_EQ(store.Load(path_).status, SettingsLoadStatus::Missing);
    for (const char* path : {"A\\B\\C\\D", "A\\B\\E", "A\\F"})
        ASSERT_FALSE(store.CreateKey(path));
    ASSERT_FALSE(store.SetValue("A\\B\\C", "v", SettingsValue::Dword(1)));
    ASSERT_FALSE(store.SetValue("A", "kept", SettingsValue::Dword(2)));

    ASSERT_FALSE(store.DeleteKey("a\\b"));
    EXPECT_FALSE(store.KeyExists("A\\B"));
    EXPECT_FALSE(store.KeyExists("A\\B\\C\\D"));
    EXPECT_TRUE(store.KeyExists("A\\F"));
    EXPECT_EQ(store.SubkeyCount("A"), 1u);
    EXPECT_EQ(store.GetValue("A", "kept"), SettingsValue::Dword(2));
    EXPECT_EQ(Reloaded(), store.Root());

    EXPECT_EQ(store.DeleteKey("A\\B").kind, SettingsErrorKind::NoSuchKey);
    EXPECT_EQ(store.DeleteKey("").kind, SettingsErrorKind::BadName);
    EXPECT_TRUE(store.KeyExists(""));
}

TEST_F(SettingsStoreTest, RejectsBadNamesAndMissingTargets)
{
    SettingsStore store;
    ASSERT_EQ(store.Load(path_).status, SettingsLoadStatus::Missing);
    ASSERT_FALSE(store.CreateKey("K"));
    std::string deepest = "k";
    for (std::size_t i = 1; i < kMaxSettingsKeyDepth; ++i)
        deepest += "\\k";
    const std::string longest(kMaxSettingsValueName, 'n');
    ASSERT_FALSE(store.CreateKey(deepest));
    ASSERT_FALSE(store.CreateKey(std::string(kMaxSettingsKeyName, 'k')));
    ASSERT_FALSE(store.SetValue("K", longest, SettingsValue::Dword(1)));
    ASSERT_FALSE(store.SetValue("K", "", SettingsValue::String("default value")));
    EXPECT_EQ(Reloaded(), store.Root()) << "names at the limits are saved and read back";

    struct Case {
        const char* what;
        std::function<SettingsError()> change;
        SettingsErrorKind kind;
    };
    const Case cases[] = {
        {"empty name inside", [&] { return store.CreateKey("a\\\\b"); }, SettingsErrorKind::BadName},
        {"leading separator", [&] { return store.CreateKey("\\a"); }, SettingsErrorKind::BadName},
        {"trailing separator", [&] { return store.CreateKey("a\\"); }, SettingsErrorKind::BadName},
        {"long key name", [&] { return store.CreateKey(std::string(kMaxSettingsKeyName + 1, 'k')); },
            SettingsErrorKind::BadName},
        {"too deep", [&] { return store.CreateKey(deepest + "\\k"); }, SettingsErrorKind::BadName},
        {"long value name", [&] { return store.SetValue("K", longest + "n", SettingsValue::Dword(1)); },
            SettingsErrorKind::BadName},
        {"set in missing key", [&] { return store.SetValue("Missing", "v", SettingsValue::Dword(1)); },
            SettingsErrorKind::NoSuchKey},
        {"delete in missing key", [&] { return store.DeleteValue("Missing", "v"); }, SettingsErrorKind::NoSuchKey},
        {"delete missing value", [&] { return store.DeleteValue("K", "absent"); }, SettingsErrorKind::NoSuchValue},
        {"delete missing key", [&] { return store.DeleteKey("K\\Absent"); }, SettingsErrorKind::NoSuchKey},
    };
    const SettingsKey before = store.Root();
    for (const Case& c : cases) {
        const SettingsError error = c.change();
        EXPECT_EQ(error.kind, c.kind) << c.what;
        EXPECT_FALSE(error.message.empty()) << c.what;
    }
    EXPECT_EQ(store.Root(), before);
}

TEST_F(SettingsStoreTest, SavesEveryChangeAtOnce)
{
    path_ = folder_ / "new" / "folders" / "settings.ini";
    SettingsStore store;
    ASSERT_EQ(store.Load(path_).status, SettingsLoadStatus::Missing);
    EXPECT_FALSE(fs::exists(path_)) << "loading alone writes nothing";

    const std::function<SettingsError()> changes[] = {
        [&] { return store.CreateKey(kCorvane); },
        [&] { return store.SetValue(kCorvane, "LoggerRetryTime", SettingsValue::Dword(5000)); },
        [&] {
            return store.SetValue(kCorvane, "Recent", SettingsValue::Multi({"x\ny", ""}));
        },
        [&] { return store.SetValue(kCorvane, "loggerretrytime", SettingsValue::String("0x1388")); },
        [&] { return store.CreateKey(std::string(kCorvane) + "\\Admin"); },
        [&] { return store.DeleteValue(kCorvane, "Recent"); },
        [&] { return store.DeleteKey(std::string(kCorvane) + "\\Admin"); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        ASSERT_FALSE(changes[i]()) << i;
        EXPECT_FALSE(store.HasUnsavedChanges()) << i;
        EXPECT_EQ(Reloaded(), store.Root()) << i;
    }
}

TEST_F(SettingsStoreTest, BatchSavesOnceWhenTheOutermostEnds)
{
    SettingsStore store;
    ASSERT_EQ(store.Load(path_).status, SettingsLoadStatus::Missing);
    ASSERT_FALSE(store.CreateKey(kCorvane));
    const std::string saved = Contents(path_);

    store.BeginBatch();
    {
        SettingsStore::Batch inner(store);
        ASSERT_FALSE(store.SetValue(kCorvane, "A", SettingsValue::Dword(1)));
        ASSERT_FALSE(store.CreateKey("Software\\Other"));
        EXPECT_FALSE(inner.End());
    }
    ASSERT_FALSE(store.SetValue(kCorvane, "B", SettingsValue::Dword(2)));
    EXPECT_EQ(Contents(path_), saved);
    EXPECT_TRUE(store.HasUnsavedChanges());
    ASSERT_FALSE(store.EndBatch());
    EXPECT_FALSE(store.HasUnsavedChanges());
    EXPECT_EQ(Reloaded(), store.Root());

    {
        // A guard left without End() still ends the batch and saves.
        SettingsStore::Batch batch(store);
        ASSERT_FALSE(store.SetValue(kCorvane, "C", SettingsValue::Dword(3)));
    }
    EXPECT_EQ(Reloaded(), store.Root());
    EXPECT_FALSE(store.EndBatch()) << "an unmatched end is harmless";
}

TEST_F(SettingsStoreTest, FailedSaveKeepsTheOldFileAndIsTriedAgain)
{
    SettingsStore store;
    ASSERT_EQ(store.Load(path_).status, SettingsLoadStatus::Missing);
    ASSERT_FALSE(store.CreateKey(kCorvane));
    ASSERT_FALSE(store.SetValue(kCorvane, "Small", SettingsValue::Dword(1)));
    const std::string saved = Contents(path_);

    {
        const FileSizeLimit limit(1024);
        const SettingsError error = store.SetValue(kCorvane, "Big", SettingsValue::String(std::string(4000, 'b')));
        EXPECT_EQ(error.kind, SettingsErrorKind::SaveFailed);
        EXPECT_NE(error.message.find("File too large"), std::string::npos) << error.message;
    }
    EXPECT_EQ(Contents(path_), saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1) << "no temporary file left";
    EXPECT_TRUE(store.HasUnsavedChanges());
    EXPECT_TRUE(store.GetValue(kCorvane, "Big").has_value()) << "the change stays in memory";

    // The next change saves the earlier one too.
    ASSERT_FALSE(store.SetValue(kCorvane, "Small", SettingsValue::Dword(2)));
    EXPECT_FALSE(store.HasUnsavedChanges());
    EXPECT_EQ(Reloaded(), store.Root());

    // A file too large to load again is never written.
    const std::string afterRetry = Contents(path_);
    const SettingsError tooLarge
        = store.SetValue(kCorvane, "Huge", SettingsValue::String(std::string(kMaxSettingsFileBytes, 'h')));
    EXPECT_EQ(tooLarge.kind, SettingsErrorKind::SaveFailed);
    EXPECT_EQ(Contents(path_), afterRetry);
}

TEST_F(SettingsStoreTest, SetsADamagedFileAsideAndStartsEmpty)
{
    struct Case {
        std::string contents;  // empty: a sparse file one byte over the limit
        std::string reason;
        std::string setAsideName;
    };
    const Case cases[] = {
        {"[Software\\Tarnwick\\Corvane]\nLoggerRetryTime = dword:5000\nbroken line\n", "line 3: expected '='",
            "settings.ini.damaged"},
        {"", "larger than 16777216 bytes", "settings.ini.damaged.1"},
        {"[Software]\n\"open = dword:1\n", "line 2: quoted text is not closed", "settings.ini.damaged.2"},
    };
    for (const Case& c : cases) {
        if (c.contents.empty())
            fs::resize_file((Write(path_, ""), path_), kMaxSettingsFileBytes + 1);
        else
            Write(path_, c.contents);
        SettingsStore store;
        const SettingsLoadReport report = store.Load(path_);
        EXPECT_EQ(report.status, SettingsLoadStatus::Damaged) << c.reason;
        EXPECT_EQ(report.setAsidePath, folder_ / c.setAsideName);
        EXPECT_NE(report.message.find("'" + path_.string() + "'"), std::string::npos) << report.message;
        EXPECT_NE(report.message.find(c.reason), std::string::npos) << report.message;
        EXPECT_NE(report.message.find("'" + report.setAsidePath.string() + "'"), std::string::npos) << report.message;
        EXPECT_FALSE(fs::exists(path_));
        if (!c.contents.empty())
            EXPECT_EQ(Contents(report.setAsidePath), c.contents);
        else
            EXPECT_EQ(fs::file_size(report.setAsidePath), kMaxSettingsFileBytes + 1);
        EXPECT_EQ(store.Root(), SettingsKey{});
        EXPECT_EQ(store.Path(), path_);
    }
    // The earliest copy is still whole, and the store saves to a new file.
    EXPECT_EQ(Contents(folder_ / "settings.ini.damaged"), cases[0].contents);
    SettingsStore store;
    ASSERT_EQ(store.Load(path_).status, SettingsLoadStatus::Missing);
    ASSERT_FALSE(store.CreateKey(kCorvane));
    EXPECT_EQ(Reloaded(), store.Root());
}

TEST_F(SettingsStoreTest, UnreadableFileIsNeverWritten)
{
    fs::create_directory(path_);  // a folder where the file should be
    Write(folder_ / "blocker", "not a folder");
    for (const fs::path& path : {path_, folder_ / "blocker" / "settings.ini"}) {
        SettingsStore store;
        const SettingsLoadReport report = store.Load(path);
        EXPECT_EQ(report.status, SettingsLoadStatus::Failed) << path;
        EXPECT_NE(report.message.find("'" + path.string() + "'"), std::string::npos) << report.message;
        EXPECT_TRUE(store.Path().empty());
        EXPECT_FALSE(store.CreateKey(kCorvane)) << "changes still work in memory";
        EXPECT_TRUE(store.KeyExists(kCorvane));
        EXPECT_EQ(store.Save().kind, SettingsErrorKind::SaveFailed);
    }
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_TRUE(fs::is_empty(path_));
    EXPECT_EQ(Contents(folder_ / "blocker"), "not a folder");
}

TEST(SettingsLocationTest, FollowsTheEnvironment)
{
    struct Case {
        SettingsEnvironment environment;
        const char* path;
    };
    const Case cases[] = {
        {{"/srv/corvane", "/xdg", "/home/u"}, "/srv/corvane/settings.ini"},
        {{"", "/xdg", "/home/u"}, "/xdg/Tarnwick/Corvane/settings.ini"},
        {{"", "", "/home/u"}, "/home/u/.config/Tarnwick/Corvane/settings.ini"},
        {{"", "relative/xdg", "/home/u"}, "/home/u/.config/Tarnwick/Corvane/settings.ini"},
        {{"", "", ""}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultSettingsPath(c.environment), fs::path(c.path)) << c.path;
}

}  // namespace
}  // namespace settings_store_test
}  // namespace corvane
