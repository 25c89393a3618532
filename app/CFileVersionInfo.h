#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// String values of the program's own version information.
class CFileVersionInfo {
public:
    // The standard keys, in their usual order.
    static constexpr std::array<std::string_view, 11> kKeys = {"ProductName", "ProductVersion", "CompanyName",
        "LegalCopyright", "Comments", "FileDescription", "FileVersion", "InternalName", "LegalTrademarks",
        "PrivateBuild", "SpecialBuild"};

    // applicationName: the program's name, cut before the word
    // "Application" and without trailing blanks, names the program file.
    explicit CFileVersionInfo(std::string_view applicationName = "Corvane");

    // The value of a key; empty when the key has none.
    std::string GetValue(std::string_view key) const;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

}  // namespace corvane
