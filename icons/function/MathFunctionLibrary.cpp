#include "icons/function/MathFunctionLibrary.h"

#include "shell/CRegistry.h"

#include <cstdio>

namespace corvane {
namespace {

constexpr char kSeparator = '\t';

}  // namespace

MathFunction MathFunctionLibrary::Split(std::string_view value)
{
    const std::size_t tab = value.find(kSeparator);
    if (tab == std::string_view::npos)
        return {{}, std::string(value)};
    return {std::string(value.substr(0, tab)), std::string(value.substr(tab + 1))};
}

std::string MathFunctionLibrary::Join(const MathFunction& function)
{
    return function.equation + kSeparator + function.comment;
}

std::string MathFunctionLibrary::ValueName(std::size_t number)
{
    char name[16];
    std::snprintf(name, sizeof name, "Math%02zu", number);
    return name;
}

std::optional<std::vector<MathFunction>> MathFunctionLibrary::Load()
{
    CRegistry key(store_, CRegistry::kCreate);
    if (!key.Open(kKey, CRegistry::kQueryValue))
        return std::nullopt;
    std::vector<MathFunction> functions;
    functions.reserve(key.Count());
    for (std::size_t i = 0; i < key.Count(); ++i)
        functions.push_back(Split(key.At(i).GetString()));
    return functions;
}

bool MathFunctionLibrary::Rewrite(std::span<const MathFunction> functions)
{
    if (CRegistry::KeyExists(store_, kKey)) {
        CRegistry old(store_);
        if (!old.Open(kKey) || !old.DeleteKey())
            return false;
    }
    CRegistry key(store_, CRegistry::kCreate);
    if (!key.Open(kKey))
        return false;
    bool written = true;
    for (std::size_t i = 0; i < functions.size(); ++i)
        written = key[ValueName(i + 1)].SetString(Join(functions[i])) && written;
    return written;
}

MathFunctionLibrary::AddResult MathFunctionLibrary::Add(const MathFunction& function)
{
    CRegistry key(store_, CRegistry::kCreate);
    if (!key.Open(kKey))
        return AddResult::WriteFailed;
    if (key.Count() >= kMaxFunctions)
        return AddResult::Full;
    if (function.equation.empty())
        return AddResult::NoEquation;
    // A name left free by a value removed outside the program is used
    // again before the count is passed, so no function is written over.
    std::size_t number = 1;
    while (key[ValueName(number)].Exists())
        ++number;
    return key[ValueName(number)].SetString(Join(function)) ? AddResult::Added : AddResult::WriteFailed;
}

}  // namespace corvane
