#pragma once

#include <string>
#include <string_view>

namespace corvane {

// A library loaded at run time, its entry points found by name. The library
// stays loaded while its owner keeps this object and is unloaded when the
// owner releases it (Release, or the object's end). Movable, not copyable:
// one owner per load.
//
// A failed load or look-up keeps the system loader's own text, which names
// the library or the entry, so the caller can show or log why.
class SharedLibrary {
public:
    SharedLibrary() = default;  // nothing loaded
    ~SharedLibrary();
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Loads by name: a name with a slash is a path; a bare file name is
    // looked for where the system loader looks. Whatever this object held
    // before is released first. False, with the loader's text in
    // ErrorText(), when the library cannot be loaded.
    bool Load(std::string_view name);
    bool IsLoaded() const { return module_ != nullptr; }

    // The address of an exported entry (a function or a variable); null,
    // with the loader's text in ErrorText(), when the library lacks it or
    // nothing is loaded.
    void* Resolve(std::string_view entryName);

    // The same for a function of the given type, e.g. ResolveFunction<int(int)>("Name").
    template <typename Function>
    Function* ResolveFunction(std::string_view entryName)
    {
        return reinterpret_cast<Function*>(Resolve(entryName));
    }

    // The loader's text of the latest Load or Resolve; empty when it succeeded.
    const std::string& ErrorText() const { return errorText_; }

    // Unloads the library now; nothing when none is loaded.
    void Release();

private:
    void* module_ = nullptr;
    std::string errorText_;
};

}  // namespace corvane
