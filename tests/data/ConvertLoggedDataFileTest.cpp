#include "data/ConvertLoggedDataFile.h"
#include "FailingStreamBuf.h"
#include "LogStreamWriter.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane {
namespace convert_logged_data_file_test {
namespace {

namespace fs = std::filesystem;
using test::LogStreamWriter;

FileConvertRequest Request(const fs::path& input, const fs::path& output)
{
    FileConvertRequest request;
    request.input = input;
    request.output = output;
    return request;
}

class ConvertFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (test::OutputFolder() / "data-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        raw_ = folder_ / "raw.bin";
        stream_ = LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "A", "u").Stamp(1000).Int(1, 3).Text();
        WriteFile(raw_, stream_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static void WriteFile(const fs::path& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string ReadFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t FilesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    fs::path raw_;
    std::string stream_;
};

TEST(OutputTypeTest, ExtensionChoosesTheTypeWhateverItsCase)
{
    EXPECT_EQ(OutputTypeFromPath("a/b.csv"), OutputType::Csv);
    EXPECT_EQ(OutputTypeFromPath("b.CSV"), OutputType::Csv);
    EXPECT_EQ(OutputTypeFromPath("b.Tsv"), OutputType::Tsv);
    EXPECT_EQ(OutputTypeFromPath("b.TXT"), OutputType::Txt);
    EXPECT_EQ(OutputTypeFromPath("b.xId"), OutputType::Xid);
    EXPECT_EQ(OutputTypeFromPath("bcsv"), std::nullopt);
    EXPECT_EQ(OutputTypeFromPath("b.doc"), std::nullopt);
    EXPECT_EQ(OutputTypeFromPath("b.csv.bak"), std::nullopt);
    EXPECT_EQ(LayoutOfType(OutputType::Tsv).delimiter, '\t');
    EXPECT_EQ(LayoutOfType(OutputType::Txt).columnWidth, 25);
}

TEST_F(ConvertFileTest, EachTypeIsWrittenAndTheRawFileRemovedOnlyWhenAsked)
{
    for (const char* name : {"out.CSV", "out.tsv", "out.txt"}) {
        SCOPED_TRACE(name);
        FileConvertRequest request = Request(raw_, folder_ / name);
        request.timeColumns = TimeColumns::Utc;
        const ConvertResult result = ConvertLoggedDataFile(request);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(result.rows, 1u);
        EXPECT_NE(ReadFile(folder_ / name).find("UTC Date"), std::string::npos);
        EXPECT_TRUE(fs::exists(raw_));
    }
    EXPECT_NE(ReadFile(folder_ / "out.tsv").find("UNIT ID:\tU\t\r\n"), std::string::npos);

    FileConvertRequest copy = Request(raw_, folder_ / "copy.xid");
    copy.deleteInputAfterSuccess = true;
    ASSERT_TRUE(ConvertLoggedDataFile(copy).ok);
    EXPECT_EQ(ReadFile(folder_ / "copy.xid"), stream_);
    EXPECT_FALSE(fs::exists(raw_));
    EXPECT_EQ(FilesInFolder(), 4u) << "no temporary file is left behind";
}

TEST_F(ConvertFileTest, FailuresAreReportedAndKeepTheRawFile)
{
    FileConvertRequest unknown = Request(raw_, folder_ / "out.doc");
    unknown.deleteInputAfterSuccess = true;
    ConvertResult result = ConvertLoggedDataFile(unknown);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unknown output file type \"doc.\"");

    FileConvertRequest noFolder = Request(raw_, folder_ / "missing" / "out.csv");
    noFolder.deleteInputAfterSuccess = true;
    result = ConvertLoggedDataFile(noFolder);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("Can't open ", 0), 0u) << result.message;

    FileConvertRequest noInput = Request(folder_ / "none.bin", folder_ / "out.csv");
    result = ConvertLoggedDataFile(noInput);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("none.bin"), std::string::npos);

    result = ConvertLoggedDataFile(Request(folder_, folder_ / "out.csv"));
    EXPECT_FALSE(result.ok) << "a folder is no stream";

    EXPECT_TRUE(fs::exists(raw_));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST(ConvertStreamTest, ReadErrorEndsConversionAndCopyWithItsOffset)
{
    const std::string stream
        = LogStreamWriter().UnitHeader("U", "N", 1).Point(1, "A", "u").Stamp(9).Int(1, 3).Stamp(10).Int(1, 4).Text();
    for (const auto failure : {test::FailingStreamBuf::Failure::Throws, test::FailingStreamBuf::Failure::SetsBad}) {
        for (const std::size_t failAt : {std::size_t{0}, std::size_t{205}, std::size_t{252}, stream.size()}) {
            SCOPED_TRACE(testing::Message()
                << "fail at " << failAt << ", throws " << (failure == test::FailingStreamBuf::Failure::Throws));
            const std::string offset = "offset " + std::to_string(failAt);
            for (const bool copy : {false, true}) {
                test::FailingStreamBuf buffer(stream, failAt, failure);
                std::istream in(&buffer);
                buffer.Attach(in);
                StringOutputSink out;
                ConvertResult result;
                if (copy)
                    EXPECT_NO_THROW(result = CopyLoggedData(in, out, stream.size(), {}));
                else
                    EXPECT_NO_THROW(result = LoggedDataConverter(ConvertOptions{}).Convert(in, out));
                EXPECT_FALSE(result.ok);
                EXPECT_EQ(result.readFailedAt, failAt);
                EXPECT_NE(result.message.find(offset), std::string::npos) << result.message;
            }
        }
    }
}

TEST_F(ConvertFileTest, UnreadableInputNamesItsFileAndOffset)
{
    // Reading this process's memory at address 0 fails with an I/O error,
    // as a failing disk or a pulled memory card does.
    const fs::path unreadable = "/proc/self/mem";
    for (const char* output : {"out.csv", "out.xid"}) {
        SCOPED_TRACE(output);
        ConvertResult result;
        EXPECT_NO_THROW(result = ConvertLoggedDataFile(Request(unreadable, folder_ / output)));
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("'/proc/self/mem'"), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("offset 0"), std::string::npos) << result.message;
    }
    EXPECT_EQ(FilesInFolder(), 1u) << "no output is left behind";
}

TEST_F(ConvertFileTest, CopyOntoItselfKeepsTheFile)
{
    const fs::path xid = folder_ / "session.XID";
    fs::rename(raw_, xid);
    FileConvertRequest request = Request(xid, xid);
    request.deleteInputAfterSuccess = true;
    ASSERT_TRUE(ConvertLoggedDataFile(request).ok);
    EXPECT_EQ(ReadFile(xid), stream_);
}

TEST_F(ConvertFileTest, ExistingOutputIsReplacedWhole)
{
    WriteFile(folder_ / "out.csv", std::string(100000, 'x'));
    ASSERT_TRUE(ConvertLoggedDataFile(Request(raw_, folder_ / "out.csv")).ok);
    const std::string text = ReadFile(folder_ / "out.csv");
    EXPECT_EQ(text.rfind("UNIT ID:,U,", 0), 0u);
    EXPECT_EQ(text.find('x'), std::string::npos);
}

}  // namespace
}  // namespace convert_logged_data_file_test
}  // namespace corvane
