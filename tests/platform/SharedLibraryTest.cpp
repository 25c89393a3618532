#include "platform/SharedLibrary.h"

#include "TestOutput.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <utility>

namespace corvane {
namespace shared_library_test {
namespace {

constexpr const char* kModulePath = CORVANE_LOADABLE_TEST_MODULE;
constexpr const char* kEntryName = "CorvaneTestModuleTriple";
using EntryFunction = int(int);

// Whether the process holds the module now, asked of the loader itself
// without loading it.
bool ModuleInProcess()
{
    void* module = dlopen(kModulePath, RTLD_NOW | RTLD_NOLOAD);
    if (module == nullptr)
        return false;
    dlclose(module);
    return true;
}

TEST(SharedLibraryTest, LoadsByNameAndCallsAnEntryFoundByName)
{
    SharedLibrary library;
    ASSERT_TRUE(library.Load(kModulePath)) << library.ErrorText();
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_EQ(library.ErrorText(), "");

    EntryFunction* triple = library.ResolveFunction<EntryFunction>(kEntryName);
    ASSERT_NE(triple, nullptr) << library.ErrorText();
    EXPECT_EQ(triple(14), 42);
    EXPECT_EQ(library.Resolve(kEntryName), reinterpret_cast<void*>(triple));
}

TEST(SharedLibraryTest, FailuresGiveTheLoadersText)
{
    const std::string missingPath = (test::OutputFile("no-such-library.so")).string();
    struct Case {
        const char* what;
        std::string library;  // empty: nothing loaded
        std::string entry;    // empty: the load itself is expected to fail
        std::string named;    // what the text names
    };
    const Case cases[] = {
        {"missing library by path", missingPath, "", missingPath},
        {"missing library by bare name", "libcorvane-no-such-library.so", "", "libcorvane-no-such-library.so"},
        {"missing entry", kModulePath, "CorvaneNoSuchEntry", "CorvaneNoSuchEntry"},
        // A name alike but for its case is another entry.
        {"entry of another case", kModulePath, "corvanetestmoduletriple", "corvanetestmoduletriple"},
        {"entry of nothing loaded", "", "CorvaneTestModuleTriple", "CorvaneTestModuleTriple"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SharedLibrary library;
        if (!c.library.empty()) {
            const bool loaded = library.Load(c.library);
            EXPECT_EQ(loaded, !c.entry.empty());
            EXPECT_EQ(library.IsLoaded(), loaded);
            if (!loaded) {
                EXPECT_NE(library.ErrorText().find(c.named), std::string::npos) << library.ErrorText();
                continue;
            }
        }
        EXPECT_EQ(library.Resolve(c.entry), nullptr);
        EXPECT_EQ(library.ResolveFunction<EntryFunction>(c.entry), nullptr);
        EXPECT_NE(library.ErrorText().find(c.named), std::string::npos) << library.ErrorText();
        // A look-up that succeeds afterwards clears the failure's text.
        if (library.IsLoaded()) {
            EXPECT_NE(library.Resolve(kEntryName), nullptr);
            EXPECT_EQ(library.ErrorText(), "");
        }
    }
}

TEST(SharedLibraryTest, StaysLoadedWhileOwnedAndGoesWithItsLastOwner)
{
    ASSERT_FALSE(ModuleInProcess());
    {
        SharedLibrary first;
        ASSERT_TRUE(first.Load(kModulePath)) << first.ErrorText();
        EXPECT_TRUE(ModuleInProcess());

        // Moving hands the load over; the emptied object unloads nothing.
        SharedLibrary second(std::move(first));
        EXPECT_FALSE(first.IsLoaded());
        first = SharedLibrary();
        EXPECT_TRUE(ModuleInProcess());
        ASSERT_NE(second.ResolveFunction<EntryFunction>(kEntryName), nullptr);
        EXPECT_EQ(second.ResolveFunction<EntryFunction>(kEntryName)(2), 6);

        SharedLibrary third;
        third = std::move(second);
        EXPECT_TRUE(ModuleInProcess());
        EXPECT_NE(third.Resolve(kEntryName), nullptr);
    }
    EXPECT_FALSE(ModuleInProcess());

    // An explicit release unloads at once, and the object can load again.
    SharedLibrary library;
    ASSERT_TRUE(library.Load(kModulePath));
    library.Release();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_FALSE(ModuleInProcess());
    EXPECT_EQ(library.Resolve(kEntryName), nullptr);
    ASSERT_TRUE(library.Load(kModulePath));
    EXPECT_TRUE(ModuleInProcess());
}

}  // namespace
}  // namespace shared_library_test
}  // namespace corvane
