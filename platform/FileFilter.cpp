#include "platform/FileFilter.h"

#include <algorithm>
#include <filesystem>

namespace corvane {

namespace {

std::string_view Trim(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return fields;
        text.remove_prefix(at + 1);
    }
}

std::string_view WithoutLeadingDots(std::string_view extension)
{
    while (!extension.empty() && extension.front() == '.')
        extension.remove_prefix(1);
    return extension;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view LastComponent(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter)
{
    std::vector<FileFilterEntry> entries;
    const std::vector<std::string_view> fields = Split(filter, '|');
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        const std::string_view description = Trim(fields[i]);
        const std::string_view patternField = i + 1 < fields.size() ? fields[i + 1] : std::string_view{};
        if (description.empty())
            break;
        FileFilterEntry entry;
        for (std::string_view pattern : Split(patternField, ';'))
            if (pattern = Trim(pattern); !pattern.empty())
                entry.patterns.emplace_back(pattern);
        if (entry.patterns.empty())
            entry.patterns.emplace_back("*");
        entry.description = description;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string ToToolkitNameFilter(const FileFilterEntry& entry)
{
    std::string patterns;
    for (const std::string& pattern : entry.patterns) {
        if (!patterns.empty())
            patterns += ' ';
        patterns += pattern == "*.*" ? std::string("*") : pattern;
    }
    return entry.description + " (" + patterns + ")";
}

std::vector<std::string> ToToolkitNameFilters(std::span<const FileFilterEntry> entries)
{
    std::vector<std::string> filters;
    filters.reserve(entries.size());
    for (const FileFilterEntry& entry : entries)
        filters.push_back(ToToolkitNameFilter(entry));
    return filters;
}

int ClampFilterIndex(int index, std::size_t count)
{
    if (count == 0)
        return 0;
    return index >= 1 && static_cast<std::size_t>(index) <= count ? index : 1;
}

std::string ConcreteExtension(const FileFilterEntry& entry)
{
    if (entry.patterns.size() != 1)
        return {};
    const std::string_view pattern = entry.patterns.front();
    if (!pattern.starts_with("*."))
        return {};
    const std::string_view extension = pattern.substr(2);
    if (extension.empty() || HasWildcard(extension) || extension.find('/') != std::string_view::npos)
        return {};
    return std::string(extension);
}

std::string ChooseDefaultExtension(std::string_view requested, const FileFilterEntry* selected)
{
    requested = WithoutLeadingDots(requested);
    if (requested.empty())
        return {};
    if (selected != nullptr) {
        const std::string fromFilter = ConcreteExtension(*selected);
        if (!fromFilter.empty())
            return EqualIgnoringAsciiCase(fromFilter, requested) ? std::string(requested) : fromFilter;
    }
    return std::string(requested);
}

bool HasExtension(std::string_view path)
{
    const std::string_view name = LastComponent(path);
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && dot > 0;
}

std::string ApplyDefaultExtension(std::string_view path, std::string_view extension)
{
    extension = WithoutLeadingDots(extension);
    const std::string_view name = LastComponent(path);
    if (extension.empty() || name.empty() || name == "." || name == ".." || HasExtension(path))
        return std::string(path);
    std::string result(path);
    result += '.';
    result += extension;
    return result;
}

std::vector<std::string> SplitTypedFileNames(std::string_view text, bool several)
{
    std::vector<std::string> names;
    if (!several || text.find('"') == std::string_view::npos) {
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
            text = text.substr(1, text.size() - 2);
        if (!text.empty())
            names.emplace_back(text);
        return names;
    }
    for (std::size_t open = text.find('"'); open != std::string_view::npos;) {
        const std::size_t close = text.find('"', open + 1);
        const std::string_view name = text.substr(open + 1, close == std::string_view::npos ? close : close - open - 1);
        if (!name.empty())
            names.emplace_back(name);
        open = close == std::string_view::npos ? close : text.find('"', close + 1);
    }
    return names;
}

bool HasWildcard(std::string_view name) { return name.find_first_of("*?[") != std::string_view::npos; }

FileDialogStart SplitFileDialogStart(std::string_view folder, std::string_view fileName)
{
    FileDialogStart start{std::string(folder), {}};
    const std::size_t slash = fileName.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    if (slash != std::string_view::npos) {
        const std::string_view folderPart = slash == 0 ? fileName.substr(0, 1) : fileName.substr(0, slash);
        const std::filesystem::path part(folderPart);
        start.folder
            = part.is_absolute() || folder.empty() ? part.string() : (std::filesystem::path(folder) / part).string();
    }
    if (!HasWildcard(name))
        start.name = name;
    return start;
}

}  // namespace corvane
