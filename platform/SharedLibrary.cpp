#include "platform/SharedLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace corvane {

namespace {

// The loader's text of the failure just seen (it keeps one per thread and
// clears it when read).
std::string TakeLoaderError(std::string_view fallback)
{
    const char* text = dlerror();
    return text != nullptr ? std::string(text) : std::string(fallback);
}

}  // namespace

SharedLibrary::~SharedLibrary() { Release(); }

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : module_(std::exchange(other.module_, nullptr)), errorText_(std::move(other.errorText_))
{
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept
{
    if (this != &other) {
        Release();
        module_ = std::exchange(other.module_, nullptr);
        errorText_ = std::move(other.errorText_);
    }
    return *this;
}

bool SharedLibrary::Load(std::string_view name)
{
    Release();
    const std::string path(name);
    // An empty name would give the program itself rather than a library.
    if (path.empty() || path.find('\0') != std::string::npos) {
        errorText_ = "invalid library name";
        return false;
    }
    dlerror();
    // Every entry is bound now, so a library that cannot run fails here
    // rather than at its first call; its names stay out of the global scope.
    module_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr) {
        errorText_ = TakeLoaderError(path + ": cannot be loaded");
        return false;
    }
    errorText_.clear();
    return true;
}

void* SharedLibrary::Resolve(std::string_view entryName)
{
    if (module_ == nullptr) {
        errorText_ = std::string(entryName) + ": no library is loaded";
        return nullptr;
    }
    const std::string name(entryName);
    if (name.empty() || name.find('\0') != std::string::npos) {
        errorText_ = "invalid entry name";
        return nullptr;
    }
    dlerror();
    void* address = dlsym(module_, name.c_str());
    // An entry may be found at a null address; only the loader's text tells a
    // missing entry apart.
    if (const char* text = dlerror(); text != nullptr) {
        errorText_ = text;
        return nullptr;
    }
    if (address == nullptr) {
        errorText_ = name + ": entry has no address";
        return nullptr;
    }
    errorText_.clear();
    return address;
}

void SharedLibrary::Release()
{
    if (module_ != nullptr)
        dlclose(std::exchange(module_, nullptr));
}

}  // namespace corvane
