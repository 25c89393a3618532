#include "icons/function/MathFunctionLibrary.h"

#include "MathLibraryTestSupport.h"

#include <gtest/gtest.h>

namespace corvane {
namespace math_function_library_test {
namespace {

using AddResult = MathFunctionLibrary::AddResult;

TEST(MathFunctionLibraryTest, ValuesSplitAtTheirFirstTabAndJoinAgain)
{
    struct Case {
        std::string value;
        MathFunction function;
    };
    const std::vector<Case> cases{
        {"W*2\tdouble it", {"W*2", "double it"}},
        {"W*2\t", {"W*2", ""}},
        {"\tcomment only", {"", "comment only"}},
        {"no tab at all", {"", "no tab at all"}},
        {"X\ta\tb", {"X", "a\tb"}},
        {"", {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(MathFunctionLibrary::Split(c.value), c.function);
        if (c.value.find('\t') != std::string::npos) {
            EXPECT_EQ(MathFunctionLibrary::Join(c.function), c.value);
        }
    }
    EXPECT_EQ(MathFunctionLibrary::ValueName(1), "Math01");
    EXPECT_EQ(MathFunctionLibrary::ValueName(80), "Math80");
}

TEST(MathFunctionLibraryTest, AddedFunctionsLoadBackInOrder)
{
    test::MathLibraryStore s;
    MathFunctionLibrary library(s.store);
    EXPECT_EQ(library.Load(), std::vector<MathFunction>{}) << "a missing key is created empty";
    EXPECT_TRUE(s.store.KeyExists(MathFunctionLibrary::kKey));
    const std::vector<MathFunction> functions{{"W*2", "double"}, {"SQRT(X)", ""}, {"(Y - 4) / 16", "4-20 mA"}};
    for (const MathFunction& function : functions)
        EXPECT_EQ(library.Add(function), AddResult::Added);
    EXPECT_EQ(s.Values(),
        (std::vector<std::string>{"Math01=W*2\tdouble", "Math02=SQRT(X)\t", "Math03=(Y - 4) / 16\t4-20 mA"}));
    EXPECT_EQ(library.Load(), functions);
}

TEST(MathFunctionLibraryTest, AddTakesTheFirstFreeNameAndNeverWritesOver)
{
    test::MathLibraryStore s;
    s.Put({{"Math01", "A\t"}, {"Math03", "C\t"}});
    MathFunctionLibrary library(s.store);
    EXPECT_EQ(library.Add({"B", ""}), AddResult::Added);
    EXPECT_EQ(s.Values(), (std::vector<std::string>{"Math01=A\t", "Math03=C\t", "Math02=B\t"}));
}

TEST(MathFunctionLibraryTest, HoldsAtMostEightyFunctionsAndRefusesAnEmptyEquation)
{
    test::MathLibraryStore s;
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t n = 1; n <= 79; ++n)
        values.emplace_back(MathFunctionLibrary::ValueName(n), "W\t");
    s.Put(values);
    MathFunctionLibrary library(s.store);
    EXPECT_EQ(library.Add({"", "nothing"}), AddResult::NoEquation);
    EXPECT_EQ(library.Add({"X", "last"}), AddResult::Added);
    EXPECT_EQ(s.Values().back(), "Math80=X\tlast");
    EXPECT_EQ(library.Add({"Y", "one too many"}), AddResult::Full);
    EXPECT_EQ(s.Values().size(), 80U);
}

TEST(MathFunctionLibraryTest, RewriteRenumbersTheWholeKey)
{
    test::MathLibraryStore s;
    s.Put({{"Math01", "A\ta"}, {"Math02", "B\tb"}, {"Math05", "C\tc"}, {"Other", "kept?"}});
    MathFunctionLibrary library(s.store);
    const std::vector<MathFunction> kept{{"A", "a"}, {"C", "c"}};
    EXPECT_TRUE(library.Rewrite(kept));
    EXPECT_EQ(s.Values(), (std::vector<std::string>{"Math01=A\ta", "Math02=C\tc"}));
    EXPECT_TRUE(library.Rewrite({}));
    EXPECT_TRUE(s.Values().empty());
}

TEST(MathFunctionLibraryTest, ReportsAStoreThatCannotBeWritten)
{
    test::MathLibraryStore s;
    s.UseFile();
    s.Put({{"Math01", "A\ta"}});
    s.BreakSaving();
    MathFunctionLibrary library(s.store);
    EXPECT_EQ(library.Add({"B", "b"}), AddResult::WriteFailed);
    EXPECT_FALSE(library.Rewrite(std::vector<MathFunction>{{"A", "a"}}));
}

}  // namespace
}  // namespace math_function_library_test
}  // namespace corvane
