#include "platform/FileFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace file_filter_test {
namespace {

using Entries = std::vector<FileFilterEntry>;

TEST(FileFilterTest, ParsesFilterStrings)
{
    struct Case {
        const char* filter;
        Entries expected;
    };
    const Case cases[] = {
        {"", {}},
        {"||", {}},
        {"|", {}},
        {"Comma Separated (*.csv)|*.csv|Text (*.txt)|*.txt|Raw Data (*.xid)|*.xid||",
            {{"Comma Separated (*.csv)", {"*.csv"}}, {"Text (*.txt)", {"*.txt"}}, {"Raw Data (*.xid)", {"*.xid"}}}},
        // The final "||" may be missing, or be only one '|'.
        {"Nets|*.nt3", {{"Nets", {"*.nt3"}}}},
        {"Nets|*.nt3|", {{"Nets", {"*.nt3"}}}},
        // Blanks around patterns, several patterns, empty ones between ';'.
        {"Firmware Files (*.bin)| *.bin||", {{"Firmware Files (*.bin)", {"*.bin"}}}},
        {"Pages|*.xml; *.htm;;*.html ;|All|*.*||", {{"Pages", {"*.xml", "*.htm", "*.html"}}, {"All", {"*.*"}}}},
        // "||" ends the list; what follows is not read.
        {"A|*.a||B|*.b||", {{"A", {"*.a"}}}},
        // A description without patterns matches all files; a trailing one too.
        {"Anything||", {{"Anything", {"*"}}}},
        {"A|*.a|Dangling", {{"A", {"*.a"}}, {"Dangling", {"*"}}}},
        {"A| ; |B|*.b||", {{"A", {"*"}}, {"B", {"*.b"}}}},
        // An empty description ends the list too: a stray '|' cuts it short
        // where it stands rather than shifting descriptions into patterns.
        {"|*.a;*.b|B|*.b||", {}},
        {"A|*.a|||B|*.b||", {{"A", {"*.a"}}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseFileFilter(c.filter), c.expected) << '"' << c.filter << '"';
}

TEST(FileFilterTest, ConvertsToToolkitNameFilters)
{
    const Entries entries = ParseFileFilter("Text (*.txt)|*.txt|Logs|*.log;*.LOG|All Files|*.*||");
    EXPECT_EQ(ToToolkitNameFilters(entries),
        (std::vector<std::string>{"Text (*.txt) (*.txt)", "Logs (*.log *.LOG)", "All Files (*)"}))
        << "the toolkit's \"*.*\" would hide names without a dot";
}

TEST(FileFilterTest, ClampsFilterIndexToTheEntries)
{
    struct Case {
        int index;
        std::size_t count;
        int expected;
    };
    const Case cases[] = {{1, 3, 1}, {3, 3, 3}, {4, 3, 1}, {0, 3, 1}, {-2, 3, 1}, {1, 0, 0}, {5, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampFilterIndex(c.index, c.count), c.expected) << c.index << " of " << c.count;
}

TEST(FileFilterTest, ConcreteExtensionOnlyForOneExactPattern)
{
    struct Case {
        std::vector<std::string> patterns;
        const char* expected;
    };
    const Case cases[] = {
        {{"*.csv"}, "csv"},
        {{"*.DLF"}, "DLF"},
        {{"*.tar.gz"}, "tar.gz"},
        {{"*.*"}, ""},
        {{"*"}, ""},
        {{"*.t?t"}, ""},
        {{"*.[ch]"}, ""},
        {{"*."}, ""},
        {{"report*"}, ""},
        {{"data.csv"}, ""},
        {{"*.txt", "*.log"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConcreteExtension({"d", c.patterns}), c.expected) << c.patterns.front();
}

TEST(FileFilterTest, ChoosesTheExtensionOfTheSelectedFilter)
{
    const FileFilterEntry text{"Text", {"*.txt"}};
    const FileFilterEntry upper{"Logs", {"*.DLF"}};
    const FileFilterEntry all{"All", {"*.*"}};
    const FileFilterEntry pages{"Pages", {"*.htm", "*.html"}};
    struct Case {
        const char* requested;
        const FileFilterEntry* selected;
        const char* expected;
    };
    const Case cases[] = {
        {"csv", &text, "txt"},     // the user picked another type than the caller's default
        {".csv", nullptr, "csv"},  // the caller's leading dot is not doubled
        {"csv", &all, "csv"},
        {"csv", &pages, "csv"},
        {"dlf", &upper, "dlf"},  // same ignoring case: the caller's spelling
        {"", &text, ""},         // a caller that wants no extension gets none
        {"...", &text, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseDefaultExtension(c.requested, c.selected), c.expected)
            << c.requested << " / " << (c.selected != nullptr ? c.selected->description : "none");
}

TEST(FileFilterTest, AddsDefaultExtensionOnlyToNamesWithoutOne)
{
    struct Case {
        const char* path;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/run1", "csv", "/data/run1.csv"},
        {"run1", ".csv", "run1.csv"},
        {"/data/run1.txt", "csv", "/data/run1.txt"},
        {"/data/run1.backup.txt", "csv", "/data/run1.backup.txt"},
        // A trailing dot is an empty extension the user typed on purpose.
        {"/data/run1.", "csv", "/data/run1."},
        // A dot in a folder name is not the file's extension.
        {"/data/v1.2/run1", "csv", "/data/v1.2/run1.csv"},
        // A leading dot marks a hidden file, not an extension.
        {"/data/.run1", "csv", "/data/.run1.csv"},
        {"/data/run1", "", "/data/run1"},
        {"", "csv", ""},
        {"/data/", "csv", "/data/"},
        {"/data/..", "csv", "/data/.."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyDefaultExtension(c.path, c.extension), c.expected) << c.path;
}

TEST(FileFilterTest, SplitsTypedNames)
{
    using Names = std::vector<std::string>;
    struct Case {
        const char* text;
        bool several;
        Names expected;
    };
    const Case cases[] = {
        {"run1", false, {"run1"}},
        {"run 1.csv", true, {"run 1.csv"}},
        {"\"run1.csv\"", false, {"run1.csv"}},
        {"\"a b.csv\" \"c\"", true, {"a b.csv", "c"}},
        {"\"a\"junk\"b\"", true, {"a", "b"}},
        {"\"a\" \"b", true, {"a", "b"}},
        {"\"\" \"a\"", true, {"a"}},
        {"\"", false, {"\""}},
        {"", true, {}},
        {"", false, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitTypedFileNames(c.text, c.several), c.expected) << c.text;
}

TEST(FileFilterTest, SplitsTheProposedNameIntoFolderAndName)
{
    struct Case {
        const char* folder;
        const char* fileName;
        FileDialogStart expected;
    };
    const Case cases[] = {
        {"/data", "run1.csv", {"/data", "run1.csv"}},
        {"", "", {"", ""}},
        {"/data", "", {"/data", ""}},
        // A pattern only says which files to list.
        {"", "/home/u/Downloads/*.csv", {"/home/u/Downloads", ""}},
        {"/data", "*.bin", {"/data", ""}},
        // A folder in the name wins over the folder, or is taken relative to it.
        {"/data", "/logs/run1.csv", {"/logs", "run1.csv"}},
        {"/data", "logs/run1.csv", {"/data/logs", "run1.csv"}},
        {"", "logs/run1.csv", {"logs", "run1.csv"}},
        {"/data", "/run1.csv", {"/", "run1.csv"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitFileDialogStart(c.folder, c.fileName), c.expected) << c.folder << " + " << c.fileName;
}

}  // namespace
}  // namespace file_filter_test
}  // namespace corvane
